#include <algorithm>
#include <cstdint>
#include <set>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/Schedule.h"
#include "season/Tournaments.h"

namespace ravel {
namespace {

class Tournament : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        for (int id = 1; id <= 8; ++id) AddCountry(id, "Side");
        AddGround(50, 1);
        AddGround(51, 1);
        InternationalTournament t;
        t.m_id = 9;
        t.m_competition = 507;
        t.m_season = g_cricket.m_date.m_season;
        t.m_host = 1;
        t.m_qualifiers = 2;
        t.m_superEight = 1;
        t.mv_groups = {
            {StandingsRow(1, 507), StandingsRow(3, 507), StandingsRow(5, 507), StandingsRow(7, 507)},
            {StandingsRow(2, 507), StandingsRow(4, 507), StandingsRow(6, 507), StandingsRow(8, 507)}};
        t.m_groupCount = 2;
        t.mv_stages = {{9, TSTAGE_GROUPS, 20, 1, 2}, {9, TSTAGE_SUPER_EIGHT, 40, 2, 1}};
        t.mv_venues = {{9, TSTAGE_GROUPS, 60}, {9, TSTAGE_GROUPS, 61}, {9, TSTAGE_GROUPS, 62}};
        g_world.mv_tournaments.push_back(t);
    }

    static InternationalTournament& Cup() { return g_world.mv_tournaments.front(); }

    // Plays the cup's fixtures from `next` on, up to `until` or for as long as
    // the draws add more; the lower id always wins.
    static void PlayOut(size_t& next, size_t until = SIZE_MAX) {
        while (next < g_world.mv_fixtures.size() && next < until) {
            const Fixture f = g_world.mv_fixtures[next++];
            MatchOutcome o;
            o.m_side1 = f.m_home;
            o.m_side2 = f.m_away;
            o.m_winner = std::min(f.m_home, f.m_away);
            o.m_kind = RESULT_WON_BOWLING_LAST;
            o.m_runs[0] = o.m_runs[1] = 200;
            o.m_balls[0] = o.m_balls[1] = 300;
            RecordTournamentResult(Cup(), o);
        }
    }
};

TEST_F(Tournament, WhoIsStillInAtEachStage) {
    InternationalTournament& t = Cup();
    t.mv_superEight = {StandingsRow(1, 507), StandingsRow(2, 507)};
    struct Case {
        const char* what;
        int stage;
        int32_t knockout[6];
        int winner;
        std::set<int> in;
    };
    const Case cases[] = {
        {"groups: every side", TSTAGE_GROUPS, {}, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"super eight: its table", TSTAGE_SUPER_EIGHT, {}, 0, {1, 2}},
        {"semi-finals to play", TSTAGE_SEMI_FINALS, {1, 4, 2, 3, 0, 0}, 0, {1, 2, 3, 4}},
        {"one semi-final won", TSTAGE_SEMI_FINALS, {1, 4, 2, 3, 4, 0}, 0, {2, 3, 4}},
        {"final", TSTAGE_FINAL, {1, 4, 2, 3, 4, 2}, 0, {2, 4}},
        {"won", TSTAGE_FINAL, {1, 4, 2, 3, 4, 2}, 4, {}},
    };
    for (const Case& c : cases) {
        t.m_stage = c.stage;
        std::copy(std::begin(c.knockout), std::end(c.knockout), std::begin(t.m_knockout));
        t.m_winner = c.winner;
        for (int id = 1; id <= 8; ++id)
            EXPECT_EQ(StillInTournament(t, id), c.in.count(id) == 1) << c.what << id;
    }
}

