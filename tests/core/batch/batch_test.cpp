#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "core/app/recording_platform.h"
#include "core/app/window_state.h"
#include "core/program/program.h"
#include "core/reports/file_access.h"
#include "core/reports/pdf_report.h"
#include "core/reports/spreadsheet_report.h"
#include "core/reports/text_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

namespace fs = std::filesystem;

// ---- The command line ----

struct LineCase {
    std::vector<std::string> arguments;
    CommandLine::Kind kind;
    bool text, pdf, spreadsheet, bags;
    std::vector<std::string> inputs;
};

TEST(BatchCommandLine, ReadsOptionsAndFilesInAnyOrder)
{
    using K = CommandLine::Kind;
    const LineCase cases[] = {
        {{"a.txt"}, K::Run, false, true, false, false, {"a.txt"}},
        {{"--txt", "a.txt", "b.txt"}, K::Run, true, false, false, false, {"a.txt", "b.txt"}},
        {{"a.txt", "--xlsx", "--pdf", "--sacos"}, K::Run, false, true, true, true, {"a.txt"}},
        {{"--", "--txt"}, K::Run, false, true, false, false, {"--txt"}},
        {{"-"}, K::Run, false, true, false, false, {"-"}},
        {{}, K::UsageError, false, false, false, false, {}},
        {{"--txt"}, K::UsageError, false, false, false, false, {}},
        {{"--pfd", "a.txt"}, K::UsageError, false, false, false, false, {}},
        {{"--txt=sim", "a.txt"}, K::UsageError, false, false, false, false, {}},
        {{"a.txt", "--saida"}, K::UsageError, false, false, false, false, {}},
        {{"--saida=", "a.txt"}, K::UsageError, false, false, false, false, {}},
        {{"--ajuda", "--pfd"}, K::Print, false, false, false, false, {}},
        {{"-h"}, K::Print, false, false, false, false, {}},
        {{"--version"}, K::Print, false, false, false, false, {}},
    };
    for (const LineCase& c : cases) {
        const CommandLine line = readCommandLine(c.arguments);
        std::string joined;
        for (const auto& a : c.arguments)
            joined += a + " ";
        ASSERT_EQ(line.kind, c.kind) << joined;
        if (c.kind == K::UsageError) {
            EXPECT_EQ(line.text.rfind("bulbicalc-lote: ", 0), 0u) << joined;
            continue;
        }
        if (c.kind == K::Print)
            continue;
        EXPECT_EQ(line.options.text, c.text) << joined;
        EXPECT_EQ(line.options.pdf, c.pdf) << joined;
        EXPECT_EQ(line.options.spreadsheet, c.spreadsheet) << joined;
        EXPECT_EQ(line.options.wholeBags, c.bags) << joined;
        std::vector<std::string> inputs;
        for (const auto& p : line.options.inputs)
            inputs.push_back(p.string());
        EXPECT_EQ(inputs, c.inputs) << joined;
    }
}

TEST(BatchCommandLine, TakesValuesInBothForms)
{
    const CommandLine a = readCommandLine({"--saida=out dir", "--tecnico", "Eng. Ana, CREA 12", "x.txt"});
    ASSERT_EQ(a.kind, CommandLine::Kind::Run);
    EXPECT_EQ(a.options.outputDir, fs::path("out dir"));
    EXPECT_EQ(a.options.technician, "Eng. Ana, CREA 12");
    const CommandLine b = readCommandLine({"--catalogo", "/opt/cat", "x.txt"});
    EXPECT_EQ(b.options.catalogueDir, fs::path("/opt/cat"));
    // The PRNT as the field takes it: a decimal point is a comma.
    EXPECT_EQ(readCommandLine({"--prnt", "87.5", "x.txt"}).options.prnt, "87,5");
    EXPECT_EQ(readCommandLine({"--prnt=85", "x.txt"}).options.prnt, "85");
    for (const char* bad : {"0", "-5", "abc", ""})
        EXPECT_EQ(readCommandLine({"--prnt", bad, "x.txt"}).kind, CommandLine::Kind::UsageError) << bad;
    EXPECT_NE(readCommandLine({"--version"}).text.find("1.0"), std::string::npos);
    EXPECT_NE(readCommandLine({"--ajuda"}).text.find("--sacos"), std::string::npos);
}

// ---- Analysis files made by the save command ----

class BatchRun : public testing::Test {
protected:
    fs::path dir;

