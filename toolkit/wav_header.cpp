#include "wav_header.h"

#include <climits>
#include <cstring>

namespace tk {
namespace {

constexpr int kExtensible = 0xFFFE;  // the format tag that gives the real one in a sub-format

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
        long rest = long(size) + (size & 1);  // chunks lie on even offsets
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !header) {
            // The sixteen bytes every format has, and an extensible one's size, bits and channel
            // mask before the sub-format, whose first two bytes are its format tag.
            unsigned char format[26];
            const std::size_t read = size >= sizeof format ? sizeof format : 16;
            if (size < 16 || !readBytes(file, format, read)) return std::nullopt;
            const std::uint32_t rate = littleEndian(format + 4, 4);
            const int channels = static_cast<int>(littleEndian(format + 2, 2));
            const int sampleBits = static_cast<int>(littleEndian(format + 14, 2));
            if (channels == 0 || sampleBits < 8 || rate == 0 || rate > INT_MAX) return std::nullopt;
            int encoding = static_cast<int>(littleEndian(format, 2));
            if (encoding == kExtensible) encoding = read == sizeof format ? static_cast<int>(littleEndian(format + 24, 2)) : 0;
            header = WavHeader{encoding, channels, static_cast<int>(rate), sampleBits, 0};
            rest -= long(read);
        }
        if (std::fseek(file, rest, SEEK_CUR) != 0) return std::nullopt;
    }
}

}  // namespace tk
