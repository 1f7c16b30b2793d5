#include "core/program/program.h"

#include "core/about/about_text.h"
#include "core/about/gallery.h"
#include "core/app/errors.h"
#include "core/app/shell.h"
#include "core/calendar/calendar.h"
#include "core/doses/dose_handlers.h"
#include "core/doses/doses.h"
#include "core/doses/doses_form.h"
#include "core/liming/liming.h"
#include "core/liming/liming_form.h"
#include "core/planning/catalogue.h"
#include "core/planning/planning_form.h"
#include "core/planning/planning_handlers.h"
#include "core/planning/workbench_layout.h"
#include "core/reports/reports_form.h"
#include "core/soil/interpretation.h"
#include "core/soil/municipalities.h"
#include "core/soil/soil_form.h"

namespace bulbicalc {
namespace {

void addControls(WindowState& window)
{
    addSoilControls(window);
    addLimingControls(window);
    addDosesControls(window);
    addPlanningControls(window);
    addCalendarControls(window);
    addReportsControls(window);
    addAboutControls(window);
    addShellControls(window);
}

// Leaving EdCTC classes K; the N split lists its parcelas in the calendar and
// lays the workbench out; the system switch reaches the calendar.
void registerHandlers(WindowState& window)
{
    registerShellHandlers(window);
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
    registerPlanningHandlers(window);
    registerAboutHandlers(window);
    registerReportsHandlers(window);
}

} // namespace

void formCreate(WindowState& window)
{
    writeMehlichNote(window);
    writeCalendarHeadings(window);
    writeNitrogenSplitDefaults(window);
    writePotashSplitDefaults(window);
    writeRecommendationHeadings(window);
    writeAboutText(window);
    writeCatalogueHeadings(window);
    loadCatalogues(window);
    writeWorkbenchHeadings(window);
    writeFertiliserGridHeadings(window);
    writeAppliedZeros(window);
}

std::unique_ptr<WindowState> createWindowState(Platform& platform, std::filesystem::path dataDir)
{
    return createWindowState(platform, DataFolders{dataDir, dataDir});
}

std::unique_ptr<WindowState> createWindowState(Platform& platform, const DataFolders& folders)
{
    auto window = std::make_unique<WindowState>(platform, folders.data);
    window->setWritableDir(folders.writable);
    if (!folders.auxiliares.empty())
        window->setAuxiliaresDir(folders.auxiliares);
    addControls(*window);
    registerHandlers(*window);
    try {
        formCreate(*window);
    } catch (const Error& error) {
        window->setStartupError(error.what());
    }
    return window;
}

} // namespace bulbicalc
