#pragma once
// Opening a file to read it, the one way the layer does it: a folder in the file's place is
// refused at once, since reading one fails later with a cause that names no file.
#include "error.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace tk {

// Opens the file for reading, as bytes. Throws fileError(what, path, cause) when it cannot.
inline std::FILE* openToRead(const std::string& path, std::string_view what = "Cannot open file") {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw fileError(what, path, errno);
    struct stat info {};
    if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(file);
        throw fileError(what, path, EISDIR);
    }
    return file;
}

}  // namespace tk
