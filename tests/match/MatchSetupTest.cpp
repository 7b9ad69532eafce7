#include <gtest/gtest.h>

#include <set>

#include "match/StepTestWorld.h"
#include "season/Selection.h"

namespace ravel {
namespace {

using namespace test;

class MatchSetup : public ::testing::Test {
protected:
    void SetUp() override { BuildWorld(); }

    Fixture& AddTestFixture(int competition, int home, int away, int ground, int code = 0) {
        Fixture fixture;
        fixture.m_home = home;
        fixture.m_away = away;
        fixture.m_competition = competition;
        fixture.m_reserved = code;
        fixture.m_id = static_cast<int32_t>(g_world.mv_fixtures.size()) + 1;
        fixture.m_ground = ground;
        fixture.m_date = g_cricket.m_date;
        fixture.m_match = 0;
        g_world.mv_fixtures.push_back(fixture);
        return g_world.mv_fixtures.back();
    }
};

TEST_F(MatchSetup, FixtureWithoutGroundPlaysAtHomeAndGetsItsMatchId) {
    int32_t fixtureId = AddTestFixture(COMP_FC, HOME, AWAY, 0).m_id;
    CreateMatchForFixture(fixtureId);
    ASSERT_EQ(g_currentMatches.size(), 1u);
    const Match& match = *g_currentMatches[0];
    EXPECT_EQ(match.mi_ground, GROUND);
    EXPECT_EQ(FixtureById(fixtureId)->m_match, match.mi_id);
    EXPECT_GT(match.mi_id, 0);
    EXPECT_EQ(match.mi_sideKind, SIDES_CLUBS);
    EXPECT_EQ(match.mi_matchType, FORMAT_FIRST_CLASS);
    EXPECT_EQ(match.mi_length, 4);
    EXPECT_EQ(match.mi_playState, PLAY_IN_PLAY);
    // Both sides picked by the computer from their squads.
    EXPECT_GE(match.m_team1.m_players[0].mi_player, 1);
    EXPECT_LE(match.m_team1.m_players[0].mi_player, 15);
    EXPECT_GE(match.m_team2.m_players[0].mi_player, 16);
}

TEST_F(MatchSetup, NoDrawByFixtureCodeAndSidesByCompetition) {
    struct Case {
        int competition;
        int code;
        bool noDraw;
        int sideKind;
        bool registered;
    };
    const Case cases[] = {
        {COMP_FC, 0, false, SIDES_CLUBS, true},   {COMP_FC, -84, true, SIDES_CLUBS, true},
        {COMP_FC, -87, true, SIDES_CLUBS, true},  {COMP_FC, -90, true, SIDES_CLUBS, true},
        {COMP_FC, -85, false, SIDES_CLUBS, true}, {500, 0, false, SIDES_CLUBS, false},
        {501, 0, false, SIDES_CLUBS, false},      {551, 0, false, SIDES_CLUBS, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.competition * 1000 + c.code);
        BuildWorld();
        int32_t fixtureId = AddTestFixture(c.competition, HOME, AWAY, GROUND, c.code).m_id;
        CreateMatchForFixture(fixtureId);
        ASSERT_EQ(g_currentMatches.size(), 1u);
        const Match& match = *g_currentMatches[0];
        EXPECT_EQ(match.mb_noDraw != 0, c.noDraw);
        EXPECT_EQ(match.mi_sideKind, c.sideKind);
        EXPECT_EQ(match.m_team1.m_players[3].mi_player > 0, c.registered);
    }
}

// Two countries whose one-day squads are the two clubs' players.
void AddCountries(int competition, int format) {
    for (int side = 0; side < 2; ++side) {
        Country country;
        country.m_id = 5 + side;
        std::snprintf(country.m_name, sizeof(country.m_name), "%s", side == 0 ? "Westland" : "Eastland");
        for (int i = 0; i < 15; ++i) {
            country.mv_oneDaySquad.push_back(side * 15 + i + 1);
            country.mv_testSquad.push_back(side * 15 + i + 1);
        }
        g_world.mv_countries.push_back(country);
    }
    Competition tournament;
    tournament.m_id = competition;
    tournament.m_format = format;
    tournament.m_length = 50;
    tournament.mv_conditions.push_back(DayRules(competition, 0, 50, 10));
    std::snprintf(tournament.m_name, sizeof(tournament.m_name), "World Cup");
    g_world.mv_competitions.push_back(tournament);
}

TEST_F(MatchSetup, EveryTournamentRegistersBothCountries) {
    for (int competition : {505, 507, 520, 549, 550}) {
        SCOPED_TRACE(competition);
        BuildWorld();
        AddCountries(competition, FORMAT_ODI);
        CreateMatchForFixture(AddTestFixture(competition, 5, 6, GROUND).m_id);
        ASSERT_EQ(g_currentMatches.size(), 1u);
        const Match& match = *g_currentMatches[0];
        EXPECT_EQ(match.mi_sideKind, SIDES_COUNTRIES);
        std::set<int32_t> players;
        for (const MatchPlayer& p : match.m_team1.m_players) players.insert(p.mi_player);
        for (const MatchPlayer& p : match.m_team2.m_players) players.insert(p.mi_player);
        EXPECT_EQ(players.size(), 22u);
        EXPECT_EQ(players.count(0), 0u);
    }
}

TEST_F(MatchSetup, KnockoutMatchesAreTitledByTheirRound) {
    Competition& cup = g_world.mv_competitions[1];
    std::snprintf(cup.m_name, sizeof(cup.m_name), "County Cup");
    struct Case {
        int stage;
        const char* title;
    };
    const Case cases[] = {{STAGE_LEAGUE, "Northfield vs Southdown"},
                          {STAGE_QUARTER_FINALS, "County Cup Quarter Final"},
                          {STAGE_SEMI_FINALS, "County Cup Semi Final"},
                          {STAGE_FINAL, "County Cup Final"}};
    for (const Case& c : cases) {
        cup.m_stage = c.stage;
        Match match;
        match.Setup(1, COMP_ONE_DAY, GROUND, HOME, AWAY, 2, 5, 2006, 0);
        cup.m_stage = STAGE_LEAGUE;  // the round is the match's own once set up
        EXPECT_EQ(MatchTitle(match), c.title);
    }

    AddCountries(520, FORMAT_ODI);
    InternationalTournament t;
    t.m_competition = 520;
    t.m_season = g_cricket.m_date.m_season;
    t.m_running = 1;
    std::snprintf(t.m_name, sizeof(t.m_name), "Champions Trophy");
    for (int stage : {TSTAGE_GROUPS, TSTAGE_SEMI_FINALS, TSTAGE_FINAL}) {
        t.m_stage = stage;
        g_world.mv_tournaments = {t};
        Match match;
        match.Setup(1, 520, GROUND, 5, 6, 2, 5, 2006, 0);
        EXPECT_EQ(MatchTitle(match), stage == TSTAGE_GROUPS        ? "Westland vs Eastland"
                                     : stage == TSTAGE_SEMI_FINALS ? "Champions Trophy Semi Final"
                                                                   : "Champions Trophy Final");
    }
}

TEST_F(MatchSetup, TestAndOneDayPlayersHaveFiguresOfThatKind) {
    Competition test;
    test.m_id = COMP_TEST_CHAMPIONSHIP;
    test.m_format = FORMAT_TEST;
    g_world.mv_competitions.push_back(test);
    Player& debutant = g_world.mv_players[3];
    debutant.m_stats[STATS_CAREER_TEST] = PlayerStats{};
    debutant.m_stats[STATS_SEASON_TEST] = PlayerStats{};
    Player& capped = g_world.mv_players[4];
    capped.m_stats[STATS_CAREER_TEST].m_player = 4;
    capped.m_stats[STATS_CAREER_TEST].m_kind = KIND_TEST;
    capped.m_stats[STATS_CAREER_TEST].m_team = 9;
    capped.m_stats[STATS_CAREER_TEST].m_matches = 12;

    Match match;
    match.Setup(1, 601, GROUND, 5, 6, 2, 5, 2006, 0);
    ASSERT_EQ(match.mi_matchType, FORMAT_TEST);
    EXPECT_EQ(match.mf_setupFigures, (std::array<float, 2>{-1.0f, 5.0f}));
    match.RegisterSquads(1, Eleven(1), 0, 5, 9, 10);
    for (int block : {STATS_CAREER_TEST, STATS_SEASON_TEST}) {
        const PlayerStats& s = debutant.m_stats[block];
        EXPECT_EQ(s.m_player, 3);
        EXPECT_EQ(s.m_kind, KIND_TEST);
        EXPECT_EQ(s.m_team, 5);
        EXPECT_EQ(s.m_matches, 0);
    }
    EXPECT_EQ(debutant.m_stats[STATS_SEASON_TEST].m_season, g_cricket.m_date.m_season);
    // A record found is left as it is.
    EXPECT_EQ(capped.m_stats[STATS_CAREER_TEST].m_team, 9);
    EXPECT_EQ(capped.m_stats[STATS_CAREER_TEST].m_matches, 12);
    // Other kinds of match leave the figures alone.
    Player& other = g_world.mv_players[20];
    other.m_stats[STATS_CAREER_ODI] = PlayerStats{};
    Match county;
    county.Setup(2, COMP_FC, GROUND, HOME, AWAY, 2, 5, 2006, 0);
    county.RegisterSquads(2, Eleven(16), 0, 5, 9, 10);
    EXPECT_EQ(other.m_stats[STATS_CAREER_ODI].m_player, 0);
}

TEST_F(MatchSetup, MatchIdsStayUniqueAfterCompletedMatchesAreCleared) {
    std::vector<int32_t> ids;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 2; ++i) {
            CreateMatchForFixture(AddTestFixture(COMP_ONE_DAY, HOME, AWAY, GROUND).m_id);
            ids.push_back(g_currentMatches.back()->mi_id);
        }
        while (!g_currentMatches.empty()) RetireMatch(0);
        ClearCompletedMatches();
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

TEST_F(MatchSetup, PitchValuesStayInRange) {
    for (float figure : {-5.0f, 0.0f, 1.0f, 9.0f, 9.9f, 30.0f}) {
        g_world.mv_grounds[0].m_bounce = figure;
        g_world.mv_grounds[0].m_turn = figure;
        for (int seed = 0; seed < 50; ++seed) {
            SeedRand(seed);
            Match match;
            match.Setup(1, COMP_FC, GROUND, HOME, AWAY, 2, 5, 2006, 0);
            EXPECT_GE(match.mf_bounce, 0.0f);
            EXPECT_LE(match.mf_bounce, 9.9f);
            EXPECT_GE(match.mf_turn, 0.0f);
            EXPECT_LE(match.mf_turn, 9.9f);
            EXPECT_GE(match.mf_wear, 0.005f);
            EXPECT_LE(match.mf_wear, 0.0171f);
        }
    }
}

TEST_F(MatchSetup, TypeAndLengthByCompetition) {
    struct Case {
        int competition;
        int type;
        int length;
    };
    Competition test;
    test.m_id = COMP_TEST_CHAMPIONSHIP;
    test.m_format = FORMAT_TEST;
    g_world.mv_competitions.push_back(test);
    Competition odi;
    odi.m_id = COMP_ODI_CHAMPIONSHIP;
    odi.m_format = FORMAT_ODI;
    g_world.mv_competitions.push_back(odi);
    const Case cases[] = {
        {COMP_FC, FORMAT_FIRST_CLASS, 4},
        {COMP_ONE_DAY, FORMAT_LIST_A, 50},
        {502, FORMAT_FIRST_CLASS, 3},
        {503, FORMAT_LIST_A, 50},
        {504, FORMAT_FIRST_CLASS, 4},
        {601, FORMAT_TEST, 5},
        {602, FORMAT_ODI, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.competition);
        Match match;
        match.Setup(1, c.competition, GROUND, HOME, AWAY, 30, 4, 2006, 0);
        EXPECT_EQ(match.mi_matchType, c.type);
        EXPECT_EQ(match.mi_length, c.length);
        EXPECT_EQ(match.mi_followOnMargin, c.type == FORMAT_TEST ? 200 : 150);
        // The last day moves on across the month's end for matches over days.
        int days = IsFirstClassType(c.type) ? c.length : 1;
        EXPECT_EQ(match.m_lastDay.m_day, days == 1 ? 30 : days - 1);
    }
}

TEST_F(MatchSetup, StartLaysOutSessionsAndLogsTheOpening) {
    CreateMatchForFixture(AddTestFixture(COMP_FC, HOME, AWAY, GROUND).m_id);
    const Match& fc = *g_currentMatches[0];
    EXPECT_EQ(fc.m_sessions[0].mi_number, 1);
    EXPECT_EQ(fc.m_sessions[11].mi_day, 4);
    EXPECT_EQ(fc.m_sessions[12].mi_number, 0);  // a four-day match has twelve
    ASSERT_EQ(fc.mv_events.size(), 2u);
    EXPECT_EQ(fc.mv_events[0].mi_kind, MATCH_EVENT_DAY_START);
    EXPECT_EQ(fc.mv_events[1].mi_kind, MATCH_EVENT_INNINGS_START);
    EXPECT_EQ(fc.mv_events[1].mi_innings, 0);
    EXPECT_EQ(fc.mv_events[1].mi_values[0], fc.mi_battingFirst);
    EXPECT_EQ(fc.m_clock.m_hour, 11);
    EXPECT_EQ(fc.mi_oversLeftToday, 96);

    CreateMatchForFixture(AddTestFixture(COMP_ONE_DAY, HOME, AWAY, GROUND).m_id);
    const Match& oneDay = *g_currentMatches[1];
    EXPECT_EQ(oneDay.m_sessions[3].mi_number, 0);
    ASSERT_EQ(oneDay.mv_events.size(), 1u);
    EXPECT_EQ(oneDay.mv_events[0].mi_kind, MATCH_EVENT_INNINGS_START);
    EXPECT_EQ(oneDay.mv_events[0].mi_innings, -1);
    EXPECT_EQ(oneDay.m_rules.m_maxOversPerBowler, 10);
}

TEST_F(MatchSetup, HumanSideWaitsForTheTossAndPlaysItsOwnEleven) {
    g_world.mv_teams[1].m_human = 1;
    CreateMatchForFixture(AddTestFixture(COMP_FC, HOME, AWAY, GROUND).m_id);
    Match& match = *g_currentMatches[0];
    EXPECT_EQ(match.mb_humanMatch, 1);
    EXPECT_EQ(match.mb_team2Human, 1);
    EXPECT_EQ(match.mi_tossWinner, 0);
    for (int i = 0; i < SQUAD_SIZE; ++i) EXPECT_EQ(match.m_team2.m_players[i].mi_player, 16 + i);
    EXPECT_EQ(match.m_team2.KeeperSlot(0), 5);
    EXPECT_EQ(match.m_team2.OrderSlotA(0), 0);

    match.mi_tossWinner = AWAY;
    match.mi_tossChoice = 2;
    match.DecideToss();
    EXPECT_EQ(match.mi_battingFirst, HOME);
    EXPECT_EQ(match.CurrentInnings().mi_battingTeam, HOME);
    EXPECT_EQ(match.mi_bowler1, 9);
    EXPECT_EQ(match.mi_bowler2, 10);
}

TEST_F(MatchSetup, HumanSidesMatchPlayedWithoutTheTossTossesFirst) {
    g_world.mv_teams[0].m_human = 1;
    CreateMatchForFixture(AddTestFixture(COMP_ONE_DAY, HOME, AWAY, GROUND).m_id);
    Match& match = *g_currentMatches[0];
    match.mb_team1Human = 0;  // as autoplay leaves it
    match.Step();
    match.Step();
    EXPECT_GE(match.mi_tossWinner, HOME);
    EXPECT_NE(match.mi_battingFirst, 0);
    EXPECT_EQ(match.CurrentInnings().mi_battingTeam, match.mi_battingFirst);
    EXPECT_GT(match.CurrentInnings().mi_legalBalls, 0);
}

TEST_F(MatchSetup, InvalidPlayersAndOpeningBowlersAreRepaired) {
    Match match;
    match.Setup(1, COMP_FC, GROUND, HOME, AWAY, 2, 5, 2006, 0);
    std::array<int32_t, SQUAD_SIZE> players = Eleven(1);
    players[2] = -4;
    players[3] = 5000;
    match.RegisterSquads(1, players, 0, 5, 3, 3);  // both ends the same bowler
    match.RegisterSquads(2, Eleven(16), 0, 5, -1, -1);
    EXPECT_EQ(match.m_team1.m_players[2].mi_player, 0);
    EXPECT_EQ(match.m_team1.m_players[3].mi_player, 0);
    match.mi_battingFirst = AWAY;
    match.mi_bowlingFirst = HOME;
    match.SetUpInnings();
    EXPECT_EQ(match.mi_bowler1, 9);
    EXPECT_EQ(match.mi_bowler2, 10);
    match.mi_battingFirst = HOME;
    match.mi_bowlingFirst = AWAY;
    match.SetUpInnings();
    EXPECT_EQ(match.mi_bowler1, 9);
    EXPECT_EQ(match.mi_bowler2, 10);
    EXPECT_EQ(match.mi_bowler, 9);
}

TEST(MatchFigures, SumsAndRates) {
    Innings innings;
    innings.m_batsmen[0].mi_scored = {3, 4, 2, 1, 2, 1, 1};  // 4 + 4 + 3 + 8 + 5 + 6
    innings.m_batsmen[1].mi_scored = {0, 1, 0, 0, 0, 0, 0};
    innings.mi_byes = 2;
    innings.mi_wides = 1;
    innings.Recount();
    EXPECT_EQ(BatsmanRuns(innings.m_batsmen[0]), 30);
    EXPECT_EQ(innings.m_batsmen[0].Balls(), 14);
    EXPECT_EQ(InningsTotal(innings), 34);
    EXPECT_EQ(RunRate(innings), 0.0);
    innings.mi_legalBalls = 17;
    EXPECT_EQ(innings.Overs(), 2);
    EXPECT_EQ(innings.BallsOfOver(), 5);
    EXPECT_DOUBLE_EQ(RunRate(innings), 34.0 / 17 * 6);

    PlaySession session;
    EXPECT_EQ(session.RunRate(), -1.0);
    session.mi_balls = 9;
    session.mi_runs = 6;
    EXPECT_EQ(session.Overs(), 1);
    EXPECT_EQ(session.Balls(), 3);
    EXPECT_DOUBLE_EQ(session.RunRate(), 4.0);

    Partnership partnership;
    partnership.Begin(4, 9);
    partnership.AddRuns(9, 4);
    partnership.AddRuns(4, 0);
    partnership.AddRuns(-1, 2);
    partnership.AddRuns(4, 46);
    EXPECT_EQ(partnership.Runs(), 52);
    EXPECT_EQ(partnership.BatsmanRuns(0), 46);
    EXPECT_EQ(partnership.BatsmanRuns(1), 4);
    EXPECT_EQ(partnership.Balls(), 3);
    EXPECT_EQ(partnership.BatsmanBalls(0), 2);
    EXPECT_EQ(partnership.mb_reached[0], 1);
    EXPECT_EQ(partnership.mb_reached[1], 0);

    MatchTeam team;
    team.SetKeeperSlot(0, 4);
    team.SetKeeperSlot(3, 7);
    team.SetOrderSlotA(0, 2);
    EXPECT_EQ(team.KeeperSlot(3), 7);
    EXPECT_EQ(team.KeeperSlot(-1), 4);
    EXPECT_EQ(team.KeeperSlot(4), 4);
    EXPECT_EQ(team.OrderSlotA(9), 2);
}

TEST(MatchBall, AgeingAndNewBall) {
    Match match;
    match.NewBall();
    match.AgeBall(1);
    match.AgeBall(2);
    match.AgeBall(3);
    EXPECT_NEAR(match.mf_ballValue, 100.0f - 1.386f - 1.104f, 1e-4);
    EXPECT_EQ(match.mi_ballCount, 3);
    match.NewBall();
    EXPECT_EQ(match.mf_ballValue, 100.0f);
    EXPECT_EQ(match.mi_ballCount, 0);
}

}  // namespace
}  // namespace ravel
