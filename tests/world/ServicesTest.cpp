#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "world/Services.h"

namespace ravel {
namespace {

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

TEST(ServicesTest, InstalledServicesReceiveTheLogicsCalls) {
    CShellServices shell;
    InstallServices(&shell);
    ShowMessage("Team incomplete", MSG_OK);
    DebugLog("Error: illegal mi_bowler1 %d... setting to 9 to fix", 12);
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
