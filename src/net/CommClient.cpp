#include "net/CommClient.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstdio>

namespace ravel {

namespace {

// A packet's number runs this far ahead of the client's counter.
constexpr uint32_t PACKET_NUMBER_BASE = 2;

const char* const DENIALS[] = {
    nullptr,
    "Login Denied - Server is full.\n",
    "Login Denied - Client and server versions do not match.\n",
    "Login Denied - Wrong password.\n",
    "Login Denied - Name already being used.\n",
};

// A dotted address as it stands, else the first IPv4 address of the name.
bool Resolve(const char* host, in_addr& address) {
    if (inet_pton(AF_INET, host, &address) == 1) return true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return false;
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

}  // namespace

cCommClient::cCommClient(const cCommClock& clock) : cComm(clock) {}

void cCommClient::Init(cCommLog* log) {
    mp_log = log;
    Reset();
    m_self = cCommPeer();
    ForgetPlayers();
    m_maxPlayers = MAX_PLAYERS;
    m_sinceLogin = m_accumulator = m_packetCounter = 0;
    ma_lag.fill(0);
}

void cCommClient::SetLogin(const char* name, const char* password) {
    CopyName(m_loginName, name);
    CopyName(m_password, password);
}

bool cCommClient::Connect(const char* host, uint16_t port) {
    if (m_state != IDLE) return false;
    m_state = RESOLVING;
    if (port != 0) m_port = port;
    std::snprintf(m_hostName, sizeof m_hostName, "%s", host);
    in_addr resolved{};
    if (!Resolve(host, resolved)) {
        ErrorLog("Difficulties encountered resolving host address.\n");
        CloseNow();
        return false;
    }
    m_address = sockaddr_in{};
    m_address.sin_family = AF_INET;
    m_address.sin_port = htons(m_port);
    m_address.sin_addr = resolved;
    inet_ntop(AF_INET, &resolved, m_dottedAddress, sizeof m_dottedAddress);
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0 ||
        (::connect(m_socket, reinterpret_cast<const sockaddr*>(&m_address), sizeof m_address) != 0 &&
         errno != EINPROGRESS)) {
        ErrorLog("Connection attempt failed!\n");
        CloseNow();
        return false;
    }
    return true;
}

void cCommClient::Pump(uint32_t milliseconds) {
    ServeSocket();
    DispatchMessages();
    std::rotate(ma_lag.begin(), ma_lag.begin() + 1, ma_lag.end());
    ma_lag.back() = int32_t(std::min<uint32_t>(m_sinceLogin, LAG_LIMIT_MS));
    if (m_accumulator > PACKET_INTERVAL_MS) {
        // Packets go out only while connected; the pace holds regardless.
        if (m_state == CONNECTED) SendClientPacket();
        m_accumulator -= PACKET_INTERVAL_MS;
    }
    m_sinceLogin += milliseconds;
    m_accumulator += milliseconds;
}

void cCommClient::Disconnect() {
    Close();
    ForgetPlayers();
}

cCommPeer& cCommClient::Self() {
    m_self.m_socket = m_socket;
    return m_self;
}

void cCommClient::ServeSocket() {
    if (m_socket < 0) return;
    pollfd fd{m_socket, POLLIN, 0};
    if (m_state == RESOLVING)
        fd.events = POLLOUT;
    else if (!m_self.mv_outgoing.empty())
        fd.events |= POLLOUT;
    if (::poll(&fd, 1, 0) <= 0) return;
    if (m_state == RESOLVING) {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
        OnConnect(error);
        return;
    }
    if (fd.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) {
        const CommIo read = ReceiveMessage(Self());
        if (read == CommIo::BROKEN) {
            ErrorLog("The server sent a message of unknown type %u.\n", unsigned(m_self.m_framer.BadType()));
        }
        if (read != CommIo::OK) {
            OnClosed();
            return;
        }
    }
    if ((fd.revents & POLLOUT) && SendPending(Self()) == CommIo::FAILED) OnClosed();
}

void cCommClient::OnConnect(int error) {
    PrintLog("FD_CONNECT\n");
    if (error != 0) {
        ErrorLog("Error (%d).\n", error);
        CloseNow();
        return;
    }
    m_state = CONNECTED;
    m_self = cCommPeer();
    CopyName(m_self.m_name, m_loginName);
    LoginRequest request;
    CopyName(request.m_name, m_loginName);
    CopyName(request.m_password, m_password);
    Send(Encode(request));
    PrintLog("Sending login request\n");
}

void cCommClient::OnClosed() {
    // After our own close the host's answer is expected, not news.
    if (m_state == CONNECTED) {
        PrintLog("FD_CLOSE\nIf you see this it is because you have been disconnected by the server.\n");
    }
    ForgetPlayers();
    CloseNow();
}

void cCommClient::ForgetPlayers() {
    mv_others.clear();
    m_playerCount = 0;
}

void cCommClient::DispatchMessages() {
    while (!m_self.mv_incoming.empty()) {
        const cCommMessage message = std::move(m_self.mv_incoming.front());
        m_self.mv_incoming.pop_front();
        LoginReply reply;
        ConnectNotice notice;
        if (Decode(message.mv_data.data(), message.Size(), reply)) {
            OnLoginReply(reply);
        } else if (Decode(message.mv_data.data(), message.Size(), notice)) {
            OnConnectNotice(notice);
        }
    }
}

void cCommClient::OnLoginReply(const LoginReply& reply) {
    if (reply.d_success != LOGIN_OK) {
        const bool known = reply.d_success < std::size(DENIALS);
        PrintLog("%s", known ? DENIALS[reply.d_success] : "Login Denied - Reason unknown.\n");
        PrintLog("Disconnect: pReply->d_success != LOGIN_OK\n");
        Close();
        return;
    }
    PrintLog("Login Approved\nPlayer id = %d\nLast packet sent = %d\n", int32_t(reply.m_playerId),
             int32_t(reply.m_lastPacket));
    m_maxPlayers = reply.m_maxPlayers;
    m_self.m_playerId = int32_t(reply.m_playerId);
    m_playerCount = 1;
    m_sinceLogin = 0;
    m_accumulator = 0;
    m_packetCounter = reply.m_lastPacket + 1;
}

void cCommClient::OnConnectNotice(const ConnectNotice& notice) {
    const int32_t id = int32_t(notice.m_playerId);
    const auto found = std::find_if(mv_others.begin(), mv_others.end(),
                                    [id](const cCommPeer& p) { return p.m_playerId == id; });
    if (notice.m_kind == NOTICE_LEFT) {
        if (found == mv_others.end()) {
            ErrorLog("ConnectNotice error.\n");
            return;
        }
        PrintLog("Player %s (%d) has left.\n", PrintableName(found->m_name).c_str(), id);
        mv_others.erase(found);
        --m_playerCount;
        return;
    }
    // A host never has more players than the game allows; more notices than
    // that are not kept.
    if (found != mv_others.end() || int(mv_others.size()) >= MAX_PLAYERS) {
        ErrorLog("ConnectNotice error.\n");
        return;
    }
    cCommPeer player;
    player.m_playerId = id;
    CopyName(player.m_name, notice.m_name);
    PrintLog(notice.m_kind == NOTICE_ALREADY_PLAYING ? "Player %s (%d) is already playing.\n"
                                                     : "Player %s (%d) had entered.\n",
             PrintableName(player.m_name).c_str(), id);
    mv_others.push_front(std::move(player));
    ++m_playerCount;
}

void cCommClient::SendClientPacket() {
    ClientPacket packet;
    packet.m_playerId = uint32_t(m_self.m_playerId);
    packet.m_packet = m_packetCounter + PACKET_NUMBER_BASE;
    Send(Encode(packet));
    ++m_packetCounter;
}

void cCommClient::Send(std::vector<uint8_t> message) {
    if (!Self().QueueOutgoing(std::move(message))) {
        ErrorLog("Disconnected: the server is not reading.\n");
        ForgetPlayers();
        CloseNow();
        return;
    }
    if (SendPending(Self()) == CommIo::FAILED) OnClosed();
}

}  // namespace ravel
