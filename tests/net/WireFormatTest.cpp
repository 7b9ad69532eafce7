#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "net/WireFormat.h"

namespace ravel {
namespace {

using Bytes = std::vector<uint8_t>;

const char NAME_31[] = "abcdefghijklmnopqrstuvwxyz01234";

TEST(WireFormat, LoginReplyForPlayer1234) {
    LoginReply reply;
    reply.d_success = LOGIN_OK;
    reply.m_maxPlayers = 8;
    reply.m_lastPacket = 0x01020304;
    reply.m_playerId = 1234;
    const Bytes expected = {0x02, 0, 0,    0,    0,    0,    0,    0,    0x08, 0,
                            0,    0, 0x04, 0x03, 0x02, 0x01, 0xd2, 0x04, 0,    0};
    EXPECT_EQ(Encode(reply), expected);
}

TEST(WireFormat, LoginRequestLayout) {
    LoginRequest request;
    CopyName(request.m_name, NAME_31);
    CopyName(request.m_password, "brisel42");
    const Bytes bytes = Encode(request);
    ASSERT_EQ(bytes.size(), LOGIN_REQUEST_SIZE);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{1, 0, 0, 0, 0, 0, 1, 0}));
    // The 31 characters and their NUL fill the field exactly.
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 39), NAME_31);
    EXPECT_EQ(bytes[39], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 40), "brisel42");
    EXPECT_EQ(Bytes(bytes.begin() + 48, bytes.end()), Bytes(24, 0)) << "the rest of the field is zeros";
}

TEST(WireFormat, NamesAreCutToThirtyOneBytes) {
    char field[NAME_SIZE];
    CopyName(field, "a name that is far too long for its thirty-two byte field");
    EXPECT_EQ(std::strlen(field), NAME_SIZE - 1);

    // A name field with no NUL in it comes out ended.
    Bytes bytes = Encode(ConnectNotice());
    std::memset(bytes.data() + 4, 'x', NAME_SIZE);
    ConnectNotice notice;
    ASSERT_TRUE(Decode(bytes.data(), bytes.size(), notice));
    EXPECT_EQ(std::string(notice.m_name), std::string(NAME_SIZE - 1, 'x'));
}

TEST(WireFormat, EveryMessageSurvivesARoundTrip) {
    LoginRequest request;
    request.m_versionMajor = 3;
    request.m_versionMinor = 0xfffe;
    CopyName(request.m_name, NAME_31);
    CopyName(request.m_password, "pw");
    LoginRequest request2;
    ASSERT_TRUE(Decode(Encode(request).data(), LOGIN_REQUEST_SIZE, request2));
    EXPECT_EQ(request2.m_versionMajor, 3);
    EXPECT_EQ(request2.m_versionMinor, 0xfffe);
    EXPECT_STREQ(request2.m_name, NAME_31);
    EXPECT_STREQ(request2.m_password, "pw");

    LoginReply reply;
    reply.d_success = LOGIN_NAME_TAKEN;
    reply.m_maxPlayers = -3;  // read back sign-extended
    reply.m_lastPacket = 0xfffffff0u;
    reply.m_playerId = 77;
    LoginReply reply2;
    ASSERT_TRUE(Decode(Encode(reply).data(), LOGIN_REPLY_SIZE, reply2));
    EXPECT_EQ(reply2.d_success, LOGIN_NAME_TAKEN);
    EXPECT_EQ(reply2.m_maxPlayers, -3);
    EXPECT_EQ(reply2.m_lastPacket, 0xfffffff0u);
    EXPECT_EQ(reply2.m_playerId, 77u);

    ConnectNotice notice;
    CopyName(notice.m_name, "Ann");
    notice.m_kind = NOTICE_ALREADY_PLAYING;
    notice.m_playing = 1;
    notice.m_playerId = 0x7fffffff;
    const Bytes noticeBytes = Encode(notice);
    ConnectNotice notice2;
    ASSERT_TRUE(Decode(noticeBytes.data(), noticeBytes.size(), notice2));
    EXPECT_STREQ(notice2.m_name, "Ann");
    EXPECT_EQ(notice2.m_kind, NOTICE_ALREADY_PLAYING);
    EXPECT_EQ(notice2.m_playing, 1u);
    EXPECT_EQ(notice2.m_playerId, 0x7fffffffu);
    EXPECT_EQ(Bytes(noticeBytes.begin() + 37, noticeBytes.begin() + 40), Bytes(3, 0)) << "padding";
    EXPECT_EQ(Bytes(noticeBytes.begin() + 48, noticeBytes.end()), Bytes(12, 0)) << "unfilled tail";

    ClientPacket packet;
    packet.m_playerId = 5;
    packet.m_packet = 123456;
    const Bytes packetBytes = Encode(packet);
    EXPECT_EQ(packetBytes, (Bytes{5, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 0x40, 0xe2, 0x01, 0}));
    ClientPacket packet2;
    ASSERT_TRUE(Decode(packetBytes.data(), packetBytes.size(), packet2));
    EXPECT_EQ(packet2.m_one, 1u);
    EXPECT_EQ(packet2.m_playerId, 5u);
    EXPECT_EQ(packet2.m_packet, 123456u);
}

