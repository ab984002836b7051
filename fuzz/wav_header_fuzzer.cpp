// Any bytes as a sound file's header: the reader ends, stays within the file, and what it gives
// is a layout samples can have, with a length that is no negative time.
#include "toolkit/wav_header.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!file) return 0;
    if (const auto header = tk::readWavHeader(file)) {
        const long at = std::ftell(file);
        if (at < 20 || static_cast<std::size_t>(at) > size) std::abort();
        if (header->channels <= 0 || header->sampleBytes() <= 0 || header->rate <= 0) std::abort();
        if (header->lengthMilliseconds() < 0) std::abort();
    }
    std::fclose(file);
    return 0;
}
