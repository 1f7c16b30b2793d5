#include "core/app/errors.h"
#include "core/app/key_rules.h"
#include "core/app/window_controls.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::TestWindow;

// A control of the test's own, so the events it registers never meet the
// program's handlers.
Control& addTestControl(WindowState& w, const std::string& name, ControlKind kind, const std::string& tab)
{
    Control c;
    c.kind = kind;
    c.tab = tab;
    return w.controls().add(name, c);
}

TEST(WindowState, ChangeHandlersRunOnlyWhenTheTextChanges)
{
    TestWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestEdit", ControlKind::Edit, "TabSheet1");
    std::vector<std::string> seen;
    w.onChange("TestEdit", [&](WindowState& s) { seen.push_back(s.text("TestEdit")); });
    w.setText("TestEdit", "4,5");
    w.setText("TestEdit", "4,5");
    w.type("TestEdit", "");
    EXPECT_EQ(seen, (std::vector<std::string>{"4,5", ""}));
}

TEST(WindowState, AnEventHasOneHandler)
{
    TestWindow t;
    addTestControl(t.window, "TestEdit", ControlKind::Edit, "TabSheet1");
    t.window.onLeave("TestEdit", [](WindowState&) {});
    EXPECT_THROW(t.window.onLeave("TestEdit", [](WindowState&) {}), std::logic_error);
}

TEST(WindowState, SelectingARadioButtonClearsItsGroupAndClicksOnce)
{
    TestWindow t;
    WindowState& w = t.window;
    for (const char* name : {"TestA", "TestB"}) {
        Control& c = addTestControl(w, name, ControlKind::RadioButton, "TabSheet1");
        c.group = "test";
    }
    Control& other = addTestControl(w, "TestOtherGroup", ControlKind::RadioButton, "TabSheet1");
    other.group = "elsewhere";
    other.checked = true;
    w.control("TestA").checked = true;
    int clicks = 0;
    w.onClick("TestB", [&](WindowState&) { ++clicks; });
    w.click("TestB");
    w.click("TestB");
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(w.isChecked("TestB"));
    EXPECT_FALSE(w.isChecked("TestA"));
    EXPECT_TRUE(w.isChecked("TestOtherGroup"));
}

TEST(WindowState, MovingTheFocusLeavesTheFieldThatHadIt)
{
    TestWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestA", ControlKind::Edit, "TabSheet1");
    addTestControl(w, "TestB", ControlKind::Edit, "TabSheet1");
    std::vector<std::string> left;
    w.onLeave("TestA", [&](WindowState&) { left.push_back("TestA"); });
    w.onLeave("TestB", [&](WindowState&) { left.push_back("TestB"); });
    w.focus("TestA");
    w.focus("TestA");
    w.focus("TestB");
    EXPECT_EQ(w.focused(), "TestB");
    w.leave("TestB");
    EXPECT_EQ(w.focused(), "");
    w.focus("TestA");
    EXPECT_EQ(left, (std::vector<std::string>{"TestA", "TestB"}));
}

TEST(WindowState, EnterRunsItsActionsAroundTheFocusMove)
{
    TestWindow t;
    WindowState& w = t.window;
    // EdFe has no leave handler and no Enter action of its own.
    std::vector<std::string> order;
    w.onEnterBefore("EdFe", [&](WindowState& s) { order.push_back("before, focus on " + s.focused()); });
    w.onLeave("EdFe", [&](WindowState&) { order.push_back("leave"); });
    w.onEnterAfter("EdFe", [&](WindowState& s) { order.push_back("after, focus on " + s.focused()); });
    w.enter("EdFe");
    EXPECT_EQ(order,
              (std::vector<std::string>{"before, focus on EdFe", "leave", "after, focus on EdProducao"}));
}

TEST(WindowState, EnterFollowsTheChainOfTheFirstTab)
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

TEST(WindowState, EnterOnAFieldWithoutARuleStays)
{
    TestWindow t;
    t.window.focus("Edit21");
    t.window.enter("Edit21");
    EXPECT_EQ(t.window.focused(), "Edit21");
}

TEST(WindowState, EnterOnAButtonPressesIt)
{
    TestWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestButton", ControlKind::Button, "TabSheet1");
    int clicks = 0;
    w.onClick("TestButton", [&](WindowState&) { ++clicks; });
    w.enter("TestButton");
    EXPECT_EQ(clicks, 1);
}

TEST(WindowState, EveryEnterTargetIsAControl)
{
    TestWindow t;
    for (const auto& [name, control] : t.window.controls().all()) {
        const auto rule = keyRuleOf(name);
        if (rule && !rule->next.empty()) {
            EXPECT_TRUE(t.window.controls().contains(rule->next)) << name << " -> " << rule->next;
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
    EXPECT_EQ(defaultButtonOfTab("TabSheet2"), "BitBtn6");
    EXPECT_EQ(defaultButtonOfTab("TabSheet10"), "BitBtn97");
    EXPECT_EQ(defaultButtonOfTab("TabSheet1"), "");
}

TEST(WindowState, SpinButtonsStayInTheirRangeAndWriteTheirEdit)
{
    TestWindow t;
    WindowState& w = t.window;
    w.setSpinPosition("UpDown1", 150);
    EXPECT_EQ(w.control("UpDown1").position, 100);
    EXPECT_EQ(w.text("Edit17"), "100");
    w.setSpinPosition("UpDown3", 0);
    EXPECT_EQ(w.text("Edit27"), "1");
}

TEST(WindowState, PickingAnItemOrADateRunsTheChangeHandler)
{
    TestWindow t;
    WindowState& w = t.window;
    Control& combo = addTestControl(w, "TestCombo", ControlKind::ComboBox, "TabSheet1");
    combo.items = {"RS", "SC"};
    addTestControl(w, "TestDate", ControlKind::DatePicker, "TabSheet5").date = Date{2021, 6, 1};
    int changes = 0;
    w.onChange("TestCombo", [&](WindowState&) { ++changes; });
    w.onChange("TestDate", [&](WindowState&) { ++changes; });
    w.select("TestCombo", 1);
    EXPECT_EQ(w.text("TestCombo"), "SC");
    EXPECT_EQ(w.control("TestCombo").itemIndex, 1);
    w.pickDate("TestDate", Date{2021, 6, 1});
    w.pickDate("TestDate", Date{2021, 12, 31});
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(w.select("TestCombo", 5), std::out_of_range);
}

TEST(WindowState, FailuresAbortTheChainButKeepWhatWasWritten)
{
    TestWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestButton", ControlKind::Button, "TabSheet1");
    w.onClick("TestButton", [](WindowState& s) {
        s.setText("Edit21", "written before");
        s.number("EdProducao");
        s.setText("EdArea", "1,0");
        s.number("Edit21");
        s.setText("EdArea", "never");
    });
    try {
        w.click("TestButton");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'written before' is not a valid floating point value");
    }
    EXPECT_EQ(w.text("Edit21"), "written before");
    EXPECT_EQ(w.text("EdArea"), "1,0");
}

TEST(ModuleNumbers, AreFoundByName)
{
    ModuleNumbers n;
    n.Lm3P = 18;
    ASSERT_NE(n.byName("Lm3P"), nullptr);
    EXPECT_EQ(*n.byName("Lm3P"), 18);
    EXPECT_EQ(*n.byName("argila"), 0);
    EXPECT_EQ(n.byName("argilla"), nullptr);
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

} // namespace
} // namespace bulbicalc
