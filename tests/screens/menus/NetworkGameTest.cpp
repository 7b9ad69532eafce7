#include <poll.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "LaunchFixture.h"
#include "net/CommClient.h"
#include "net/CommServer.h"
#include "screens/menus/NetworkGameScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "shell/LogFile.h"
#include "shell/gui/Button.h"
#include "shell/gui/EditBox.h"

namespace ravel {

namespace {

using NS = CNetworkGameScreen;

class NetworkGameTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        NS::Reset();
        NS::s_port = 0;  // never the game's own port: other runs may hold it
        m_output = std::filesystem::path(testing::TempDir()) / "ravel_network_output";
        std::filesystem::create_directories(m_output);
        std::snprintf(m_savedOutput, sizeof m_savedOutput, "%s", s_outputFolder);
        CopyText(s_outputFolder, sizeof s_outputFolder, m_output.c_str());
        m_game->ChangeScreen(SCREEN_START_MENU);
        Idle();
    }
    void TearDown() override {
        NS::Reset();
        std::snprintf(s_outputFolder, sizeof s_outputFolder, "%s", m_savedOutput);
        LaunchTest::TearDown();
    }

    // Runs the game's ticks, and pumps a link of the test's own, until done()
    // holds; false after ten seconds of real time.
    template <class Done>
    bool Until(Done done, cCommClient* client = nullptr, cCommServer* server = nullptr) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            Idle();
            if (client) client->Pump(0);
            if (server) server->Poll();
            ::poll(nullptr, 0, 1);
        }
        return true;
    }
    // A server of the test's own holds the screen's port; the screen opens.
    void OpenWithServerOnPort(cCommServer& server, cCommTextLog& log) {
        ASSERT_EQ(server.Start(0, &log), 0);
        NS::s_port = server.Port();
        Click(TheScreen<CMainMenuScreen>().m_btnNetworkGame);
        ASSERT_EQ(m_game->m_screenId, SCREEN_NETWORK);
    }
    std::string TestLog() const {
        std::ifstream in(m_output / NETWORK_LOG_NAME);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path m_output;
    char m_savedOutput[FOLDER_BUFFER] = {};
};

TEST_F(NetworkGameTest, TheStartMenuOpensItAndBackReturns) {
    ASSERT_NE(TheScreen<CMainMenuScreen>().m_btnNetworkGame, nullptr);
    EXPECT_STREQ(TheScreen<CMainMenuScreen>().m_btnNetworkGame->m_caption, "Network Game");
    Frame("start_menu_network.png");
    Click(TheScreen<CMainMenuScreen>().m_btnNetworkGame);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NETWORK);
    EXPECT_EQ(m_game->m_screenMode, SCREEN_MODE_FRAMED);
    EXPECT_EQ(NS::Title(), "Setup Network Game");
    EXPECT_STREQ(NS::s_editAddress->m_caption, NETWORK_DEFAULT_HOST);
    EXPECT_FALSE(NS::s_btnHost->mb_disabled);
    EXPECT_FALSE(NS::s_btnConnect->mb_disabled);
    Frame("network_idle.png");
    EXPECT_GT(CountNear(300, 15, 724, 50, 0xffffffffu), 100) << "the title";

    Click(NS::s_btnBack);
    EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
    EXPECT_TRUE(m_game->mv_backHistory.empty()) << "Back in a career never leads here";
}

TEST_F(NetworkGameTest, HostingCountsAClientThatLogsIn) {
    Click(TheScreen<CMainMenuScreen>().m_btnNetworkGame);
    Click(NS::s_btnHost);
    ASSERT_EQ(NS::s_mode, NETWORK_HOSTING) << NS::Title();
    EXPECT_TRUE(NS::s_btnHost->mb_disabled);
    EXPECT_TRUE(NS::s_btnConnect->mb_disabled);
    const std::string address = NS::Server().DottedAddress();
    EXPECT_EQ(NS::Title(), "Server running.... 0 clients " + address + " ip");

    cCommTextLog log;
    cCommClient client;
    client.Init(&log);
    client.SetLogin("Visitor", NETWORK_PASSWORD);
    ASSERT_TRUE(client.Connect("127.0.0.1", NS::Server().Port()));
    ASSERT_TRUE(Until([&] { return client.PlayerCount() == 1; }, &client)) << log.m_text;
    EXPECT_EQ(NS::Title(), "Server running.... 1 clients " + address + " ip");
    Frame("network_host_one_client.png");

    // Leaving keeps the host; coming back shows it still running.
    Click(NS::s_btnBack);
    Idle();
    Click(TheScreen<CMainMenuScreen>().m_btnNetworkGame);
    EXPECT_EQ(NS::s_mode, NETWORK_HOSTING);
    EXPECT_TRUE(NS::s_btnHost->mb_disabled);
    client.Disconnect();
    ASSERT_TRUE(Until([&] { return NS::Server().ClientCount() == 0; }, &client));
    EXPECT_EQ(NS::Title(), "Server running.... 0 clients " + address + " ip");
}

