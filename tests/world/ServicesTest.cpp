#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "world/Services.h"

namespace ravel {
namespace {

TEST(ServicesTest, ChangeScreenKeepsAShortBackHistory) {
    CShellServices services;
    const int visits[] = {SCREEN_START_MENU, SCREEN_NEWS,      SCREEN_CONTRACT,       SCREEN_TEAM,
                          SCREEN_PRE_MATCH,  SCREEN_SCORECARD, SCREEN_PLAYER,         SCREEN_COMPETITION,
                          SCREEN_JOBS,       SCREEN_COUNTRY,   SCREEN_TODAYS_FIXTURES};
    for (int id : visits) services.ChangeScreen(id);
    EXPECT_EQ(services.CurrentScreen(), SCREEN_TODAYS_FIXTURES);
    // Negotiation, pre-match and scorecard are never recorded; five at most.
    EXPECT_EQ(services.mv_backHistory, (std::vector<int>{SCREEN_TEAM, SCREEN_PLAYER, SCREEN_COMPETITION,
                                                         SCREEN_JOBS, SCREEN_COUNTRY}));
}

TEST(ServicesTest, MessagesDropThoseAlreadyShown) {
    CShellServices services;
    services.ShowMessage("first", MSG_OK);
    services.mv_messages[0].m_shown = true;
    services.ShowMessage("second", MSG_YES_NO);
    services.ShowMessage(std::string(400, 'x').c_str(), MSG_OK_CANCEL);
    ASSERT_EQ(services.mv_messages.size(), 2u);
    EXPECT_EQ(services.mv_messages[0].m_text, "second");
    EXPECT_EQ(services.mv_messages[0].m_kind, MSG_YES_NO);
    EXPECT_EQ(services.mv_messages[1].m_text.size(), 255u);
}

class CountingServices : public CShellServices {
public:
    void OnHistoryEmptied(bool back) override { mv_emptied.push_back(back); }
    std::vector<bool> mv_emptied;
};

TEST(ServicesTest, RemovingAScreenFromHistoriesDisablesEmptiedButtons) {
    CountingServices services;
    services.mv_backHistory = {SCREEN_TODAYS_SCOREBOARD, SCREEN_NEWS, SCREEN_TODAYS_SCOREBOARD};
    services.mv_forwardHistory = {SCREEN_TODAYS_SCOREBOARD};
    services.RemoveFromHistories(SCREEN_TODAYS_SCOREBOARD);
    EXPECT_EQ(services.mv_backHistory, std::vector<int>{SCREEN_NEWS});
    EXPECT_TRUE(services.mv_forwardHistory.empty());
    EXPECT_EQ(services.mv_emptied, std::vector<bool>{false});
}

TEST(ServicesTest, InstalledServicesReceiveTheLogicsCalls) {
    CShellServices shell;
    InstallServices(&shell);
    ChangeScreen(SCREEN_NEWS);
    ShowMessage("Team incomplete", MSG_OK);
    DebugLog("Error: illegal mi_bowler1 %d... setting to 9 to fix", 12);
    EXPECT_EQ(CurrentScreen(), SCREEN_NEWS);
    EXPECT_EQ(shell.mv_messages.size(), 1u);
    InstallServices(nullptr);
    EXPECT_NE(&Services(), &shell);
}

TEST(DebugLogTest, WritesLinesOnlyWhileOpen) {
    const std::string path = testing::TempDir() + "ravel_debug.log";
    std::remove(path.c_str());
    DebugLog("before %d", 1);
    ASSERT_TRUE(OpenDebugLog(path.c_str()));
    EXPECT_TRUE(DebugLogOn());
    DebugLog("Match %d set up", 7);
    DebugLog("\nClose: %s\n", "done");
    OpenDebugLog(nullptr);
    EXPECT_FALSE(DebugLogOn());
    DebugLog("after %d", 2);
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Match 7 set up\n\nClose: done\n");
    EXPECT_FALSE(OpenDebugLog("/nonexistent-folder/trace.log"));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace ravel
