#include "core/reports/file_access.h"

#include "core/app/errors.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

namespace bulbicalc {
namespace {

// A name no file of the folder is likely to have: the prefix and 16 random
// hexadecimal digits.
std::string uniqueName(std::string_view prefix)
{
    static std::mt19937_64 generator{std::random_device{}()};
    std::ostringstream name;
    name << prefix << std::hex << generator();
    return name.str();
}

[[noreturn]] void accessDenied()
{
    throw FileError(std::string(kFileAccessDenied));
}

} // namespace

std::string readFileBytes(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        throw FileError(std::string(kFileNotFound));
    if (std::filesystem::is_directory(status))
        accessDenied();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        accessDenied();
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        accessDenied();
    return bytes;
}

void replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) || std::filesystem::is_directory(path, error))
        accessDenied();
    std::filesystem::path temporary;
    for (int attempt = 0; attempt < 16 && temporary.empty(); ++attempt) {
        auto candidate = folder / uniqueName("." + path.filename().string() + ".");
        if (!std::filesystem::exists(candidate, error))
            temporary = std::move(candidate);
    }
    if (temporary.empty())
        accessDenied();
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
        }
        if (!out) {
            std::filesystem::remove(temporary, error);
            accessDenied();
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        accessDenied();
    }
}

std::filesystem::path createTemporaryFolder(std::string_view prefix)
{
    std::error_code error;
    const auto base = std::filesystem::temp_directory_path(error);
    if (error)
        accessDenied();
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto folder = base / uniqueName(prefix);
        if (std::filesystem::create_directory(folder, error))
            return folder;
    }
    accessDenied();
}

} // namespace bulbicalc
