#include "net/CommServer.h"

#include <arpa/inet.h>
#include <errno.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace ravel {

namespace {

// A connection the system reports it cannot accept is retried at the next
// poll; this bounds the work of one poll under a flood.
constexpr int ACCEPTS_PER_POLL = 256;
constexpr char LOOPBACK_TEXT[] = "127.0.0.1";

// The address other machines reach this one at: the first IPv4 address of an
// interface that is up and not the loopback; the loopback without one.
void LocalAddressText(char* text, size_t size) {
    std::snprintf(text, size, "%s", LOOPBACK_TEXT);
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
        if (!(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK)) continue;
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        inet_ntop(AF_INET, &address->sin_addr, text, socklen_t(size));
        break;
    }
    freeifaddrs(list);
}

bool Live(const cCommPeer& peer) {
    return !peer.mb_dropped;
}

bool Player(const cCommPeer& peer) {
    return peer.mb_loggedIn && !peer.mb_dropped;
}

}  // namespace

cCommServer::cCommServer(const cCommClock& clock) : cComm(clock) {}

cCommServer::~cCommServer() {
    Shutdown();
}

int cCommServer::Start(uint16_t port, cCommLog* log) {
    mp_log = log;
    if (mb_running) return 0;
    Reset();
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    int error = m_socket < 0 ? errno : 0;
    const int on = 1;
    if (!error) ::setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    m_address.sin_family = AF_INET;
    m_address.sin_port = htons(port);
    m_address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!error && ::bind(m_socket, reinterpret_cast<const sockaddr*>(&m_address), sizeof m_address) != 0)
        error = errno;
    if (!error && ::listen(m_socket, SOMAXCONN) != 0) error = errno;
    socklen_t length = sizeof m_address;
    if (!error && ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&m_address), &length) != 0)
        error = errno;
    if (error) {
        ErrorLog("Cannot host a game on port %d: %s.\n", int(port), std::strerror(error));
        CloseNow();
        return error;
    }
    m_port = ntohs(m_address.sin_port);
    LocalAddressText(m_dottedAddress, sizeof m_dottedAddress);
    m_packetCounter = 0;
    m_nextPlayerId = 1;
    mb_running = true;
    return 0;
}

void cCommServer::Shutdown() {
    for (cCommPeer& peer : mv_peers) CloseSocket(peer.m_socket);
    mv_peers.clear();
    mb_running = false;
    CloseNow();
}

int cCommServer::ClientCount() const {
    return int(std::count_if(mv_peers.begin(), mv_peers.end(), Live));
}

int cCommServer::PlayerCount() const {
    return int(std::count_if(mv_peers.begin(), mv_peers.end(), Player));
}

void cCommServer::Poll() {
    if (!mb_running) return;
    if (ClientCount() == PlayerCount()) mb_crowded = false;
    ServeSockets();
    DispatchMessages();
    CloseIdlePeers();
    ReapDroppedPeers();
}

void cCommServer::ServeSockets() {
    std::vector<pollfd> fds{{m_socket, POLLIN, 0}};
    std::vector<cCommPeer*> owners{nullptr};
    for (cCommPeer& peer : mv_peers) {
        if (peer.mb_dropped) continue;
        const short out = peer.mv_outgoing.empty() ? 0 : POLLOUT;
        fds.push_back({peer.m_socket, short(POLLIN | out), 0});
        owners.push_back(&peer);
    }
    if (::poll(fds.data(), fds.size(), 0) <= 0) return;
    for (size_t i = 1; i < fds.size(); ++i) {
        cCommPeer& peer = *owners[i];
        if (fds[i].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) Receive(peer);
        if (!peer.mb_dropped && (fds[i].revents & POLLOUT) && SendPending(peer) == CommIo::FAILED)
            Drop(peer, "it could not be written to");
    }
    if (fds[0].revents & POLLIN) AcceptConnections();
}

