#include "core/app/errors.h"
#include "core/planning/workbench.h"
#include "planning_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::DataFolder;
using test::PlanningWindow;
using Cells = std::vector<std::string>;

const Cells kUrea = {" Ureia", "45", "0", "0", "0", "3,0000"};
const Cells kFormula = {" NPK 05-20-10", "5", "20", "10", "0", "3,1000"};
const Cells kGypsum = {" Gesso", "0", "0", "0", "15", "0,3500"};

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

TEST(Recalculation, AppliesTheQuantitiesAndShowsWhatIsMissing)
{
    PlanningWindow t;
    t.setFertilisers({kUrea, kFormula});
    t.recommend(Nutrient::N, 1, "100");
    t.recommend(Nutrient::P2O5, 1, "80");
    t.enterQuantity(1, 1, "200");
    EXPECT_EQ(t.applied(Nutrient::N, 1), "90,0");
    EXPECT_EQ(t.applied(Nutrient::P2O5, 1), "0");
    EXPECT_EQ(t.applied(Nutrient::S, 1), "0");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "10,0");
    EXPECT_EQ(t.difference(Nutrient::P2O5, 1), "80,0");
    EXPECT_EQ(t.difference(Nutrient::K2O, 1), "0,0");
    // Enter moved the cursor down; the other parcelas are untouched.
    EXPECT_EQ(t.fertilisers().currentRow(), 2);
    EXPECT_EQ(t.applied(Nutrient::N, 2), "0,0");

    // A second fertiliser oversupplies N: the difference turns negative.
    t.enterQuantity(2, 1, "300");
    EXPECT_EQ(t.applied(Nutrient::N, 1), "105,0");
    EXPECT_EQ(t.applied(Nutrient::P2O5, 1), "60,0");
    EXPECT_EQ(t.applied(Nutrient::K2O, 1), "30,0");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "-5,0");
    EXPECT_EQ(t.difference(Nutrient::P2O5, 1), "20,0");
    EXPECT_EQ(t.difference(Nutrient::K2O, 1), "-30,0");
}

TEST(Recalculation, ReadsAppliedAmountsAsShownWithOneDecimal)
{
    PlanningWindow t;
    t.setFertilisers({{" X", "4,5", "0", "0", "0", "1"}});
    t.recommend(Nutrient::N, 1, "10");
    t.enterQuantity(1, 1, "1,1"); // 0,0495 applied
    EXPECT_EQ(t.applied(Nutrient::N, 1), "0,0");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "10,0");
    t.enterQuantity(1, 1, "-1");
    EXPECT_EQ(t.applied(Nutrient::N, 1), "0,0");
}

TEST(Recalculation, AContentIsUsedAsTheCatalogueShowsIt)
{
    DataFolder data;
    data.write("AdubosMinerais.txt", "h\r\n17.25 0 0 0 100 Dezessete\r\n");
    data.write("AdubosOrganicos.txt", "h\r\n");
    PlanningWindow t(data.dir);
    loadCatalogues(t.window);
    ASSERT_EQ(t.fertilisers().cell(1, 1), "17,3");
    t.enterQuantity(1, 1, "1000");
    EXPECT_EQ(t.applied(Nutrient::N, 1), "173,0");
}

TEST(DifferenceColours, RedMissingBlueExcessNormalOtherwise)
{
    PlanningWindow t;
    Grid& falta = t.window.grid("RstgaFalta");
    const std::pair<const char*, const char*> cases[] = {
        {"10,0", "red"},    {"0,1", "red"}, {"-0,1", "blue"},    {"-45,0", "blue"}, {"0,0", "normal"},
        {"-0,0", "normal"}, {"", "normal"}, {"muito", "normal"}, {"1.5", "normal"},
    };
    const auto colour = [&](int col, int row) {
        const CellStyle style = falta.cellStyle(col, row);
        if (!style.font)
            return "normal";
        return *style.font == colours::kRed ? "red" : *style.font == colours::kBlue ? "blue" : "other";
    };
    for (const auto& [text, expected] : cases) {
        falta.setCell(2, 3, text);
        EXPECT_STREQ(colour(2, 3), expected) << text;
    }
    // The labels and headings are not coloured by value.
    falta.setCell(0, 1, "5");
    EXPECT_STREQ(colour(0, 1), "normal");
    falta.setCell(1, 0, "5");
    EXPECT_STREQ(colour(1, 0), "normal");
}

