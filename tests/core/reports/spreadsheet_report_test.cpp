// The spreadsheet report: the cells it writes, and the filled copy of the
// template read back by an independent reader (openpyxl).
#include "core/app/errors.h"
#include "core/reports/spreadsheet_report.h"
#include "reports_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace bulbicalc {
namespace {

using test::ReportsWindow;

const std::filesystem::path kTemplate =
    std::filesystem::path(BULBICALC_TEST_DATA_DIR) / "Auxiliares" / "ModeloRelatorio.xlsx";

// What the report writes, the last write of a cell winning.
std::map<std::string, std::string> writtenCells(const WindowState& window)
{
    std::map<std::string, std::string> cells;
    for (const CellWrite& w : spreadsheetCells(window))
        cells[w.cell] = w.text;
    return cells;
}

std::string run(const std::string& command)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get()))
        out.append(buffer, n);
    return out;
}

std::string reader()
{
    return "/usr/bin/python3 " + (std::filesystem::path(__FILE__).parent_path() / "read_xlsx.py").string();
}

// A workbook as openpyxl reads it: the values of the first worksheet, the
// style of each cell, the dimension and the parts of the archive.
struct Book {
    std::map<std::string, std::string> values;
    std::map<std::string, std::string> styles;
    std::string dimension;
    std::string entries;
};

Book readBook(const std::filesystem::path& path)
{
    Book book;
    std::istringstream lines(run(reader() + " cells '" + path.string() + "'"));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("!dimension ", 0) == 0) {
            book.dimension = line.substr(11);
        } else if (line.rfind("!entries ", 0) == 0) {
            book.entries = line.substr(9);
        } else if (line.rfind("!style ", 0) == 0) {
            const auto space = line.find(' ', 7);
            book.styles[line.substr(7, space - 7)] = line.substr(space + 1);
        } else if (const auto tab = line.find('\t'); tab != std::string::npos) {
            std::string value;
            for (std::size_t i = tab + 1; i + 1 < line.size(); i += 2)
                value += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
            book.values[line.substr(0, tab)] = value;
        }
    }
    return book;
}

// Fills the template for the window and reads the copy back. With
// BULBICALC_KEEP_REPORTS set to a folder a copy stays there, to look at.
Book filled(const WindowState& window, const std::string& name)
{
    const auto path = std::filesystem::temp_directory_path() / name;
    test::writeBytes(path, filledWorkbook(test::readBytes(kTemplate), spreadsheetCells(window)));
    Book book = readBook(path);
    if (const char* keep = std::getenv("BULBICALC_KEEP_REPORTS"))
        std::filesystem::copy_file(path, std::filesystem::path(keep) / name,
                                   std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(path);
    return book;
}

// Every write is read back: a text as it was written, an empty text as an
// empty cell.
void expectReadBack(const Book& book, const std::map<std::string, std::string>& cells)
{
    for (const auto& [cell, text] : cells) {
        if (text.empty())
            EXPECT_FALSE(book.values.contains(cell)) << cell;
        else
            EXPECT_EQ(book.values.contains(cell) ? book.values.at(cell) : "<none>", text) << cell;
    }
}

// The N split over ten parcelas, published: the recommendation has eleven
// columns.
void splitIntoTenParcelas(WindowState& window)
{
    window.spin("UpDown1", 10);
    for (int row = 5; row <= 10; ++row)
        window.editCell("rstga1", 1, row, std::to_string(90 + 10 * row));
    window.click("BitBtn29");
}

TEST(SpreadsheetCells, AWholeRecommendationWithPricesShown)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    const auto cells = writtenCells(t.window);
    const std::pair<const char*, const char*> expected[] = {
        {"B2", "João da Silva"},
        {"I2", "123.456.789-09"},
        {"B4", "Ituporanga"},
        {"I4", "SC"},
        {"H7", "2024/0815"},
        {"E8", "Classe 3"},
        {"B23", "0,8"},
        {"B24", "0,3"},
        {"H11", "2,56"},
        {"H12", "16,70"},
        {"H13", "2938,04"},
        {"H20", "44,5"},
        {"C27", "Sistema de transplante"},
        {"B28", "2,5"},
        {"B29", "40"},
        {"B31", "5,4"},
        {"F31", "75"},
        {"B32", "7,200"},
        {"F32", "18,000"},
        // The recommendation as the workbench shows it, titles included.
        {"A35", "Nutriente"},
        {"B35", "Par. 1"},
        {"E35", "Par. 4"},
        {"A36", "N"},
        {"B36", "21"},
        {"D36", "49"},
        {"B37", "230"},
        {"C38", ""},
        {"D38", "30"},
        {"B39", "60,0"},
        // The summary per parcela: nine rows with its title row, 40 to 48.
        {"A40", "Parcela"},
        {"D40", "Total (kg)"},
        {"B41", "Superfosfato triplo"},
        {"A48", "4"},
        {"D48", "194,5"},
        // Three rows untouched, then all fertilisers from row 52.
        {"A52", "Item"},
        {"D52", "R$/ha"},
        {"F52", "Total (R$)"},
        {"B55", "Ureia"},
        {"F55", "2295,10"},
        // Three rows untouched, then the observations from row 59.
        {"A59", "Observações:"},
        {"A60", "Recomendações"},
        {"A66", "Sobre a adubação de Manganes: Não há necessidade de suplementar Mn"},
    };
    for (const auto& [cell, text] : expected) {
        ASSERT_TRUE(cells.contains(cell)) << cell;
        EXPECT_EQ(cells.at(cell), text) << cell;
    }
    EXPECT_FALSE(cells.contains("F35")); // four parcelas: columns A to E
    for (const char* untouched : {"A49", "A50", "A51", "A56", "A57", "A58", "A67"})
        EXPECT_FALSE(cells.contains(untouched)) << untouched;
}

