// The club team page as a new user meets it in the built world: from the
// news page through every tab, another club's page from the job market, a
// vacant post applied for, and the first match day's check of the eleven.
#include <algorithm>

#include "TeamFixture.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/team/PlayerLists.h"
#include "screens/team/SquadRows.h"
#include "season/GameState.h"
#include "season/PlayerIcons.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "world/Random.h"

namespace ravel {
namespace {

using SB = CSideBar;

class TeamCareerTest : public TeamPageDriver {
protected:
    void SetUp() override {
        TeamPageDriver::SetUp();
        if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
        ResetGameState();
        SeedRand(11);
    }
};

TEST_F(TeamCareerTest, EveryTabOfHisClubAndAnother) {
    const int club = StartCareer();
    ASSERT_GE(club, FIRST_CLUB_ID);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    // A few days on, when the season's fixtures are out.
    for (int day = 0; day < 30 && FirstFixtureDay(club) == SEASON_DAYS; ++day) Tap(SB::s_btnContinue);
    ASSERT_LT(FirstFixtureDay(club), SEASON_DAYS);
    Tap(SB::s_btnSquad);
    ASSERT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(TeamPage().Side(), club);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_SQUAD);
    EXPECT_STREQ(TeamPage().m_comboView->m_caption, "Basic");
    Idle(2);
    Shot("career_team_squad.png");
    const DrawnText* title = FindText(TeamById(club)->m_name);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 512);
    EXPECT_EQ(title->alignment, ALIGN_CENTRE);
    ASSERT_GE(TeamPage().mv_squad.size(), 16u);

    Choose(TeamPage().m_comboView, 17);
    ASSERT_EQ(TeamPage().m_view, 5014);
    Choose(TeamPage().m_comboSort, 5);
    EXPECT_STREQ(TeamPage().m_comboSort->m_caption, "Average");
    // Those without a wicket come last.
    bool none = false;
    for (int32_t id : TeamPage().mv_squad) {
        const bool wicketless = PlayerById(id)->m_stats[STATS_SEASON_FC].m_wickets < 1;
        EXPECT_FALSE(none && !wicketless) << "a wicket taker after one without";
        none = none || wicketless;
    }
    Idle(2);
    Shot("career_team_bowling.png");

    Tap(TeamPage().m_btnTactics);
    ASSERT_EQ(TeamPage().m_page, TEAM_PAGE_TACTICS);
    Tap(TeamPage().m_btnAuto);
    const Team& team = *TeamById(club);
    EXPECT_TRUE(XiComplete(team.m_xi, true));
    // A squad player from outside the eleven into slot 3.
    int row = -1;
    for (int i = 0; i < TEAM_SQUAD_ROWS && i < static_cast<int>(TeamPage().mv_squad.size()); ++i) {
        const int32_t id = TeamPage().mv_squad[static_cast<size_t>(i)];
        if (std::find(team.m_xi, team.m_xi + XI_PLAYERS, id) != team.m_xi + XI_PLAYERS) continue;
        row = i;
        break;
    }
    ASSERT_GE(row, 0);
    ASSERT_LE(row, 11) << "a row whose pop-up shows every slot";
    const int32_t newcomer = TeamPage().mv_squad[static_cast<size_t>(row)];
    RightClickAt(300, TEAM_LIST_TOP + 20 * (row + 1) + 10);
    ASSERT_EQ(TeamPage().m_menuPosition->m_menuState, MENU_OPEN);
    ChooseFromMenu(TeamPage().m_menuPosition, 3);  // slot 2
    EXPECT_EQ(team.m_xi[2], newcomer);
    RightClickAt(700, ELEVEN_PANEL_TOP + ELEVEN_SLOT_HEIGHT * 2 + 10);
    ASSERT_EQ(TeamPage().m_menuRole->m_menuState, MENU_OPEN);
    ChooseFromMenu(TeamPage().m_menuRole, 0);  // Captain
    EXPECT_EQ(team.m_xi[XI_CAPTAIN], newcomer);
    Tap(TeamPage().m_btnUp);
    EXPECT_EQ(team.m_xi[1], newcomer);
    Tap(TeamPage().m_btnDown);
    EXPECT_EQ(team.m_xi[2], newcomer);
    m_system->HeadlessInput()->MoveMouse(700, ELEVEN_PANEL_TOP + 10);
    Idle(2);
    EXPECT_NE(FindText("Next Match:"), nullptr);
    Shot("career_team_tactics.png");

