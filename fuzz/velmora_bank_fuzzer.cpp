// Any bytes as base.txt: the scan either takes exactly 15 level groups, one after the other, over
// all the file's records, or refuses the bank and leaves the bounds all zero. A draw from a bank it
// took ends, and gives neighbouring levels questions of different keys, since a group ends exactly
// where the key changes.
#include "fuzz_setup.h"
#include "velmora/question_bank.h"

#include "toolkit/error.h"
#include "toolkit/random.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

// Records of six lines as the file's reader splits them: a line ends at LF, and a last line
// without one counts too.
int recordsIn(const std::uint8_t* data, std::size_t size) {
    const auto breaks = std::count(data, data + size, '\n');
    const auto lines = breaks + (size > 0 && data[size - 1] != '\n' ? 1 : 0);
    return static_cast<int>((lines + 5) / 6);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz_setup::enterTempFolder(argc, argv, "velmora_bank");
    tk::setSeedSource([] { return 1u; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(BankFileName, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    LevelBoundsTable bounds;
    bounds.fill(-1);
    try {
        ScanLevelGroups(bounds);
    } catch (const tk::Error&) {
        if (std::any_of(bounds.begin(), bounds.end(), [](int bound) { return bound != 0; })) __builtin_trap();
        return 0;
    }
    if (!LevelBoundsValid(bounds) || bounds[LevelCount + 1] != recordsIn(data, size) + 1) __builtin_trap();

    tk::Randomize();
    int randomBound = 0;
    QuestionSet questions;
    DrawQuestions(bounds, randomBound, questions);
    if (randomBound != bounds[LevelCount + 1] - 1 || questions[1].LevelKey.empty()) __builtin_trap();
    for (int n = 1; n < LevelCount; ++n)
        if (questions[n].LevelKey == questions[n + 1].LevelKey) __builtin_trap();
    return 0;
}
