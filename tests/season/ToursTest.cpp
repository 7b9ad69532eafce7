#include <cstring>
#include <set>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/Selection.h"
#include "season/Standings.h"
#include "season/Tournaments.h"
#include "season/Tours.h"

namespace ravel {
namespace {

class Tours : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        AddCountry(1, "Home");
        AddCountry(2, "Away");
        AddCountry(3, "Third");
        AddGround(10, 1);
        AddGround(11, 1);
        Competition tests;
        tests.m_id = COMP_TEST_CHAMPIONSHIP;
        g_world.mv_competitions.push_back(tests);
    }

    // A tour of country 2 to country 1 with its dated steps.
    static Tour& AddTour(int kind, int seriesId, int matches, int firstDay, int step) {
        TourSeries ts;
        ts.m_id = seriesId;
        ts.m_season = g_cricket.m_date.m_season;
        ts.m_home = 1;
        ts.m_away = 2;
        ts.m_matches = matches;
        ts.m_startDayOfSeason = firstDay;
        const GameDate start = GameDate::FromSeasonDay(firstDay, ts.m_season);
        ts.m_startDay = start.m_day;
        ts.m_startMonth = start.m_month;
        ts.m_startYear = start.m_year;
        ts.m_dayStep = step;
        ts.m_series = kind == TOUR_TRIANGULAR ? seriesId : 0;
        g_world.mv_tourSeries.push_back(ts);
        Tour t;
        t.m_id = static_cast<int32_t>(g_world.mv_tours.size()) + 1;
        t.m_kind = kind;
        t.m_host = 1;
        t.m_visitor = 2;
        t.m_third = kind == TOUR_TRIANGULAR ? 3 : 0;
        t.m_season = ts.m_season;
        t.m_series = seriesId;
        t.mv_steps = {{firstDay - 7, TOUR_PICK_SQUADS},
                      {firstDay - 3, TOUR_START},
                      {firstDay + (matches - 1) * step + 5, TOUR_END}};
        g_world.mv_tours.push_back(t);
        return g_world.mv_tours.back();
    }

    static void StepOn(Tour& tour, int day) {
        g_cricket.m_date.m_dayOfSeason = day;
        DailyTourStep(tour);
    }

    static MatchOutcome Won(int home, int away, int winner, int runs1 = 200, int runs2 = 180) {
        MatchOutcome o;
        o.m_side1 = home;
        o.m_side2 = away;
        o.m_winner = winner;
        o.m_kind = RESULT_WON_BOWLING_LAST;
        o.m_runs[0] = runs1;
        o.m_runs[1] = runs2;
        o.m_balls[0] = o.m_balls[1] = 300;
        return o;
    }

    static MatchOutcome Drawn(int home, int away) {
        MatchOutcome o;
        o.m_side1 = home;
        o.m_side2 = away;
        o.m_kind = RESULT_DRAW;
        return o;
    }

    // Plays a fixture as the day machine does: the fixture is marked played.
    static void Play(Fixture& f, const MatchOutcome& o) {
        f.m_state = FIXTURE_PLAYED;
        f.m_result[0] = o.m_kind;
        f.m_result[2] = o.m_winner;
        RouteSeriesResult(f.m_competition, o);
    }
};

