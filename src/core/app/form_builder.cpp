#include "core/app/form_builder.h"

#include "core/app/window_state.h"

namespace bulbicalc {

Control& FormBuilder::add(std::string_view name, ControlKind kind, std::string text)
{
    Control c;
    c.kind = kind;
    c.tab = tab_;
    c.text = std::move(text);
    return window_.controls().add(std::string(name), std::move(c));
}

void FormBuilder::edits(std::initializer_list<std::string_view> names)
{
    for (std::string_view name : names)
        add(name, ControlKind::Edit);
}

void FormBuilder::edit(std::string_view name, std::string text)
{
    add(name, ControlKind::Edit, std::move(text));
}

void FormBuilder::label(std::string_view name, std::string text)
{
    add(name, ControlKind::Label, std::move(text));
}

void FormBuilder::button(std::string_view name, std::string caption)
{
    add(name, ControlKind::Button, std::move(caption));
}

void FormBuilder::radio(std::string_view name, std::string_view group, std::string caption, bool checked)
{
    Control& c = add(name, ControlKind::RadioButton, std::move(caption));
    c.group = tab_ + "/" + std::string(group);
    c.checked = checked;
}

void FormBuilder::spin(std::string_view name, std::string_view buddy, int position, int minimum, int maximum)
{
    edit(buddy, std::to_string(position));
    Control& c = add(name, ControlKind::SpinButton);
    c.buddy = std::string(buddy);
    c.position = position;
    c.minimum = minimum;
    c.maximum = maximum;
}

void FormBuilder::image(std::string_view name, bool visible)
{
    add(name, ControlKind::Image).visible = visible;
}

Grid& FormBuilder::grid(std::string_view name, int cols, int rows, int fixedCols, int fixedRows,
                        std::vector<int> widths)
{
    Grid g(cols, rows, fixedCols, fixedRows);
    for (int col = 0; col < cols && col < static_cast<int>(widths.size()); ++col)
        g.column(col).width = widths[static_cast<std::size_t>(col)];
    return window_.addGrid(std::string(name), std::move(g));
}

std::vector<int> repeatedWidths(int count, int width)
{
    return std::vector<int>(static_cast<std::size_t>(count), width);
}

void setColumnTitles(Grid& grid, std::initializer_list<const char*> titles)
{
    int col = 0;
    for (const char* title : titles)
        grid.column(col++).titleCaption = title;
}

void writeRow(Grid& grid, int row, std::initializer_list<const char*> texts, int firstCol)
{
    int col = firstCol;
    for (const char* text : texts)
        grid.setCell(col++, row, text);
}

void writeColumn(Grid& grid, int col, std::initializer_list<const char*> texts, int firstRow)
{
    int row = firstRow;
    for (const char* text : texts)
        grid.setCell(col, row++, text);
}

} // namespace bulbicalc
