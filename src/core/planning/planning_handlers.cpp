#include "core/planning/planning_handlers.h"

#include "core/app/window_state.h"
#include "core/planning/closure.h"
#include "core/planning/optimisation.h"
#include "core/planning/planning_controls.h"
#include "core/planning/selection.h"
#include "core/planning/workbench.h"

namespace bulbicalc {

using namespace planning;

void registerPlanningHandlers(WindowState& window)
{
    window.onClick(rCheckListBox1, rCheckListBox1Click);
    window.onClick(BitBtn97, BitBtn97Click);
    window.onClick(BitBtn111, BitBtn111Click);
    window.onClick(RadioButton23, RadioButton23Click);
    window.onClick(RadioButton24, RadioButton24Click);
    window.onClick(BtOtimizarParcela, BtOtimizarParcelaClick);
    window.onClick(BtOtimizarTodas, BtOtimizarTodasClick);
    registerClosureCommands(window);
    installWorkbenchGridEvents(window);
    installOptimisationHints(window);
}

} // namespace bulbicalc