TEST(WireFormat, SizesByType) {
    const struct {
        uint32_t type;
        size_t size;
    } cases[] = {
        {MSG_LOGIN_REQUEST, 72},
        {MSG_LOGIN_REPLY, 20},
        {MSG_CONNECT_NOTICE, 60},
        {MSG_CLIENT_PACKET, 16},
        // Cannot be framed: the player list, and types nobody knows.
        {MSG_PLAYER_LIST, 0},
        {0, 0},
        {6, 0},
        {0xffffffffu, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageSize(c.type), c.size) << c.type;
}

TEST(WireFormat, DecodersTakeOnlyTheirOwnWholeMessage) {
    const Bytes reply = Encode(LoginReply());
    LoginReply out;
    EXPECT_FALSE(Decode(reply.data(), reply.size() - 1, out)) << "short";
    EXPECT_FALSE(Decode(nullptr, 0, out));
    Bytes longer = reply;
    longer.push_back(0);
    EXPECT_FALSE(Decode(longer.data(), longer.size(), out)) << "long";
    Bytes otherType = reply;
    otherType[0] = MSG_CONNECT_NOTICE;
    EXPECT_FALSE(Decode(otherType.data(), otherType.size(), out));
    ClientPacket packet;
    EXPECT_FALSE(Decode(reply.data(), reply.size(), packet));
}

TEST(WireFormat, PrintableNameReplacesControlAndHighBytes) {
    const char name[] = {'A', '\n', 'b', '\x1b', '\xa3', '~', ' ', '\0'};
    EXPECT_EQ(PrintableName(name), "A?b??~ ");
    EXPECT_EQ(PrintableName("abcdef", 3), "abc");
}

// One stream of every kind of message, in order.
Bytes Stream(std::vector<Bytes>& messages) {
    LoginRequest request;
    CopyName(request.m_name, "Ann");
    ConnectNotice notice;
    notice.m_playerId = 9;
    messages = {Encode(request), Encode(LoginReply()), Encode(notice), Encode(ClientPacket())};
    Bytes stream;
    for (const Bytes& m : messages) stream.insert(stream.end(), m.begin(), m.end());
    return stream;
}

TEST(MessageFramer, CutsAStreamHoweverItArrives) {
    std::vector<Bytes> messages;
    const Bytes stream = Stream(messages);
    for (size_t chunk : {size_t(1), size_t(3), size_t(5), size_t(71), stream.size()}) {
        cMessageFramer framer;
        std::deque<cCommMessage> done;
        for (size_t at = 0; at < stream.size(); at += chunk) {
            ASSERT_TRUE(framer.Feed(stream.data() + at, std::min(chunk, stream.size() - at), done));
        }
        ASSERT_EQ(done.size(), messages.size()) << "chunks of " << chunk;
        for (size_t i = 0; i < messages.size(); ++i) {
            EXPECT_EQ(done[i].mv_data, messages[i]) << "chunks of " << chunk << ", message " << i;
            EXPECT_EQ(done[i].m_done, messages[i].size());
        }
        EXPECT_FALSE(framer.MidMessage());
    }
}

TEST(MessageFramer, KnowsWhenAMessageIsCutShort) {
    const Bytes request = Encode(LoginRequest());
    cMessageFramer framer;
    std::deque<cCommMessage> done;
    ASSERT_TRUE(framer.Feed(request.data(), 2, done));
    EXPECT_TRUE(framer.MidMessage()) << "half a type word";
    ASSERT_TRUE(framer.Feed(request.data() + 2, 40, done));
    EXPECT_TRUE(framer.MidMessage());
    EXPECT_TRUE(done.empty());
    ASSERT_TRUE(framer.Feed(request.data() + 42, request.size() - 42, done));
    EXPECT_FALSE(framer.MidMessage());
    EXPECT_EQ(done.size(), 1u);
}

TEST(MessageFramer, ATypeWithNoSizeBreaksTheStream) {
    for (uint32_t bad : {uint32_t(MSG_PLAYER_LIST), 0u, 9u, 0x01000000u}) {
        Bytes stream = Encode(ClientPacket());
        for (int i = 0; i < 4; ++i) stream.push_back(uint8_t(bad >> (8 * i)));
        const Bytes after = Encode(ClientPacket());
        stream.insert(stream.end(), after.begin(), after.end());

        cMessageFramer framer;
        std::deque<cCommMessage> done;
        EXPECT_FALSE(framer.Feed(stream.data(), stream.size(), done)) << bad;
        EXPECT_TRUE(framer.Broken());
        EXPECT_EQ(framer.BadType(), bad);
        EXPECT_EQ(done.size(), 1u) << "what came before is kept; nothing after";
        EXPECT_FALSE(framer.Feed(after.data(), after.size(), done)) << "and stays broken";
        EXPECT_EQ(done.size(), 1u);
    }
}

}  // namespace
}  // namespace ravel
