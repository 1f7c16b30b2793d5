#include "batch/batch_run.h"

#include "core/app/errors.h"
#include "core/app/recording_platform.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/liming/liming_controls.h"
#include "core/planning/least_cost.h"
#include "core/planning/planning_controls.h"
#include "core/program/program.h"
#include "core/reports/file_access.h"
#include "core/reports/pdf_report.h"
#include "core/reports/reports_controls.h"
#include "core/reports/spreadsheet_report.h"
#include "core/reports/text_report.h"
#include "core/reports/workbook_filler.h"
#include "core/soil/soil_controls.h"

#include <atomic>
#include <map>
#include <mutex>
#include <ostream>
#include <thread>

namespace bulbicalc {
namespace {

namespace fs = std::filesystem;

// A path as the file system knows it, so that two names of one file compare
// equal.
fs::path identity(const fs::path& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

std::string shown(const fs::path& path)
{
    return path.string();
}

} // namespace

std::vector<BatchJob> planBatch(const BatchOptions& options)
{
    std::vector<BatchJob> jobs;
    std::map<fs::path, std::size_t> inputs;  // identity of each input, by its first job
    std::map<fs::path, std::size_t> reports; // identity of each report, by its job
    for (const fs::path& input : options.inputs)
        inputs.emplace(identity(input), inputs.size());

    std::map<fs::path, bool> seen;
    for (const fs::path& input : options.inputs) {
        BatchJob job;
        job.input = input;
        const fs::path self = identity(input);
        if (seen[self]) {
            job.repeated = true;
            jobs.push_back(job);
            continue;
        }
        seen[self] = true;
        std::error_code error;
        if (fs::is_directory(input, error)) {
            job.failure = "é uma pasta, não um arquivo de laudo";
            jobs.push_back(job);
            continue;
        }
        const fs::path folder = options.outputDir ? *options.outputDir : input.parent_path();
        const std::string stem = input.stem().string();
        // Analysis files are text files too: the text report always takes a
        // name of its own, so that it never replaces an analysis file, given
        // or not.
        if (options.text)
            job.text = folder / (stem + ".relatorio.txt");
        if (options.pdf)
            job.pdf = folder / (stem + ".pdf");
        if (options.spreadsheet)
            job.spreadsheet = folder / (stem + ".xlsx");
        for (const fs::path* report : {&job.text, &job.pdf, &job.spreadsheet}) {
            if (report->empty())
                continue;
            const fs::path id = identity(*report);
            if (inputs.count(id)) {
                job.failure = "o relatório " + shown(*report) + " sobrescreveria um dos laudos";
                break;
            }
            const auto [it, added] = reports.emplace(id, jobs.size());
            if (!added) {
                job.failure = "o relatório " + shown(*report) + " seria o mesmo de " +
                              shown(jobs[it->second].input) + "; use --saida ou renomeie um dos laudos";
                break;
            }
        }
        jobs.push_back(job);
    }
    return jobs;
}

BatchOutcome processAnalysis(const BatchJob& job, const BatchOptions& options,
                             const BatchEnvironment& environment, const PdfWriter& writePdf)
{
    BatchOutcome outcome;
    RecordingPlatform platform;
    platform.todayDate = environment.today;
    platform.fileToOpen = job.input;
    DataFolders folders = environment.folders;
    if (options.catalogueDir)
        folders.auxiliares = *options.catalogueDir;
    try {
        const auto window = createWindowState(platform, folders);
        if (window->startupError()) {
            outcome.message = *window->startupError();
            return outcome;
        }
        WindowState& w = *window;
        w.click(soil::BitBtn42);
        if (!options.prnt.empty()) {
            // Liming as a user does it: the SMP method's need adopted, then
            // corrected for the lime's PRNT and the area.
            if (w.isEmpty(liming::Edit2)) {
                platform.showMessage("o laudo não tem índice SMP: a calagem não foi calculada");
            } else {
                w.click(liming::BitBtn5);
                w.type(liming::Edit11, options.prnt);
                w.click(liming::BitBtn9);
            }
        }
        w.click(doses::BitBtn29);
        w.click(doses::BitBtn10);
        if (options.wholeBags)
            w.click(planning::CkSacosInteiros);
        w.click(planning::BtOtimizarTodas);
        if (!options.technician.empty())
            w.type(reports::Edit21, options.technician);
        w.click(reports::BitBtn12);
        if (!job.text.empty())
            replaceFile(job.text, textReport(w), Durability::ProgramCrash);
        if (!job.spreadsheet.empty())
            replaceFile(job.spreadsheet,
                        filledWorkbook(readFileBytes(w.auxiliaresDir() / kSpreadsheetTemplateName),
                                       spreadsheetCells(w)),
                        Durability::ProgramCrash);
        if (!job.pdf.empty()) {
            const PrintedPage page = pdfReportPage(pdfReportVariables(w, environment.today),
                                                   w.dataDir() / "Imagens" / "logo_bulbicalc.png");
            if (!writePdf(page, job.pdf))
                throw FileError(std::string(kFileAccessDenied));
        }
        outcome.succeeded = true;
    } catch (const Error& error) {
        outcome.message = error.what();
    } catch (const std::exception& error) {
        outcome.message = std::string("erro interno do programa: ") + error.what();
    }
    outcome.warnings.assign(platform.messages.begin(), platform.messages.end());
    return outcome;
}

int runBatch(const BatchOptions& options, const BatchEnvironment& environment, const PdfWriter& writePdf,
             std::ostream& err, bool progress)
{
    const std::vector<BatchJob> jobs = planBatch(options);
    std::vector<BatchOutcome> outcomes(jobs.size());
    std::atomic<std::size_t> next{0};
    std::mutex reporting;
    std::size_t done = 0;
    const std::size_t total = jobs.size();

    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const BatchJob& job = jobs[i];
            if (progress) {
                const std::lock_guard lock(reporting);
                err << "\r\033[K[" << done << "/" << total << "] " << job.input.string() << std::flush;
            }
            BatchOutcome outcome;
            if (job.repeated) {
                outcome.succeeded = true;
            } else if (!job.failure.empty()) {
                outcome.message = job.failure;
            } else {
                outcome = processAnalysis(job, options, environment, writePdf);
            }
            const std::lock_guard lock(reporting);
            outcomes[i] = std::move(outcome);
            ++done;
        }
    };
    std::vector<std::thread> workers;
    const int count = std::max(1, std::min<int>(environment.workers, static_cast<int>(jobs.size())));
    for (int t = 1; t < count; ++t)
        workers.emplace_back([&work] {
            work();
            releaseSolverThreadMemory();
        });
    work();
    for (std::thread& worker : workers)
        worker.join();
    if (progress)
        err << "\r\033[K" << std::flush;

    int status = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::string name = jobs[i].input.string();
        if (jobs[i].repeated)
            err << "bulbicalc-lote: " << name
                << ": dado mais de uma vez; os relatórios foram feitos uma vez\n";
        for (const std::string& warning : outcomes[i].warnings)
            err << "bulbicalc-lote: " << name << ": aviso: " << warning << '\n';
        if (!outcomes[i].succeeded) {
            err << "bulbicalc-lote: " << name << ": " << outcomes[i].message << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace bulbicalc
