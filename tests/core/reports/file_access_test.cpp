// Replacing a file: the system calls it makes and in which order, short and
// interrupted writes, taken names, and every call that can fail leaving the
// previous file whole and no temporary behind. (Saving from the window, a
// missing or read-only folder and a save killed at any step: analysis_file_test.)
#include "core/app/errors.h"
#include "core/reports/file_access.h"
#include "reports_window.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "core/reports/file_access_calls.h"

#include <cerrno>
#include <fcntl.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace bulbicalc {
namespace {

using file_access_testing::realSystemCalls;
using file_access_testing::ScopedSystemCalls;
using file_access_testing::SystemCalls;

// What the fake calls do: each is logged, then passed to the system unless
// the script says otherwise.
struct Script {
    std::string failing;        // the logged call that fails ("write", "fsync temporary", ...)
    int failingError = EIO;     // its errno; 0 for a write that writes nothing
    int failingAt = 1;          // which of those calls fails, counting from 1
    int seen = 0;               // those calls so far
    int takenNames = 0;         // this many opens of a temporary find the name taken
    std::size_t shortWrite = 0; // a write writes at most this many bytes (0: as asked)
    bool interruptions = false; // every other write and the first fsync are interrupted
    std::vector<std::string> log;
    std::vector<std::string> opened; // the paths of the opens
    std::vector<int> openFlags;
    int temporaryFd = -1;
    int folderFd = -1;
    int fsyncs = 0;
    int writes = 0;
};

Script script;

const char* which(int fd)
{
    return fd == script.temporaryFd ? "temporary" : fd == script.folderFd ? "folder" : "other";
}

// Logs `call`; true (errno set) when the script fails it.
bool fails(const std::string& call)
{
    script.log.push_back(call);
    if (call != script.failing || ++script.seen != script.failingAt)
        return false;
    errno = script.failingError;
    return true;
}

int fakeOpen(const char* path, int flags, mode_t mode)
{
    const bool folder = (flags & O_DIRECTORY) != 0;
    script.opened.emplace_back(path);
    script.openFlags.push_back(flags);
    if (fails(folder ? "open folder" : "open temporary"))
        return -1;
    if (!folder && script.takenNames > 0) {
        --script.takenNames;
        errno = EEXIST;
        return -1;
    }
    const int fd = realSystemCalls().open(path, flags, mode);
    (folder ? script.folderFd : script.temporaryFd) = fd;
    return fd;
}

ssize_t fakeWrite(int fd, const void* data, std::size_t size)
{
    if (script.interruptions && script.writes++ % 2 == 0) {
        script.log.push_back("interrupted write");
        errno = EINTR;
        return -1;
    }
    if (fails("write"))
        return script.failingError == 0 ? 0 : -1;
    script.log.back() += " " + std::to_string(size);
    if (script.shortWrite != 0)
        size = std::min(size, script.shortWrite);
    return realSystemCalls().write(fd, data, size);
}

int fakeFsync(int fd)
{
    if (script.interruptions && script.fsyncs++ == 0) {
        script.log.push_back("interrupted fsync");
        errno = EINTR;
        return -1;
    }
    if (fails(std::string("fsync ") + which(fd)))
        return -1;
    return realSystemCalls().fsync(fd);
}

int fakeClose(int fd)
{
    // Released either way, as the system does.
    const std::string call = std::string("close ") + which(fd);
    (fd == script.temporaryFd ? script.temporaryFd : script.folderFd) = -1;
    const int closed = realSystemCalls().close(fd);
    if (fails(call))
        return -1;
    return closed;
}

int fakeRename(const char* from, const char* to)
{
    if (fails("rename"))
        return -1;
    return realSystemCalls().rename(from, to);
}

class ReplaceFile : public testing::Test {
protected:
    test::TemporaryFolder folder;
    SystemCalls calls{fakeOpen, fakeWrite, fakeFsync, fakeClose, fakeRename, 4};
    const std::string previous = "the previous file\r\n";

    std::filesystem::path target() const { return folder.path / "Laudos" / "Laudo.txt"; }

    void SetUp() override
    {
        script = Script{};
        test::writeBytes(target(), previous);
    }

