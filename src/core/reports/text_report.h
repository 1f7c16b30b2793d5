#pragma once

#include <string>

namespace bulbicalc {

class WindowState;

// The text report "RelBulbicalc.txt": the whole recommendation as plain,
// column-aligned text, every value the text a field or grid cell shows.
inline constexpr const char* kTextReportName = "RelBulbicalc.txt";

// The report's bytes: Windows-1252 ("?" for what it lacks), CR LF after every
// line.
std::string textReport(const WindowState& window);

// "Relatório *.&txt": writes the report into the working directory, through
// a temporary file, and shows it with the desktop's viewer. A report that
// cannot be written shows the error and starts no viewer.
void BitBtn80Click(WindowState& window);

} // namespace bulbicalc
