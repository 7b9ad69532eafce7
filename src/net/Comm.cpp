#include "net/Comm.h"

#include <errno.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <numeric>

namespace ravel {

namespace {

constexpr size_t RECEIVE_CHUNK = 4096;
constexpr size_t LOG_LINE_SIZE = 512;
const char DEFAULT_HOST_NAME[] = "[ Server name will appear here ]";

class cSteadyClock : public cCommClock {
public:
    uint32_t Milliseconds() const override {
        using namespace std::chrono;
        return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

}  // namespace

const cCommClock& SteadyCommClock() {
    static const cSteadyClock clock;
    return clock;
}

void CloseSocket(int& socket) {
    if (socket >= 0) ::close(socket);
    socket = -1;
}

size_t cCommPeer::Unsent() const {
    return std::accumulate(mv_outgoing.begin(), mv_outgoing.end(), size_t(0),
                           [](size_t sum, const cCommMessage& m) { return sum + m.Left(); });
}

bool cCommPeer::QueueOutgoing(std::vector<uint8_t> data) {
    mv_outgoing.push_back(cCommMessage{std::move(data), 0});
    return Unsent() <= OUT_QUEUE_LIMIT;
}

cComm::cComm(const cCommClock& clock) : m_clock(clock) {
    Reset();
}

cComm::~cComm() {
    CloseSocket(m_socket);
}

void cComm::Reset() {
    CloseSocket(m_socket);
    m_state = IDLE;
    m_port = NET_PORT;
    m_address = sockaddr_in{};
    std::snprintf(m_hostName, sizeof m_hostName, "%s", DEFAULT_HOST_NAME);
    m_dottedAddress[0] = '\0';
}

void cComm::Close() {
    switch (m_state) {
        case CONNECTED:
            ::shutdown(m_socket, SHUT_WR);
            m_state = CLOSING;
            break;
        case RESOLVING:
        case CLOSING:
            CloseNow();
            break;
        default:
            break;
    }
}

void cComm::CloseNow() {
    CloseSocket(m_socket);
    m_state = IDLE;
}

CommIo cComm::ReceiveMessage(cCommPeer& peer) {
    uint8_t chunk[RECEIVE_CHUNK];
    const ssize_t got = ::recv(peer.m_socket, chunk, sizeof chunk, 0);
    if (got == 0) return CommIo::CLOSED;
    if (got < 0) return WouldBlock(errno) ? CommIo::OK : CommIo::FAILED;
    peer.m_bytesHeard += size_t(got);
    return peer.m_framer.Feed(chunk, size_t(got), peer.mv_incoming) ? CommIo::OK : CommIo::BROKEN;
}

CommIo cComm::SendPending(cCommPeer& peer) {
    while (!peer.mv_outgoing.empty()) {
        cCommMessage& head = peer.mv_outgoing.front();
        const ssize_t sent =
            ::send(peer.m_socket, head.mv_data.data() + head.m_done, head.Left(), MSG_NOSIGNAL);
        if (sent < 0) return WouldBlock(errno) ? CommIo::OK : CommIo::FAILED;
        head.m_done += size_t(sent);
        if (head.Left() > 0) return CommIo::OK;
        peer.mv_outgoing.pop_front();
    }
    return CommIo::OK;
}

void cComm::WriteLog(bool error, const char* format, va_list args) {
    if (!mp_log) return;
    char text[LOG_LINE_SIZE];
    std::vsnprintf(text, sizeof text, format, args);
    if (error)
        mp_log->Error(text);
    else
        mp_log->Print(text);
}

void cComm::PrintLog(const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteLog(false, format, args);
    va_end(args);
}

void cComm::ErrorLog(const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteLog(true, format, args);
    va_end(args);
}

}  // namespace ravel