TEST(Summaries, TwoParcelasOfOneFertiliserOnTwoHectares)
{
    PlanningWindow t;
    WindowState& w = t.window;
    w.type("EdArea", "2");
    t.setFertilisers({kGypsum, kUrea});
    t.enterQuantity(2, 1, "100");
    t.enterQuantity(2, 2, "100");
    const Grid& perParcela = w.grid("RstgaResumoParcela");
    ASSERT_EQ(perParcela.rowCount(), 3);
    EXPECT_EQ(t.row("RstgaResumoParcela", 0, 4), (Cells{"Parcela", "Adubo", "kg/ha", "Total (kg)"}));
    EXPECT_EQ(t.row("RstgaResumoParcela", 1, 4), (Cells{"1", " Ureia", "100,0", "200,0"}));
    EXPECT_EQ(t.row("RstgaResumoParcela", 2, 4), (Cells{"2", " Ureia", "100,0", "200,0"}));
    // The fixed heading row stays while the summary has rows: its titles show.
    EXPECT_EQ(perParcela.shownText(3, 0), "total (Kg)");
    const Grid& total = w.grid("rstgaResumoTotal");
    ASSERT_EQ(total.rowCount(), 2);
    EXPECT_EQ(t.row("rstgaResumoTotal", 0, 6),
              (Cells{"Item", "Adubo", "kg/ha", "R$/ha", "Total (kg)", "Total (R$)"}));
    EXPECT_EQ(t.row("rstgaResumoTotal", 1, 6), (Cells{"1", " Ureia", "200,0", "600,00", "400,0", "1200,00"}));
    EXPECT_EQ(total.shownText(3, 0), "RS/ha");
    EXPECT_EQ(w.text("Edit44"), "600,00");
    EXPECT_EQ(w.text("Edit45"), "1200,00");
}

TEST(Summaries, OrderedByParcelaThenRowAndCostsAddTheShownCents)
{
    PlanningWindow t;
    WindowState& w = t.window;
    w.type("EdArea", "1,5");
    t.setFertilisers({kUrea, {" Caro", "0", "0", "0", "0", "0,3333"}, kFormula});
    t.enterQuantity(3, 2, "10");
    t.enterQuantity(2, 1, "1");
    t.enterQuantity(1, 2, "5");
    t.enterQuantity(2, 2, "1");
    EXPECT_EQ(t.row("RstgaResumoParcela", 1, 2), (Cells{"1", " Caro"}));
    EXPECT_EQ(t.row("RstgaResumoParcela", 2, 2), (Cells{"2", " Ureia"}));
    EXPECT_EQ(t.row("RstgaResumoParcela", 3, 2), (Cells{"2", " Caro"}));
    EXPECT_EQ(t.row("RstgaResumoParcela", 4, 4), (Cells{"2", " NPK 05-20-10", "10,0", "15,0"}));
    EXPECT_EQ(t.row("rstgaResumoTotal", 1, 6), (Cells{"1", " Ureia", "5,0", "15,00", "7,5", "22,50"}));
    // 2 × 0,3333 is 0,67 per hectare and 1,00 on 1,5 ha.
    EXPECT_EQ(t.row("rstgaResumoTotal", 2, 6), (Cells{"2", " Caro", "2,0", "0,67", "3,0", "1,00"}));
    EXPECT_EQ(t.row("rstgaResumoTotal", 3, 6),
              (Cells{"3", " NPK 05-20-10", "10,0", "31,00", "15,0", "46,50"}));
    EXPECT_EQ(w.text("Edit44"), "46,67");
    EXPECT_EQ(w.text("Edit45"), "70,00");
}

