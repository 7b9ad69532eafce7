#include "world/Random.h"

#include <chrono>

namespace ravel {

namespace {

// PCG32 (XSH RR): small state, fast, and good enough statistically for
// millions of balls a second.
uint64_t g_state = 0x853c49e6748fea9bULL;
constexpr uint64_t INCREMENT = 0xda3e39cb94b95bdbULL;
constexpr uint64_t MULTIPLIER = 6364136223846793005ULL;

uint32_t Next() {
    uint64_t old = g_state;
    g_state = old * MULTIPLIER + INCREMENT;
    auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

}  // namespace

void SeedRand(uint64_t seed) {
    g_state = 0;
    Next();
    g_state += seed;
    Next();
}

void SeedRandFromClock() {
    SeedRand(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
             static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int Rand() {
    return static_cast<int>(Next() >> 1);
}

}  // namespace ravel
