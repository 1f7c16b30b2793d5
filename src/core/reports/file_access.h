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

// Writes `bytes` to a temporary file in the folder of `path` and renames it
// over `path`, so a failed write leaves the previous file whole. Throws
// FileError "File access denied" when the folder is missing or the file cannot
// be written; no temporary file is left behind.
void replaceFile(const std::filesystem::path& path, std::string_view bytes);

// A new, empty folder under the system's temporary folder, its name starting
// with `prefix`. Throws FileError "File access denied" when it cannot be made.
std::filesystem::path createTemporaryFolder(std::string_view prefix);

} // namespace bulbicalc
