#include <string>

#include "SeasonWorld.h"
#include "season/Fixtures.h"

namespace ravel {
namespace {

using FixtureTable = SeasonWorld;

Fixture Between(int home, int away) {
    Fixture f;
    f.m_home = home;
    f.m_away = away;
    f.m_competition = 7;
    return f;
}

TEST_F(FixtureTable, AddFixtureRejectsBadSidesAndNumbersTheRest) {
    struct Case {
        int home, away;
        bool added;
    } cases[] = {{0, 0, false},  {5, 5, false}, {0, 5, false},  {5, 0, false},
                 {-3, 5, false}, {5, 6, true},  {1001, 7, true}};
    size_t expected = 0;
    for (const Case& c : cases) {
        const int id = AddFixture(Between(c.home, c.away));
        if (c.added) ++expected;
        ASSERT_EQ(g_world.mv_fixtures.size(), expected) << c.home << " v " << c.away;
        EXPECT_EQ(id, c.added ? static_cast<int>(expected) : 0);
        if (c.added) {
            EXPECT_EQ(g_world.mv_fixtures.back().m_id, id);
        }
    }
}

TEST_F(FixtureTable, NextFixtureIsTheEarliestUnplayedByCalendarDate) {
    g_cricket.m_date = GameDate::FromSeasonDay(170, 363);  // 20 March 2007
    const auto at = [](int home, int away, int dayOfSeason, int season, int state = FIXTURE_SCHEDULED) {
        Fixture f = Between(home, away);
        f.m_date = GameDate::FromSeasonDay(dayOfSeason, season);
        f.m_state = state;
        g_world.mv_fixtures.push_back(f);
        return static_cast<int>(g_world.mv_fixtures.size()) - 1;
    };
    EXPECT_EQ(FindNextFixture(1001), -1) << "no fixtures";
    at(1001, 1002, 150, 363);                  // past
    at(1003, 1001, 170, 363, FIXTURE_PLAYED);  // played today
    // The northern season opening on 1 April has small days of season, but
    // its first days come after the end of March.
    const int northern = at(1001, 1004, 5, 364);
    const int march = at(1005, 1001, 180, 363);
    EXPECT_EQ(FindNextFixture(1001), march);
    const int today = at(1001, 1006, 170, 363, FIXTURE_IN_PROGRESS);
    at(1007, 1001, 170, 363);
    EXPECT_EQ(FindNextFixture(1001), today) << "the first of two on the same day";
    EXPECT_EQ(FindNextFixture(1004), northern);
    // Either of two sides: a coach's club and country.
    const int national = at(3, 4, 175, 363);
    EXPECT_EQ(FindNextFixture(1004, 3), national);
    EXPECT_EQ(FindNextFixture(0, 0), -1);
}

TEST_F(FixtureTable, ANationalSidesNextMatchComesFromItsItineraryUntilItsFixturesAreMade) {
    constexpr int SEASON = 363;
    g_cricket.m_date = GameDate::FromSeasonDay(100, SEASON);
    TourSeries tests;
    tests.m_id = 601;
    tests.m_season = SEASON;
    tests.m_home = 1;
    tests.m_away = 2;
    tests.m_startDayOfSeason = 130;
    g_world.mv_tourSeries.push_back(tests);
    Tour& tour = g_world.mv_tours.emplace_back();
    tour.m_host = 1;
    tour.m_visitor = 2;
    tour.m_season = SEASON;
    tour.m_series = 601;
    InternationalTournament& cup = g_world.mv_tournaments.emplace_back();
    cup.m_competition = 510;
    cup.m_season = SEASON;
    cup.m_host = 3;
    cup.m_startDay = 120;
    cup.mv_groups.resize(1);
    cup.mv_groups[0].resize(1);
    cup.mv_groups[0][0].m_team = 1;
    Fixture f = Between(1, 4);
    f.m_date = GameDate::FromSeasonDay(140, SEASON);
    g_world.mv_fixtures.push_back(f);

    struct Case {
        const char* what;
        int club, country;
        int competition, away, host, fixture;
    };
    const auto check = [](const Case& c) {
        const NextMatch next = FindNextMatch(c.club, c.country);
        ASSERT_TRUE(next.m_known) << c.what;
        EXPECT_EQ(next.m_competition, c.competition) << c.what;
        EXPECT_EQ(next.m_away, c.away) << c.what;
        EXPECT_EQ(next.m_host, c.host) << c.what;
        EXPECT_EQ(next.m_fixture, c.fixture) << c.what;
    };
    check({"the tournament first, its opponents to be drawn", 0, 1, 510, 0, 3, -1});
    check({"a club coach's fixtures only", 1001, 1, 7, 4, 0, 0});
    cup.m_running = 1;
    check({"the first Test before its fixture is made", 0, 1, 601, 2, 1, -1});
    tour.m_state = TOUR_RUNNING;
    check({"the dated fixture once the tour has begun", 0, 1, 7, 4, 0, 0});
    g_world.mv_fixtures[0].m_state = FIXTURE_PLAYED;
    EXPECT_FALSE(FindNextMatch(0, 1).m_known) << "nothing left";
    EXPECT_FALSE(FindNextMatch(0, 2).m_known) << "the tour of another country has begun";
}

TEST_F(FixtureTable, GroundsForCountryFitsTheWantedLength) {
    AddGround(30, 2);
    AddGround(12, 2);
    AddGround(40, 3);
    AddGround(25, 2);
    struct Case {
        int country;
        std::vector<int32_t> exclude;
        int wanted;
        std::vector<int32_t> grounds;
    } cases[] = {
        {2, {25}, 5, {12, 30, 12, 30, 12}},
        {2, {}, 2, {12, 25}},
        {2, {}, 3, {12, 25, 30}},
        {3, {}, 1, {40}},
        {4, {}, 3, {0}},
        {3, {40}, 2, {0}},
    };
    for (const Case& c : cases) EXPECT_EQ(GroundsForCountry(c.country, c.exclude, c.wanted), c.grounds);
}

TEST_F(FixtureTable, InternationalsArePlayedAtTheInternationalGrounds) {
    // Country 2 has three international grounds among five; country 3 none.
    for (int id : {30, 12, 40, 25, 18})
        AddGround(id, id == 40 ? 3 : 2).m_international = id == 12 || id == 25 || id == 30;
    AddGround(41, 3);
    struct Case {
        int country, wanted, first;
        std::vector<int32_t> grounds;
    } cases[] = {
        {2, 3, 0, {12, 25, 30}}, {2, 2, 1, {25, 30}},     {2, 5, 2, {30, 12, 25, 30, 12}},
        {2, 1, 4, {25}},         {3, 3, 0, {40, 41, 40}}, {4, 2, 0, {0, 0}},
        {2, 0, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InternationalGrounds(c.country, c.wanted, c.first), c.grounds)
            << c.country << " " << c.wanted;
}

TEST_F(FixtureTable, SeriesMatchTitles) {
    TourSeries tests;
    tests.m_id = 601;
    TourSeries odis;
    odis.m_id = 602;
    struct Case {
        const TourSeries* series;
        int number;
        const char* title;
    } cases[] = {
        {&tests, 0, "1st Test Match"},           {&tests, 2, "3rd Test Match"},
        {&tests, 5, "6th Test Match"},           {&odis, 1, "2nd One Day International"},
        {&odis, 7, "8th One Day International"},
    };
    for (const Case& c : cases) EXPECT_EQ(FixtureTitle(*c.series, c.number), c.title);

    // Past the last title the last title stays, whatever was asked before.
    EXPECT_EQ(FixtureTitle(tests, 4), "5th Test Match");
    EXPECT_EQ(FixtureTitle(tests, 6), "6th Test Match");
    EXPECT_EQ(FixtureTitle(odis, 8), "8th One Day International");
    EXPECT_EQ(FixtureTitle(odis, -1), "");

    // Without a number, the next match after those already decided.
    tests.m_homeWins = 1;
    tests.m_draws = 1;
    EXPECT_EQ(FixtureTitle(tests), "3rd Test Match");
}

TEST_F(FixtureTable, TriangularTitleNamesTheThreeCountries) {
    AddCountry(3, "Norland");
    AddCountry(4, "Sudmark");
    AddCountry(5, "Westerby");
    Series tri;
    tri.m_id = 9;
    tri.mv_countries = {5, 3, 4};
    g_world.mv_series.push_back(tri);
    TourSeries odis;
    odis.m_id = 604;
    odis.m_series = 9;
    EXPECT_EQ(FixtureTitle(odis, 0), "Triangular Tournament (Westerby, Norland, Sudmark)");
}

TEST_F(FixtureTable, SeriesStatus) {
    AddCountry(3, "Norland");
    AddCountry(4, "Sudmark");
    struct Case {
        int competition;
        bool finished;
        int homeWins, awayWins;
        const char* text;
    } cases[] = {
        {COMP_TEST_CHAMPIONSHIP, false, 1, 1, "Series is level at 1-1"},
        {COMP_TEST_CHAMPIONSHIP, true, 2, 1, "Norland lead the series 2-1"},
        {COMP_ODI_CHAMPIONSHIP, false, 0, 3, "Sudmark lead the series 3-0"},
        {COMP_ODI_CHAMPIONSHIP, false, 0, 0, "Series is level at 0-0"},
        {COMP_ODI_CHAMPIONSHIP, true, 0, 2, "Sudmark won the series 2-0"},
        {COMP_ODI_CHAMPIONSHIP, true, 2, 2, "Series drawn 2-2"},
    };
    for (const Case& c : cases) {
        TourSeries s;
        s.m_competition = c.competition;
        s.m_finished = c.finished;
        s.m_home = 3;
        s.m_away = 4;
        s.m_homeWins = c.homeWins;
        s.m_awayWins = c.awayWins;
        EXPECT_EQ(SeriesStatusText(s), c.text);
    }
}

}  // namespace
}  // namespace ravel
