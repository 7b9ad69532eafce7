#include <memory>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "season/DayMachine.h"
#include "season/RecordsUpdate.h"
#include "season/Selection.h"
#include "world/Services.h"

namespace ravel {
namespace {

class DayMachine : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        InstallServices(nullptr);
        Services().mv_messages.clear();
        g_cricket.m_date.m_dayOfSeason = 20;  // no dated work of the season's first days
        g_cricket.m_date.m_day = 21;
    }
    void TearDown() override { ResetMatchLists(); }

    static Match& AddMatch(int type, int home, int away, int sideKind, int state) {
        auto m = std::make_unique<Match>();
        m->mi_id = NextMatchId();
        m->mi_matchType = type;
        m->mi_team1 = home;
        m->mi_team2 = away;
        m->mi_sideKind = sideKind;
        m->mi_competition = COMP_FIRST_FURTHER_EVENT;  // books into no competition
        m->mi_playState = state;
        g_currentMatches.push_back(std::move(m));
        return *g_currentMatches.back();
    }

    // A fit player of the country, with an id that is his position.
    static int32_t FitPlayer(bool injured = false, bool unavailable = false) {
        Player& p = AddPlayer();
        p.m_injured = injured;
        p.m_unavailable = unavailable;
        return p.m_id;
    }

    static void FillXi(int32_t (&xi)[XI_SIZE]) {
        for (int i = 0; i < XI_PLAYERS; ++i) xi[i] = FitPlayer();
        xi[XI_KEEPER] = xi[0];
        xi[XI_CAPTAIN] = xi[1];
        xi[XI_OPEN_BOWLER1] = xi[9];
        xi[XI_OPEN_BOWLER2] = xi[10];
    }
};

TEST_F(DayMachine, DayWithoutFixturesGoesStraightToTheEndOfTheDay) {
    const GameDate before = g_cricket.m_date;
    AdvanceDay();
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, before.m_dayOfSeason + 1);
    EXPECT_EQ(g_cricket.m_date.m_day, before.m_day + 1);
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_START);
    EXPECT_TRUE(DayScreens().Showing(DayPage::NEWS));
    EXPECT_EQ(g_cricket.m_date.m_hour, 8);
    EXPECT_EQ(g_cricket.m_date.m_minute, 45);
}

TEST_F(DayMachine, UnansweredQuestionHoldsTheDay) {
    g_userCoaches.resize(1);
    InboxMessage question;
    question.m_needsAnswer = 1;
    g_userCoaches[0].mv_inbox = {InboxMessage{}, question};
    const GameDate before = g_cricket.m_date;
    AdvanceDay();
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, before.m_dayOfSeason);
    EXPECT_EQ(g_cricket.m_pendingMessage, 1);
    int index = -1;
    EXPECT_TRUE(FindUnansweredMessage(&index));
    EXPECT_EQ(index, 1);

    g_userCoaches[0].mv_inbox[1].m_handled = 1;
    EXPECT_FALSE(FindUnansweredMessage(&index));
    AdvanceDay();
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, before.m_dayOfSeason + 1);
}

TEST_F(DayMachine, ElevenCheck) {
    struct Case {
        const char* name;
        bool clubSide;
        void (*spoil)(int32_t (&xi)[XI_SIZE]);
        bool complete;
    };
    const Case cases[] = {
        {"complete club eleven", true, [](int32_t(&)[XI_SIZE]) {}, true},
        {"complete national eleven", false, [](int32_t(&)[XI_SIZE]) {}, true},
        {"same opening bowler twice", true,
         [](int32_t(&xi)[XI_SIZE]) { xi[XI_OPEN_BOWLER2] = xi[XI_OPEN_BOWLER1]; }, false},
        {"empty slot", true, [](int32_t(&xi)[XI_SIZE]) { xi[4] = -1; }, false},
        {"injured player", false, [](int32_t(&xi)[XI_SIZE]) { xi[3] = FitPlayer(true); }, false},
        {"unavailable to his club", true, [](int32_t(&xi)[XI_SIZE]) { xi[3] = FitPlayer(false, true); },
         false},
        {"unavailable plays for his country", false,
         [](int32_t(&xi)[XI_SIZE]) { xi[3] = FitPlayer(false, true); }, true},
        {"no captain", true, [](int32_t(&xi)[XI_SIZE]) { xi[XI_CAPTAIN] = -1; }, false},
        {"no keeper", false, [](int32_t(&xi)[XI_SIZE]) { xi[XI_KEEPER] = -1; }, false},
    };
    for (const Case& c : cases) {
        int32_t xi[XI_SIZE];
        FillXi(xi);
        c.spoil(xi);
        EXPECT_EQ(XiComplete(xi, c.clubSide), c.complete) << c.name;
    }
}