TEST(SpreadsheetCells, PricesHiddenPutTheTotalKilogramsInDAndEmptyEAndF)
{
    ReportsWindow t;
    test::fillWorkbenchSummaries(t.window);
    t.window.click("RadioButton24");
    const auto cells = writtenCells(t.window);
    EXPECT_EQ(cells.at("D52"), "Total (kg)");
    EXPECT_EQ(cells.at("D53"), "1250,0");
    EXPECT_EQ(cells.at("E53"), "");
    EXPECT_EQ(cells.at("F52"), "");
    EXPECT_EQ(cells.at("C53"), "500,0");
}

TEST(SpreadsheetCells, EachSystemAndTheBlocksFollowTheSummaries)
{
    ReportsWindow t;
    EXPECT_EQ(writtenCells(t.window).at("C27"), "Sistema de transplante");
    t.window.click("RadioButton11");
    EXPECT_EQ(writtenCells(t.window).at("C27"), "Sistema de Semeadura Direta");
    t.window.click("RadioButton20");
    // A summary per parcela of three rows below its title (R = 4).
    Grid& perParcela = t.window.grid("RstgaResumoParcela");
    perParcela.setRowCount(4);
    Grid& total = t.window.grid("rstgaResumoTotal");
    total.setRowCount(2);
    total.setCell(1, 1, "Ureia");
    t.window.click("BitBtn11");
    const auto cells = writtenCells(t.window);
    EXPECT_EQ(cells.at("C27"), "Sistema de Plantio Direto Consolidado");
    EXPECT_TRUE(cells.contains("D43"));
    EXPECT_FALSE(cells.contains("A44"));
    EXPECT_EQ(cells.at("B48"), "Ureia");
    // An empty recommendations text: "Observações:" and nothing below.
    EXPECT_EQ(cells.at("A52"), "Observações:");
    EXPECT_FALSE(cells.contains("A53"));
}

