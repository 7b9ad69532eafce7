// The club team page on a small world: what each tab draws, and what the
// coach does there with the mouse.
#include "TeamFixture.h"
#include "match/Conditions.h"
#include "screens/team/SquadRows.h"
#include "season/PlayerIcons.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"

namespace ravel {
namespace {

constexpr uint32_t GREEN = 0xff00c800u;
constexpr uint32_t OLIVE = 0xffc3c314u;
constexpr uint32_t CYAN = 0xff97f9f9u;
constexpr uint32_t WHITE = 0xffffffffu;
constexpr uint32_t YELLOW = 0xffffff00u;
constexpr uint32_t ORANGE = 0xfff05a00u;
constexpr uint32_t GREY = 0xffc8c8c8u;

// Squad rows start 20 below the list top; a name sits 3 below its row.
int RowY(int row) {
    return TEAM_LIST_TOP + TEAM_ROW_HEIGHT * (row + 1);
}

TEST_F(TeamPageTest, SquadBasicNamesTheirColoursAndContractMarks) {
    PickEleven();
    SquadPlayer(2).m_injured = 1;        // in the eleven, injured: olive, not green
    SquadPlayer(12).m_unavailable = 1;   // away for other reasons
    SquadPlayer(14).m_northSeasons = 1;  // contract ends this season
    SquadPlayer(15).m_leaving = 1;
    OpenPage();
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_SQUAD);
    EXPECT_EQ(TeamPage().m_view, VIEW_BASIC);
    EXPECT_STREQ(TeamPage().m_comboView->m_caption, "Basic");
    Frame();
    const struct {
        int squad;
        const char* name;
        uint32_t colour;
    } rows[] = {
        {0, "Surname00, First0", GREEN},         {2, "Surname02, First2", OLIVE},
        {12, "Surname12, First12", CYAN},        {13, "Surname13, First13", WHITE},
        {14, "Surname14, First14 (Con)", WHITE}, {15, "Surname15, First15 (Tra)", WHITE},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const DrawnText* t = FindText(r.name);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->x, 260);
        EXPECT_EQ(t->y, RowY(r.squad) + 3);
        EXPECT_EQ(t->colour, r.colour);
    }
    EXPECT_TRUE(Drawn("(Con) - Contract ends this month"));
    const DrawnText* word = TextAt(480, RowY(1) + 3);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->text, SquadPlayer(1).BattingRatingWord());
    EXPECT_EQ(word->colour, SquadPlayer(1).BattingRatingColour());
    EXPECT_EQ(TextAt(590, RowY(0) + 3)->text, "OP");
    EXPECT_EQ(TextAt(800, RowY(0) + 3)->text, "WK");
    Shot("team_squad_basic.png");

    // From day 30 of the season neither the marks nor their legend.
    m_game->ChangeScreen(SCREEN_NEWS);
    g_cricket.m_date = GameDate::FromSeasonDay(30, FIRST_SEASON);
    OpenPage();
    Frame();
    EXPECT_TRUE(Drawn("Surname14, First14"));
    EXPECT_FALSE(Drawn("(Con) - Contract ends this month"));
    EXPECT_FALSE(Drawn("Surname15, First15 (Tra)"));
}

