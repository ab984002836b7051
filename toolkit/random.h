#pragma once
// The one process-wide random source of a game.
#include <cstdint>
#include <functional>

namespace tk {

// Seeds the source from the clock (or from the seed source a test has set).
void Randomize();
// A uniform integer in 0..n-1; 0 when n is 0 or less.
int Random(int n);
// A uniform real in [0, 1).
double RandomReal();

// Test seam: where Randomize takes its seed; nullptr restores the clock.
void setSeedSource(std::function<std::uint64_t()> source);

}  // namespace tk
