#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bulbicalc {

class WindowState;

// One fertiliser: its name, its N, P2O5, K2O and S contents in percent of the
// product's mass and its price in R$ per kg of product.
struct Adubo {
    std::string name;
    double n = 0;
    double p2o5 = 0;
    double k2o = 0;
    double s = 0;
    double pricePerKg = 0;
};

// The two catalogue files. Mineral lines hold N, P2O5, K2O, S and the price of
// a 50 kg bag; organic lines N, P2O5, K2O and the price of a tonne (no S).
enum class CatalogueKind { Mineral, Organic };

// The failures of reading a catalogue, with the messages the user sees.
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kFileAccessDenied = "File access denied";
inline constexpr const char* kInvalidNumericInput = "Invalid numeric input";

// What a catalogue file holds: its entries up to the first line that could
// not be read, and the failure's message (empty when the whole file was read).
struct CatalogueRead {
    std::vector<Adubo> entries;
    std::string error;
};

// Reads the bytes of one catalogue file. Line 1 is a heading and is ignored;
// lines end with CR LF or LF; lines holding only blanks are skipped. Each
// further line holds its numbers (decimal point, optional sign and exponent,
// separated by blanks or tabs) and then the name: the rest of the line, with
// the blanks before it. A line with a number that does not read, or with fewer
// numbers than its kind has, is "Invalid numeric input", and so is a file with
// a NUL byte (no text file has one). The bytes are Windows-1252; a file that
// is valid UTF-8 with characters beyond ASCII is read as UTF-8, since editors
// on Linux save it so.
CatalogueRead readCatalogue(std::string_view bytes, CatalogueKind kind);

// A content as the catalogue shows it: a whole number without decimals,
// anything else with one decimal.
std::string contentText(double percent);

// Which rows of the catalogue grid came from the organic file, by row from 1
// (organic[row - 1]); the others are mineral. Kept with the window by
// loadCatalogues.
struct CatalogueOrigins {
    std::vector<bool> organic;
};

// Start-up: reads AdubosMinerais.txt and then AdubosOrganicos.txt from the
// folder Auxiliares into the catalogue grid StgaAdubos, lists the names in
// rCheckListBox1 with the first eight ticked (all of them when there are eight
// or fewer) and transfers the ticked ones to the workbench. A file that is
// missing or does not read throws FileError once the entries read before the
// failure are in the grid; the list and the transfer are then not done.
void loadCatalogues(WindowState& window);

} // namespace bulbicalc