TEST(Summaries, AFertiliserThatAddsUpToNothingIsLeftOutOfTheTotal)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({kUrea});
    t.enterQuantity(1, 1, "100");
    ASSERT_EQ(w.text("Edit44"), "300,00");
    t.enterQuantity(1, 1, "50");
    t.enterQuantity(1, 3, "-50");
    const Grid& perParcela = w.grid("RstgaResumoParcela");
    ASSERT_EQ(perParcela.rowCount(), 2);
    EXPECT_EQ(t.row("RstgaResumoParcela", 1, 4), (Cells{"1", " Ureia", "50,0", "50,0"}));
    // The total summary is its heading row alone: no fixed row any more, so
    // its row-0 texts show.
    const Grid& total = w.grid("rstgaResumoTotal");
    EXPECT_EQ(total.rowCount(), 1);
    EXPECT_EQ(total.fixedRows(), 0);
    EXPECT_EQ(total.shownText(3, 0), "R$/ha");
    EXPECT_EQ(w.text("Edit44"), "");
    EXPECT_EQ(w.text("Edit45"), "");
    // It does not come back when the summary has rows again.
    t.enterQuantity(1, 3, "");
    EXPECT_EQ(total.rowCount(), 2);
    EXPECT_EQ(total.fixedRows(), 0);
}

TEST(Recalculation, WithoutFertilisersOnlyTheSummariesAreRebuilt)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({});
    w.editCell("rStgaMeusAdubos", 6, 0, "Par 1");
    w.gridEnter("rStgaMeusAdubos", 6, 0);
    EXPECT_EQ(t.applied(Nutrient::N, 1), "0,0");
    EXPECT_EQ(w.grid("RstgaResumoParcela").rowCount(), 1);
    EXPECT_EQ(w.grid("rstgaResumoTotal").rowCount(), 1);
}

TEST(Recalculation, EnterInAContentOrPriceColumnOnlyStoresTheCell)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({kUrea});
    t.fertilisers().setCell(6, 1, "100");
    for (int col = 1; col <= 5; ++col) {
        w.editCell("rStgaMeusAdubos", col, 1, "50");
        w.gridEnter("rStgaMeusAdubos", col, 1);
        EXPECT_EQ(t.fertilisers().cell(col, 1), "50");
    }
    EXPECT_EQ(t.applied(Nutrient::N, 1), "0,0");
    EXPECT_EQ(w.grid("rstgaAplica").cell(0, 1), "N");
    EXPECT_EQ(w.grid("RstgaResumoParcela").rowCount(), 5);
    // The next Enter in the parcela uses the edited contents.
    w.gridEnter("rStgaMeusAdubos", 6, 1);
    EXPECT_EQ(t.applied(Nutrient::N, 1), "50,0");
    EXPECT_EQ(t.applied(Nutrient::S, 1), "50,0");
}

struct BadInput {
    const char* label;
    int row; // the row the bad text goes into
    int col; // its column
    const char* text;
    const char* message;
    const char* appliedN; // applied N of parcela 1 afterwards
};

