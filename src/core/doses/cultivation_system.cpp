#include "core/doses/cultivation_system.h"

#include "core/app/window_state.h"

namespace bulbicalc {

CultivationSystem cultivationSystem(const WindowState& window)
{
    if (window.isChecked("RadioButton11"))
        return CultivationSystem::DirectSeeding;
    if (window.isChecked("RadioButton20"))
        return CultivationSystem::ConsolidatedNoTill;
    return CultivationSystem::Transplant;
}

} // namespace bulbicalc
