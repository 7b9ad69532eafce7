#include "net/WireFormat.h"

#include <algorithm>
#include <cstring>

namespace ravel {

namespace {

// Offsets of the fields that are not at the head of their message.
constexpr size_t REQUEST_NAME = 8;
constexpr size_t REQUEST_PASSWORD = 40;
constexpr size_t REPLY_MAX_PLAYERS = 8;
constexpr size_t REPLY_LAST_PACKET = 12;
constexpr size_t REPLY_PLAYER_ID = 16;
constexpr size_t NOTICE_NAME = 4;
constexpr size_t NOTICE_KIND = 36;
constexpr size_t NOTICE_PLAYING = 40;
constexpr size_t NOTICE_PLAYER_ID = 44;

struct SizeRow {
    uint32_t type;
    size_t size;
};
constexpr SizeRow SIZES[] = {
    {MSG_LOGIN_REQUEST, LOGIN_REQUEST_SIZE},
    {MSG_LOGIN_REPLY, LOGIN_REPLY_SIZE},
    {MSG_CONNECT_NOTICE, CONNECT_NOTICE_SIZE},
    {MSG_CLIENT_PACKET, CLIENT_PACKET_SIZE},
};

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t value) {
    out[at] = uint8_t(value);
    out[at + 1] = uint8_t(value >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) out[at + i] = uint8_t(value >> (8 * i));
}

void PutName(std::vector<uint8_t>& out, size_t at, const char (&name)[NAME_SIZE]) {
    char field[NAME_SIZE];
    CopyName(field, name);
    std::memcpy(out.data() + at, field, NAME_SIZE);
}

uint16_t Get16(const uint8_t* data, size_t at) {
    return uint16_t(data[at] | data[at + 1] << 8);
}

uint32_t Get32(const uint8_t* data, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= uint32_t(data[at + i]) << (8 * i);
    return value;
}

void GetName(const uint8_t* data, size_t at, char (&name)[NAME_SIZE]) {
    std::memcpy(name, data + at, NAME_SIZE);
    name[NAME_SIZE - 1] = '\0';
}

// A zeroed message of this type with its type word written.
std::vector<uint8_t> Blank(uint32_t type) {
    std::vector<uint8_t> out(MessageSize(type), 0);
    Put32(out, 0, type);
    return out;
}

bool Fits(const uint8_t* data, size_t size, uint32_t type) {
    return data && size == MessageSize(type) && Get32(data, 0) == type;
}

}  // namespace

size_t MessageSize(uint32_t type) {
    for (const SizeRow& row : SIZES) {
        if (row.type == type) return row.size;
    }
    return 0;
}

uint32_t cCommMessage::Type() const {
    return mv_data.size() < TYPE_SIZE ? 0 : Get32(mv_data.data(), 0);
}

void CopyName(char (&field)[NAME_SIZE], const char* name) {
    std::memset(field, 0, NAME_SIZE);
    if (name) std::memcpy(field, name, strnlen(name, NAME_SIZE - 1));
}

std::string PrintableName(const char* name, size_t limit) {
    std::string text(name, strnlen(name, limit));
    for (char& c : text) {
        if (c < 0x20 || c > 0x7e) c = '?';
    }
    return text;
}

std::vector<uint8_t> Encode(const LoginRequest& message) {
    std::vector<uint8_t> out = Blank(MSG_LOGIN_REQUEST);
    Put16(out, 4, message.m_versionMajor);
    Put16(out, 6, message.m_versionMinor);
    PutName(out, REQUEST_NAME, message.m_name);
    PutName(out, REQUEST_PASSWORD, message.m_password);
    return out;
}

std::vector<uint8_t> Encode(const LoginReply& message) {
    std::vector<uint8_t> out = Blank(MSG_LOGIN_REPLY);
    Put32(out, 4, message.d_success);
    out[REPLY_MAX_PLAYERS] = uint8_t(message.m_maxPlayers);
    Put32(out, REPLY_LAST_PACKET, message.m_lastPacket);
    Put32(out, REPLY_PLAYER_ID, message.m_playerId);
    return out;
}

std::vector<uint8_t> Encode(const ConnectNotice& message) {
    std::vector<uint8_t> out = Blank(MSG_CONNECT_NOTICE);
    PutName(out, NOTICE_NAME, message.m_name);
    out[NOTICE_KIND] = message.m_kind;
    Put32(out, NOTICE_PLAYING, message.m_playing);
    Put32(out, NOTICE_PLAYER_ID, message.m_playerId);
    return out;
}

std::vector<uint8_t> Encode(const ClientPacket& message) {
    std::vector<uint8_t> out = Blank(MSG_CLIENT_PACKET);
    Put32(out, 4, message.m_one);
    Put32(out, 8, message.m_playerId);
    Put32(out, 12, message.m_packet);
    return out;
}

bool Decode(const uint8_t* data, size_t size, LoginRequest& message) {
    if (!Fits(data, size, MSG_LOGIN_REQUEST)) return false;
    message.m_versionMajor = Get16(data, 4);
    message.m_versionMinor = Get16(data, 6);
    GetName(data, REQUEST_NAME, message.m_name);
    GetName(data, REQUEST_PASSWORD, message.m_password);
    return true;
}

bool Decode(const uint8_t* data, size_t size, LoginReply& message) {
    if (!Fits(data, size, MSG_LOGIN_REPLY)) return false;
    message.d_success = Get32(data, 4);
    message.m_maxPlayers = int8_t(data[REPLY_MAX_PLAYERS]);
    message.m_lastPacket = Get32(data, REPLY_LAST_PACKET);
    message.m_playerId = Get32(data, REPLY_PLAYER_ID);
    return true;
}

bool Decode(const uint8_t* data, size_t size, ConnectNotice& message) {
    if (!Fits(data, size, MSG_CONNECT_NOTICE)) return false;
    GetName(data, NOTICE_NAME, message.m_name);
    message.m_kind = data[NOTICE_KIND];
    message.m_playing = Get32(data, NOTICE_PLAYING);
    message.m_playerId = Get32(data, NOTICE_PLAYER_ID);
    return true;
}

bool Decode(const uint8_t* data, size_t size, ClientPacket& message) {
    if (!Fits(data, size, MSG_CLIENT_PACKET)) return false;
    message.m_one = Get32(data, 4);
    message.m_playerId = Get32(data, 8);
    message.m_packet = Get32(data, 12);
    return true;
}

bool cMessageFramer::Feed(const uint8_t* data, size_t size, std::deque<cCommMessage>& done) {
    while (!mb_broken && size > 0) {
        if (m_current.mv_data.empty()) m_current.mv_data.resize(TYPE_SIZE);
        const size_t take = std::min(size, m_current.Left());
        std::memcpy(m_current.mv_data.data() + m_current.m_done, data, take);
        m_current.m_done += take;
        data += take;
        size -= take;
        if (m_current.Left() > 0) break;
        if (m_size == 0) {
            m_size = MessageSize(m_current.Type());
            if (m_size == 0) {
                m_badType = m_current.Type();
                mb_broken = true;
                break;
            }
            m_current.mv_data.resize(m_size);
            if (m_current.Left() > 0) continue;
        }
        done.push_back(std::move(m_current));
        m_current = cCommMessage();
        m_size = 0;
    }
    return !mb_broken;
}

}  // namespace ravel