TEST_F(Tours, TestTourRunsFromArrivalToItsEnd) {
    Tour& tour = AddTour(TOUR_TESTS, 601, 3, 40, 10);
    StepOn(tour, 33);
    EXPECT_EQ(tour.m_state, TOUR_NOT_STARTED);
    EXPECT_TRUE(g_world.mv_fixtures.empty()) << "the host has no club for a warm-up";
    StepOn(tour, 37);
    ASSERT_EQ(tour.m_state, TOUR_RUNNING);
    ASSERT_EQ(g_world.mv_fixtures.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const Fixture& f = g_world.mv_fixtures[i];
        EXPECT_EQ(f.m_competition, 601);
        EXPECT_EQ(f.m_home, 1);
        EXPECT_EQ(f.m_away, 2);
        EXPECT_EQ(f.m_date.m_dayOfSeason, 40 + 10 * static_cast<int>(i));
        EXPECT_TRUE(f.m_ground == 10 || f.m_ground == 11);
    }
    Play(g_world.mv_fixtures[0], Won(1, 2, 1));
    Play(g_world.mv_fixtures[1], Drawn(1, 2));
    Play(g_world.mv_fixtures[2], Won(1, 2, 1));
    const TourSeries& s = *TourSeriesById(601);
    EXPECT_EQ(s.m_homeWins, 2);
    EXPECT_EQ(s.m_draws, 1);
    EXPECT_EQ(s.m_awayWins, 0);

    StepOn(tour, 65);
    EXPECT_EQ(tour.m_state, TOUR_OVER);
    EXPECT_TRUE(s.m_finished);
    // Three Tests and the series: 3.5 points of 4 to the home side, each
    // worth the unrated opponent's 100 + 50, the half point dropped 100 - 50.
    EXPECT_EQ(s.m_homeCount, 4);
    EXPECT_EQ(s.m_homePoints, 550);
    EXPECT_EQ(s.m_awayCount, 4);
    EXPECT_EQ(s.m_awayPoints, 250);
}

TEST_F(Tours, TestResultReachesItsSeriesWhileAnotherTourOfTheHostRuns) {
    Tour& oneDay = AddTour(TOUR_ONE_DAY, 602, 3, 30, 3);
    oneDay.m_state = TOUR_RUNNING;  // listed first: the host's other running tour
    Tour& tests = AddTour(TOUR_TESTS, 601, 2, 40, 10);
    tests.m_state = TOUR_RUNNING;
    RouteSeriesResult(601, Won(1, 2, 2));
    RouteSeriesResult(601, Drawn(1, 2));
    EXPECT_EQ(TourSeriesById(601)->m_awayWins, 1);
    EXPECT_EQ(TourSeriesById(601)->m_draws, 1);
    EXPECT_EQ(TourSeriesById(602)->m_awayWins, 0);
    EXPECT_EQ(TourSeriesById(602)->m_draws, 0);
}

TEST_F(Tours, WarmUpMatchAgainstAFreeClubOfTheHost) {
    Team& busy = AddTeam(1001, 10);
    busy.m_country = 1;
    Team& free = AddTeam(1002, 11);
    free.m_country = 1;
    Fixture clash;
    clash.m_home = 1001;
    clash.m_away = 1003;
    clash.m_date = GameDate::FromSeasonDay(35, g_cricket.m_date.m_season);
    g_world.mv_fixtures.push_back(clash);
    Tour& tour = AddTour(TOUR_TESTS, 601, 2, 40, 10);
    StepOn(tour, 33);
    ASSERT_EQ(g_world.mv_fixtures.size(), 2u);
    const Fixture& warmUp = g_world.mv_fixtures[1];
    EXPECT_EQ(warmUp.m_home, 1002);
    EXPECT_EQ(warmUp.m_away, 2);
    EXPECT_EQ(warmUp.m_competition, COMP_TOUR_THREE_DAY);
    EXPECT_EQ(warmUp.m_date.m_dayOfSeason, 34);
}

TEST_F(Tours, OnlyTheCoachesOfTheTwoCountriesHearTheSeriesResult) {
    g_userCoaches.resize(3);
    g_userCoaches[0].m_staff.m_nationalJob = 3;
    g_userCoaches[1].m_staff.m_nationalJob = 2;
    g_userCoaches[2].m_staff.m_clubJob = 1001;
    AddTour(TOUR_ONE_DAY, 602, 1, 40, 3);
    RouteSeriesResult(602, Won(1, 2, 1));
    FinishTourSeries(*TourSeriesById(602));
    EXPECT_TRUE(g_userCoaches[0].mv_pending.empty());
    ASSERT_EQ(g_userCoaches[1].mv_pending.size(), 1u);
    EXPECT_EQ(g_userCoaches[1].mv_pending[0].m_code, NEWS_SERIES_RESULT);
    EXPECT_TRUE(g_userCoaches[2].mv_pending.empty());
}

