// The day machine names pages, not screens: the screens show each page, tell
// which is shown, and drop an earlier day's scoreboard from the histories.
#include "NewsFixture.h"
#include "season/DayMachine.h"
#include "shell/gui/Button.h"
#include "shell/gui/SideBar.h"

namespace ravel {
namespace {

using DayPagesTest = NewsWorldTest;

TEST_F(DayPagesTest, EachPageOpensItsScreenAndIsTheOneShown) {
    const std::pair<DayPage, int> pages[] = {
        {DayPage::NEWS, SCREEN_NEWS},
        {DayPage::TODAYS_FIXTURES, SCREEN_TODAYS_FIXTURES},
        {DayPage::SCOREBOARD, SCREEN_TODAYS_SCOREBOARD},
    };
    for (auto [page, screen] : pages) {
        DayScreens().ShowPage(page);
        EXPECT_EQ(m_game->m_screenId, screen);
        for (auto [other, unused] : pages) EXPECT_EQ(DayScreens().Showing(other), other == page);
        EXPECT_FALSE(DayScreens().Showing(DayPage::MATCH_VIEW));
    }
    // The selection page is its side's page of that side.
    DayScreens().ShowSelection(CLUB_A, true);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_TRUE(DayScreens().Showing(DayPage::SELECTION, CLUB_A));
    EXPECT_FALSE(DayScreens().Showing(DayPage::SELECTION, CLUB_B));
    EXPECT_FALSE(DayScreens().Showing(DayPage::NEWS));
}

TEST_F(DayPagesTest, AnEarlierScoreboardLeavesBothHistories) {
    m_game->ChangeScreen(SCREEN_NEWS);
    m_game->mv_backHistory = {SCREEN_TODAYS_SCOREBOARD, SCREEN_JOBS, SCREEN_TODAYS_SCOREBOARD};
    m_game->mv_forwardHistory = {SCREEN_TODAYS_SCOREBOARD};
    m_game->UpdateHistoryButtons();
    DayScreens().ForgetScoreboard();
    EXPECT_EQ(m_game->mv_backHistory, (std::vector<int32_t>{SCREEN_JOBS}));
    EXPECT_TRUE(m_game->mv_forwardHistory.empty());
    EXPECT_EQ(CSideBar::s_btnForward->mb_disabled, 1);
    EXPECT_EQ(CSideBar::s_btnBack->mb_disabled, 0);
}

}  // namespace
}  // namespace ravel
