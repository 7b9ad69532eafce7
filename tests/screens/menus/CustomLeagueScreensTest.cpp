// The custom league as a player reaches it from launch: the start menu's
// Custom Game, Create League, sides added and removed, Play, and the table
// through every match of the league to Exit.
#include <algorithm>
#include <string>

#include "screens/menus/CustomLeagueScreens.h"
#include "screens/menus/LaunchFixture.h"
#include "screens/menus/StartMenuScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/ListPanel.h"

namespace ravel {
namespace {

CCustomLeagueScreen& CL() {
    return TheScreen<CCustomLeagueScreen>();
}
CCustomLeagueTableScreen& CT() {
    return TheScreen<CCustomLeagueTableScreen>();
}

class CustomLeagueScreensTest : public CustomGameTest {
protected:
    // Selects the side's line of the all-sides list and clicks Add.
    void AddSide(int sideId) {
        for (size_t i = 0; i < CL().m_allSides->mv_lines.size(); ++i)
            if (CL().m_allSides->mv_lines[i]->m_value == sideId)
                CL().m_allSides->SetSelection(static_cast<int>(i));
        Tap(CL().m_btnAdd);
    }
};

TEST_F(CustomLeagueScreensTest, FromTheStartMenuThroughAFourSideLeagueToExit) {
    ToStartMenu();
    Tap(TheScreen<CMainMenuScreen>().m_btnCustomGame);
    ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_GAME);
    Tap(TheScreen<CCustomGameScreen>().m_btnLeague);
    ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_LEAGUE_SETUP);
    EXPECT_EQ(g_cricket.m_gameMode, MODE_CUSTOM_LEAGUE);
    EXPECT_TRUE(CL().m_btnPlay->mb_disabled) << "no league without two sides";
    for (int side : {1300, 1301, 1301, 1302, 1304}) AddSide(side);
    EXPECT_EQ(CL().Choice().mv_sides, (std::vector<int32_t>{1300, 1301, 1302, 1304})) << "the same side once";
    CL().m_chosen->SetSelection(3);
    Tap(CL().m_btnRemove);
    AddSide(1303);
    EXPECT_EQ(CL().Choice().mv_sides, (std::vector<int32_t>{1300, 1301, 1302, 1303}));
    ASSERT_EQ(CL().m_chosen->mv_lines.size(), 4u);
    EXPECT_STREQ(CL().m_chosen->mv_lines[1]->m_text, SideName(1301));
    EXPECT_FALSE(CL().m_btnPlay->mb_disabled);
    Frame("custom_league_setup.png");

    Tap(CL().m_btnPlay);
    ASSERT_EQ(m_game->m_screenId, SCREEN_CUSTOM_LEAGUE_TABLE);
    ASSERT_EQ(CT().Rows().size(), 6u);
    // The first match, still to come, names the sides that play it.
    Frame();
    const std::string first = TextAt(640, 115);
    EXPECT_NE(
        first.find(std::string(SideName(CT().Rows()[0].m_home)) + " v " + SideName(CT().Rows()[0].m_away)),
        std::string::npos)
        << first;
    for (int n = 1; n <= 7; ++n) {
        Tap(CT().m_btnContinue);
        Frame(n == 3 ? "custom_league_table.png" : "");
        int played = 0;
        for (const FixtureListEntry& row : CT().Rows()) played += row.m_kind != ROW_SCHEDULED;
        EXPECT_EQ(played, std::min(n, 6)) << "after Continue " << n;
        int points = 0;
        for (const StandingsRow& row : CustomLeague()->mv_standings) points += row.m_points;
        EXPECT_EQ(points, 2 * std::min(n, 6)) << "two points a match, shared or won";
    }
    EXPECT_EQ(TextAt(512, 15), "Custom League");
    EXPECT_EQ(TextAt(20, 115), SideName(CustomLeague()->mv_standings[0].m_team)) << "the leader first";
    Tap(CT().m_btnExit);
    EXPECT_FALSE(m_game->m_running);
}

}  // namespace
}  // namespace ravel
