// The recommendations text of the reports tab.
#include "core/app/text_encoding.h"
#include "reports_window.h"

#include <gtest/gtest.h>

namespace bulbicalc {
namespace {

using test::ReportsWindow;

const std::vector<std::string> kBarePrefixes = {
    "Sobre a calagem: Aplicar calcário a lanço e incorporar na camada de 0 a 20 cm. ",
    "Sobre a adubação de Fósforo : ",
    "Sobre a adubação de Potássio: ",
    "Sobre a adubação de Zinco:  : ",
    "Sobre a adubação de Boro    : ",
    "Sobre a adubação de Manganes: ",
};

TEST(RecommendationsText, RightAfterStartUpTheSixPrefixesAreBare)
{
    ReportsWindow t;
    EXPECT_EQ(t.window.control("Memo3").items, std::vector<std::string>{"Recomendações"});
    t.window.click("BitBtn12");
    std::vector<std::string> expected{"Recomendações"};
    expected.insert(expected.end(), kBarePrefixes.begin(), kBarePrefixes.end());
    EXPECT_EQ(t.window.control("Memo3").items, expected);
}

TEST(RecommendationsText, AppendsTheAdviceAsItStandsBelowWhatIsThere)
{
    ReportsWindow t;
    WindowState& w = t.window;
    w.typeLines("Memo3", {"Recomendações", "Escrito pelo técnico"});
    w.setText("Edit15", "Use calcário Dolomítico");
    w.setText("BtObsP", "P");
    w.setText("BtObsK", "K");
    w.setText("BTRZn", "Zn");
    w.setText("BTRB", "Aplicar anualmente de 1,5 a 2,0 kg/ha de B. \rPode se aplicado a lanço");
    w.setText("BTRMn", "Mn");
    w.click("BitBtn12");
    w.click("BitBtn12");
    const auto& lines = w.control("Memo3").items;
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[1], "Escrito pelo técnico");
    EXPECT_EQ(lines[2], kBarePrefixes[0] + "Use calcário Dolomítico");
    EXPECT_EQ(lines[3], kBarePrefixes[1] + "P");
    EXPECT_EQ(lines[6],
              kBarePrefixes[4] + "Aplicar anualmente de 1,5 a 2,0 kg/ha de B. \rPode se aplicado a lanço");
    EXPECT_EQ(lines[7], kBarePrefixes[5] + "Mn");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.end()),
              std::vector<std::string>(lines.begin() + 2, lines.begin() + 8));
    // The prefixes from the second on are 30 characters long.
    for (std::size_t i = 1; i < kBarePrefixes.size(); ++i)
        EXPECT_EQ(utf8ToCodePoints(kBarePrefixes[i]).size(), 30u) << kBarePrefixes[i];
}

TEST(RecommendationsText, ClearingLeavesNoLineAtAll)
{
    ReportsWindow t;
    t.window.click("BitBtn12");
    t.window.click("BitBtn11");
    EXPECT_TRUE(t.window.control("Memo3").items.empty());
    EXPECT_EQ(t.window.text("Edit21"), "");
}

} // namespace
} // namespace bulbicalc
