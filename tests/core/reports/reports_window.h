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
#include "support/file_bytes.h"

#include <filesystem>
#include <sstream>
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

// The folder of the golden files the scenarios share.
std::filesystem::path goldenFolder();

// A whole recommendation: the analysis of a producer from Ituporanga (SC),
// liming adopted by the SMP method with a lime of PRNT 75 %, both splits
// published, the general recommendations composed and the technician named.
// Inline, like the window above, so that the fuzz targets use it without
// GoogleTest.
inline void enterFullRecommendation(ReportsWindow& t)
{
    WindowState& w = t.window;
    w.type("EdNomeProdutor", "João da Silva");
    w.type("mkEdCPF", "123.456.789-09");
    w.type("EdLocal", "Linha Bela Vista");
    w.select("CbUF", 1);
    w.type("CBMuni", "Ituporanga");
    w.type("EdMatricula", "4512");
    t.enter({
        {"EdDenomina", "Lavoura 2"},
        {"EdLaudo", "2024/0815"},
        {"EdArgila", "35"},
        {"EdPH", "5,4"},
        {"EdSMP", "5,6"},
        {"EdP", "8,5"},
        {"EdK", "96"},
        {"EdMO", "3,2"},
        {"EdAL", "0,4"},
        {"EdCa", "4,1"},
        {"EdMg", "1,6"},
        {"EdHAl", "5,5"},
        {"EdCTC", "11,45"},
        {"EdSatBases", "52"},
        {"EdS", "6,5"},
        {"EdMn", "12"},
        {"EdZn", "1,2"},
        {"EdB", "0,3"},
        {"EdCu", "0,8"},
        {"EdFe", "45"},
        {"EdProducao", "40"},
        {"EdArea", "2,5"},
    });
    // Liming by the SMP method, a lime of PRNT 75 %.
    w.click("BitBtn5");
    w.type("Edit11", "75");
    w.click("BitBtn9");
    w.click("BitBtn29");
    w.click("BitBtn10");
    w.click("BitBtn12");
    w.type("Edit21", "Eng. Agr. Maria Souza CREA-SC 12345");
}

// Everything a failed open must leave alone: the texts and choices of every
// control, the cells every grid shows, the chart points and the numbers.
inline std::string windowSnapshot(const WindowState& w)
{
    std::ostringstream out;
    for (const auto& [name, c] : w.controls().all()) {
        out << name << '=' << c.text << '|' << c.checked << '|' << c.itemIndex << '|' << c.position << '|'
            << c.visible << '|';
        for (const auto& item : c.items)
            out << item << ';';
        out << '\n';
    }
    for (const auto& [name, g] : w.grids()) {
        out << name << ' ' << g.colCount() << 'x' << g.rowCount() << ' ' << g.fixedRows() << '\n';
        for (int row = 0; row < g.rowCount(); ++row)
            for (int col = 0; col < g.colCount(); ++col)
                out << g.shownText(col, row) << (col + 1 < g.colCount() ? '\t' : '\n');
    }
    for (const char* chart : {"Chart1", "Chart2", "Chart3"})
        for (const auto& series : w.chart(chart).series)
            out << chart << ' ' << series.points.size() << '\n';
    for (const char* number : {"argila", "CTC", "MO", "K", "P", "S", "Producao", "Lm3P", "Lm3K"})
        out << number << '=' << *w.numbers().byName(number) << '\n';
    out << "focus=" << w.focused() << '\n';
    return out.str();
}

// The workbench's summaries and costs as the workbench writes them, for three
// fertilisers over the four parcelas of the default transplant split.
void fillWorkbenchSummaries(WindowState& window);

} // namespace bulbicalc::test
