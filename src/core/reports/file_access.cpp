#include "core/reports/file_access.h"

#include "core/app/errors.h"

#include <fstream>
#include <iomanip>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

#ifndef _WIN32
#include "core/reports/file_access_calls.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace bulbicalc {
namespace {

// A name no file of the folder is likely to have: the prefix and 16 random
// hexadecimal digits. Each thread draws from its own generator, since the
// batch command writes its reports from several threads.
std::string uniqueName(std::string_view prefix)
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::ostringstream name;
    name << prefix << std::hex << std::setw(16) << std::setfill('0') << generator();
    return name.str();
}

[[noreturn]] void accessDenied()
{
    throw FileError(std::string(kFileAccessDenied));
}

// The folder replaceFile writes in; "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.parent_path().empty() ? "." : path.parent_path();
}

// A temporary's name in the folder of `path`: a dot, the file's name, a dot
// and 16 hexadecimal digits.
std::filesystem::path temporaryName(const std::filesystem::path& folder, const std::filesystem::path& path)
{
    return folder / uniqueName("." + path.filename().string() + ".");
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

#ifndef _WIN32

namespace file_access_testing {
namespace {

int systemOpen(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t systemWrite(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

int systemFsync(int fd)
{
    return ::fsync(fd);
}

int systemClose(int fd)
{
    return ::close(fd);
}

int systemRename(const char* from, const char* to)
{
    return std::rename(from, to);
}

const SystemCalls kSystemCalls{systemOpen, systemWrite, systemFsync, systemClose, systemRename, 64 * 1024};

const SystemCalls* currentCalls = &kSystemCalls;

} // namespace

const SystemCalls& realSystemCalls()
{
    return kSystemCalls;
}

ScopedSystemCalls::ScopedSystemCalls(const SystemCalls& calls) : previous_(currentCalls)
{
    currentCalls = &calls;
}

ScopedSystemCalls::~ScopedSystemCalls()
{
    currentCalls = previous_;
}

} // namespace file_access_testing

namespace {

using file_access_testing::SystemCalls;

// A new temporary in `folder`, made exclusively (so that no other file is
// ever written through it) with the permissions the umask leaves of 0666:
// its descriptor, or -1 when none can be made. Another name is tried when
// one is taken.
int createTemporary(const SystemCalls& calls, const std::filesystem::path& folder,
                    const std::filesystem::path& path, std::filesystem::path& temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        auto candidate = temporaryName(folder, path);
        const int fd = calls.open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temporary = std::move(candidate);
            return fd;
        }
        if (errno != EEXIST && errno != EINTR)
            return -1;
    }
    return -1;
}

// Every byte, in chunks, going on after a short or interrupted write.
bool writeAll(const SystemCalls& calls, int fd, std::string_view bytes)
{
    const std::size_t chunk = std::max<std::size_t>(calls.writeChunk, 1);
    while (!bytes.empty()) {
        const ssize_t written = calls.write(fd, bytes.data(), std::min(chunk, bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0 || static_cast<std::size_t>(written) > bytes.size())
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool sync(const SystemCalls& calls, int fd)
{
    while (calls.fsync(fd) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

// Flushes the folder's entries, so that the rename outlives a power cut. The
// new file is in place by then, so a folder that cannot be opened or flushed
// (some file systems refuse) does not make the save a failure.
void syncFolder(const SystemCalls& calls, const std::filesystem::path& folder)
{
    const int fd = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    sync(calls, fd);
    calls.close(fd);
}

} // namespace

void replaceFile(const std::filesystem::path& path, std::string_view bytes, Durability durability)
{
    const bool flush = durability == Durability::PowerCut;
    const std::filesystem::path folder = folderOf(path);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) || std::filesystem::is_directory(path, error))
        accessDenied();
    const SystemCalls& calls = *file_access_testing::currentCalls;
    std::filesystem::path temporary;
    const int fd = createTemporary(calls, folder, path, temporary);
    if (fd < 0)
        accessDenied();
    bool written = writeAll(calls, fd, bytes) && (!flush || sync(calls, fd));
    // Closed once, whatever happened: a close that fails has released the
    // descriptor all the same, but the file may not hold what was written.
    written = calls.close(fd) == 0 && written;
    if (!written || calls.rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        accessDenied();
    }
    if (flush)
        syncFolder(calls, folder);
}

#else

// Without POSIX: written through the standard library, then renamed over the
// file (not flushed to the disk, whatever the durability asked).
void replaceFile(const std::filesystem::path& path, std::string_view bytes, Durability)
{
    const std::filesystem::path folder = folderOf(path);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) || std::filesystem::is_directory(path, error))
        accessDenied();
    std::filesystem::path temporary;
    for (int attempt = 0; attempt < 16 && temporary.empty(); ++attempt) {
        auto candidate = temporaryName(folder, path);
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

#endif

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
