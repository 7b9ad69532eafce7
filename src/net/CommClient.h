// The joining side of the link: it connects to a host, logs in, keeps the
// list of the other players and sends a small packet every 50 ms. Its
// progress goes to the log it is given.
#pragma once

#include <array>
#include <list>

#include "net/Comm.h"

namespace ravel {

inline constexpr uint32_t PACKET_INTERVAL_MS = 50;
inline constexpr int LAG_HISTORY = 100;
inline constexpr int32_t LAG_LIMIT_MS = 500;

class cCommClient : public cComm {
public:
    explicit cCommClient(const cCommClock& clock = SteadyCommClock());

    // Starts afresh with this log: any connection closed, idle, no players.
    void Init(cCommLog* log);
    // The name and password of the next login, each cut to 31 bytes.
    void SetLogin(const char* name, const char* password);
    // Starts connecting to a dotted address or a host name, on the port (0
    // keeps the one stored). Refused unless idle. False when it could not
    // start (logged); true while the connection is under way.
    bool Connect(const char* host, uint16_t port);
    // Moves the connection on (it logs in once made), handles what the host
    // sent and sends a packet every 50 ms while connected. Takes the
    // milliseconds since the previous call. Never waits.
    void Pump(uint32_t milliseconds);
    // Closes the connection and forgets the other players.
    void Disconnect();

    int32_t PlayerId() const { return m_self.m_playerId; }
    // From the host's approval until the connection ends.
    bool LoggedIn() const { return m_playerCount > 0; }
    const char* LoginName() const { return m_loginName; }
    int PlayerCount() const { return m_playerCount; }
    int MaxPlayers() const { return m_maxPlayers; }
    uint32_t PacketCounter() const { return m_packetCounter; }
    // Newest first.
    const std::list<cCommPeer>& OtherPlayers() const { return mv_others; }
    // The milliseconds since login at each pump, capped; the newest last.
    const std::array<int32_t, LAG_HISTORY>& LagHistory() const { return ma_lag; }

private:
    cCommPeer& Self();
    void ServeSocket();
    void OnConnect(int error);
    // The connection has ended: closed by the host, failed or unreadable.
    void OnClosed();
    void ForgetPlayers();
    void DispatchMessages();
    void OnLoginReply(const LoginReply& reply);
    void OnConnectNotice(const ConnectNotice& notice);
    void SendClientPacket();
    // Queues and sends a message; a host that stops reading is left.
    void Send(std::vector<uint8_t> message);

    cCommPeer m_self;  // the connection to the host
    std::list<cCommPeer> mv_others;
    char m_loginName[NAME_SIZE] = {};
    char m_password[NAME_SIZE] = {};
    int m_maxPlayers = MAX_PLAYERS;
    int m_playerCount = 0;
    uint32_t m_sinceLogin = 0;
    uint32_t m_accumulator = 0;
    uint32_t m_packetCounter = 0;
    std::array<int32_t, LAG_HISTORY> ma_lag{};
};

}  // namespace ravel
