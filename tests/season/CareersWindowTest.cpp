// A world driven through a northern transfer window with the careers services
// alone: every club keeps its players and its coach, and the market moves.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "CareersWorld.h"
#include "season/Coaches.h"
#include "season/Finance.h"
#include "season/Fitness.h"
#include "season/NewsItems.h"

namespace ravel {

namespace {

class WindowTest : public CareersWorld {
protected:
    void SetUp() override {
        CareersWorld::SetUp();
        for (int id = 1; id <= 3; ++id) {
            InjuryType t;
            t.m_id = id;
            t.m_days = 5 * id;
            std::snprintf(t.m_description, sizeof t.m_description, "Strain %d", id);
            g_world.mv_injuryTypes.push_back(t);
        }
        for (int c = 0; c < 6; ++c) {
            const int id = 1300 + c;
            AddClub(id, NORTH);
            for (int i = 0; i < 18; ++i) {
                // A third of each squad is in its last season; skills spread
                // so that clubs differ.
                Player& p = AddCricketer(NORTH, id, 1 + i % 3, 35 + (i * 7 + c * 5) % 40);
                p.m_keeper = i == 0 ? 1 : 0;
                p.m_birthYear = 1972 + i % 15;
            }
        }
        AddClubWithSquad(1001, SOUTH, 18, 2);
        for (int i = 0; i < 30; ++i) AddCricketer(NORTH, 0, 0, 30 + i);
        UserCoach& me = AddHumanCoach(500);
        (void)me;
        CreateMissingCoaches();
        AppointCoach(*TeamById(1300), 500);
        for (int i = 0; i < 8; ++i) AddComputerCoach(600 + i, 30.0f + i * 5);
    }

    // One day of the careers services, in the daily world step's order.
    static void RunDay() {
        if (g_cricket.m_date.m_day == 28) ApplyMonthlyFinances();
        MoveComputerCoaches();
        UpdatePlayerFitnessAndInjuries();
        TransferWindowStep();
        const GameDate next = Tomorrow();
        for (UserCoach& coach : g_userCoaches)
            coach.DeliverPendingNews(next.m_day, next.m_month, next.m_year);
        for (StaffMember& s : g_world.mv_staff) DailyCoachStep(s);
        g_cricket.m_date.NextDay();
    }
};

}  // namespace

TEST_F(WindowTest, EveryClubKeepsSixteenContractedPlayersAndACoach) {
    std::map<int, int> clubBefore;
    for (const Player& p : g_world.mv_players) clubBefore[p.m_id] = p.m_northClub;
    SetDay(362, 0);
    for (int day = 0; day <= 40; ++day) RunDay();

    int moved = 0;
    for (const Player& p : g_world.mv_players)
        if (p.m_id > 0 && clubBefore.count(p.m_id) && clubBefore[p.m_id] > 0 && p.m_northClub > 0 &&
            p.m_northClub != clubBefore[p.m_id])
            ++moved;
    EXPECT_GT(moved, 0) << "players changed clubs";

    for (const Team& team : g_world.mv_teams) {
        int contracted = 0;
        const int hemi = HemisphereOf(team);
        for (int32_t id : team.m_squad) {
            if (id <= 0) continue;
            const Player& p = g_world.mv_players[id];
            EXPECT_EQ(ClubIn(p, hemi), team.m_id) << "player " << id << " listed by " << team.m_id;
            if (SeasonsIn(p, hemi) >= 1) ++contracted;
        }
        EXPECT_GE(contracted, MIN_CONTRACTED) << team.m_id;
        EXPECT_GT(team.m_coach, 0) << team.m_id;
        EXPECT_NE(StaffMemberById(team.m_coach), nullptr) << team.m_id;
    }
    // Every contracted player is in his club's squad.
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0 || p.m_northClub <= 0) continue;
        EXPECT_TRUE(IsInClubSquad(*TeamById(p.m_northClub), p.m_id)) << p.m_id;
        EXPECT_EQ(p.m_transferArranged, 0) << "moves are made when the window shuts";
    }
    EXPECT_TRUE(g_contractOffers.empty() ||
                std::none_of(g_contractOffers.begin(), g_contractOffers.end(), [](const ContractOffer& o) {
                    return o.m_state == OFFER_AGREED || o.m_state == OFFER_CLOSED;
                }));
    // The user heard about his window.
    bool open = false;
    bool shut = false;
    for (const InboxMessage& m : g_userCoaches[0].mv_inbox) {
        open = open || m.m_code == NEWS_WINDOW_OPEN;
        shut = shut || m.m_code == NEWS_WINDOW_CLOSED;
    }
    EXPECT_TRUE(open);
    EXPECT_TRUE(shut);
}

