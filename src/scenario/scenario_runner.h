#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace bulbicalc {

struct ScenarioOptions {
    // The folder beside the executable (Auxiliares, Laudos, Ajuda) used when a
    // scenario names none.
    std::filesystem::path defaultDataDir;
};

// Runs one scenario file on a fresh window state. Writes every failing
// expectation as "FILE:LINE: message" to `out`; returns the number of failures.
int runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& out);

class WindowState;

// Runs the statements of a scenario file on an existing window state, as the
// screenshot tool does to bring the window into a state worth looking at.
// Set-up statements must not be used; failures are written to `out`.
int runScenarioOn(WindowState& window, const std::filesystem::path& file, std::ostream& out);

// Splits one statement into words: bare words and double-quoted texts with
// the escapes \" \\ \r \n. Throws std::invalid_argument for an unterminated
// quote or an unknown escape.
std::vector<std::string> splitStatement(const std::string& line);

// A text as a double-quoted word of a statement, with the escapes
// splitStatement reads back.
std::string inQuotes(const std::string& text);

} // namespace bulbicalc
