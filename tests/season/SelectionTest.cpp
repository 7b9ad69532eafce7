#include <algorithm>

#include "SeasonWorld.h"
#include "season/Selection.h"

namespace ravel {
namespace {

struct SquadPlayer {
    int batPosition;
    int bat;  // each of the seven batting skills
    int bowlType;
    int bowl;  // each of the four bowling skills
    int keeper;
    int gloves;  // each keeping skill
    int captaincy;
};

// Squad ids 1..16: a keeper, an occasional keeper, three openers, four middle
// order batsmen, three spinners and four seamers.
const SquadPlayer SQUAD[] = {
    {7, 50, 0, 10, 1, 80, 5},  // 1 keeper
    {5, 60, 0, 10, 2, 60, 1},  // 2 occasional keeper
    {1, 70, 4, 20, 0, 0, 9},   // 3 opener
    {2, 65, 0, 10, 0, 0, 2},   // 4 opener
    {1, 60, 0, 10, 0, 0, 3},   // 5 opener
    {3, 75, 4, 30, 0, 0, 4},   // 6
    {4, 70, 0, 10, 0, 0, 6},   // 7
    {5, 68, 0, 10, 0, 0, 7},   // 8
    {6, 55, 0, 10, 0, 0, 1},   // 9
    {9, 30, 5, 70, 0, 0, 1},   // 10 off spinner
    {9, 28, 6, 65, 0, 0, 1},   // 11 leg spinner
    {10, 20, 5, 50, 0, 0, 1},  // 12 off spinner
    {8, 25, 1, 80, 0, 0, 1},   // 13 fast
    {10, 22, 2, 75, 0, 0, 1},  // 14 fast medium
    {11, 15, 3, 70, 0, 0, 1},  // 15 medium fast
    {11, 12, 4, 60, 0, 0, 1},  // 16 medium
};

class TeamSelection : public SeasonWorld {
protected:
    static constexpr int CLUB = 1001;

    void SetUp() override {
        SeasonWorld::SetUp();
        Team& team = AddTeam(CLUB);
        int slot = 0;
        for (const SquadPlayer& s : SQUAD) {
            Player& p = AddPlayer();
            p.m_batPosition = s.batPosition;
            std::fill(std::begin(p.m_batSkill), std::end(p.m_batSkill), s.bat);
            p.m_bowlType = s.bowlType;
            std::fill(std::begin(p.m_bowlSkill), std::end(p.m_bowlSkill), s.bowl);
            p.m_keeper = s.keeper;
            p.m_keepSkill[0] = p.m_keepSkill[1] = s.gloves;
            p.m_captaincy = s.captaincy;
            team.m_squad[slot++] = p.m_id;
        }
    }

