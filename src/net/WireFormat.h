// The messages of the network link. Each is a fixed block of little-endian
// fields whose first 32-bit word is its type; there is no length prefix, so
// the receiver learns a message's length from its type alone. Messages are
// written and read field by field; padding goes out as zeros and is never
// read. Names are 32-byte fields: at most 31 bytes and a NUL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace ravel {

enum MessageType : uint32_t {
    MSG_LOGIN_REQUEST = 1,
    MSG_LOGIN_REPLY = 2,
    MSG_CONNECT_NOTICE = 3,
    // A player list's length would hang on the receiver's own count of
    // players, so it cannot be framed; nothing sends one.
    MSG_PLAYER_LIST = 4,
    MSG_CLIENT_PACKET = 5,
};

inline constexpr size_t LOGIN_REQUEST_SIZE = 72;
inline constexpr size_t LOGIN_REPLY_SIZE = 20;
inline constexpr size_t CONNECT_NOTICE_SIZE = 60;
inline constexpr size_t CLIENT_PACKET_SIZE = 16;
inline constexpr size_t TYPE_SIZE = 4;
inline constexpr size_t NAME_SIZE = 32;

// LoginReply::d_success.
enum LoginResult : uint32_t {
    LOGIN_OK = 0,
    LOGIN_SERVER_FULL = 1,
    LOGIN_WRONG_VERSION = 2,
    LOGIN_WRONG_PASSWORD = 3,
    LOGIN_NAME_TAKEN = 4,  // or empty
};

// ConnectNotice::m_kind.
enum NoticeKind : uint8_t {
    NOTICE_ENTERED = 1,
    NOTICE_ALREADY_PLAYING = 2,
    NOTICE_LEFT = 3,
};

inline constexpr uint16_t LINK_VERSION_MAJOR = 0;
inline constexpr uint16_t LINK_VERSION_MINOR = 1;

struct LoginRequest {
    uint16_t m_versionMajor = LINK_VERSION_MAJOR;
    uint16_t m_versionMinor = LINK_VERSION_MINOR;
    char m_name[NAME_SIZE] = {};
    char m_password[NAME_SIZE] = {};
};

struct LoginReply {
    uint32_t d_success = LOGIN_OK;
    int8_t m_maxPlayers = 0;
    uint32_t m_lastPacket = 0;  // the server's packet counter
    uint32_t m_playerId = 0;
};

struct ConnectNotice {
    char m_name[NAME_SIZE] = {};  // empty when a player left
    uint8_t m_kind = NOTICE_ENTERED;
    uint32_t m_playing = 0;  // 1 in an "already playing" notice
    uint32_t m_playerId = 0;
};

struct ClientPacket {
    uint32_t m_one = 1;
    uint32_t m_playerId = 0;
    uint32_t m_packet = 0;
};

// The length of a message of this type, the same at both ends; 0 for a type
// that cannot be framed (unknown, or the player list).
size_t MessageSize(uint32_t type);

std::vector<uint8_t> Encode(const LoginRequest& message);
std::vector<uint8_t> Encode(const LoginReply& message);
std::vector<uint8_t> Encode(const ConnectNotice& message);
std::vector<uint8_t> Encode(const ClientPacket& message);

// Each takes one whole message: false unless the size and type are its own.
// Names come out cut at 31 bytes and ended.
bool Decode(const uint8_t* data, size_t size, LoginRequest& message);
bool Decode(const uint8_t* data, size_t size, LoginReply& message);
bool Decode(const uint8_t* data, size_t size, ConnectNotice& message);
bool Decode(const uint8_t* data, size_t size, ClientPacket& message);

// A queued message: its bytes and how many of them have been sent or
// received.
struct cCommMessage {
    std::vector<uint8_t> mv_data;
    size_t m_done = 0;

    size_t Size() const { return mv_data.size(); }
    size_t Left() const { return mv_data.size() - m_done; }
    // The type word; 0 for a message too short to hold one.
    uint32_t Type() const;
};

// Copies a name into a 32-byte field: at most 31 bytes, the rest zeros.
void CopyName(char (&field)[NAME_SIZE], const char* name);
// A received name fit to print: bytes outside printable ASCII become '?'.
std::string PrintableName(const char* name, size_t limit = NAME_SIZE);

// Cuts a byte stream into whole messages, however the bytes arrive: one at a
// time, several messages at once, a message split over many reads.
class cMessageFramer {
public:
    // Takes the next bytes of the stream and appends each message completed
    // to `done`. False once a type with no size has been read: the stream
    // cannot be followed past it, and every later call is false too.
    bool Feed(const uint8_t* data, size_t size, std::deque<cCommMessage>& done);
    // Part of a message has arrived and the rest has not.
    bool MidMessage() const { return m_current.m_done > 0; }
    bool Broken() const { return mb_broken; }
    // The type that broke the stream.
    uint32_t BadType() const { return m_badType; }

private:
    cCommMessage m_current;
    size_t m_size = 0;  // of the message being read; 0 while its type is
    bool mb_broken = false;
    uint32_t m_badType = 0;
};

}  // namespace ravel
