#pragma once
// Opening a data file, the one way the layer does it: without ever waiting on it, and only a plain
// file. A named pipe or a device in a file's place would hold the program at the open, or at the
// first read or write, until some other program answered (and /dev/zero never ends); a folder
// fails later with a cause that names no file.
#include "error.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

// Opens the file as open(2) does with `flags` (O_NONBLOCK and O_CLOEXEC added; on a plain file
// O_NONBLOCK changes nothing) and returns the descriptor. Throws fileError(what, name, cause) when
// it cannot: a folder with the system's "Is a directory", anything else that is no plain file with
// "not a regular file".
inline int openPlainFile(const std::string& path, int flags, std::string_view what, std::string_view name,
                         mode_t mode = 0666) {
    constexpr std::string_view kNotPlain = "not a regular file";
    const int descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    // A pipe that nobody reads, or a device that is not there, refuses a write open so.
    if (descriptor < 0) throw errno == ENXIO ? fileError(what, name, kNotPlain) : fileError(what, name, errno);
    struct stat info {};
    const bool statted = fstat(descriptor, &info) == 0;
    const int error = errno;
    if (statted && S_ISREG(info.st_mode)) return descriptor;
    ::close(descriptor);
    if (!statted) throw fileError(what, name, error);
    throw S_ISDIR(info.st_mode) ? fileError(what, name, EISDIR) : fileError(what, name, kNotPlain);
}

// The same as a stream opened with fopen's `mode`.
inline std::FILE* openPlainStream(const std::string& path, int flags, const char* mode, std::string_view what) {
    const int descriptor = openPlainFile(path, flags, what, path);
    std::FILE* file = fdopen(descriptor, mode);
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        throw fileError(what, path, error);
    }
    return file;
}

// Opens the file for reading, as bytes.
inline std::FILE* openToRead(const std::string& path, std::string_view what = "Cannot open file") {
    return openPlainStream(path, O_RDONLY, "rb", what);
}

}  // namespace tk
