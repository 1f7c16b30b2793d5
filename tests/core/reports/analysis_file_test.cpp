// The analysis file: its bytes, reading it back, and saving and opening it
// through the window.
#include "core/app/errors.h"
#include "core/reports/analysis_file.h"
#include "reports_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include "core/reports/file_access_calls.h"

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace bulbicalc {
namespace {

using test::ReportsWindow;
using test::TemporaryFolder;

// Lines 1 to 10 of a file with the start-up fields, and its value line start.
const std::string kDefaultHead = "Produtor  \r\nCPF          .   .   -  \r\nLocal     \r\nMunicipio \r\n"
                                 "UF        1\r\nMatr\xED"
                                 "cula \r\nProd Area 30.00  1.00\r\nSisteme    1\r\n"
                                 "Denomina  \r\nN Laudo   \r\n";

std::string markers(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += " -9 ";
    return text;
}

AnalysisRecord startupRecord()
{
    AnalysisRecord r;
    r.cpf = "   .   .   -  ";
    r.state = 1;
    r.yield = 30;
    r.area = 1;
    return r;
}

struct FormatCase {
    const char* name;
    std::function<void(AnalysisRecord&)> change;
    std::string bytes;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class AnalysisFileFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(AnalysisFileFormat, WritesTheBytesAndReadsThemBack)
{
    AnalysisRecord record = startupRecord();
    GetParam().change(record);
    EXPECT_EQ(analysisFileBytes(record), GetParam().bytes);
    // What is read back is written as the very same bytes.
    EXPECT_EQ(analysisFileBytes(parseAnalysisFile(GetParam().bytes)), GetParam().bytes);
}

TEST(AnalysisFileFormat, ReadsBackWhatItWrote)
{
    AnalysisRecord record = startupRecord();
    record.producer = "José Ñandú";
    record.state = 2;
    record.system = 2;
    record.yield = 42.5;
    record.area = 0.75;
    record.values[4] = 96;
    record.values[10] = 11.45;
    EXPECT_EQ(parseAnalysisFile(analysisFileBytes(record)), record);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisFileFormat,
    testing::Values(
        FormatCase{"EveryValueEmpty", [](AnalysisRecord&) {},
                   kDefaultHead + "Argia     " + markers(18) + "\r\n"},
        FormatCase{"WidthsAndMarkers",
                   [](AnalysisRecord& r) {
                       r.values[0] = 35;
                       r.values[1] = 5.4;
                       r.values[10] = 11.456;
                       r.values[17] = 0.005;
                   },
                   kDefaultHead + "Argia        35.00    5.40" + markers(8) + "   11.46" + markers(6) +
                       "    0.01\r\n"},
        // A yield wider than its width still follows its key; an area as wide as
        // its width gets a blank, so the two never glue.
        FormatCase{
            "YieldOf100", [](AnalysisRecord& r) { r.yield = 100; },
            "Produtor  \r\nCPF          .   .   -  \r\nLocal     \r\nMunicipio \r\nUF        1\r\nMatr\xED"
            "cula "
            "\r\nProd Area 100.00  1.00\r\nSisteme    1\r\nDenomina  \r\nN Laudo   \r\nArgia     " +
                markers(18) + "\r\n"},
        FormatCase{
            "AreaOf100",
            [](AnalysisRecord& r) {
                r.area = 100;
                r.yield = 5;
            },
            "Produtor  \r\nCPF          .   .   -  \r\nLocal     \r\nMunicipio \r\nUF        1\r\nMatr\xED"
            "cula "
            "\r\nProd Area  5.00 100.00\r\nSisteme    1\r\nDenomina  \r\nN Laudo   \r\nArgia     " +
                markers(18) + "\r\n"},
        FormatCase{"ValuesAsWideAsTheirWidth",
                   [](AnalysisRecord& r) {
                       r.values[0] = 10000;
                       r.values[1] = 99999.996;
                       r.values[2] = 1234.5;
                   },
                   kDefaultHead + "Argia      10000.00 100000.00 1234.50" + markers(15) + "\r\n"},
        FormatCase{"TextsInWindows1252",
                   [](AnalysisRecord& r) {
                       r.producer = "José Ñandú – ✓";
                       r.cpf = "123.45 .   -  ";
                       r.locality = "D'Ávila";
                       r.municipality = "Agudo ";
                       r.state = 0;
                       r.registration = "Nº 12";
                       r.system = 3;
                       r.denomination = "Lavoura \"norte\"";
                       r.reportNumber = "2024/0815";
                   },
                   "Produtor  Jos\xE9 \xD1"
                   "and\xFA \x96 ?\r\nCPF       123.45 .   -  \r\nLocal     D'\xC1vila\r\n"
                   "Municipio Agudo \r\nUF        0\r\nMatr\xED"
                   "cula N\xBA 12\r\nProd Area 30.00  1.00\r\n"
                   "Sisteme    3\r\nDenomina  Lavoura \"norte\"\r\nN Laudo   2024/0815\r\nArgia     " +
                       markers(18) + "\r\n"},
        FormatCase{"NoStateSelected", [](AnalysisRecord& r) { r.state = -1; },
                   "Produtor  \r\nCPF          .   .   -  \r\nLocal     \r\nMunicipio \r\nUF        -1\r\n"
                   "Matr\xED"
                   "cula \r\nProd Area 30.00  1.00\r\nSisteme    1\r\nDenomina  \r\nN Laudo   \r\n"
                   "Argia     " +
                       markers(18) + "\r\n"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(AnalysisFileFormat, LineBreaksInATextBecomeBlanks)
{
    AnalysisRecord record = startupRecord();
    record.producer = "Ana\r\nMaria";
    EXPECT_EQ(parseAnalysisFile(analysisFileBytes(record)).producer, "Ana  Maria");
}

// A well-formed file with values, to break in the cases below.
std::string sampleFile()
{
    AnalysisRecord record = startupRecord();
    for (std::size_t i = 0; i < record.values.size(); ++i)
        record.values[i] = static_cast<double>(i) + 0.25;
    return analysisFileBytes(record);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(AnalysisFileReading, LineEndsAndBrokenValueLinesReadTheSame)
{
    const AnalysisRecord expected = parseAnalysisFile(sampleFile());
    EXPECT_EQ(expected.values[17], 17.25);
    EXPECT_EQ(parseAnalysisFile(replaced(sampleFile(), "\r\n", "\n")), expected);
    EXPECT_EQ(parseAnalysisFile(replaced(sampleFile(), "\r\n", "\r")), expected);
    // Broken after the fifth value, and the line end of the last line missing.
    std::string broken = sampleFile();
    broken.insert(broken.find("    5.25"), "\r\n");
    EXPECT_EQ(parseAnalysisFile(broken), expected);
    std::string unterminated = sampleFile();
    unterminated.resize(unterminated.size() - 2);
    EXPECT_EQ(parseAnalysisFile(unterminated), expected);
    // What follows the 18th value is not read.
    EXPECT_EQ(parseAnalysisFile(sampleFile() + "an extra line\r\n"), expected);
}

TEST(AnalysisFileReading, ValuesBelowZeroAreNotGiven)
{
    std::string file = replaced(sampleFile(), "    0.25", " -9 ");
    file = replaced(file, "    3.25", "   -0.01");
    const AnalysisRecord read = parseAnalysisFile(file);
    EXPECT_FALSE(read.values[0].has_value());
    EXPECT_FALSE(read.values[3].has_value());
    EXPECT_EQ(read.values[4], 4.25);
}

TEST(AnalysisFileReading, NumbersWithASignAnExponentATabOrATrailingPoint)
{
    std::string file = replaced(sampleFile(), "Prod Area 30.00  1.00", "Prod Area +3e1\t.5 ignored");
    file = replaced(file, "    2.25", " 2.");
    const AnalysisRecord read = parseAnalysisFile(file);
    EXPECT_EQ(read.yield, 30);
    EXPECT_EQ(read.area, 0.5);
    EXPECT_EQ(read.values[2], 2);
}

struct BrokenFile {
    const char* name;
    std::string bytes;
    const char* error;
};

void PrintTo(const BrokenFile& c, std::ostream* os)
{
    *os << c.name;
}

class AnalysisFileBroken : public testing::TestWithParam<BrokenFile> {};

TEST_P(AnalysisFileBroken, IsRejectedWhole)
{
    try {
        parseAnalysisFile(GetParam().bytes);
        FAIL() << "read without an error";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), GetParam().error);
    }
}

std::string firstLines(const std::string& file, int count)
{
    std::size_t at = 0;
    for (int i = 0; i < count; ++i)
        at = file.find("\r\n", at) + 2;
    return file.substr(0, at);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisFileBroken,
    testing::Values(
        BrokenFile{"Empty", "", "Read beyond end of file"},
        BrokenFile{"TenLines", firstLines(sampleFile(), 10), "Read beyond end of file"},
        BrokenFile{"SeventeenValues", replaced(sampleFile(), "   17.25", ""), "Read beyond end of file"},
        BrokenFile{"NoArea", replaced(sampleFile(), " 1.00\r\n", "\r\n"), "Read beyond end of file"},
        BrokenFile{"NoState", replaced(sampleFile(), "UF        1", "UF"), "Read beyond end of file"},
        BrokenFile{"GluedNumbers", replaced(sampleFile(), "30.00  1.00", "30.00100.00"),
                   "Invalid numeric input"},
        BrokenFile{"DecimalComma", replaced(sampleFile(), "    4.25", "    4,25"), "Invalid numeric input"},
        BrokenFile{"TwoPoints", replaced(sampleFile(), "    4.25", "  4.2.5 "), "Invalid numeric input"},
        BrokenFile{"Letters", replaced(sampleFile(), "    4.25", "     abc"), "Invalid numeric input"},
        BrokenFile{"Infinity", replaced(sampleFile(), "    4.25", "     inf"), "Invalid numeric input"},
        BrokenFile{"TooLarge", replaced(sampleFile(), "    4.25", " 1e999  "), "Invalid numeric input"},
        BrokenFile{"StateNotWhole", replaced(sampleFile(), "UF        1", "UF        1.0"),
                   "Invalid numeric input"},
        BrokenFile{"SystemNotWhole", replaced(sampleFile(), "Sisteme    1", "Sisteme    x"),
                   "Invalid numeric input"},
        // Every byte value, as a binary file that is no analysis.
        BrokenFile{"Binary",
                   [] {
                       std::string bytes;
                       for (int round = 0; round < 20; ++round)
                           for (int b = 0; b < 256; ++b)
                               bytes += static_cast<char>(b);
                       return bytes;
                   }(),
                   "Invalid numeric input"}),
    [](const testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.name); });

// ---- Through the window ----

const char* const kValueFields[] = {"EdArgila", "EdPH", "EdSMP", "EdP",   "EdK",   "EdMO",
                                    "EdAL",     "EdCa", "EdMg",  "EdHAl", "EdCTC", "EdSatBases",
                                    "EdS",      "EdMn", "EdZn",  "EdB",   "EdCu",  "EdFe"};

// A whole analysis typed into the window (no field left, nothing computed).
void typeAnalysis(WindowState& w)
{
    const char* const values[] = {"35",  "5,4",   "5,6", "8,5", "96", "3,2", "0,4", "4,1", "1,6",
                                  "5,5", "11,45", "52",  "6,5", "12", "1,2", "0,3", "0,8", "45"};
    for (int i = 0; i < 18; ++i)
        w.type(kValueFields[i], values[i]);
}

class AnalysisFileWindow : public testing::Test {
protected:
    TemporaryFolder folder;
    ReportsWindow saved{folder.path};

    std::filesystem::path laudo() const { return folder.path / "Laudos" / "Laudo.txt"; }

    // Saves the window `saved`, then opens the file in a window that holds
    // another analysis, and returns that window.
    std::unique_ptr<ReportsWindow> saveAndOpen(const std::function<void(std::string&)>& editFile = {})
    {
        saved.window.click("BitBtn13");
        EXPECT_EQ(saved.platform.openedDocuments.back(), laudo());
        if (editFile) {
            std::string bytes = test::readBytes(laudo());
            editFile(bytes);
            test::writeBytes(laudo(), bytes);
        }
        auto opened = std::make_unique<ReportsWindow>(folder.path);
        WindowState& w = opened->window;
        w.type("EdNomeProdutor", "Outro produtor");
        w.type("EdLocal", "Outro lugar");
        for (const char* field : kValueFields)
            w.type(field, "7");
        opened->platform.fileToOpen = laudo();
        w.click("BitBtn42");
        return opened;
    }
};

TEST_F(AnalysisFileWindow, EveryFieldEmptyOpensEmpty)
{
    saved.window.type("EdProducao", "30");
    auto opened = saveAndOpen();
    EXPECT_EQ(test::readBytes(laudo()), kDefaultHead + "Argia     " + markers(18) + "\r\n");
    const WindowState& w = opened->window;
    for (const char* field : kValueFields)
        EXPECT_EQ(w.text(field), "") << field;
    EXPECT_EQ(w.text("EdNomeProdutor"), "");
    EXPECT_EQ(w.text("mkEdCPF"), "   .   .   -  ");
    EXPECT_EQ(w.text("EdProducao"), "30,00");
    EXPECT_EQ(w.text("EdArea"), "1,00");
    EXPECT_EQ(w.focused(), "EdFe");
}

TEST_F(AnalysisFileWindow, SixEmptyFieldsStayEmptyAndTheOthersGetTwoDecimals)
{
    typeAnalysis(saved.window);
    for (const char* field : {"EdS", "EdMn", "EdZn", "EdB", "EdCu", "EdFe"})
        saved.window.type(field, "");
    auto opened = saveAndOpen();
    const char* const expected[] = {"35,00", "5,40", "5,60", "8,50", "96,00", "3,20",
                                    "0,40",  "4,10", "1,60", "5,50", "11,45", "52,00",
                                    "",      "",     "",     "",     "",      ""};
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(opened->window.text(kValueFields[i]), expected[i]) << kValueFields[i];
}

TEST_F(AnalysisFileWindow, AYieldAndAnAreaOf100ComeBack)
{
    saved.window.type("EdProducao", "100");
    saved.window.type("EdArea", "100");
    auto opened = saveAndOpen();
    EXPECT_NE(test::readBytes(laudo()).find("Prod Area 100.00 100.00\r\n"), std::string::npos);
    EXPECT_EQ(opened->window.text("EdProducao"), "100,00");
    EXPECT_EQ(opened->window.text("EdArea"), "100,00");
}

TEST_F(AnalysisFileWindow, NamesWithAccentsAndApostrophesSurvive)
{
    WindowState& w = saved.window;
    w.type("EdNomeProdutor", "Joaquim Conceição D'Ávila");
    w.type("mkEdCPF", "123.45 .   -  ");
    w.type("EdLocal", "São João");
    w.type("EdMatricula", "Nº 7");
    w.type("EdDenomina", "Talhão «sul»");
    w.type("EdLaudo", "açúcar ✓");
    auto opened = saveAndOpen();
    const WindowState& o = opened->window;
    EXPECT_EQ(o.text("EdNomeProdutor"), "Joaquim Conceição D'Ávila");
    EXPECT_EQ(o.text("mkEdCPF"), "123.45 .   -  ");
    EXPECT_EQ(o.text("EdLocal"), "São João");
    EXPECT_EQ(o.text("EdMatricula"), "Nº 7");
    EXPECT_EQ(o.text("EdDenomina"), "Talhão «sul»");
    EXPECT_EQ(o.text("EdLaudo"), "açúcar ?");
}

TEST_F(AnalysisFileWindow, TheStateIsSelectedWithoutRebuildingTheMunicipalityList)
{
    saved.window.select("CbUF", 2);
    saved.window.type("CBMuni", " São Tome");
    saveAndOpen();
    ReportsWindow other(folder.path);
    other.window.select("CbUF", 0);
    other.platform.fileToOpen = laudo();
    other.window.click("BitBtn42");
    const Control& uf = other.window.control("CbUF");
    EXPECT_EQ(uf.text, "PR");
    EXPECT_EQ(uf.itemIndex, 2);
    EXPECT_EQ(other.window.text("CBMuni"), " São Tome");
    EXPECT_EQ(other.window.control("CBMuni").items.size(), 499u);
}

TEST_F(AnalysisFileWindow, ConsolidatedNoTillSwitchesTheSystemFromTransplant)
{
    saved.window.click("RadioButton20");
    auto opened = saveAndOpen();
    const WindowState& w = opened->window;
    EXPECT_TRUE(w.isChecked("RadioButton20"));
    EXPECT_FALSE(w.isChecked("RadioButton10"));
    EXPECT_EQ(w.grid("rstga1").rowCount(), 6);
    EXPECT_EQ(w.grid("rstga1").cell(1, 1), "Semeadura");
    EXPECT_EQ(w.grid("rstga1").cell(1, 5), "135");
    EXPECT_EQ(w.text("RadioButton18"), "Dias após semeadura (DASD)");
}

TEST_F(AnalysisFileWindow, BrokenValueLinesAndLineFeedsReadTheSame)
{
    typeAnalysis(saved.window);
    auto plain = saveAndOpen();
    auto broken = saveAndOpen([](std::string& bytes) { bytes.insert(bytes.find("    0.40"), "\r\n"); });
    auto lineFeeds = saveAndOpen([](std::string& bytes) { bytes = replaced(bytes, "\r\n", "\n"); });
    for (const char* field : kValueFields) {
        EXPECT_EQ(broken->window.text(field), plain->window.text(field)) << field;
        EXPECT_EQ(lineFeeds->window.text(field), plain->window.text(field)) << field;
    }
    EXPECT_EQ(plain->window.text("EdAL"), "0,40");
}

TEST_F(AnalysisFileWindow, OpeningRunsTheLeaveHandlersOfTheAnalysis)
{
    typeAnalysis(saved.window);
    saved.window.type("EdProducao", "40");
    auto opened = saveAndOpen();
    const WindowState& w = opened->window;
    // Classes, saturations, doses and the values the liming methods use.
    EXPECT_EQ(w.text("EdClasseArgila"), "Classe 3");
    EXPECT_EQ(w.text("EdClasseCTC"), "Média");
    EXPECT_EQ(w.text("EdClasseP"), "Baixo");
    EXPECT_EQ(w.text("EdClasseK"), "Alto");
    EXPECT_EQ(w.text("Edit16"), "140,0");
    EXPECT_EQ(w.text("Edit18"), "230");
    EXPECT_EQ(w.text("Edit19"), "120");
    EXPECT_EQ(w.text("Edit22"), "60,0");
    EXPECT_EQ(w.text("Edit1"), "5,60");
    EXPECT_EQ(w.text("Edit2"), "5,4");
    EXPECT_EQ(w.text("Edit7"), "52,00");
    EXPECT_EQ(w.text("Edit14"), "35,8");
    EXPECT_EQ(w.text("BTRB").substr(0, 20), "Aplicar anualmente d");
    EXPECT_EQ(w.focused(), "EdFe");
}

TEST_F(AnalysisFileWindow, ACancelledDialogChangesNothing)
{
    typeAnalysis(saved.window);
    const std::string before = test::windowSnapshot(saved.window);
    saved.platform.fileToOpen.reset();
    saved.window.click("BitBtn42");
    EXPECT_EQ(test::windowSnapshot(saved.window), before);
    EXPECT_TRUE(saved.platform.messages.empty());
}

struct FailedOpen {
    const char* name;
    std::function<std::filesystem::path(const std::filesystem::path& folder)> prepare;
    const char* error;
};

void PrintTo(const FailedOpen& c, std::ostream* os)
{
    *os << c.name;
}

class AnalysisFileFailedOpen : public testing::TestWithParam<FailedOpen> {};

TEST_P(AnalysisFileFailedOpen, ShowsTheErrorAndChangesNothing)
{
    TemporaryFolder folder;
    ReportsWindow t(folder.path);
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    const std::string before = test::windowSnapshot(t.window);
    t.platform.fileToOpen = GetParam().prepare(folder.path);
    try {
        t.window.click("BitBtn42");
        FAIL() << "opened without an error";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), GetParam().error);
    }
    EXPECT_EQ(test::windowSnapshot(t.window), before);
}

std::filesystem::path writtenFile(const std::filesystem::path& folder, const std::string& bytes)
{
    test::writeBytes(folder / "chosen.txt", bytes);
    return folder / "chosen.txt";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisFileFailedOpen,
    testing::Values(
        FailedOpen{"Missing", [](const auto& folder) { return folder / "none.txt"; }, "File not found"},
        FailedOpen{"AFolder", [](const auto& folder) { return folder / "Laudos"; }, "File access denied"},
        FailedOpen{"Truncated",
                   [](const auto& folder) { return writtenFile(folder, firstLines(sampleFile(), 9)); },
                   "Read beyond end of file"},
        FailedOpen{"BrokenValue",
                   [](const auto& folder) {
                       return writtenFile(folder, replaced(sampleFile(), "   17.25", "   17,25"));
                   },
                   "Invalid numeric input"},
        FailedOpen{
            "Binary",
            [](const auto& folder) { return writtenFile(folder, std::string("\x89PNG\r\n\x1a\n\0\0", 10)); },
            "Read beyond end of file"}),
    [](const testing::TestParamInfo<FailedOpen>& info) { return std::string(info.param.name); });

TEST_F(AnalysisFileWindow, AFailedSaveKeepsThePreviousFileAndOpensNothing)
{
    typeAnalysis(saved.window);
    saved.window.click("BitBtn13");
    const std::string previous = test::readBytes(laudo());
    saved.platform.openedDocuments.clear();

    saved.window.type("EdCa", "4,1a");
    EXPECT_THROW(saved.window.click("BitBtn13"), ConversionError);
    saved.window.type("EdCa", "4,1");
    saved.window.type("EdArea", "");
    EXPECT_THROW(saved.window.click("BitBtn13"), ConversionError);
    EXPECT_EQ(test::readBytes(laudo()), previous);
    EXPECT_TRUE(saved.platform.openedDocuments.empty());
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path / "Laudos"))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(AnalysisFileSave, AMissingLaudosFolderOrAFolderInTheFilesPlaceIsAccessDenied)
{
    TemporaryFolder folder;
    std::filesystem::remove_all(folder.path / "Laudos");
    ReportsWindow t(folder.path);
    try {
        t.window.click("BitBtn13");
        FAIL() << "saved without a Laudos folder";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path / "Laudos"));
    std::filesystem::create_directories(folder.path / "Laudos" / "Laudo.txt");
    EXPECT_THROW(t.window.click("BitBtn13"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path / "Laudos" / "Laudo.txt"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path / "Laudos" / "Laudo.txt"));
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path / "Laudos"))
        ++files;
    EXPECT_EQ(files, 1);
    EXPECT_TRUE(t.platform.openedDocuments.empty());
}