TEST_F(TeamPageTest, BowlingStatisticsViewAndItsAverageSort) {
    // Season first-class figures: two wicket takers and the rest without.
    PlayerStats& a = SquadPlayer(10).m_stats[STATS_SEASON_FC];
    a.m_balls = 300;
    a.m_maidens = 12;
    a.m_runsConceded = 150;
    a.m_wickets = 10;
    a.m_bestInnsWickets = 6;
    a.m_bestInnsRuns = 40;
    PlayerStats& b = SquadPlayer(11).m_stats[STATS_SEASON_FC];
    b.m_balls = 100;
    b.m_runsConceded = 40;
    b.m_wickets = 4;
    b.m_bestInnsWickets = 3;
    b.m_bestInnsRuns = 20;
    SquadPlayer(12).m_stats[STATS_SEASON_FC].m_balls = 60;  // bowled, no wicket
    SquadPlayer(12).m_stats[STATS_SEASON_FC].m_runsConceded = 45;
    OpenPage();
    Choose(TeamPage().m_comboView, 17);  // Season Bowling First Class
    EXPECT_EQ(TeamPage().m_view, 5014);
    EXPECT_STREQ(TeamPage().m_comboView->m_caption, "Season Bowling First Class");
    EXPECT_STREQ(TeamPage().m_comboSort->m_caption, "Name") << "a new view does not re-sort";
    Choose(TeamPage().m_comboSort, 5);  // Average
    EXPECT_STREQ(TeamPage().m_comboSort->m_caption, "Average");
    ASSERT_GE(TeamPage().mv_squad.size(), 3u);
    EXPECT_EQ(TeamPage().mv_squad[0], SquadPlayer(11).m_id) << "10.00 before 15.00";
    EXPECT_EQ(TeamPage().mv_squad[1], SquadPlayer(10).m_id);
    Frame();
    // Row 2 is a bowler without a wicket: dashes for average, best and strike
    // rate, but an economy from his balls.
    const std::vector<std::string> noWicket = RowTexts(RowY(2) + 3);
    ASSERT_EQ(noWicket.size(), 11u);  // name, overs, maidens, runs, wickets, ave, bb, two hauls, sr, eco
    EXPECT_EQ(noWicket[4], "0");
    EXPECT_EQ(noWicket[5], "-");
    EXPECT_EQ(noWicket[6], "-");
    EXPECT_EQ(noWicket[9], "-");
    const std::vector<std::string> best = RowTexts(RowY(1) + 3);
    ASSERT_EQ(best.size(), 11u);
    EXPECT_EQ(best[1], "50.0") << "overs";
    EXPECT_EQ(best[2], "12") << "the season's maidens";
    EXPECT_EQ(best[5], "15.00");
    EXPECT_EQ(best[6], "6-40");
    EXPECT_EQ(best[10], "3.00");
    EXPECT_EQ(FindText("15.00")->colour, YELLOW);
    EXPECT_TRUE(Drawn("M")) << "the maidens heading of a season view";
    Shot("team_squad_bowling.png");
}

TEST_F(TeamPageTest, ScrollBarOnlyForMoreThanTwentyTwo) {
    OpenPage();
    EXPECT_TRUE(TeamPage().m_scroll->mb_visible);
    EXPECT_EQ(TeamPage().m_scroll->m_max, 1) << "23 players, 22 rows";
    m_game->ChangeScreen(SCREEN_NEWS);
    TeamById(CLUB_A)->m_squad[22] = 0;
    OpenPage();
    EXPECT_FALSE(TeamPage().m_scroll->mb_visible);
    int shown = 0;
    for (const CHotSpot* row : TeamPage().m_rows) shown += row->mb_visible && !row->mb_disabled;
    EXPECT_EQ(shown, 22);
}

