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

// Writes `bytes` to a new temporary file in the folder of `path` (made
// exclusively, named ".<file name>.<16 hexadecimal digits>"), flushes it to
// the disk, renames it over `path` and flushes the folder: whenever the
// program or the machine stops, `path` holds the previous file whole or the
// new one whole. Throws FileError "File access denied" when the folder is
// missing, `path` is a folder, or the temporary cannot be made, written,
// flushed, closed or renamed; the previous file is then left whole and no
// temporary file is left behind (a crash may leave one). Without POSIX the
// temporary is written with the standard library and not flushed.
void replaceFile(const std::filesystem::path& path, std::string_view bytes);

// A new, empty folder under the system's temporary folder, its name starting
// with `prefix`. Throws FileError "File access denied" when it cannot be made.
std::filesystem::path createTemporaryFolder(std::string_view prefix);

} // namespace bulbicalc
