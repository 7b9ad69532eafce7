// Ranks ids by a key worked out once an id rather than at every comparison
// of a sort: highest key first, equal keys in their old order, so a ranking
// repeats.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace ravel {

inline constexpr size_t SHORT_RANKING = 48;

template <typename Key>
void RankByKey(std::vector<int32_t>& ids, Key key) {
    using Value = decltype(key(int32_t{}));
    std::vector<std::pair<Value, int32_t>> keyed;
    keyed.reserve(ids.size());
    for (int32_t id : ids) keyed.emplace_back(key(id), id);
    auto before = [](const auto& a, const auto& b) { return a.first > b.first; };
    if (keyed.size() <= SHORT_RANKING) {
        // As stable as the merge sort, and quicker for a side's few players.
        for (size_t i = 1; i < keyed.size(); ++i) {
            const auto item = keyed[i];
            size_t j = i;
            for (; j > 0 && before(item, keyed[j - 1]); --j) keyed[j] = keyed[j - 1];
            keyed[j] = item;
        }
    } else {
        std::stable_sort(keyed.begin(), keyed.end(), before);
    }
    for (size_t i = 0; i < ids.size(); ++i) ids[i] = keyed[i].second;
}

// Keeps the `count` ids that RankByKey would put first, in its order; a pick
// of a few from many ranks only those.
template <typename Key>
void KeepBestByKey(std::vector<int32_t>& ids, Key key, size_t count) {
    if (count >= ids.size()) {
        RankByKey(ids, key);
        return;
    }
    using Value = decltype(key(int32_t{}));
    struct Keyed {
        Value m_value;
        size_t m_place;
        int32_t m_id;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) keyed.push_back({key(ids[i]), i, ids[i]});
    // Equal keys keep their old order, as in RankByKey's stable ranking.
    std::partial_sort(keyed.begin(), keyed.begin() + static_cast<std::ptrdiff_t>(count), keyed.end(),
                      [](const Keyed& a, const Keyed& b) {
                          if (a.m_value > b.m_value) return true;
                          if (b.m_value > a.m_value) return false;
                          return a.m_place < b.m_place;
                      });
    ids.resize(count);
    for (size_t i = 0; i < count; ++i) ids[i] = keyed[i].m_id;
}

}  // namespace ravel
