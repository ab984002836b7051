#pragma once
// WAV files for the sound tests: 16-bit tones of a given length.
#include <cstdint>
#include <string>

namespace testing_support {

// The sound tests stream files of this many bytes and more from their file (the games only those of
// a mebibyte and more), so that a streamed sound need not last for seconds.
constexpr std::int64_t kTestStreamingThreshold = 16 * 1024;

// A 16-bit tone of the given length, silent from `silentFrom` milliseconds on when that is given.
// At the usual 22.05 kHz, mono, it stays below the tests' streaming threshold up to 370 ms.
void writeWav(const std::string& path, int milliseconds, std::uint32_t rate = 22050, std::uint16_t channels = 1,
              int silentFrom = -1);

// A tone that reaches the tests' streaming threshold from 93 ms on (44.1 kHz stereo, 176 kB a second).
void writeLongWav(const std::string& path, int milliseconds = 400, int silentFrom = -1);

}  // namespace testing_support