#ifndef _WIN32

// The names in `folder` other than Laudo.txt.
std::vector<std::string> othersThanLaudo(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "Laudo.txt")
            names.push_back(entry.path().filename().string());
    return names;
}

// The save in a child process, which reports through its exit status: 0 for
// "File access denied" with nothing opened, 1 otherwise. As root the child
// runs as the user nobody, to whom the folder is not writable either.
int saveAsAnOrdinaryUser(ReportsWindow& t)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        int result = 1;
        try {
            t.window.click("BitBtn13");
        } catch (const FileError& error) {
            if (std::string(error.what()) == "File access denied" && t.platform.openedDocuments.empty())
                result = 0;
        } catch (...) {
        }
        _exit(result);
    }
    int status = -1;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST_F(AnalysisFileWindow, AReadOnlyLaudosFolderIsAccessDeniedAndKeepsThePreviousFile)
{
    typeAnalysis(saved.window);
    saved.window.click("BitBtn13");
    const std::string previous = test::readBytes(laudo());
    saved.window.type("EdNomeProdutor", "Outro produtor");
    saved.platform.openedDocuments.clear();
    const auto laudos = folder.path / "Laudos";
    ASSERT_EQ(chmod(laudos.c_str(), 0555), 0);
    const int result = saveAsAnOrdinaryUser(saved);
    chmod(laudos.c_str(), 0755);
    if (result == 2)
        GTEST_SKIP() << "cannot become the user nobody";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::readBytes(laudo()), previous);
    EXPECT_TRUE(othersThanLaudo(laudos).empty());
}

