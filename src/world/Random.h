// The game's one source of randomness. Rand() stands where the rules say
// rand(): a non-negative int of 31 bits. Play seeds it from the clock; tests
// and benchmarks seed it with a fixed value so a run can be repeated.
#pragma once

#include <cstdint>

namespace ravel {

inline constexpr int RAND_LIMIT = 0x7fffffff;  // largest value Rand() returns

void SeedRand(uint64_t seed);
void SeedRandFromClock();

// PCG32 (XSH RR): small state, fast, and good enough statistically for
// millions of balls a second. Inline: a ball draws a dozen numbers.
inline uint64_t g_randState = 0x853c49e6748fea9bULL;

inline uint32_t NextRandom() {
    constexpr uint64_t MULTIPLIER = 6364136223846793005ULL;
    constexpr uint64_t INCREMENT = 0xda3e39cb94b95bdbULL;
    uint64_t old = g_randState;
    g_randState = old * MULTIPLIER + INCREMENT;
    auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

inline int Rand() {
    return static_cast<int>(NextRandom() >> 1);
}

}  // namespace ravel