    Tap(TeamPage().m_btnFixtures);
    ASSERT_EQ(TeamPage().m_page, TEAM_PAGE_FIXTURES);
    Idle(2);
    Shot("career_team_fixtures.png");
    int future = -1;
    for (size_t i = 0; i < TeamPage().mv_fixtures.size() && i < TEAM_FIXTURE_ROWS; ++i)
        if (TeamPage().mv_fixtures[i].m_match == -1 &&
            TeamPage().mv_fixtures[i].m_competition < COMP_TEST_CHAMPIONSHIP)
            future = static_cast<int>(i);
    if (future >= 0) {
        Tap(TeamPage().m_rows[future]);
        EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
        Tap(SB::s_btnSquad);
    }
    Tap(TeamPage().m_btnFinances);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_FINANCES);
    Idle(2);
    Shot("career_team_finances.png");
    Tap(TeamPage().m_btnInfo);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_INFO);
    Idle(2);
    Shot("career_team_info.png");

    // Another club's post falls vacant; its row of the job market, the
    // least secure post, leads to its page.
    Team* other = nullptr;
    for (Team& t : g_world.mv_teams)
        if (t.m_id != club && t.m_id < 3000) other = other ? other : &t;
    ASSERT_NE(other, nullptr);
    other->m_coach = 0;
    other->m_jobSecurity = 0.0f;
    Tap(SB::s_btnJobs);
    ASSERT_EQ(m_game->m_screenId, SCREEN_JOBS);
    ASSERT_FALSE(TheScreen<CJobMarketScreen>().Jobs().empty());
    ASSERT_EQ(TheScreen<CJobMarketScreen>().Jobs()[0], other->m_id);
    Idle(2);
    ClickAt(500, 165 + 10);
    ASSERT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(TeamPage().Side(), other->m_id);
    Idle(2);
    EXPECT_TRUE(TeamPage().m_btnTactics->mb_disabled);
    EXPECT_TRUE(TeamPage().m_btnFinances->mb_disabled);
    ASSERT_TRUE(TeamPage().m_btnApply->mb_visible);
    Tap(TeamPage().m_btnApply);
    EXPECT_TRUE(TeamPage().m_btnApply->mb_disabled);
    Idle(2);
    EXPECT_TRUE(MessageBoxOpen());
    Shot("career_team_applied.png");
}

TEST_F(TeamCareerTest, FirstMatchDayWantsAFullEleven) {
    const int club = StartCareer();
    ASSERT_GE(club, FIRST_CLUB_ID);
    // Day by day to the eve of his first match.
    for (int clicks = 0; clicks < 400 && g_cricket.m_date.m_dayOfSeason < FirstFixtureDay(club); ++clicks) {
        if (m_game->m_screenId != SCREEN_NEWS) Tap(SB::s_btnMain);
        if (MessageBoxOpen()) AnswerMessageBox(0);
        Tap(SB::s_btnContinue);
    }
    ASSERT_EQ(g_cricket.m_date.m_dayOfSeason, FirstFixtureDay(club));
    Team& team = *TeamById(club);
    team.m_xi[4] = -1;  // a gap in his eleven
    for (int clicks = 0; clicks < 5 && !MessageBoxOpen(); ++clicks) Tap(SB::s_btnContinue);
    Idle(2);
    ASSERT_TRUE(MessageBoxOpen()) << "the day machine asks for eleven";
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(TeamPage().m_page, TEAM_PAGE_TACTICS);
    EXPECT_EQ(TeamPage().Side(), club);
    Shot("career_team_incomplete.png");
    AnswerMessageBox(0);
    Tap(TeamPage().m_btnAuto);
    EXPECT_TRUE(XiComplete(team.m_xi, true));
    Tap(SB::s_btnContinue);
    Idle(2);
    EXPECT_FALSE(MessageBoxOpen());
    EXPECT_NE(m_game->m_screenId, SCREEN_TEAM) << "with eleven, Continue goes on";
}

}  // namespace
}  // namespace ravel
