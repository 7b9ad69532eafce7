// Screen 140: the network game's test mode. One copy hosts the link's server
// on its port; another connects to the address typed in the box and logs in
// under a fixed name. The title follows the link; the connecting side's log
// is test.txt in the Output folder.
#pragma once

#include <cstdint>
#include <string>

namespace ravel {

class CButton;
class CEditBox;
class cCommClient;
class cCommServer;

enum NetworkMode : int {
    NETWORK_IDLE = 0,
    NETWORK_HOSTING = 1,
    NETWORK_CONNECTING = 2,
};

inline constexpr char NETWORK_DEFAULT_HOST[] = "127.0.0.1";
inline constexpr char NETWORK_LOGIN_NAME[] = "Tester";
inline constexpr char NETWORK_PASSWORD[] = "brisel42";
inline constexpr char NETWORK_LOG_NAME[] = "test.txt";

struct CNetworkGameScreen {
    static void Enter();
    static void Update();
    static void Tick();
    static void Render();
    static void Leave();

    static void HostGame();
    static void ConnectGame();
    // The connection failed or closed: idle, the title says which.
    static void LinkDown();
    // The title for the present mode.
    static std::string Title();
    // Back to the start of the run: the link closed, idle, the usual port.
    static void Reset();

    static cCommServer& Server();
    static cCommClient& Client();

    // Survives Leave: a host goes on hosting when the screen is reopened.
    static int s_mode;
    // Both sides use it; 0 hosts on a port the system picks.
    static uint16_t s_port;
    static int s_frames;
    static uint32_t s_lastTick;
    // Shown in the title after hosting or connecting failed, or after the
    // connection closed.
    static std::string s_linkError;
    // The address a connect was asked for, and whether it was reached.
    static std::string s_target;
    static bool sb_reached;
    static CButton* s_btnBack;
    static CButton* s_btnHost;
    static CButton* s_btnConnect;
    static CEditBox* s_editAddress;
};

}  // namespace ravel
