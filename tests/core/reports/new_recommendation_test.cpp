// Opening an analysis starts a new recommendation: nothing of the previous
// analysis's recommendation reaches the reports of the new one.
#include "core/reports/text_report.h"
#include "reports_window.h"

#include <gtest/gtest.h>

namespace bulbicalc {
namespace {

using test::ReportsWindow;

class NewRecommendation : public testing::Test {
protected:
    test::TemporaryFolder folder;
    ReportsWindow t{folder.path};

    void SetUp() override
    {
        test::enterFullRecommendation(t);
        WindowState& w = t.window;
        // Six parcelas, then back to four: parcelas 5 and 6 stay stored.
        w.spin("UpDown1", 6);
        for (int row : {5, 6})
            w.editCell("rstga1", 1, row, std::to_string(100 + 10 * row));
        w.click("BitBtn29");
        w.spin("UpDown1", 4);
        w.click("BitBtn29");
        // The workbench as a recalculation leaves it, prices hidden.
        Grid& fertilisers = w.grid("rStgaMeusAdubos");
        fertilisers.setRowCount(3);
        for (int row = 1; row <= 2; ++row) {
            fertilisers.setCell(0, row, row == 1 ? "Ureia" : "Cloreto de potássio");
            for (int col = 6; col <= 11; ++col)
                fertilisers.setCell(col, row, "50");
        }
        w.grid("rstgaAplica").setCell(1, 1, "22,5");
        w.grid("RstgaFalta").setCell(1, 1, "-1,5");
        test::fillWorkbenchSummaries(w);
        w.click("RadioButton24");
        w.grid("rstgaResumoTotal").column(3).width = 1;
        w.grid("rstgaResumoTotal").column(5).width = 1;
        w.grid("RstgaFalta").onGetCellParams = [](int, int, CellStyle& style) { style.font = colours::kRed; };
        w.pickDate("DateTimePicker2", Date{2024, 4, 10});
    }

