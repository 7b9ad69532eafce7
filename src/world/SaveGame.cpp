#include "world/SaveGame.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "world/Paths.h"

namespace ravel {

namespace {

std::string g_savesFolder;

// Little-endian int32 fields of the world-state record, in file order.
template <typename Visit>
void ForEachStateField(CricketData& s, Visit visit) {
    for (int32_t* field : {&s.m_gameMode, &s.m_lead2, &s.m_lead3, &s.m_date.m_second, &s.m_date.m_minute,
                           &s.m_date.m_hour, &s.m_date.m_reserved, &s.m_date.m_day, &s.m_date.m_month,
                           &s.m_date.m_year, &s.m_date.m_season, &s.m_date.m_dayOfSeason, &s.m_reserved56,
                           &s.m_startDay, &s.m_startMonth, &s.m_startYear, &s.m_team, &s.m_reserved76,
                           &s.m_coachIndex, &s.m_climateMonth, &s.m_pendingMessage, &s.m_dayPhase}) {
        visit(*field);
    }
}

bool* StateFlags(CricketData& s, int index) {
    bool* flags[4] = {&s.m_autoSimulate, &s.m_option1, &s.m_autosave, &s.m_matchViewSounds};
    return flags[index];
}

int32_t GetInt32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(u >> shift));
}

}  // namespace

void SetSavesFolder(const std::string& folder) { g_savesFolder = folder; }

const std::string& SavesFolder() { return g_savesFolder; }

SaveGameHeader DecodeSaveGameHeader(const uint8_t* bytes, size_t count) {
    CricketData state;
    char tag[SAVE_TAG_BYTES] = {};
    char name[SAVE_NAME_BYTES] = {};

    // Fields past the end of a short file keep their defaults.
    if (count >= SAVE_TAG_BYTES) std::memcpy(tag, bytes, SAVE_TAG_BYTES);
    size_t offset = SAVE_TAG_BYTES;
    ForEachStateField(state, [&](int32_t& field) {
        if (offset + 4 <= count) field = GetInt32(bytes + offset);
        offset += 4;
    });
    for (int i = 0; i < 4; ++i, ++offset) {
        if (offset < count) *StateFlags(state, i) = bytes[offset] != 0;
    }
    if (offset < count) std::memcpy(name, bytes + offset, std::min<size_t>(count - offset, SAVE_NAME_BYTES));

    SaveGameHeader header;
    header.m_team = state.m_team;
    header.m_day = state.m_date.m_day;
    header.m_month = state.m_date.m_month;
    header.m_year = state.m_date.m_year;
    std::memcpy(header.m_coachName, name, SAVE_NAME_BYTES - 1);
    header.m_coachName[SAVE_NAME_BYTES - 1] = '\0';
    // The tag and its terminating zero are compared; the last two bytes are not.
    if (std::memcmp(tag, SAVE_TAG, sizeof SAVE_TAG) != 0) header.m_team = SAVE_OTHER_VERSION;
    return header;
}

SaveGameHeader ReadSaveGameHeader(const char* fileName) {
    const std::string gamePath = g_savesFolder.empty() ? std::string(fileName) : g_savesFolder + "\\" + fileName;
    std::ifstream in(NativePath(gamePath), std::ios::binary);
    uint8_t bytes[SAVE_HEADER_BYTES] = {};
    size_t count = 0;
    if (in) {
        in.read(reinterpret_cast<char*>(bytes), SAVE_HEADER_BYTES);
        count = static_cast<size_t>(in.gcount());
    }
    return DecodeSaveGameHeader(bytes, count);
}

bool WriteSaveGameHeader(std::ostream& out, const CricketData& state, const char* coachName) {
    std::vector<uint8_t> bytes(SAVE_TAG_BYTES, 0);
    std::memcpy(bytes.data(), SAVE_TAG, sizeof SAVE_TAG);
    CricketData copy = state;
    ForEachStateField(copy, [&](int32_t& field) { PutInt32(bytes, field); });
    for (int i = 0; i < 4; ++i) bytes.push_back(*StateFlags(copy, i) ? 1 : 0);
    char name[SAVE_NAME_BYTES] = {};
    if (coachName) std::strncpy(name, coachName, SAVE_NAME_BYTES - 1);
    bytes.insert(bytes.end(), std::begin(name), std::end(name));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace ravel
