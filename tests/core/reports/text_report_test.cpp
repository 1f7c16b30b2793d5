// The text report: its bytes for a whole recommendation, the writing rules of
// its grid rows, and writing and showing the file.
#include "core/app/errors.h"
#include "core/app/text_encoding.h"
#include "core/reports/text_report.h"
#include "reports_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using test::ReportsWindow;

// Set BULBICALC_WRITE_GOLDEN=1 to write the golden files from the program
// (to look at them, never to make a test pass).
void compareWithGolden(const std::string& bytes, const std::string& name)
{
    const auto golden = test::goldenFolder() / name;
    if (std::getenv("BULBICALC_WRITE_GOLDEN"))
        test::writeBytes(golden, bytes);
    ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
    EXPECT_EQ(bytes, test::readBytes(golden)) << name;
}

TEST(TextReport, AWholeRecommendationWithPricesShown)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    compareWithGolden(textReport(t.window), "text_report_full.txt");
}

TEST(TextReport, AWholeRecommendationWithPricesHidden)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    t.window.click("RadioButton24");
    compareWithGolden(textReport(t.window), "text_report_prices_hidden.txt");
}

// The scenario text_report_recommendation.scn types the same recommendation
// through the runner and compares with the same golden file.
TEST(TextReport, AWholeRecommendationWithoutTheWorkbench)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    compareWithGolden(textReport(t.window), "text_report_no_workbench.txt");
}

TEST(TextReport, RightAfterStartUp)
{
    ReportsWindow t;
    compareWithGolden(textReport(t.window), "text_report_startup.txt");
}

// The lines of the report from the one that starts with `first`, as UTF-8.
std::vector<std::string> linesFrom(const std::string& report, const std::string& first, std::size_t count)
{
    std::vector<std::string> lines;
    const std::string text = windows1252ToUtf8(report);
    std::size_t at = text.find("\r\n" + first);
    if (at == std::string::npos)
        return lines;
    at += 2;
    while (lines.size() < count && at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST(TextReport, LongCellsAreWrittenWholeAndPotashAndSulphurAreCutAt15)
{
    ReportsWindow t;
    Grid& table = t.window.grid("rstga3");
    table.setRowCount(2);
    table.setCell(0, 1, "1");
    table.setCell(1, 1, "Plantio");
    table.setCell(2, 1, "12345678901234567");
    table.setCell(3, 1, "230");
    table.setCell(4, 1, "K2O que não cabe");
    table.setCell(5, 1, "enxofre sem fim, cortado");
    Grid& perParcela = t.window.grid("RstgaResumoParcela");
    perParcela.setRowCount(2);
    perParcela.setCell(0, 1, "1");
    perParcela.setCell(1, 1, "Fertilizante de nome muito comprido 1234"); // 40 characters
    perParcela.setCell(2, 1, "12,5");
    perParcela.setCell(3, 1, "31,3");
    const std::string report = textReport(t.window);
    EXPECT_EQ(linesFrom(report, "1          Plantio", 1),
              std::vector<std::string>{"1          Plantio         12345678901234567230             "
                                       "K2O que não cab enxofre sem fim"});
    EXPECT_EQ(linesFrom(report, "1        Fertilizante", 1),
              std::vector<std::string>{
                  "1        Fertilizante de nome muito comprido 123412,5         31,3         "});
}

TEST(TextReport, RecommendationsTextLinesAfterTheFirstStartWithABlank)
{
    ReportsWindow t;
    t.window.typeLines("Memo3", {"Recomendações", "A", "B"});
    const std::string report = textReport(t.window);
    EXPECT_EQ(report.substr(report.size() - 25), "\r\nRecomenda\xE7\xF5"
                                                 "es\r\n A\r\n B\r\n");
    t.window.click("BitBtn11");
    const std::string cleared = textReport(t.window);
    // Nothing after the empty line that closes the costs.
    EXPECT_EQ(cleared.substr(cleared.size() - 8), " R$ \r\n\r\n");
}

TEST(TextReport, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    ReportsWindow t;
    t.window.type("EdNomeProdutor", "Zoë ✓ Ωmega");
    const std::string report = textReport(t.window);
    EXPECT_NE(report.find("Nome: Zo\xEB ? ?mega   CPF:"), std::string::npos);
}

TEST(TextReportFile, IsWrittenIntoTheWorkingDirectoryAndShown)
{
    test::TemporaryFolder folder;
    test::WorkingDirectory cwd(folder.path);
    ReportsWindow t;
    test::enterFullRecommendation(t);
    t.window.click("BitBtn80");
    const auto path = folder.path / "RelBulbicalc.txt";
    EXPECT_EQ(test::readBytes(path), textReport(t.window));
    ASSERT_EQ(t.platform.openedDocuments.size(), 1u);
    EXPECT_TRUE(std::filesystem::equivalent(t.platform.openedDocuments.front(), path));
    // A second click replaces the file without a question.
    t.window.type("EdNomeProdutor", "Outro");
    t.window.click("BitBtn80");
    EXPECT_EQ(test::readBytes(path), textReport(t.window));
    EXPECT_EQ(t.platform.openedDocuments.size(), 2u);
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(TextReportFile, AReportThatCannotBeWrittenStartsNoViewer)
{
    test::TemporaryFolder folder;
    test::WorkingDirectory cwd(folder.path);
    std::filesystem::create_directory(folder.path / "RelBulbicalc.txt");
    ReportsWindow t;
    try {
        t.window.click("BitBtn80");
        FAIL() << "written over a folder";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
    }
    EXPECT_TRUE(t.platform.openedDocuments.empty());
}

} // namespace
} // namespace bulbicalc
