// The custom tour: which plans can start, the coach and fixtures it makes in
// the built world, and a whole tour played through with each result kept in
// its series' score.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "match/MatchDay.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "season/Career.h"
#include "season/Coaches.h"
#include "season/CustomLeague.h"
#include "season/CustomTour.h"
#include "season/Squads.h"
#include "world/Database.h"
#include "world/Services.h"

namespace ravel {
namespace {

TEST(OrdinalSuffix, FirstToTenthThenX) {
    const struct {
        int n;
        const char* text;
    } cases[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"},   {5, "5th"},  {6, "6th"},
                 {7, "7th"}, {8, "8th"}, {9, "9th"}, {10, "10th"}, {11, "xth"}, {0, "xth"}};
    for (const auto& c : cases) EXPECT_STREQ(OrdinalSuffix(c.n), c.text) << c.n;
}

using CustomTourPlans = SeasonWorld;

TEST_F(CustomTourPlans, ATourOpensInTheHostsSeason) {
    // Eastland hosts a series in the world's programme; Westland and Southland
    // none, one warmest in July, the other in January.
    AddCountry(1, "Eastland");
    AddCountry(2, "Westland").m_homeGround = 2;
    AddCountry(3, "Southland").m_homeGround = 3;
    Climate north, south;
    north.m_id = 1;
    south.m_id = 2;
    for (int m = 0; m < 12; ++m) {
        north.m_monthly[m][0] = 10 + (m <= 6 ? m : 12 - m);  // warmest in July
        south.m_monthly[m][0] = 30 - (m <= 6 ? m : 12 - m);  // warmest in January
    }
    g_world.mv_climates = {north, south};
    AddGround(2, 2).m_climate = 1;
    AddGround(3, 3).m_climate = 2;
    for (const auto& [season, day] :
         {std::pair{FIRST_SEASON + 1, 75}, {FIRST_SEASON + 3, 10}, {FIRST_SEASON - 1, 5}}) {
        TourSeries s;
        s.m_id = 601 + static_cast<int32_t>(g_world.mv_tourSeries.size()) * 2;
        s.m_home = 1;
        s.m_away = 2;
        s.m_season = season;
        s.m_startDayOfSeason = day;
        g_world.mv_tourSeries.push_back(s);
    }
    const struct {
        int32_t host;
        int day, month, year;
    } cases[] = {{1, 15, 12, 2006}, {2, 1, 6, 2006}, {3, 26, 12, 2006}};
    for (const auto& c : cases) {
        const GameDate d = CustomTourFirstDay(c.host);
        EXPECT_EQ(d.m_day, c.day) << c.host;
        EXPECT_EQ(d.m_month, c.month) << c.host;
        EXPECT_EQ(d.m_year, c.year) << c.host;
    }
}

TEST_F(CustomTourPlans, ATourNeedsTwoNationalSidesAndAMatchItCanPlay) {
    AddCountry(1, "Eastland").m_nationalSide = 1;
    AddCountry(2, "Westland").m_nationalSide = 1;
    AddCountry(3, "Southland").m_nationalSide = 1;
    AddCountry(4, "Nowhere");
    AddTeam(1500).m_country = 2;  // Westland has a club, Southland none
    const TourEvent test{TOUR_EVENT_TEST}, warmUp{TOUR_EVENT_ONE_DAY_WARM_UP}, odd{801};
    const struct {
        CustomTourPlan plan;
        bool starts;
    } cases[] = {
        {{1, 2, {test}}, true},
        {{1, 1, {test}}, false},         // the same country twice
        {{1, 4, {test}}, false},         // no national side
        {{9, 2, {test}}, false},         // no such country
        {{1, 2, {}}, false},             // nothing to play
        {{1, 2, {warmUp}}, true},        // against the host's club
        {{1, 3, {warmUp}}, false},       // the host has no club
        {{1, 3, {warmUp, test}}, true},  // the Test is played
        {{1, 2, {odd}}, false},          // a kind nobody plays
    };
    for (const auto& c : cases)
        EXPECT_EQ(CanStartCustomTour(c.plan), c.starts)
            << c.plan.m_touring << " at " << c.plan.m_host << ", " << c.plan.mv_events.size() << " events";
    EXPECT_EQ(WarmUpOpponent(2), 1500);
    EXPECT_EQ(WarmUpOpponent(3), 0);
    EXPECT_FALSE(StartCustomTour({1, 1, {test}}));
    EXPECT_EQ(CustomTour(), nullptr);
    EXPECT_TRUE(g_userCoaches.empty());
}

// The built world, with a career begun before the tour.
class CustomTourPlay : public ::testing::Test {
protected:
    void SetUp() override {
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS)))
            GTEST_SKIP() << "the world database is not built";
        SeedRand(7);
        InstallServices(nullptr);
        LoadWorld();
        for (const Country& c : g_world.mv_countries)
            if (c.m_nationalSide == 1 && c.m_id != HOST) m_touring = c.m_id;
    }
    void TearDown() override {
        ResetGameState();
        InstallServices(nullptr);
    }

    // The tourists' match played out as Autoplay and Continue would.
    // Returns the mornings it went on after a close of play.
    static int PlayOut(Match& match) {
        int mornings = 0;
        for (int day = 0; day < 10 && match.mi_playState != PLAY_MATCH_OVER; ++day) {
            mornings += ResumeCustomGameMatch(match);
            AutoplayMatch(match);
        }
        return mornings;
    }

    static constexpr int32_t HOST = NORTHERN_COUNTRY;  // a country with clubs
    int32_t m_touring = 0;
};

