// The national sides of the built world, those with the deepest player
// lists first: the Test-playing nations lead.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "world/World.h"

namespace ravel {

inline std::vector<int> NationsByDepth() {
    std::vector<std::pair<int, int>> depth;
    for (const Country& c : g_world.mv_countries) {
        if (c.m_nationalSide != 1) continue;
        int players = 0;
        for (const Player& p : g_world.mv_players) players += p.m_country == c.m_id;
        depth.push_back({-players, c.m_id});
    }
    std::sort(depth.begin(), depth.end());
    std::vector<int> ids;
    for (const auto& entry : depth) ids.push_back(entry.second);
    return ids;
}

}  // namespace ravel