TEST(SpreadsheetCells, TenParcelasContinuePastColumnJ)
{
    ReportsWindow t;
    splitIntoTenParcelas(t.window);
    const auto cells = writtenCells(t.window);
    EXPECT_EQ(cells.at("J35"), "Par. 9");
    EXPECT_EQ(cells.at("K35"), "Par. 10");
    EXPECT_EQ(cells.at("A39"), "S");
    EXPECT_TRUE(cells.contains("K39"));
    EXPECT_FALSE(cells.contains("L35"));
    EXPECT_EQ(columnLetters(25), "Z");
    EXPECT_EQ(columnLetters(26), "AA");
    EXPECT_EQ(columnLetters(100), "CW");
}

// The letters of the largest column numbers overflowed an int (seen in review
// for workbook_filler_fuzz, which now checks every column number).
TEST(SpreadsheetCells, ColumnLettersOfEveryColumnNumber)
{
    EXPECT_EQ(columnLetters(0), "A");
    EXPECT_EQ(columnLetters(16383), "XFD");
    EXPECT_EQ(columnLetters(std::numeric_limits<int>::max()), "FXSHRXX");
    EXPECT_THROW(columnLetters(-1), std::invalid_argument);
}

TEST(SpreadsheetWorkbook, EveryTextReadsBackWithTheTemplateLabelsBesideIt)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    const auto cells = writtenCells(t.window);
    const Book book = filled(t.window, "bulbicalc-filled-full.xlsx");
    expectReadBack(book, cells);
    // The labels of the template stay beside the values.
    EXPECT_EQ(book.values.at("A2"), "Produtor:");
    EXPECT_EQ(book.values.at("H2"), "CPF:");
    EXPECT_EQ(book.values.at("A25"), "Fe (mg/dm³)");
    EXPECT_EQ(book.values.at("A34"), "Recomendação de adubação (kg/ha)");
    // The advice's carriage returns stay inside their cells.
    EXPECT_NE(book.values.at("A62").find("aplicando\r metade"), std::string::npos);
    EXPECT_EQ(book.dimension, "A1:J66");
    // A cell of the template keeps its style; a new one takes its column's.
    EXPECT_EQ(book.styles.at("B2"), "Arial 0 FFF7F7F2 @ left");
    EXPECT_EQ(book.styles.at("B36"), "Arial 0 FFF7F7F2 @ right");
    EXPECT_EQ(book.styles.at("B41"), "Arial 0 none @ left");
    EXPECT_EQ(book.styles.at("C41"), "Arial 0 none @ right");
}

TEST(SpreadsheetWorkbook, PricesHiddenTenParcelasAndAnEmptyRecommendationsText)
{
    ReportsWindow t;
    splitIntoTenParcelas(t.window);
    test::fillWorkbenchSummaries(t.window);
    t.window.click("RadioButton24");
    t.window.click("BitBtn11");
    const auto cells = writtenCells(t.window);
    const Book book = filled(t.window, "bulbicalc-filled-hidden.xlsx");
    expectReadBack(book, cells);
    EXPECT_EQ(book.values.at("K35"), "Par. 10");
    EXPECT_FALSE(book.values.contains("E53"));
    EXPECT_EQ(book.values.at("A59"), "Observações:");
    EXPECT_EQ(book.dimension, "A1:K59");
    // Past column J a cell takes the style of its row.
    EXPECT_EQ(book.styles.at("K35"), "Arial 1 none @ center");
}

TEST(SpreadsheetWorkbook, ControlCharactersAndEscapeLookalikesKeepTheBookReadable)
{
    ReportsWindow t;
    t.window.type("EdNomeProdutor", std::string("Nome\x01"
                                                "com controle"));
    t.window.type("EdLocal", " _x0041_ com brancos ");
    const Book book = filled(t.window, "bulbicalc-filled-control.xlsx");
    EXPECT_EQ(book.values.at("B2"), "Nome_x0001_com controle");
    EXPECT_EQ(book.values.at("B3"), " _x005F_x0041_ com brancos ");
}

