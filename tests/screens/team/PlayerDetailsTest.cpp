// Player details and contract talks over the team page's small world: what
// the tabs draw, what the Actions menu offers and does, and the offer that
// contract talks store.
#include "TeamFixture.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/ContractScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Contracts.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/ScrollBar.h"
#include "world/Random.h"

namespace ravel {
namespace {

using PD = CPlayerDetailsScreen;

constexpr uint32_t WHITE = 0xffffffffu;
constexpr uint32_t YELLOW = 0xffffff00u;
constexpr uint32_t GREEN = 0xff00c800u;

class PlayerDetailsTest : public TeamPageTest {
protected:
    static CContractScreen& Talks() { return TheScreen<CContractScreen>(); }
    void SetUp() override {
        TeamPageTest::SetUp();
        SeedRand(7);
        g_contractOffers.clear();
        PD::s_lastApproach = SIGN_OK;
    }
    void OpenPlayer(int id) {
        m_game->OpenScreen(SCREEN_PLAYER, {id});
        Idle(2);
    }
    std::vector<std::string> MenuItems() const {
        std::vector<std::string> items;
        for (const ListItem& item : PD::s_menuActions->mv_items) items.push_back(item.m_text);
        return items;
    }
    // Opens the Actions menu and picks the item with that text.
    void Act(const std::string& text) {
        Tap(PD::s_btnActions);
        Idle();
        const auto& items = PD::s_menuActions->mv_items;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].m_text == text) return ChooseFromMenu(PD::s_menuActions, static_cast<int>(i));
        ADD_FAILURE() << "no item " << text;
    }
    // A player of the other club, out of contract after this season.
    int OtherClubsPlayer() {
        const int id = AddSquadPlayer(30);
        Player& p = *PlayerById(id);
        p.m_northClub = CLUB_B;
        p.m_northSeasons = 1;
        TeamById(CLUB_B)->m_squad[0] = id;
        return id;
    }
    std::string LastMessage() const {
        const auto& queue = CMessageBox::s_messageQueue;
        return queue.empty() ? std::string() : std::string(queue.back().text);
    }
};

TEST_F(PlayerDetailsTest, DetailsTabNamesHimHisClubsAndAFreeAgent) {
    Player& p = SquadPlayer(3);
    p.m_southClub = CLUB_B;
    OpenPlayer(p.m_id);
    EXPECT_EQ(PD::s_tab, DETAILS_TAB);
    Frame();
    EXPECT_TRUE(Drawn("First3 Surname03"));
    EXPECT_TRUE(Drawn("Northfield & Saltmarsh"));
    EXPECT_TRUE(Drawn("95 per cent fit"));
    EXPECT_TRUE(Drawn("Not on international duty"));
    EXPECT_FALSE(PD::s_spotNorth->mb_disabled);
    EXPECT_TRUE(PD::s_spotCountry2->mb_disabled);  // no second nationality
    Shot("details_details.png");

    Tap(PD::s_spotSouth);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(SubjectOf(SCREEN_TEAM).m_id, CLUB_B);

    const int free = AddSquadPlayer(31);
    PlayerById(free)->m_northClub = 0;
    OpenPlayer(free);
    Frame();
    EXPECT_TRUE(Drawn("Free agent"));
}

TEST_F(PlayerDetailsTest, CareerAndCurrentTablesMarkMissingAveragesWithADash) {
    Player& p = SquadPlayer(10);
    PlayerStats& career = p.m_stats[STATS_CAREER_FC];
    career.m_matches = 3;
    career.m_balls = 24;
    career.m_runsConceded = 30;
    PlayerStats& season = p.m_stats[STATS_SEASON_FC];
    season.m_matches = season.m_innings = 2;
    season.m_runs = 50;
    season.m_notOuts = 1;
    OpenPlayer(p.m_id);
    Tap(PD::s_tabs[2]);
    EXPECT_EQ(PD::s_tab, CAREER_TAB);
    Frame();
    // No completed innings and no wicket: dashes; economy needs only balls.
    EXPECT_EQ(TextAt(730, 200)->text, "-");
    EXPECT_EQ(TextAt(605, 250)->text, "-");
    EXPECT_EQ(TextAt(880, 250)->text, "-");
    EXPECT_EQ(TextAt(930, 250)->text, "7.50");
    EXPECT_EQ(TextAt(430, 250)->text, "4.0");
    Shot("details_career.png");
    Tap(PD::s_tabs[3]);
    Frame();
    EXPECT_EQ(TextAt(730, 200)->text, "50.00");
    EXPECT_EQ(TextAt(730, 200)->colour, YELLOW);
    Shot("details_current.png");
}

