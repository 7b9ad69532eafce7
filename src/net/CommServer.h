// The host's side of the link: it listens on its port, takes up to eight
// logged-in players, checks each login and tells the players when another
// one enters or leaves. Connections that have not logged in are kept few and
// short-lived, so they can neither fill the game nor use up descriptors, and
// a flood of connections that send nothing makes way before a login under
// way, which is never dropped to make room. A player's client sends a packet every 50 ms: one silent for ten
// seconds is gone, and is closed.
#pragma once

#include <functional>
#include <list>

#include "net/Comm.h"

namespace ravel {

// Connections not yet logged in: how many are kept, how many of them from
// one address, and for how long.
inline constexpr int MAX_WAITING = 64;
inline constexpr int MAX_WAITING_PER_ADDRESS = 16;
inline constexpr uint32_t LOGIN_TIMEOUT_MS = 5000;
// A waiting connection that has sent nothing for this long may make way.
inline constexpr uint32_t SILENT_GRACE_MS = 250;
inline constexpr uint32_t PLAYER_TIMEOUT_MS = 10000;

class cCommServer : public cComm {
public:
    explicit cCommServer(const cCommClock& clock = SteadyCommClock());
    ~cCommServer() override;

    // Listens on every local address at the port (0: one the system picks;
    // Port() reads it back) and writes trouble to the log. Returns 0, or the
    // errno of the step that failed, which is logged too. A running server
    // is left as it is.
    int Start(uint16_t port, cCommLog* log);
    // Closes every connection and stops listening.
    void Shutdown();
    // Accepts, reads and writes whatever the sockets are ready for, handles
    // the whole messages that have arrived and closes the connections that
    // broke, left or waited too long. Never waits.
    void Poll();

    bool Running() const { return mb_running; }
    int ClientCount() const;  // connections
    int PlayerCount() const;  // logged-in players
    // Newest first.
    const std::list<cCommPeer>& Peers() const { return mv_peers; }
    // Every later login must give it; empty asks for none.
    void SetPassword(const char* password) { CopyName(m_password, password); }

private:
    void ServeSockets();
    void Receive(cCommPeer& peer);
    void AcceptConnections();
    // Makes room for one more among the connections `among` picks when
    // `limit` of them are there: false when none of them can be dropped.
    bool MakeRoom(const std::function<bool(const cCommPeer&)>& among, int limit);
    void DispatchMessages();
    void HandleLogin(cCommPeer& peer, const LoginRequest& request);
    bool NameInUse(const char* name) const;
    void CloseIdlePeers();
    void ReapDroppedPeers();
    // Queues a message and sends what the socket takes; a peer that cannot
    // keep up is dropped.
    void Send(cCommPeer& peer, std::vector<uint8_t> message);
    // Marks a peer to be closed at the end of the poll, with the reason
    // logged when there is one.
    void Drop(cCommPeer& peer, const char* reason);

    std::list<cCommPeer> mv_peers;
    char m_password[NAME_SIZE] = {};
    bool mb_running = false;
    bool mb_acceptFailing = false;  // logged once until an accept works
    bool mb_crowded = false;        // logged once until a waiting place is free
    uint32_t m_packetCounter = 0;
    int32_t m_nextPlayerId = 1;
};

}  // namespace ravel
