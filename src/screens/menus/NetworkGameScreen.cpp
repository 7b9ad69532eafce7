#include "screens/menus/NetworkGameScreen.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "net/CommClient.h"
#include "net/CommServer.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "shell/Game.h"
#include "shell/LogFile.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Clock.h"
#include "shell/platform/System.h"
#include "world/Paths.h"
#include "world/Services.h"

namespace ravel {

int CNetworkGameScreen::s_mode = NETWORK_IDLE;
uint16_t CNetworkGameScreen::s_port = NET_PORT;
int CNetworkGameScreen::s_frames = 0;
uint32_t CNetworkGameScreen::s_lastTick = 0;
std::string CNetworkGameScreen::s_linkError;
std::string CNetworkGameScreen::s_target;
bool CNetworkGameScreen::sb_reached = false;
CButton* CNetworkGameScreen::s_btnBack = nullptr;
CButton* CNetworkGameScreen::s_btnHost = nullptr;
CButton* CNetworkGameScreen::s_btnConnect = nullptr;
CEditBox* CNetworkGameScreen::s_editAddress = nullptr;

namespace {

using NS = CNetworkGameScreen;

constexpr size_t TITLE_SIZE = 256;

// The link writes through these into the game's log files.
class CLogFileLink : public cCommLog {
public:
    explicit CLogFileLink(CLogFile& file) : m_file(file) {}
    void Print(const char* text) override { m_file.Printf("%s", text); }
    void Error(const char* text) override { m_file.Error("%s", text); }

private:
    CLogFile& m_file;
};

// The game's millisecond clock, which the headless runs drive.
class CGameClock : public cCommClock {
public:
    uint32_t Milliseconds() const override { return TimeGetTime(); }
};

const CGameClock s_clock;
cCommServer s_server(s_clock);
cCommClient s_client(s_clock);
CLogFile s_testLog;
CLogFileLink s_clientLog(s_testLog);
CLogFileLink s_serverLog(g_logFile);
ScreenControls s_controls;

// Who the client is, where, and the other players the host has told of.
std::string LoggedInTitle() {
    std::string title = std::string("Logged in to ") + s_client.DottedAddress() + " as " +
                        PrintableName(s_client.LoginName());
    const char* joint = " with ";
    for (const cCommPeer& other : s_client.OtherPlayers()) {
        title += joint + PrintableName(other.m_name);
        joint = ", ";
    }
    return title;
}

void EnableModeButtons(bool enabled) {
    for (CButton* button : {NS::s_btnHost, NS::s_btnConnect}) {
        if (enabled)
            button->mb_disabled = 0;
        else
            button->Disable();
    }
}

}  // namespace

cCommServer& CNetworkGameScreen::Server() {
    return s_server;
}

cCommClient& CNetworkGameScreen::Client() {
    return s_client;
}

void CNetworkGameScreen::Enter() {
    HideSideBarButtons();
    s_controls.Begin();
    s_btnBack = s_controls.Add<CButton>(20, 720, 110, 30, "Back");
    s_btnHost = s_controls.Add<CButton>(362, 150, 300, 30, "Host a network game");
    s_btnConnect = s_controls.Add<CButton>(362, 300, 300, 30, "Connect to a network game");
    s_editAddress = s_controls.Add<CEditBox>(362, 340, 300, 30, NETWORK_DEFAULT_HOST);
    // A host is still hosting when the screen is reopened.
    EnableModeButtons(s_mode != NETWORK_HOSTING);
    g_game->mb_screenFrame = 0;
    // Not a place for Back to return to once a game has begun.
    g_game->m_recordOnLeave = false;
}

void CNetworkGameScreen::Update() {
    if (TakeClick(s_btnBack)) {
        g_game->ChangeScreen(SCREEN_START_MENU);
    } else if (TakeClick(s_btnHost)) {
        HostGame();
    } else if (TakeClick(s_btnConnect)) {
        ConnectGame();
    }
}

void CNetworkGameScreen::HostGame() {
    // A connection of this copy's own is not left open unpolled.
    s_client.Disconnect();
    s_client.CloseNow();
    const int error = s_server.Start(s_port, &s_serverLog);
    if (error != 0) {
        char text[TITLE_SIZE];
        if (error == EADDRINUSE)
            std::snprintf(text, sizeof text, "Cannot host: port %d is in use", int(s_port));
        else
            std::snprintf(text, sizeof text, "Cannot host: %s", std::strerror(error));
        s_linkError = text;
        s_mode = NETWORK_IDLE;
        EnableModeButtons(true);
        return;
    }
    s_linkError.clear();
    s_mode = NETWORK_HOSTING;
    EnableModeButtons(false);
}

void CNetworkGameScreen::ConnectGame() {
    s_linkError.clear();
    // A second connect starts a new log and closes the connection before.
    s_testLog.End();
    s_testLog.Begin(NativePath(JoinPath(s_outputFolder, NETWORK_LOG_NAME)).c_str());
    s_client.Init(&s_clientLog);
    s_client.SetLogin(NETWORK_LOGIN_NAME, NETWORK_PASSWORD);
    s_target = s_editAddress->m_caption;
    sb_reached = false;
    s_mode = NETWORK_CONNECTING;
    s_lastTick = TimeGetTime();
    if (!s_client.Connect(s_target.c_str(), s_port)) LinkDown();
}

void CNetworkGameScreen::LinkDown() {
    char text[TITLE_SIZE];
    std::snprintf(text, sizeof text, sb_reached ? "Connection to %s closed" : "Could not connect to %s",
                  s_target.c_str());
    s_linkError = text;
    s_mode = NETWORK_IDLE;
}

void CNetworkGameScreen::Tick() {
    if (s_mode == NETWORK_HOSTING) {
        s_server.Poll();
    } else if (s_mode == NETWORK_CONNECTING) {
        const uint32_t now = TimeGetTime();
        s_client.Pump(now == s_lastTick ? 1 : now - s_lastTick);
        s_lastTick = now;
        // A connection refused, or closed by the host, ends the attempt.
        if (s_client.State() == cComm::CONNECTED) sb_reached = true;
        if (s_client.State() == cComm::IDLE) LinkDown();
    }
}

std::string CNetworkGameScreen::Title() {
    char text[TITLE_SIZE];
    switch (s_mode) {
        case NETWORK_HOSTING:
            std::snprintf(text, sizeof text, "Server running.... %d clients %s ip", s_server.ClientCount(),
                          s_server.DottedAddress());
            return text;
        case NETWORK_CONNECTING:
            return s_client.LoggedIn()
                       ? LoggedInTitle()
                       : std::string("Connecting to remote PC... ") + s_client.DottedAddress();
        default:
            return s_linkError.empty() ? "Setup Network Game" : s_linkError;
    }
}

void CNetworkGameScreen::Render() {
    ++s_frames;
    DrawFullScreenFrame(Title().c_str());
    g_system->mp_controlList->Draw();
}

void CNetworkGameScreen::Leave() {
    s_controls.Free();
    s_btnBack = s_btnHost = s_btnConnect = nullptr;
    s_editAddress = nullptr;
    ShowSideBarButtons();
    // Nothing polls the link while the screen is away; a host keeps its
    // port and its players' connections wait in the system's buffers.
    s_client.Disconnect();
    s_client.CloseNow();
    s_testLog.End();
}

void CNetworkGameScreen::Reset() {
    s_client.Init(nullptr);
    s_server.Shutdown();
    s_testLog.End();
    s_mode = NETWORK_IDLE;
    s_port = NET_PORT;
    s_frames = 0;
    s_linkError.clear();
}

}  // namespace ravel
