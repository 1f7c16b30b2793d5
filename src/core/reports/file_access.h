#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace bulbicalc {

// The runtime's input/output error texts, which the error box shows.
inline constexpr std::string_view kFileNotFound = "File not found";
inline constexpr std::string_view kFileAccessDenied = "File access denied";
inline constexpr std::string_view kReadBeyondEndOfFile = "Read beyond end of file";
inline constexpr std::string_view kInvalidNumericInput = "Invalid numeric input";

// The whole file as bytes. Throws FileError "File not found" when there is no
// such file, "File access denied" when it cannot be read.
std::string readFileBytes(const std::filesystem::path& path);

// How far replaceFile goes to keep a file whole when something stops.
enum class Durability {
    // The temporary is flushed to the disk before the rename and the folder
    // after it: the previous file or the new one survives a power cut. For
    // the file the user keeps.
    PowerCut,
    // Renamed without flushing: the previous file or the new one survives the
    // program being killed. For the batch command's reports, which are made
    // again from their analysis files and would pay two disk flushes each.
    ProgramCrash,
};

// Writes `bytes` to a new temporary file in the folder of `path` (made
// exclusively, named ".<file name>.<16 hexadecimal digits>"), flushes it to
// the disk, renames it over `path` and flushes the folder: whenever the
// program or the machine stops, `path` holds the previous file whole or the
// new one whole (with Durability::ProgramCrash nothing is flushed). Throws FileError "File access denied" when the folder is
// missing, `path` is a folder, or the temporary cannot be made, written,
// flushed, closed or renamed; the previous file is then left whole and no
// temporary file is left behind (a crash may leave one). Without POSIX the
// temporary is written with the standard library and not flushed.
void replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 Durability durability = Durability::PowerCut);

// A new, empty folder under the system's temporary folder, its name starting
// with `prefix`. Throws FileError "File access denied" when it cannot be made.
std::filesystem::path createTemporaryFolder(std::string_view prefix);

} // namespace bulbicalc
