// A small world of tactics: fourteen fielding positions (0..7 close, 10..13
// behind square on the leg side), two fields, three pace plans (the last
// without balls) and one spin plan.
#pragma once

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "world/World.h"

namespace ravel::test {

inline constexpr int TACTICS_POSITIONS = 14;

inline PlanBall TacticsBall(int32_t field, int32_t length, int32_t movement, int32_t effort) {
    PlanBall b;
    b.m_field = field;
    b.m_length = length;
    b.m_movement = movement;
    b.m_effort = effort;
    return b;
}

inline BowlPlan TacticsPlan(const char* name, std::vector<PlanBall> balls, bool pace) {
    BowlPlan p;
    std::snprintf(p.m_name, sizeof p.m_name, "%s", name);
    std::snprintf(p.m_description, sizeof p.m_description, "From the database");
    p.mv_balls = std::move(balls);
    p.m_pace = pace ? 1 : 0;
    p.m_spin = pace ? 0 : 1;
    return p;
}

inline FieldSetup TacticsField(const char* name, std::initializer_list<int32_t> positions) {
    FieldSetup f;
    std::snprintf(f.m_name, sizeof f.m_name, "%s", name);
    std::copy(positions.begin(), positions.end(), f.m_positions);
    f.m_id = static_cast<int32_t>(g_world.mv_fieldSetups.size());
    return f;
}

inline void AddTacticsTables() {
    for (int p = 0; p < TACTICS_POSITIONS; ++p) {
        FieldPosition pos;
        std::snprintf(pos.m_name, sizeof pos.m_name, "Position %d", p);
        pos.m_close = p < 8 ? 1 : 0;
        pos.m_boundary = p >= 10 ? 1 : 0;
        pos.m_x = 100 + 40 * p;
        pos.m_y = 60 + 25 * p;
        g_world.mv_fieldPositions.push_back(pos);
    }
    g_world.mv_fieldSetups.push_back(TacticsField("Attacking", {0, 1, 2, 3, 4, 5, 6, 8, 9}));
    g_world.mv_fieldSetups.push_back(TacticsField("Defensive", {0, 1, 8, 9, 10, 11, 2, 3, 4}));
    auto& pace = g_world.mv_pacePlans;
    pace.push_back(TacticsPlan("Line and length", {TacticsBall(1, LENGTH_GOOD, MOVE_STRAIGHT, 5)}, true));
    pace.push_back(TacticsPlan(
        "Short stuff",
        {TacticsBall(1, LENGTH_GOOD, MOVE_OUT_SWING, 3), TacticsBall(1, LENGTH_BOUNCER, MOVE_STRAIGHT, 9),
         TacticsBall(1, LENGTH_YORKER, MOVE_IN_SWING, 7)},
        true));
    pace.push_back(TacticsPlan("Empty", {}, true));
    for (size_t i = 0; i < pace.size(); ++i) pace[i].m_id = static_cast<int32_t>(i);
    g_world.mv_spinPlans.push_back(
        TacticsPlan("Flight", {TacticsBall(0, LENGTH_GOOD, MOVE_OFF_BREAK, 4)}, false));
}

}  // namespace ravel::test