void cCommServer::Receive(cCommPeer& peer) {
    const uint64_t before = peer.m_bytesHeard;
    const CommIo read = ReceiveMessage(peer);
    if (peer.m_bytesHeard != before) peer.m_lastHeard = m_clock.Milliseconds();
    switch (read) {
        case CommIo::OK:
            break;
        case CommIo::CLOSED:
            Drop(peer, peer.m_framer.MidMessage() ? "it closed in the middle of a message" : nullptr);
            break;
        case CommIo::FAILED:
            // A connection reset before it said anything is no news.
            Drop(peer, peer.m_bytesHeard > 0 ? std::strerror(errno) : nullptr);
            break;
        case CommIo::BROKEN: {
            char reason[64];
            std::snprintf(reason, sizeof reason, "it sent a message of unknown type %u",
                          unsigned(peer.m_framer.BadType()));
            Drop(peer, reason);
            break;
        }
    }
}

void cCommServer::AcceptConnections() {
    const auto waiting = [](const cCommPeer& p) { return !p.mb_loggedIn && !p.mb_dropped; };
    for (int i = 0; i < ACCEPTS_PER_POLL; ++i) {
        // With no place free the rest wait in the system's queue.
        if (!MakeRoom(waiting, MAX_WAITING)) return;
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const int socket =
            ::accept4(m_socket, reinterpret_cast<sockaddr*>(&from), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0) {
            const bool quiet =
                errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED;
            if (!quiet && !mb_acceptFailing)
                ErrorLog("Socket acceptance failure! (%s)\n", std::strerror(errno));
            mb_acceptFailing = !quiet;
            return;
        }
        mb_acceptFailing = false;
        const uint32_t address = from.sin_addr.s_addr;
        if (!MakeRoom([&](const cCommPeer& p) { return waiting(p) && p.m_address == address; },
                      MAX_WAITING_PER_ADDRESS)) {
            int refused = socket;
            CloseSocket(refused);
            continue;
        }
        cCommPeer peer;
        peer.m_socket = socket;
        peer.m_address = address;
        peer.m_playerId = m_nextPlayerId++;
        peer.m_created = peer.m_lastHeard = m_clock.Milliseconds();
        mv_peers.push_front(std::move(peer));
        // A connection already closed goes at once; a login already sent
        // marks it as under way.
        Receive(mv_peers.front());
    }
}

bool cCommServer::MakeRoom(const std::function<bool(const cCommPeer&)>& among, int limit) {
    if (std::count_if(mv_peers.begin(), mv_peers.end(), among) < limit) return true;
    if (!mb_crowded)
        ErrorLog("Too many connections are waiting to log in: those that send nothing make way.\n");
    mb_crowded = true;
    // The oldest that has sent nothing for a while makes way; a client sends
    // its login as soon as it is connected, so a real one is heard first.
    const uint32_t now = m_clock.Milliseconds();
    const auto oldest = std::find_if(mv_peers.rbegin(), mv_peers.rend(), [&](const cCommPeer& p) {
        return among(p) && p.m_bytesHeard == 0 && now - p.m_created >= SILENT_GRACE_MS;
    });
    if (oldest == mv_peers.rend()) return false;
    Drop(*oldest, nullptr);
    return true;
}

void cCommServer::DispatchMessages() {
    for (cCommPeer& peer : mv_peers) {
        while (!peer.mb_dropped && !peer.mv_incoming.empty()) {
            const cCommMessage message = std::move(peer.mv_incoming.front());
            peer.mv_incoming.pop_front();
            LoginRequest request;
            ClientPacket packet;
            if (Decode(message.mv_data.data(), message.Size(), request)) {
                HandleLogin(peer, request);
            } else if (Decode(message.mv_data.data(), message.Size(), packet)) {
                // A sign of life; packets sent before the login reply arrived
                // carry no player yet.
                if (!peer.mb_loggedIn) continue;
                ++peer.m_packets;
                peer.m_lastPacket = packet.m_packet;
            } else {
                ErrorLog("INVALID MESSAGE: type (?) = %u, client id = %d, size = %d\n",
                         unsigned(message.Type()), peer.m_playerId, int(message.Size()));
                Drop(peer, nullptr);
            }
        }
    }
}

