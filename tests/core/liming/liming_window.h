#pragma once

#include "core/liming/liming.h"
#include "core/liming/liming_form.h"
#include "core/soil/soil_form.h"
#include "support/bare_window.h"

namespace bulbicalc::test {

// The liming methods over the soil analysis's controls.
struct LimingWindow : BareWindow {
    LimingWindow()
    {
        addSoilControls(window);
        addLimingControls(window);
        registerLimingHandlers(window);
    }
};

} // namespace bulbicalc::test
