// Today's fixtures and today's scoreboard: what each region filter keeps of
// today's new fixtures and of the matches in progress, and whether the
// user's side plays today.
#include <memory>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/DayMachine.h"
#include "season/TodaysLists.h"

namespace ravel {
namespace {

// Countries 1, 2 and 3 at table positions 0, 1, 2; clubs 1001 and 1002 of
// country 1, 1003 and 1004 of country 2; grounds 11 and 12 in countries 1
// and 2. League 10 lists the clubs of country 1 first, league 20 those of
// country 2, and league 30 has a club of country 1 at place 57 only.
class TodaysListsTest : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        AddCountry(1, "Avalon");
        AddCountry(2, "Brenland");
        AddCountry(3, "Corsa");
        for (int id : {1001, 1002}) AddTeam(id).m_country = 1;
        for (int id : {1003, 1004}) AddTeam(id).m_country = 2;
        AddGround(11, 1);
        AddGround(12, 2);
        AddCompetition(10, {1001, 1002});
        AddCompetition(20, {1003, 1004});
        std::vector<int32_t> long_(62, 1004);
        long_[49] = -1;
        long_[57] = 1001;
        AddCompetition(30, long_);
        UserIs(1001, 0);
    }
    static void AddCompetition(int id, std::vector<int32_t> sides) {
        Competition c;
        c.m_id = id;
        c.mv_teams = std::move(sides);
        g_world.mv_competitions.push_back(c);
    }
    static void UserIs(int32_t club, int32_t nation) {
        g_userCoaches.resize(1);
        g_userCoaches[0].m_staff.m_clubJob = club;
        g_userCoaches[0].m_staff.m_nationalJob = nation;
        g_cricket.m_coachIndex = 0;
    }
    static Fixture MakeFixture(int competition, int home, int away, int ground) {
        Fixture f;
        f.m_competition = competition;
        f.m_home = home;
        f.m_away = away;
        f.m_ground = ground;
        return f;
    }
    static Match& AddMatch(int competition, int home, int away, int ground) {
        auto match = std::make_unique<Match>();
        match->mi_competition = competition;
        match->mi_team1 = home;
        match->mi_team2 = away;
        match->mi_ground = ground;
        g_currentMatches.push_back(std::move(match));
        return *g_currentMatches.back();
    }
};

TEST_F(TodaysListsTest, FiltersOfFixturesStartingToday) {
    struct Case {
        const char* name;
        Fixture fixture;
        // Filters 0, -1, 1 (Avalon), 2 (Brenland), 99, and 7 (no such filter).
        bool all, international, avalon, brenland, local;
    };
    const Case cases[] = {
        {"league of the user's country", MakeFixture(10, 1001, 1002, 11), true, false, true, false, true},
        {"league abroad", MakeFixture(20, 1003, 1004, 12), true, false, false, true, false},
        {"user's club at place 57", MakeFixture(30, 1003, 1004, 12), true, false, false, true, true},
        {"Test championship", MakeFixture(500, 1, 2, 12), true, true, false, true, true},
        {"tournament", MakeFixture(505, 2, 3, 12), true, true, false, true, true},
        {"tour series", MakeFixture(601, 2, 3, 11), true, true, true, false, true},
        {"tour match at a club of his country", MakeFixture(502, 1002, 3, 11), true, false, true, false,
         true},
        {"tour match abroad", MakeFixture(503, 1003, 3, 12), true, false, false, true, false},
        {"further event", MakeFixture(550, 2, 3, 12), true, false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FixturePasses(c.fixture, FILTER_ALL), c.all);
        EXPECT_EQ(FixturePasses(c.fixture, FILTER_INTERNATIONAL), c.international);
        EXPECT_EQ(FixturePasses(c.fixture, 1), c.avalon);
        EXPECT_EQ(FixturePasses(c.fixture, 2), c.brenland);
        EXPECT_EQ(FixturePasses(c.fixture, FILTER_LOCAL), c.local);
        EXPECT_FALSE(FixturePasses(c.fixture, 7)) << "no ground in a country past the table";
        EXPECT_FALSE(FixturePasses(c.fixture, 42));
    }
    // A touring country run by a human coach brings its tour matches in.
    g_world.mv_countries[2].m_human = 1;
    EXPECT_TRUE(FixturePasses(MakeFixture(503, 1003, 3, 12), FILTER_LOCAL));
}