bool cCommServer::NameInUse(const char* name) const {
    return std::any_of(mv_peers.begin(), mv_peers.end(), [name](const cCommPeer& p) {
        return Player(p) && std::strncmp(p.m_name, name, NAME_SIZE) == 0;
    });
}

void cCommServer::HandleLogin(cCommPeer& peer, const LoginRequest& request) {
    LoginReply reply;
    if (PlayerCount() + (peer.mb_loggedIn ? 0 : 1) > MAX_PLAYERS) {
        reply.d_success = LOGIN_SERVER_FULL;
    } else if (request.m_versionMajor != LINK_VERSION_MAJOR || request.m_versionMinor != LINK_VERSION_MINOR) {
        reply.d_success = LOGIN_WRONG_VERSION;
    } else if (m_password[0] && std::strncmp(request.m_password, m_password, NAME_SIZE) != 0) {
        reply.d_success = LOGIN_WRONG_PASSWORD;
    } else if (!request.m_name[0] || NameInUse(request.m_name)) {
        reply.d_success = LOGIN_NAME_TAKEN;
    }
    reply.m_maxPlayers = MAX_PLAYERS;
    reply.m_lastPacket = m_packetCounter;
    reply.m_playerId = uint32_t(peer.m_playerId);
    Send(peer, Encode(reply));
    if (reply.d_success != LOGIN_OK || peer.mb_dropped) return;

    CopyName(peer.m_name, request.m_name);
    peer.mb_loggedIn = true;
    for (cCommPeer& other : mv_peers) {
        if (&other == &peer || !Player(other)) continue;
        ConnectNotice playing;
        CopyName(playing.m_name, other.m_name);
        playing.m_kind = NOTICE_ALREADY_PLAYING;
        playing.m_playing = 1;
        playing.m_playerId = uint32_t(other.m_playerId);
        Send(peer, Encode(playing));
        ConnectNotice entered;
        CopyName(entered.m_name, peer.m_name);
        entered.m_kind = NOTICE_ENTERED;
        entered.m_playerId = uint32_t(peer.m_playerId);
        Send(other, Encode(entered));
    }
}

void cCommServer::CloseIdlePeers() {
    const uint32_t now = m_clock.Milliseconds();
    for (cCommPeer& peer : mv_peers) {
        if (peer.mb_dropped) continue;
        if (!peer.mb_loggedIn && now - peer.m_created > LOGIN_TIMEOUT_MS)
            Drop(peer, "it did not log in in time");
        else if (peer.mb_loggedIn && now - peer.m_lastHeard > PLAYER_TIMEOUT_MS)
            Drop(peer, "it sent nothing for ten seconds");
    }
}

void cCommServer::ReapDroppedPeers() {
    for (;;) {
        const auto it = std::find_if(mv_peers.begin(), mv_peers.end(), std::not_fn(Live));
        if (it == mv_peers.end()) return;
        const bool left = it->mb_loggedIn;
        const int32_t id = it->m_playerId;
        CloseSocket(it->m_socket);
        mv_peers.erase(it);
        if (!left) continue;
        // Telling the others may drop one that cannot keep up; it is reaped
        // in turn.
        ConnectNotice notice;
        notice.m_kind = NOTICE_LEFT;
        notice.m_playerId = uint32_t(id);
        for (cCommPeer& other : mv_peers) {
            if (Player(other)) Send(other, Encode(notice));
        }
    }
}

void cCommServer::Send(cCommPeer& peer, std::vector<uint8_t> message) {
    if (peer.mb_dropped) return;
    if (!peer.QueueOutgoing(std::move(message))) {
        Drop(peer, "it is not reading what it is sent");
    } else if (SendPending(peer) == CommIo::FAILED) {
        Drop(peer, "it could not be written to");
    }
}

void cCommServer::Drop(cCommPeer& peer, const char* reason) {
    if (reason) ErrorLog("Closed the connection of client %d: %s.\n", peer.m_playerId, reason);
    peer.mb_dropped = true;
}

}  // namespace ravel