// ---- A save killed at any step ----

using file_access_testing::realSystemCalls;
using file_access_testing::SystemCalls;

// The child process kills itself before its system call number killBefore
// (counting from 1) of the save.
int killBefore = 0;
int callsMade = 0;

void maybeKilled()
{
    if (++callsMade == killBefore)
        raise(SIGKILL);
}

int killableOpen(const char* path, int flags, mode_t mode)
{
    maybeKilled();
    return realSystemCalls().open(path, flags, mode);
}

ssize_t killableWrite(int fd, const void* data, std::size_t size)
{
    maybeKilled();
    return realSystemCalls().write(fd, data, size);
}

int killableFsync(int fd)
{
    maybeKilled();
    return realSystemCalls().fsync(fd);
}

int killableClose(int fd)
{
    maybeKilled();
    return realSystemCalls().close(fd);
}

int killableRename(const char* from, const char* to)
{
    maybeKilled();
    return realSystemCalls().rename(from, to);
}

constexpr std::size_t kKillableChunk = 16;
const SystemCalls kKillableCalls{killableOpen,  killableWrite,  killableFsync,
                                 killableClose, killableRename, kKillableChunk};

TEST_F(AnalysisFileWindow, ASaveKilledAtAnyStepLeavesThePreviousFileOrTheNewOneWhole)
{
    typeAnalysis(saved.window);
    saved.window.click("BitBtn13");
    const std::string previous = test::readBytes(laudo());
    saved.window.type("EdNomeProdutor", "Maria Aparecida dos Santos Oliveira");
    saved.window.type("EdLocal", "Linha São João");
    saved.window.type("EdCa", "14,1");
    const std::string next = analysisFileBytes(analysisRecordOf(saved.window));
    ASSERT_NE(next, previous);
    ASSERT_GT(next.size(), 10 * kKillableChunk);
    const auto laudos = folder.path / "Laudos";

    int killedWithPrevious = 0;
    int killedWithNext = 0;
    bool finished = false;
    for (int n = 1; n < 1000 && !finished; ++n) {
        // Each round starts from the previous file alone.
        for (const std::string& name : othersThanLaudo(laudos))
            std::filesystem::remove(laudos / name);
        test::writeBytes(laudo(), previous);
        saved.platform.openedDocuments.clear();

        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            // No assertion here: the child tells only through its end.
            killBefore = n;
            callsMade = 0;
            file_access_testing::ScopedSystemCalls killable(kKillableCalls);
            try {
                saved.window.click("BitBtn13");
            } catch (...) {
                _exit(2);
            }
            _exit(saved.platform.openedDocuments.size() == 1 ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string now = test::readBytes(laudo());
        const auto others = othersThanLaudo(laudos);
        if (WIFSIGNALED(status)) {
            ASSERT_EQ(WTERMSIG(status), SIGKILL) << "before call " << n;
            // The previous file or the new one, whole; once the new one is
            // there, a later kill finds it too.
            if (now == previous) {
                EXPECT_EQ(killedWithNext, 0) << "the previous file again, killed before call " << n;
                ++killedWithPrevious;
            } else if (now == next) {
                ++killedWithNext;
            } else {
                ADD_FAILURE() << "killed before call " << n << ", Laudo.txt holds " << now.size()
                              << " bytes, neither the previous " << previous.size() << " nor the new "
                              << next.size();
            }
            // At most the one temporary of the killed save is left beside it.
            EXPECT_LE(others.size(), 1u) << "before call " << n;
            for (const auto& name : others)
                EXPECT_EQ(name.rfind(".Laudo.txt.", 0), 0u) << name;
            // And the next save works.
            saved.window.click("BitBtn13");
            EXPECT_EQ(test::readBytes(laudo()), next) << "saved after a kill before call " << n;
        } else {
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 0) << "the save that was not killed failed";
            EXPECT_EQ(now, next);
            EXPECT_TRUE(others.empty());
            finished = true;
        }
    }
    EXPECT_TRUE(finished) << "the save was killed at every one of 999 calls";
    // Killed before the open, each write of the chunks, the flush, the close
    // and the rename of the temporary, and before the open, the flush and the
    // close of the folder.
    const int chunks = static_cast<int>((next.size() + kKillableChunk - 1) / kKillableChunk);
    EXPECT_EQ(killedWithPrevious, 1 + chunks + 3);
    EXPECT_EQ(killedWithNext, 3);
}

#endif

} // namespace
} // namespace bulbicalc
