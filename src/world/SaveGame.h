// The saved-game header: the first 200 bytes of a ".rsg" file, from which
// the start menu labels a save without reading the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "world/GameDate.h"

namespace ravel {

inline constexpr char SAVE_TAG[] = "XX9fa";
inline constexpr int SAVE_TAG_BYTES = 8;
inline constexpr int SAVE_STATE_BYTES = 92;
inline constexpr int SAVE_NAME_BYTES = 100;
inline constexpr int SAVE_HEADER_BYTES = SAVE_TAG_BYTES + SAVE_STATE_BYTES + SAVE_NAME_BYTES;
inline constexpr int32_t SAVE_OTHER_VERSION = -2;

struct SaveGameHeader {
    int32_t m_team = 0;  // SAVE_OTHER_VERSION for a file of another version
    int32_t m_day = 0;
    int32_t m_month = 0;
    int32_t m_year = 0;
    char m_coachName[SAVE_NAME_BYTES] = {};  // always terminated
};

// The folder the saves and the player histories live in; the shell sets it.
void SetSavesFolder(const std::string& folder);
const std::string& SavesFolder();

// Reads the header of a file in the saves folder. A missing or short file is
// no error: what was not read keeps the new-game defaults.
SaveGameHeader ReadSaveGameHeader(const char* fileName);
// The same from the first bytes of a file (count may be short).
SaveGameHeader DecodeSaveGameHeader(const uint8_t* bytes, size_t count);
// Writes the 200-byte header for the world state and the coach's name (cut
// to 99 characters); false when the stream failed.
bool WriteSaveGameHeader(std::ostream& out, const CricketData& state, const char* coachName);

}  // namespace ravel