TEST_F(TeamPageTest, TacticsPlacesPlayersAndRoles) {
    PickEleven();
    OpenPage();
    Tap(TeamPage().m_btnTactics);
    ASSERT_EQ(TeamPage().m_page, TEAM_PAGE_TACTICS);
    EXPECT_TRUE(TeamPage().m_btnAuto->mb_visible);
    EXPECT_FALSE(TeamPage().m_comboView->mb_visible);
    Frame();
    const DrawnText* one = FindText("1");
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->x, 588);
    EXPECT_TRUE(Drawn("C"));
    EXPECT_TRUE(Drawn("WK"));
    EXPECT_TRUE(Drawn("OB1"));
    EXPECT_TRUE(Drawn("OB2"));
    EXPECT_TRUE(Drawn("Next Match:"));
    EXPECT_TRUE(Drawn("No future matches"));

    // Squad row 11 (outside the eleven) replaces slot 1, the captain.
    const int32_t newcomer = TeamPage().mv_squad[11];
    RightClickAt(300, RowY(11) + 10);
    ASSERT_EQ(TeamPage().m_menuPosition->m_menuState, MENU_OPEN);
    EXPECT_STREQ(TeamPage().m_menuPosition->mv_items[0].m_text,
                 ("Select who " + std::string(PlayerById(newcomer)->m_surname) + " is to replace").c_str());
    ASSERT_EQ(TeamPage().m_menuPosition->ItemCount(), 13);
    const Player& holder = *PlayerById(TeamById(CLUB_A)->m_xi[1]);
    EXPECT_EQ(std::string(TeamPage().m_menuPosition->mv_items[2].m_text),
              std::string(holder.m_initials) + " " + holder.m_surname);
    ChooseFromMenu(TeamPage().m_menuPosition, 2);  // the slot of squad player 1
    const Team& club = *TeamById(CLUB_A);
    EXPECT_EQ(club.m_xi[1], newcomer);
    EXPECT_EQ(club.m_xi[XI_CAPTAIN], newcomer) << "the captaincy passes to him";

    // Right click on slot 9 of the panel: the opening bowler cannot keep.
    RightClickAt(700, ELEVEN_PANEL_TOP + ELEVEN_SLOT_HEIGHT * 9 + 10);
    ASSERT_EQ(TeamPage().m_menuRole->m_menuState, MENU_OPEN);
    EXPECT_EQ(TeamPage().m_menuRole->mv_items[1].mb_greyed, 1);
    ChooseFromMenu(TeamPage().m_menuRole, 0);
    EXPECT_EQ(club.m_xi[XI_CAPTAIN], club.m_xi[9]);

    // Up from the top and Down from the bottom change nothing.
    const int32_t top = club.m_xi[0];
    ClickAt(700, ELEVEN_PANEL_TOP + 10);
    EXPECT_EQ(TeamPage().m_kept.battingSlot, 0);
    Tap(TeamPage().m_btnUp);
    EXPECT_EQ(club.m_xi[0], top);
    Tap(TeamPage().m_btnDown);
    EXPECT_EQ(club.m_xi[1], top);
    EXPECT_EQ(TeamPage().m_kept.battingSlot, 1);
    ClickAt(700, ELEVEN_PANEL_TOP + ELEVEN_SLOT_HEIGHT * 10 + 10);
    const int32_t last = club.m_xi[10];
    Tap(TeamPage().m_btnDown);
    EXPECT_EQ(club.m_xi[10], last);
    Shot("team_tactics.png");
}

TEST_F(TeamPageTest, AutoSelectionFillsTheElevenAndItsRoles) {
    OpenPage();
    Tap(TeamPage().m_btnTactics);
    Frame();
    const DrawnText* numbers = FindText("1");
    EXPECT_EQ(numbers, nullptr) << "an empty eleven draws no slot numbers";
    Tap(TeamPage().m_btnAuto);
    const Team& club = *TeamById(CLUB_A);
    EXPECT_TRUE(XiComplete(club.m_xi, true));
    for (int r = XI_KEEPER; r < XI_SIZE; ++r) EXPECT_GT(club.m_xi[r], 0) << r;

    // With too few fit players the assistant says so and keeps the eleven.
    for (int i = 0; i < SQUAD_SIZE; ++i) SquadPlayer(i).m_injured = i >= 5;
    int32_t before[XI_SIZE];
    std::copy(std::begin(club.m_xi), std::end(club.m_xi), before);
    Tap(TeamPage().m_btnAuto);
    EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(club.m_xi)));
    Idle(2);
    EXPECT_TRUE(MessageBoxOpen());
}

