#pragma once
// Writing a track as a 16-bit PCM WAV file.
#include <filesystem>

#include "synth.h"

namespace sounds {

// Samples are expected within -1..1; anything beyond is clipped. Throws std::runtime_error when the
// file cannot be written.
void writeWav(const std::filesystem::path& path, const Track& track);

}  // namespace sounds
