// The game's one source of randomness. Rand() stands where the rules say
// rand(): a non-negative int of 31 bits. Play seeds it from the clock; tests
// and benchmarks seed it with a fixed value so a run can be repeated.
#pragma once

#include <cstdint>

namespace ravel {

inline constexpr int RAND_LIMIT = 0x7fffffff;  // largest value Rand() returns

void SeedRand(uint64_t seed);
void SeedRandFromClock();
int Rand();

}  // namespace ravel
