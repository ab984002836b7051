#include "wav_file.h"

#include <fstream>

namespace testing_support {

void writeWav(const std::string& path, int milliseconds, std::uint32_t rate, std::uint16_t channels, int silentFrom) {
    const std::uint32_t frames = std::uint64_t(rate) * milliseconds / 1000;
    const std::uint32_t loudFrames = silentFrom < 0 ? frames : std::uint64_t(rate) * silentFrom / 1000;
    const std::uint32_t dataBytes = frames * channels * 2;
    std::ofstream out(path, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + dataBytes);
    out << "WAVEfmt ";
    u32(16), u16(1), u16(channels), u32(rate), u32(rate * channels * 2), u16(channels * 2), u16(16);
    out << "data";
    u32(dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i)
        for (int channel = 0; channel < channels; ++channel)
            u16(i >= loudFrames ? 0 : static_cast<std::uint16_t>((i / 25) % 2 ? 3000 : -3000));
}

void writeLongWav(const std::string& path, int milliseconds, int silentFrom) {
    writeWav(path, milliseconds, 44100, 2, silentFrom);
}

}  // namespace testing_support
