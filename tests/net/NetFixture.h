// A server on 127.0.0.1 at a port the system picks, a clock the test moves,
// real clients each with its own log, and raw sockets that write whatever
// bytes a test gives them. Waiting is a loop over the link's polls with a
// generous deadline, so nothing hangs on how fast the loopback delivers.
#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "net/CommClient.h"
#include "net/CommServer.h"

namespace ravel {

class TestClock : public cCommClock {
public:
    uint32_t Milliseconds() const override { return m_now; }
    void Advance(uint32_t ms) { m_now += ms; }
    uint32_t m_now = 1000;
};

// Lets the loopback move bytes between two rounds of polling.
inline void Breathe() {
    ::poll(nullptr, 0, 1);
}

// A plain blocking socket, read without waiting.
class RawPeer {
public:
    explicit RawPeer(uint16_t port) {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_connected = ::connect(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawPeer() { Close(); }
    RawPeer(const RawPeer&) = delete;
    RawPeer& operator=(const RawPeer&) = delete;

    void Send(const std::vector<uint8_t>& bytes) { Send(bytes.data(), bytes.size()); }
    void Send(const uint8_t* data, size_t size) {
        ASSERT_EQ(::send(m_socket, data, size, MSG_NOSIGNAL), ssize_t(size));
    }
    // Takes what has arrived into m_received; notes the end of the stream.
    void Read() {
        uint8_t chunk[1024];
        for (;;) {
            const ssize_t got = ::recv(m_socket, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) m_ended = true;
            if (got <= 0) return;
            m_received.insert(m_received.end(), chunk, chunk + got);
        }
    }
    void Close() {
        if (m_socket >= 0) ::close(m_socket);
        m_socket = -1;
    }

    int m_socket = -1;
    bool m_connected = false;
    bool m_ended = false;
    std::vector<uint8_t> m_received;
};

struct TestClient {
    explicit TestClient(const cCommClock& clock) : m_client(clock) { m_client.Init(&m_log); }
    cCommTextLog m_log;
    cCommClient m_client;

    bool Has(const std::string& text) const { return m_log.m_text.find(text) != std::string::npos; }
};

inline std::vector<uint8_t> Login(const char* name, const char* password = "brisel42", uint16_t minor = 1) {
    LoginRequest request;
    CopyName(request.m_name, name);
    CopyName(request.m_password, password);
    request.m_versionMinor = minor;
    return Encode(request);
}

class NetTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_server.Start(0, &m_serverLog), 0) << m_serverLog.m_text;
        m_port = m_server.Port();
        ASSERT_NE(m_port, 0);
    }

    // Polls the server and pumps every client (with no time passing) until
    // done() holds; false after ten seconds of real time.
    template <class Done>
    bool Until(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            m_server.Poll();
            for (auto& client : mv_clients) client->m_client.Pump(0);
            for (RawPeer* raw : mv_raw) raw->Read();
            Breathe();
        }
        return true;
    }

    TestClient& AddClient(const char* name, const char* password = "brisel42") {
        mv_clients.push_back(std::make_unique<TestClient>(m_clock));
        TestClient& client = *mv_clients.back();
        client.m_client.SetLogin(name, password);
        EXPECT_TRUE(client.m_client.Connect("127.0.0.1", m_port));
        return client;
    }
    // A client that has logged in.
    TestClient& Join(const char* name) {
        TestClient& client = AddClient(name);
        EXPECT_TRUE(Until([&] { return client.Has("Login Approved"); })) << client.m_log.m_text;
        return client;
    }
    RawPeer& AddRaw() {
        mv_rawOwned.push_back(std::make_unique<RawPeer>(m_port));
        mv_raw.push_back(mv_rawOwned.back().get());
        EXPECT_TRUE(mv_raw.back()->m_connected);
        return *mv_raw.back();
    }
    // The connections the server has taken, counted once they are in.
    bool ServerSees(int clients) {
        return Until([&] { return m_server.ClientCount() == clients; });
    }

    TestClock m_clock;
    cCommTextLog m_serverLog;
    cCommServer m_server{m_clock};
    uint16_t m_port = 0;
    std::vector<std::unique_ptr<TestClient>> mv_clients;
    std::vector<std::unique_ptr<RawPeer>> mv_rawOwned;
    std::vector<RawPeer*> mv_raw;
};

}  // namespace ravel
