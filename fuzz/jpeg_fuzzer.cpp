// Any bytes as a JPEG picture through the toolkit's libjpeg wrapper: it either gives a non-empty
// RGB picture or throws an error that names the picture.
#include "toolkit/error.h"
#include "toolkit/jpeg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// The wrapper bounds what one picture may cost (its sides, its scans, libjpeg's working memory), so
// a few bytes of header that claim a picture of gigabytes end in its error. Should a bound fail,
// an allocation above 256 MB returns null instead of stopping the run, and libFuzzer's own memory
// limit catches a decode that runs away.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1:max_allocation_size_mb=256"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_LOGGING_RULES", "default.warning=false", 0);  // QImage's note on each refused picture
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