TEST_F(TeamPageTest, EmptySlotIsARedBarWithoutNumberOrName) {
    PickEleven();
    TeamById(CLUB_A)->m_xi[4] = -1;
    OpenPage();
    Tap(TeamPage().m_btnTactics);
    Frame();
    EXPECT_FALSE(Drawn("5")) << "slot 5 is empty";
    EXPECT_TRUE(Drawn("6"));
    EXPECT_GT(CountNear(600, 202 + 25 * 4 + 2, 900, 202 + 25 * 4 + 20, 0xffa00000u), 1000);
    // The position pop-up offers the empty place, and filling it hands over no role.
    RightClickAt(300, RowY(11) + 10);
    ASSERT_EQ(TeamPage().m_menuPosition->m_menuState, MENU_OPEN);
    EXPECT_STREQ(TeamPage().m_menuPosition->mv_items[5].m_text, "5: empty place");
    ChooseFromMenu(TeamPage().m_menuPosition, 5);
    const Team& club = *TeamById(CLUB_A);
    EXPECT_EQ(club.m_xi[4], TeamPage().mv_squad[11]);
    EXPECT_NE(club.m_xi[XI_CAPTAIN], TeamPage().mv_squad[11]);
}

struct PanelCase {
    int daysAway;
    const char* dateLine;  // nullptr: none
    bool pitch;
    bool forecast;
};

TEST_F(TeamPageTest, NextMatchPanelByDaysAway) {
    const PanelCase cases[] = {
        {0, "%d.%d.%d  (today)", true, true},
        {1, "%d.%d.%d  (tomorrow)", false, true},
        {6, "%d.%d.%d  (6 days away)", false, true},
        {7, "%d.%d.%d  (7 days away)", false, false},
    };
    for (const PanelCase& c : cases) {
        SCOPED_TRACE(c.daysAway);
        g_world.mv_fixtures.clear();
        const Fixture& f =
            AddFixture(CLUB_B, CLUB_A, g_cricket.m_date.m_dayOfSeason + c.daysAway, FIRST_SEASON);
        PickEleven();
        OpenPage();
        Tap(TeamPage().m_btnTactics);
        Frame();
        char date[64];
        std::snprintf(date, sizeof date, c.dateLine, f.m_date.m_day, f.m_date.m_month, f.m_date.m_year);
        const DrawnText* line = FindText(date);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->x, 700);
        EXPECT_EQ(line->colour, YELLOW);
        EXPECT_TRUE(Drawn("CL")) << "the league's label";
        EXPECT_TRUE(Drawn("Saltmarsh (A), Mill Lane"));
        EXPECT_EQ(Drawn("Pitch report available on day of match"), !c.pitch);
        EXPECT_EQ(Drawn("Weather forecast available one week before match"), !c.forecast);
        if (c.pitch) {
            EXPECT_TRUE(Drawn(PitchBounceText(6.0f)));
        }
        m_game->ChangeScreen(SCREEN_NEWS);
    }
}