TEST(Recalculation, BadInputStopsItRowsWorkedKeepTheirValuesSummariesStay)
{
    const BadInput cases[] = {
        {"a quantity that is no number", 2, 6, "muito", "'muito' is not a valid floating point value",
         "45,0"},
        {"a question mark and a blank", 2, 6, "? ", "'? ' is not a valid floating point value", "45,0"},
        {"a decimal point", 2, 6, "1.5", "'1.5' is not a valid floating point value", "45,0"},
        {"a content of a row with a quantity", 2, 3, "dez", "'dez' is not a valid floating point value",
         "45,0"},
        {"an empty content of a row with a quantity", 2, 1, "", "'' is not a valid floating point value",
         "45,0"},
        {"a code left in another parcela", 3, 7, "?1", "'?1' is not a valid floating point value", "70,0"},
        {"a price of a row with a quantity", 2, 5, "caro", "'caro' is not a valid floating point value",
         "70,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PlanningWindow t;
        WindowState& w = t.window;
        t.setFertilisers({kUrea, kFormula, kGypsum});
        t.enterQuantity(1, 1, "100");
        t.enterQuantity(2, 1, "500");
        ASSERT_EQ(w.grid("RstgaResumoParcela").rowCount(), 3);
        const Cells totalBefore = t.row("rstgaResumoTotal", 2, 6);
        t.fertilisers().setCell(c.col, c.row, c.text);
        EXPECT_EQ(errorOf([&] { w.gridEnter("rStgaMeusAdubos", 6, 1); }), c.message);
        EXPECT_EQ(t.applied(Nutrient::N, 1), c.appliedN);
        EXPECT_EQ(w.grid("RstgaResumoParcela").rowCount(), 3);
        EXPECT_EQ(t.row("rstgaResumoTotal", 2, 6), totalBefore);
        EXPECT_EQ(w.text("Edit44"), "1850,00");
    }
}

TEST(Recalculation, AnEmptyOrUnparsableAreaStopsTheSummariesOnly)
{
    for (const char* area : {"", "2.5", "dois"}) {
        SCOPED_TRACE(area);
        PlanningWindow t;
        WindowState& w = t.window;
        t.setFertilisers({kUrea});
        t.enterQuantity(1, 1, "100");
        w.type("EdArea", area);
        EXPECT_EQ(errorOf([&] { t.enterQuantity(1, 1, "200"); }),
                  "'" + std::string(area) + "' is not a valid floating point value");
        EXPECT_EQ(t.applied(Nutrient::N, 1), "90,0");
        EXPECT_EQ(t.row("RstgaResumoParcela", 1, 4), (Cells{"1", " Ureia", "100,0", "100,0"}));
        EXPECT_EQ(w.text("Edit44"), "300,00");
    }
}

TEST(Recalculation, ARecommendationThatIsNoNumberStopsIt)
{
    PlanningWindow t;
    t.setFertilisers({kUrea});
    t.recommend(Nutrient::P2O5, 1, "oitenta");
    EXPECT_EQ(errorOf([&] { t.enterQuantity(1, 1, "100"); }),
              "'oitenta' is not a valid floating point value");
    EXPECT_EQ(t.applied(Nutrient::S, 1), "0");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "-45,0");
    EXPECT_EQ(t.difference(Nutrient::P2O5, 1), "oitenta");
}

TEST(ClearButtons, EmptyOneParcelaOrAllAndRecalculate)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({kUrea, kFormula});
    t.recommend(Nutrient::N, 2, "60");
    for (int p = 1; p <= 5; ++p) {
        t.enterQuantity(1, p, "100");
        t.enterQuantity(2, p, "100");
    }
    ASSERT_EQ(t.difference(Nutrient::N, 2), "10,0");
    w.spin("UpDown4", 2);
    w.click("BitBtn97");
    EXPECT_EQ(t.quantity(1, 2), "");
    EXPECT_EQ(t.quantity(2, 2), "");
    EXPECT_EQ(t.quantity(1, 1), "100");
    EXPECT_EQ(t.applied(Nutrient::N, 2), "0");
    EXPECT_EQ(t.difference(Nutrient::N, 2), "60,0");
    EXPECT_EQ(w.grid("RstgaResumoParcela").rowCount(), 9);

    // Enter in a field of the tab presses it too.
    w.type("Edit31", "1");
    w.enter("Edit44");
    EXPECT_EQ(t.quantity(1, 1), "");
    EXPECT_EQ(w.grid("RstgaResumoParcela").rowCount(), 7);

    w.click("BitBtn111");
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(t.quantity(1, p), "") << p;
        EXPECT_EQ(t.quantity(2, p), "") << p;
    }
    EXPECT_EQ(t.applied(Nutrient::N, 3), "0");
    EXPECT_EQ(w.grid("RstgaResumoParcela").rowCount(), 1);
    EXPECT_EQ(w.text("Edit45"), "");
}