TEST_F(CustomTourPlay, TheTouristsCoachIsANewProfileAndEachEventAFixture) {
    ASSERT_NE(m_touring, 0);
    // An earlier game's coach of the host's club.
    const int32_t club = WarmUpOpponent(HOST);
    ASSERT_GT(club, 0);
    StaffMember earlier;
    earlier.m_id = NextStaffId();
    earlier.m_human = 1;
    g_world.mv_staff.push_back(earlier);
    g_userCoaches.emplace_back().m_staff = earlier;
    AppointCoach(*TeamById(club), earlier.m_id);
    ASSERT_TRUE(TeamById(club)->m_human);
    const int32_t freshId = NextStaffId();

    const CustomTourPlan plan{
        m_touring,
        HOST,
        {{TOUR_EVENT_FOUR_DAY_WARM_UP}, {TOUR_EVENT_TEST}, {TOUR_EVENT_ODI}, {TOUR_EVENT_ODI}}};
    ASSERT_TRUE(StartCustomTour(plan));
    EXPECT_EQ(g_cricket.m_gameMode, MODE_CUSTOM_LEAGUE);
    ASSERT_EQ(g_userCoaches.size(), 1u);
    EXPECT_EQ(g_cricket.m_coachIndex, 0);
    const StaffMember& coach = g_userCoaches[0].m_staff;
    EXPECT_EQ(coach.m_id, freshId);
    EXPECT_EQ(coach.m_nationalJob, m_touring);
    ASSERT_NE(StaffMemberById(freshId), nullptr);
    EXPECT_EQ(StaffMemberById(freshId)->m_id, freshId);
    EXPECT_EQ(CountryById(m_touring)->m_coach, freshId);
    EXPECT_TRUE(CountryById(m_touring)->m_human);
    EXPECT_FALSE(TeamById(club)->m_human) << "the earlier coach is the computer's";
    EXPECT_EQ(g_cricket.m_team, m_touring);

    const CustomTourState& tour = *CustomTour();
    ASSERT_EQ(tour.mv_fixtures.size(), 4u);
    int32_t worldSeries = 0;
    for (const TourSeries& s : g_world.mv_tourSeries) worldSeries = std::max(worldSeries, s.m_id);
    EXPECT_EQ(tour.m_tests.m_competition % 2, 1);
    EXPECT_GT(tour.m_tests.m_competition, worldSeries);
    EXPECT_EQ(tour.m_odis.m_competition, tour.m_tests.m_competition + 1);
    const int32_t competitions[] = {COMP_TOUR_FOUR_DAY, tour.m_tests.m_competition, tour.m_odis.m_competition,
                                    tour.m_odis.m_competition};
    int previous = -1;
    for (size_t i = 0; i < 4; ++i) {
        const Fixture& f = *FixtureById(tour.mv_fixtures[i]);
        EXPECT_EQ(f.m_competition, competitions[i]) << i;
        EXPECT_EQ(f.m_away, m_touring) << i;
        EXPECT_EQ(f.m_home, i == 0 ? club : HOST) << i;
        EXPECT_EQ(GroundById(f.m_ground)->m_country, HOST) << i;
        if (i > 0) {
            EXPECT_EQ(GroundById(f.m_ground)->m_international, 1) << i;
        }
        EXPECT_GT(f.m_date.m_dayOfSeason, previous) << i;
        previous = f.m_date.m_dayOfSeason;
    }
    // England's tour is in the English summer.
    const Fixture& first = *FixtureById(tour.mv_fixtures[0]);
    EXPECT_EQ(first.m_date.m_year, 2006);
    EXPECT_GE(first.m_date.m_month, 4);
    EXPECT_LE(FixtureById(tour.mv_fixtures[3])->m_date.m_month, 9);
    EXPECT_EQ(first.m_date.m_dayOfSeason, CustomTourFirstDay(HOST).m_dayOfSeason);
    EXPECT_EQ(first.m_ground, TeamById(club)->m_ground);

    // The first match is the user's, the tourists human.
    const Match* match = UserMatch();
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->mi_id, tour.m_matchId);
    EXPECT_EQ(match->mi_team1, club);
    EXPECT_EQ(match->mi_team2, m_touring);
    EXPECT_TRUE(match->mb_team2Human);
    EXPECT_FALSE(match->mb_team1Human);
    EXPECT_TRUE(match->IsFirstClass());
    EXPECT_EQ(match->mi_length, 4);
    EXPECT_EQ(StartNextCustomTourMatch(), nullptr) << "one match at a time";
}

