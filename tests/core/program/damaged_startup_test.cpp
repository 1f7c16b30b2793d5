// The start-up over a data folder whose files are damaged: each file the
// program reads (the two catalogues at start-up, the spreadsheet template
// when the report is made) missing, empty, truncated, binary, a folder in its
// place or unreadable. The window state is always built; a failure of the
// catalogue loading is the one start-up message and leaves the workbench
// grids without the headings, labels and zeros that the later start-up steps
// write; an analysis is still entered, limed and dosed afterwards.
//
// The municipality table is compiled into the program (core/soil/
// municipalities.cpp) and the pictures are read by the window only (the
// window tests damage them), so neither is a file of this table.
#include "core/app/errors.h"
#include "core/app/text_encoding.h"
#include "support/file_bytes.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

enum class Damage {
    Missing,
    Empty,
    TruncatedInANumber,
    TruncatedInAName,
    TruncatedHalf,
    Binary,
    RandomBytes,
    Folder,
    Unreadable,
};

const char* damageName(Damage d)
{
    switch (d) {
    case Damage::Missing:
        return "missing";
    case Damage::Empty:
        return "empty";
    case Damage::TruncatedInANumber:
        return "truncated in a number";
    case Damage::TruncatedInAName:
        return "truncated in a name";
    case Damage::TruncatedHalf:
        return "cut to half its size";
    case Damage::Binary:
        return "a picture in its place";
    case Damage::RandomBytes:
        return "random bytes";
    case Damage::Folder:
        return "a folder in its place";
    case Damage::Unreadable:
        return "unreadable";
    }
    return "?";
}

// The offset of the start of line `line` (from 1).
std::size_t lineStart(const std::string& bytes, int line)
{
    std::size_t at = 0;
    for (int i = 1; i < line; ++i)
        at = bytes.find('\n', at) + 1;
    return at;
}

// Whether the tests run with the power to read any file (root).
bool readsEverything()
{
    return geteuid() == 0;
}

