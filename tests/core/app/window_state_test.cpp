#include "core/app/errors.h"
#include "core/app/key_rules.h"
#include "support/bare_window.h"

#include <gtest/gtest.h>

#include <fstream>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::BareWindow;

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
    BareWindow t;
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
    BareWindow t;
    addTestControl(t.window, "TestEdit", ControlKind::Edit, "TabSheet1");
    t.window.onLeave("TestEdit", [](WindowState&) {});
    EXPECT_THROW(t.window.onLeave("TestEdit", [](WindowState&) {}), std::logic_error);
}

TEST(WindowState, SelectingARadioButtonClearsItsGroupAndClicksOnce)
{
    BareWindow t;
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
    BareWindow t;
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

TEST(WindowState, EnterOnAButtonPressesIt)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestButton", ControlKind::Button, "TabSheet1");
    int clicks = 0;
    w.onClick("TestButton", [&](WindowState&) { ++clicks; });
    w.enter("TestButton");
    EXPECT_EQ(clicks, 1);
}

TEST(WindowState, PickingAnItemOrADateRunsTheChangeHandler)
{
    BareWindow t;
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

TEST(WindowState, EnterRunsItsActionsAroundTheFocusMoveOfItsRule)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestA", ControlKind::Edit, "TabSheet1");
    addTestControl(w, "TestB", ControlKind::Edit, "TabSheet1");
    w.setKeyRule("TestA", KeyRule{true, "TestB", false});
    std::vector<std::string> order;
    w.onEnterBefore("TestA", [&](WindowState& s) { order.push_back("before, focus on " + s.focused()); });
    w.onLeave("TestA", [&](WindowState&) { order.push_back("leave"); });
    w.onEnterAfter("TestA", [&](WindowState& s) { order.push_back("after, focus on " + s.focused()); });
    w.enter("TestA");
    EXPECT_EQ(order, (std::vector<std::string>{"before, focus on TestA", "leave", "after, focus on TestB"}));
    // Without a next field Enter stays where it is.
    w.enter("TestB");
    EXPECT_EQ(w.focused(), "TestB");
}

TEST(WindowState, TheDecimalRuleTurnsBothSeparatorsIntoTheComma)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestDecimal", ControlKind::Edit, "TabSheet1");
    addTestControl(w, "TestText", ControlKind::Edit, "TabSheet1");
    w.addGrid("TestGrid", Grid(4, 3, 0, 1));
    w.setKeyRule("TestDecimal", KeyRule{true, "", false});
    w.setKeyRule("TestGrid", KeyRule{true, "", false});
    EXPECT_EQ(w.keyPress("TestDecimal", U'.'), U',');
    EXPECT_EQ(w.keyPress("TestDecimal", U','), U',');
    EXPECT_EQ(w.keyPress("TestDecimal", U'a'), U'a');
    EXPECT_EQ(w.keyPress("TestText", U'.'), U'.');
    EXPECT_EQ(w.gridKey("TestGrid", 1, 1, U'.'), U',');
}

TEST(WindowState, EnterOnAFieldOfATabWithADefaultButtonPressesIt)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestField", ControlKind::Edit, "TabSheet2");
    addTestControl(w, "TestOtherTab", ControlKind::Edit, "TabSheet1");
    addTestControl(w, "TestDefault", ControlKind::Button, "TabSheet2");
    w.setDefaultButton("TabSheet2", "TestDefault");
    int clicks = 0;
    w.onClick("TestDefault", [&](WindowState&) { ++clicks; });
    w.enter("TestField");
    w.enter("TestOtherTab");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.defaultButton("TabSheet2"), "TestDefault");
    EXPECT_EQ(w.defaultButton("TabSheet1"), "");
}

TEST(WindowState, SpinButtonsStayInTheirRangeAndWriteTheirEdit)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestSpinEdit", ControlKind::Edit, "TabSheet3");
    Control& spin = addTestControl(w, "TestSpin", ControlKind::SpinButton, "TabSheet3");
    spin.buddy = "TestSpinEdit";
    spin.minimum = 1;
    spin.maximum = 100;
    w.setSpinPosition("TestSpin", 150);
    EXPECT_EQ(w.control("TestSpin").position, 100);
    EXPECT_EQ(w.text("TestSpinEdit"), "100");
    w.setSpinPosition("TestSpin", 0);
    EXPECT_EQ(w.text("TestSpinEdit"), "1");
}

TEST(WindowState, FailuresAbortTheChainButKeepWhatWasWritten)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestButton", ControlKind::Button, "TabSheet1");
    addTestControl(w, "TestNote", ControlKind::Edit, "TabSheet1");
    addTestControl(w, "TestNumber", ControlKind::Edit, "TabSheet1").text = "30";
    w.onClick("TestButton", [](WindowState& s) {
        s.setText("TestNote", "written before");
        s.number("TestNumber");
        s.setText("TestNumber", "1,0");
        s.number("TestNote");
        s.setText("TestNumber", "never");
    });
    try {
        w.click("TestButton");
        FAIL();
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'written before' is not a valid floating point value");
    }
    EXPECT_EQ(w.text("TestNote"), "written before");
    EXPECT_EQ(w.text("TestNumber"), "1,0");
}

TEST(WindowState, AnUnknownNameIsADefectNotAUserError)
{
    BareWindow t;
    WindowState& w = t.window;
    addTestControl(w, "TestButton", ControlKind::Button, "TabSheet1");
    // A handler with a typo in a control name.
    w.onClick("TestButton", [](WindowState& s) { s.setText("TestNoSuchField", "x"); });
    try {
        w.click("TestButton");
        FAIL() << "the unknown name went unnoticed";
    } catch (const Error&) {
        FAIL() << "an unknown name must not look like the user's error";
    } catch (const UnknownNameError& error) {
        EXPECT_STREQ(error.what(), "no control named TestNoSuchField");
    }
    EXPECT_THROW(w.grid("TestNoSuchGrid"), UnknownNameError);
    EXPECT_THROW(w.chart("TestNoSuchChart"), UnknownNameError);
    EXPECT_THROW(static_cast<void>(w.text("TestNoSuchField")), UnknownNameError);
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

} // namespace
} // namespace bulbicalc