TEST_F(Tours, OneDaySeriesCountsEachMatch) {
    AddTour(TOUR_ONE_DAY, 602, 3, 40, 3);
    TourSeries& s = *TourSeriesById(602);
    RouteSeriesResult(602, Won(1, 2, 2));
    RouteSeriesResult(602, Won(2, 1, 2));
    MatchOutcome tie = Drawn(1, 2);
    tie.m_kind = RESULT_TIE;
    RouteSeriesResult(602, tie);
    EXPECT_EQ(s.m_awayWins, 2);
    EXPECT_EQ(s.m_ties, 1);
    FinishTourSeries(s);
    EXPECT_EQ(s.m_homeCount, 3) << "no series bonus in one-day cricket";
    EXPECT_EQ(s.m_awayCount, 3);
    EXPECT_EQ(s.m_awayPoints, static_cast<int>(2.5f * 150 + 0.5f * 50));
}

TEST_F(Tours, TriangularTableFinalsAndStatus) {
    Tour& tour = AddTour(TOUR_TRIANGULAR, 610, 12, 40, 2);
    StepOn(tour, 37);
    ASSERT_EQ(g_world.mv_series.size(), 1u);
    ASSERT_EQ(g_world.mv_fixtures.size(), 9u) << "three rounds of the three pairs before the finals";
    Series& series = g_world.mv_series[0];
    EXPECT_EQ(TournamentStatusText(series), "Finals to be played");
    EXPECT_EQ(TriangularWinner(series), 0);

    // Country 1 beats everybody with a big run rate; 2 beats 3 narrowly.
    for (size_t i = 0; i < 9; ++i) {
        Fixture& f = g_world.mv_fixtures[i];
        const int winner = std::min(f.m_home, f.m_away);
        const bool big = winner == 1;
        MatchOutcome o = Won(f.m_home, f.m_away, winner, f.m_home == winner ? (big ? 300 : 200) : 190,
                             f.m_away == winner ? (big ? 300 : 200) : 190);
        Play(f, o);
    }
    const TourSeries& ts = *TourSeriesById(610);
    EXPECT_EQ(ts.m_homeWins, 3) << "only the host and visitor's own matches count in the series";
    EXPECT_EQ(ts.m_awayWins, 0);
    ASSERT_EQ(series.mv_standings.size(), 3u);
    EXPECT_EQ(series.mv_standings[0].m_team, 1);
    EXPECT_EQ(series.mv_standings[0].m_points, 6 * 6) << "five for a win and the bonus point";
    EXPECT_EQ(series.mv_standings[1].m_team, 2);
    EXPECT_EQ(series.mv_standings[1].m_points, 3 * 5) << "its losses to the bonus winner earn nothing";
    EXPECT_EQ(series.mv_standings[2].m_points, 3) << "a point for each narrow loss";

    ASSERT_EQ(series.mv_finals.size(), 1u);
    Fixture* final1 = FixtureById(series.mv_finals[0]);
    EXPECT_EQ(final1->m_home, 1);
    EXPECT_EQ(final1->m_away, 2);
    EXPECT_GT(final1->m_date.m_dayOfSeason, g_world.mv_fixtures[8].m_date.m_dayOfSeason - 1);
    Play(*final1, Won(1, 2, 2));
    EXPECT_EQ(TournamentStatusText(series), "Away lead the finals 1-0");
    ASSERT_EQ(series.mv_finals.size(), 2u);
    Play(*FixtureById(series.mv_finals[1]), Won(1, 2, 1));
    EXPECT_EQ(TournamentStatusText(series), "Finals level at 1-1");
    ASSERT_EQ(series.mv_finals.size(), 3u);
    Play(*FixtureById(series.mv_finals[2]), Won(1, 2, 1));
    EXPECT_EQ(series.mv_finals.size(), 3u) << "no fourth final";
    EXPECT_EQ(TriangularWinner(series), 1);
    EXPECT_EQ(TournamentStatusText(series), "Home won the tournament");
}

TEST_F(Tours, FinalsDecidedInTwoNeedNoThird) {
    Tour& tour = AddTour(TOUR_TRIANGULAR, 610, 12, 40, 2);
    StepOn(tour, 37);
    Series& series = g_world.mv_series[0];
    for (size_t i = 0; i < 9; ++i) {
        Fixture& f = g_world.mv_fixtures[i];
        Play(f, Won(f.m_home, f.m_away, std::min(f.m_home, f.m_away)));
    }
    Play(*FixtureById(series.mv_finals[0]), Won(1, 2, 1));
    Play(*FixtureById(series.mv_finals[1]), Won(1, 2, 1));
    EXPECT_EQ(series.mv_finals.size(), 2u);
    EXPECT_EQ(TriangularWinner(series), 1);
}

