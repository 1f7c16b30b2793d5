#pragma once

#include "core/app/controls.h"
#include "core/app/grid.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace bulbicalc {

class WindowState;

// Adds controls with their design-time state (captions, initial texts, sizes,
// options) to the window state, each on the tab sheet last named by tab().
// Every subsystem builds the controls it owns with it.
class FormBuilder {
public:
    explicit FormBuilder(WindowState& window) : window_(window) {}

    void tab(std::string_view name) { tab_ = std::string(name); }

    Control& add(std::string_view name, ControlKind kind, std::string text = {});
    void edits(std::initializer_list<std::string_view> names);
    void edit(std::string_view name, std::string text);
    void label(std::string_view name, std::string text);
    void button(std::string_view name, std::string caption);
    // Radio buttons of one group (within the tab) exclude each other.
    void radio(std::string_view name, std::string_view group, std::string caption, bool checked = false);
    // A spin button and the edit field it writes its position into.
    void spin(std::string_view name, std::string_view buddy, int position, int minimum, int maximum);
    void image(std::string_view name, bool visible);
    Grid& grid(std::string_view name, int cols, int rows, int fixedCols, int fixedRows,
               std::vector<int> widths);

private:
    WindowState& window_;
    std::string tab_;
};

// `count` columns of one width.
std::vector<int> repeatedWidths(int count, int width);

// The title captions of the first columns, in order.
void setColumnTitles(Grid& grid, std::initializer_list<const char*> titles);

// Texts written into consecutive cells of one row, or of one column.
void writeRow(Grid& grid, int row, std::initializer_list<const char*> texts, int firstCol = 0);
void writeColumn(Grid& grid, int col, std::initializer_list<const char*> texts, int firstRow = 1);

} // namespace bulbicalc
