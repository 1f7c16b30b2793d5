#pragma once

#include "core/app/chart_data.h"
#include "core/app/controls.h"
#include "core/app/grid.h"
#include "core/app/key_rules.h"
#include "core/app/module_numbers.h"
#include "core/app/platform.h"

#include <any>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace bulbicalc {

// The whole state of the main window (every control by its control name, the
// grids, the charts and the module-level numbers) and the entry points for the
// user's actions. Each entry point runs the handler chain of that action. A
// failure is an Error exception that aborts the chain; what was written before
// stays. A name that the window does not have is an UnknownNameError.
//
// The state starts empty: the subsystems add their controls, key rules and
// handlers, and the program's composition root puts them together and runs
// the start-up routine.
class WindowState {
public:
    using Handler = std::function<void(WindowState&)>;

    WindowState(Platform& platform, std::filesystem::path dataDir);
    WindowState(const WindowState&) = delete;
    WindowState& operator=(const WindowState&) = delete;

    // ---- State ----
    Controls& controls() { return controls_; }
    const Controls& controls() const { return controls_; }
    Control& control(std::string_view name) { return controls_.at(name); }
    const Control& control(std::string_view name) const { return controls_.at(name); }

    const std::string& text(std::string_view name) const;
    // Sets a field's text (or a caption); runs the change handler when the
    // text actually changes.
    void setText(std::string_view name, std::string text);
    bool isEmpty(std::string_view name) const { return text(name).empty(); }
    // The field's text as a number; throws ConversionError.
    double number(std::string_view name) const;

    bool isChecked(std::string_view name) const;
    // Selects a radio button (unselecting the others of its group) and runs
    // its click handler when it was not selected yet, as a click does.
    void setChecked(std::string_view name);
    // Moves a spin button without running its click handler.
    void setSpinPosition(std::string_view name, int position);

    bool hasGrid(std::string_view name) const;
    Grid& grid(std::string_view name);
    const Grid& grid(std::string_view name) const;
    const std::map<std::string, Grid, std::less<>>& grids() const { return grids_; }
    Grid& addGrid(std::string name, Grid grid);

    bool hasChart(std::string_view name) const;
    ChartData& chart(std::string_view name);
    const ChartData& chart(std::string_view name) const;
    ChartData& addChart(std::string name, ChartData chart);

    ModuleNumbers& numbers() { return numbers_; }
    const ModuleNumbers& numbers() const { return numbers_; }

    // What a subsystem keeps with the window besides its controls, one value
    // of each type (made on first use), so that it lives and dies with the
    // window and every window has its own.
    template <typename T> T& subsystemData()
    {
        std::any& slot = subsystemData_[std::type_index(typeid(T))];
        if (!slot.has_value())
            slot = T{};
        return std::any_cast<T&>(slot);
    }

    Platform& platform() { return platform_; }
    // The folder of what the program reads (Auxiliares, Ajuda, Imagens), and
    // the one that holds what it writes (Laudos); the same one unless set.
    const std::filesystem::path& dataDir() const { return dataDir_; }
    const std::filesystem::path& writableDir() const
    {
        return writableDir_.empty() ? dataDir_ : writableDir_;
    }
    void setWritableDir(std::filesystem::path dir) { writableDir_ = std::move(dir); }
    // The catalogues and the spreadsheet template: Auxiliares in the data
    // folder unless another folder is set.
    std::filesystem::path auxiliaresDir() const
    {
        return auxiliaresDir_.empty() ? dataDir_ / "Auxiliares" : auxiliaresDir_;
    }
    void setAuxiliaresDir(std::filesystem::path dir) { auxiliaresDir_ = std::move(dir); }
    // The failure that ended the start-up routine early, if any.
    const std::optional<std::string>& startupError() const { return startupError_; }
    void setStartupError(std::string message) { startupError_ = std::move(message); }

