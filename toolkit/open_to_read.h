#pragma once
// Opening a file to read it, the one way the layer does it: only a plain file is read. A folder
// fails later with a cause that names no file; a named pipe holds the open until some other program
// writes to it, and a device such as /dev/zero never ends.
#include "error.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

// The stream of a descriptor opened with O_NONBLOCK (so that a pipe did not hold the open), once it
// is known to be a plain file; from here it blocks as files do. Otherwise closes the descriptor and
// throws fileError(what, path, cause).
inline std::FILE* plainFileStream(int descriptor, const std::string& path, std::string_view what, const char* mode) {
    const auto refuse = [&](const Error& error) {
        ::close(descriptor);
        return error;
    };
    struct stat info {};
    if (fstat(descriptor, &info) != 0) throw refuse(fileError(what, path, errno));
    if (S_ISDIR(info.st_mode)) throw refuse(fileError(what, path, EISDIR));
    if (!S_ISREG(info.st_mode)) throw refuse(fileError(what, path, "not a regular file"));
    const int flags = fcntl(descriptor, F_GETFL);
    if (flags < 0 || fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) throw refuse(fileError(what, path, errno));
    std::FILE* file = fdopen(descriptor, mode);
    if (!file) throw refuse(fileError(what, path, errno));
    return file;
}

// Opens the file for reading, as bytes. Throws fileError(what, path, cause) when it cannot, or when
// it is not a plain file.
inline std::FILE* openToRead(const std::string& path, std::string_view what = "Cannot open file") {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) throw fileError(what, path, errno);
    return plainFileStream(descriptor, path, what, "rb");
}

}  // namespace tk
