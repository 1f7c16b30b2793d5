#pragma once

#include <filesystem>
#include <optional>

namespace bulbicalc {

// Where the program finds what it reads (Auxiliares, Ajuda, Imagens) and where
// it writes what it keeps (Laudos).
struct DataFolders {
    std::filesystem::path data;     // the folders shipped with the program
    std::filesystem::path writable; // holds Laudos
    // Another folder in the place of data/Auxiliares (the catalogues and the
    // spreadsheet template); empty for none.
    std::filesystem::path auxiliares = {};
};

// Beside the executable when the folders are there (a build, or a program
// unpacked in one folder); else in ../share/bulbicalc from the executable's
// folder (an installed program, wherever its prefix is). What the program
// writes goes beside its data while that folder can be written, else to the
// user's data folder: $XDG_DATA_HOME/bulbicalc, or ~/.local/share/bulbicalc.
DataFolders findDataFolders(const std::filesystem::path& executableDir,
                            const std::optional<std::filesystem::path>& xdgDataHome,
                            const std::optional<std::filesystem::path>& home);

// Whether a file can be created in `folder` (it is made when missing).
bool canWriteInto(const std::filesystem::path& folder);

} // namespace bulbicalc
