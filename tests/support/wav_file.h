#pragma once
// WAV files for the sound tests: 16-bit tones of a given length.
#include <cstdint>
#include <string>

namespace testing_support {

// A 16-bit tone of the given length, silent from `silentFrom` milliseconds on when that is given.
void writeWav(const std::string& path, int milliseconds, std::uint32_t rate = 22050, std::uint16_t channels = 1,
              int silentFrom = -1);

// A sound long enough in bytes to be streamed from its file (750 kB a second), short in time.
void writeLongWav(const std::string& path, int milliseconds = 1500, int silentFrom = -1);

}  // namespace testing_support