    void SetUp() override
    {
        dir =
            fs::temp_directory_path() /
            ("bulbicalc-batch-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "in");
        fs::create_directories(dir / "user" / "Laudos");
    }
    void TearDown() override { fs::remove_all(dir); }

    DataFolders folders() const { return DataFolders{BULBICALC_TEST_DATA_DIR, dir / "user"}; }

    // Types an analysis and saves it with "&Salvar Laudo" as `name`.
    fs::path saveAnalysis(const std::string& name, const std::map<std::string, std::string>& fields,
                          const char* system = "RadioButton10")
    {
        RecordingPlatform platform;
        auto window = createWindowState(platform, folders());
        window->click(system);
        for (const auto& [field, text] : fields)
            window->type(field, text);
        window->click("BitBtn13");
        const fs::path file = dir / "in" / name;
        fs::copy_file(dir / "user" / "Laudos" / "Laudo.txt", file, fs::copy_options::overwrite_existing);
        return file;
    }

    std::map<std::string, std::string> fullAnalysis(const std::string& producer) const
    {
        return {{"EdNomeProdutor", producer},
                {"EdArgila", "45"},
                {"EdPH", "5,5"},
                {"EdSMP", "5,3"},
                {"EdP", "8"},
                {"EdK", "78,2"},
                {"EdMO", "3"},
                {"EdAL", "0,5"},
                {"EdCa", "1,5"},
                {"EdMg", "1"},
                {"EdHAl", "3"},
                {"EdCTC", "10"},
                {"EdSatBases", "40"},
                {"EdS", "12"},
                {"EdMn", "4"},
                {"EdZn", "2"},
                {"EdB", "0,5"},
                {"EdCu", "1"},
                {"EdFe", "30"},
                {"EdProducao", "40"},
                {"EdArea", "2"}};
    }

    BatchEnvironment environment(int workers) const
    {
        BatchEnvironment e;
        e.folders = folders();
        e.today = Date{2026, 12, 10};
        e.workers = workers;
        return e;
    }

    static std::string bytesOf(const fs::path& file) { return readFileBytes(file); }
};

// The pages the batch would draw, by file.
struct PageRecorder {
    std::mutex lock;
    std::map<fs::path, PrintedPage> pages;
    PdfWriter writer()
    {
        return [this](const PrintedPage& page, const fs::path& path) {
            const std::lock_guard guard(lock);
            pages[path] = page;
            std::ofstream(path, std::ios::binary) << "%PDF-1.4 stand-in\n";
            return true;
        };
    }
};

TEST_F(BatchRun, WritesWhatTheWindowWritesForTheSameFile)
{
    const fs::path input = saveAnalysis("talhão 7.txt", fullAnalysis("Produtora Ana"));
    BatchOptions options;
    options.text = options.pdf = options.spreadsheet = true;
    options.technician = "Eng. Agr. Bruno, CREA 1234";
    options.inputs = {input};
    PageRecorder pdf;
    std::ostringstream err;
    ASSERT_EQ(runBatch(options, environment(1), pdf.writer(), err, false), 0) << err.str();

    // The same steps in the window's core, as a user does them.
    RecordingPlatform platform;
    platform.todayDate = Date{2026, 12, 10};
    platform.fileToOpen = input;
    auto window = createWindowState(platform, folders());
    for (const char* button : {"BitBtn42", "BitBtn29", "BitBtn10", "BtOtimizarTodas"})
        window->click(button);
    window->type("Edit21", "Eng. Agr. Bruno, CREA 1234");
    window->click("BitBtn12");

    // The text report has the input's name and is not the input.
    const fs::path text = dir / "in" / "talhão 7.relatorio.txt";
    ASSERT_TRUE(fs::exists(text));
    EXPECT_EQ(bytesOf(text), textReport(*window));
    EXPECT_NE(bytesOf(input), bytesOf(text));
    // The spreadsheet holds the cells the window would write.
    const fs::path sheet = dir / "in" / "talhão 7.xlsx";
    ASSERT_TRUE(fs::exists(sheet));
    const std::vector<CellWrite> cells = spreadsheetCells(*window);
    const std::string template_ =
        bytesOf(fs::path(BULBICALC_TEST_DATA_DIR) / "Auxiliares" / kSpreadsheetTemplateName);
    EXPECT_EQ(bytesOf(sheet).size(), filledWorkbook(template_, cells).size());
    // The page is the window's.
    const fs::path page = dir / "in" / "talhão 7.pdf";
    ASSERT_EQ(pdf.pages.count(page), 1u);
    EXPECT_EQ(pdf.pages[page].texts.size(),
              pdfReportPage(pdfReportVariables(*window, Date{2026, 12, 10}), "").texts.size());
    const auto variables = pdfReportVariables(*window, Date{2026, 12, 10});
    EXPECT_EQ(*findVariable(variables, "Resp"), "Eng. Agr. Bruno, CREA 1234");
    // The mix is there: the workbench was optimised.
    EXPECT_NE(window->text("Edit44"), "");
    EXPECT_NE(bytesOf(text).find("Resumo da aduba\xe7\xe3o por parcela"), std::string::npos); // Windows-1252
}

TEST_F(BatchRun, LimingByTheSmpMethodWhenAPrntIsGiven)
{
    auto withSmp = fullAnalysis("Ana");
    auto withoutSmp = fullAnalysis("Bia");
    withoutSmp.erase("EdSMP");
    BatchOptions options;
    options.text = true;
    options.prnt = "80";
    options.inputs = {saveAnalysis("smp.txt", withSmp), saveAnalysis("sem_smp.txt", withoutSmp)};
    PageRecorder pdf;
    std::ostringstream err;
    ASSERT_EQ(runBatch(options, environment(1), pdf.writer(), err, false), 0) << err.str();
    // SMP 5,3 at pH 6,0 needs 7,5 t/ha; with PRNT 80 % 9,375 t/ha, on 2 ha 18,750 t.
    const std::string report = bytesOf(dir / "in" / "smp.relatorio.txt");
    for (const char* value : {"= 7,5 t/ha", "= 80 %", "= 9,375 t/ha", "= 18,750 t"})
        EXPECT_NE(report.find(value), std::string::npos) << value << "\n" << report;
    EXPECT_NE(err.str().find("sem_smp.txt: aviso: o laudo não tem índice SMP: a calagem não foi calculada"),
              std::string::npos)
        << err.str();
}

TEST_F(BatchRun, ManyFilesInParallelGiveWhatOneAtATimeGives)
{
    BatchOptions options;
    options.text = options.pdf = true;
    const char* systems[] = {"RadioButton10", "RadioButton11", "RadioButton20"};
    for (int i = 0; i < 12; ++i) {
        auto fields = fullAnalysis("Produtor " + std::to_string(i));
        fields["EdProducao"] = std::to_string(30 + 3 * i);
        fields["EdP"] = std::to_string(4 + i);
        options.inputs.push_back(saveAnalysis("laudo" + std::to_string(i) + ".dat", fields, systems[i % 3]));
    }
    std::ostringstream err;
    fs::create_directories(dir / "one");
    fs::create_directories(dir / "many");
    PageRecorder onePages;
    options.outputDir = dir / "one";
    ASSERT_EQ(runBatch(options, environment(1), onePages.writer(), err, false), 0) << err.str();
    PageRecorder manyPages;
    options.outputDir = dir / "many";
    ASSERT_EQ(runBatch(options, environment(4), manyPages.writer(), err, false), 0) << err.str();
    for (int i = 0; i < 12; ++i) {
        const std::string name = "laudo" + std::to_string(i);
        EXPECT_EQ(bytesOf(dir / "one" / (name + ".relatorio.txt")),
                  bytesOf(dir / "many" / (name + ".relatorio.txt")))
            << name;
        const PrintedPage& a = onePages.pages.at(dir / "one" / (name + ".pdf"));
        const PrintedPage& b = manyPages.pages.at(dir / "many" / (name + ".pdf"));
        ASSERT_EQ(a.texts.size(), b.texts.size()) << name;
        for (std::size_t t = 0; t < a.texts.size(); ++t)
            EXPECT_EQ(a.texts[t].text, b.texts[t].text) << name;
    }
}

TEST_F(BatchRun, EachBadFileFailsAloneWithTheWindowsMessage)
{
    const fs::path good = saveAnalysis("bom.txt", fullAnalysis("Ana"));
    std::ofstream(dir / "in" / "vazio.txt").close();
    std::ofstream(dir / "in" / "texto.txt") << "isto não é um laudo\n";
    {
        std::ofstream binary(dir / "in" / "binario.txt", std::ios::binary);
        binary << std::string("\x00\x01\x02\xff\xfe", 5);
    }
    fs::create_directories(dir / "in" / "pasta");
    BatchOptions options;
    options.text = true;
    options.inputs = {dir / "in" / "vazio.txt",
                      good,
                      dir / "in" / "falta.txt",
                      dir / "in" / "texto.txt",
                      dir / "in" / "binario.txt",
                      dir / "in" / "pasta",
                      good};
    PageRecorder pdf;
    std::ostringstream err;
    EXPECT_EQ(runBatch(options, environment(2), pdf.writer(), err, false), 1);
    const std::string report = err.str();
    const auto line = [&](const fs::path& file, const std::string& message) {
        return "bulbicalc-lote: " + file.string() + ": " + message + "\n";
    };
    EXPECT_NE(report.find(line(dir / "in" / "vazio.txt", "Read beyond end of file")), std::string::npos)
        << report;
    EXPECT_NE(report.find(line(dir / "in" / "falta.txt", "File not found")), std::string::npos) << report;
    EXPECT_NE(report.find(line(dir / "in" / "texto.txt", "Read beyond end of file")), std::string::npos)
        << report;
    EXPECT_NE(report.find(line(dir / "in" / "pasta", "é uma pasta, não um arquivo de laudo")),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(line(good, "dado mais de uma vez; os relatórios foram feitos uma vez")),
              std::string::npos)
        << report;
    // The good file is done, and no bad one left a report, whole or half.
    EXPECT_TRUE(fs::exists(dir / "in" / "bom.relatorio.txt"));
    for (const char* name : {"vazio", "falta", "texto", "binario"}) {
        EXPECT_FALSE(fs::exists(dir / "in" / (std::string(name) + ".relatorio.txt"))) << name;
        EXPECT_FALSE(fs::exists(dir / "in" / (std::string(name) + ".pdf"))) << name;
    }
    for (const auto& entry : fs::directory_iterator(dir / "in"))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(BatchRun, InputsOfOneNameInOneOutputFolderAreNotMixedUp)
{
    fs::create_directories(dir / "in" / "a");
    fs::create_directories(dir / "in" / "b");
    const fs::path first = saveAnalysis("a/talhao.txt", fullAnalysis("Primeiro"));
    const fs::path second = saveAnalysis("b/talhao.txt", fullAnalysis("Segundo"));
    BatchOptions options;
    options.pdf = true;
    options.inputs = {first, second};
    // Beside each input: no clash.
    for (const BatchJob& job : planBatch(options))
        EXPECT_TRUE(job.failure.empty()) << job.failure;
    // In one folder the second would take the first one's report.
    options.outputDir = dir / "out";
    const std::vector<BatchJob> jobs = planBatch(options);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_TRUE(jobs[0].failure.empty());
    EXPECT_NE(jobs[1].failure.find("seria o mesmo de " + first.string()), std::string::npos)
        << jobs[1].failure;
    // The text report never takes an analysis file's place, given or not.
    options.outputDir = dir / "in" / "b";
    options.pdf = false;
    options.text = true;
    options.inputs = {first};
    const std::vector<BatchJob> into = planBatch(options);
    EXPECT_EQ(into[0].text, dir / "in" / "b" / "talhao.relatorio.txt");
    EXPECT_TRUE(into[0].failure.empty());
}

TEST_F(BatchRun, AnotherCatalogueFolderAndWholeBags)
{
    const fs::path input = saveAnalysis("x.txt", fullAnalysis("Ana"));
    // A catalogue of one fertiliser of each kind, and the shipped template.
    fs::create_directories(dir / "cat");
    std::ofstream(dir / "cat" / "AdubosMinerais.txt", std::ios::binary)
        << "N P K S saco\r\n45 0 0 0 150 Ureia\r\n0 41 0 0 180 TSP\r\n0 0 58 0 145 KCl\r\n0 0 0 15 20 "
           "Gesso\r\n";
    std::ofstream(dir / "cat" / "AdubosOrganicos.txt", std::ios::binary) << "N P K t\r\n";
    fs::copy_file(fs::path(BULBICALC_TEST_DATA_DIR) / "Auxiliares" / kSpreadsheetTemplateName,
                  dir / "cat" / kSpreadsheetTemplateName);
    BatchOptions options;
    options.text = true;
    options.wholeBags = true;
    options.catalogueDir = dir / "cat";
    options.inputs = {input};
    PageRecorder pdf;
    std::ostringstream err;
    ASSERT_EQ(runBatch(options, environment(1), pdf.writer(), err, false), 0) << err.str();
    const std::string report = bytesOf(dir / "in" / "x.relatorio.txt");
    EXPECT_NE(report.find("Ureia"), std::string::npos);
    EXPECT_EQ(report.find("MAP"), std::string::npos);
    // On 2 ha a bag is 25 kg/ha: every quantity a multiple of 25, rounded up
    // to the tenth.
    EXPECT_NE(report.find("Gesso"), std::string::npos);
    // A catalogue folder without the files fails each analysis with the
    // start-up's message.
    options.catalogueDir = dir / "in";
    EXPECT_EQ(runBatch(options, environment(1), pdf.writer(), err, false), 1);
    EXPECT_NE(err.str().find(input.string() + ": File not found"), std::string::npos) << err.str();
}

} // namespace
} // namespace bulbicalc