TEST(SpreadsheetWorkbook, AnOverwrittenFormulaDropsTheCalculationChain)
{
    const auto withFormula = std::filesystem::temp_directory_path() / "bulbicalc-formula-template.xlsx";
    run(reader() + " with-formula '" + kTemplate.string() + "' '" + withFormula.string() + "'");
    ASSERT_NE(readBook(withFormula).entries.find("xl/calcChain.xml"), std::string::npos);
    const auto out = std::filesystem::temp_directory_path() / "bulbicalc-formula-filled.xlsx";
    test::writeBytes(out, filledWorkbook(test::readBytes(withFormula), {{"B2", "Fulano"}}));
    const Book book = readBook(out);
    EXPECT_EQ(book.values.at("B2"), "Fulano");
    EXPECT_EQ(book.entries.find("calcChain"), std::string::npos);
    std::filesystem::remove(withFormula);
    std::filesystem::remove(out);
}

TEST(SpreadsheetWorkbook, BytesThatAreNoWorkbookAreAnInvalidFormat)
{
    for (const std::string& bytes :
         {std::string(), std::string("PK\x03\x04 not really"), test::readBytes(kTemplate).substr(0, 2000)}) {
        try {
            filledWorkbook(bytes, {{"B2", "x"}});
            ADD_FAILURE() << "filled " << bytes.size() << " bytes";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "Invalid file format");
        }
    }
}

// A template made by read_xlsx.py from the shipped one (COMMAND, then its
// further arguments).
std::string madeTemplate(const std::string& command, const std::string& name, const std::string& more = "")
{
    const auto path = std::filesystem::temp_directory_path() / name;
    run(reader() + " " + command + " '" + kTemplate.string() + "' '" + path.string() + "' " + more);
    std::string bytes = test::readBytes(path);
    std::filesystem::remove(path);
    return bytes;
}

void expectInvalidFormat(const std::string& bytes, const char* what)
{
    ASSERT_FALSE(bytes.empty()) << what;
    try {
        filledWorkbook(bytes, {{"B2", "Fulano"}});
        ADD_FAILURE() << "filled " << what;
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Invalid file format") << what;
    }
}

// Found by workbook_filler_fuzz: when the worksheet came after every other
// part, libzip kept the unchanged start of the archive in the caller's bytes
// and freed them with its own (the template's std::string: a double free).
TEST(SpreadsheetWorkbook, AWorksheetAfterEveryOtherPartFillsAndLeavesTheTemplateAlone)
{
    const std::string bytes = madeTemplate("sheet-last", "bulbicalc-sheet-last.xlsx");
    ASSERT_FALSE(bytes.empty());
    const std::string before = bytes;
    const std::string filled = filledWorkbook(bytes, {{"B2", "Fulano"}});
    EXPECT_EQ(bytes, before);
    const auto out = std::filesystem::temp_directory_path() / "bulbicalc-sheet-last-filled.xlsx";
    test::writeBytes(out, filled);
    const Book book = readBook(out);
    std::filesystem::remove(out);
    EXPECT_EQ(book.values.at("B2"), "Fulano");
    EXPECT_EQ(book.values.at("A2"), "Produtor:");
}

// Found by workbook_filler_fuzz: a part was read only up to the size its
// archive claims, so its CRC was never checked; a cell naming another row
// than its own was written as the cell of its row. Seen in review
// beside them: a claim of 4 GB was allocated whole, and a cell address of many
// letters overflowed an int.
TEST(SpreadsheetWorkbook, DamagedPartsAreAnInvalidFormat)
{
    expectInvalidFormat(madeTemplate("damaged", "bulbicalc-damaged.xlsx"), "a wrong CRC");
    expectInvalidFormat(madeTemplate("huge-claim", "bulbicalc-huge-claim.xlsx"), "a worksheet claiming 4 GB");
    expectInvalidFormat(madeTemplate("replaced", "bulbicalc-long-address.xlsx",
                                     "'<c r=\"A2\"' '<c r=\"AAAAAAAAAAAAAAAAAAAA2\"'"),
                        "a cell address of twenty letters");
    // A cell in row 2 that names row 3 was taken for the cell of its column
    // in row 2, and written there.
    expectInvalidFormat(madeTemplate("replaced", "bulbicalc-other-row.xlsx", "'<c r=\"A2\"' '<c r=\"A3\"'"),
                        "a cell naming another row");
}