TEST_F(PlayerDetailsTest, HistoryShowsTwentyOneRowsAndScrollsTheRest) {
    OpenPlayer(SquadPlayer(4).m_id);
    PD::sv_history.clear();
    for (int season = 0; season < 23; ++season) {
        PlayerStats s;
        s.m_kind = KIND_FIRST_CLASS;
        s.m_season = 340 + season;
        PD::sv_history.push_back(s);
    }
    PlayerStats test;
    test.m_kind = KIND_TEST;
    PD::sv_history.push_back(test);
    Tap(PD::s_tabs[5]);
    EXPECT_EQ(PD::s_tab, HISTORY_TAB);
    EXPECT_EQ(PD::sv_filtered.size(), 23u);
    EXPECT_TRUE(PD::s_scroll->mb_visible);
    EXPECT_EQ(PD::s_scroll->m_max, 2);
    Frame();
    EXPECT_TRUE(Drawn("Player History - First Class Batting Statistics by Season"));
    EXPECT_TRUE(Drawn("Career"));
    Shot("details_history.png");
    Choose(PD::s_comboHistory, 5);  // Test Match Bowling
    EXPECT_EQ(PD::s_historyView, HISTORY_FIRST_VIEW + 5);
    EXPECT_EQ(PD::sv_filtered.size(), 1u);
    EXPECT_FALSE(PD::s_scroll->mb_visible);
    EXPECT_STREQ(PD::s_comboHistory->m_caption, "Test Match Bowling");
}

TEST_F(PlayerDetailsTest, ActionsFollowWhoseHeIsAndWhatTheUserCoaches) {
    const int own = SquadPlayer(5).m_id;
    OpenPlayer(own);
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"Release from contract", "Offer new contract"}));
    const int other = OtherClubsPlayer();
    OpenPlayer(other);
    EXPECT_EQ(MenuItems(), (std::vector<std::string>{"Approach to sign"}));
    SquadPlayer(6).m_transferArranged = 1;
    OpenPlayer(SquadPlayer(6).m_id);
    EXPECT_TRUE(MenuItems().empty());
    EXPECT_TRUE(PD::s_btnActions->mb_disabled);
}

TEST_F(PlayerDetailsTest, NationalCoachAddsAndRemovesHimUnlessTheSquadIsLocked) {
    Country& country = *CountryById(2);
    StaffMemberById(USER_COACH)->m_nationalJob = 2;
    g_userCoaches[0].m_staff.m_nationalJob = 2;
    country.m_activeSquadKind = SQUAD_HOME_TEST;
    const int id = SquadPlayer(7).m_id;
    OpenPlayer(id);
    ASSERT_EQ(MenuItems().size(), 4u);
    EXPECT_EQ(PD::s_menuActions->mv_items[2].mb_greyed, 0);  // add
    EXPECT_EQ(PD::s_menuActions->mv_items[3].mb_greyed, 1);  // remove
    Act("Add to squad");
    EXPECT_EQ(country.mv_testSquad.size(), 1u);
    EXPECT_EQ(PD::s_menuActions->mv_items[2].mb_greyed, 1);
    EXPECT_EQ(PD::s_menuActions->mv_items[3].mb_greyed, 0);
    Act("Remove from squad");
    EXPECT_TRUE(country.mv_testSquad.empty() || country.mv_testSquad[0] <= 0);

    country.m_squadLock[0] = 1;
    OpenPlayer(id);
    EXPECT_EQ(MenuItems().size(), 2u);  // the club's items only
}

