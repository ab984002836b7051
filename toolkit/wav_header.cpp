#include "wav_header.h"

#include <climits>
#include <cstring>

namespace tk {
namespace {

bool readBytes(std::FILE* file, void* into, std::size_t size) { return std::fread(into, 1, size, file) == size; }

std::uint32_t littleEndian(const unsigned char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

std::optional<WavHeader> readWavHeader(std::FILE* file) {
    unsigned char riff[12];
    if (!readBytes(file, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<WavHeader> header;
    for (;;) {
        unsigned char chunk[8];
        if (!readBytes(file, chunk, sizeof chunk)) return std::nullopt;
        const std::uint32_t size = littleEndian(chunk + 4, 4);
        if (std::memcmp(chunk, "data", 4) == 0) {
            if (!header) return std::nullopt;  // samples before their layout
            header->dataBytes = size;
            return header;
        }
        std::uint32_t rest = size + (size & 1);  // chunks lie on even offsets
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !header) {
            unsigned char format[16];
            if (size < sizeof format || !readBytes(file, format, sizeof format)) return std::nullopt;
            const std::uint32_t rate = littleEndian(format + 4, 4);
            const int channels = static_cast<int>(littleEndian(format + 2, 2));
            const int sampleBits = static_cast<int>(littleEndian(format + 14, 2));
            if (channels == 0 || sampleBits < 8 || rate == 0 || rate > INT_MAX) return std::nullopt;
            header = WavHeader{static_cast<int>(littleEndian(format, 2)), channels, static_cast<int>(rate),
                               sampleBits, 0};
            rest -= sizeof format;
        }
        if (std::fseek(file, rest, SEEK_CUR) != 0) return std::nullopt;
    }
}

}  // namespace tk
