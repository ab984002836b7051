// Build-time tool: synthesises Quorvant's music and effect sounds into the given folder.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "pieces.h"
#include "wav_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        sounds::writeWav(folder / "forhim2.wav", sounds::backgroundTheme());
        sounds::writeWav(folder / "vin.wav", sounds::rightAnswer());
        sounds::writeWav(folder / "fol.wav", sounds::wrongAnswer());
        sounds::writeWav(folder / "million.wav", sounds::win());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sounds: %s\n", e.what());
        return 1;
    }
    return 0;
}
