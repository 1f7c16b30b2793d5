#include "core/app/errors.h"
#include "core/planning/catalogue.h"
#include "core/planning/optimisation.h"
#include "planning_window.h"

#include <gtest/gtest.h>

#include <string>

namespace bulbicalc {
namespace {

using test::DataFolder;
using test::PlanningWindow;

// A catalogue of one mineral and one organic fertiliser, both ticked.
struct TwoFertilisers {
    TwoFertilisers()
    {
        folder.write("AdubosMinerais.txt", "N P K S saco\r\n45 0 0 0 150 Ureia\r\n");
        folder.write("AdubosOrganicos.txt", "N P K tonelada\r\n3 2 2 250 Cama de aviario\r\n");
    }
    DataFolder folder;
};

TEST(Optimisation, OrganicFertilisersComeInTenthsOfATonneMineralsInBags)
{
    TwoFertilisers data;
    PlanningWindow t(data.folder.dir);
    WindowState& w = t.window;
    loadCatalogues(w);
    ASSERT_EQ(t.fertilisers().cell(0, 2), " Cama de aviario");
    w.type("EdArea", "1,5");
    // 30 kg/ha of P2O5 only the litter has: 1500 kg/ha on 1,5 ha is 2250 kg,
    // 22,5 tenths of a tonne, so 23: 1533,3 kg/ha, written 1533,4 so that
    // nothing is short.
    t.recommend(Nutrient::P2O5, 1, "30");
    w.click("CkSacosInteiros");
    w.click("BtOtimizarParcela");
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.quantity(2, 1), "1533,4");
    EXPECT_EQ(t.quantity(1, 1), "");
    // N as well: the litter's 46 kg/ha of N leave little for urea; 3 bags on
    // 1,5 ha are 100 kg/ha.
    t.recommend(Nutrient::N, 1, "90");
    w.click("BtOtimizarParcela");
    EXPECT_EQ(t.quantity(1, 1), "100,0");
    EXPECT_EQ(t.quantity(2, 1), "1533,4");
    EXPECT_EQ(t.difference(Nutrient::N, 1), "-1,0");
}

TEST(Optimisation, WholeBagsNeedAnAreaAboveZero)
{
    TwoFertilisers data;
    PlanningWindow t(data.folder.dir);
    WindowState& w = t.window;
    loadCatalogues(w);
    t.recommend(Nutrient::N, 1, "90");
    w.click("CkSacosInteiros");
    w.type("EdArea", "0");
    w.click("BtOtimizarParcela");
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages.front(),
              "A área deve ser maior que zero para arredondar em sacos inteiros");
    EXPECT_EQ(t.quantity(1, 1), "");
    w.type("EdArea", "");
    EXPECT_THROW(w.click("BtOtimizarParcela"), ConversionError);
}

TEST(Optimisation, WithoutPricesTheLeastProductIsTakenAndExplainedPlainly)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({{"Sulfato", "20", "0", "0", "24", "0"}, {"Ureia", "45", "0", "0", "0", "0"}});
    t.recommend(Nutrient::N, 1, "45");
    w.click("BtOtimizarTodas");
    EXPECT_EQ(t.quantity(1, 1), "");
    EXPECT_EQ(t.quantity(2, 1), "100,0");
    EXPECT_EQ(w.grid("rStgaMeusAdubos").hint(6, 2, [](const std::string&) { return 0; }),
              "Ureia: parte da mistura de menor custo que atende a recomendação da parcela");
    EXPECT_EQ(w.text("LabelOtimizacao"), "Parcela 1: R$ 0,00 por ha");
}

TEST(Optimisation, ANegativePriceIsAMessageAndChangesNothing)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({{"Ureia", "45", "0", "0", "0", "-3"}});
    t.recommend(Nutrient::N, 1, "45");
    t.enterQuantity(1, 1, "10");
    w.click("BtOtimizarParcela");
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(
        t.platform.messages.front(),
        "O adubo Ureia tem teor ou preço negativo: a formulação de menor custo não foi calculada para a "
        "parcela 1");
    EXPECT_EQ(t.quantity(1, 1), "10");
}

TEST(Optimisation, ClearingTheQuantitiesClearsTheLineOfTheLastOptimisation)
{
    for (const char* clear : {"BitBtn97", "BitBtn111"}) {
        PlanningWindow t;
        WindowState& w = t.window;
        t.setFertilisers({{" Ureia", "45", "0", "0", "0", "3,2"}});
        t.recommend(Nutrient::N, 1, "45");
        w.click("BtOtimizarParcela");
        ASSERT_EQ(w.text("LabelOtimizacao"), "Parcela 1: R$ 320,00 por ha; o custo é definido por N")
            << clear;
        w.click(clear);
        EXPECT_EQ(t.quantity(1, 1), "") << clear;
        EXPECT_EQ(w.text("LabelOtimizacao"), "") << clear;
    }
}

TEST(Optimisation, AParcelaThatDoesNotExistIsLeftAlone)
{
    PlanningWindow t;
    WindowState& w = t.window;
    t.setFertilisers({{"Ureia", "45", "0", "0", "0", "3"}});
    t.recommend(Nutrient::N, 1, "45");
    w.type("Edit31", "9");
    w.click("BtOtimizarParcela");
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_EQ(t.quantity(1, 1), "");
    EXPECT_EQ(w.text("LabelOtimizacao"), "");
}

} // namespace
} // namespace bulbicalc