TEST_F(PlayerDetailsTest, ApproachMessagesByRefusal) {
    Player& p = SquadPlayer(8);
    p.m_northSeasons = 3;
    TeamById(CLUB_A)->m_name[0] = 'N';
    Country& home = *CountryById(2);
    home.m_overseasLimit = 2;
    g_cricket.m_date = GameDate::FromSeasonDay(20, FIRST_SEASON);  // even season, day 20
    const struct {
        int result;
        const char* text;
    } cases[] = {
        {SIGN_RETIRING,
         "First8 Surname08's agent says his client is retiring at the end of the year. Therefore he "
         "isn't interested in a move"},
        {SIGN_OVERSEAS_FULL,
         "The chairman has stopped your approach for First8 Surname08. He says you already have "
         "the maximum of 2 foreign players."},
        {SIGN_ARRANGED,
         "First8 Surname08's agent says his client has already got a transfer to another club arranged"},
        {SIGN_WINDOW,
         "You cannot sign a player from another team outside of the transfer window. The transfer "
         "window is open between April 14th and May 1st."},
        {SIGN_NORTH_CONTRACT,
         "First8 Surname08 still has more than 2 years of his contract with Northfield to run"},
        {SIGN_OUT_OF_SEASON,
         "Your assistant says that you need to wait until next October to pursue this transfer"},
        {SIGN_OK, ""},
        {SIGN_NOT_ELIGIBLE, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(PD::ApproachMessage(p, c.result), c.text);
    }
    p.m_northSeasons = 2;
    EXPECT_EQ(PD::ApproachMessage(p, SIGN_NORTH_CONTRACT),
              "First8 Surname08 still has more than a year of his contract with Northfield to run");
    g_cricket.m_date = GameDate::FromSeasonDay(40, FIRST_SEASON);
    EXPECT_EQ(PD::ApproachMessage(p, SIGN_NORTH_CONTRACT),
              "First8 Surname08 still has more than 1 years of his contract with Northfield to run");
    g_cricket.m_date = GameDate::FromSeasonDay(20, FIRST_SEASON + 1);
    EXPECT_EQ(
        PD::ApproachMessage(p, SIGN_WINDOW),
        "You cannot sign a player from another team outside of the transfer window. The transfer window is "
        "open between October 14th and November 1st.");
}

TEST_F(PlayerDetailsTest, ApproachOutsideTheWindowShowsItsMessageAndTheContractTabKeepsTheResult) {
    g_cricket.m_date = GameDate::FromSeasonDay(40, FIRST_SEASON);
    const int other = OtherClubsPlayer();
    OpenPlayer(other);
    Act("Approach to sign");
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
    EXPECT_EQ(PD::s_lastApproach, SIGN_WINDOW);
    EXPECT_EQ(LastMessage(), PD::ApproachMessage(*PlayerById(other), SIGN_WINDOW));
    Idle(2);
    CloseMessageBox(false);
    Idle(2);
    Tap(PD::s_tabs[4]);
    Frame();
    EXPECT_TRUE(Drawn("Northern Hemisphere contract"));
    EXPECT_TRUE(Drawn("Transfer system explanation"));
    Shot("details_contract.png");
}

TEST_F(PlayerDetailsTest, ClubsApproachingAPlayerWhoseContractRunsOutAreListedBelowTheNote) {
    struct Case {
        const char* name;
        bool north;
        int season;  // the hemisphere's own season
        int valueX;
        int noteX;
    } const cases[] = {
        {"northern", true, FIRST_SEASON, 373, 223},
        {"southern", false, FIRST_SEASON + 1, 781, 631},
    };
    // The note's box, as the tab lays it out: 350 wide, 300 to 400. The
    // clubs' lines, or the southern panel's wrapped text, start below it.
    constexpr int NOTE_WIDTH = 350, NOTE_TOP = 300, NOTE_BOTTOM = 400;
    AddClub(1303, "Ashby");
    AddClub(1304, "Barrow");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_cricket.m_date = GameDate::FromSeasonDay(10, c.season);
        Player& p = SquadPlayer(14);
        p.m_northClub = c.north ? CLUB_B : 0;
        p.m_southClub = c.north ? 0 : CLUB_B;
        p.m_northSeasons = p.m_southSeasons = 1;
        g_contractOffers.clear();
        for (int club : {CLUB_A, 1303, 1304}) {
            ContractOffer o;
            o.m_player = p.m_id;
            o.m_team = club;
            o.m_state = OFFER_MADE;
            g_contractOffers.push_back(o);
        }
        OpenPlayer(p.m_id);
        Tap(PD::s_tabs[4]);
        Frame();
        Shot(std::string("details_contract_approached_") + c.name + ".png");
        const DrawnText* note = nullptr;
        for (const DrawnText& t : Texts())
            if (t.text.rfind("Contract is due to run out soon", 0) == 0) note = &t;
        ASSERT_TRUE(note);
        EXPECT_EQ(note->x, c.noteX);
        EXPECT_EQ(note->y, NOTE_TOP);
        int clubsTexts = 0;
        for (const DrawnText& t : Texts()) {
            const bool club = t.text.find("Northfield") != std::string::npos ||
                              t.text.find("Ashby") != std::string::npos ||
                              t.text.find("Barrow") != std::string::npos;
            if (!club || t.x < note->x || t.x >= note->x + NOTE_WIDTH) continue;
            ++clubsTexts;
            EXPECT_EQ(t.x, c.valueX) << t.text;
            EXPECT_GE(t.y, NOTE_BOTTOM) << t.text;
        }
        EXPECT_EQ(clubsTexts, c.north ? 3 : 1) << "one line per club in the north, one text in the south";
        if (!c.north) {
            EXPECT_TRUE(Drawn("Northfield, Ashby, Barrow"));
        }
    }
}