TEST_F(TeamPageTest, FixturesNewestSeasonFirstAndRowsLeadOn) {
    AddFixture(CLUB_A, CLUB_B, 20, 362);                 // home, to come
    AddFixture(CLUB_B, CLUB_A, 5, 362, FIXTURE_PLAYED);  // played away
    AddFixture(CLUB_A, CLUB_B, 40, 360);                 // before the game's first season
    AddFixture(CLUB_B, CLUB_A, 50, 364);
    g_cricket.m_date = GameDate::FromSeasonDay(10, 364);  // two seasons on
    OpenPage();
    Tap(TeamPage().m_btnFixtures);
    ASSERT_EQ(TeamPage().m_page, TEAM_PAGE_FIXTURES);
    ASSERT_EQ(TeamPage().m_comboSeason->ItemCount(), 2);
    EXPECT_STREQ(TeamPage().m_comboSeason->mv_items[0].m_text, "2007");
    EXPECT_STREQ(TeamPage().m_comboSeason->mv_items[1].m_text, "2006");
    EXPECT_STREQ(TeamPage().m_comboSeason->m_caption, "2007");
    Choose(TeamPage().m_comboSeason, 1);
    EXPECT_STREQ(TeamPage().m_comboSeason->m_caption, "2006");
    ASSERT_EQ(TeamPage().mv_fixtures.size(), 2u);
    Frame();
    const DrawnText* played = TextAt(340, TEAM_FIXTURE_TOP + 3);
    ASSERT_NE(played, nullptr);
    EXPECT_EQ(played->text, "Saltmarsh");
    EXPECT_EQ(played->colour, GREY);
    EXPECT_EQ(TextAt(340, TEAM_FIXTURE_TOP + 23)->colour, YELLOW) << "a home fixture to come";
    Shot("team_fixtures.png");
    // A league fixture to come opens the competition.
    Tap(TeamPage().m_rows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(SubjectOf(SCREEN_COMPETITION).m_id, LEAGUE);
}

TEST_F(TeamPageTest, TestAndOneDayRowsLeadNowhere) {
    Fixture& test = AddFixture(CLUB_A, CLUB_B, 20, FIRST_SEASON);
    test.m_competition = COMP_TEST_CHAMPIONSHIP;
    OpenPage();
    Tap(TeamPage().m_btnFixtures);
    Tap(TeamPage().m_rows[0]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
}

TEST_F(TeamPageTest, FinancesBalanceAndBudget) {
    Team& club = *TeamById(CLUB_A);
    const int month = g_cricket.m_date.m_month;
    club.m_finance[FINANCE_GATE][month] = 1200.0f;
    club.m_finance[FINANCE_GATE][month == 1 ? 2 : 1] = 800.0f;
    club.m_money = 0.0f;
    OpenPage();
    club.m_salaryBudget = TeamPage().m_wageBill;  // exactly on budget
    Tap(TeamPage().m_btnFinances);
    Frame();
    EXPECT_EQ(TextAt(530, 240)->text,
              "\xa3"
              "1200");
    EXPECT_EQ(TextAt(730, 240)->text,
              "\xa3"
              "2000");
    EXPECT_EQ(TextAt(530, 500)->colour, ORANGE) << "a balance of 0 is orange";
    EXPECT_EQ(TextAt(530, 560)->colour, ORANGE) << "a wage bill on the budget is orange";
    EXPECT_EQ(TextAt(730, 560), nullptr) << "and draws no over or under line";
    Shot("team_finances.png");
    club.m_salaryBudget = TeamPage().m_wageBill + 500;
    Frame();
    EXPECT_EQ(TextAt(730, 560)->text,
              "\xa3"
              "500 under salary budget");
}

TEST_F(TeamPageTest, GeneralInfoWithTheForecast) {
    OpenPage();
    Tap(TeamPage().m_btnInfo);
    Frame();
    EXPECT_EQ(TextAt(300, 220)->text, "Ann Fletcher");
    EXPECT_EQ(TextAt(300, 240)->text, "Mill Lane");
    EXPECT_EQ(TextAt(300, 300)->text, "Temperate North");
    EXPECT_TRUE(Drawn("7 day weather forecast for Temperate North"));
    GameDate day = g_cricket.m_date;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(TextAt(230, 370 + 45 * i)->text, day.DateText()) << i;
        day.NextDay();
    }
    Shot("team_info.png");
    // A ground whose climate is missing: "-" and no forecast.
    m_game->ChangeScreen(SCREEN_NEWS);
    g_world.mv_climates.clear();
    OpenPage();
    Tap(TeamPage().m_btnInfo);
    Frame();
    EXPECT_EQ(TextAt(300, 300)->text, "-");
    EXPECT_FALSE(Drawn("7 day weather forecast for Temperate North"));
}

TEST_F(TeamPageTest, AnotherClubIsNotHisToPick) {
    PickEleven();
    OpenPage(CLUB_B);
    EXPECT_TRUE(TeamPage().m_btnTactics->mb_disabled);
    EXPECT_TRUE(TeamPage().m_btnFinances->mb_disabled);
    EXPECT_FALSE(TeamPage().m_btnApply->mb_visible) << "the post has a coach";
    EXPECT_TRUE(TeamPage().m_profileSpot->mb_disabled) << "his profile is on his own club's page";
    Tap(TeamPage().m_btnTactics);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_SQUAD);
    Frame();
    EXPECT_FALSE(Drawn("Ann Fletcher")) << "his name heads his own club's page only";

    // Last time he left his own page on Tactics: another club's page does
    // not open there.
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenPage();
    Tap(TeamPage().m_btnTactics);
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenPage(CLUB_B);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_SQUAD);
}