TEST_F(NetworkGameTest, ConnectingLogsInAndWritesTheTestLog) {
    cCommTextLog serverLog;
    cCommServer server;
    ASSERT_NO_FATAL_FAILURE(OpenWithServerOnPort(server, serverLog));
    Click(NS::s_btnConnect);
    ASSERT_EQ(NS::s_mode, NETWORK_CONNECTING);
    // The host has not answered yet: the title says where it is connecting.
    EXPECT_EQ(NS::Title(), "Connecting to remote PC... 127.0.0.1");
    ASSERT_TRUE(Until([&] { return NS::Client().PlayerCount() == 1; }, nullptr, &server));
    EXPECT_EQ(server.PlayerCount(), 1);
    EXPECT_STREQ(server.Peers().front().m_name, NETWORK_LOGIN_NAME);
    // Once in, it says so, and names the others as the host tells of them.
    EXPECT_EQ(NS::Title(), std::string("Logged in to 127.0.0.1 as ") + NETWORK_LOGIN_NAME);
    cCommTextLog visitorLog;
    cCommClient visitor;
    visitor.Init(&visitorLog);
    visitor.SetLogin("Visitor", NETWORK_PASSWORD);
    ASSERT_TRUE(visitor.Connect("127.0.0.1", server.Port()));
    ASSERT_TRUE(Until([&] { return NS::Client().PlayerCount() == 2; }, &visitor, &server));
    EXPECT_EQ(NS::Title(), std::string("Logged in to 127.0.0.1 as ") + NETWORK_LOGIN_NAME + " with Visitor");
    Frame("network_logged_in.png");
    EXPECT_GT(CountNear(100, 15, 924, 50, 0xffffffffu), 100) << "the title";
    visitor.Disconnect();
    ASSERT_TRUE(Until([&] { return NS::Client().PlayerCount() == 1; }, &visitor, &server));
    EXPECT_EQ(NS::Title(), std::string("Logged in to 127.0.0.1 as ") + NETWORK_LOGIN_NAME);

    // A second press starts again: the first connection closes, a new log begins.
    Click(NS::s_btnConnect);
    ASSERT_TRUE(Until([&] { return NS::Client().PlayerCount() == 1 && server.ClientCount() == 1; }, nullptr,
                      &server));
    EXPECT_EQ(NS::Client().PlayerId(), 3) << "the visitor was 2";

    Click(NS::s_btnBack);  // ends the log
    // The file starts with what the log held before it began, as every log
    // file does; this session follows its begin line.
    const std::string log = TestLog();
    const size_t begun = log.rfind("Log file begun");
    ASSERT_NE(begun, std::string::npos) << log;
    const std::string session = log.substr(begun);
    EXPECT_EQ(session.find("Player id = 1"), std::string::npos) << session;
    EXPECT_NE(session.find("FD_CONNECT\nSending login request\nLogin Approved\nPlayer id = 3\n"),
              std::string::npos)
        << session;
    EXPECT_NE(session.find("Log file ended"), std::string::npos);
    EXPECT_EQ(serverLog.m_text, "");
}

TEST_F(NetworkGameTest, AConnectionThatFailsOrClosesSaysSoAndTheScreenIsIdleAgain) {
    cCommTextLog serverLog;
    cCommServer server;
    ASSERT_NO_FATAL_FAILURE(OpenWithServerOnPort(server, serverLog));
    const uint16_t port = NS::s_port;
    server.Shutdown();  // nobody listens on the port now
    const struct {
        const char* m_address;
        const char* m_title;
    } cases[] = {{"", "Could not connect to "}, {"127.0.0.1", "Could not connect to 127.0.0.1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_address);
        NS::s_editAddress->SetCaption(c.m_address);
        Click(NS::s_btnConnect);
        ASSERT_TRUE(Until([] { return NS::s_mode == NETWORK_IDLE; }));
        EXPECT_EQ(NS::Title(), c.m_title);
        EXPECT_FALSE(NS::s_btnConnect->mb_disabled);
    }
    Frame("network_connect_failed.png");

    // Reached, then the host goes away.
    ASSERT_EQ(server.Start(port, &serverLog), 0);
    Click(NS::s_btnConnect);
    ASSERT_TRUE(Until([&] { return NS::Client().PlayerCount() == 1; }, nullptr, &server));
    EXPECT_EQ(NS::s_mode, NETWORK_CONNECTING);
    server.Shutdown();
    ASSERT_TRUE(Until([] { return NS::s_mode == NETWORK_IDLE; }));
    EXPECT_EQ(NS::Title(), "Connection to 127.0.0.1 closed");
}

TEST_F(NetworkGameTest, ABusyPortIsReportedAndTheScreenStaysIdle) {
    cCommTextLog log;
    cCommServer holder;
    ASSERT_NO_FATAL_FAILURE(OpenWithServerOnPort(holder, log));
    Click(NS::s_btnHost);
    EXPECT_EQ(NS::s_mode, NETWORK_IDLE);
    EXPECT_EQ(NS::Title(), "Cannot host: port " + std::to_string(holder.Port()) + " is in use");
    EXPECT_NE(std::string(g_logFile.Tail()).find("ERROR: Cannot host a game on port"), std::string::npos);
    EXPECT_FALSE(NS::s_btnHost->mb_disabled);
    EXPECT_FALSE(NS::s_btnConnect->mb_disabled);
    Frame("network_host_failed.png");
}

}  // namespace

}  // namespace ravel