// A copy of the shipped data folder, removed afterwards.
struct DataCopy {
    DataCopy()
        : dir(fs::temp_directory_path() / ("bulbicalc-damaged-" + std::to_string(getpid()) + "-" +
                                           testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy(BULBICALC_TEST_DATA_DIR, dir, fs::copy_options::recursive);
    }
    ~DataCopy()
    {
        std::error_code error;
        fs::permissions(dir / "Auxiliares", fs::perms::owner_all, fs::perm_options::add, error);
        for (const auto& entry : fs::recursive_directory_iterator(dir, error))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(dir, error);
    }

    fs::path dir;

    fs::path auxiliares() const { return dir / "Auxiliares"; }

    // Damages one file of Auxiliares; false when the damage cannot be made
    // here (an unreadable file for root).
    bool damage(const std::string& file, Damage kind) const
    {
        const fs::path path = auxiliares() / file;
        const std::string shipped = readBytes(path);
        switch (kind) {
        case Damage::Missing:
            fs::remove(path);
            break;
        case Damage::Empty:
            writeBytes(path, "");
            break;
        case Damage::TruncatedInANumber:
            // Line 3 cut after its first number ("   20" of the minerals,
            // "  1.5" of the organics): the line lacks the rest of its numbers.
            writeBytes(path, shipped.substr(0, lineStart(shipped, 3) + 7));
            break;
        case Damage::TruncatedInAName:
            // Line 3 cut two characters into its name.
            {
                const std::size_t start = lineStart(shipped, 3);
                const std::size_t end = shipped.find('\n', start);
                const std::string line = shipped.substr(start, end - start);
                const std::size_t name = line.find_first_not_of("0123456789", line.rfind('.') + 1);
                writeBytes(path, shipped.substr(0, start + name + 3));
            }
            break;
        case Damage::TruncatedHalf:
            writeBytes(path, shipped.substr(0, shipped.size() / 2));
            break;
        case Damage::Binary:
            writeBytes(path, readBytes(dir / "Imagens" / "logo_bulbicalc.png"));
            break;
        case Damage::RandomBytes: {
            std::mt19937 generator(20210925);
            std::string noise(8192, '\0');
            for (char& c : noise)
                c = static_cast<char>(generator() & 0xFF);
            writeBytes(path, noise);
            break;
        }
        case Damage::Folder:
            fs::remove(path);
            fs::create_directories(path / "inside");
            break;
        case Damage::Unreadable:
            if (readsEverything())
                return false;
            fs::permissions(path, fs::perms::none);
            break;
        }
        return true;
    }
};

// Types `text` key by key into `field` and on along the Enter chain, as the
// scenario files do; "\r" is the Enter key.
void keys(WindowState& w, std::string_view field, std::string_view text)
{
    w.focus(field);
    std::string current(field);
    for (char32_t key : utf8ToCodePoints(text)) {
        const char32_t typed = w.keyPress(current, key);
        if (key == U'\r') {
            if (!w.focused().empty())
                current = w.focused();
            continue;
        }
        if (typed != U'\0')
            w.type(current, w.control(current).text + codePointToUtf8(typed));
    }
}

// An analysis typed in, then liming by the SMP index and both splits: the
// subsystems outside the workbench work whatever became of the catalogue
// (the numbers of tests/scenarios/flows/full_input.scn).
void expectAnAnalysisIsLimedAndDosed(WindowState& w)
{
    keys(w, "EdArgila", "45\r5.5\r5,3\r8\r78,2\r3\r0,5\r1,5\r1\r3\r10\r40\r12\r4\r2\r0,5\r1\r30\r");
    EXPECT_EQ(w.text("EdClasseArgila"), "Classe 2");
    EXPECT_EQ(w.text("EdClasseCTC"), "Média");
    EXPECT_EQ(w.text("Edit16"), "100,0");
    EXPECT_EQ(w.text("EdClasseP"), "Baixo");
    EXPECT_EQ(w.text("Edit18"), "200");
    EXPECT_EQ(w.text("Edit19"), "120");
    w.click("BitBtn5");
    EXPECT_EQ(w.text("Edit10"), "7,5");
    w.type("Edit11", "80");
    w.click("BitBtn9");
    EXPECT_EQ(w.text("Edit12"), "9,375");
    w.click("BitBtn29");
    EXPECT_EQ(w.grid("rstga1").cell(3, 1), "15");
    w.click("BitBtn10");
    EXPECT_EQ(w.grid("rstga3").cell(4, 1), "60");
    EXPECT_EQ(w.grid("stga1").cell(2, 2), "06/07/2021");
    // The recommendation reaches the workbench even without its headings.
    EXPECT_EQ(w.grid("rstgaRecomenda").cell(1, 3), "60");
}

// The workbench's commands over whatever list the catalogue left. After a
// whole start-up none fails. After a failed one the applied grid lacks its
// start-up zeros, so a command that reads it stops with the conversion error
// of the empty text, which the user is shown; no command meets a defect of
// the program.
void expectTheWorkbenchStillWorks(WindowState& w, bool startupComplete)
{
    const auto run = [&](const char* what, const std::function<void()>& action) {
        try {
            action();
        } catch (const ConversionError& error) {
            EXPECT_FALSE(startupComplete) << what << ": " << error.what();
            EXPECT_STREQ(error.what(), "'' is not a valid floating point value") << what;
        } catch (const std::exception& error) {
            ADD_FAILURE() << what << ": " << error.what();
        }
    };
    run("optimising the parcela", [&] { w.click("BtOtimizarParcela"); });
    run("optimising every parcela", [&] { w.click("BtOtimizarTodas"); });
    run("a quantity typed", [&] { w.editCell("rStgaMeusAdubos", 6, 1, "100"); });
    run("hiding the prices", [&] { w.click("RadioButton24"); });
    run("showing the prices", [&] { w.click("RadioButton23"); });
    run("the next parcela", [&] { w.spin("UpDown4", 2); });
    run("clearing the parcela", [&] { w.click("BitBtn97"); });
    run("clearing every parcela", [&] { w.click("BitBtn111"); });
    run("the text report", [&] { w.click("BitBtn80"); });
    if (!w.control("rCheckListBox1").items.empty())
        run("unticking a fertiliser", [&] { w.check("rCheckListBox1", 0, false); });
}

// The workbench grids with the headings, labels and zeros of the start-up
// steps after the catalogue (written) or without them.
void expectWorkbenchHeadings(const WindowState& w, bool written)
{
    for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"}) {
        SCOPED_TRACE(name);
        const Grid& g = w.grid(name);
        EXPECT_EQ(g.shownText(1, 0), written ? "Par. 1" : "");
        EXPECT_EQ(g.shownText(0, 0), written ? "Nutriente" : "");
        EXPECT_EQ(g.cell(0, 1), written ? "N" : "");
        EXPECT_EQ(g.cell(0, 4), written ? "S" : "");
    }
    const Grid& applied = w.grid("rstgaAplica");
    for (int col = 1; col <= 4; ++col)
        for (int row = 1; row <= 4; ++row)
            EXPECT_EQ(applied.cell(col, row), written ? "0,0" : "") << col << "," << row;
    const Grid& mine = w.grid("rStgaMeusAdubos");
    if (written) {
        // The transfer cut the grid to its heading row; then row 0 was written.
        EXPECT_EQ(mine.fixedRows(), 0);
        EXPECT_EQ(mine.shownText(5, 0), "R$/Kg");
        EXPECT_EQ(mine.shownText(8, 0), "Par 3");
    } else {
        // No transfer: the fixed row with its column titles.
        EXPECT_EQ(mine.fixedRows(), 1);
        EXPECT_EQ(mine.rowCount(), 5);
        EXPECT_EQ(mine.shownText(5, 0), "RS/kg");
        EXPECT_EQ(mine.shownText(8, 0), "Parc 3");
        for (int row = 1; row < mine.rowCount(); ++row)
            EXPECT_EQ(mine.cell(0, row), "") << row;
    }
}

