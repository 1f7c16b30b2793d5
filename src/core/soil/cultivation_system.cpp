#include "core/soil/cultivation_system.h"

#include "core/app/window_state.h"
#include "core/soil/soil_controls.h"

namespace bulbicalc {

CultivationSystem cultivationSystem(const WindowState& window)
{
    if (window.isChecked(soil::RadioButton11))
        return CultivationSystem::DirectSeeding;
    if (window.isChecked(soil::RadioButton20))
        return CultivationSystem::ConsolidatedNoTill;
    return CultivationSystem::Transplant;
}

} // namespace bulbicalc
