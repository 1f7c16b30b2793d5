#include "core/app/data_folders.h"

#include <fstream>
#include <string>
#include <system_error>

namespace bulbicalc {

bool canWriteInto(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        return false;
    // Trying is the only portable answer: permission bits do not tell about
    // read-only mounts or access lists.
    const auto probe = folder / ".bulbicalc-write-probe";
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        written = static_cast<bool>(out << 'x');
    }
    std::filesystem::remove(probe, error);
    return written;
}

DataFolders findDataFolders(const std::filesystem::path& executableDir,
                            const std::optional<std::filesystem::path>& xdgDataHome,
                            const std::optional<std::filesystem::path>& home)
{
    std::error_code error;
    DataFolders folders{executableDir, executableDir};
    const auto installed = executableDir.parent_path() / "share" / "bulbicalc";
    if (!std::filesystem::is_directory(executableDir / "Auxiliares", error) &&
        std::filesystem::is_directory(installed / "Auxiliares", error))
        folders.data = installed;
    folders.writable = folders.data;
    if (canWriteInto(folders.data / "Laudos"))
        return folders;
    // An empty XDG_DATA_HOME counts as unset.
    if (xdgDataHome && !xdgDataHome->empty() && xdgDataHome->is_absolute())
        folders.writable = *xdgDataHome / "bulbicalc";
    else if (home && !home->empty())
        folders.writable = *home / ".local" / "share" / "bulbicalc";
    std::filesystem::create_directories(folders.writable / "Laudos", error);
    return folders;
}

} // namespace bulbicalc
