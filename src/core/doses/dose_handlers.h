#pragma once

#include "core/soil/cultivation_system.h"

#include <functional>

namespace bulbicalc {

class WindowState;

// What the dose handlers start in the subsystems above them. The composition
// root fills it in.
struct DoseTriggers {
    // "&Parcelar" of the N split, once the view by parcela is written and
    // before the N row of the recommendation: the calendar lists the n
    // parcelas and the workbench is laid out for them. A failure there stops
    // the split.
    std::function<void(WindowState&, int parcelas)> parcelasPublished;
    // The last step of the system switch: the calendar's headings and picture.
    std::function<void(WindowState&, CultivationSystem)> systemSwitched;
};

// The event handlers of the tab "Doses Macro e Micro" and the triggers of the
// doses on the data-entry tab.

// Leaving analysis and production fields.
void EdMOExit(WindowState& window);
void EdPExit(WindowState& window);
void EdKExit(WindowState& window);
// Leaving EdProducao or EdArea, and Enter in EdProducao before the focus moves.
void EdProducaoExit(WindowState& window);
void EdSExit(WindowState& window);
void EdMnExit(WindowState& window);
void EdZnExit(WindowState& window);
void EdBExit(WindowState& window);

// The K class from EdK and EdCTC when both are given: stores K and CTC, then
// runs ClasseK. Nothing happens when either is empty.
void classifyPotassiumWhenGiven(WindowState& window);

// The cultivation system switch: transplant, and direct seeding or
// consolidated no-till (RadioButton11 and RadioButton20 share it).
void RadioButton10Click(WindowState& window, const DoseTriggers& triggers);
void RadioButton11Click(WindowState& window, const DoseTriggers& triggers);

// N split.
void UpDown1Click(WindowState& window);
void BitBtn29Click(WindowState& window, const DoseTriggers& triggers);

// Potash split.
void UpDown2Click(WindowState& window);
void BitBtn10Click(WindowState& window);

// The soil group of the S dose: DoseS again.
void RadioButton21Click(WindowState& window);
void RadioButton22Click(WindowState& window);

// Doses typed or computed: published into parcela 1.
void Edit18Change(WindowState& window);
void Edit22Change(WindowState& window);

// Registers the handlers above and the split grids' hints and colours.
void registerDoseHandlers(WindowState& window, DoseTriggers triggers);

} // namespace bulbicalc
