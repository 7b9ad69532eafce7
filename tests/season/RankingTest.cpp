#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "season/Ranking.h"

namespace ravel {
namespace {

// Both ways of ranking, the short one and the merge sort past it, agree with a
// stable sort that compares keys, ties (few distinct keys) kept in order.
TEST(RankByKey, AgreesWithAStableSortOfTheKeys) {
    struct Case {
        size_t size;
        int distinctKeys;
    };
    const Case cases[] = {{0, 1},   {1, 1},   {2, 1},     {7, 3}, {SHORT_RANKING, 5}, {SHORT_RANKING + 1, 5},
                          {40, 40}, {200, 4}, {200, 1000}};
    std::mt19937 gen(7);
    for (const Case& c : cases) {
        std::vector<int> keyOf(c.size);
        for (int& k : keyOf) k = static_cast<int>(gen() % static_cast<unsigned>(c.distinctKeys)) - 2;
        std::vector<int32_t> ids(c.size);
        for (size_t i = 0; i < c.size; ++i) ids[i] = static_cast<int32_t>((i * 37) % c.size);
        std::vector<int32_t> expected = ids;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](int32_t a, int32_t b) { return keyOf[a] > keyOf[b]; });
        RankByKey(ids, [&](int32_t id) { return keyOf[id]; });
        EXPECT_EQ(ids, expected) << c.size << " ids, " << c.distinctKeys << " keys";
    }
}

TEST(RankByKey, WorksOutEachKeyOnce) {
    std::vector<int32_t> ids = {5, 3, 9, 1, 7};
    int calls = 0;
    RankByKey(ids, [&calls](int32_t id) {
        ++calls;
        return -static_cast<float>(id);
    });
    EXPECT_EQ(ids, (std::vector<int32_t>{1, 3, 5, 7, 9}));
    EXPECT_EQ(calls, 5);
}

}  // namespace
}  // namespace ravel
