#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "season/Ranking.h"

namespace ravel {
namespace {

// Lists of ids with their keys, few distinct keys giving many ties, and the
// ranking a stable sort that compares keys gives them.
struct RankingCase {
    size_t size;
    int distinctKeys;
};
const RankingCase RANKING_CASES[] = {
    {0, 1},   {1, 1},   {2, 1},     {7, 3}, {SHORT_RANKING, 5}, {SHORT_RANKING + 1, 5},
    {40, 40}, {200, 4}, {200, 1000}};

struct Ranking {
    std::vector<int> keyOf;
    std::vector<int32_t> ids;
    std::vector<int32_t> expected;
};

Ranking MakeRanking(const RankingCase& c, std::mt19937& gen) {
    Ranking r;
    r.keyOf.resize(c.size);
    for (int& k : r.keyOf) k = static_cast<int>(gen() % static_cast<unsigned>(c.distinctKeys)) - 2;
    r.ids.resize(c.size);
    for (size_t i = 0; i < c.size; ++i) r.ids[i] = static_cast<int32_t>((i * 37) % c.size);
    r.expected = r.ids;
    std::stable_sort(r.expected.begin(), r.expected.end(),
                     [&](int32_t a, int32_t b) { return r.keyOf[a] > r.keyOf[b]; });
    return r;
}

// Both ways of ranking, the short one and the merge sort past it, agree with a
// stable sort that compares keys, ties kept in order.
TEST(RankByKey, AgreesWithAStableSortOfTheKeys) {
    std::mt19937 gen(7);
    for (const RankingCase& c : RANKING_CASES) {
        Ranking r = MakeRanking(c, gen);
        RankByKey(r.ids, [&](int32_t id) { return r.keyOf[id]; });
        EXPECT_EQ(r.ids, r.expected) << c.size << " ids, " << c.distinctKeys << " keys";
    }
}

// The best few are the head of the stable ranking, in its order, for counts
// from none to more than there are.
TEST(KeepBestByKey, KeepsTheHeadOfTheStableRanking) {
    std::mt19937 gen(11);
    for (const RankingCase& c : RANKING_CASES) {
        const Ranking r = MakeRanking(c, gen);
        for (size_t count : {size_t{0}, size_t{1}, size_t{3}, c.size / 2, c.size, c.size + 1}) {
            std::vector<int32_t> ids = r.ids;
            KeepBestByKey(
                ids, [&](int32_t id) { return r.keyOf[id]; }, count);
            const std::vector<int32_t> head(r.expected.begin(),
                                            r.expected.begin() + static_cast<long>(std::min(count, c.size)));
            EXPECT_EQ(ids, head) << c.size << " ids, " << c.distinctKeys << " keys, best " << count;
        }
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
