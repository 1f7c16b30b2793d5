#pragma once

#include "core/doses/dose_handlers.h"
#include "core/doses/doses.h"
#include "core/doses/doses_form.h"
#include "core/soil/interpretation.h"
#include "core/soil/soil_form.h"
#include "support/bare_window.h"

#include <vector>

namespace bulbicalc::test {

// The doses over the soil analysis, started as the program starts them. What
// the doses start in the calendar and on the workbench is only recorded.
struct DosesWindow : BareWindow {
    DosesWindow()
    {
        addSoilControls(window);
        addDosesControls(window);
        registerInterpretationHandlers(window, InterpretationTriggers{.classifyPotassium = ClasseK});
        registerDoseHandlers(
            window,
            DoseTriggers{
                .parcelasPublished = [this](WindowState&, int parcelas) { published.push_back(parcelas); },
                .systemSwitched = [this](WindowState&,
                                         CultivationSystem system) { switched.push_back(system); },
            });
        writeNitrogenSplitDefaults(window);
        writePotashSplitDefaults(window);
        writeRecommendationHeadings(window);
    }

    std::vector<int> published;              // the n of each "&Parcelar" that got as far as publishing
    std::vector<CultivationSystem> switched; // the system of each switch that got to its end
};

} // namespace bulbicalc::test