TEST_F(CustomTourPlay, EveryMatchIsPlayedInTurnAndScoredInItsSeries) {
    ASSERT_NE(m_touring, 0);
    const CustomTourPlan plan{m_touring, HOST, {{TOUR_EVENT_ODI}, {TOUR_EVENT_TEST}, {TOUR_EVENT_ODI}}};
    ASSERT_TRUE(StartCustomTour(plan));
    const CustomTourState& tour = *CustomTour();
    std::set<int32_t> matches;
    for (int n = 0; n < 3; ++n) {
        Match* match = UserMatch();
        ASSERT_NE(match, nullptr) << n;
        EXPECT_EQ(match->mi_matchType, n == 1 ? FORMAT_TEST : FORMAT_ODI) << n;
        EXPECT_FALSE(FinishCustomTourMatch()) << "not over yet";
        PlayOut(*match);
        ASSERT_EQ(match->mi_playState, PLAY_MATCH_OVER) << n;
        matches.insert(match->mi_id);
        ASSERT_TRUE(FinishCustomTourMatch()) << n;
        EXPECT_TRUE(g_currentMatches.empty());
        EXPECT_EQ(g_completedMatches.back()->mi_id, *matches.rbegin());
        if (n < 2) {
            ASSERT_NE(StartNextCustomTourMatch(), nullptr) << n;
        }
    }
    EXPECT_EQ(matches.size(), 3u);
    EXPECT_EQ(StartNextCustomTourMatch(), nullptr) << "the tour is over";
    // The scores as the completed matches give them.
    SeriesScore expected[2];
    for (const auto& m : g_completedMatches) {
        SeriesScore& s = expected[m->mi_competition == tour.m_odis.m_competition];
        if (m->mi_winner == HOST)
            ++s.m_hostWins;
        else if (m->mi_winner == m_touring)
            ++s.m_touringWins;
        else if (m->mi_resultKind == RESULT_DRAW)
            ++s.m_draws;
        else
            ++s.m_ties;
    }
    for (const auto& [score, want] :
         {std::pair(tour.m_tests, expected[0]), std::pair(tour.m_odis, expected[1])}) {
        EXPECT_EQ(score.m_hostWins, want.m_hostWins);
        EXPECT_EQ(score.m_touringWins, want.m_touringWins);
        EXPECT_EQ(score.m_draws, want.m_draws);
        EXPECT_EQ(score.m_ties, want.m_ties);
    }
    EXPECT_EQ(
        tour.m_tests.m_hostWins + tour.m_tests.m_touringWins + tour.m_tests.m_draws + tour.m_tests.m_ties, 1);
    EXPECT_EQ(tour.m_odis.m_hostWins + tour.m_odis.m_touringWins + tour.m_odis.m_draws + tour.m_odis.m_ties,
              2);
}

TEST_F(CustomTourPlay, AMatchOfSeveralDaysCountsItsDaysAndEndsWithinThem) {
    ASSERT_NE(m_touring, 0);
    const struct {
        int32_t m_event;
        int m_days;
    } cases[] = {{TOUR_EVENT_FOUR_DAY_WARM_UP, 4}, {TOUR_EVENT_TEST, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_event);
        ASSERT_TRUE(StartCustomTour({m_touring, HOST, {{c.m_event}}}));
        Match* match = UserMatch();
        ASSERT_NE(match, nullptr);
        EXPECT_EQ(match->mi_length, c.m_days);
        GameDate day = g_cricket.m_date;
        const int mornings = PlayOut(*match);
        ASSERT_EQ(match->mi_playState, PLAY_MATCH_OVER);
        EXPECT_EQ(match->mi_dayIndex, mornings) << "each morning is the match's next day";
        EXPECT_LT(match->mi_dayIndex, c.m_days);
        for (int d = 0; d < mornings; ++d) day.NextDay();
        EXPECT_EQ(g_cricket.m_date.m_day, day.m_day);
        EXPECT_EQ(g_cricket.m_date.m_month, day.m_month);
        EXPECT_FALSE(ResumeCustomGameMatch(*match)) << "a match that is over stays over";
        ASSERT_TRUE(FinishCustomTourMatch());
    }
}

}  // namespace
}  // namespace ravel
