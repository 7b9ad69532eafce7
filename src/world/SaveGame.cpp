#include "world/SaveGame.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "world/DbFile.h"
#include "world/Paths.h"

namespace ravel {

namespace {

std::string g_savesFolder;

// The world-state record of the header, field by field, for reading and writing.
template <class A, class State>
void IoState(A& a, State& s) {
    a.I32(s.m_gameMode);
    a.I32(s.m_lead2);
    a.I32(s.m_lead3);
    a.I32(s.m_date.m_second);
    a.I32(s.m_date.m_minute);
    a.I32(s.m_date.m_hour);
    a.I32(s.m_date.m_reserved);
    a.I32(s.m_date.m_day);
    a.I32(s.m_date.m_month);
    a.I32(s.m_date.m_year);
    a.I32(s.m_date.m_season);
    a.I32(s.m_date.m_dayOfSeason);
    a.I32(s.m_reserved56);
    a.I32(s.m_startDay);
    a.I32(s.m_startMonth);
    a.I32(s.m_startYear);
    a.I32(s.m_team);
    a.I32(s.m_reserved76);
    a.I32(s.m_coachIndex);
    a.I32(s.m_climateMonth);
    a.I32(s.m_pendingMessage);
    a.I32(s.m_dayPhase);
    a.Byte(s.m_autoSimulate);
    a.Byte(s.m_option1);
    a.Byte(s.m_autosave);
    a.Byte(s.m_matchViewSounds);
}

}  // namespace

void SetSavesFolder(const std::string& folder) {
    g_savesFolder = folder;
}

const std::string& SavesFolder() {
    return g_savesFolder;
}

SaveGameHeader DecodeSaveGameHeader(const uint8_t* bytes, size_t count) {
    // Whatever a short file does not reach keeps the new-game defaults.
    DbReader in(std::vector<uint8_t>(bytes, bytes + count));
    char tag[SAVE_TAG_BYTES] = {};
    CricketData state;
    SaveGameHeader header;
    in.Raw(tag, SAVE_TAG_BYTES);
    IoState(in, state);
    in.Text(header.m_coachName, SAVE_NAME_BYTES);

    header.m_team = state.m_team;
    header.m_day = state.m_date.m_day;
    header.m_month = state.m_date.m_month;
    header.m_year = state.m_date.m_year;
    // The tag and its terminating zero are compared; the last two bytes are not.
    if (std::memcmp(tag, SAVE_TAG, sizeof SAVE_TAG) != 0) header.m_team = SAVE_OTHER_VERSION;
    return header;
}

SaveGameHeader ReadSaveGameHeader(const char* fileName) {
    const std::string gamePath = JoinPath(g_savesFolder, fileName);
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
    DbWriter w;
    w.Raw(SAVE_TAG, sizeof SAVE_TAG);
    w.Skip(SAVE_TAG_BYTES - sizeof SAVE_TAG);
    IoState(w, state);
    char name[SAVE_NAME_BYTES] = {};
    if (coachName) std::strncpy(name, coachName, SAVE_NAME_BYTES - 1);
    w.Text(name, SAVE_NAME_BYTES);
    out.write(reinterpret_cast<const char*>(w.Bytes().data()),
              static_cast<std::streamsize>(w.Bytes().size()));
    return static_cast<bool>(out);
}

}  // namespace ravel
