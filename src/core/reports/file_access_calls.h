#pragma once

// For tests only: the system calls through which replaceFile writes, so that a
// test can fail a call, cut a write short or end the process before a call.
// The program never changes them.

#ifndef _WIN32

#include <cstddef>
#include <sys/types.h>

namespace bulbicalc::file_access_testing {

// replaceFile calls, in this order: open (the temporary, exclusively), write
// (one call for each chunk of at most writeChunk bytes, and again after a
// short or interrupted write), fsync and close of the temporary, rename over
// the target, then open, fsync and close of the folder.
struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    // The most bytes one write call is given.
    std::size_t writeChunk;
};

// The calls of the system, with chunks of 64 KiB.
const SystemCalls& realSystemCalls();

// replaceFile uses `calls` from now on, until the object is destroyed; the
// calls must outlive it.
class ScopedSystemCalls {
public:
    explicit ScopedSystemCalls(const SystemCalls& calls);
    ~ScopedSystemCalls();
    ScopedSystemCalls(const ScopedSystemCalls&) = delete;
    ScopedSystemCalls& operator=(const ScopedSystemCalls&) = delete;

private:
    const SystemCalls* previous_;
};

} // namespace bulbicalc::file_access_testing

#endif
