// National squads and their locks, club squads, and the squads the computer
// picks.
#include <gtest/gtest.h>

#include <algorithm>

#include "CareersWorld.h"
#include "season/Selection.h"

namespace ravel {

namespace {

class SquadsTest : public CareersWorld {
protected:
    Country& North() { return *CountryById(NORTH); }
};

struct AddCase {
    const char* m_name;
    int m_kind;
    void (*m_setUp)(Player&);
    bool m_added;
};

void Fit(Player&) {}
void LongInjury(Player& p) {
    p.m_injured = 1;
    p.m_daysOut = 16;
}
void ShortInjury(Player& p) {
    p.m_injured = 1;
    p.m_daysOut = 15;
}
void RetiredFromTests(Player& p) {
    p.m_retiredTest = 1;
}
void RetiredFromOneDay(Player& p) {
    p.m_retiredOdi = 1;
}
void OtherCountry(Player& p) {
    p.m_country = 1;
}

}  // namespace

TEST_F(SquadsTest, AddToSquadRules) {
    const AddCase cases[] = {
        {"fit player", SQUAD_HOME_TEST, Fit, true},
        {"out for 16 days", SQUAD_HOME_TEST, LongInjury, false},
        {"out for 15 days", SQUAD_HOME_TEST, ShortInjury, true},
        {"retired from Tests, Test squad", SQUAD_TOUR_TEST, RetiredFromTests, false},
        {"retired from Tests, one-day squad", SQUAD_ONE_DAY, RetiredFromTests, true},
        {"retired from one-day cricket, kind 4", SQUAD_ONE_DAY_4, RetiredFromOneDay, false},
        {"another country's player", SQUAD_HOME_TEST, OtherCountry, false},
    };
    for (const AddCase& c : cases) {
        SetUp();
        Player& p = AddCricketer(NORTH, 0, 0);
        c.m_setUp(p);
        North().m_squadKind = c.m_kind;
        EXPECT_EQ(AddToSquad(North(), p.m_id), c.m_added) << c.m_name;
        EXPECT_EQ(g_world.mv_players[p.m_id].m_intlDuty, c.m_added ? 1 : 0) << c.m_name;
        EXPECT_FALSE(AddToSquad(North(), p.m_id)) << c.m_name << ": listed twice";
    }
}

TEST_F(SquadsTest, LocksGuardEachKindsList) {
    const int id = AddCricketer(NORTH, 0, 0).m_id;
    struct LockCase {
        int m_kind;
        int m_lock;  // index of the lock byte, -1 none
    };
    for (const LockCase& c :
         {LockCase{SQUAD_HOME_TEST, 0}, LockCase{SQUAD_TOUR_TEST, 1}, LockCase{SQUAD_ONE_DAY, 2},
          LockCase{SQUAD_ONE_DAY_3, 2}, LockCase{SQUAD_ONE_DAY_4, 2}, LockCase{SQUAD_ONE_DAY_5, 2}}) {
        Country& c2 = North();
        c2.mv_testSquad.clear();
        c2.mv_oneDaySquad.clear();
        std::fill(std::begin(c2.m_squadLock), std::end(c2.m_squadLock), 0);
        c2.m_squadKind = c.m_kind;
        if (c.m_lock >= 0) {
            c2.m_squadLock[c.m_lock] = 1;
            EXPECT_FALSE(AddToSquad(c2, id)) << c.m_kind;
            c2.m_squadLock[c.m_lock] = 0;
        }
        ASSERT_TRUE(AddToSquad(c2, id)) << c.m_kind;
        if (c.m_lock >= 0) {
            c2.m_squadLock[c.m_lock] = 1;
            EXPECT_FALSE(RemoveFromSquad(c2, id)) << c.m_kind;
            EXPECT_FALSE(ClearSquad(c2)) << c.m_kind;
            EXPECT_EQ(SquadList(c2, c.m_kind).size(), 1u) << c.m_kind;
            c2.m_squadLock[c.m_lock] = 0;
        }
        EXPECT_TRUE(RemoveFromSquad(c2, id)) << c.m_kind;
        EXPECT_TRUE(SquadList(c2, c.m_kind).empty()) << c.m_kind;
    }
}

TEST_F(SquadsTest, EachKindMeansOneListEverywhere) {
    const int inTest = AddCricketer(NORTH, 0, 0).m_id;
    const int inOneDay = AddCricketer(NORTH, 0, 0).m_id;
    g_world.mv_players[inOneDay].m_batSkill[0] = 99;  // the one-day list rates apart from the Test list
    Country& c = North();
    c.mv_testSquad = {inTest};
    c.mv_oneDaySquad = {inOneDay};
    for (int kind : {SQUAD_HOME_TEST, SQUAD_ONE_DAY, SQUAD_TOUR_TEST, SQUAD_ONE_DAY_3, SQUAD_ONE_DAY_4,
                     SQUAD_ONE_DAY_5}) {
        const bool oneDay = kind == SQUAD_ONE_DAY || kind >= SQUAD_ONE_DAY_3;
        const int member = oneDay ? inOneDay : inTest;
        c.m_squadKind = kind;
        EXPECT_EQ(IsOneDaySquadKind(kind), oneDay) << kind;
        EXPECT_EQ(&SquadList(c, kind), oneDay ? &c.mv_oneDaySquad : &c.mv_testSquad) << kind;
        EXPECT_EQ(&c.SquadFor(kind), &SquadList(c, kind)) << kind;
        EXPECT_TRUE(IsInSquad(c, member)) << kind;
        EXPECT_FALSE(IsInSquad(c, oneDay ? inTest : inOneDay)) << kind;
        EXPECT_FLOAT_EQ(AverageRating(NORTH), static_cast<float>(g_world.mv_players[member].OverallRating()))
            << kind;
    }
}

TEST_F(SquadsTest, RemovingKeepsDutyWhileInTheOtherListAndLeavesTheEleven) {
    const int id = AddCricketer(NORTH, 0, 0).m_id;
    Country& c = North();
    c.m_squadKind = SQUAD_HOME_TEST;
    ASSERT_TRUE(AddToSquad(c, id));
    c.m_squadKind = SQUAD_ONE_DAY;
    ASSERT_TRUE(AddToSquad(c, id));
    c.m_xi[3] = id;
    c.m_xi[XI_CAPTAIN] = id;
    ASSERT_TRUE(RemoveFromSquad(c, id));
    EXPECT_EQ(c.m_xi[3], -1);
    EXPECT_EQ(c.m_xi[XI_CAPTAIN], -1);
    EXPECT_EQ(g_world.mv_players[id].m_intlDuty, 1) << "still in the Test squad";
    c.m_squadKind = SQUAD_HOME_TEST;
    ASSERT_TRUE(ClearSquad(c));
    EXPECT_EQ(g_world.mv_players[id].m_intlDuty, 0);
}

TEST_F(SquadsTest, ClearingAOneDaySquadEmptiesTheEleven) {
    Country& c = North();
    c.m_xi[0] = 5;
    c.m_xi[XI_KEEPER] = 5;
    c.m_squadKind = SQUAD_HOME_TEST;
    ASSERT_TRUE(ClearSquad(c));
    EXPECT_EQ(c.m_xi[0], 5);
    c.m_squadKind = SQUAD_ONE_DAY_3;
    ASSERT_TRUE(ClearSquad(c));
    for (int32_t slot : c.m_xi) EXPECT_EQ(slot, -1);
}

TEST_F(SquadsTest, ComputerSquadsHaveTheirSizesAndAKeeper) {
    for (int i = 0; i < 40; ++i) AddCricketer(NORTH, 0, 0, 30 + i);
    g_world.mv_players[7].m_keeper = 1;
    AddCricketer(SOUTH, 0, 0, 99);  // the best player, but not eligible
    struct SizeCase {
        int m_kind;
        size_t m_size;
    };
    for (const SizeCase& s : {SizeCase{SQUAD_ONE_DAY, 16}, SizeCase{SQUAD_ONE_DAY_3, 15}}) {
        Country& c = North();
        c.mv_oneDaySquad.clear();
        c.m_squadKind = s.m_kind;
        SelectOneDaySquad(c, 0);
        EXPECT_EQ(c.mv_oneDaySquad.size(), s.m_size);
        EXPECT_TRUE(std::find(c.mv_oneDaySquad.begin(), c.mv_oneDaySquad.end(), 7) != c.mv_oneDaySquad.end());
        for (int32_t id : c.mv_oneDaySquad) EXPECT_EQ(g_world.mv_players[id].m_country, NORTH);
    }
    North().m_squadLock[0] = 1;
    SelectTestSquadB(North(), 1);
    EXPECT_TRUE(North().mv_testSquad.empty()) << "locked list untouched";
    North().m_squadLock[0] = 0;
    SelectTestSquadB(North(), 1);
    EXPECT_EQ(North().mv_testSquad.size(), 14u);
}

TEST_F(SquadsTest, HomeTestSquadTakesASecondSpinnerWhenMostGroundsTurn) {
    // Good batsmen and seamers, and four weak spinners that only the spinner
    // places bring in.
    for (int i = 0; i < 24; ++i) AddCricketer(NORTH, 0, 0, 60).m_bowlType = i % 2 == 0 ? 0 : 2;
    for (int i = 0; i < 4; ++i) AddCricketer(NORTH, 0, 0, 20).m_bowlType = 5;
    struct Case {
        std::vector<float> pitches;
        int spinners;
    } cases[] = {
        {{6.0f, 6.69f, 8.0f}, 2},
        {{6.0f, 6.7f, 8.0f}, 1},
        {{6.0f, 8.0f}, 1},  // half is not most
        {{}, 1},
    };
    for (const Case& c : cases) {
        g_world.mv_grounds.clear();
        for (float pitch : c.pitches)
            AddGround(static_cast<int>(g_world.mv_grounds.size()) + 1, NORTH, 9.9f - pitch).m_pitch = pitch;
        Country& north = North();
        SelectTestSquadB(north, 0);
        ASSERT_EQ(north.mv_testSquad.size(), 14u);
        const auto spinners =
            std::count_if(north.mv_testSquad.begin(), north.mv_testSquad.end(),
                          [](int32_t id) { return g_world.mv_players[id].m_bowlType >= 5; });
        EXPECT_EQ(spinners, c.spinners) << c.pitches.size() << " grounds";
    }
}

TEST_F(SquadsTest, AverageRatingOfClubsAndCountries) {
    AddClubWithSquad(1300, NORTH, 3, 2, 40);
    AddCricketer(NORTH, 1300, 2, 70);
    AddClub(1301, NORTH);
    Country& north = North();
    north.mv_testSquad = {1, 4};
    north.mv_oneDaySquad = {2, 3, 99};  // an unknown id counts for nothing
    auto overall = [](int id) { return static_cast<float>(g_world.mv_players[id].OverallRating()); };
    const float clubMean = (overall(1) + overall(2) + overall(3) + overall(4)) / 4.0f;
    ASSERT_NE(overall(1), overall(4));

    struct Case {
        int side, squadKind;
        float rating;
    } cases[] = {
        {1300, SQUAD_HOME_TEST, clubMean},
        {NORTH, SQUAD_HOME_TEST, (overall(1) + overall(4)) / 2.0f},
        {NORTH, SQUAD_ONE_DAY, (overall(2) + overall(3)) / 2.0f},
        {1301, SQUAD_HOME_TEST, 1.0f},  // no players
        {SOUTH, SQUAD_HOME_TEST, 1.0f},
        {1999, SQUAD_HOME_TEST, 1.0f},  // no such side
        {7, SQUAD_HOME_TEST, 1.0f},
    };
    for (const Case& c : cases) {
        north.m_squadKind = c.squadKind;
        EXPECT_FLOAT_EQ(AverageRating(c.side), c.rating) << c.side;
    }
    EXPECT_FLOAT_EQ(AverageRating(*TeamById(1300)), clubMean);
    // Between engagements the lists are empty: the country's own players rate it.
    north.mv_testSquad.clear();
    north.m_squadKind = SQUAD_HOME_TEST;
    EXPECT_FLOAT_EQ(AverageRating(NORTH), clubMean);
}

TEST_F(SquadsTest, RebuildFollowsTheClubFieldsOfEachHemisphere) {
    AddClub(1300, NORTH);
    AddClub(1001, SOUTH);
    Player& p = AddCricketer(NORTH, 1300, 2);
    p.m_southClub = 1001;
    const int id = p.m_id;
    Player& gone = AddCricketer(NORTH, 1300, 2);
    gone.m_northClub = 0;
    TeamById(1300)->m_xi[0] = gone.m_id;
    RebuildSquads();
    EXPECT_TRUE(IsInClubSquad(*TeamById(1300), id));
    EXPECT_TRUE(IsInClubSquad(*TeamById(1001), id));
    EXPECT_FALSE(IsInClubSquad(*TeamById(1300), gone.m_id));
    EXPECT_EQ(TeamById(1300)->m_xi[0], -1);
}

TEST_F(SquadsTest, TopUpReachesSixteenWithFreeAgentsThenYoungPlayers) {
    SetDay(362, 40);  // the window has shut
    AddClubWithSquad(1300, NORTH, 3, 2);
    AddClubWithSquad(1001, SOUTH, 20, 2);
    const int home = AddCricketer(NORTH, 0, 0, 60).m_id;
    const int abroad = AddCricketer(SOUTH, 0, 0, 90).m_id;
    TopUpTeamSquads();
    const Team& north = *TeamById(1300);
    EXPECT_EQ(SquadCount(north), MIN_CONTRACTED);
    EXPECT_TRUE(IsInClubSquad(north, home));
    EXPECT_TRUE(IsInClubSquad(north, abroad)) << "an overseas place was free";
    int overseas = 0;
    for (int32_t id : north.m_squad) {
        if (id <= 0) continue;
        if (!g_world.mv_players[id].IsEligibleFor(NORTH)) ++overseas;
        EXPECT_EQ(g_world.mv_players[id].m_northClub, 1300);
        EXPECT_GE(g_world.mv_players[id].m_northSeasons, 1);
        EXPECT_LE(g_world.mv_players[id].m_northSeasons, 4);
    }
    EXPECT_EQ(overseas, 2) << "the overseas limit";
    // A southern club's player signed in the north keeps his southern contract.
    for (int32_t id : TeamById(1001)->m_squad) {
        if (id <= 0 || id == abroad) continue;
        EXPECT_EQ(g_world.mv_players[id].m_southWage, 20000) << id;
        EXPECT_EQ(g_world.mv_players[id].m_southSeasons, 2) << id;
    }
    // Above sixteen a computer club takes only home players: the southerner,
    // not the free northerners.
    const Team& south = *TeamById(1001);
    EXPECT_EQ(SquadCount(south), 21);
    EXPECT_TRUE(IsInClubSquad(south, abroad));
    EXPECT_FALSE(IsInClubSquad(south, home));
}

TEST_F(SquadsTest, WorldCompletionGivesCountriesAPoolAndSidesTheirElevens) {
    AddClubWithSquad(1300, NORTH, 18, 2, 30);
    for (int i = 0; i < 20; ++i) AddCricketer(NORTH, 0, 0, 70).m_keeper = i < 2 ? 1 : 0;
    for (int i = 0; i < 5; ++i) AddCricketer(SOUTH, 0, 0);
    TopUpCountryPlayers();
    for (int country : {SOUTH, NORTH}) {
        int pool = 0;
        int keepers = 0;
        for (const Player& p : g_world.mv_players) {
            if (p.m_id <= 0 || !p.IsEligibleFor(country)) continue;
            ++pool;
            if (p.m_keeper == 1) ++keepers;
        }
        EXPECT_GE(pool, 30) << country;
        EXPECT_GE(keepers, 2) << country;
    }
    SelectAllNationalSquads();
    FinishWorldLoad();
    for (const Country& c : g_world.mv_countries) {
        EXPECT_EQ(c.mv_testSquad.size(), 14u) << c.m_id;
        EXPECT_EQ(c.mv_oneDaySquad.size(), 16u) << c.m_id;
        for (int i = 0; i < XI_PLAYERS; ++i) EXPECT_GT(c.m_xi[i], 0) << c.m_id;
    }
    // National duty takes players from their clubs; this one still fields eleven.
    for (int i = 0; i < XI_PLAYERS; ++i) EXPECT_GT(TeamById(1300)->m_xi[i], 0);
}

}  // namespace ravel
