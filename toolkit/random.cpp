#include "random.h"

#include <chrono>
#include <random>

namespace tk {
namespace {

std::mt19937_64& engine() {
    static std::mt19937_64 generator{0};
    return generator;
}

std::function<std::uint64_t()>& seedSource() {
    static std::function<std::uint64_t()> source;
    return source;
}

}  // namespace

void Randomize() {
    const auto seed = seedSource() ? seedSource()()
                                   : static_cast<std::uint64_t>(
                                         std::chrono::system_clock::now().time_since_epoch().count());
    engine().seed(seed);
}

int Random(int n) {
    if (n <= 0) return 0;
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(engine()));
}

double RandomReal() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine()); }

void setSeedSource(std::function<std::uint64_t()> source) { seedSource() = std::move(source); }

}  // namespace tk
