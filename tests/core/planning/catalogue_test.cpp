#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/text_encoding.h"
#include "core/planning/catalogue.h"
#include "planning_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::DataFolder;
using test::PlanningWindow;

// The bytes of a literal, NUL bytes included.
template <std::size_t N> std::string bytes(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}

struct LineCase {
    const char* label;
    CatalogueKind kind;
    std::string bytes; // a heading line, then the entry
    std::string name;
    double n, p2o5, k2o, s, pricePerKg;
};

TEST(CatalogueLines, ReadTheirNumbersAndKeepTheNameAsStored)
{
    const LineCase cases[] = {
        {"mineral, CR LF", CatalogueKind::Mineral, "N P K S R$ Adubo\r\n45 0 0 0 150 Ureia\r\n", " Ureia", 45,
         0, 0, 0, 3},
        {"organic, tonne price", CatalogueKind::Organic, "x\r\n3.2 3.5 2.5 120 Cama de aviário\r\n",
         " Cama de aviário", 3.2, 3.5, 2.5, 0, 0.12},
        {"leading blanks and tabs", CatalogueKind::Mineral, "x\n   20\t0 \t 0\t22   95.5\tSulfato\n",
         "\tSulfato", 20, 0, 0, 22, 1.91},
        {"blanks of the name kept", CatalogueKind::Mineral, "x\n1 2 3 4 5   A  b  \n", "   A  b  ", 1, 2, 3,
         4, 0.1},
        {"LF only, no line end at the last line", CatalogueKind::Organic, "x\n1 2 3 1000 Composto",
         " Composto", 1, 2, 3, 0, 1},
        {"sign, exponent, bare point", CatalogueKind::Mineral, "x\n+1.5e1 -0 .5 5. 2.5E2 Z\n", " Z", 15, 0,
         0.5, 5, 5},
        {"no name", CatalogueKind::Mineral, "x\n1 2 3 4 50\n", "", 1, 2, 3, 4, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const CatalogueRead read = readCatalogue(c.bytes, c.kind);
        EXPECT_EQ(read.error, "");
        ASSERT_EQ(read.entries.size(), 1u);
        const Adubo& a = read.entries[0];
        EXPECT_EQ(a.name, c.name);
        EXPECT_DOUBLE_EQ(a.n, c.n);
        EXPECT_DOUBLE_EQ(a.p2o5, c.p2o5);
        EXPECT_DOUBLE_EQ(a.k2o, c.k2o);
        EXPECT_DOUBLE_EQ(a.s, c.s);
        EXPECT_DOUBLE_EQ(a.pricePerKg, c.pricePerKg);
    }
}

TEST(CatalogueLines, TheHeadingIsIgnoredAndBlankLinesAreSkipped)
{
    const CatalogueRead read =
        readCatalogue("45 0 0 0 150 not an entry\r\n\r\n1 0 0 0 50 A\r\n  \t \r\n2 0 0 0 50 B\r\n\r\n\r\n",
                      CatalogueKind::Mineral);
    EXPECT_EQ(read.error, "");
    ASSERT_EQ(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[0].name, " A");
    EXPECT_EQ(read.entries[1].name, " B");
    EXPECT_TRUE(readCatalogue("N P K R$ Adubo\r\n", CatalogueKind::Organic).entries.empty());
    EXPECT_TRUE(readCatalogue("", CatalogueKind::Organic).entries.empty());
}

TEST(CatalogueLines, AMalformedLineStopsTheFileAndKeepsTheLinesBefore)
{
    struct Case {
        const char* label;
        CatalogueKind kind;
        const char* line;
    };
    const Case cases[] = {
        {"decimal comma", CatalogueKind::Mineral, "17,25 0 0 0 100 X"},
        {"a word for a number", CatalogueKind::Mineral, "45 0 0 zero 100 X"},
        {"fewer numbers than a mineral line has", CatalogueKind::Mineral, "45 0 0 0"},
        {"the name where the price belongs", CatalogueKind::Mineral, "45 0 0 0 Ureia"},
        {"fewer numbers than an organic line has", CatalogueKind::Organic, "3 3 3"},
        {"a number glued to the name", CatalogueKind::Organic, "3 3 3 100Cama"},
        {"thousands separator", CatalogueKind::Organic, "3 3 3 1,200 Cama"},
        {"two points", CatalogueKind::Organic, "3 3 3 1.2.0 Cama"},
        {"too large", CatalogueKind::Organic, "3 3 3 1e999 Cama"},
        {"sign alone", CatalogueKind::Organic, "3 - 3 100 Cama"},
        {"exponent without digits", CatalogueKind::Organic, "3 3e 3 100 Cama"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string first = c.kind == CatalogueKind::Mineral ? "1 2 3 4 50 A" : "1 2 3 1000 A";
        const CatalogueRead read =
            readCatalogue("heading\r\n" + first + "\r\n" + c.line + "\r\n" + first + "\r\n", c.kind);
        EXPECT_EQ(read.error, "Invalid numeric input");
        ASSERT_EQ(read.entries.size(), 1u);
        EXPECT_EQ(read.entries[0].name, " A");
    }
}

TEST(CatalogueFiles, WindowsAnsiIsTheEncodingAndUtf8IsRecognised)
{
    // "Cloreto de potássio" in Windows-1252: á is the byte 0xE1.
    const CatalogueRead ansi =
        readCatalogue("x\r\n0 0 60 0 145 Cloreto de pot\xE1ssio\r\n", CatalogueKind::Mineral);
    ASSERT_EQ(ansi.entries.size(), 1u);
    EXPECT_EQ(ansi.entries[0].name, " Cloreto de potássio");
    // The same file saved as UTF-8 by an editor, with a character that
    // Windows-1252 lacks.
    const CatalogueRead utf8 =
        readCatalogue("x\n0 0 60 0 145 Cloreto de potássio ✓\n", CatalogueKind::Mineral);
    ASSERT_EQ(utf8.entries.size(), 1u);
    EXPECT_EQ(utf8.entries[0].name, " Cloreto de potássio ✓");
    // A heading in UTF-8 and a name in Windows-1252 is not UTF-8 as a whole.
    const CatalogueRead mixed =
        readCatalogue("Adubos minerais – preços\n0 0 60 0 145 pot\xE1ssio\n", CatalogueKind::Mineral);
    ASSERT_EQ(mixed.entries.size(), 1u);
    EXPECT_EQ(mixed.entries[0].name, " potássio");
}

// Found by catalogue_fuzz: the bytes C1 B6, an overlong form of "v", passed
// for UTF-8, so the name kept two bytes that are no UTF-8. A file with an
// overlong form, a surrogate or a value above U+10FFFF is no UTF-8 and reads
// as Windows-1252, and every name read is valid UTF-8.
TEST(CatalogueFiles, OverlongFormsAndSurrogatesAreNoUtf8)
{
    for (const std::string& odd : {std::string("\xC1\xB6"), std::string("\xED\xA0\x80"),
                                   std::string("\xF4\x90\x80\x80"), std::string("\xE0\x80\xAF")}) {
        const CatalogueRead read =
            readCatalogue("x\n0 0 60 0 145 pot\xC3\xA1ssio " + odd + "\n", CatalogueKind::Mineral);
        ASSERT_EQ(read.entries.size(), 1u);
        EXPECT_EQ(read.entries[0].name, " pot\xC3\x83\xC2\xA1ssio " + windows1252ToUtf8(odd));
    }
}

TEST(CatalogueFiles, AFileThatIsNotTextIsRefused)
{
    // A picture or a UTF-16 file: NUL bytes, no lines of numbers.
    const std::string png = bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10");
    EXPECT_EQ(readCatalogue(png, CatalogueKind::Mineral).error, "Invalid numeric input");
    const std::string utf16 = bytes("N\0 \0P\0\r\0\n\0"
                                    "4\0"
                                    "5\0 \0");
    EXPECT_EQ(readCatalogue(utf16, CatalogueKind::Organic).error, "Invalid numeric input");
    // Without a line break all of it is the heading: nothing to read.
    const CatalogueRead oneLine = readCatalogue("\x89\xFE\x01garbage", CatalogueKind::Mineral);
    EXPECT_EQ(oneLine.error, "");
    EXPECT_TRUE(oneLine.entries.empty());
}

TEST(CatalogueDisplay, WholeContentsWithoutDecimalsOthersWithOne)
{
    const std::pair<double, const char*> cases[] = {
        {45, "45"}, {0, "0"},       {15.5, "15,5"}, {17.25, "17,3"}, {0.04, "0,0"},
        {-2, "-2"}, {-0.5, "-0,5"}, {9.96, "10,0"}, {100, "100"},    {1e-9, "0,0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(contentText(value), text) << value;
}

TEST(CatalogueLoading, FillsTheGridTheListAndTheWorkbench)
{
    DataFolder data;
    data.write("AdubosMinerais.txt", "N P K S R$ Adubo\r\n45 0 0 0 150 Ureia\r\n0 18 0 11 92 Superfosfato\r\n"
                                     "0 0 58 0 145 Cloreto\r\n");
    data.write("AdubosOrganicos.txt", "N P K R$/t Adubo\n3.2 3.5 2.5 120 Cama\n17.25 0 0 1000 Composto\n");
    PlanningWindow t(data.dir);
    WindowState& w = t.window;
    loadCatalogues(w);

    const Grid& catalogue = w.grid("StgaAdubos");
    ASSERT_EQ(catalogue.rowCount(), 6);
    EXPECT_EQ(t.row("StgaAdubos", 0, 6),
              (std::vector<std::string>{"Adubo", "N(%)", "P2O5(%)", "K2O(%)", "S(%)", "R$"}));
    EXPECT_EQ(t.row("StgaAdubos", 1, 6), (std::vector<std::string>{" Ureia", "45", "0", "0", "0", "3,0000"}));
    EXPECT_EQ(t.row("StgaAdubos", 2, 6),
              (std::vector<std::string>{" Superfosfato", "0", "18", "0", "11", "1,8400"}));
    EXPECT_EQ(t.row("StgaAdubos", 4, 6),
              (std::vector<std::string>{" Cama", "3,2", "3,5", "2,5", "0", "0,1200"}));
    EXPECT_EQ(t.row("StgaAdubos", 5, 6),
              (std::vector<std::string>{" Composto", "17,3", "0", "0", "0", "1,0000"}));

    // Five entries in all: every one is ticked and on the workbench.
    const Control& list = w.control("rCheckListBox1");
    EXPECT_EQ(list.items,
              (std::vector<std::string>{" Ureia", " Superfosfato", " Cloreto", " Cama", " Composto"}));
    EXPECT_EQ(list.itemChecked, std::vector<bool>(5, true));
    const Grid& mine = t.fertilisers();
    ASSERT_EQ(mine.rowCount(), 6);
    EXPECT_EQ(mine.fixedRows(), 0);
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(t.row("rStgaMeusAdubos", row, 6), t.row("StgaAdubos", row, 6)) << row;
    for (int col = 6; col < mine.colCount(); ++col)
        EXPECT_EQ(mine.cell(col, 1), "") << col;
}

TEST(CatalogueLoading, TicksTheFirstEightOfALongerCatalogue)
{
    DataFolder data;
    std::string minerals = "heading\r\n";
    for (int i = 1; i <= 12; ++i)
        minerals += std::to_string(i) + " 0 0 0 50 Adubo " + std::to_string(i) + "\r\n";
    data.write("AdubosMinerais.txt", minerals);
    data.write("AdubosOrganicos.txt", "N P K R$/t Adubo\r\n");
    PlanningWindow t(data.dir);
    loadCatalogues(t.window);
    EXPECT_EQ(t.window.grid("StgaAdubos").rowCount(), 13);
    std::vector<bool> ticks(12, false);
    std::fill(ticks.begin(), ticks.begin() + 8, true);
    EXPECT_EQ(t.window.control("rCheckListBox1").itemChecked, ticks);
    ASSERT_EQ(t.fertilisers().rowCount(), 9);
    EXPECT_EQ(t.fertilisers().cell(0, 8), " Adubo 8");
    EXPECT_EQ(t.fertilisers().cell(1, 8), "8");
}

TEST(CatalogueLoading, AFailureKeepsTheRowsReadAndSkipsTheListAndTheTransfer)
{
    struct Case {
        const char* label;
        const char* minerals; // nullptr: no file
        const char* organics;
        const char* message;
        int rowsRead;
    };
    const Case cases[] = {
        {"no mineral file", nullptr, "h\n1 1 1 100 Cama\n", "File not found", 0},
        {"no organic file", "h\n45 0 0 0 150 Ureia\n1 0 0 0 50 B\n", nullptr, "File not found", 2},
        {"a decimal comma in the organic file", "h\n45 0 0 0 150 Ureia\n",
         "h\n1 1 1 100 Cama\n1,5 1 1 100 Torta\n", "Invalid numeric input", 2},
        {"a short mineral line", "h\n45 0 0 0 150 Ureia\n20 0 0\n", "h\n1 1 1 100 Cama\n",
         "Invalid numeric input", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder data;
        if (c.minerals)
            data.write("AdubosMinerais.txt", c.minerals);
        if (c.organics)
            data.write("AdubosOrganicos.txt", c.organics);
        PlanningWindow t(data.dir);
        try {
            loadCatalogues(t.window);
            ADD_FAILURE() << "the catalogue loaded";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        const Grid& catalogue = t.window.grid("StgaAdubos");
        EXPECT_EQ(catalogue.rowCount(), std::max(2, c.rowsRead + 1));
        if (c.rowsRead > 0) {
            EXPECT_EQ(catalogue.cell(0, 1), " Ureia");
        }
        EXPECT_TRUE(t.window.control("rCheckListBox1").items.empty());
        EXPECT_EQ(t.fertilisers().rowCount(), 5);
        EXPECT_EQ(t.fertilisers().fixedRows(), 1);
    }
}

TEST(CatalogueLoading, AFolderInPlaceOfTheFileCannotBeRead)
{
    DataFolder data;
    std::filesystem::create_directories(data.dir / "Auxiliares" / "AdubosMinerais.txt");
    PlanningWindow t(data.dir);
    try {
        loadCatalogues(t.window);
        FAIL() << "a folder read as a catalogue";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "File access denied");
    }
}

// The catalogue that ships with the program: every line reads, and the
// default selection has sources of N, P2O5, K2O and S.
TEST(ShippedCatalogue, ReadsWholeAndItsDefaultSelectionCoversEveryNutrient)
{
    PlanningWindow t;
    loadCatalogues(t.window);
    const Grid& catalogue = t.window.grid("StgaAdubos");
    const int entries = catalogue.rowCount() - 1;
    EXPECT_GE(entries, 20);
    for (int row = 1; row <= entries; ++row) {
        SCOPED_TRACE(catalogue.cell(0, row));
        const std::string& name = catalogue.cell(0, row);
        ASSERT_GE(name.size(), 2u);
        EXPECT_EQ(name[0], ' ');
        EXPECT_NE(name[1], ' ');
        EXPECT_GT(parseNumber(catalogue.cell(5, row)), 0);
        double sum = 0;
        for (int col = 1; col <= 4; ++col)
            sum += parseNumber(catalogue.cell(col, row));
        EXPECT_GT(sum, 0);
        EXPECT_LE(sum, 100);
    }
    ASSERT_EQ(t.fertilisers().rowCount(), 9);
    for (int col = 1; col <= 4; ++col) {
        bool supplied = false;
        for (int row = 1; row <= 8; ++row)
            supplied = supplied || parseNumber(t.fertilisers().cell(col, row)) > 0;
        EXPECT_TRUE(supplied) << "no source of nutrient " << col << " among the first eight";
    }
}

} // namespace
} // namespace bulbicalc
