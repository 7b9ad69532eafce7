#include "world/Random.h"

#include <chrono>

namespace ravel {

void SeedRand(uint64_t seed) {
    g_randState = 0;
    NextRandom();
    g_randState += seed;
    NextRandom();
}

void SeedRandFromClock() {
    SeedRand(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
             static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

}  // namespace ravel
