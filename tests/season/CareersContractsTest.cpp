// Who may be approached, what players ask for, releases, and the replies to
// offers.
#include <gtest/gtest.h>

#include "CareersWorld.h"
#include "season/Finance.h"
#include "world/Random.h"

namespace ravel {

namespace {

class ContractsTest : public CareersWorld {};

struct SignCase {
    const char* m_name;
    int m_season;
    int m_day;
    int m_club;  // the club that asks
    int m_flag;
    void (*m_setUp)(Player&);
    int m_expected;
};

void Plain(Player&) {}
void Retiring(Player& p) {
    p.m_retiring = 1;
    p.m_transferArranged = 1;
}
void Arranged(Player& p) {
    p.m_transferArranged = 1;
    p.m_northSeasons = 3;
}
void LongNorthern(Player& p) {
    p.m_northSeasons = 2;
}
void Foreign(Player& p) {
    p.m_country = 9;
}
void Star(Player& p) {
    for (int& s : p.m_batSkill) s = 95;
    p.m_bowlSkill[0] = 95;
}

}  // namespace

TEST_F(ContractsTest, CanSignPlayerTestsInItsOrder) {
    const SignCase cases[] = {
        // Out of season comes first, even for a retiring player.
        {"southern club in an even season", 362, 20, 1001, 1, Retiring, SIGN_OUT_OF_SEASON},
        {"northern club in an odd season", 363, 20, 1300, 1, Plain, SIGN_OUT_OF_SEASON},
        {"retiring before arranged", 362, 20, 1300, 1, Retiring, SIGN_RETIRING},
        {"arranged before a long contract", 362, 20, 1300, 1, Arranged, SIGN_ARRANGED},
        {"two northern seasons left", 362, 20, 1300, 1, LongNorthern, SIGN_NORTH_CONTRACT},
        {"contracted elsewhere before the window", 362, 11, 1300, 1, Plain, SIGN_WINDOW},
        {"contracted elsewhere after the window", 362, 31, 1300, 1, Plain, SIGN_WINDOW},
        {"first day of the window", 362, 12, 1300, 1, Plain, SIGN_OK},
        {"last day of the window", 362, 30, 1300, 1, Plain, SIGN_OK},
        {"foreign with the overseas places full", 362, 20, 1300, 1, Foreign, SIGN_OVERSEAS_FULL},
        {"foreign asked without the overseas rule", 362, 20, 1300, 0, Foreign, SIGN_NOT_ELIGIBLE},
        {"beyond a computer club's reach", 362, 20, 1300, 1, Star, SIGN_WINDOW},
        {"within a human club's reach", 362, 20, 1302, 1, Star, SIGN_OK},
        // Never signed for the first club in its place.
        {"a club no table holds", 362, 20, 1399, 1, Plain, SIGN_NOT_ELIGIBLE},
    };
    for (const SignCase& c : cases) {
        SetUp();
        AddClubWithSquad(1300, NORTH, 16, 2);
        AddClubWithSquad(1301, NORTH, 16, 2);
        AddClubWithSquad(1302, NORTH, 16, 2).m_human = 1;
        AddClub(1001, SOUTH);
        // Two foreigners fill the overseas places of 1300 and 1302.
        for (int club : {1300, 1302})
            for (int i = 0; i < 2; ++i) AddCricketer(7, club, 2);
        Player& p = AddCricketer(NORTH, 1301, 1);
        c.m_setUp(p);
        SetDay(c.m_season, c.m_day);
        g_overseasCount = -1;
        EXPECT_EQ(CanSignPlayer(p.m_id, c.m_club, c.m_flag), c.m_expected) << c.m_name;
    }
}

TEST_F(ContractsTest, FreeAgentMayBeSignedOutsideTheWindow) {
    AddClubWithSquad(1300, NORTH, 16, 2);
    Player& p = AddCricketer(NORTH, 0, 0);
    SetDay(362, 100);
    EXPECT_EQ(CanSignPlayer(p.m_id, 1300, 1), SIGN_OK);
}

TEST_F(ContractsTest, DemandNeverFallsBelowTheFloorLessTheCut) {
    AddClub(1300, NORTH);
    for (int skill : {1, 10, 30}) {
        Player& p = AddCricketer(NORTH, 1300, 1, skill);
        for (int seed = 0; seed < 12; ++seed) {
            SeedRand(seed);
            ContractOffer offer;
            offer.m_player = p.m_id;
            ContractDemand(offer);
            EXPECT_TRUE(offer.m_demandWage == 10000 || offer.m_demandWage == 10500 ||
                        offer.m_demandWage == 11000)
                << offer.m_demandWage;
            EXPECT_GE(offer.m_demandLength, 1);
            EXPECT_LE(offer.m_demandLength, 3);
        }
    }
}

// A player asks his club for about what the club's own pricing pays him:
// the same skills and the same share of its money, whatever his record.
TEST_F(ContractsTest, DemandSitsBesideTheWageTheClubPays) {
    AddClub(1300, NORTH);
    for (int fcMatches : {10, 60}) {
        for (int skill : {40, 75}) {
            Player& p = AddCricketer(NORTH, 1300, 1, skill);
            p.m_stats[STATS_CAREER_FC].m_matches = fcMatches;
            const int id = p.m_id;
            SeedRand(3);
            const int wage = g_world.mv_players[id].SetWage(1300);
            SeedRand(3);
            ContractOffer offer;
            offer.m_player = id;
            offer.m_team = 1300;
            ContractDemand(offer);
            EXPECT_NEAR(offer.m_demandWage, wage, 1000)
                << "skill " << skill << ", " << fcMatches << " matches";
            EXPECT_GT(offer.m_demandWage, 12000) << "skill " << skill;
        }
    }
}

TEST_F(ContractsTest, DemandIsHalvedForFewFirstClassMatchesAndCutForTestRetirement) {
    AddClub(1300, NORTH);
    Player& p = AddCricketer(NORTH, 1300, 1, 90);
    const int id = p.m_id;
    auto demand = [id](int fcMatches, bool retiredTest) {
        Player& q = g_world.mv_players[id];
        q.m_stats[STATS_CAREER_FC].m_matches = fcMatches;
        q.m_retiredTest = retiredTest ? 1 : 0;
        SeedRand(5);
        ContractOffer offer;
        offer.m_player = id;
        ContractDemand(offer);
        return offer.m_demandWage;
    };
    SeedRand(5);
    static const int CUTS[3] = {1000, 1500, 2000};
    const int cut = CUTS[Rand() % 3];
    const int full = demand(30, false) + cut;
    EXPECT_EQ(demand(29, false) + cut, full / 2);
    EXPECT_EQ(demand(30, true) + cut, full * 3 / 4);
}

TEST_F(ContractsTest, ReleaseKeepsSixteenAndValuablePlayers) {
    Team& team = AddClubWithSquad(1300, NORTH, 17, 2);
    team.m_human = 1;
    Player& star = AddCricketer(NORTH, 1300, 2, 95);
    const int starId = star.m_id;
    const int ordinary = g_world.mv_players[1].m_id;

    EXPECT_EQ(ReleaseFromContract(starId, HEMI_NORTH), RELEASE_TOO_VALUABLE);
    EXPECT_EQ(ReleaseFromContract(ordinary, HEMI_NORTH), RELEASE_DONE);
    const Team& after = *TeamById(1300);
    EXPECT_EQ(SquadCount(after), 17);
    EXPECT_GT(after.m_squad[16], 0) << "squad compacted";
    EXPECT_EQ(after.m_squad[17], 0);
    EXPECT_EQ(g_world.mv_players[ordinary].m_northClub, 0);
    EXPECT_EQ(g_world.mv_players[ordinary].m_northSeasons, 0);
    for (int i = 0; i < XI_PLAYERS; ++i) EXPECT_NE(after.m_xi[i], ordinary);

    EXPECT_EQ(ReleaseFromContract(g_world.mv_players[2].m_id, HEMI_NORTH), RELEASE_DONE);
    EXPECT_EQ(ReleaseFromContract(g_world.mv_players[3].m_id, HEMI_NORTH), RELEASE_TOO_FEW);
}

TEST_F(ContractsTest, ReplyCountdownByState) {
    for (int seed = 0; seed < 20; ++seed) {
        SeedRand(seed);
        ContractOffer o;
        o.m_state = OFFER_MADE;
        o.StartReplyCountdown();
        EXPECT_GE(o.m_countdown, 1);
        EXPECT_LE(o.m_countdown, 4);
        o.m_state = OFFER_ACCEPTED;
        o.StartReplyCountdown();
        EXPECT_GE(o.m_countdown, 1);
        EXPECT_LE(o.m_countdown, 2);
        o.m_state = OFFER_COUNTER;
        o.StartReplyCountdown();
        EXPECT_EQ(o.m_countdown, 1);
    }
    const ContractOffer fresh;
    EXPECT_EQ(fresh.m_renewal, 0);
    EXPECT_EQ(fresh.m_offered, 0);
    EXPECT_EQ(fresh.m_team, -1);
    EXPECT_EQ(fresh.m_countdown, -1);
}

// A human club's offer: replies by the terms, then the best accepted offer wins.
TEST_F(ContractsTest, PlayerAnswersByTheTermsAndSignsTheBestAcceptedOffer) {
    AddClubWithSquad(1300, NORTH, 16, 2).m_human = 1;
    AddClubWithSquad(1301, NORTH, 16, 2);
    AddHumanCoach(50).m_staff.m_clubJob = 1300;
    const int free1 = AddCricketer(NORTH, 0, 0).m_id;
    const int free2 = AddCricketer(NORTH, 0, 0).m_id;
    const int free3 = AddCricketer(NORTH, 0, 0).m_id;
    auto offer = [](int player, int team, int wage, int demand) {
        ContractOffer o;
        o.m_player = player;
        o.m_team = team;
        o.m_demandWage = demand;
        o.m_demandLength = 2;
        o.m_offerWage = wage;
        o.m_offerLength = 2;
        o.m_state = OFFER_MADE;
        o.m_countdown = 1;
        g_contractOffers.push_back(o);
    };
    offer(free1, 1300, 20000, 20000);  // meets the demand
    offer(free2, 1300, 17000, 20000);  // close: his agent wants more
    offer(free3, 1300, 10000, 20000);  // far off
    offer(free1, 1301, 25000, 20000);  // the better offer for free1
    ResolveContractOffers();
    EXPECT_EQ(g_contractOffers[0].m_state, OFFER_ACCEPTED);
    EXPECT_EQ(g_contractOffers[1].m_state, OFFER_COUNTER);
    EXPECT_EQ(g_contractOffers[2].m_state, OFFER_CLOSED);
    EXPECT_EQ(g_contractOffers[3].m_state, OFFER_ACCEPTED);
    for (ContractOffer& o : g_contractOffers) o.m_countdown = std::min(o.m_countdown, 1);
    ReplyToOffers();
    EXPECT_EQ(g_contractOffers[0].m_state, OFFER_CLOSED);
    EXPECT_EQ(g_contractOffers[3].m_state, OFFER_AGREED);
    // A free agent joins at once.
    EXPECT_EQ(g_world.mv_players[free1].m_northClub, 1301);
    EXPECT_TRUE(IsInClubSquad(*TeamById(1301), free1));
    const std::vector<PendingNewsItem>& news = g_userCoaches[0].mv_pending;
    auto posted = [&news](int code) {
        return std::count_if(news.begin(), news.end(),
                             [code](const PendingNewsItem& i) { return i.m_code == code; });
    };
    EXPECT_EQ(posted(NEWS_OFFER_ACCEPTED), 1);
    EXPECT_EQ(posted(NEWS_OFFER_COUNTER), 1);
    EXPECT_EQ(posted(NEWS_OFFER_REJECTED), 1);
    EXPECT_EQ(posted(NEWS_PLAYER_SIGNED_ELSEWHERE), 1);
}

TEST_F(ContractsTest, WageBudgetCountsContractsThatRunOnAndAgreedSignings) {
    AddClubWithSquad(1300, NORTH, 10, 2);
    AddClubWithSquad(1301, NORTH, 1, 1);
    Team& team = *TeamById(1300);
    SeasonsIn(g_world.mv_players[1], HEMI_NORTH) = 1;  // runs out this window
    EXPECT_EQ(TeamWageBill(1300), 10 * 20000);
    EXPECT_EQ(AvailableWageBudget(team), 600000 - 9 * 20000);
    ContractOffer o;
    o.m_player = TeamById(1301)->m_squad[0];
    o.m_team = 1300;
    o.m_state = OFFER_AGREED;
    o.m_offerWage = 30000;
    g_contractOffers.push_back(o);
    EXPECT_EQ(AvailableWageBudget(team), 600000 - 9 * 20000 - 30000);
}

TEST_F(ContractsTest, MonthlyFinancesPayWagesAndTheGrant) {
    AddClubWithSquad(1300, NORTH, 12, 2);
    SetDay(362, 57);  // 28 May
    ASSERT_EQ(g_cricket.m_date.m_day, 28);
    Team& team = *TeamById(1300);
    team.m_finance[FINANCE_GATE][6] = 99.0f;  // last year's June
    ApplyMonthlyFinances();
    const float wages = 12 * 20000 / 12.0f;
    EXPECT_FLOAT_EQ(team.m_money, 1200000.0f + MONTHLY_HANDOUT - wages);
    EXPECT_FLOAT_EQ(team.m_finance[FINANCE_WAGES][5], wages);
    EXPECT_FLOAT_EQ(team.m_finance[FINANCE_GATE][6], 0.0f);
    team.m_finance[FINANCE_WAGES][9] = 100.0f;
    EXPECT_FLOAT_EQ(FinanceYearTotal(team, FINANCE_WAGES), wages + 100.0f);
}

TEST_F(ContractsTest, ANewContractCoversTheSeasonTheWindowTakesOff) {
    const struct {
        int m_season;
        int m_day;
        int m_hemisphere;
        int m_seasons;
    } cases[] = {
        {362, 20, HEMI_NORTH, 4},                            // before the northern window shuts on day 30
        {362, 30, HEMI_NORTH, 3}, {362, 20, HEMI_SOUTH, 3},  // the southern window is not this season's
        {363, 30, HEMI_SOUTH, 4},                            // it shuts on day 31
        {363, 31, HEMI_SOUTH, 3},
    };
    for (const auto& c : cases) {
        SetDay(c.m_season, c.m_day);
        EXPECT_EQ(NewContractSeasons(3, c.m_hemisphere), c.m_seasons) << c.m_season << " day " << c.m_day;
    }
}

}  // namespace ravel
