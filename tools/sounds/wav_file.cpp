#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace sounds {
namespace {

constexpr std::uint16_t channels = 2;
constexpr std::uint16_t bitsPerSample = 16;
constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;

// RIFF is little-endian whatever the machine is.
void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

void putSample(std::string& out, float v) {
    const auto s = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767));
    put(out, static_cast<std::uint16_t>(s), 2);
}

}  // namespace

void writeWav(const std::filesystem::path& path, const Track& track) {
    const auto dataSize = static_cast<std::uint32_t>(track.frames() * blockAlign);
    std::string out;
    out.reserve(44 + dataSize);
    out += "RIFF";
    put(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);  // size of the format chunk
    put(out, 1, 2);   // integer PCM
    put(out, channels, 2);
    put(out, sampleRate, 4);
    put(out, sampleRate * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, bitsPerSample, 2);
    out += "data";
    put(out, dataSize, 4);
    for (std::size_t i = 0; i < track.frames(); ++i) {
        putSample(out, track.left[i]);
        putSample(out, track.right[i]);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace sounds
