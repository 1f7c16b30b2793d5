#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace bulbicalc {

// What bulbicalc-lote is asked to do.
struct BatchOptions {
    bool text = false;                                 // --txt
    bool pdf = false;                                  // --pdf (the default when no report is asked for)
    bool spreadsheet = false;                          // --xlsx
    bool wholeBags = false;                            // --sacos
    std::optional<std::filesystem::path> outputDir;    // --saida DIR; none: beside each input
    std::optional<std::filesystem::path> catalogueDir; // --catalogo DIR, another Auxiliares folder
    std::string technician;                            // --tecnico TEXT, into Edit21
    std::string prnt; // --prnt PRNT: liming by the SMP method with a lime of this PRNT (%); empty for none
    std::vector<std::filesystem::path> inputs;
};

// The outcome of reading the command line: options to run, a text to print
// (the usage or the version) and stop with 0, or a usage error (exit 2).
struct CommandLine {
    enum class Kind { Run, Print, UsageError } kind = Kind::Run;
    BatchOptions options;
    std::string text; // what to print: the usage, the version or the error
};

// Reads the arguments after the program's name: options may come before,
// between and after the files; "--opcao=valor" and "--opcao valor" both work;
// "--" ends the options.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// The usage text, in Portuguese.
std::string batchUsage();

} // namespace bulbicalc