    static std::vector<int32_t> Eleven(const Selection& s) { return {s.begin(), s.begin() + XI_PLAYERS}; }
    static bool Has(const Selection& s, int id) {
        return std::find(s.begin(), s.begin() + XI_PLAYERS, id) != s.begin() + XI_PLAYERS;
    }
    static int Spinners(const Selection& s) {
        int n = 0;
        for (int id : Eleven(s)) n += g_world.mv_players[id].m_bowlType >= 5;
        return n;
    }
};

TEST_F(TeamSelection, RatingsTruncateTheirMeans) {
    struct Case {
        int bat[6];
        int bowl[2];
        int batting, bowling;
    } cases[] = {
        {{60, 60, 60, 60, 60, 60}, {50, 51}, 60, 50},
        {{59, 60, 60, 60, 60, 60}, {0, 1}, 59, 0},
        {{0, 0, 0, 0, 0, 5}, {99, 98}, 0, 98},
    };
    for (const Case& c : cases) {
        Player& p = AddPlayer();
        std::copy(std::begin(c.bat), std::end(c.bat), p.m_batSkill);
        p.m_batSkill[6] = 99;  // scoring speed is not part of the rating
        p.m_bowlSkill[0] = c.bowl[0];
        p.m_bowlSkill[1] = c.bowl[1];
        p.m_bowlSkill[2] = 99;
        EXPECT_EQ(PlayerBattingRating(p.m_id), c.batting);
        EXPECT_EQ(PlayerBowlingRating(p.m_id), c.bowling);
    }
    EXPECT_EQ(PlayerBattingRating(9999), 0);
}

TEST_F(TeamSelection, KeeperRankingPrefersSpecialistsAndIgnoresNonKeepers) {
    // Keeper 1 (gloves 160 x 1.5) over occasional keeper 2 (120 x 1.1) over any outfielder.
    EXPECT_TRUE(CompareKeeper(1, 2));
    EXPECT_FALSE(CompareKeeper(2, 1));
    EXPECT_TRUE(CompareKeeper(2, 3));
    // Between outfielders, whose glove term is negative, batting decides.
    EXPECT_TRUE(CompareKeeper(6, 16));
    // Strict: never before itself.
    for (int id = 1; id <= 16; ++id) EXPECT_FALSE(CompareKeeper(id, id));
}

TEST_F(TeamSelection, PicksElevenWithKeeperOpenersSpinnerAndSeamers) {
    const Selection s = ChooseXI(CLUB, false, false, 0);
    for (int id : {1, 3, 4, 6, 7, 8, 2, 10, 13, 14, 15}) EXPECT_TRUE(Has(s, id)) << id;
    EXPECT_EQ(s[s[SEL_KEEPER]], 1);
    EXPECT_EQ(s[s[SEL_CAPTAIN]], 3);
    EXPECT_EQ(s[s[SEL_OPEN_BOWLER1]], 13);
    EXPECT_EQ(s[s[SEL_OPEN_BOWLER2]], 14);
    const std::vector<int32_t> eleven = Eleven(s);
    EXPECT_TRUE(std::is_sorted(eleven.begin(), eleven.end(), [](int a, int b) {
        return g_world.mv_players[a].m_batPosition < g_world.mv_players[b].m_batPosition;
    }));
}

TEST_F(TeamSelection, KeeperWhoOpensLeavesRoomForOneOpener) {
    g_world.mv_players[1].m_batPosition = 1;
    const Selection s = ChooseXI(CLUB, false, false, 0);
    EXPECT_TRUE(Has(s, 3));
    // The second-best opener only comes in through the middle-order ranking,
    // where an opener's key is cut; 4 (65 x 0.75) then loses out.
    EXPECT_FALSE(Has(s, 4));
    EXPECT_FALSE(Has(s, 5));
}

TEST_F(TeamSelection, OpenersAreTheBestRankedEvenWhenTheKeeperTopsTheList) {
    // The keeper is also the best opener: the next two openers still come in.
    Player& keeper = g_world.mv_players[1];
    keeper.m_batPosition = 3;
    std::fill(std::begin(keeper.m_batSkill), std::end(keeper.m_batSkill), 99);
    g_world.mv_players[3].m_batPosition = 2;
    const Selection s = ChooseXI(CLUB, false, false, 0);
    EXPECT_TRUE(Has(s, 3));
    EXPECT_TRUE(Has(s, 4));
}

TEST_F(TeamSelection, SpinnersFollowThePitch) {
    struct Case {
        bool withGround;
        float pitch;
        int spinners;
    } cases[] = {{false, 0.0f, 1}, {true, 6.69f, 2}, {true, 6.7f, 1}, {true, 9.0f, 1}, {true, 0.0f, 2}};
    for (const Case& c : cases) {
        g_world.mv_grounds.clear();
        // The turn the match engine plays with has no say in the selection.
        AddGround(77, 1, 9.9f - c.pitch).m_pitch = c.pitch;
        const Selection s = ChooseXI(CLUB, false, false, c.withGround ? 77 : 0);
        EXPECT_EQ(Spinners(s), c.spinners) << c.pitch;
        EXPECT_EQ(std::count_if(s.begin(), s.begin() + XI_PLAYERS, [](int id) { return id > 0; }),
                  XI_PLAYERS);
    }
}

TEST_F(TeamSelection, WritesXiSlotsForTheWholeSquad) {
    const Selection s = ChooseXI(CLUB, false, false, 0);
    for (int slot = 0; slot < XI_PLAYERS; ++slot) EXPECT_EQ(g_world.mv_players[s[slot]].m_xiSlot, slot);
    for (int id = 1; id <= 16; ++id) {
        if (!Has(s, id)) {
            EXPECT_EQ(g_world.mv_players[id].m_xiSlot, NOT_IN_XI) << id;
        }
    }
}

TEST_F(TeamSelection, FewerThanElevenAvailableGivesNoEleven) {
    // 16 players: five unavailable in different ways leaves 11; a sixth leaves 10.
    g_world.mv_players[2].m_injured = 1;
    g_world.mv_players[5].m_intlDuty = 1;
    g_world.mv_players[9].m_injured = 1;
    g_world.mv_players[12].m_intlDuty = 1;
    g_world.mv_players[16].m_unavailable = 1;
    Selection s = ChooseXI(CLUB, false, false, 0);
    EXPECT_GT(s[0], 0);
    for (int id : Eleven(s)) EXPECT_TRUE(id != 2 && id != 5 && id != 9 && id != 12 && id != 16) << id;

    g_world.mv_players[1].m_injured = 1;
    const int before = g_world.mv_players[3].m_xiSlot;
    s = ChooseXI(CLUB, false, false, 0);
    for (int v : s) EXPECT_EQ(v, -1);
    EXPECT_EQ(g_world.mv_players[3].m_xiSlot, before);
    // Unknown sides have no players at all.
    for (int v : ChooseXI(4242, false, false, 0)) EXPECT_EQ(v, -1);
}

TEST_F(TeamSelection, CountryPicksFromTheSquadOfItsKind) {
    Country& c = AddCountry(3, "Norland");
    for (int id = 1; id <= 16; ++id) c.mv_testSquad.push_back(id);
    for (int id = 1; id <= 12; ++id) c.mv_oneDaySquad.push_back(id);
    const int clubSlot = g_world.mv_players[16].m_xiSlot;

    const Selection oneDay = ChooseXI(3, true, true, 0);
    for (int id : Eleven(oneDay)) EXPECT_LE(id, 12);
    EXPECT_EQ(g_world.mv_players[16].m_xiSlot, clubSlot);  // club slots are the club's

    Country& country = g_world.mv_countries[0];
    country.m_squadKind = SQUAD_ONE_DAY;
    PickXI(country);
    EXPECT_EQ(country.m_xi[XI_KEEPER], 1);
    EXPECT_EQ(country.m_xi[XI_CAPTAIN], 3);
    for (int i = 0; i < XI_PLAYERS; ++i) EXPECT_TRUE(IsInSquad(country, country.m_xi[i]));
    EXPECT_FALSE(IsInSquad(country, 13));

    // With too few fit players nothing is picked and no role is looked up.
    for (int id = 1; id <= 2; ++id) g_world.mv_players[id].m_injured = 1;
    PickXI(country);
    for (int32_t v : country.m_xi) EXPECT_EQ(v, -1);

    country.m_squadKind = SQUAD_HOME_TEST;
    PickXI(country);
    EXPECT_GT(country.m_xi[0], 0);
    EXPECT_TRUE(IsInSquad(country, 13));
    ClearXI(country);
    for (int32_t v : country.m_xi) EXPECT_EQ(v, -1);
}

TEST_F(TeamSelection, IdInList) {
    EXPECT_TRUE(IsIdInList({4, 5, 6}, 5));
    EXPECT_FALSE(IsIdInList({4, 5, 6}, 7));
    EXPECT_FALSE(IsIdInList({}, 0));
}

}  // namespace
}  // namespace ravel