TEST(ClearButtons, AParcelaBeyondTheLastOnlyRebuildsTheSummaries)
{
    for (const char* parcela : {"6", "100", "0"}) {
        SCOPED_TRACE(parcela);
        PlanningWindow t;
        WindowState& w = t.window;
        t.setFertilisers({kUrea});
        t.enterQuantity(1, 1, "100");
        t.fertilisers().setCell(6, 1, "200"); // not recalculated yet
        w.type("Edit31", parcela);
        w.click("BitBtn97");
        EXPECT_EQ(t.quantity(1, 1), "200");
        EXPECT_EQ(t.fertilisers().cell(5, 1), "3,0000");
        EXPECT_EQ(t.applied(Nutrient::N, 1), "45,0");
        EXPECT_EQ(t.row("RstgaResumoParcela", 1, 3), (Cells{"1", " Ureia", "200,0"}));
    }
}

TEST(PriceDisplay, HidesAndShowsThePricesWithoutRecalculating)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({kUrea});
    t.enterQuantity(1, 1, "100");
    t.fertilisers().setCell(6, 1, "300"); // typed, no Enter
    w.click("RadioButton24");
    EXPECT_EQ(t.fertilisers().column(5).width, 1);
    EXPECT_EQ(w.grid("rstgaResumoTotal").column(3).width, 1);
    EXPECT_EQ(w.grid("rstgaResumoTotal").column(5).width, 1);
    EXPECT_EQ(w.grid("rstgaResumoTotal").column(4).width, 90);
    for (const char* name : {"Edit44", "Edit45", "LabelCustoHa", "LabelCustoArea"})
        EXPECT_FALSE(w.control(name).visible) << name;
    EXPECT_EQ(w.text("Edit44"), "300,00");
    EXPECT_EQ(w.grid("rstgaResumoTotal").cell(3, 1), "300,00");

    w.click("RadioButton23");
    EXPECT_TRUE(w.isChecked("RadioButton23"));
    EXPECT_EQ(t.fertilisers().column(5).width, 50);
    EXPECT_EQ(w.grid("rstgaResumoTotal").column(3).width, 90);
    EXPECT_EQ(w.grid("rstgaResumoTotal").column(5).width, 90);
    for (const char* name : {"Edit44", "Edit45", "LabelCustoHa", "LabelCustoArea"})
        EXPECT_TRUE(w.control(name).visible) << name;
    EXPECT_EQ(w.text("Edit44"), "300,00");
    EXPECT_EQ(t.applied(Nutrient::N, 1), "45,0");
    EXPECT_EQ(w.text("LabelCustoArea"), "Custo na área total (R$)");
}

TEST(Hints, NameEachColumnOfTheWorkbenchGrids)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({kUrea});
    const auto noWidth = [](const std::string&) { return 0; };
    struct Case {
        const char* grid;
        int col;
        const char* hint;
    };
    const Case cases[] = {
        {"rStgaMeusAdubos", 0, "adubo selecionado"},
        {"rStgaMeusAdubos", 1, "Percentual de N (%)"},
        {"rStgaMeusAdubos", 2, "Percentual de P205 (%)"},
        {"rStgaMeusAdubos", 3, "Percentual de K20 (%)"},
        {"rStgaMeusAdubos", 4, "Percentual de S (%)"},
        {"rStgaMeusAdubos", 5, "Custo do adubo R$/kg)"},
        {"rStgaMeusAdubos", 6, "Quantidade aplicada na parcela 1"},
        {"rStgaMeusAdubos", 10, "Quantidade aplicada na parcela 5"},
        {"rstgaRecomenda", 0, "Nutriente"},
        {"rstgaRecomenda", 3, "Dose recomendada na parcela 3"},
        {"rstgaAplica", 0, "Nutriente"},
        {"rstgaAplica", 4, "Dose aplicada na parcela 4"},
        {"RstgaFalta", 0, "Nutriente"},
        {"RstgaFalta", 1, "Dose faltante (cor vermelha) ou em excesso(cor azul) 1"},
        {"RstgaResumoParcela", 0, "Parcela"},
        {"RstgaResumoParcela", 1, "Adubo recomendado"},
        {"RstgaResumoParcela", 2, "Quantidade por ha (kg)"},
        {"RstgaResumoParcela", 3, "Quantidade na área total (kg)"},
        {"rstgaResumoTotal", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(w.grid(c.grid).hint(c.col, 1, noWidth), c.hint) << c.grid << " " << c.col;
}

} // namespace
} // namespace bulbicalc