TEST_F(TodaysListsTest, MatchesInProgressOnTheFixturesListAndTheScoreboard) {
    struct Case {
        const char* name;
        int competition, home, away;
        bool fixturesInternational, scoreboardInternational, fixturesLocal, scoreboardLocal;
    };
    const Case cases[] = {
        {"league of the user's country", 10, 1001, 1002, false, false, true, true},
        {"user's club at place 57", 30, 1003, 1004, false, false, false, true},
        {"tournament", 505, 2, 3, false, true, false, true},
        {"One-day championship", 501, 1, 2, true, true, true, true},
        {"tour match at a club of his country", 504, 1002, 3, false, false, true, true},
        {"tour match abroad", 504, 1003, 3, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Match& match = AddMatch(c.competition, c.home, c.away, 11);
        EXPECT_EQ(MatchPasses(match, FILTER_INTERNATIONAL, false), c.fixturesInternational);
        EXPECT_EQ(MatchPasses(match, FILTER_INTERNATIONAL, true), c.scoreboardInternational);
        EXPECT_EQ(MatchPasses(match, FILTER_LOCAL, false), c.fixturesLocal);
        EXPECT_EQ(MatchPasses(match, FILTER_LOCAL, true), c.scoreboardLocal);
        EXPECT_TRUE(MatchPasses(match, FILTER_ALL, false));
        EXPECT_TRUE(MatchPasses(match, 1, true)) << "ground 11 lies in Avalon";
        EXPECT_FALSE(MatchPasses(match, 2, false));
    }
    EXPECT_EQ(BuildInProgress(FILTER_LOCAL), 3);
    EXPECT_EQ(g_todaysLists.mv_fixtureRows, (std::vector<int32_t>{0, 3, 4}));
    EXPECT_EQ(g_todaysLists.mi_fixtureMode, FIXTURES_IN_PROGRESS);
    EXPECT_EQ(CountTodaysResults(), 5);
    EXPECT_EQ(g_todaysLists.mv_scoreRows, (std::vector<int32_t>{0, 1, 2, 3, 4}));

    // Without a club, the tour match of his own touring country passes.
    UserIs(0, 3);
    EXPECT_EQ(UserCountry(), 3);
    EXPECT_TRUE(MatchPasses(*g_currentMatches[5], FILTER_LOCAL, false));
    EXPECT_FALSE(MatchPasses(*g_currentMatches[0], FILTER_LOCAL, false));
}

TEST_F(TodaysListsTest, AUserWithoutASideSeesInternationalGamesOnly) {
    UserIs(0, 0);
    EXPECT_EQ(UserCountry(), NO_USER_COUNTRY);
    g_todaysFixtures = {MakeFixture(10, 1001, 1002, 11), MakeFixture(500, 1, 2, 11),
                        MakeFixture(502, 1002, 3, 11)};
    EXPECT_EQ(CountTodaysFixtures(), 1);
    EXPECT_EQ(g_todaysLists.mv_fixtureRows, std::vector<int32_t>{1});
    EXPECT_EQ(BuildStartingToday(FILTER_ALL), 3);
    g_world.mv_countries[2].m_human = 1;
    EXPECT_EQ(CountTodaysFixtures(), 2) << "the human-run touring country's tour match";
}

TEST_F(TodaysListsTest, HumanPlaysTodayByCompetitionKind) {
    struct Case {
        const char* name;
        Fixture fixture;
        bool plays;
    };
    UserIs(1001, 2);
    const Case cases[] = {
        {"his club away in a league", MakeFixture(10, 1002, 1001, 11), true},
        {"another league match", MakeFixture(20, 1003, 1004, 12), false},
        {"his club hosts a tour match", MakeFixture(502, 1001, 3, 11), true},
        {"his country tours", MakeFixture(503, 1003, 2, 12), true},
        {"another tour match", MakeFixture(504, 1003, 3, 12), false},
        {"his country in a Test", MakeFixture(500, 3, 2, 12), true},
        {"his club's id in a Test", MakeFixture(500, 1, 3, 12), false},
        {"his country away in a further event", MakeFixture(550, 1, 2, 12), true},
        {"his country at home in a further event", MakeFixture(550, 2, 1, 12), false},
    };
    for (const Case& c : cases) {
        g_todaysFixtures = {c.fixture};
        EXPECT_EQ(HumanPlaysToday(), c.plays) << c.name;
    }
    g_todaysFixtures.clear();
    Match& match = AddMatch(10, 1003, 1001, 12);
    EXPECT_TRUE(HumanPlaysToday()) << "his match goes on from yesterday";
    match.mi_playState = PLAY_MATCH_OVER;
    EXPECT_FALSE(HumanPlaysToday());
}

}  // namespace
}  // namespace ravel
