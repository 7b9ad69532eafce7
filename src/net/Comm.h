// The network link's common ground: the log and clock it is given, one end
// of a connection (cCommPeer) and the base of the client and the server
// (cComm) over non-blocking POSIX TCP sockets. Nothing here waits: the owner
// polls the link from its tick.
#pragma once

#include <netinet/in.h>

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "net/WireFormat.h"

namespace ravel {

inline constexpr uint16_t NET_PORT = 7000;
inline constexpr int MAX_PLAYERS = 8;
// A peer whose unsent data grows past this is not reading; it is closed.
inline constexpr size_t OUT_QUEUE_LIMIT = 64 * 1024;
inline constexpr int HOST_TEXT_SIZE = 64;

// Where the link writes its progress and trouble; the owner supplies it.
class cCommLog {
public:
    virtual ~cCommLog() = default;
    virtual void Print(const char* text) = 0;
    virtual void Error(const char* text) = 0;
};

// Keeps what is written in memory; errors carry "ERROR: " in front.
class cCommTextLog : public cCommLog {
public:
    void Print(const char* text) override { m_text += text; }
    void Error(const char* text) override { m_text += std::string("ERROR: ") + text; }
    std::string m_text;
};

// Milliseconds from any fixed point; only differences are used, so it may
// wrap.
class cCommClock {
public:
    virtual ~cCommClock() = default;
    virtual uint32_t Milliseconds() const = 0;
};

// The system's monotonic clock.
const cCommClock& SteadyCommClock();

// One end of a connection: its socket and queues, and the player behind it.
// The client also keeps the other players as peers without a socket.
struct cCommPeer {
    int m_socket = -1;
    std::deque<cCommMessage> mv_incoming;  // whole messages, oldest first
    std::deque<cCommMessage> mv_outgoing;  // the head may be partly sent
    cMessageFramer m_framer;
    uint32_t m_created = 0;    // clock milliseconds
    uint32_t m_lastHeard = 0;  // clock milliseconds of the latest bytes from it
    uint64_t m_bytesHeard = 0;
    uint32_t m_address = 0;  // the other end's IPv4 address, network order
    char m_name[NAME_SIZE] = {};
    int32_t m_playerId = 0;
    bool mb_loggedIn = false;
    uint32_t m_packets = 0;     // client packets heard since login
    uint32_t m_lastPacket = 0;  // the number of the latest
    bool mb_dropped = false;    // to be closed by the server

    size_t Unsent() const;
    // Appends a message to the outgoing queue; false when the unsent data
    // then passes OUT_QUEUE_LIMIT.
    bool QueueOutgoing(std::vector<uint8_t> data);
};

// What a read or write did.
enum class CommIo {
    OK,      // bytes moved, or none were ready
    CLOSED,  // the other end closed its side
    FAILED,  // a socket error
    BROKEN,  // a message of a type that cannot be framed
};

class cComm {
public:
    enum State { IDLE = 0, RESOLVING = 1, CONNECTED = 2, CLOSING = 3 };

    explicit cComm(const cCommClock& clock);
    virtual ~cComm();
    cComm(const cComm&) = delete;
    cComm& operator=(const cComm&) = delete;

    // Idle with the default port and names; closes any socket.
    void Reset();
    // Resolving: the socket is closed, idle. Connected: the sending side is
    // shut down, closing. Closing: the socket is closed, idle.
    void Close();
    // Closes the socket whatever the state; idle.
    void CloseNow();

    int State() const { return m_state; }
    uint16_t Port() const { return m_port; }
    // The address in use, as dotted text: the server's own, the client's
    // server's.
    const char* DottedAddress() const { return m_dottedAddress; }
    const char* HostName() const { return m_hostName; }

    // Reads once from the peer's socket into its incoming queue.
    static CommIo ReceiveMessage(cCommPeer& peer);
    // Writes as much of the outgoing queue as the socket takes.
    static CommIo SendPending(cCommPeer& peer);

protected:
    void PrintLog(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void ErrorLog(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void WriteLog(bool error, const char* format, va_list args);

    const cCommClock& m_clock;
    cCommLog* mp_log = nullptr;
    int m_socket = -1;
    sockaddr_in m_address{};
    char m_hostName[HOST_TEXT_SIZE] = {};
    char m_dottedAddress[HOST_TEXT_SIZE] = {};
    int m_state = IDLE;
    uint16_t m_port = NET_PORT;
};

// Closes a socket handle and sets it to -1.
void CloseSocket(int& socket);

}  // namespace ravel