TEST_F(Tours, DateRange) {
    AddTour(TOUR_ONE_DAY, 602, 3, 40, 3);  // 11 to 17 May
    AddTour(TOUR_TESTS, 601, 3, 40, 14);   // 11 May to 8 June
    EXPECT_EQ(DateRangeText(*TourSeriesById(602)), "May 2006");
    EXPECT_EQ(DateRangeText(*TourSeriesById(601)), "May 2006 - Jun 2006");
}

// Squads named for a tour, kept through it and released after it.
class NationalDuty : public Tours {
protected:
    void SetUp() override {
        Tours::SetUp();
        for (Country& c : g_world.mv_countries) {
            c.m_nationalSide = 1;
            for (int i = 0; i < 20; ++i) {
                Player& p = AddPlayer();
                p.m_country = c.m_id;
                p.m_keeper = i < 2 ? 1 : 0;
                p.m_bowlType = i % 3 == 0 ? 6 : 2;
            }
        }
    }

    static int OnDuty(int countryId) {
        int count = 0;
        for (const Player& p : g_world.mv_players) count += p.m_country == countryId && p.m_intlDuty;
        return count;
    }

    static void ReleaseOn(int day) {
        g_cricket.m_date.m_dayOfSeason = day;
        ReleaseIdleNationalSquads();
    }

    // Three Tests from day 40, ten days apart: squads on 33, arrival on 37,
    // fixtures played, the end on 65.
    static Tour& PlayTestTour() {
        Tour& tour = AddTour(TOUR_TESTS, 601, 3, 40, 10);
        StepOn(tour, 33);
        StepOn(tour, 37);
        for (Fixture& f : g_world.mv_fixtures)
            if (f.m_competition == 601) Play(f, Drawn(1, 2));
        StepOn(tour, 65);
        return tour;
    }
};

TEST_F(NationalDuty, TourSquadsServeTheTourThenGoBackToTheirClubs) {
    Tour& tour = AddTour(TOUR_TESTS, 601, 3, 40, 10);
    StepOn(tour, 33);
    const Country& host = *CountryById(1);
    const Country& visitor = *CountryById(2);
    EXPECT_EQ(host.m_squadKind, SQUAD_HOME_TEST);
    EXPECT_EQ(visitor.m_squadKind, SQUAD_TOUR_TEST);
    EXPECT_EQ(host.mv_testSquad.size(), 14u);
    EXPECT_EQ(visitor.mv_testSquad.size(), 16u);
    EXPECT_EQ(OnDuty(1), 14);
    EXPECT_EQ(OnDuty(2), 16);
    EXPECT_EQ(OnDuty(3), 0) << "a country with no tour names no squad";

    for (int day : {33, 37, 50}) {
        ReleaseOn(day);
        EXPECT_EQ(OnDuty(1), 14) << day;
        EXPECT_EQ(OnDuty(2), 16) << day;
    }
    StepOn(tour, 37);
    for (Fixture& f : g_world.mv_fixtures) Play(f, Drawn(1, 2));
    StepOn(tour, 65);
    ASSERT_EQ(tour.m_state, TOUR_OVER);
    // A player the selectors dropped while his byte stayed set goes home too.
    Player* stray = nullptr;
    for (Player& p : g_world.mv_players)
        if (!stray && p.m_country == 1 && !IsIdInList(host.mv_testSquad, p.m_id)) stray = &p;
    ASSERT_NE(stray, nullptr);
    stray->m_intlDuty = 1;
    ReleaseOn(65);
    for (int id : {1, 2}) {
        const Country& c = *CountryById(id);
        EXPECT_TRUE(c.mv_testSquad.empty()) << id;
        EXPECT_TRUE(c.mv_oneDaySquad.empty()) << id;
        EXPECT_EQ(c.m_xi[0], -1) << id;
        EXPECT_EQ(OnDuty(id), 0) << id;
    }
}

