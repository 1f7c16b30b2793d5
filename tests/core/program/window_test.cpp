// The window state as the composition root assembles it: the key rules and
// default buttons the subsystems give it, the shell's help button, and the
// triggers that cross from one subsystem to another.
#include "core/app/errors.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::TestWindow;

TEST(ProgramWindow, EnterFollowsTheChainOfTheFirstTab)
{
    TestWindow t;
    WindowState& w = t.window;
    w.focus("EdNomeProdutor");
    std::vector<std::string> visited{w.focused()};
    for (int i = 0; i < 8; ++i) {
        w.enter(w.focused());
        visited.push_back(w.focused());
    }
    EXPECT_EQ(visited,
              (std::vector<std::string>{"EdNomeProdutor", "mkEdCPF", "EdLocal", "CBMuni", "EdMatricula",
                                        "EdDenomina", "EdLaudo", "EdArgila", "EdPH"}));
    w.focus("EdArea");
    w.enter("EdArea");
    EXPECT_EQ(w.focused(), "EdDenomina");
    w.focus("EdKm3");
    w.enter("EdKm3");
    EXPECT_EQ(w.focused(), "EdMO");
}

TEST(ProgramWindow, EnterOnAFieldWithoutARuleStays)
{
    TestWindow t;
    t.window.focus("Edit21");
    t.window.enter("Edit21");
    EXPECT_EQ(t.window.focused(), "Edit21");
}

TEST(ProgramWindow, EveryEnterTargetIsAControl)
{
    TestWindow t;
    for (const auto& [name, rule] : t.window.keyRules()) {
        EXPECT_TRUE(t.window.controls().contains(name) || t.window.hasGrid(name)) << name;
        if (!rule.next.empty()) {
            EXPECT_TRUE(t.window.controls().contains(rule.next)) << name << " -> " << rule.next;
        }
    }
}

TEST(KeyRules, DecimalFieldsTakeBothSeparatorsAsTheComma)
{
    TestWindow t;
    WindowState& w = t.window;
    EXPECT_EQ(w.keyPress("EdSMP", U'.'), U',');
    EXPECT_EQ(w.keyPress("EdSMP", U','), U',');
    // Rule D filters nothing else.
    EXPECT_EQ(w.keyPress("EdSMP", U'a'), U'a');
    EXPECT_EQ(w.keyPress("EdSMP", U'-'), U'-');
    // Text fields and fields without rules take "." as typed.
    EXPECT_EQ(w.keyPress("EdLocal", U'.'), U'.');
    EXPECT_EQ(w.keyPress("Edit11", U'.'), U'.');
    // The split grids' editors follow rule D too.
    EXPECT_EQ(w.gridKey("rstga1", 2, 1, U'.'), U',');
    EXPECT_EQ(w.gridKey("rstga3", 2, 1, U'.'), U'.');
}

TEST(KeyRules, TwoTabsHaveADefaultButton)
{
    TestWindow t;
    EXPECT_EQ(t.window.defaultButton("TabSheet2"), "BitBtn6");
    EXPECT_EQ(t.window.defaultButton("TabSheet10"), "BitBtn97");
    EXPECT_EQ(t.window.defaultButton("TabSheet1"), "");
}

TEST(ProgramWindow, SpinButtonsStayInTheirRangeAndWriteTheirEdit)
{
    TestWindow t;
    WindowState& w = t.window;
    w.setSpinPosition("UpDown1", 150);
    EXPECT_EQ(w.control("UpDown1").position, 100);
    EXPECT_EQ(w.text("Edit17"), "100");
    w.setSpinPosition("UpDown3", 0);
    EXPECT_EQ(w.text("Edit27"), "1");
}

TEST(HelpButton, OpensTheDocumentOfTheActiveTabWhenItExists)
{
    const auto dir = std::filesystem::temp_directory_path() / "bulbicalc-help-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Ajuda");
    TestWindow t(dir);
    t.window.setActiveTab("TabSheet6");
    t.window.click("BitBtn3");
    EXPECT_TRUE(t.platform.openedDocuments.empty());
    {
        std::ofstream(dir / "Ajuda" / "ajuda_Relatorios.pdf") << "%PDF-1.4\n";
    }
    t.window.click("BitBtn3");
    ASSERT_EQ(t.platform.openedDocuments.size(), 1u);
    EXPECT_EQ(t.platform.openedDocuments.front(), dir / "Ajuda" / "ajuda_Relatorios.pdf");
    std::filesystem::remove_all(dir);
}

