// Small worlds for the season tests: every test starts from a fresh game state.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "season/GameState.h"
#include "world/Random.h"

namespace ravel {

class SeasonWorld : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        SeedRand(1);
        g_world.mv_players.resize(1);  // id 0 is never a real player
    }

    static Player& AddPlayer() {
        Player p;
        p.m_id = static_cast<int32_t>(g_world.mv_players.size());
        p.m_batPosition = 6;
        g_world.mv_players.push_back(p);
        return g_world.mv_players.back();
    }

    static Team& AddTeam(int id, int ground = 0) {
        Team t;
        t.m_id = id;
        t.m_ground = ground;
        std::snprintf(t.m_name, sizeof t.m_name, "Club %d", id);
        g_world.mv_teams.push_back(t);
        return g_world.mv_teams.back();
    }

    static Country& AddCountry(int id, const char* name) {
        Country c;
        c.m_id = id;
        std::snprintf(c.m_name, sizeof c.m_name, "%s", name);
        g_world.mv_countries.push_back(c);
        return g_world.mv_countries.back();
    }

    static Ground& AddGround(int id, int country, float turn = 7.5f) {
        Ground g;
        g.m_id = id;
        g.m_country = country;
        g.m_turn = turn;
        g_world.mv_grounds.push_back(g);
        return g_world.mv_grounds.back();
    }

    // A league of club sides 1001.., each with its own ground 1..n.
    static Competition& AddLeague(int id, int sides, int format = FORMAT_FIRST_CLASS) {
        Competition c;
        c.m_id = id;
        std::snprintf(c.m_name, sizeof c.m_name, "League %d", id);
        c.m_format = format;
        c.m_points[POINTS_WIN] = 16;
        c.m_points[POINTS_TIE] = 8;
        c.m_points[POINTS_DRAW] = 3;
        c.m_points[POINTS_LOSS] = 0;
        for (int i = 0; i < sides; ++i) {
            const int side = 1001 + 100 * (id % 10) + i;
            AddTeam(side, side);
            c.mv_teams.push_back(side);
        }
        for (int r = 0; r < 2 * sides; ++r) c.mv_rounds.push_back({r, id, 10 + 7 * r});
        g_world.mv_competitions.push_back(c);
        return g_world.mv_competitions.back();
    }
};

}  // namespace ravel