    const std::string& activeTab() const { return activeTab_; }
    void setActiveTab(std::string tab) { activeTab_ = std::move(tab); }
    // The control that has the input focus; empty for none.
    const std::string& focused() const { return focused_; }

    // ---- User actions ----
    // The field's text becomes `text` (typed, without key filtering).
    void type(std::string_view field, std::string text);
    // The lines of a multi-line text become `lines` (typed by the user).
    void typeLines(std::string_view memo, std::vector<std::string> lines);
    // The focus moves to `control`; the control that had it runs its leave handler.
    void focus(std::string_view control);
    // The focus leaves `field` (to no particular control): its leave handler runs.
    void leave(std::string_view field);
    // Enter in a control: the tab's default button, a button's own click, or
    // the field's key rule with its Enter chain.
    void enter(std::string_view control);
    // One typed character through the control's key rules; Enter runs enter().
    // Returns the character that reaches the field (kKeyNone when consumed).
    char32_t keyPress(std::string_view control, char32_t key);
    void click(std::string_view control);
    void spin(std::string_view spinButton, int position);
    void editCell(std::string_view grid, int col, int row, std::string text);
    // Enter in a grid's cell editor at (col, row), the cell already holding
    // the edited text.
    void gridEnter(std::string_view grid, int col, int row);
    // A character typed into a grid's cell editor at (col, row).
    char32_t gridKey(std::string_view grid, int col, int row, char32_t key);
    void check(std::string_view list, int index, bool on);
    void select(std::string_view combo, int index);
    void pickDate(std::string_view picker, const Date& date);
    void menu(std::string_view grid, int col, int row, std::string_view command);

    // ---- Handler registration (by the subsystems) ----
    void onChange(std::string_view control, Handler handler);
    void onLeave(std::string_view control, Handler handler);
    void onClick(std::string_view control, Handler handler);
    // Extra actions of a field's Enter key, before and after the focus moves.
    void onEnterBefore(std::string_view control, Handler handler);
    void onEnterAfter(std::string_view control, Handler handler);
    // A popup command of a grid; it acts on the grid's current cell.
    void onMenu(std::string_view grid, std::string_view command, Handler handler);

    // The key rules of a field or grid editor, and the default button of a
    // tab that Enter presses from its fields.
    void setKeyRule(std::string_view control, KeyRule rule);
    const KeyRule* keyRule(std::string_view control) const;
    const std::map<std::string, KeyRule, std::less<>>& keyRules() const { return keyRules_; }
    void setDefaultButton(std::string_view tab, std::string_view button);
    // Empty for a tab without one.
    std::string defaultButton(std::string_view tab) const;

    bool hasClickHandler(std::string_view control) const;
    bool hasMenuCommand(std::string_view grid, std::string_view command) const;

private:
    using HandlerMap = std::map<std::string, Handler, std::less<>>;

    Platform& platform_;
    std::filesystem::path dataDir_;
    std::filesystem::path writableDir_;
    std::filesystem::path auxiliaresDir_;
    Controls controls_;
    std::map<std::string, Grid, std::less<>> grids_;
    std::map<std::string, ChartData, std::less<>> charts_;
    ModuleNumbers numbers_;
    std::map<std::type_index, std::any> subsystemData_;
    std::optional<std::string> startupError_;
    std::string activeTab_ = "TabSheet1";
    std::string focused_;

    std::map<std::string, KeyRule, std::less<>> keyRules_;
    std::map<std::string, std::string, std::less<>> defaultButtons_;

    HandlerMap changeHandlers_;
    HandlerMap leaveHandlers_;
    HandlerMap clickHandlers_;
    HandlerMap enterBeforeHandlers_;
    HandlerMap enterAfterHandlers_;
    HandlerMap menuHandlers_; // key: grid + '\n' + command

    static void run(const HandlerMap& handlers, std::string_view name, WindowState& state);
    static void add(HandlerMap& handlers, std::string_view name, Handler handler);
};

} // namespace bulbicalc
