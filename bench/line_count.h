#pragma once
// The floor for reading a text file: its lines counted the way `wc -l` counts them, by reading
// large blocks and finding each line end with memchr. A benchmark of a bank read runs this over
// the same file beside it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace bench {

inline std::int64_t countLinesWithMemchr(const char* path) {
    const int file = open(path, O_RDONLY);
    if (file < 0) std::abort();
    std::vector<char> block(128 * 1024);
    std::int64_t lines = 0;
    for (ssize_t got; (got = read(file, block.data(), block.size())) > 0;) {
        const char* const end = block.data() + got;
        for (const char* at = block.data(); (at = static_cast<const char*>(std::memchr(at, '\n', end - at))); ++at)
            ++lines;
    }
    close(file);
    return lines;
}

}  // namespace bench
