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

CCountryScreen& CountryPage() {
    return TheScreen<CCountryScreen>();
}

constexpr int NATION = 2;

class CountryPageTest : public TeamPageTest {
protected:
    void SetUp() override {
        TeamPageTest::SetUp();
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
    EXPECT_EQ(CountryPage().m_page, COUNTRY_PAGE_SQUAD);
    Frame();
    EXPECT_TRUE(Drawn("Allowed"));
    EXPECT_TRUE(Drawn("Home test"));
    EXPECT_TRUE(Drawn("14 (0 selected)"));
    EXPECT_TRUE(Drawn("14 players more to select"));
    Tap(CountryPage().m_btnAutoSquad);
    EXPECT_EQ(Nation().mv_testSquad.size(), 14u);
    EXPECT_EQ(CountryPage().mv_squad.size(), 14u);
    Frame();
    EXPECT_TRUE(Drawn("14 (14 selected)"));
    EXPECT_FALSE(Drawn("0 players more to select"));
    Shot("country_squad.png");
    Tap(CountryPage().m_btnClearSquad);
    EXPECT_TRUE(CountryPage().mv_squad.empty());
}

TEST_F(CountryPageTest, PoolSearchAndAddToSquad) {
    OpenCountry();
    Tap(CountryPage().m_btnPool);
    EXPECT_EQ(CountryPage().m_page, COUNTRY_PAGE_POOL);
    EXPECT_EQ(CountryPage().mv_pool.size(), static_cast<size_t>(SQUAD_SIZE));
    EXPECT_STREQ(CountryPage().m_comboSort->m_caption, "Name");
    EXPECT_TRUE(std::is_sorted(CountryPage().mv_pool.begin(), CountryPage().mv_pool.end(),
                               [](int32_t a, int32_t b) {
                                   return std::string(PlayerById(a)->m_surname) < PlayerById(b)->m_surname;
                               }))
        << "the pool in the order the drop-down names";
    EXPECT_FALSE(CountryPage().m_scroll->mb_disabled);  // 23 players: more than 18 rows
    EXPECT_EQ(CountryPage().m_scroll->m_max, SQUAD_SIZE - COUNTRY_LIST_ROWS);
    Tap(CountryPage().m_editSearch);
    m_system->HeadlessInput()->TypeText("name1");
    Idle();
    Tap(CountryPage().m_btnFind);
    Idle();
    EXPECT_EQ(CountryPage().mv_pool.size(), 10u);  // Surname10 to Surname19
    EXPECT_TRUE(CountryPage().m_scroll->mb_disabled);
    RightClickRow(0);
    ASSERT_EQ(CountryPage().m_menuSquad->m_menuState, MENU_OPEN);
    EXPECT_EQ(CountryPage().m_menuSquad->mv_items[SQUAD_MENU_REMOVE].mb_greyed, 1);
    const int32_t first = CountryPage().mv_pool[0];
    ChooseFromMenu(CountryPage().m_menuSquad, SQUAD_MENU_ADD);
    EXPECT_EQ(Nation().mv_testSquad, std::vector<int32_t>{first});
    Frame();
    EXPECT_TRUE(Drawn("14 (1 selected)"));
    Shot("country_pool.png");

    // Leave and come back: tab, view, sort, search text and ticks as they were.
    Tap(CountryPage().m_btnFilters);
    ASSERT_TRUE(CountryPage().m_dialog->mb_visible);
    CountryPage().m_ticks[0]->mb_ticked = 0;  // openers
    ClickAt(CountryPage().m_dialog->m_x + CountryPage().m_btnOk->m_x + 10,
            CountryPage().m_dialog->m_y + TITLE_HEIGHT + CountryPage().m_btnOk->m_y + 10);
    Idle();
    EXPECT_FALSE(CountryPage().m_dialog->mb_visible);
    Choose(CountryPage().m_comboView, 3);  // Bowling skills
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenCountry();
    EXPECT_EQ(CountryPage().m_page, COUNTRY_PAGE_POOL);
    EXPECT_EQ(CountryPage().m_view, VIEW_BOWL_SKILLS);
    EXPECT_STREQ(CountryPage().m_editSearch->m_caption, "name1");
    EXPECT_FALSE(CountryPage().m_ticks[0]->mb_ticked);
    EXPECT_EQ(CountryPage().mv_pool.size(), 10u);
}

TEST_F(CountryPageTest, TacticsAutoSelectionRolesAndTheNextMatch) {
    SelectTestSquadB(Nation(), 1);
    OpenCountry();
    Tap(CountryPage().m_btnTactics);
    EXPECT_EQ(CountryPage().m_page, COUNTRY_PAGE_TACTICS);
    Tap(CountryPage().m_btnAuto);
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
        for (int32_t id : CountryPage().mv_squad) {
            bool in = false;
            for (int i = 0; i < XI_PLAYERS; ++i) in = in || Nation().m_xi[i] == id;
            if (!in) return id;
        }
        return 0;
    }();
    ASSERT_GT(bench, 0);
    const auto it = std::find(CountryPage().mv_squad.begin(), CountryPage().mv_squad.end(), bench);
    RightClickRow(static_cast<int>(it - CountryPage().mv_squad.begin()));
    ASSERT_EQ(CountryPage().m_menuPosition->m_menuState, MENU_OPEN);
    // Slots are named by their player's surname.
    EXPECT_STREQ(CountryPage().m_menuPosition->mv_items[1 + 4].m_text,
                 PlayerById(Nation().m_xi[4])->m_surname);
    ChooseFromMenu(CountryPage().m_menuPosition, 1 + 4);  // the heading, then slot 4
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
    Tap(CountryPage().m_btnTactics);
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
    EXPECT_TRUE(CountryPage().m_btnAutoSquad->mb_disabled);
    EXPECT_TRUE(CountryPage().m_btnClearSquad->mb_disabled);
    Frame();
    EXPECT_TRUE(Drawn("Not allowed"));
    Tap(CountryPage().m_btnPool);
    RightClickRow(0);
    EXPECT_EQ(CountryPage().m_menuSquad->m_menuState, MENU_CLOSED);
    EXPECT_TRUE(Nation().mv_testSquad.empty());
}

TEST_F(CountryPageTest, AnotherCountryShowsItsSquadOnly) {
    OpenCountry();
    Tap(CountryPage().m_btnTactics);
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenCountry(3);
    EXPECT_EQ(CountryPage().m_page, COUNTRY_PAGE_SQUAD);  // the remembered Tactics is not its to show
    EXPECT_TRUE(CountryPage().m_btnPool->mb_disabled);
    EXPECT_TRUE(CountryPage().m_btnTactics->mb_disabled);
    EXPECT_TRUE(CountryPage().m_btnAutoSquad->mb_disabled);
    Tap(CountryPage().m_btnFixtures);
    Frame();
    EXPECT_TRUE(Drawn("No fixtures are available for this season."));
    Shot("country_fixtures_none.png");
}

TEST_F(CountryPageTest, TheDayMachinesRequestOpensTactics) {
    OpenCountry();
    m_game->ChangeScreen(SCREEN_NEWS);
    DayScreens().ShowSelection(NATION, false);
    m_game->ChangeScreen(SCREEN_COUNTRY);
    EXPECT_EQ(CountryPage().m_page, COUNTRY_PAGE_TACTICS);
    EXPECT_EQ(CountryPage().Side(), NATION);
}

}  // namespace
}  // namespace ravel