TEST_F(PlayerDetailsTest, ReleaseGivesTheChairmansAnswer) {
    OpenPlayer(SquadPlayer(20).m_id);
    Act("Release from contract");
    const std::string message = LastMessage();
    EXPECT_TRUE(message == "Player has been released from contract" ||
                message.rfind("The chairman has intervened", 0) == 0)
        << message;
}

TEST_F(PlayerDetailsTest, ContractTalksLimitTermsColourThemAndStoreOneOffer) {
    const int id = SquadPlayer(12).m_id;
    OpenPlayer(id);
    Act("Offer new contract");
    ASSERT_EQ(m_game->m_screenId, SCREEN_CONTRACT);
    EXPECT_EQ(Talks().Offer().m_offerWage, Talks().Offer().m_demandWage);
    EXPECT_EQ(Talks().Offer().m_renewal, 1);
    Frame();
    EXPECT_EQ(TextAt(790, 190)->colour, WHITE);
    EXPECT_EQ(TextAt(790, 230)->colour, WHITE);
    Shot("contract_white.png");

    Tap(Talks().m_btnWageUp);
    Frame();
    EXPECT_EQ(TextAt(790, 190)->colour, YELLOW);
    Shot("contract_yellow.png");
    for (int i = 0; i < 12; ++i) Tap(Talks().m_btnLengthUp);
    EXPECT_EQ(Talks().Offer().m_offerLength, LONGEST_CONTRACT);
    for (int i = 0; i < 12; ++i) Tap(Talks().m_btnLengthDown);
    EXPECT_EQ(Talks().Offer().m_offerLength, 1);
    Tap(Talks().m_btnWageDown);
    Tap(Talks().m_btnWageDown);
    Frame();
    EXPECT_EQ(TextAt(790, 190)->colour, GREEN);
    Shot("contract_green.png");

    // Past the allowance the offer cannot be put; back within it, it can.
    const int allowance = Talks().Allowance();
    ASSERT_GE(allowance, 1);
    Talks().Offer().m_offerWage = allowance;
    Tap(Talks().m_btnWageUp);
    EXPECT_TRUE(Talks().m_btnOffer->mb_disabled);
    Tap(Talks().m_btnWageDown);
    EXPECT_FALSE(Talks().m_btnOffer->mb_disabled);
    Tap(Talks().m_btnOffer);
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
    EXPECT_EQ(PD::s_player, id);
    ASSERT_EQ(g_contractOffers.size(), 1u);
    EXPECT_EQ(g_contractOffers[0].m_renewal, 1);
    EXPECT_EQ(g_contractOffers[0].m_state, OFFER_MADE);
    EXPECT_EQ(g_contractOffers[0].m_offerWage, allowance);
    const auto& inbox = g_userCoaches[0].mv_inbox;
    ASSERT_FALSE(inbox.empty());
    EXPECT_EQ(inbox.back().m_code, NEWS_CONTRACT_OFFER);

    // A second offer takes the place of the first.
    Act("Offer new contract");
    EXPECT_EQ(Talks().Offer().m_offerWage, allowance);  // the open offer is resumed
    Tap(Talks().m_btnWageDown);
    Tap(Talks().m_btnOffer);
    ASSERT_EQ(g_contractOffers.size(), 1u);
    EXPECT_EQ(g_contractOffers[0].m_offerWage, allowance - WAGE_STEP);
}

TEST_F(PlayerDetailsTest, NoMoneyLeftKeepsTheOfferButtonDisabledAndWageNeverBelowNought) {
    TeamById(CLUB_A)->m_salaryBudget = 0;
    const int id = SquadPlayer(13).m_id;
    OpenContractScreen(id, CLUB_A, ContractOffer{});
    Idle(2);
    EXPECT_EQ(Talks().Allowance(), 0);
    EXPECT_TRUE(Talks().m_btnOffer->mb_disabled);
    Frame();
    EXPECT_TRUE(
        Drawn("The board of directors regret to inform you that you have no money left in next seasons "
              "budget. You have "
              "no option but to break off negotiations."));
    Shot("contract_refused.png");
    Talks().Offer().m_offerWage = 400;
    Tap(Talks().m_btnWageDown);
    EXPECT_EQ(Talks().Offer().m_offerWage, 0);
    EXPECT_TRUE(Talks().m_btnOffer->mb_disabled);
    Tap(Talks().m_btnCancel);
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
    EXPECT_TRUE(g_contractOffers.empty());
}

}  // namespace
}  // namespace ravel
