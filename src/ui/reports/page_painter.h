#pragma once

#include "core/app/platform.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <map>
#include <tuple>

class QPainter;
class QPagedPaintDevice;

namespace bulbicalc::ui {

// The pictures of pages, decoded from their files and brought to the
// resolution they print at (600 dots per inch of their box: sharp on any
// printer, and a PDF a tenth of the size of one holding the file's own
// resolution). Pages drawn one after another share them.
class PagePictures {
public:
    // The picture of `file` for a box of width × height mm; null when the
    // file cannot be read.
    const QImage& forBox(const std::filesystem::path& file, double widthMm, double heightMm);

private:
    std::map<std::tuple<std::filesystem::path, double, double>, QImage> pictures_;
};

// Draws a page of the core (texts, rules, pictures, positions in millimetres
// from the paper's corner) with a painter on a paged device whose origin is
// the paper's top-left corner: the preview's printer, a printer, a PDF.
// Texts are real text in the page's font; a text that does not fit its box
// is clipped at the box.
void paintPage(const PrintedPage& page, QPainter& painter, PagePictures& pictures);
void paintPage(const PrintedPage& page, QPainter& painter);

// A4 portrait without margins, so that the device's origin is the paper's
// corner.
void setPaperLayout(QPagedPaintDevice& device);

// Writes the page as a one-page PDF file through a temporary file beside it;
// false (and no file, not even part of one) when it cannot be written.
bool writePdf(const PrintedPage& page, const QString& path, PagePictures& pictures);
bool writePdf(const PrintedPage& page, const QString& path);

} // namespace bulbicalc::ui
