#include "core/app/window_state.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"

#include <algorithm>
#include <stdexcept>

namespace bulbicalc {

WindowState::WindowState(Platform& platform, std::filesystem::path dataDir)
    : platform_(platform), dataDir_(std::move(dataDir))
{
}

const std::string& WindowState::text(std::string_view name) const
{
    return controls_.at(name).text;
}

void WindowState::setText(std::string_view name, std::string text)
{
    Control& c = controls_.at(name);
    if (c.text == text)
        return;
    c.text = std::move(text);
    run(changeHandlers_, name, *this);
}

double WindowState::number(std::string_view name) const
{
    return parseNumber(text(name));
}

bool WindowState::isChecked(std::string_view name) const
{
    return controls_.at(name).checked;
}

void WindowState::setChecked(std::string_view name)
{
    Control& c = controls_.at(name);
    if (c.checked)
        return;
    for (auto& [otherName, other] : controls_.all())
        if (other.kind == ControlKind::RadioButton && other.group == c.group)
            other.checked = false;
    c.checked = true;
    run(clickHandlers_, name, *this);
}

void WindowState::setSpinPosition(std::string_view name, int position)
{
    Control& c = controls_.at(name);
    c.position = std::clamp(position, c.minimum, c.maximum);
    if (!c.buddy.empty())
        controls_.at(c.buddy).text = integerText(c.position);
}

bool WindowState::hasGrid(std::string_view name) const
{
    return grids_.find(name) != grids_.end();
}

Grid& WindowState::grid(std::string_view name)
{
    const auto it = grids_.find(name);
    if (it == grids_.end())
        throw UnknownNameError("no grid named " + std::string(name));
    return it->second;
}

const Grid& WindowState::grid(std::string_view name) const
{
    return const_cast<WindowState*>(this)->grid(name);
}

Grid& WindowState::addGrid(std::string name, Grid grid)
{
    return grids_.insert_or_assign(std::move(name), std::move(grid)).first->second;
}

bool WindowState::hasChart(std::string_view name) const
{
    return charts_.find(name) != charts_.end();
}

ChartData& WindowState::chart(std::string_view name)
{
    const auto it = charts_.find(name);
    if (it == charts_.end())
        throw UnknownNameError("no chart named " + std::string(name));
    return it->second;
}

const ChartData& WindowState::chart(std::string_view name) const
{
    return const_cast<WindowState*>(this)->chart(name);
}

ChartData& WindowState::addChart(std::string name, ChartData chart)
{
    return charts_.insert_or_assign(std::move(name), std::move(chart)).first->second;
}

// ---- User actions ----

void WindowState::type(std::string_view field, std::string text)
{
    setText(field, std::move(text));
}

void WindowState::typeLines(std::string_view memo, std::vector<std::string> lines)
{
    Control& c = controls_.at(memo);
    if (c.items == lines)
        return;
    c.items = std::move(lines);
    run(changeHandlers_, memo, *this);
}

void WindowState::focus(std::string_view control)
{
    if (focused_ == control)
        return;
    const std::string previous = focused_;
    focused_ = std::string(control);
    if (!previous.empty())
        run(leaveHandlers_, previous, *this);
}

void WindowState::leave(std::string_view field)
{
    if (focused_ == field)
        focused_.clear();
    run(leaveHandlers_, field, *this);
}

void WindowState::enter(std::string_view control)
{
    const std::string name(control);
    focus(name);
    const Control* c = controls_.contains(name) ? &controls_.at(name) : nullptr;
    const bool isButton = c != nullptr && c->kind == ControlKind::Button;
    const std::string tab = c != nullptr ? c->tab : std::string();
    const std::string button = defaultButton(tab);
    if (isButton) {
        click(name);
        return;
    }
    if (!button.empty()) {
        click(button);
        return;
    }
    const KeyRule* rule = keyRule(name);
    if (!rule || rule->next.empty())
        return;
    run(enterBeforeHandlers_, name, *this);
    focus(rule->next);
    run(enterAfterHandlers_, name, *this);
}

char32_t WindowState::keyPress(std::string_view control, char32_t key)
{
    if (key == kKeyEnter) {
        enter(control);
        return kKeyNone;
    }
    const KeyRule* rule = keyRule(control);
    if (rule && rule->decimal)
        return applyDecimalRule(key);
    return key;
}

void WindowState::click(std::string_view control)
{
    if (controls_.contains(control) && controls_.at(control).kind == ControlKind::RadioButton) {
        setChecked(control);
        return;
    }
    if (controls_.contains(control) && controls_.at(control).kind == ControlKind::CheckBox) {
        Control& box = controls_.at(control);
        box.checked = !box.checked;
    }
    run(clickHandlers_, control, *this);
}

void WindowState::spin(std::string_view spinButton, int position)
{
    setSpinPosition(spinButton, position);
    run(clickHandlers_, spinButton, *this);
}

void WindowState::editCell(std::string_view gridName, int col, int row, std::string text)
{
    Grid& g = grid(gridName);
    g.setCurrent(col, row);
    g.setCell(col, row, std::move(text));
}

void WindowState::gridEnter(std::string_view gridName, int col, int row)
{
    Grid& g = grid(gridName);
    g.setCurrent(col, row);
    g.editorKey(kKeyEnter);
}

char32_t WindowState::gridKey(std::string_view gridName, int col, int row, char32_t key)
{
    Grid& g = grid(gridName);
    g.setCurrent(col, row);
    const KeyRule* rule = keyRule(gridName);
    if (rule && rule->decimal)
        key = applyDecimalRule(key);
    return g.editorKey(key);
}

void WindowState::check(std::string_view list, int index, bool on)
{
    Control& c = controls_.at(list);
    if (index < 0 || index >= static_cast<int>(c.items.size()))
        throw std::out_of_range("no item " + std::to_string(index) + " in " + std::string(list));
    c.itemChecked.resize(c.items.size(), false);
    c.itemChecked[static_cast<std::size_t>(index)] = on;
    c.itemIndex = index;
    run(clickHandlers_, list, *this);
}

void WindowState::select(std::string_view combo, int index)
{
    Control& c = controls_.at(combo);
    if (index < 0 || index >= static_cast<int>(c.items.size()))
        throw std::out_of_range("no item " + std::to_string(index) + " in " + std::string(combo));
    c.itemIndex = index;
    c.text = c.items[static_cast<std::size_t>(index)];
    run(changeHandlers_, combo, *this);
}

void WindowState::pickDate(std::string_view picker, const Date& date)
{
    Control& c = controls_.at(picker);
    if (c.date == date)
        return;
    c.date = date;
    run(changeHandlers_, picker, *this);
}

void WindowState::menu(std::string_view gridName, int col, int row, std::string_view command)
{
    grid(gridName).setCurrent(col, row);
    run(menuHandlers_, std::string(gridName) + '\n' + std::string(command), *this);
}

// ---- Registration ----

void WindowState::add(HandlerMap& handlers, std::string_view name, Handler handler)
{
    const auto [it, inserted] = handlers.emplace(std::string(name), std::move(handler));
    if (!inserted)
        throw std::logic_error("two handlers for one event of " + std::string(name));
}

void WindowState::run(const HandlerMap& handlers, std::string_view name, WindowState& state)
{
    const auto it = handlers.find(name);
    if (it != handlers.end())
        it->second(state);
}

void WindowState::onChange(std::string_view control, Handler handler)
{
    add(changeHandlers_, control, std::move(handler));
}
void WindowState::onLeave(std::string_view control, Handler handler)
{
    add(leaveHandlers_, control, std::move(handler));
}
void WindowState::onClick(std::string_view control, Handler handler)
{
    add(clickHandlers_, control, std::move(handler));
}
void WindowState::onEnterBefore(std::string_view control, Handler handler)
{
    add(enterBeforeHandlers_, control, std::move(handler));
}
void WindowState::onEnterAfter(std::string_view control, Handler handler)
{
    add(enterAfterHandlers_, control, std::move(handler));
}

void WindowState::onMenu(std::string_view gridName, std::string_view command, Handler handler)
{
    add(menuHandlers_, std::string(gridName) + '\n' + std::string(command), std::move(handler));
}

void WindowState::setKeyRule(std::string_view control, KeyRule rule)
{
    keyRules_.insert_or_assign(std::string(control), std::move(rule));
}

const KeyRule* WindowState::keyRule(std::string_view control) const
{
    const auto it = keyRules_.find(control);
    return it == keyRules_.end() ? nullptr : &it->second;
}

void WindowState::setDefaultButton(std::string_view tab, std::string_view button)
{
    defaultButtons_.insert_or_assign(std::string(tab), std::string(button));
}

std::string WindowState::defaultButton(std::string_view tab) const
{
    const auto it = defaultButtons_.find(tab);
    return it == defaultButtons_.end() ? std::string() : it->second;
}

bool WindowState::hasClickHandler(std::string_view control) const
{
    return clickHandlers_.find(control) != clickHandlers_.end();
}

bool WindowState::hasMenuCommand(std::string_view gridName, std::string_view command) const
{
    return menuHandlers_.find(std::string(gridName) + '\n' + std::string(command)) != menuHandlers_.end();
}

} // namespace bulbicalc
