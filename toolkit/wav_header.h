#pragma once
// The header of a WAV file: how its samples are laid out and how many bytes of them it holds,
// read without the sound libraries, so that a file can be judged before they are loaded.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace tk {

struct WavHeader {
    static constexpr int kPlainPcm = 1;

    int encoding;       // the "fmt " chunk's format tag, such as kPlainPcm
    int channels;
    int rate;           // frames a second
    int sampleBits;     // of one sample of one channel
    std::uint32_t dataBytes;  // what the "data" chunk says it holds

    int sampleBytes() const { return sampleBits / 8; }
    int frameBytes() const { return channels * sampleBytes(); }
    int lengthMilliseconds() const {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t(dataBytes) / frameBytes() * 1000 / rate, INT_MAX));
    }
};

// Reads the header from the start of the file up to the start of its samples, where it leaves the
// file. Nothing when the file is no WAV, or its layout is none that samples can have.
std::optional<WavHeader> readWavHeader(std::FILE* file);

}  // namespace tk
