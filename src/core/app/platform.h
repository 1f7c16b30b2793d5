#pragma once

#include "core/app/date.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace bulbicalc {

// A page for the desktop to show in a print preview, to print and to export
// as PDF. Positions and sizes are in millimetres from the paper's top-left
// corner, x to the right, y down.
struct PageText {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::string text; // UTF-8; CR LF, CR or LF break the lines
    double pointSize = 10;
    bool bold = false;
    bool alignRight = false; // otherwise left-aligned; always top-aligned
    // Words wrap at blanks to the box's width unless the text stays on one
    // line. Lines that do not fit the box's height are left out (the first
    // is always drawn, cut at the box), and a line wider than the box (a word
    // longer than its width) is condensed to the box's width.
    bool singleLine = false;
};

struct PageLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// A picture scaled to fit its box, its proportions kept.
struct PagePicture {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::filesystem::path file;
};

struct PrintedPage {
    double width = 210; // A4 portrait
    double height = 297;
    std::string fontFamily = "Arial";
    std::vector<PagePicture> pictures;
    std::vector<PageLine> lines;
    std::vector<PageText> texts;
    // The file name the PDF export proposes, without its extension.
    std::string documentName;
};

// What the core asks of the desktop. The window implements it with Qt; tests
// and the scenario runner replace it.
class Platform {
public:
    virtual ~Platform() = default;

    // A message that a handler shows and the user acknowledges.
    virtual void showMessage(const std::string& text) = 0;

    // Opens a document with the desktop's application for its type; a missing
    // file or no application does nothing.
    virtual void openDocument(const std::filesystem::path& path) = 0;

    // The open-file dialog, starting in `folder`; empty when the user cancels.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const std::filesystem::path& folder) = 0;

    virtual Date today() = 0;

    // Shows the page in a modal, maximised print preview, from which the user
    // prints it or exports it as a PDF file; returns when the preview closes.
    virtual void previewPage(const PrintedPage& page) = 0;
};

} // namespace bulbicalc