    // The names in Laudos.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path / "Laudos"))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
};

TEST_F(ReplaceFile, WritesATemporaryInChunksFlushesItRenamesItAndFlushesTheFolder)
{
    {
        ScopedSystemCalls fake(calls);
        replaceFile(target(), "0123456789");
    }
    EXPECT_EQ(test::readBytes(target()), "0123456789");
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
    const std::vector<std::string> expected{
        "open temporary",  "write 4", "write 4",     "write 2",      "fsync temporary",
        "close temporary", "rename",  "open folder", "fsync folder", "close folder",
    };
    EXPECT_EQ(script.log, expected);
    // The temporary is new, beside the file, and no other file is opened for
    // writing.
    ASSERT_EQ(script.opened.size(), 2u);
    const std::filesystem::path temporary = script.opened[0];
    EXPECT_EQ(temporary.parent_path(), target().parent_path());
    EXPECT_EQ(temporary.filename().string().rfind(".Laudo.txt.", 0), 0u) << temporary;
    EXPECT_EQ(temporary.filename().string().size(), std::string(".Laudo.txt.").size() + 16) << temporary;
    EXPECT_EQ(script.openFlags[0] & (O_CREAT | O_EXCL | O_TRUNC | O_ACCMODE), O_CREAT | O_EXCL | O_WRONLY);
    EXPECT_EQ(std::filesystem::path(script.opened[1]), target().parent_path());
    EXPECT_EQ(script.openFlags[1] & (O_DIRECTORY | O_ACCMODE), O_DIRECTORY | O_RDONLY);
}

TEST_F(ReplaceFile, AgainstAProgramCrashOnlyNothingIsFlushed)
{
    {
        ScopedSystemCalls fake(calls);
        replaceFile(target(), "0123456789", Durability::ProgramCrash);
    }
    EXPECT_EQ(test::readBytes(target()), "0123456789");
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
    const std::vector<std::string> expected{
        "open temporary", "write 4", "write 4", "write 2", "close temporary", "rename",
    };
    EXPECT_EQ(script.log, expected);
}

TEST_F(ReplaceFile, GoesOnAfterShortAndInterruptedWritesAndAnInterruptedFlush)
{
    script.shortWrite = 3;
    script.interruptions = true;
    const std::string bytes = "a longer file, written three bytes at a time";
    {
        ScopedSystemCalls fake(calls);
        replaceFile(target(), bytes);
    }
    EXPECT_EQ(test::readBytes(target()), bytes);
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
    EXPECT_EQ(std::count(script.log.begin(), script.log.end(), "interrupted fsync"), 1);
    EXPECT_EQ(std::count(script.log.begin(), script.log.end(), "fsync temporary"), 1);
}

TEST_F(ReplaceFile, ANewFileAndAnEmptyOne)
{
    std::filesystem::remove(target());
    replaceFile(target(), "new");
    EXPECT_EQ(test::readBytes(target()), "new");
    replaceFile(target(), "");
    EXPECT_TRUE(std::filesystem::is_regular_file(target()));
    EXPECT_EQ(std::filesystem::file_size(target()), 0u);
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
}

TEST_F(ReplaceFile, ABareNameIsWrittenInTheWorkingDirectory)
{
    test::WorkingDirectory cwd(folder.path / "Laudos");
    replaceFile("Laudo.txt", "here");
    EXPECT_EQ(test::readBytes(target()), "here");
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
}

TEST_F(ReplaceFile, ATakenTemporaryNameIsSkipped)
{
    script.takenNames = 3;
    {
        ScopedSystemCalls fake(calls);
        replaceFile(target(), "new");
    }
    EXPECT_EQ(test::readBytes(target()), "new");
    EXPECT_EQ(std::count(script.log.begin(), script.log.end(), "open temporary"), 4);
    // Four different names.
    std::vector<std::string> tried(script.opened.begin(), script.opened.begin() + 4);
    std::sort(tried.begin(), tried.end());
    EXPECT_EQ(std::unique(tried.begin(), tried.end()), tried.end());
}

TEST_F(ReplaceFile, WhenEveryNameIsTakenNothingIsWritten)
{
    script.takenNames = 1000;
    ScopedSystemCalls fake(calls);
    EXPECT_THROW(replaceFile(target(), "new"), FileError);
    EXPECT_EQ(test::readBytes(target()), previous);
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
}

TEST_F(ReplaceFile, AFolderThatCannotBeFlushedStillSaves)
{
    for (const char* failing : {"open folder", "fsync folder", "close folder"}) {
        script = Script{};
        script.failing = failing;
        script.failingError = EINVAL;
        {
            ScopedSystemCalls fake(calls);
            EXPECT_NO_THROW(replaceFile(target(), failing)) << failing;
        }
        EXPECT_EQ(test::readBytes(target()), failing);
        EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
    }
}

struct FailingCall {
    const char* name;
    const char* call;
    int error;
    int at = 1;
};

void PrintTo(const FailingCall& c, std::ostream* os)
{
    *os << c.name;
}

class ReplaceFileFailure : public ReplaceFile, public testing::WithParamInterface<FailingCall> {};

TEST_P(ReplaceFileFailure, IsAccessDeniedAndLeavesThePreviousFileAlone)
{
    script.failing = GetParam().call;
    script.failingError = GetParam().error;
    script.failingAt = GetParam().at;
    {
        ScopedSystemCalls fake(calls);
        try {
            replaceFile(target(), "the new file, longer than the previous one\r\n");
            FAIL() << "replaced";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "File access denied");
        }
    }
    EXPECT_EQ(test::readBytes(target()), previous);
    EXPECT_EQ(names(), std::vector<std::string>{"Laudo.txt"});
    // Nothing is called after the failure but the close of the temporary.
    const auto failed = std::find(script.log.begin(), script.log.end(), GetParam().call);
    ASSERT_NE(failed, script.log.end());
    for (auto later = failed + 1; later != script.log.end(); ++later)
        EXPECT_EQ(*later, "close temporary");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceFileFailure,
                         testing::Values(FailingCall{"OpenDenied", "open temporary", EACCES},
                                         FailingCall{"DiskFull", "write", ENOSPC, 3},
                                         FailingCall{"WriteWritesNothing", "write", 0, 2},
                                         FailingCall{"FlushFails", "fsync temporary", EIO},
                                         FailingCall{"CloseFails", "close temporary", EIO},
                                         FailingCall{"RenameFails", "rename", EXDEV}),
                         [](const testing::TestParamInfo<FailingCall>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace bulbicalc

#endif
