#pragma once

#include "core/app/platform.h"

#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace bulbicalc::ui {

// Draws a page of the core (texts, rules, pictures, positions in millimetres
// from the paper's corner) with a painter on a paged device whose origin is
// the paper's top-left corner: the preview's printer, a printer, a PDF.
// Texts are real text in the page's font; a text that does not fit its box
// is clipped at the box.
void paintPage(const PrintedPage& page, QPainter& painter);

// A4 portrait without margins, so that the device's origin is the paper's
// corner.
void setPaperLayout(QPagedPaintDevice& device);

// Writes the page as a one-page PDF file through a temporary file beside it;
// false (and no file, not even part of one) when it cannot be written.
bool writePdf(const PrintedPage& page, const QString& path);

} // namespace bulbicalc::ui
