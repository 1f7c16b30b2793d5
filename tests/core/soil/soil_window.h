#pragma once

#include "core/soil/interpretation.h"
#include "core/soil/municipalities.h"
#include "core/soil/soil_form.h"
#include "support/bare_window.h"

namespace bulbicalc::test {

// The soil analysis alone: its controls and handlers. The K class that
// leaving EdCTC starts above it is only counted.
struct SoilWindow : BareWindow {
    SoilWindow()
    {
        addSoilControls(window);
        registerMunicipalityHandlers(window);
        registerInterpretationHandlers(window,
                                       InterpretationTriggers{.classifyPotassium = [this](WindowState&) {
                                           ++potassiumClassifications;
                                       }});
        writeMehlichNote(window);
    }

    int potassiumClassifications = 0;
};

} // namespace bulbicalc::test
