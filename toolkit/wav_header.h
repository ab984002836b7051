#pragma once
// The header of a WAV file: how its samples are laid out and how many bytes of them it holds, read
// before the sound library sees the file, so that a file the sound card cannot play as it is is
// refused before the library converts it (a header saying 1 Hz has it stretch a small file to
// gigabytes), and so that a sound streamed from its file can be placed to the frame.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace tk {

struct WavHeader {
    static constexpr int kPlainPcm = 1;

    int encoding;       // the "fmt " chunk's format tag (an extensible format's sub-format), such as kPlainPcm
    int channels;
    int rate;           // frames a second
    int sampleBits;     // of one sample of one channel
    std::uint32_t dataBytes;  // what the "data" chunk says it holds

    int sampleBytes() const { return sampleBits / 8; }
    int frameBytes() const { return channels * sampleBytes(); }
    int lengthMilliseconds() const {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t(dataBytes) / frameBytes() * 1000 / rate, INT_MAX));
    }
    // What every sound card plays as it is: mono or stereo, plain 8- or 16-bit samples, 8 to 192 kHz.
    bool playable() const {
        return encoding == kPlainPcm && (sampleBits == 8 || sampleBits == 16) && channels <= 2 && rate >= 8000 &&
               rate <= 192000;
    }
};

// Reads the header from the start of the file up to the start of its samples, where it leaves the
// file. Nothing when the file is no WAV, or its layout is none that samples can have.
std::optional<WavHeader> readWavHeader(std::FILE* file);

}  // namespace tk
