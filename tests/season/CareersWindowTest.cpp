// A world driven through a northern transfer window with the careers services
// alone: every club keeps its players and its coach, and the market moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

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

TEST_F(WindowTest, ApproachesNameEveryBidderAndWaitForTheUsersAnswer) {
    SetDay(362, 0);
    while (g_cricket.m_date.m_dayOfSeason <= 14) RunDay();  // the clubs approach on day 14
    std::vector<int32_t> approached;
    for (const InboxMessage& m : g_userCoaches[0].mv_inbox) {
        if (m.m_code != NEWS_APPROACH_FOR_PLAYER) continue;
        int player = 0;
        std::vector<int> clubs;
        for (const NewsLink& l : m.mv_links) {
            if (l.m_kind == LINK_PLAYER) player = l.m_value;
            if (l.m_kind == LINK_CLUB) clubs.push_back(l.m_value);
        }
        ASSERT_FALSE(clubs.empty()) << m.m_headline;
        EXPECT_EQ(m.m_figure, static_cast<int>(clubs.size())) << "every bidder is named";
        for (int club : clubs) {
            EXPECT_NE(club, 1300) << "another club bids";
            EXPECT_TRUE(std::any_of(g_contractOffers.begin(), g_contractOffers.end(),
                                    [&](const ContractOffer& o) {
                                        return o.m_player == player && o.m_team == club && !o.m_renewal;
                                    }))
                << "club " << club << " made an offer";
            EXPECT_NE(m.m_body.find(TeamById(club)->m_name), std::string::npos) << m.m_body;
        }
        const std::string playerName = PlayerName(player);
        EXPECT_EQ(m.m_headline, clubs.size() == 1
                                    ? std::string(TeamById(clubs[0])->m_name) + " approach " + playerName
                                    : std::to_string(clubs.size()) + " clubs approach " + playerName);
        approached.push_back(player);
    }
    ASSERT_FALSE(approached.empty()) << "the user's players in their last season draw bids";

    // He answers each at once with a renewal that takes as long as any to be
    // answered: every player stays.
    for (int32_t id : approached) {
        ContractOffer offer;
        offer.m_renewal = 1;
        offer.m_player = id;
        offer.m_team = 1300;
        ContractDemand(offer);
        offer.m_offerWage = 2 * offer.m_demandWage;
        offer.m_offerLength = offer.m_demandLength;
        offer.m_offered = 1;
        offer.m_state = OFFER_MADE;
        offer.m_countdown = REPLY_DAYS_LONGEST;
        g_contractOffers.push_back(offer);
    }
    while (g_cricket.m_date.m_dayOfSeason <= WINDOW_LAST_DAY + 1) RunDay();
    for (int32_t id : approached) {
        const Player& p = g_world.mv_players[id];
        EXPECT_EQ(p.m_northClub, 1300) << "player " << id << " stayed";
        EXPECT_GE(p.m_northSeasons, 1) << "player " << id << " signed again";
    }
}

TEST_F(WindowTest, ApproachesComeFromDifferentClubsEachWindow) {
    // The club that makes the window's first approach, over several windows.
    std::set<int> first;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        TearDown();
        SetUp();
        SeedRand(seed);
        SetDay(362, 14);
        FillSquadRoles(HEMI_NORTH);
        const auto approach = std::find_if(g_contractOffers.begin(), g_contractOffers.end(),
                                           [](const ContractOffer& o) { return !o.m_renewal; });
        ASSERT_NE(approach, g_contractOffers.end());
        first.insert(approach->m_team);
        // Every club short of players made approaches.
        for (int club = 1301; club <= 1305; ++club)
            EXPECT_TRUE(
                std::any_of(g_contractOffers.begin(), g_contractOffers.end(),
                            [club](const ContractOffer& o) { return o.m_team == club && !o.m_renewal; }))
                << "club " << club << " seed " << seed;
    }
    EXPECT_GT(first.size(), 2u) << "no club always has the first pick";
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
    // A player in his last season whom no computer club has agreed terms
    // with or made an offer to.
    int target = 0;
    for (int32_t id : TeamById(1301)->m_squad) {
        g_overseasCount = -1;
        const bool courted = std::any_of(g_contractOffers.begin(), g_contractOffers.end(),
                                         [id](const ContractOffer& o) { return o.m_player == id; });
        if (id > 0 && !courted && g_world.mv_players[id].m_northSeasons == 1 &&
            CanSignPlayer(id, 1300, 1) == SIGN_OK)
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