struct Case {
    const char* file;
    Damage damage;
    const char* message; // nullptr: the start-up ends without one
    int catalogueRows;   // rows of StgaAdubos under its heading row
    friend std::ostream& operator<<(std::ostream& out, const Case& c)
    {
        return out << c.file << ", " << damageName(c.damage);
    }
};

constexpr int kMinerals = 17; // entries of the shipped AdubosMinerais.txt
constexpr int kOrganics = 5;  // and of AdubosOrganicos.txt

class DamagedCatalogue : public testing::TestWithParam<Case> {};

TEST_P(DamagedCatalogue, OpensTheWindowWithOneMessageAndTheOtherTabsStillWork)
{
    const Case& c = GetParam();
    DataCopy data;
    if (!data.damage(c.file, c.damage))
        GTEST_SKIP() << "root reads every file";

    test::TestPlatform platform;
    auto owned = createWindowState(platform, data.dir);
    ASSERT_TRUE(owned);
    WindowState& w = *owned;

    // One message at most: the start-up's, shown by the window once it opens.
    EXPECT_TRUE(platform.messages.empty());
    if (c.message) {
        ASSERT_TRUE(w.startupError().has_value());
        EXPECT_EQ(*w.startupError(), c.message);
    } else {
        EXPECT_FALSE(w.startupError().has_value()) << *w.startupError();
    }

    // The catalogue keeps the rows read before the failure (at least its
    // one body row); the check list and the transfer are done only when
    // both files were read.
    const Grid& catalogue = w.grid("StgaAdubos");
    EXPECT_EQ(catalogue.rowCount(), std::max(2, c.catalogueRows + 1));
    EXPECT_EQ(catalogue.cell(0, 0), "Adubo");
    const Control& list = w.control("rCheckListBox1");
    if (c.message) {
        EXPECT_TRUE(list.items.empty());
    } else {
        ASSERT_EQ(list.items.size(), static_cast<std::size_t>(c.catalogueRows));
        for (int i = 0; i < c.catalogueRows; ++i)
            EXPECT_EQ(list.itemChecked[static_cast<std::size_t>(i)], i < 8) << i;
        EXPECT_EQ(w.grid("rStgaMeusAdubos").rowCount(), 1 + std::min(8, c.catalogueRows));
    }
    expectWorkbenchHeadings(w, c.message == nullptr);
    // The steps before the catalogue ran.
    EXPECT_EQ(w.grid("rstga1").shownText(0, 0), "Parcela");
    EXPECT_EQ(w.grid("stga1").shownText(1, 0), "Epoca (DAS)");
    EXPECT_FALSE(w.control("RichEdit2").items.empty());

    expectAnAnalysisIsLimedAndDosed(w);
    EXPECT_TRUE(platform.messages.empty());
    expectTheWorkbenchStillWorks(w, c.message == nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, DamagedCatalogue,
    testing::Values(
        // A missing or unreadable file, or a line that does not read, stops
        // the loading there.
        Case{"AdubosMinerais.txt", Damage::Missing, "File not found", 0},
        Case{"AdubosOrganicos.txt", Damage::Missing, "File not found", kMinerals},
        // An empty file is a catalogue without entries: reading its heading
        // line and finding its end meet no error (like a file of its heading
        // line alone).
        Case{"AdubosMinerais.txt", Damage::Empty, nullptr, kOrganics},
        Case{"AdubosOrganicos.txt", Damage::Empty, nullptr, kMinerals},
        Case{"AdubosMinerais.txt", Damage::TruncatedInANumber, "Invalid numeric input", 1},
        Case{"AdubosOrganicos.txt", Damage::TruncatedInANumber, "Invalid numeric input", kMinerals + 1},
        // Cut in a name, the last line is whole but for its name's end.
        Case{"AdubosMinerais.txt", Damage::TruncatedInAName, nullptr, 2 + kOrganics},
        Case{"AdubosOrganicos.txt", Damage::TruncatedInAName, nullptr, kMinerals + 2},
        Case{"AdubosMinerais.txt", Damage::Binary, "Invalid numeric input", 0},
        Case{"AdubosOrganicos.txt", Damage::Binary, "Invalid numeric input", kMinerals},
        Case{"AdubosMinerais.txt", Damage::RandomBytes, "Invalid numeric input", 0},
        Case{"AdubosOrganicos.txt", Damage::RandomBytes, "Invalid numeric input", kMinerals},
        Case{"AdubosMinerais.txt", Damage::Folder, "File access denied", 0},
        Case{"AdubosOrganicos.txt", Damage::Folder, "File access denied", kMinerals},
        Case{"AdubosMinerais.txt", Damage::Unreadable, "File access denied", 0},
        Case{"AdubosOrganicos.txt", Damage::Unreadable, "File access denied", kMinerals}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name = std::string(info.param.file).substr(6, 3) + "_" + damageName(info.param.damage);
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(DamagedCatalogue, TheLastLineCutInItsNameKeepsWhatWasThere)
{
    DataCopy data;
    ASSERT_TRUE(data.damage("AdubosMinerais.txt", Damage::TruncatedInAName));
    test::TestPlatform platform;
    auto w = createWindowState(platform, data.dir);
    EXPECT_EQ(w->grid("StgaAdubos").cell(0, 2), " Su");
    EXPECT_EQ(w->grid("StgaAdubos").cell(5, 2), "1,9000");
    EXPECT_EQ(w->grid("StgaAdubos").cell(0, 3), " Cama de aviário (3 a 4 lotes)");
}

TEST(DamagedCatalogue, BothFilesEmptyLeaveAnEmptyListAndAnEmptyWorkbench)
{
    DataCopy data;
    ASSERT_TRUE(data.damage("AdubosMinerais.txt", Damage::Empty));
    ASSERT_TRUE(data.damage("AdubosOrganicos.txt", Damage::Empty));
    test::TestPlatform platform;
    auto owned = createWindowState(platform, data.dir);
    WindowState& w = *owned;
    EXPECT_FALSE(w.startupError().has_value());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w.grid("StgaAdubos").rowCount(), 2);
    EXPECT_TRUE(w.control("rCheckListBox1").items.empty());
    EXPECT_EQ(w.grid("rStgaMeusAdubos").rowCount(), 1);
    expectWorkbenchHeadings(w, true);
    expectAnAnalysisIsLimedAndDosed(w);
    expectTheWorkbenchStillWorks(w, true);
}

// The spreadsheet template is read when the report is made, not at start-up:
// whatever became of it, the start-up runs whole, and the report's button
// shows the reading's failure and opens nothing.
struct TemplateCase {
    Damage damage;
    const char* message;
    friend std::ostream& operator<<(std::ostream& out, const TemplateCase& c)
    {
        return out << damageName(c.damage);
    }
};

class DamagedTemplate : public testing::TestWithParam<TemplateCase> {};

TEST_P(DamagedTemplate, StartsWithoutAMessageAndTheReportShowsTheFailure)
{
    const auto [damage, message] = GetParam();
    DataCopy data;
    if (!data.damage("ModeloRelatorio.xlsx", damage))
        GTEST_SKIP() << "root reads every file";
    test::TestPlatform platform;
    auto owned = createWindowState(platform, data.dir);
    WindowState& w = *owned;
    EXPECT_FALSE(w.startupError().has_value());
    expectWorkbenchHeadings(w, true);
    EXPECT_EQ(w.grid("rStgaMeusAdubos").rowCount(), 9);
    try {
        w.click("BitBtn108");
        ADD_FAILURE() << "the report was made";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), message);
    }
    EXPECT_TRUE(platform.openedDocuments.empty());
    EXPECT_TRUE(platform.messages.empty());
    expectAnAnalysisIsLimedAndDosed(w);
}

INSTANTIATE_TEST_SUITE_P(Startup, DamagedTemplate,
                         testing::Values(TemplateCase{Damage::Missing, "File not found"},
                                         TemplateCase{Damage::Empty, "Invalid file format"},
                                         TemplateCase{Damage::TruncatedHalf, "Invalid file format"},
                                         TemplateCase{Damage::Binary, "Invalid file format"},
                                         TemplateCase{Damage::RandomBytes, "Invalid file format"},
                                         TemplateCase{Damage::Folder, "File access denied"},
                                         TemplateCase{Damage::Unreadable, "File access denied"}),
                         [](const testing::TestParamInfo<TemplateCase>& info) {
                             std::string name = damageName(info.param.damage);
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

} // namespace
} // namespace bulbicalc
