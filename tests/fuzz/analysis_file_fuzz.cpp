// An analysis file as someone may bring it ("&Abrir Laudo"): any bytes.
//  - Bytes that read save back to bytes that read to the same record, up to
//    the two decimals the file keeps for a number (texts and whole numbers
//    exactly), and that record saves as the very same bytes (a fixed point).
//  - A failed read throws FileError with one of the messages the user sees,
//    "Read beyond end of file" or "Invalid numeric input", and nothing else.
//  - Opened through the window (BitBtn42Click over a window state with the
//    controls of the reports and everything below them, no Qt), a failed
//    open throws the same error and changes nothing the window shows: every
//    control, grid, chart point and number is as before. A successful open
//    loads the record's texts into their fields, and saving at once writes
//    the file as it reads (for a state and a system that the window has).
#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/reports/analysis_file.h"
#include "reports/reports_window.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using bulbicalc::AnalysisRecord;
using bulbicalc::WindowState;
using bulbicalc::test::ReportsWindow;

// A broken property names its line and aborts, which libFuzzer reports.
void check(bool holds, int line = __builtin_LINE())
{
    if (!holds) {
        std::fprintf(stderr, "property broken at %s:%d\n", __FILE__, line);
        std::abort();
    }
}

bool isUserMessage(std::string_view message)
{
    return message == "Read beyond end of file" || message == "Invalid numeric input";
}

// The number as the file writes it, read back.
double twoDecimals(double value)
{
    const std::string text = bulbicalc::roundedDecimalText(value, 2);
    double read = 0;
    const char* begin = text.data() + (text.front() == '-' ? 1 : 0);
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), read);
    check(error == std::errc() && end == text.data() + text.size());
    return text.front() == '-' ? -read : read;
}

// What saving and reading again must give: the numbers with two decimals.
AnalysisRecord asSaved(AnalysisRecord record)
{
    record.yield = twoDecimals(record.yield);
    record.area = twoDecimals(record.area);
    for (auto& value : record.values)
        if (value)
            value = twoDecimals(*value);
    return record;
}

struct Windows {
    std::filesystem::path folder;
    std::filesystem::path file;
    // Never opened successfully: a failed open must leave it as it is.
    ReportsWindow untouched;
    std::string untouchedSnapshot;
    // Opens every file that reads.
    ReportsWindow opening;

    Windows()
        : folder(std::filesystem::temp_directory_path() /
                 ("bulbicalc-analysis-fuzz-" + std::to_string(::getpid()))),
          untouched(makeFolder(folder)), opening(folder)
    {
        file = folder / "chosen.txt";
        bulbicalc::test::enterFullRecommendation(untouched);
        untouchedSnapshot = bulbicalc::test::windowSnapshot(untouched.window);
        untouched.platform.fileToOpen = file;
        opening.platform.fileToOpen = file;
    }

    static std::filesystem::path makeFolder(const std::filesystem::path& folder)
    {
        std::filesystem::create_directories(folder / "Laudos");
        return folder;
    }

    void choose(std::string_view bytes) const
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
};

Windows& windows()
{
    static Windows* w = new Windows();
    return *w;
}

void failedOpen(std::string_view bytes, const std::string& message)
{
    Windows& w = windows();
    w.choose(bytes);
    try {
        w.untouched.window.click("BitBtn42");
        check(false);
    } catch (const bulbicalc::FileError& error) {
        check(error.what() == message);
    }
    check(bulbicalc::test::windowSnapshot(w.untouched.window) == w.untouchedSnapshot);
}

void successfulOpen(std::string_view bytes, const AnalysisRecord& record)
{
    Windows& w = windows();
    w.choose(bytes);
    try {
        w.opening.window.click("BitBtn42");
    } catch (const bulbicalc::Error&) {
        // A leave handler may refuse a value (a zero area, ...): the error box
        // shows it, and the fields are loaded all the same.
    }
    const WindowState& o = w.opening.window;
    check(o.text("EdNomeProdutor") == record.producer);
    check(o.text("mkEdCPF") == record.cpf);
    check(o.text("EdLocal") == record.locality);
    check(o.text("CBMuni") == record.municipality);
    check(o.text("EdMatricula") == record.registration);
    check(o.text("EdDenomina") == record.denomination);
    check(o.text("EdLaudo") == record.reportNumber);
    check(o.text("EdProducao") == bulbicalc::formatNumber(record.yield, "0.00"));
    check(o.text("EdArea") == bulbicalc::formatNumber(record.area, "0.00"));
    // Saved again at once, the window writes the file as it reads, when its
    // state and system are ones the window has.
    if (record.state >= -1 && record.state <= 3 && record.system >= 1 && record.system <= 3)
        check(bulbicalc::analysisFileBytes(bulbicalc::analysisRecordOf(o)) ==
              bulbicalc::analysisFileBytes(asSaved(record)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    windows();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AnalysisRecord record;
    try {
        record = bulbicalc::parseAnalysisFile(bytes);
    } catch (const bulbicalc::FileError& error) {
        check(isUserMessage(error.what()));
        failedOpen(bytes, error.what());
        return 0;
    }
    const std::string saved = bulbicalc::analysisFileBytes(record);
    const AnalysisRecord again = bulbicalc::parseAnalysisFile(saved);
    check(again == asSaved(record));
    check(bulbicalc::analysisFileBytes(again) == saved);
    check(bulbicalc::parseAnalysisFile(saved) == again);
    successfulOpen(bytes, record);
    return 0;
}