TEST_F(Tournament, GroupsThenSuperEightThenKnockout) {
    ASSERT_EQ(TournamentForCompetition(507), &Cup());
    StartTournament(Cup());
    ASSERT_EQ(g_world.mv_fixtures.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        const Fixture& f = g_world.mv_fixtures[i];
        EXPECT_EQ(f.m_competition, 507);
        EXPECT_EQ(f.m_date.m_dayOfSeason, 20 + static_cast<int>(i) / 2);
        EXPECT_EQ(f.m_ground, 60 + static_cast<int>(i) % 3);
        EXPECT_EQ(f.m_home % 2, f.m_away % 2) << "group sides only meet their own group";
    }

    size_t next = 0;
    PlayOut(next, 12);
    ASSERT_EQ(Cup().m_stage, TSTAGE_SUPER_EIGHT);
    PlayOut(next, 16);
    // Group winners and runners-up: 1 and 3, 2 and 4; those of one group do not meet again.
    const InternationalTournament& cup = Cup();
    ASSERT_EQ(cup.m_stage, TSTAGE_SEMI_FINALS);
    std::set<int> superEight;
    for (const StandingsRow& r : cup.mv_superEight) superEight.insert(r.m_team);
    EXPECT_EQ(superEight, (std::set<int>{1, 2, 3, 4}));
    ASSERT_EQ(g_world.mv_fixtures.size(), 12u + 4u + 2u);
    for (size_t i = 12; i < 16; ++i) {
        const Fixture& f = g_world.mv_fixtures[i];
        EXPECT_NE(f.m_home % 2, f.m_away % 2);
        EXPECT_EQ(f.m_date.m_dayOfSeason, 40 + 2 * static_cast<int>(i - 12));
        EXPECT_TRUE(f.m_ground == 50 || f.m_ground == 51);
    }
    // Semi-finals: first v fourth and second v third of the super eight.
    EXPECT_EQ(cup.m_knockout[0], cup.mv_superEight[0].m_team);
    EXPECT_EQ(cup.m_knockout[1], cup.mv_superEight[3].m_team);
    EXPECT_EQ(cup.m_knockout[2], cup.mv_superEight[1].m_team);
    EXPECT_EQ(cup.m_knockout[3], cup.mv_superEight[2].m_team);

    PlayOut(next);
    EXPECT_EQ(g_world.mv_fixtures.size(), 19u);
    EXPECT_EQ(Cup().m_winner, 1);
    EXPECT_EQ(Cup().m_running, 0);
    EXPECT_EQ(Cup().mv_groups[0][0].m_points, 6);
}

TEST_F(Tournament, WithoutSuperEightGroupWinnersMeetTheOtherRunnersUp) {
    Cup().m_superEight = 0;
    StartTournament(Cup());
    size_t next = 0;
    PlayOut(next);  // groups, semis and final
    const InternationalTournament& cup = Cup();
    EXPECT_TRUE(cup.mv_superEight.empty());
    EXPECT_EQ(cup.m_knockout[0], 1);
    EXPECT_EQ(cup.m_knockout[1], 4);
    EXPECT_EQ(cup.m_knockout[2], 2);
    EXPECT_EQ(cup.m_knockout[3], 3);
    EXPECT_EQ(cup.m_winner, 1);
    EXPECT_EQ(g_world.mv_fixtures.size(), 12u + 2u + 1u);
}

TEST_F(Tournament, EventsStartAndDrawTheCupOfTheirCompetition) {
    RunCompetitionEvent(EVENT_START_SEASON, 507);
    EXPECT_EQ(Cup().m_running, 1);
    EXPECT_EQ(g_world.mv_fixtures.size(), 12u);
    // The super eight is drawn from the tables as they stand when its day comes.
    RunCompetitionEvent(EVENT_DRAW_QUARTER_FINALS, 507);
    EXPECT_EQ(Cup().m_stage, TSTAGE_SUPER_EIGHT);
    EXPECT_EQ(Cup().mv_superEight.size(), 4u);
    RunCompetitionEvent(EVENT_CLOSE, 507);
    EXPECT_EQ(Cup().m_running, 0);
    RunCompetitionEvent(EVENT_DRAW_SEMI_FINALS, 507);
    EXPECT_EQ(Cup().m_stage, TSTAGE_SUPER_EIGHT);
}

TEST_F(Tournament, KnockoutWithoutAWinnerGoesToTheHigherSeed) {
    Cup().m_superEight = 0;
    StartTournament(Cup());
    size_t next = 0;
    while (next < 12) {
        const Fixture f = g_world.mv_fixtures[next++];
        MatchOutcome o{f.m_home, f.m_away, std::min(f.m_home, f.m_away), RESULT_WON_BOWLING_LAST, {}, {},
                       {},       {}};
        RecordTournamentResult(Cup(), o);
    }
    ASSERT_EQ(Cup().m_stage, TSTAGE_SEMI_FINALS);
    MatchOutcome rained{Cup().m_knockout[2], Cup().m_knockout[3], 0, RESULT_NO_RESULT, {}, {}, {}, {}};
    RecordTournamentResult(Cup(), rained);
    EXPECT_EQ(Cup().m_knockout[5], 2);
    EXPECT_EQ(Cup().m_stage, TSTAGE_SEMI_FINALS);  // the other semi-final is still to come
    // A stage is never drawn twice.
    DrawTournamentStage(Cup(), TSTAGE_SEMI_FINALS);
    EXPECT_EQ(g_world.mv_fixtures.size(), 14u);
}

}  // namespace
}  // namespace ravel