TEST(Triggers, LeavingTheCtcClassesPotassiumBetweenItsSaturationAndTheCtcClass)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("EdK", "50");
    w.type("EdCTC", "10");
    w.type("EdAL", "0,5");
    w.leave("EdCTC");
    EXPECT_EQ(w.text("Edit42"), "1,3");
    EXPECT_EQ(w.text("EdClasseK"), "Baixo");
    EXPECT_EQ(w.text("Edit19"), "150");
    EXPECT_EQ(w.text("EdClasseCTC"), "Média");
    EXPECT_EQ(w.text("Edit43"), "5,0");

    // A K class that fails stops the handler there: no CTC class, no Al share.
    TestWindow u;
    WindowState& v = u.window;
    v.type("EdK", "50");
    v.type("EdCTC", "10");
    v.type("EdAL", "0,5");
    v.type("EdProducao", "");
    EXPECT_THROW(v.leave("EdCTC"), ConversionError);
    EXPECT_EQ(v.text("EdClasseK"), "Baixo");
    EXPECT_EQ(v.text("EdClasseCTC"), "");
    EXPECT_EQ(v.text("Edit43"), "");
}

TEST(Triggers, TheSystemSwitchShowsThePictureOfTheSystem)
{
    TestWindow t;
    WindowState& w = t.window;
    EXPECT_TRUE(w.control("Image1").visible);
    EXPECT_FALSE(w.control("Image2").visible);
    for (const char* system : {"RadioButton11", "RadioButton20"}) {
        w.click(system);
        EXPECT_FALSE(w.control("Image1").visible) << system;
        EXPECT_TRUE(w.control("Image2").visible) << system;
        EXPECT_EQ(w.text("RadioButton18"), "Dias após semeadura (DASD)") << system;
    }
    w.click("RadioButton10");
    EXPECT_TRUE(w.control("Image1").visible);
    EXPECT_FALSE(w.control("Image2").visible);
    EXPECT_EQ(w.grid("stga1").cell(1, 0), "Epoca (DAP)");
}

TEST(Triggers, TheSystemSwitchStoppedByTheNDoseLeavesTheCalendarAlone)
{
    TestWindow t;
    WindowState& w = t.window;
    w.type("EdMO", "3.0");
    EXPECT_THROW(w.click("RadioButton11"), ConversionError);
    EXPECT_EQ(w.grid("rstga1").cell(1, 5), "135");
    EXPECT_EQ(w.text("RadioButton18"), "Dias após plantio");
    EXPECT_TRUE(w.control("Image1").visible);
}

TEST(Triggers, TheNSplitListsTheCalendarAndLaysTheWorkbenchOutBeforeItsNRow)
{
    TestWindow t;
    WindowState& w = t.window;
    w.click("BitBtn29");
    EXPECT_EQ(w.grid("stga1").rowCount(), 5);
    EXPECT_EQ(w.grid("stga1").cell(1, 4), "85");
    EXPECT_EQ(w.grid("stga1").cell(2, 1), "01/06/2021");
    EXPECT_EQ(w.grid("rstgaAplica").colCount(), 5);
    EXPECT_EQ(w.grid("rStgaMeusAdubos").colCount(), 10);
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(2, 1), "30");

    // A timing that is no whole number stops it in the calendar: the view by
    // parcela is written, the workbench layout and the N row are not.
    TestWindow u;
    WindowState& v = u.window;
    v.spin("UpDown1", 5);
    v.editCell("rstga1", 1, 5, "noventa");
    v.editCell("rstga1", 2, 1, "15");
    EXPECT_THROW(v.click("BitBtn29"), IntegerConversionError);
    u.platform.messages.clear();
    EXPECT_EQ(v.grid("rstga3").rowCount(), 6);
    EXPECT_EQ(v.grid("rstgaAplica").colCount(), 5);
    EXPECT_EQ(v.grid("rstgaRecomenda").cell(1, 1), "");
}

TEST(ProgramWindow, TheAnalysisFileIsKeptInTheWritableFolder)
{
    // An installed program reads its data where it cannot write.
    const auto root = std::filesystem::temp_directory_path() / "bulbicalc-writable-folder-test";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "user" / "Laudos");
    test::TestPlatform platform;
    auto window = createWindowState(platform, DataFolders{BULBICALC_TEST_DATA_DIR, root / "user"});
    ASSERT_FALSE(window->startupError());
    window->type("EdNomeProdutor", "Maria");
    window->click("BitBtn13");
    EXPECT_TRUE(std::filesystem::is_regular_file(root / "user" / "Laudos" / "Laudo.txt"));
    EXPECT_FALSE(
        std::filesystem::exists(std::filesystem::path(BULBICALC_TEST_DATA_DIR) / "Laudos" / "Laudo.txt"));
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(platform.openedDocuments.front(), root / "user" / "Laudos" / "Laudo.txt");
    // Opening starts where saving writes.
    platform.fileToOpen.reset();
    window->click("BitBtn42");
    EXPECT_EQ(platform.openedFrom, root / "user" / "Laudos");
    std::filesystem::remove_all(root);
}

TEST(ProgramWindow, AHandlerNamingAnUnknownControlIsADefect)
{
    TestWindow t;
    WindowState& w = t.window;
    Control button;
    button.kind = ControlKind::Button;
    w.controls().add("TestButton", button);
    w.onClick("TestButton", [](WindowState& s) { s.setText("Edit999", "x"); });
    EXPECT_THROW(w.click("TestButton"), UnknownNameError);
}

} // namespace
} // namespace bulbicalc
