// A small world for the match tests: two club sides of graded players, a
// ground, and a four-day and a one-day competition; and helpers that set up
// and play a match between the sides from toss to result.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "season/GameState.h"
#include "world/GameDate.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

inline constexpr int COMPETITION_FOUR_DAY = 1;
inline constexpr int COMPETITION_ONE_DAY = 2;
inline constexpr int HOME_SIDE = 1001;
inline constexpr int AWAY_SIDE = 1002;
inline constexpr int TEST_GROUND = 1;

class MatchWorldFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        g_cricket.m_date.m_day = 10;
        g_cricket.m_date.m_month = 5;
        g_cricket.m_date.m_year = 2006;
        g_world.mv_players.resize(1);
        Climate climate;
        climate.m_id = 1;
        const int32_t thresholds[6] = {20, 45, 65, 80, 95, 100};
        std::copy(thresholds, thresholds + 6, climate.m_thresholds);
        g_world.mv_climates.push_back(climate);
        Ground ground;
        ground.m_id = TEST_GROUND;
        ground.m_climate = 1;
        ground.m_bounce = 5.0f;
        ground.m_turn = 5.0f;
        std::snprintf(ground.m_name, sizeof ground.m_name, "County Ground");
        g_world.mv_grounds.push_back(ground);
        AddCompetition(COMPETITION_FOUR_DAY, FORMAT_FIRST_CLASS, 4);
        AddCompetition(COMPETITION_ONE_DAY, FORMAT_LIST_A, 50);
        AddSide(HOME_SIDE, "Northfield", 0);
        AddSide(AWAY_SIDE, "Southmoor", 0);
    }

    static void AddCompetition(int id, int format, int length) {
        Competition c;
        c.m_id = id;
        c.m_format = format;
        c.m_length = length;
        g_world.mv_competitions.push_back(c);
    }

    // Eleven players in batting order: specialist batsmen, a keeper at six,
    // then bowlers who bat less well; strength shifts every skill.
    static void AddSide(int id, const char* name, int strength) {
        Team t;
        t.m_id = id;
        t.m_ground = TEST_GROUND;
        std::snprintf(t.m_name, sizeof t.m_name, "%s", name);
        static const int BAT[11] = {72, 70, 74, 68, 62, 50, 42, 34, 22, 16, 12};
        static const int BOWL_TYPE[11] = {0, 0, 0, 4, 0, 0, 5, 6, 3, 1, 2};
        static const int BOWL[11] = {0, 0, 0, 48, 0, 0, 62, 60, 66, 70, 68};
        for (int i = 0; i < 11; ++i) {
            Player p;
            p.m_id = static_cast<int32_t>(g_world.mv_players.size());
            std::snprintf(p.m_firstName, sizeof p.m_firstName, "Pat");
            std::snprintf(p.m_surname, sizeof p.m_surname, "%s%d", name, i + 1);
            p.m_batPosition = i + 1;
            p.m_batHand = i % 3 == 2 ? 1 : 0;
            for (int k = 0; k < 7; ++k) p.m_batSkill[k] = std::max(BAT[i] + strength, 1);
            p.m_bowlType = BOWL_TYPE[i];
            for (int k = 0; k < 4; ++k) p.m_bowlSkill[k] = BOWL[i] ? BOWL[i] + strength : 5;
            for (int k = 0; k < 4; ++k) p.m_fieldSkill[k] = 60;
            p.m_keeper = i == 5 ? 1 : 0;
            p.m_keepSkill[0] = p.m_keepSkill[1] = i == 5 ? 75 : 10;
            t.m_xi[i] = p.m_id;
            g_world.mv_players.push_back(p);
        }
        g_world.mv_teams.push_back(t);
    }

    static std::unique_ptr<Match> SetUpMatch(int competition) {
        auto m = std::make_unique<Match>();
        m->Setup(1, competition, TEST_GROUND, HOME_SIDE, AWAY_SIDE, g_cricket.m_date.m_day,
                 g_cricket.m_date.m_month, g_cricket.m_date.m_year, 0);
        for (int side = 1; side <= 2; ++side) {
            const Team* t = TeamById(side == 1 ? HOME_SIDE : AWAY_SIDE);
            std::array<int32_t, SQUAD_SIZE> xi{};
            std::copy(t->m_xi, t->m_xi + SQUAD_SIZE, xi.begin());
            m->RegisterSquads(side, xi, 0, 5, 9, 10);
        }
        m->Start();
        m->mb_sliced = 0;
        return m;
    }

    // Steps the match day by day until it is over, as the day machine would.
    static void PlayThrough(Match& m) {
        const GameDate start = g_cricket.m_date;
        for (int steps = 0; steps < 20000 && m.mi_playState != PLAY_MATCH_OVER; ++steps) {
            m.Step();
            if (m.mi_playState == PLAY_CLOSE) {
                g_cricket.m_date.NextDay();
                m.mi_playState = PLAY_IN_PLAY;
            }
        }
        g_cricket.m_date = start;
    }

    static std::unique_ptr<Match> PlayMatch(int competition) {
        auto m = SetUpMatch(competition);
        PlayThrough(*m);
        return m;
    }
};

}  // namespace ravel
