#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace bulbicalc {

class WindowState;

// The saved soil analysis "Laudo.txt": eleven lines, each a key of 10
// characters followed by its value; Windows-1252, CR LF, numbers with a
// decimal point.
inline constexpr int kAnalysisValueCount = 18;

// One analysis as the file holds it. Texts are UTF-8; an analysis value that
// is not given is empty.
struct AnalysisRecord {
    std::string producer;
    std::string cpf;
    std::string locality;
    std::string municipality;
    int state = -1; // item index of CbUF: 0 RS, 1 SC, 2 PR, 3 outro, -1 none
    std::string registration;
    double yield = 0;
    double area = 0;
    int system = 1; // 1 transplant, 2 direct seeding, 3 consolidated no-till
    std::string denomination;
    std::string reportNumber;
    // Clay, pH, SMP, P, K, MO, Al, Ca, Mg, H+Al, CTC, V, S, Mn, Zn, B, Cu, Fe.
    std::array<std::optional<double>, kAnalysisValueCount> values{};

    friend bool operator==(const AnalysisRecord&, const AnalysisRecord&) = default;
};

// The file's bytes. A number is right-aligned in its width (yield 5, area 6,
// analysis values 8, two decimals each) and grows when it is wider; in the
// lines of the yield and the analysis values a number as wide as its width or
// wider gets one blank in front, so that no two numbers touch (the yield still
// follows its key directly). An analysis value not given is " -9 ".
std::string analysisFileBytes(const AnalysisRecord& record);

// Reads the bytes of an analysis file: lines by position (CR LF, LF or CR
// ends), the first 10 characters of each skipped; the 18 analysis values as
// blank-separated tokens across line ends, a value below zero meaning "not
// given". Throws FileError "Read beyond end of file" when lines or values are
// missing and "Invalid numeric input" for a number that cannot be read.
AnalysisRecord parseAnalysisFile(std::string_view bytes);

// The record of the window's fields. Numbers are parsed from the fields
// (ConversionError for one that does not parse).
AnalysisRecord analysisRecordOf(const WindowState& window);

// "&Salvar Laudo": writes Laudos/Laudo.txt beside the executable, through a
// temporary file, and shows it with the desktop's viewer. A failure leaves
// the previous file whole and opens nothing.
void BitBtn13Click(WindowState& window);

// "&Abrir Laudo": the open-file dialog, then the whole file is read and
// checked before anything changes. A new recommendation starts, the fields
// load (the state without rebuilding the municipality list, the system by its
// radio button) and the focus walks through the analysis fields so that their
// leave handlers run again, ending in EdFe.
void BitBtn42Click(WindowState& window);

} // namespace bulbicalc