// Found by workbook_filler_fuzz: a carriage return that the template holds
// (as a character reference) came out raw, and read as a line feed; and a
// U+FFFF that it holds came out as a carriage return, since U+FFFF marked the
// written ones. Both stay as they are, filled once or twice.
TEST(SpreadsheetWorkbook, WhatTheTemplateHoldsBesideTheWrittenCellsStays)
{
    const std::string bytes = madeTemplate("replaced", "bulbicalc-template-cr.xlsx",
                                           "'<t>Produtor:</t>' '<t>Produtor:&#13;</t>'"
                                           " '<t>CPF:</t>' '<t>&#xFFFF;CPF:</t>'");
    ASSERT_FALSE(bytes.empty());
    const auto once = std::filesystem::temp_directory_path() / "bulbicalc-template-cr-once.xlsx";
    const auto twice = std::filesystem::temp_directory_path() / "bulbicalc-template-cr-twice.xlsx";
    test::writeBytes(once, filledWorkbook(bytes, {{"B2", "Fulano\r"}}));
    test::writeBytes(twice, filledWorkbook(test::readBytes(once), {{"B2", "Fulano\r"}}));
    for (const auto& path : {once, twice}) {
        const std::string sheet = run(reader() + " part '" + path.string() + "' xl/worksheets/sheet1.xml");
        const auto hex = [](const std::string& text) {
            std::string out;
            char digits[3];
            for (unsigned char c : text) {
                std::snprintf(digits, sizeof digits, "%02x", c);
                out += digits;
            }
            return out;
        };
        EXPECT_NE(sheet.find(hex("<t>Produtor:&#13;</t>")), std::string::npos) << path;
        EXPECT_NE(sheet.find(hex("<t>\xEF\xBF\xBF"
                                 "CPF:</t>")),
                  std::string::npos)
            << path;
        EXPECT_NE(sheet.find(hex(">Fulano&#13;</t>")), std::string::npos) << path;
        std::filesystem::remove(path);
    }
}

class SpreadsheetButton : public testing::Test {
protected:
    test::TemporaryFolder folder;

    void SetUp() override
    {
        std::filesystem::create_directories(folder.path / "Auxiliares");
        std::filesystem::copy_file(kTemplate, folder.path / "Auxiliares" / "ModeloRelatorio.xlsx");
    }
};

TEST_F(SpreadsheetButton, FillsACopyInANewFolderAndLeavesTheTemplateAlone)
{
    ReportsWindow t(folder.path);
    test::enterFullRecommendation(t);
    const auto templatePath = folder.path / "Auxiliares" / "ModeloRelatorio.xlsx";
    const std::string before = test::readBytes(templatePath);
    t.window.click("BitBtn108");
    t.window.click("BitBtn108");
    EXPECT_EQ(test::readBytes(templatePath), before);
    ASSERT_EQ(t.platform.openedDocuments.size(), 2u);
    const auto& first = t.platform.openedDocuments[0];
    const auto& second = t.platform.openedDocuments[1];
    EXPECT_EQ(first.filename(), "ModeloRelatorio.xlsx");
    EXPECT_NE(first.parent_path(), second.parent_path());
    EXPECT_NE(first.parent_path(), templatePath.parent_path());
    expectReadBack(readBook(first), writtenCells(t.window));
    for (const auto& path : t.platform.openedDocuments)
        std::filesystem::remove_all(path.parent_path());
}

TEST_F(SpreadsheetButton, AMissingOrDamagedTemplateOpensNothing)
{
    ReportsWindow t(folder.path);
    const auto templatePath = folder.path / "Auxiliares" / "ModeloRelatorio.xlsx";
    test::writeBytes(templatePath, "this is no workbook");
    try {
        t.window.click("BitBtn108");
        FAIL() << "filled a damaged template";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Invalid file format");
    }
    std::filesystem::remove(templatePath);
    try {
        t.window.click("BitBtn108");
        FAIL() << "filled a missing template";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_TRUE(t.platform.openedDocuments.empty());
}

} // namespace
} // namespace bulbicalc
