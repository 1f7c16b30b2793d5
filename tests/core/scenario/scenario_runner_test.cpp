#include "scenario/scenario_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace bulbicalc {
namespace {

TEST(ScenarioStatements, SplitIntoBareAndQuotedWords)
{
    EXPECT_EQ(splitStatement("type EdMO \"2,0\""), (std::vector<std::string>{"type", "EdMO", "2,0"}));
    EXPECT_EQ(splitStatement("  cell  rstga1 2 1   15 "),
              (std::vector<std::string>{"cell", "rstga1", "2", "1", "15"}));
    EXPECT_EQ(splitStatement(R"(expect X "a \"b\" \\ \r\n" "")"),
              (std::vector<std::string>{"expect", "X", "a \"b\" \\ \r\n", ""}));
    EXPECT_EQ(splitStatement("expect X \" blanks kept \""),
              (std::vector<std::string>{"expect", "X", " blanks kept "}));
    EXPECT_THROW(splitStatement("expect X \"open"), std::invalid_argument);
    EXPECT_THROW(splitStatement(R"(expect X "\t")"), std::invalid_argument);
}

class ScenarioRun : public testing::Test {
protected:
    std::filesystem::path dir;

    // CTest runs the cases in parallel: each gets a folder of its own.
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("bulbicalc-runner-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Runs the text as a scenario; returns the failures and keeps the report.
    int run(const std::string& text)
    {
        const auto file = dir / "case.scn";
        std::ofstream(file, std::ios::binary) << text;
        report.str("");
        ScenarioOptions options;
        options.defaultDataDir = BULBICALC_TEST_DATA_DIR;
        return runScenarioFile(file, options, report);
    }

    std::ostringstream report;
};

TEST_F(ScenarioRun, PassingExpectationsReportNothing)
{
    EXPECT_EQ(run("# comment\n\nexpect EdArea \"1,0\"\r\nexpect-size rstga1 4 5\n"), 0);
    EXPECT_EQ(report.str(), "");
}

TEST_F(ScenarioRun, AFailureNamesTheFileAndLine)
{
    EXPECT_EQ(run("expect EdArea \"1,0\"\nexpect EdArea \"2,0\"\n"), 1);
    EXPECT_NE(report.str().find("case.scn:2: EdArea holds \"1,0\", expected \"2,0\""), std::string::npos)
        << report.str();
}

TEST_F(ScenarioRun, ExpectingAnErrorThatDidNotHappenFails)
{
    EXPECT_EQ(run("spin UpDown1 6\nexpect Edit17 6\nexpect-error \"x\"\n"), 1);
    EXPECT_NE(report.str().find("case.scn:3: no error box"), std::string::npos) << report.str();
}

TEST_F(ScenarioRun, UnknownStatementsAndControlsFail)
{
    EXPECT_EQ(run("frobnicate EdArea\nexpect NoSuchField x\nclick BitBtn1\n"), 3);
    EXPECT_NE(report.str().find("case.scn:1: unsupported statement frobnicate"), std::string::npos);
    EXPECT_NE(report.str().find("case.scn:2: there is no control named NoSuchField"), std::string::npos);
    EXPECT_NE(report.str().find("case.scn:3: unsupported"), std::string::npos);
}

TEST_F(ScenarioRun, KeysGoThroughTheKeyRulesAndTheEnterChain)
{
    EXPECT_EQ(run("keys EdSMP \"4.5\"\nexpect EdSMP \"4,5\"\n"
                  "keys EdNomeProdutor \"Ana\\r123\\r\"\nexpect EdNomeProdutor Ana\n"
                  "expect mkEdCPF \"123.   .   -  \"\n"),
              0)
        << report.str();
}

TEST_F(ScenarioRun, SetUpStatementsComeFirst)
{
    EXPECT_EQ(run("expect EdArea \"1,0\"\ntoday 01/01/2022\n"), 1);
    EXPECT_NE(report.str().find("case.scn:2: today must come before the first action"), std::string::npos)
        << report.str();
}

TEST_F(ScenarioRun, AMissingFileIsReported)
{
    ScenarioOptions options;
    EXPECT_EQ(runScenarioFile(dir / "absent.scn", options, report), 1);
    EXPECT_NE(report.str().find("absent.scn:0: cannot open"), std::string::npos);
}

} // namespace
} // namespace bulbicalc