TEST_F(WindowTest, ApproachesForTheUsersPlayersNameTheBidder) {
    SetDay(362, 0);
    while (g_cricket.m_date.m_dayOfSeason < 20) RunDay();
    int approaches = 0;
    for (const InboxMessage& m : g_userCoaches[0].mv_inbox) {
        if (m.m_code != NEWS_APPROACH_FOR_PLAYER) continue;
        ++approaches;
        int player = 0;
        int bidder = 0;
        for (const NewsLink& l : m.mv_links) {
            if (l.m_kind == LINK_PLAYER) player = l.m_value;
            if (l.m_kind == LINK_CLUB) bidder = l.m_value;
        }
        ASSERT_NE(TeamById(bidder), nullptr) << m.m_headline;
        EXPECT_NE(bidder, 1300) << "another club bids";
        const std::string playerName = PlayerName(player);
        EXPECT_EQ(m.m_headline, std::string(TeamById(bidder)->m_name) + " approach " + playerName);
        EXPECT_EQ(m.m_body.rfind(TeamById(bidder)->m_name, 0), 0u) << m.m_body;
    }
    EXPECT_GT(approaches, 0) << "the user's players in their last season draw bids";
}

TEST_F(WindowTest, TheSameSeedRunsTheSameWindow) {
    auto run = [this]() {
        TearDown();
        SetUp();
        SeedRand(11);
        SetDay(362, 0);
        for (int day = 0; day <= 35; ++day) RunDay();
        std::vector<int32_t> clubs;
        for (const Player& p : g_world.mv_players) clubs.push_back(p.m_northClub * 10 + p.m_northSeasons);
        return clubs;
    };
    EXPECT_EQ(run(), run());
}

TEST_F(WindowTest, TheUsersApproachMovesThePlayerWhenTheWindowShuts) {
    SetDay(362, 0);
    while (g_cricket.m_date.m_dayOfSeason < 15) RunDay();
    // A player in his last season whom no computer club has agreed terms with.
    int target = 0;
    for (int32_t id : TeamById(1301)->m_squad) {
        g_overseasCount = -1;
        if (id > 0 && g_world.mv_players[id].m_northSeasons == 1 && CanSignPlayer(id, 1300, 1) == SIGN_OK)
            target = id;
    }
    ASSERT_GT(target, 0);
    ContractOffer offer;
    offer.m_player = target;
    offer.m_team = 1300;
    ContractDemand(offer);
    offer.m_offerWage = 2 * offer.m_demandWage;  // more than anyone else pays
    offer.m_offerLength = offer.m_demandLength;
    offer.m_offered = 1;
    offer.m_state = OFFER_MADE;
    offer.StartReplyCountdown();
    g_contractOffers.push_back(offer);
    while (g_cricket.m_date.m_dayOfSeason < 29) RunDay();
    EXPECT_EQ(g_world.mv_players[target].m_transferArranged, 1) << "agreed, waiting for the window to shut";
    EXPECT_EQ(g_world.mv_players[target].m_leaving, 1);
    EXPECT_EQ(g_world.mv_players[target].m_northClub, 1301);
    EXPECT_EQ(CanSignPlayer(target, 1302, 1), SIGN_ARRANGED);
    while (g_cricket.m_date.m_dayOfSeason < 32) RunDay();
    const Player& moved = g_world.mv_players[target];
    EXPECT_EQ(moved.m_northClub, 1300);
    EXPECT_EQ(moved.m_leaving, 0);
    EXPECT_EQ(moved.m_northSeasons, offer.m_offerLength);
    EXPECT_EQ(moved.m_northWage, offer.m_offerWage);
    EXPECT_TRUE(IsInClubSquad(*TeamById(1300), target));
    EXPECT_FALSE(IsInClubSquad(*TeamById(1301), target));
}

}  // namespace ravel
