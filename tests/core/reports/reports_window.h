#pragma once

#include "core/calendar/calendar.h"
#include "core/doses/dose_handlers.h"
#include "core/doses/doses.h"
#include "core/doses/doses_form.h"
#include "core/liming/liming.h"
#include "core/liming/liming_form.h"
#include "core/planning/planning_form.h"
#include "core/planning/workbench_layout.h"
#include "core/reports/reports_form.h"
#include "core/soil/interpretation.h"
#include "core/soil/municipalities.h"
#include "core/soil/soil_form.h"
#include "support/bare_window.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bulbicalc::test {

// The reports over everything they print: the soil analysis, liming, doses,
// calendar and workbench, wired and started as the program does.
struct ReportsWindow : BareWindow {
    explicit ReportsWindow(std::filesystem::path dataDir = BULBICALC_TEST_DATA_DIR)
        : BareWindow(std::move(dataDir))
    {
        addSoilControls(window);
        addLimingControls(window);
        addDosesControls(window);
        addPlanningControls(window);
        addCalendarControls(window);
        addReportsControls(window);
        registerMunicipalityHandlers(window);
        registerInterpretationHandlers(window, InterpretationTriggers{.classifyPotassium = ClasseK});
        registerDoseHandlers(window, DoseTriggers{
                                         .parcelasPublished =
                                             [](WindowState& w, int parcelas) {
                                                 listParcelas(w, parcelas);
                                                 DefineData(w);
                                                 Grafico1(w);
                                                 layoutParcelaColumns(w, parcelas);
                                             },
                                         .systemSwitched = showCultivationSystem,
                                     });
        registerCalendarHandlers(window);
        registerLimingHandlers(window);
        registerReportsHandlers(window);
        writeMehlichNote(window);
        writeCalendarHeadings(window);
        writeNitrogenSplitDefaults(window);
        writePotashSplitDefaults(window);
        writeRecommendationHeadings(window);
        writeCatalogueHeadings(window);
        writeWorkbenchHeadings(window);
        writeFertiliserGridHeadings(window);
        writeAppliedZeros(window);
    }

    // Types each field and leaves it, in order.
    void enter(const std::vector<std::pair<std::string_view, std::string>>& fields)
    {
        for (const auto& [field, text] : fields) {
            window.type(field, text);
            window.leave(field);
        }
    }
};

// A folder of its own under the system's temporary folder for one test case
// (CTest runs the cases in parallel), removed afterwards; it holds Laudos.
struct TemporaryFolder {
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    std::filesystem::path path;
};

// The working directory becomes `folder` for the life of the object.
struct WorkingDirectory {
    explicit WorkingDirectory(const std::filesystem::path& folder);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    std::filesystem::path previous;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// The folder of the golden files the scenarios share.
std::filesystem::path goldenFolder();

// A whole recommendation: the analysis of a producer from Ituporanga (SC),
// liming adopted by the SMP method with a lime of PRNT 75 %, both splits
// published, the general recommendations composed and the technician named.
void enterFullRecommendation(ReportsWindow& t);

// The workbench's summaries and costs as the workbench writes them, for three
// fertilisers over the four parcelas of the default transplant split.
void fillWorkbenchSummaries(WindowState& window);

} // namespace bulbicalc::test
