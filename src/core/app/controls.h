#pragma once

#include "core/app/colour.h"
#include "core/app/date.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace bulbicalc {

enum class ControlKind {
    Edit,     // one-line edit field
    MaskEdit, // edit field with an input mask (the CPF)
    Label,    // a caption the program rewrites
    Button,   // push button (also the word-wrapped advice buttons)
    RadioButton,
    CheckBox, // a check box: a click toggles it
    ComboBox,
    SpinButton,   // up-down control bound to an edit field
    Memo,         // multi-line text, held as lines
    CheckListBox, // items with check boxes
    DatePicker,
    Image,    // picture frame; only its visibility is state
    RichEdit, // formatted text, held as lines
};

// The look of one line of a rich-text control.
struct LineFormat {
    Colour colour = colours::kBlack;
    bool bold = false;
    bool underline = false;
};

// The state of one control of the window, addressed by its control name.
// Only the members of its kind are used.
struct Control {
    ControlKind kind = ControlKind::Edit;
    std::string tab;                     // the tab sheet it sits on ("Panel1" for the bottom bar)
    std::string text;                    // field text, caption or combo text
    bool checked = false;                // radio button, check box
    std::string group;                   // radio buttons of one group exclude each other
    std::vector<std::string> items;      // combo items, memo and rich-text lines, check list items
    std::vector<LineFormat> lineFormats; // rich text: one per line
    std::vector<bool> itemChecked;       // check list
    int itemIndex = -1;                  // combo box, check list: the current item
    int position = 0;                    // spin button
    int minimum = 0;
    int maximum = 100;
    std::string buddy; // the edit field a spin button writes
    Date date;         // date picker
    bool visible = true;
};

// Every control of the window, by name.
class Controls {
public:
    Control& add(std::string name, Control control);
    bool contains(std::string_view name) const;
    Control& at(std::string_view name);
    const Control& at(std::string_view name) const;
    std::map<std::string, Control, std::less<>>& all() { return controls_; }
    const std::map<std::string, Control, std::less<>>& all() const { return controls_; }

private:
    std::map<std::string, Control, std::less<>> controls_;
};

} // namespace bulbicalc
