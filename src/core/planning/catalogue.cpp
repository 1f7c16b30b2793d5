#include "core/planning/catalogue.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/text_encoding.h"
#include "core/app/window_state.h"
#include "core/planning/planning_controls.h"
#include "core/planning/selection.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace bulbicalc {
namespace {

using namespace planning;

constexpr int kTicked = 8; // fertilisers ticked at start
constexpr double kBagKilograms = 50;
constexpr double kTonneKilograms = 1000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number of the catalogue files: optional sign, digits with at most one
// decimal point, optional exponent; no locale, no thousands separator.
std::optional<double> fileNumber(std::string_view token)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < token.size() && isDigit(token[i]))
            ++i;
        return i - start;
    };
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    std::size_t count = digits();
    if (i < token.size() && token[i] == '.') {
        ++i;
        count += digits();
    }
    if (count == 0)
        return std::nullopt;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != token.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(token.data() + mantissa, token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        return std::nullopt;
    return token[0] == '-' ? -value : value;
}

// Reads one entry from a line that is not blank; nullopt when a number is
// missing or does not read.
std::optional<Adubo> readEntry(std::string_view line, CatalogueKind kind)
{
    const int count = kind == CatalogueKind::Mineral ? 5 : 4;
    double numbers[5] = {};
    std::size_t i = 0;
    for (int k = 0; k < count; ++k) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        const auto number = fileNumber(line.substr(start, i - start));
        if (!number)
            return std::nullopt;
        numbers[k] = *number;
    }
    Adubo a;
    a.name = std::string(line.substr(i));
    a.n = numbers[0];
    a.p2o5 = numbers[1];
    a.k2o = numbers[2];
    if (kind == CatalogueKind::Mineral) {
        a.s = numbers[3];
        a.pricePerKg = numbers[4] / kBagKilograms;
    } else {
        a.pricePerKg = numbers[3] / kTonneKilograms;
    }
    return a;
}

bool isValidUtf8WithNonAscii(std::string_view bytes)
{
    bool nonAscii = false;
    for (unsigned char c : bytes)
        nonAscii = nonAscii || c >= 0x80;
    if (!nonAscii)
        return false;
    for (char32_t c : utf8ToCodePoints(bytes))
        if (c == 0xFFFD)
            return false;
    return true;
}

std::string readFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        throw FileError(kFileNotFound);
    std::ifstream in(path, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(path, error))
        throw FileError(kFileAccessDenied);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeEntry(Grid& catalogue, int row, const Adubo& a)
{
    catalogue.setCell(0, row, a.name);
    catalogue.setCell(1, row, contentText(a.n));
    catalogue.setCell(2, row, contentText(a.p2o5));
    catalogue.setCell(3, row, contentText(a.k2o));
    catalogue.setCell(4, row, contentText(a.s));
    catalogue.setCell(5, row, formatNumber(a.pricePerKg, "0.0000"));
}

} // namespace

CatalogueRead readCatalogue(std::string_view bytes, CatalogueKind kind)
{
    CatalogueRead read;
    if (bytes.find('\0') != std::string_view::npos) {
        read.error = kInvalidNumericInput;
        return read;
    }
    const std::string text = isValidUtf8WithNonAscii(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
    std::string_view rest(text);
    bool heading = true;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (heading) {
            heading = false;
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        auto entry = readEntry(line, kind);
        if (!entry) {
            read.error = kInvalidNumericInput;
            return read;
        }
        read.entries.push_back(std::move(*entry));
    }
    return read;
}

std::string contentText(double percent)
{
    return percent - std::trunc(percent) == 0 ? formatNumber(percent, "0.") : formatNumber(percent, "0.0");
}

void loadCatalogues(WindowState& window)
{
    Grid& catalogue = window.grid(StgaAdubos);
    std::vector<bool>& organic = window.subsystemData<CatalogueOrigins>().organic;
    organic.clear();
    int rows = 0;
    const auto folder = window.auxiliaresDir();
    for (const auto& [file, kind] : {std::pair{"AdubosMinerais.txt", CatalogueKind::Mineral},
                                     std::pair{"AdubosOrganicos.txt", CatalogueKind::Organic}}) {
        const CatalogueRead read = readCatalogue(readFile(folder / file), kind);
        for (const Adubo& a : read.entries) {
            ++rows;
            catalogue.setRowCount(rows + 1);
            writeEntry(catalogue, rows, a);
            organic.push_back(kind == CatalogueKind::Organic);
        }
        if (!read.error.empty())
            throw FileError(read.error);
    }

    Control& list = window.control(rCheckListBox1);
    list.items.clear();
    list.itemChecked.clear();
    for (int row = 1; row <= rows; ++row) {
        list.items.push_back(catalogue.cell(0, row));
        list.itemChecked.push_back(row <= kTicked);
    }
    TransfereAdubo(window, std::nullopt);
}

} // namespace bulbicalc
