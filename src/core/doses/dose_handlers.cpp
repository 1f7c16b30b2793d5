#include "core/doses/dose_handlers.h"

#include "core/app/window_state.h"
#include "core/doses/doses.h"
#include "core/doses/doses_controls.h"
#include "core/doses/recommendation_table.h"
#include "core/doses/split_grid.h"
#include "core/soil/cation_exchange.h"
#include "core/soil/soil_controls.h"

namespace bulbicalc {

using namespace soil;
using namespace doses;

void EdMOExit(WindowState& window)
{
    if (window.isEmpty(EdMO))
        return;
    // The organic matter of the liming formula follows the analysis.
    window.setText(Edit3, window.text(EdMO));
    DoseN(window);
}

void EdPExit(WindowState& window)
{
    if (window.isEmpty(EdArgila) || window.isEmpty(EdP))
        return;
    ModuleNumbers& n = window.numbers();
    n.argila = window.number(EdArgila);
    n.P = window.number(EdP);
    ClasseP(window);
}

void classifyPotassiumWhenGiven(WindowState& window)
{
    if (window.isEmpty(EdK) || window.isEmpty(EdCTC))
        return;
    ModuleNumbers& n = window.numbers();
    n.K = window.number(EdK);
    n.CTC = window.number(EdCTC);
    ClasseK(window);
}

void EdKExit(WindowState& window)
{
    if (window.isEmpty(EdK) || window.isEmpty(EdCTC))
        return;
    classifyPotassiumWhenGiven(window);
    const double k = window.numbers().K;
    if (!window.isEmpty(EdCa))
        writeCaKRelation(window, window.number(EdCa), k);
    if (!window.isEmpty(EdMg))
        writeMgKRelation(window, window.number(EdMg), k);
}

void EdProducaoExit(WindowState& window)
{
    if (!window.isEmpty(EdMO))
        DoseN(window);
    if (!window.isEmpty(EdP))
        ClasseP(window);
    // The K2O dose has a yield correction too; without this step it would
    // keep the yield of the last time K was classed.
    classifyPotassiumWhenGiven(window);
}

void EdSExit(WindowState& window)
{
    DoseS(window);
}
void EdMnExit(WindowState& window)
{
    DoseMn(window);
}
void EdZnExit(WindowState& window)
{
    DoseZn(window);
}
void EdBExit(WindowState& window)
{
    DoseB(window);
}

void RadioButton21Click(WindowState& window)
{
    DoseS(window);
}
void RadioButton22Click(WindowState& window)
{
    DoseS(window);
}

void Edit18Change(WindowState& window)
{
    publishFirstParcelaDose(window, Nutrient::P2O5, window.text(Edit18));
}

void Edit22Change(WindowState& window)
{
    publishFirstParcelaDose(window, Nutrient::S, window.text(Edit22));
}

void registerDoseHandlers(WindowState& window, DoseTriggers triggers)
{
    window.onLeave(EdMO, EdMOExit);
    window.onLeave(EdP, EdPExit);
    window.onLeave(EdK, EdKExit);
    window.onLeave(EdProducao, EdProducaoExit);
    window.onLeave(EdArea, EdProducaoExit);
    window.onEnterBefore(EdProducao, EdProducaoExit);
    window.onLeave(EdS, EdSExit);
    window.onLeave(EdMn, EdMnExit);
    window.onLeave(EdZn, EdZnExit);
    window.onLeave(EdB, EdBExit);

    window.onClick(RadioButton10, [triggers](WindowState& w) { RadioButton10Click(w, triggers); });
    window.onClick(RadioButton11, [triggers](WindowState& w) { RadioButton11Click(w, triggers); });
    window.onClick(RadioButton20, [triggers](WindowState& w) { RadioButton11Click(w, triggers); });

    window.onClick(UpDown1, UpDown1Click);
    window.onClick(BitBtn29, [triggers](WindowState& w) { BitBtn29Click(w, triggers); });
    window.onClick(UpDown2, UpDown2Click);
    window.onClick(BitBtn10, BitBtn10Click);

    window.onChange(Edit18, Edit18Change);
    window.onChange(Edit22, Edit22Change);
    window.onClick(RadioButton21, RadioButton21Click);
    window.onClick(RadioButton22, RadioButton22Click);

    installSplitGridEvents(window, rstga1);
    installSplitGridEvents(window, rstga2);
}

} // namespace bulbicalc