    // Saves the analysis of another window and opens it in `t`.
    void openAnother(const std::function<void(WindowState&)>& analysis)
    {
        ReportsWindow other(folder.path);
        analysis(other.window);
        other.window.click("BitBtn13");
        t.platform.fileToOpen = folder.path / "Laudos" / "Laudo.txt";
        t.window.click("BitBtn42");
    }
};

TEST_F(NewRecommendation, LeavesNoTableSummaryOrTextOfThePreviousAnalysis)
{
    openAnother([](WindowState& w) {
        w.type("EdNomeProdutor", "Maria");
        w.type("EdMO", "4,0");
        w.type("EdArgila", "50");
        w.type("EdP", "20");
    });
    WindowState& w = t.window;
    // The splits keep their plans but no kilograms, also in rows hidden now.
    w.spin("UpDown1", 6);
    const Grid& n = w.grid("rstga1");
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(n.cell(3, row), "") << row;
    EXPECT_EQ(n.cell(1, 2), "35");
    EXPECT_EQ(n.cell(2, 3), "35");
    EXPECT_EQ(w.grid("rstga2").cell(3, 1), "");
    EXPECT_EQ(w.grid("rstga2").cell(2, 1), "50");

    // The table by parcela holds only the P2O5 dose of the new analysis; the
    // new file has no S, so the old S dose is gone with the old analysis.
    const Grid& table = w.grid("rstga3");
    EXPECT_EQ(table.rowCount(), 5);
    for (int row = 1; row <= 6; ++row)
        for (int col : {0, 1, 2, 4})
            EXPECT_EQ(table.cell(col, row), "") << col << ' ' << row;
    EXPECT_EQ(table.cell(3, 1), w.text("Edit18"));
    EXPECT_EQ(w.text("Edit18"), "120");
    EXPECT_EQ(table.cell(5, 1), "");
    EXPECT_EQ(w.text("Edit22"), "80");

    for (const char* name : {"rstgaRecomenda", "RstgaFalta"}) {
        const Grid& g = w.grid(name);
        EXPECT_EQ(g.colCount(), 5) << name;
        EXPECT_EQ(g.shownText(4, 0), "Par. 4") << name;
        EXPECT_EQ(g.cell(0, 3), "K2O") << name;
        EXPECT_EQ(g.cell(1, 1), "") << name;
        EXPECT_EQ(g.cell(1, 3), "") << name;
        EXPECT_EQ(g.cell(1, 2), "120") << name;
        EXPECT_EQ(g.cell(1, 4), "") << name;
        EXPECT_EQ(g.column(2).width, 48) << name;
    }
    EXPECT_EQ(w.grid("rstgaAplica").cell(1, 1), "0,0");
    // The event handlers hooked to the grids stay.
    EXPECT_EQ(w.grid("RstgaFalta").cellStyle(1, 1).font, colours::kRed);

    const Grid& fertilisers = w.grid("rStgaMeusAdubos");
    EXPECT_EQ(fertilisers.colCount(), 11);
    EXPECT_EQ(fertilisers.cell(0, 2), "Cloreto de potássio");
    for (int col = 6; col <= 11; ++col)
        EXPECT_EQ(fertilisers.cell(col, 1), "") << col;

    for (const char* name : {"RstgaResumoParcela", "rstgaResumoTotal"}) {
        const Grid& g = w.grid(name);
        EXPECT_EQ(g.rowCount(), 5) << name;
        EXPECT_EQ(g.fixedRows(), 1) << name;
        for (int row = 0; row <= 8; ++row)
            EXPECT_EQ(g.cell(1, row), "") << name << ' ' << row;
    }
    EXPECT_EQ(w.grid("rstgaResumoTotal").column(3).width, 1);
    EXPECT_EQ(w.grid("rstgaResumoTotal").shownText(1, 0), "Adubo");
    EXPECT_EQ(w.text("Edit44"), "");
    EXPECT_EQ(w.text("Edit45"), "");
    EXPECT_EQ(w.control("Memo3").items, std::vector<std::string>{"Recomendações"});

    // The calendar lists no parcela; its headings follow the system.
    const Grid& calendar = w.grid("stga1");
    EXPECT_EQ(calendar.rowCount(), 5);
    EXPECT_EQ(calendar.cell(2, 1), "");
    EXPECT_EQ(calendar.cell(1, 0), "Época (DAT)");
    for (const auto& series : w.chart("Chart1").series)
        EXPECT_TRUE(series.points.empty());

    // Kept: the technician, the price display, the planting date.
    EXPECT_EQ(w.text("Edit21"), "Eng. Agr. Maria Souza CREA-SC 12345");
    EXPECT_TRUE(w.isChecked("RadioButton24"));
    EXPECT_EQ(w.control("DateTimePicker2").date, (Date{2024, 4, 10}));

    const std::string report = textReport(w);
    for (const char* stale : {"Ureia", "Plantio", "Superfosfato", "Sobre a calagem", "7345,10"})
        EXPECT_EQ(report.find(stale), std::string::npos) << stale;
}

TEST_F(NewRecommendation, TheSameAnalysisAgainGivesTheSameP2O5InParcela1)
{
    // The same P dose again: it is published again into the emptied table.
    openAnother([](WindowState& w) {
        w.type("EdArgila", "35");
        w.type("EdP", "8,5");
        w.type("EdProducao", "40");
    });
    EXPECT_EQ(t.window.text("Edit18"), "230");
    EXPECT_EQ(t.window.grid("rstga3").cell(3, 1), "230");
    EXPECT_EQ(t.window.grid("rstgaRecomenda").cell(1, 2), "230");
    EXPECT_EQ(t.window.grid("RstgaFalta").cell(1, 2), "230");
}

TEST_F(NewRecommendation, LeavesNoInterpretationLimingOrAdviceOfThePreviousAnalysis)
{
    // The previous analysis was whole and its liming adopted; the new one
    // has only a clay content and an organic matter.
    WindowState& w = t.window;
    w.click("BitBtn5");
    w.type("Edit11", "80");
    w.click("BitBtn9");
    ASSERT_NE(w.text("Edit26"), "");
    ASSERT_NE(w.text("BTRZn"), "");
    openAnother([](WindowState& other) {
        other.type("EdArgila", "30");
        other.type("EdMO", "2,0");
    });
    for (const char* field :
         {"EdClasseP", "EdClasseK", "EdClasseCTC", "Edit1", "Edit2", "Edit10", "Edit12", "Edit26", "Edit13",
          "Edit14", "Edit42", "Edit47", "Edit15", "BtObsP", "BtObsK", "BTRZn", "BTRB", "BTRMn", "EdArgila2"})
        EXPECT_EQ(w.text(field), field == std::string("EdArgila2") ? "30,00" : "") << field;
    // What the new file gives is computed again.
    EXPECT_EQ(w.text("EdClasseArgila"), "Classe 3");
    EXPECT_EQ(w.text("Edit3"), "2,00");
    EXPECT_EQ(w.text("Edit16"), "120,0");
    // The dose fields the new file says nothing about show their start-up texts.
    EXPECT_EQ(w.text("Edit19"), "60");
    EXPECT_EQ(w.text("Edit22"), "80");
    // Cached numbers of the old analysis are gone: K was never given.
    EXPECT_EQ(w.numbers().K, 0);
    EXPECT_EQ(w.numbers().argila, 30);
    for (const auto& slice : w.chart("Chart3").series.front().points)
        EXPECT_EQ(slice.y, 0) << slice.label;
    // The user's choices stay.
    EXPECT_EQ(w.text("Edit11"), "80");
    const std::string report = textReport(w);
    EXPECT_EQ(report.find("Calc\xedtico"), std::string::npos);
}

TEST_F(NewRecommendation, ThePublishedSplitsReachTheNewTableAgain)
{
    openAnother([](WindowState& w) {
        w.type("EdMO", "3,2");
        w.type("EdProducao", "40");
    });
    t.window.click("BitBtn29");
    EXPECT_EQ(t.window.grid("rstga3").cell(2, 3), "49");
    EXPECT_EQ(t.window.grid("rstgaRecomenda").cell(3, 1), "49");
    EXPECT_EQ(t.window.grid("stga1").cell(1, 4), "85");
}

} // namespace
} // namespace bulbicalc
