#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <thread>

#include "NetFixture.h"

namespace ravel {
namespace {

std::vector<uint8_t> Prefix(std::vector<uint8_t> bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

class CommServerTest : public NetTest {
protected:
    // Sends a login from a raw socket and reads the reply.
    LoginReply RawLogin(RawPeer& raw, const std::vector<uint8_t>& request) {
        raw.Send(request);
        LoginReply reply;
        EXPECT_TRUE(Until([&] { return raw.m_received.size() >= LOGIN_REPLY_SIZE; }));
        if (raw.m_received.size() < LOGIN_REPLY_SIZE) return reply;
        EXPECT_TRUE(Decode(raw.m_received.data(), LOGIN_REPLY_SIZE, reply));
        raw.m_received.erase(raw.m_received.begin(), raw.m_received.begin() + LOGIN_REPLY_SIZE);
        return reply;
    }
    const cCommPeer* PeerOf(int32_t id) const {
        for (const cCommPeer& peer : m_server.Peers()) {
            if (peer.m_playerId == id) return &peer;
        }
        return nullptr;
    }
    // Moves the test's clock on and lets the server see it.
    void Wait(uint32_t ms) {
        m_clock.Advance(ms);
        m_server.Poll();
    }
    bool Logged(const std::string& text) const { return m_serverLog.m_text.find(text) != std::string::npos; }
};

TEST_F(CommServerTest, LoginOutcomes) {
    const struct {
        const char* what;
        int players;  // logged in before, as "p0", "p1", ...
        int waiting;  // connections that never log in
        const char* serverPassword;
        const char* name;
        const char* password;
        uint16_t minor;
        uint32_t expected;
    } cases[] = {
        {"first player", 0, 0, "", "Ann", "anything", 1, LOGIN_OK},
        {"eighth player", 7, 3, "", "Ann", "", 1, LOGIN_OK},
        {"ninth player", 8, 0, "", "Ann", "", 1, LOGIN_SERVER_FULL},
        {"other version", 0, 0, "", "Ann", "", 2, LOGIN_WRONG_VERSION},
        {"wrong password", 0, 0, "secret", "Ann", "brisel42", 1, LOGIN_WRONG_PASSWORD},
        {"right password", 0, 0, "secret", "Ann", "secret", 1, LOGIN_OK},
        {"empty name", 0, 0, "", "", "", 1, LOGIN_NAME_TAKEN},
        {"taken name", 2, 0, "", "p1", "", 1, LOGIN_NAME_TAKEN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_server.Shutdown();
        mv_raw.clear();
        mv_rawOwned.clear();
        ASSERT_EQ(m_server.Start(0, &m_serverLog), 0);
        m_port = m_server.Port();
        m_server.SetPassword(c.serverPassword);
        for (int i = 0; i < c.players; ++i) {
            const std::string name = "p" + std::to_string(i);
            ASSERT_EQ(RawLogin(AddRaw(), Login(name.c_str(), c.serverPassword)).d_success, LOGIN_OK);
        }
        for (int i = 0; i < c.waiting; ++i) AddRaw();
        ASSERT_TRUE(ServerSees(c.players + c.waiting));

        RawPeer& raw = AddRaw();
        const LoginReply reply = RawLogin(raw, Login(c.name, c.password, c.minor));
        EXPECT_EQ(reply.d_success, c.expected);
        EXPECT_EQ(reply.m_maxPlayers, MAX_PLAYERS);
        EXPECT_EQ(reply.m_lastPacket, 0u);
        // Ids count connections from 1, whatever the sockets' numbers.
        EXPECT_EQ(reply.m_playerId, uint32_t(c.players + c.waiting + 1));
        EXPECT_EQ(m_server.PlayerCount(), c.players + (c.expected == LOGIN_OK ? 1 : 0));
    }
}

TEST_F(CommServerTest, PlayersHearOfEachOtherComingAndGoing) {
    TestClient& ann = Join("Ann");
    TestClient& bob = Join("Bob");
    RawPeer& waiting = AddRaw();
    TestClient& cy = Join("Cy");
    ASSERT_TRUE(Until([&] {
        return cy.m_client.PlayerCount() == 3 && ann.m_client.PlayerCount() == 3 &&
               bob.m_client.PlayerCount() == 3;
    }));
    EXPECT_EQ(cy.m_log.m_text,
              "FD_CONNECT\nSending login request\nLogin Approved\nPlayer id = 4\nLast packet sent = 0\n"
              "Player Bob (2) is already playing.\nPlayer Ann (1) is already playing.\n");
    EXPECT_TRUE(ann.Has("Player Bob (2) had entered.\nPlayer Cy (4) had entered.\n")) << ann.m_log.m_text;
    EXPECT_TRUE(bob.Has("Player Ann (1) is already playing.\nPlayer Cy (4) had entered.\n"))
        << bob.m_log.m_text;

    cy.m_client.Disconnect();
    ASSERT_TRUE(Until([&] { return ann.m_client.PlayerCount() == 2 && bob.m_client.PlayerCount() == 2; }));
    for (TestClient* other : {&ann, &bob}) {
        EXPECT_TRUE(other->Has("Player Cy (4) has left.\n")) << other->m_log.m_text;
        EXPECT_EQ(other->m_client.OtherPlayers().size(), 1u);
    }
    ASSERT_TRUE(Until([&] { return cy.m_client.State() == cComm::IDLE; }));
    EXPECT_FALSE(cy.Has("FD_CLOSE")) << "Cy left by himself";
    EXPECT_EQ(m_server.ClientCount(), 3);
    // Only players hear who leaves.
    waiting.Read();
    EXPECT_TRUE(waiting.m_received.empty());
    EXPECT_FALSE(waiting.m_ended);
}

TEST_F(CommServerTest, MessagesAreFramedHoweverTheyArrive) {
    // Byte by byte, with the server looking in between.
    RawPeer& dribble = AddRaw();
    const std::vector<uint8_t> request = Login("Dee");
    for (uint8_t byte : request) {
        dribble.Send(&byte, 1);
        m_server.Poll();
        Breathe();
    }
    ASSERT_TRUE(Until([&] { return dribble.m_received.size() >= LOGIN_REPLY_SIZE; }));
    ASSERT_NE(PeerOf(1), nullptr);
    EXPECT_TRUE(PeerOf(1)->mb_loggedIn);
    EXPECT_STREQ(PeerOf(1)->m_name, "Dee");

    // A login and a packet in one send.
    RawPeer& both = AddRaw();
    std::vector<uint8_t> two = Login("Eve");
    ClientPacket packet;
    packet.m_playerId = 2;
    packet.m_packet = 41;
    const std::vector<uint8_t> packetBytes = Encode(packet);
    two.insert(two.end(), packetBytes.begin(), packetBytes.end());
    both.Send(two);
    ASSERT_TRUE(Until([&] { return PeerOf(2) && PeerOf(2)->m_packets == 1; }));
    EXPECT_TRUE(PeerOf(2)->mb_loggedIn);
    EXPECT_EQ(PeerOf(2)->m_lastPacket, 41u);

    // A second of a real client's packets, one every 50 ms.
    TestClient& ann = Join("Ann");
    const int32_t id = ann.m_client.PlayerId();
    const uint32_t before = ann.m_client.PacketCounter();
    for (int pump = 0; pump < 100; ++pump) {
        ann.m_client.Pump(10);
        m_server.Poll();
    }
    const uint32_t sent = ann.m_client.PacketCounter() - before;
    EXPECT_EQ(sent, 19u) << "the first goes once 50 ms have passed";
    ASSERT_TRUE(Until([&] { return PeerOf(id)->m_packets == sent; }));
    EXPECT_EQ(PeerOf(id)->m_lastPacket, ann.m_client.PacketCounter() - 1 + 2);
    EXPECT_EQ(m_server.ClientCount(), 3);
    EXPECT_EQ(m_serverLog.m_text, "") << "nothing went wrong";
}

TEST_F(CommServerTest, BadStreamsAreClosedWhileTheOthersGoOn) {
    TestClient& ann = Join("Ann");
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool logsIn;  // sends a login first
        const char* logged;
    } cases[] = {
        {"unknown type", {9, 0, 0, 0, 1, 2, 3, 4}, true, "it sent a message of unknown type 9"},
        {"player list", {4, 0, 0, 0}, false, "unknown type 4"},
        {"reply sent to the server", Encode(LoginReply()), true, "INVALID MESSAGE: type (?) = 2"},
        {"gone mid-message", Prefix(Login("Half"), 30), false, "it closed in the middle of a message"},
    };
    int players = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_serverLog.m_text.clear();
        RawPeer& raw = AddRaw();
        ASSERT_TRUE(ServerSees(2));
        std::string name = "Raw" + std::to_string(players + 1);
        if (c.logsIn) {
            ASSERT_EQ(RawLogin(raw, Login(name.c_str())).d_success, LOGIN_OK);
            ASSERT_TRUE(Until([&] { return ann.m_client.PlayerCount() == 2; }));
        }
        raw.Send(c.bytes);
        if (std::string(c.what) == "gone mid-message") raw.Close();
        ASSERT_TRUE(Until([&] { return m_server.ClientCount() == 1; }));
        EXPECT_TRUE(Logged(c.logged)) << m_serverLog.m_text;
        if (raw.m_socket >= 0) {
            ASSERT_TRUE(Until([&] { return raw.m_ended; }));
        }
        if (c.logsIn) {
            ASSERT_TRUE(Until([&] { return ann.m_client.PlayerCount() == 1; }));
            EXPECT_TRUE(ann.Has("Player " + name + " (")) << ann.m_log.m_text;
        }
        ++players;
    }
    // Ann is still served: her packets are heard and a newcomer meets her.
    for (int pump = 0; pump < 10; ++pump) ann.m_client.Pump(10);
    ASSERT_TRUE(Until([&] { return PeerOf(ann.m_client.PlayerId())->m_packets > 0; }));
    TestClient& bob = Join("Bob");
    ASSERT_TRUE(Until([&] { return bob.Has("Player Ann (1) is already playing."); }));
}

TEST_F(CommServerTest, ConnectionsThatNeverLogInAreClosedAfterFiveSeconds) {
    RawPeer& idle = AddRaw();
    ASSERT_TRUE(ServerSees(1));
    Wait(LOGIN_TIMEOUT_MS);
    Breathe();
    idle.Read();
    EXPECT_FALSE(idle.m_ended);
    EXPECT_EQ(m_server.ClientCount(), 1);
    Wait(1);
    EXPECT_EQ(m_server.ClientCount(), 0);
    ASSERT_TRUE(Until([&] { return idle.m_ended; }));
    EXPECT_TRUE(Logged("Closed the connection of client 1: it did not log in in time.\n"))
        << m_serverLog.m_text;
}

// A client sends a packet every 50 ms: a player who goes on doing so stays
// however long he plays, and one silent for ten seconds is closed, and the
// others hear that he has left.
TEST_F(CommServerTest, APlayerSilentForTenSecondsIsClosed) {
    TestClient& ann = Join("Ann");
    TestClient& bob = Join("Bob");
    ASSERT_TRUE(Until([&] { return ann.m_client.PlayerCount() == 2; }));
    for (int second = 0; second < 30; ++second) {
        m_clock.Advance(1000);
        for (int pump = 0; pump < 25; ++pump) ann.m_client.Pump(40);  // a second's packets
        const uint64_t heard = PeerOf(ann.m_client.PlayerId())->m_bytesHeard;
        ASSERT_TRUE(Until([&] { return PeerOf(ann.m_client.PlayerId())->m_bytesHeard > heard; }));
        if (second * 1000 < int(PLAYER_TIMEOUT_MS)) {
            EXPECT_EQ(m_server.PlayerCount(), 2) << second;
        }
    }
    EXPECT_EQ(m_server.PlayerCount(), 1);
    EXPECT_EQ(PeerOf(bob.m_client.PlayerId()), nullptr);
    EXPECT_TRUE(Logged("Closed the connection of client 2: it sent nothing for ten seconds.\n"))
        << m_serverLog.m_text;
    ASSERT_TRUE(Until([&] { return ann.Has("Player Bob (2) has left.\n"); })) << ann.m_log.m_text;
    ASSERT_TRUE(Until([&] { return bob.m_client.State() == cComm::IDLE; }));
    EXPECT_TRUE(bob.Has("you have been disconnected by the server")) << bob.m_log.m_text;
    EXPECT_EQ(ann.m_client.State(), cComm::CONNECTED);
}

// From one address at most sixteen connections wait to log in. Past that
// the oldest that has sent nothing for a while makes way; one under way with
// a login never does, and with no one to drop the newcomer is closed.
TEST_F(CommServerTest, WaitingConnectionsAreCappedAndNeverBlockALogin) {
    const std::vector<uint8_t> login = Login("Mid");
    RawPeer& midLogin = AddRaw();
    midLogin.Send(Prefix(login, 10));
    for (int i = 1; i < MAX_WAITING_PER_ADDRESS; ++i) AddRaw();
    ASSERT_TRUE(ServerSees(MAX_WAITING_PER_ADDRESS));
    ASSERT_TRUE(Until([&] { return m_server.Peers().back().m_bytesHeard > 0; }));

    // Too young to make way: the newcomer is closed.
    RawPeer& early = AddRaw();
    ASSERT_TRUE(Until([&] { return early.m_ended; }));
    EXPECT_EQ(m_server.ClientCount(), MAX_WAITING_PER_ADDRESS);

    m_clock.Advance(SILENT_GRACE_MS);
    RawPeer& late = AddRaw();
    ASSERT_TRUE(Until([&] { return mv_raw[1]->m_ended; })) << "the oldest silent one makes way";
    EXPECT_EQ(m_server.ClientCount(), MAX_WAITING_PER_ADDRESS);
    EXPECT_TRUE(Logged("Too many connections are waiting to log in")) << m_serverLog.m_text;
    for (RawPeer* raw : {&midLogin, &late}) {
        raw->Read();
        EXPECT_FALSE(raw->m_ended);
    }

    TestClient& ann = Join("Ann");
    EXPECT_EQ(m_server.PlayerCount(), 1);
    EXPECT_EQ(ann.m_client.State(), cComm::CONNECTED);
    midLogin.Send(std::vector<uint8_t>(login.begin() + 10, login.end()));
    ASSERT_TRUE(Until([&] { return m_server.PlayerCount() == 2; })) << "the login under way completes";
}

// A loop that connects and closes as fast as it can, from the same address,
// beside real clients logging in one after another: every login goes through.
TEST_F(CommServerTest, AConnectAndCloseLoopDoesNotLockPlayersOut) {
    std::atomic<bool> stop{false};
    std::atomic<int> churned{0};
    std::thread churn([&] {
        while (!stop) {
            RawPeer raw(m_port);
            if (raw.m_connected) ++churned;
        }
    });
    int logins = 0;
    for (int i = 0; i < 20; ++i) {
        const std::string name = "Player" + std::to_string(i);
        TestClient& client = AddClient(name.c_str());
        if (Until([&] { return client.m_client.LoggedIn(); })) ++logins;
        client.m_client.Disconnect();
        ASSERT_TRUE(Until([&] { return m_server.PlayerCount() == 0; }));
        mv_clients.clear();
    }
    stop = true;
    churn.join();
    EXPECT_EQ(logins, 20) << m_serverLog.m_text;
    EXPECT_GT(churned.load(), 20) << "the loop ran beside the logins";
}

TEST_F(CommServerTest, ASecondServerCannotTakeABusyPort) {
    cCommTextLog log;
    cCommServer second(m_clock);
    EXPECT_EQ(second.Start(m_port, &log), EADDRINUSE);
    EXPECT_FALSE(second.Running());
    EXPECT_EQ(log.m_text,
              "ERROR: Cannot host a game on port " + std::to_string(m_port) + ": Address already in use.\n");
    // The first goes on serving.
    Join("Ann");
    EXPECT_EQ(m_server.PlayerCount(), 1);
}

TEST_F(CommServerTest, AServerReportsTheAddressToJoin) {
    EXPECT_TRUE(m_server.Running());
    in_addr address{};
    EXPECT_EQ(inet_pton(AF_INET, m_server.DottedAddress(), &address), 1) << m_server.DottedAddress();
}

TEST(CommPeer, OutQueueIsBounded) {
    cCommPeer peer;
    const std::vector<uint8_t> packet(CLIENT_PACKET_SIZE, 0);
    size_t queued = 0;
    while (peer.QueueOutgoing(packet)) queued += packet.size();
    EXPECT_EQ(queued, OUT_QUEUE_LIMIT);
    EXPECT_EQ(peer.Unsent(), OUT_QUEUE_LIMIT + packet.size());
    // What has been sent no longer counts.
    peer.mv_outgoing.front().m_done = CLIENT_PACKET_SIZE;
    EXPECT_EQ(peer.Unsent(), OUT_QUEUE_LIMIT);
}

}  // namespace
}  // namespace ravel
