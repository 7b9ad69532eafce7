// The country page over the team page's small world, whose 23 players are
// all of country 2: the national coach picks a squad and an eleven there.
#include <algorithm>
#include <cstdio>
#include <string>

#include "TeamFixture.h"
#include "screens/team/CountryScreen.h"
#include "season/Squads.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {
namespace {

using CC = CCountryScreen;

constexpr int NATION = 2;

class CountryPageTest : public TeamPageTest {
protected:
    void SetUp() override {
        TeamPageTest::SetUp();
        CC::s_page = COUNTRY_PAGE_SQUAD;
        CC::s_view = VIEW_BASIC;
        CC::s_battingSlot = 0;
        CC::s_pageRequested = false;
        Country& nation = *CountryById(NATION);
        nation.m_squadKind = nation.m_activeSquadKind = SQUAD_HOME_TEST;
        nation.m_coach = USER_COACH;
        nation.m_human = 1;
        StaffMemberById(USER_COACH)->m_nationalJob = NATION;
        g_userCoaches[0].m_staff.m_nationalJob = NATION;
    }
    void OpenCountry(int id = NATION) {
        m_game->OpenScreen(SCREEN_COUNTRY, {id});
        Idle(2);
    }
    static Country& Nation() { return *CountryById(NATION); }
    // A right press and release on a list row, as a player opens a menu.
    void RightClickRow(int row) { RightClickAt(400, COUNTRY_LIST_TOP + 20 * row + 8); }
};

TEST_F(CountryPageTest, AutoSquadFillsTheHomeTestSquadAndTheBlockCountsIt) {
    OpenCountry();
    EXPECT_EQ(CC::s_page, COUNTRY_PAGE_SQUAD);
    Frame();
    EXPECT_TRUE(Drawn("Allowed"));
    EXPECT_TRUE(Drawn("Home test"));
    EXPECT_TRUE(Drawn("14 (0 selected)"));
    EXPECT_TRUE(Drawn("14 players more to select"));
    Tap(CC::s_btnAutoSquad);
    EXPECT_EQ(Nation().mv_testSquad.size(), 14u);
    EXPECT_EQ(CC::sv_squad.size(), 14u);
    Frame();
    EXPECT_TRUE(Drawn("14 (14 selected)"));
    EXPECT_FALSE(Drawn("0 players more to select"));
    Shot("country_squad.png");
    Tap(CC::s_btnClearSquad);
    EXPECT_TRUE(CC::sv_squad.empty());
}

TEST_F(CountryPageTest, PoolSearchAndAddToSquad) {
    OpenCountry();
    Tap(CC::s_btnPool);
    EXPECT_EQ(CC::s_page, COUNTRY_PAGE_POOL);
    EXPECT_EQ(CC::sv_pool.size(), static_cast<size_t>(SQUAD_SIZE));
    EXPECT_STREQ(CC::s_comboSort->m_caption, "Name");
    EXPECT_TRUE(std::is_sorted(CC::sv_pool.begin(), CC::sv_pool.end(), [](int32_t a, int32_t b) {
        return std::string(PlayerById(a)->m_surname) < PlayerById(b)->m_surname;
    })) << "the pool in the order the drop-down names";
    EXPECT_FALSE(CC::s_scroll->mb_disabled);  // 23 players: more than 18 rows
    EXPECT_EQ(CC::s_scroll->m_max, SQUAD_SIZE - COUNTRY_LIST_ROWS);
    Tap(CC::s_editSearch);
    m_system->HeadlessInput()->TypeText("name1");
    Idle();
    Tap(CC::s_btnFind);
    Idle();
    EXPECT_EQ(CC::sv_pool.size(), 10u);  // Surname10 to Surname19
    EXPECT_TRUE(CC::s_scroll->mb_disabled);
    RightClickRow(0);
    ASSERT_EQ(CC::s_menuSquad->m_menuState, MENU_OPEN);
    EXPECT_EQ(CC::s_menuSquad->mv_items[SQUAD_MENU_REMOVE].mb_greyed, 1);
    const int32_t first = CC::sv_pool[0];
    ChooseFromMenu(CC::s_menuSquad, SQUAD_MENU_ADD);
    EXPECT_EQ(Nation().mv_testSquad, std::vector<int32_t>{first});
    Frame();
    EXPECT_TRUE(Drawn("14 (1 selected)"));
    Shot("country_pool.png");

    // Leave and come back: tab, view, sort, search text and ticks as they were.
    Tap(CC::s_btnFilters);
    ASSERT_TRUE(CC::s_dialog->mb_visible);
    CC::s_ticks[0]->mb_ticked = 0;  // openers
    ClickAt(CC::s_dialog->m_x + CC::s_btnOk->m_x + 10,
            CC::s_dialog->m_y + TITLE_HEIGHT + CC::s_btnOk->m_y + 10);
    Idle();
    EXPECT_FALSE(CC::s_dialog->mb_visible);
    Choose(CC::s_comboView, 3);  // Bowling skills
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenCountry();
    EXPECT_EQ(CC::s_page, COUNTRY_PAGE_POOL);
    EXPECT_EQ(CC::s_view, VIEW_BOWL_SKILLS);
    EXPECT_STREQ(CC::s_editSearch->m_caption, "name1");
    EXPECT_FALSE(CC::s_ticks[0]->mb_ticked);
    EXPECT_EQ(CC::sv_pool.size(), 10u);
}

TEST_F(CountryPageTest, TacticsAutoSelectionRolesAndTheNextMatch) {
    SelectTestSquadB(Nation(), 1);
    OpenCountry();
    Tap(CC::s_btnTactics);
    EXPECT_EQ(CC::s_page, COUNTRY_PAGE_TACTICS);
    Tap(CC::s_btnAuto);
    int filled = 0;
    for (int i = 0; i < XI_PLAYERS; ++i) filled += Nation().m_xi[i] > 0;
    EXPECT_EQ(filled, XI_PLAYERS);
    for (int role : {XI_KEEPER, XI_CAPTAIN, XI_OPEN_BOWLER1, XI_OPEN_BOWLER2})
        EXPECT_GT(Nation().m_xi[role], 0);
    Frame();
    EXPECT_TRUE(Drawn("Team Selection"));
    EXPECT_TRUE(Drawn("Next Match:"));
    Shot("country_tactics.png");

    // A squad row's right click offers the slots; the chosen one is replaced.
    const int32_t bench = [] {
        for (int32_t id : CC::sv_squad) {
            bool in = false;
            for (int i = 0; i < XI_PLAYERS; ++i) in = in || Nation().m_xi[i] == id;
            if (!in) return id;
        }
        return 0;
    }();
    ASSERT_GT(bench, 0);
    const auto it = std::find(CC::sv_squad.begin(), CC::sv_squad.end(), bench);
    RightClickRow(static_cast<int>(it - CC::sv_squad.begin()));
    ASSERT_EQ(CC::s_menuPosition->m_menuState, MENU_OPEN);
    // Slots are named by their player's surname.
    EXPECT_STREQ(CC::s_menuPosition->mv_items[1 + 4].m_text, PlayerById(Nation().m_xi[4])->m_surname);
    ChooseFromMenu(CC::s_menuPosition, 1 + 4);  // the heading, then slot 4
    EXPECT_EQ(Nation().m_xi[4], bench);
}

TEST_F(CountryPageTest, TheNextMatchComesFromTheToursItineraryBeforeItsFixturesExist) {
    SelectTestSquadB(Nation(), 1);
    g_world.mv_fixtures.clear();
    TourSeries series;
    series.m_id = 601;
    series.m_season = FIRST_SEASON;
    series.m_home = NATION;
    series.m_away = 1;
    series.m_startDayOfSeason = g_cricket.m_date.m_dayOfSeason + 10;
    g_world.mv_tourSeries.push_back(series);
    Tour tour;
    tour.m_id = 1;
    tour.m_state = TOUR_NOT_STARTED;
    tour.m_host = NATION;
    tour.m_visitor = 1;
    tour.m_season = FIRST_SEASON;
    tour.m_series = series.m_id;
    g_world.mv_tours.push_back(tour);
    OpenCountry();
    Tap(CC::s_btnTactics);
    Frame();
    EXPECT_FALSE(Drawn("No future matches"));
    const GameDate day = GameDate::FromSeasonDay(series.m_startDayOfSeason, FIRST_SEASON);
    char date[64];
    std::snprintf(date, sizeof date, "%d.%d.%d  (10 days away)", day.m_day, day.m_month, day.m_year);
    EXPECT_TRUE(Drawn(date));
    EXPECT_TRUE(Drawn(std::string(SideName(1)) + " (H), -")) << "no ground before the fixtures are made";
    EXPECT_TRUE(Drawn("Pitch report available on day of match"));
    EXPECT_TRUE(Drawn("Weather forecast available one week before match"));
}

TEST_F(CountryPageTest, ALockedKindRefusesEveryChange) {
    Nation().m_squadLock[0] = 1;
    OpenCountry();
    EXPECT_TRUE(CC::s_btnAutoSquad->mb_disabled);
    EXPECT_TRUE(CC::s_btnClearSquad->mb_disabled);
    Frame();
    EXPECT_TRUE(Drawn("Not allowed"));
    Tap(CC::s_btnPool);
    RightClickRow(0);
    EXPECT_EQ(CC::s_menuSquad->m_menuState, MENU_CLOSED);
    EXPECT_TRUE(Nation().mv_testSquad.empty());
}

TEST_F(CountryPageTest, AnotherCountryShowsItsSquadOnly) {
    OpenCountry();
    Tap(CC::s_btnTactics);
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenCountry(3);
    EXPECT_EQ(CC::s_page, COUNTRY_PAGE_SQUAD);  // the remembered Tactics is not its to show
    EXPECT_TRUE(CC::s_btnPool->mb_disabled);
    EXPECT_TRUE(CC::s_btnTactics->mb_disabled);
    EXPECT_TRUE(CC::s_btnAutoSquad->mb_disabled);
    Tap(CC::s_btnFixtures);
    Frame();
    EXPECT_TRUE(Drawn("No fixtures are available for this season."));
}

TEST_F(CountryPageTest, TheDayMachinesRequestOpensTactics) {
    OpenCountry();
    m_game->ChangeScreen(SCREEN_NEWS);
    DayScreens().ShowSelection(NATION, false);
    m_game->ChangeScreen(SCREEN_COUNTRY);
    EXPECT_EQ(CC::s_page, COUNTRY_PAGE_TACTICS);
    EXPECT_EQ(CC::s_country, NATION);
}

}  // namespace
}  // namespace ravel
