#include <algorithm>
#include <string>

#include "NetFixture.h"

namespace ravel {
namespace {

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// A host made of bare sockets, so a test can answer the client with any
// bytes it likes.
class CommClientTest : public testing::Test {
protected:
    void SetUp() override {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(m_listen, 4), 0);
        socklen_t length = sizeof address;
        ASSERT_EQ(::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length), 0);
        m_port = ntohs(address.sin_port);
        m_you.m_client.SetLogin("Tester", "brisel42");
    }
    void TearDown() override {
        CloseSocket(m_host);
        CloseSocket(m_listen);
    }

    // Pumps the client and reads the host's side until done() holds.
    template <class Done>
    bool Until(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            m_you.m_client.Pump(0);
            if (m_host < 0) m_host = ::accept4(m_listen, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            uint8_t chunk[256];
            ssize_t got = 0;
            while (m_host >= 0 && (got = ::recv(m_host, chunk, sizeof chunk, 0)) > 0) {
                m_heard.insert(m_heard.end(), chunk, chunk + got);
            }
            m_hostSawEnd = m_hostSawEnd || (m_host >= 0 && got == 0);
            Breathe();
        }
        return true;
    }
    // Connects and waits for the login request.
    void Connect() {
        ASSERT_TRUE(m_you.m_client.Connect("127.0.0.1", m_port));
        ASSERT_TRUE(Until([&] { return m_heard.size() >= LOGIN_REQUEST_SIZE; })) << m_you.m_log.m_text;
    }
    void Answer(const std::vector<uint8_t>& bytes) {
        ASSERT_EQ(::send(m_host, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
    }
    void Approve(uint32_t id) {
        LoginReply reply;
        reply.m_maxPlayers = MAX_PLAYERS;
        reply.m_playerId = id;
        reply.m_lastPacket = 10;
        Answer(Encode(reply));
        ASSERT_TRUE(Until([&] { return m_you.m_client.PlayerCount() == 1; }));
    }
    static std::vector<uint8_t> Notice(uint8_t kind, uint32_t id, const char* name) {
        ConnectNotice notice;
        notice.m_kind = kind;
        notice.m_playerId = id;
        CopyName(notice.m_name, name);
        return Encode(notice);
    }

    TestClock m_clock;
    TestClient m_you{m_clock};
    int m_listen = -1;
    int m_host = -1;
    uint16_t m_port = 0;
    std::vector<uint8_t> m_heard;
    bool m_hostSawEnd = false;
};

TEST_F(CommClientTest, LogsInOnConnecting) {
    Connect();
    LoginRequest request;
    ASSERT_TRUE(Decode(m_heard.data(), LOGIN_REQUEST_SIZE, request));
    EXPECT_STREQ(request.m_name, "Tester");
    EXPECT_STREQ(request.m_password, "brisel42");
    EXPECT_EQ(request.m_versionMajor, 0);
    EXPECT_EQ(request.m_versionMinor, 1);
    EXPECT_EQ(m_you.m_client.State(), cComm::CONNECTED);
    EXPECT_STREQ(m_you.m_client.DottedAddress(), "127.0.0.1");

    Approve(1234);
    EXPECT_EQ(m_you.m_log.m_text,
              "FD_CONNECT\nSending login request\nLogin Approved\nPlayer id = 1234\nLast packet sent = 10\n");
    EXPECT_EQ(m_you.m_client.PlayerId(), 1234);
    EXPECT_EQ(m_you.m_client.MaxPlayers(), MAX_PLAYERS);

    // Packets carry the id and number on from the host's counter.
    m_heard.clear();
    for (int pump = 0; pump < 7; ++pump) m_you.m_client.Pump(10);
    ASSERT_TRUE(Until([&] { return m_heard.size() >= CLIENT_PACKET_SIZE; }));
    ClientPacket packet;
    ASSERT_TRUE(Decode(m_heard.data(), CLIENT_PACKET_SIZE, packet));
    EXPECT_EQ(packet.m_playerId, 1234u);
    EXPECT_EQ(packet.m_packet, 10u + 1 + 2);
}

TEST_F(CommClientTest, DenialsAreLoggedAndTheConnectionClosed) {
    const struct {
        uint32_t result;
        const char* line;
    } cases[] = {
        {LOGIN_SERVER_FULL, "Login Denied - Server is full.\n"},
        {LOGIN_WRONG_VERSION, "Login Denied - Client and server versions do not match.\n"},
        {LOGIN_WRONG_PASSWORD, "Login Denied - Wrong password.\n"},
        {LOGIN_NAME_TAKEN, "Login Denied - Name already being used.\n"},
        {5, "Login Denied - Reason unknown.\n"},
        {0xffffffffu, "Login Denied - Reason unknown.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        m_you.m_client.Init(&m_you.m_log);
        m_you.m_log.m_text.clear();
        CloseSocket(m_host);
        m_heard.clear();
        m_hostSawEnd = false;
        Connect();
        LoginReply reply;
        reply.d_success = c.result;
        Answer(Encode(reply));
        ASSERT_TRUE(Until([&] { return m_hostSawEnd; })) << "the client closes its side";
        EXPECT_EQ(m_you.m_log.m_text, std::string("FD_CONNECT\nSending login request\n") + c.line +
                                          "Disconnect: pReply->d_success != LOGIN_OK\n");
        EXPECT_EQ(m_you.m_client.State(), cComm::CLOSING);
        EXPECT_EQ(m_you.m_client.PlayerCount(), 0);
        CloseSocket(m_host);
        ASSERT_TRUE(Until([&] { return m_you.m_client.State() == cComm::IDLE; }));
        EXPECT_EQ(m_you.m_log.m_text.find("FD_CLOSE"), std::string::npos) << "the close was the client's own";
    }
}

TEST_F(CommClientTest, KeepsTheListOfOtherPlayers) {
    Connect();
    Approve(3);
    Answer(Notice(NOTICE_ALREADY_PLAYING, 1, "Ann"));
    Answer(Notice(NOTICE_ENTERED, 7, "Bad\nName\x1b"));
    Answer(Notice(NOTICE_ENTERED, 7, "Again"));  // already known
    Answer(Notice(NOTICE_LEFT, 99, ""));         // never known
    Answer(Notice(NOTICE_LEFT, 1, ""));
    ASSERT_TRUE(Until([&] { return m_you.Has("has left"); }));
    EXPECT_EQ(m_you.m_log.m_text.substr(m_you.m_log.m_text.find("Player Ann")),
              "Player Ann (1) is already playing.\n"
              "Player Bad?Name? (7) had entered.\n"
              "ERROR: ConnectNotice error.\n"
              "ERROR: ConnectNotice error.\n"
              "Player Ann (1) has left.\n");
    EXPECT_EQ(m_you.m_client.PlayerCount(), 2);
    ASSERT_EQ(m_you.m_client.OtherPlayers().size(), 1u);
    EXPECT_EQ(m_you.m_client.OtherPlayers().front().m_playerId, 7);

    // A host that claims more players than a game holds is not believed.
    for (uint32_t id = 100; id < 120; ++id) Answer(Notice(NOTICE_ENTERED, id, "Crowd"));
    ASSERT_TRUE(Until([&] { return Count(m_you.m_log.m_text, "ConnectNotice error") == 2 + 20 - 7; }));
    EXPECT_EQ(m_you.m_client.OtherPlayers().size(), size_t(MAX_PLAYERS));
    EXPECT_EQ(m_you.m_client.PlayerCount(), MAX_PLAYERS + 1);
}

TEST_F(CommClientTest, HostHangingUpIsLoggedAndForgetsThePlayers) {
    Connect();
    Approve(3);
    Answer(Notice(NOTICE_ENTERED, 1, "Ann"));
    ASSERT_TRUE(Until([&] { return m_you.m_client.PlayerCount() == 2; }));
    CloseSocket(m_host);
    ASSERT_TRUE(Until([&] { return m_you.m_client.State() == cComm::IDLE; }));
    EXPECT_TRUE(
        m_you.Has("FD_CLOSE\nIf you see this it is because you have been disconnected by the server.\n"));
    EXPECT_TRUE(m_you.m_client.OtherPlayers().empty());
    EXPECT_EQ(m_you.m_client.PlayerCount(), 0);
}

TEST_F(CommClientTest, AnUnknownTypeFromTheHostEndsTheConnection) {
    Connect();
    Approve(3);
    Answer({9, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(Until([&] { return m_you.m_client.State() == cComm::IDLE; }));
    EXPECT_TRUE(m_you.Has("ERROR: The server sent a message of unknown type 9.\n")) << m_you.m_log.m_text;
    ASSERT_TRUE(Until([&] { return m_hostSawEnd; }));
}

TEST_F(CommClientTest, PacketsGoOutOnlyWhileConnected) {
    for (int pump = 0; pump < 20; ++pump) m_you.m_client.Pump(10);
    EXPECT_EQ(m_you.m_client.PacketCounter(), 0u);
    EXPECT_EQ(m_you.m_log.m_text, "");
}

TEST_F(CommClientTest, ConnectRefusalsAndAddresses) {
    // Nothing listens on a bound socket's port.
    int bound = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(bound, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    ASSERT_EQ(::getsockname(bound, reinterpret_cast<sockaddr*>(&address), &length), 0);
    m_you.m_client.Connect("127.0.0.1", ntohs(address.sin_port));
    ASSERT_TRUE(Until([&] { return m_you.m_client.State() == cComm::IDLE; }));
    const bool refused = m_you.m_log.m_text == "FD_CONNECT\nERROR: Error (111).\n" ||
                         m_you.m_log.m_text == "ERROR: Connection attempt failed!\n";
    EXPECT_TRUE(refused) << m_you.m_log.m_text;
    CloseSocket(bound);

    m_you.m_log.m_text.clear();
    EXPECT_FALSE(m_you.m_client.Connect("", m_port));
    EXPECT_EQ(m_you.m_log.m_text, "ERROR: Difficulties encountered resolving host address.\n");
    EXPECT_EQ(m_you.m_client.State(), cComm::IDLE);

    // A name is looked up; a connection under way refuses another.
    EXPECT_TRUE(m_you.m_client.Connect("localhost", m_port));
    EXPECT_FALSE(m_you.m_client.Connect("127.0.0.1", m_port));
    ASSERT_TRUE(Until([&] { return m_heard.size() >= LOGIN_REQUEST_SIZE; }));
    EXPECT_STREQ(m_you.m_client.HostName(), "localhost");
}

TEST_F(CommClientTest, StartingAfreshClosesTheConnection) {
    Connect();
    Approve(3);
    m_you.m_client.Init(&m_you.m_log);
    EXPECT_EQ(m_you.m_client.State(), cComm::IDLE);
    EXPECT_EQ(m_you.m_client.PlayerCount(), 0);
    ASSERT_TRUE(Until([&] { return m_hostSawEnd; }));
}

}  // namespace
}  // namespace ravel
