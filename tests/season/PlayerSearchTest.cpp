// Which players a search request keeps.
#include <gtest/gtest.h>

#include <cstring>

#include "CareersWorld.h"
#include "season/PlayerSearch.h"

namespace ravel {

namespace {

class PlayerSearchTest : public CareersWorld {
protected:
    static PlayerFilter Everyone() {
        PlayerFilter f;
        f.Reset();
        f.m_testRetired = f.m_odiRetired = 1;
        return f;
    }
    static std::vector<int32_t> Search(const PlayerFilter& f) {
        std::vector<int32_t> found = {99};
        SearchPlayers(f, found);
        return found;
    }
    static Player& Named(const char* first, const char* surname) {
        Player& p = AddCricketer(SOUTH, 0, 0);
        std::snprintf(p.m_firstName, sizeof p.m_firstName, "%s", first);
        std::snprintf(p.m_surname, sizeof p.m_surname, "%s", surname);
        return p;
    }
};

TEST_F(PlayerSearchTest, ResetSwitchesOnGroupsButLeavesTheCallersFields) {
    PlayerFilter f;
    f.m_sortIndex = 4;
    f.m_viewIndex = 7;
    f.m_name = "ar";
    f.m_nationality = 10;
    f.m_team = 1001;
    f.m_available = 1;
    f.Reset();
    EXPECT_EQ(f.m_nationality, 0);
    EXPECT_EQ(f.m_sortIndex, 4);
    EXPECT_EQ(f.m_viewIndex, 7);
    EXPECT_EQ(f.m_name, "ar");
    EXPECT_EQ(f.m_team, 1001);
    EXPECT_EQ(f.m_available, 1);
    EXPECT_EQ(f.m_testRetired, 0);
    EXPECT_TRUE(f.m_openers && f.m_specialists && f.m_allRounders && f.m_lateOrder && f.m_tailEnders);
    for (uint8_t type : f.m_bowlTypes) EXPECT_EQ(type, 1);
    EXPECT_TRUE(f.m_keepers && f.m_injured);
}

TEST_F(PlayerSearchTest, OpenRequestKeepsEveryNamedActivePlayerInTableOrder) {
    const int a = Named("Abe", "Marsh").m_id;
    Named("Ben", "");  // no surname
    Named("Cal", "Gone").m_retired = 1;
    const int d = Named("Dan", "Parr").m_id;
    EXPECT_EQ(Search(Everyone()), (std::vector<int32_t>{a, d}));
}

TEST_F(PlayerSearchTest, NameFragmentMatchesSurnamesInAnyCaseNeverFirstNames) {
    const int a = Named("Ross", "Marsh").m_id;
    const int b = Named("Ted", "ARNOLD").m_id;
    const int c = Named("Sam", "Clarke").m_id;
    Named("Mark", "Smith");
    Named("Al", "Ra");
    PlayerFilter f = Everyone();
    f.m_name = "aR";
    EXPECT_EQ(Search(f), (std::vector<int32_t>{a, b, c}));
}

TEST_F(PlayerSearchTest, NationalityCountsTheFirstCountryOnly) {
    Player& both = Named("Eoin", "Dual");
    both.m_country = NORTH;
    both.m_country2 = SOUTH;
    const int south = Named("Sid", "Home").m_id;
    PlayerFilter f = Everyone();
    f.m_nationality = SOUTH;
    f.m_limitNationality = 0;  // the nationality limits whatever the switch says
    EXPECT_EQ(Search(f), (std::vector<int32_t>{south}));
}

struct SwitchCase {
    const char* name;
    void (*player)(Player&);
    void (*filter)(PlayerFilter&);
    bool kept;
};

const SwitchCase SWITCHES[] = {
    {"opener out", [](Player& p) { p.m_batPosition = 2; }, [](PlayerFilter& f) { f.m_openers = 0; }, false},
    {"six out with specialists off", [](Player& p) { p.m_batPosition = 6; },
     [](PlayerFilter& f) { f.m_specialists = 0; }, false},
    {"six out with all-rounders off", [](Player& p) { p.m_batPosition = 6; },
     [](PlayerFilter& f) { f.m_allRounders = 0; }, false},
    {"seven kept with specialists off", [](Player& p) { p.m_batPosition = 7; },
     [](PlayerFilter& f) { f.m_specialists = 0; }, true},
    {"late order out", [](Player& p) { p.m_batPosition = 9; }, [](PlayerFilter& f) { f.m_lateOrder = 0; },
     false},
    {"tail ender out", [](Player& p) { p.m_batPosition = 11; }, [](PlayerFilter& f) { f.m_tailEnders = 0; },
     false},
    {"position outside 1..11 untouched", [](Player& p) { p.m_batPosition = 12; },
     [](PlayerFilter& f) {
         f.m_openers = f.m_specialists = f.m_allRounders = f.m_lateOrder = f.m_tailEnders = 0;
     },
     true},
    {"leg spinner out", [](Player& p) { p.m_bowlType = 6; }, [](PlayerFilter& f) { f.m_bowlTypes[6] = 0; },
     false},
    {"fast bowler kept with leg spin off", [](Player& p) { p.m_bowlType = 1; },
     [](PlayerFilter& f) { f.m_bowlTypes[6] = 0; }, true},
    {"non-bowler out", [](Player& p) { p.m_bowlType = 0; }, [](PlayerFilter& f) { f.m_bowlTypes[0] = 0; },
     false},
    {"type outside 0..6 untouched", [](Player& p) { p.m_bowlType = 7; },
     [](PlayerFilter& f) {
         for (uint8_t& t : f.m_bowlTypes) t = 0;
     },
     true},
    {"keeper out", [](Player& p) { p.m_keeper = 2; }, [](PlayerFilter& f) { f.m_keepers = 0; }, false},
    {"injured out", [](Player& p) { p.m_injured = 1; }, [](PlayerFilter& f) { f.m_injured = 0; }, false},
    {"Test-retired out", [](Player& p) { p.m_retiredTest = 1; }, [](PlayerFilter& f) { f.m_testRetired = 0; },
     false},
    {"one-day-retired kept when included", [](Player& p) { p.m_retiredOdi = 1; }, [](PlayerFilter&) {}, true},
};

TEST_F(PlayerSearchTest, EachSwitchLeavesOutOnlyThePlayersItNames) {
    for (const SwitchCase& c : SWITCHES) {
        SCOPED_TRACE(c.name);
        ResetGameState();
        SetUp();
        Player& p = Named("Joe", "Case");
        p.m_batPosition = 4;
        p.m_bowlType = 3;
        c.player(p);
        const int id = p.m_id;
        PlayerFilter f = Everyone();
        c.filter(f);
        EXPECT_EQ(Search(f), c.kept ? std::vector<int32_t>{id} : std::vector<int32_t>{});
    }
}

TEST_F(PlayerSearchTest, OnlyAvailableKeepsWhomTheClubMaySignAndRecountsItsOverseasPlayers) {
    // A northern club in its window: one overseas place left of two.
    SetDay(362, 20);
    AddClub(1001, NORTH);
    AddClub(1002, NORTH);
    const int own = AddCricketer(SOUTH, 1001, 1).m_id;
    const int free = AddCricketer(NORTH, 0, 0).m_id;
    const int lastSeason = AddCricketer(NORTH, 1002, 1).m_id;
    AddCricketer(NORTH, 1002, 3);  // two seasons to run after this one
    const int foreign = AddCricketer(SOUTH, 0, 0).m_id;
    PlayerFilter f = Everyone();
    f.m_available = 1;
    f.m_team = 1001;
    g_overseasCount = 5;  // another club's count
    EXPECT_EQ(Search(f), (std::vector<int32_t>{own, free, lastSeason, foreign}));

    f.m_team = 4242;  // no such club
    EXPECT_TRUE(Search(f).empty());
}

}  // namespace

}  // namespace ravel
