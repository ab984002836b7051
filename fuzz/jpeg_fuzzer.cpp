// Any bytes as a JPEG picture through the toolkit's libjpeg wrapper: it either gives a non-empty
// RGB picture or throws an error that names the picture.
#include "fuzz_setup.h"
#include "toolkit/error.h"
#include "toolkit/jpeg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// A few bytes of header can claim a picture of gigabytes. Memory is bounded below the run's limit
// so that such a claim ends in the wrapper's error, not in the fuzzer's out-of-memory stop: one
// allocation above 256 MB (more than the biggest picture the wrapper takes, 64 million pixels of
// 3 bytes) fails, and so does libjpeg's working memory beyond 512 MB; with ASan's quarantine of
// freed blocks the process stays near 1 GB, and the limit catches a decode that runs away.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1:max_allocation_size_mb=256"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("JPEGMEM", "512M", 0);
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);  // QImage's note on each refused picture
    fuzz_setup::addDefaultFlags(argc, argv, {"-rss_limit_mb=1536"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string name = "\"fuzz.jpg\"";
    try {
        const QImage image = tk::jpeg::decode({data, size}, name);
        if (image.isNull() || image.width() < 1 || image.height() < 1 || image.format() != QImage::Format_RGB888)
            __builtin_trap();
    } catch (const tk::Error& error) {
        if (std::string(error.what()).find(name) == std::string::npos) __builtin_trap();
    }
    return 0;
}