TEST_F(DayMachine, GateMoneyGoesToClubSidesByMatchType) {
    struct Case {
        int type;
        int away;
        int sideKind;
        float least;  // the whole gate's range
        float most;
    };
    const Case cases[] = {
        {FORMAT_FIRST_CLASS, 1002, SIDES_CLUBS, 1601.0f, 1800.0f},
        {FORMAT_LIST_A, 1002, SIDES_CLUBS, 1851.0f, 2050.0f},
        {FORMAT_FIRST_CLASS, 5, SIDES_CLUB_V_COUNTRY, 1601.0f, 1800.0f},
        {FORMAT_TWENTY, 1002, SIDES_CLUBS, 0.0f, 0.0f},
    };
    AddCountry(5, "Tourists");
    for (const Case& c : cases) {
        for (int seed = 1; seed <= 20; ++seed) {
            ResetMatchLists();
            g_world.mv_teams.clear();
            AddTeam(1001);
            AddTeam(1002);
            SeedRand(static_cast<uint64_t>(seed));
            g_cricket.m_dayPhase = DAY_PHASE_END;
            AddMatch(c.type, 1001, c.away, c.sideKind, PLAY_MATCH_OVER);
            AdvanceDay();
            const float home = TeamById(1001)->m_money;
            const float away = TeamById(1002)->m_money;
            if (c.most == 0.0f) {
                EXPECT_EQ(home, 0.0f) << c.type;
                EXPECT_EQ(away, 0.0f) << c.type;
                continue;
            }
            EXPECT_GE(home, 0.85f * c.least - 0.01f) << c.type;
            EXPECT_LE(home, 0.85f * c.most + 0.01f) << c.type;
            if (c.away >= FIRST_CLUB_ID)
                EXPECT_NEAR(away, home * 15.0f / 85.0f, 0.01f) << c.type;
            else
                EXPECT_EQ(away, 0.0f) << "a touring country pays no club";
        }
    }
}

TEST_F(DayMachine, MatchAtCloseOfPlayStaysForTomorrowAndFinishedOnesRetire) {
    AddTeam(1001);
    AddTeam(1002);
    AddTeam(1003);
    AddTeam(1004);
    Match& overnight = AddMatch(FORMAT_FIRST_CLASS, 1001, 1002, SIDES_CLUBS, PLAY_CLOSE);
    AddMatch(FORMAT_LIST_A, 1003, 1004, SIDES_CLUBS, PLAY_MATCH_OVER);
    TeamById(1003)->m_playingToday = 1;
    g_cricket.m_dayPhase = DAY_PHASE_END;
    AdvanceDay();
    ASSERT_EQ(g_currentMatches.size(), 1u);
    EXPECT_EQ(g_currentMatches[0].get(), &overnight);
    EXPECT_EQ(overnight.mi_playState, PLAY_CLOSE);
    ASSERT_EQ(g_completedMatches.size(), 1u);
    EXPECT_EQ(g_completedMatches[0]->mi_team1, 1003);
    EXPECT_EQ(TeamById(1003)->m_playingToday, 0);
    EXPECT_FALSE(overnight.mb_recordsDone) << "a match that goes on is not finished";

    // Next morning it is back in play when today's fixtures are shown: the
    // user coaches 1003, whose league lists it first.
    g_userCoaches.resize(1);
    g_userCoaches[0].m_staff.m_clubJob = 1003;
    Competition league;
    league.m_id = 3;
    league.mv_teams = {1003, 1004};
    g_world.mv_competitions.push_back(league);
    Fixture f;
    f.m_home = 1003;
    f.m_away = 1004;
    f.m_competition = 3;
    f.m_id = 1;
    f.m_date = g_cricket.m_date;
    g_world.mv_fixtures.push_back(f);
    AdvanceDay();
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_FIXTURES);
    EXPECT_TRUE(DayScreens().Showing(DayPage::TODAYS_FIXTURES));
    EXPECT_EQ(overnight.mi_playState, PLAY_IN_PLAY);
    EXPECT_EQ(overnight.mi_resumeState, PLAY_IN_PLAY);
    ASSERT_EQ(g_todaysFixtures.size(), 1u);
    EXPECT_EQ(g_world.mv_fixtures[0].m_state, FIXTURE_IN_PROGRESS);
    EXPECT_EQ(TeamById(1004)->m_playingToday, 1);
}

// The user's match becomes both the stepped match and the user's match; the
// finished and the computer's matches before it are passed over.
TEST_F(DayMachine, UsersMatchBecomesTheUserMatch) {
    for (int id = 1001; id <= 1006; ++id) AddTeam(id);
    AddMatch(FORMAT_LIST_A, 1001, 1002, SIDES_CLUBS, PLAY_IN_PLAY);
    AddMatch(FORMAT_LIST_A, 1003, 1004, SIDES_CLUBS, PLAY_MATCH_OVER).mb_team1Human = 1;
    AddMatch(FORMAT_LIST_A, 1005, 1006, SIDES_CLUBS, PLAY_IN_PLAY).mb_team2Human = 1;
    g_cricket.m_dayPhase = DAY_PHASE_MATCH_READY;
    AdvanceDay();
    EXPECT_EQ(g_userMatch, 2);
    EXPECT_EQ(g_steppedMatch, 2);
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_MATCH_PLAYING);
    EXPECT_TRUE(DayScreens().Showing(DayPage::PRE_MATCH));
}