TEST_F(NationalDuty, SquadStaysTogetherOnlyWhenTheNextEngagementIsNear) {
    struct Case {
        const char* what;
        int nextFirstDay;    // a one-day tour of the same sides; 0 for none
        int lateFixtureDay;  // an unplayed Test of the tour; 0 for none
        bool kept;
    };
    // The Test tour ends on 65; the one-day tour names its squads 7 days
    // before its first match.
    const Case cases[] = {
        {"nothing follows", 0, 0, false},
        {"squads named on the last day of the gap", 65 + SQUAD_RELEASE_GAP + 7, 0, true},
        {"squads named a day after the gap", 65 + SQUAD_RELEASE_GAP + 8, 0, false},
        {"a Test put back past the end", 0, 67, true},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.nextFirstDay > 0) AddTour(TOUR_ONE_DAY, 602, 3, c.nextFirstDay, 3);
        PlayTestTour();
        if (c.lateFixtureDay > 0) {
            Fixture f;
            f.m_home = 1;
            f.m_away = 2;
            f.m_competition = 601;
            f.m_date = GameDate::FromSeasonDay(c.lateFixtureDay, g_cricket.m_date.m_season);
            AddFixture(f);
        }
        ReleaseOn(65);
        EXPECT_EQ(OnDuty(2), c.kept ? 16 : 0) << c.what;
        EXPECT_EQ(CountryById(2)->mv_testSquad.empty(), !c.kept) << c.what;
    }
}

TEST_F(NationalDuty, HumanCoachKeepsHisSquadAndItsPlayersComeAndGo) {
    Country& visitor = *CountryById(2);
    visitor.m_human = 1;
    const std::vector<int32_t> his = {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    for (int32_t id : his) ASSERT_EQ(g_world.mv_players[id].m_country, 2);
    visitor.mv_testSquad = his;
    Tour& tour = AddTour(TOUR_TESTS, 601, 3, 40, 10);
    StepOn(tour, 33);
    EXPECT_EQ(visitor.mv_testSquad, his) << "the computer picks no squad for him";
    EXPECT_EQ(OnDuty(2), static_cast<int>(his.size()));
    StepOn(tour, 37);
    for (Fixture& f : g_world.mv_fixtures) Play(f, Drawn(1, 2));
    StepOn(tour, 65);
    ReleaseOn(65);
    EXPECT_EQ(visitor.mv_testSquad, his);
    EXPECT_EQ(OnDuty(2), 0);
    EXPECT_EQ(OnDuty(1), 0);
}

TEST_F(NationalDuty, LockedListKeepsItsPlayers) {
    Tour& tour = AddTour(TOUR_TESTS, 601, 3, 40, 10);
    StepOn(tour, 33);
    CountryById(1)->m_squadLock[0] = 1;
    StepOn(tour, 37);
    for (Fixture& f : g_world.mv_fixtures) Play(f, Drawn(1, 2));
    StepOn(tour, 65);
    ReleaseOn(65);
    EXPECT_EQ(CountryById(1)->mv_testSquad.size(), 14u);
    EXPECT_EQ(OnDuty(1), 14);
    EXPECT_EQ(OnDuty(2), 0);
}

class WorldCup : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        for (int id = 1; id <= 4; ++id) AddCountry(id, "Side");
        AddGround(50, 1);
        Competition c;
        c.m_id = 505;
        g_world.mv_competitions.push_back(c);
        InternationalTournament t;
        t.m_id = 505;
        t.m_competition = 505;
        t.m_season = g_cricket.m_date.m_season;
        t.m_host = 1;
        t.m_startDay = 30;
        t.mv_groups = {
            {StandingsRow(1, 505), StandingsRow(2, 505), StandingsRow(3, 505), StandingsRow(4, 505)}};
        t.mv_stages = {{505, TSTAGE_GROUPS, 30, 1, 2}};
        g_world.mv_tournaments.push_back(t);
    }

    // The side with the higher id wins every match.
    static MatchOutcome HigherIdWins(const Fixture& f) {
        MatchOutcome o;
        o.m_side1 = f.m_home;
        o.m_side2 = f.m_away;
        o.m_winner = std::max(f.m_home, f.m_away);
        o.m_kind = RESULT_WON_BATTING_LAST;
        o.m_runs[0] = o.m_runs[1] = 200;
        o.m_balls[0] = o.m_balls[1] = 300;
        return o;
    }
};