TEST_F(TeamPageTest, ApplyingForAVacantPostOnce) {
    TeamById(CLUB_B)->m_coach = 0;
    OpenPage(CLUB_B);
    ASSERT_TRUE(TeamPage().m_btnApply->mb_visible);
    ASSERT_FALSE(TeamPage().m_btnApply->mb_disabled);
    Tap(TeamPage().m_btnApply);
    EXPECT_TRUE(TeamPage().m_btnApply->mb_disabled);
    const auto& applications = TeamById(CLUB_B)->mv_applications;
    ASSERT_EQ(applications.size(), 1u);
    EXPECT_EQ(applications[0].second, USER_COACH);
    Idle(2);
    EXPECT_TRUE(MessageBoxOpen());
    EXPECT_EQ(CMessageBox::s_messageQueue.empty() ? std::string() : CMessageBox::s_messageQueue.front().text,
              "You have applied for this job");
    // Back again: still disabled.
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenPage(CLUB_B);
    EXPECT_TRUE(TeamPage().m_btnApply->mb_visible);
    EXPECT_TRUE(TeamPage().m_btnApply->mb_disabled);
}

TEST_F(TeamPageTest, ChoicesComeBackAndBadOnesAreLeftOut) {
    OpenPage();
    Choose(TeamPage().m_comboView, 3);  // Batting skills
    Choose(TeamPage().m_comboSort, 1);  // Rating
    m_game->ChangeScreen(SCREEN_NEWS);
    const PageChoices& saved = g_userCoaches[0].m_teamPage;
    EXPECT_EQ(saved.m_saved, 1);
    EXPECT_EQ(saved.m_view, VIEW_BAT_SKILLS);
    OpenPage();
    EXPECT_EQ(TeamPage().m_view, VIEW_BAT_SKILLS);
    EXPECT_STREQ(TeamPage().m_comboView->m_caption, "Batting skills");
    EXPECT_STREQ(TeamPage().m_comboSort->m_caption, "Rating");

    m_game->ChangeScreen(SCREEN_NEWS);
    g_userCoaches[0].m_teamPage.m_viewIndex = 400;
    g_userCoaches[0].m_teamPage.m_sortIndex = -7;
    g_userCoaches[0].m_teamPage.m_page = 31337;
    OpenPage();
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_SQUAD);
    EXPECT_GE(TeamPage().m_comboView->m_selected, 0);
    EXPECT_LT(TeamPage().m_comboView->m_selected, TeamPage().m_comboView->ItemCount());
    Frame();
}

TEST_F(TeamPageTest, TheDayMachinesRequestOpensTactics) {
    // Under auto-simulation the day lays the page out without opening it: the
    // request is kept for Enter, even over the saved page.
    OpenPage();
    m_game->ChangeScreen(SCREEN_NEWS);
    DayScreens().ShowSelection(CLUB_A, false);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_FALSE(DayScreens().Showing(DayPage::SELECTION, CLUB_A));
    m_game->ChangeScreen(SCREEN_TEAM);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_TACTICS);
    EXPECT_EQ(TeamPage().Side(), CLUB_A);
    EXPECT_TRUE(DayScreens().Showing(DayPage::SELECTION, CLUB_A));
    // On an open page of another club it brings his own club's Tactics.
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenPage(CLUB_B);
    EXPECT_FALSE(DayScreens().Showing(DayPage::SELECTION, CLUB_A)) << "the page tells what it shows";
    DayScreens().ShowSelection(CLUB_A, true);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(TeamPage().Side(), CLUB_A);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_TACTICS);

    // From another page it opens the page on Tactics.
    Tap(TeamPage().m_btnFixtures);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_FIXTURES);
    m_game->ChangeScreen(SCREEN_NEWS);
    DayScreens().ShowSelection(CLUB_A, true);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_TACTICS);
}

}  // namespace
}  // namespace ravel