TEST_F(DayMachine, RecordEventsBecomeNewsForCoachZero) {
    g_userCoaches.resize(1);
    g_recordEvents.push_back({REC_HIGHEST_SCORE, 1, RECORDS_TEST, 77, 3, 250, 4, 12});
    g_recordEvents.push_back({REC_HIGHEST_TOTAL, 1, RECORDS_FIRST_CLASS, 78, 1001, 700, 5, 1002});
    g_recordEvents.push_back({999, 1, RECORDS_TEST, 79, 3, 1, 4, 0});  // no news for unknown kinds
    AdvanceDay();
    EXPECT_TRUE(g_recordEvents.empty());
    const auto& inbox = g_userCoaches[0].mv_inbox;
    ASSERT_EQ(inbox.size(), 2u);
    EXPECT_EQ(inbox[0].m_code, 3011);
    ASSERT_EQ(inbox[0].mv_links.size(), 4u);
    EXPECT_EQ(inbox[0].mv_links[0].m_kind, LINK_COUNTRY);
    EXPECT_EQ(inbox[0].mv_links[1].m_value, 4);
    EXPECT_EQ(inbox[0].mv_links[2].m_kind, LINK_SCORECARD);
    EXPECT_EQ(inbox[0].mv_links[2].m_value, 77);
    EXPECT_EQ(inbox[0].mv_links[3].m_kind, LINK_RECORDS);
    EXPECT_EQ(inbox[0].mv_links[3].m_value, RECORDS_TEST * 1000 + REC_HIGHEST_SCORE);
    EXPECT_EQ(inbox[1].m_code, 3020);
    EXPECT_EQ(inbox[1].mv_links[0].m_kind, LINK_CLUB);
    EXPECT_EQ(inbox[1].mv_links[1].m_value, 1002) << "a total's other side is in word 7";
    EXPECT_EQ(inbox[1].m_day, g_cricket.m_date.m_day) << "dated the new day";
}

TEST_F(DayMachine, ComputerSelectorsReplaceInjuredSquadPlayers) {
    Country& c = AddCountry(4, "Selectors");
    c.m_nationalSide = 1;
    AddCountry(5, "Human").m_nationalSide = 1;
    for (int i = 0; i < 30; ++i) {
        Player& p = AddPlayer();
        p.m_country = i < 25 ? 4 : 5;
        p.m_batBase = p.m_bowlBase = 40 + i;
    }
    for (int id = 1; id <= 14; ++id) {
        CountryById(4)->mv_testSquad.push_back(id);
        Player& p = g_world.mv_players[static_cast<size_t>(id)];
        p.m_injured = id <= 4;
        p.m_daysOut = id <= 4 ? 30 : 0;
        p.m_intlDuty = 1;
    }
    // A Test in three days: the squad stays together.
    Fixture test;
    test.m_home = 4;
    test.m_away = 5;
    test.m_competition = 500;
    test.m_state = FIXTURE_SCHEDULED;
    test.m_date = GameDate::FromCurrentSeasonDay(g_cricket.m_date.m_dayOfSeason + 3);
    g_world.mv_fixtures.push_back(test);
    Country& human = *CountryById(5);
    human.m_human = 1;
    human.mv_testSquad = {26, 27};
    g_world.mv_players[26].m_injured = 1;
    g_world.mv_players[26].m_daysOut = 30;
    AdvanceDay();
    const std::vector<int32_t>& squad = CountryById(4)->mv_testSquad;
    int fit = 0;
    for (int32_t id : squad) fit += !PlayerById(id)->m_injured;
    EXPECT_GE(fit, XI_PLAYERS);
    for (int id = 1; id <= 4; ++id) {
        EXPECT_FALSE(IsIdInList(squad, id)) << "injured player " << id << " sent home";
        EXPECT_EQ(PlayerById(id)->m_intlDuty, 0) << "player " << id << " is his club's again";
    }
    EXPECT_EQ(CountryById(5)->mv_testSquad, (std::vector<int32_t>{26, 27})) << "a human picks his own squad";
}

TEST_F(DayMachine, RecordNewsCodes) {
    const int pairs[][2] = {{100, 3010}, {101, 3011}, {102, 3012}, {103, 3013}, {104, 3020}, {105, 3021},
                            {106, 3023}, {107, 3024}, {108, 3022}, {110, 3014}, {111, 3015}, {120, 3016},
                            {121, 3017}, {122, 3018}, {123, 3019}, {109, 0},    {0, 0}};
    for (const auto& p : pairs) EXPECT_EQ(RecordNewsCode(p[0]), p[1]) << p[0];
}

TEST_F(DayMachine, ScoreboardDateKeepsTheDayOnly) {
    GameDate date = g_cricket.m_date;
    date.m_hour = 9;
    SetScoreboardDate(date);
    EXPECT_TRUE(g_dayScreenState.m_scoreboardDate.SameDay(date));
    EXPECT_EQ(g_dayScreenState.m_scoreboardDate.m_hour, 0);
}

}  // namespace
}  // namespace ravel