TEST_F(WorldCup, StartsOnceShortlyBeforeItsFirstDayAndItsFinalMakesHistory) {
    g_cricket.m_date.m_dayOfSeason = 20;
    StartDueTournaments();
    EXPECT_TRUE(g_world.mv_fixtures.empty());
    g_cricket.m_date.m_dayOfSeason = 24;
    StartDueTournaments();
    ASSERT_EQ(g_world.mv_fixtures.size(), 6u);
    EXPECT_EQ(g_world.mv_fixtures[0].m_date.m_dayOfSeason, 30);
    StartDueTournaments();
    EXPECT_EQ(g_world.mv_fixtures.size(), 6u);

    InternationalTournament& t = g_world.mv_tournaments[0];
    for (size_t i = 0; i < g_world.mv_fixtures.size() && t.m_running; ++i) {
        WorldCupDaily(t, HigherIdWins(g_world.mv_fixtures[i]));
    }
    EXPECT_EQ(t.m_winner, 4);
    const Competition& c = *CompetitionById(505);
    ASSERT_EQ(c.mv_history.size(), 1u);
    EXPECT_EQ(c.mv_history[0].m_winner, 4);
    EXPECT_EQ(c.mv_history[0].m_runnerUp, 3);
    EXPECT_EQ(c.mv_history[0].m_season, t.m_season);
}

TEST_F(WorldCup, SquadsJoinShortlyBeforeTheStartAndLeaveAfterTheFinal) {
    for (Country& c : g_world.mv_countries) {
        c.m_nationalSide = 1;
        for (int i = 0; i < 18; ++i) {
            Player& p = AddPlayer();
            p.m_country = c.m_id;
            p.m_keeper = i == 0 ? 1 : 0;
        }
    }
    auto onDuty = [] {
        int count = 0;
        for (const Player& p : g_world.mv_players) count += p.m_intlDuty;
        return count;
    };
    g_cricket.m_date.m_dayOfSeason = 20;
    StartDueTournaments();
    ReleaseIdleNationalSquads();
    EXPECT_EQ(onDuty(), 0);
    g_cricket.m_date.m_dayOfSeason = 24;
    StartDueTournaments();
    EXPECT_EQ(onDuty(), 4 * 16);
    InternationalTournament& t = g_world.mv_tournaments[0];
    std::set<int> out;
    for (size_t i = 0; i < g_world.mv_fixtures.size() && t.m_running; ++i) {
        Fixture& f = g_world.mv_fixtures[i];
        g_cricket.m_date.m_dayOfSeason = f.m_date.m_dayOfSeason;
        ReleaseIdleNationalSquads();
        if (t.m_stage == TSTAGE_GROUPS) {
            EXPECT_EQ(onDuty(), 4 * 16) << "day " << f.m_date.m_dayOfSeason;
        }
        const bool knockout = t.m_stage >= TSTAGE_SEMI_FINALS;
        const int loser = std::min(f.m_home, f.m_away);
        f.m_state = FIXTURE_PLAYED;
        WorldCupDaily(t, HigherIdWins(f));  // may book the next stage's fixtures
        if (knockout && t.m_running) {
            // The loser of a knockout match goes home; the sides still in stay together.
            out.insert(loser);
            ReleaseIdleNationalSquads();
            for (const Country& c : g_world.mv_countries)
                EXPECT_EQ(c.mv_oneDaySquad.empty(), out.count(c.m_id) == 1) << c.m_id;
        }
    }
    EXPECT_EQ(out.size(), 2u) << "two semi-finals";
    ASSERT_GT(t.m_winner, 0);
    ReleaseIdleNationalSquads();
    EXPECT_EQ(onDuty(), 0);
    for (const Country& c : g_world.mv_countries) EXPECT_TRUE(c.mv_oneDaySquad.empty()) << c.m_id;
}

}  // namespace
}  // namespace ravel
