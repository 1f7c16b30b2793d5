#pragma once

#include "batch/batch_options.h"
#include "core/app/data_folders.h"
#include "core/app/date.h"
#include "core/app/platform.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace bulbicalc {

// Where the batch finds the program's data and what day it is.
struct BatchEnvironment {
    DataFolders folders;
    Date today;
    int workers = 1; // analyses processed at once
};

// One input and the reports it gives, planned before any work is done.
struct BatchJob {
    std::filesystem::path input;
    std::filesystem::path text, pdf, spreadsheet; // empty for reports not asked for
    std::string failure;                          // a reason not to process it; empty to go
    bool repeated = false;                        // the same file given again: nothing to do
};

struct BatchOutcome {
    bool succeeded = false;
    std::string message;               // the failure, as the window would show it
    std::vector<std::string> warnings; // the messages the window would have shown
};

// The reports of each input, in the order given: named after the input
// (talhao7.txt gives talhao7.pdf, talhao7.xlsx and, since analysis files are
// text files too, talhao7.relatorio.txt), in the output folder or beside the
// input. A folder given as input, and an input whose reports would take the
// names of an earlier input's or of an input, fail; a file given twice is
// done once.
std::vector<BatchJob> planBatch(const BatchOptions& options);

// What a user does in the window for one analysis file, through the core:
// "&Abrir Laudo", "&Parcelar" of the N and the K2O splits as proposed, the
// default fertiliser selection, "Otimizar todas parcelas" (in whole bags with
// --sacos), the technician, "&Recomendações gerais", then the reports asked
// for, each written through a temporary file. `writePdf` draws the PDF page.
using PdfWriter = std::function<bool(const PrintedPage& page, const std::filesystem::path& path)>;
BatchOutcome processAnalysis(const BatchJob& job, const BatchOptions& options,
                             const BatchEnvironment& environment, const PdfWriter& writePdf);

// Runs the whole batch, `environment.workers` analyses at a time. With
// `progress`, a progress line on `err` (done of total, the current file).
// Then one line per failed file, in the order given, and the warnings.
// Returns the exit status: 0 when every file succeeded, 1 otherwise.
int runBatch(const BatchOptions& options, const BatchEnvironment& environment, const PdfWriter& writePdf,
             std::ostream& err, bool progress);

} // namespace bulbicalc
