#include "world/PlayerHistory.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "world/Database.h"
#include "world/DbFile.h"
#include "world/SaveGame.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr size_t RECORD = sizeof(PlayerStats);
constexpr size_t INDEX_ENTRY = 8;

std::string HistoryPath(const char* name) {
    return SavesFolder().empty() ? name : SavesFolder() + "/" + name;
}

// A player of the world; id 0 stands for nobody.
bool WorldPlayer(int32_t id) {
    return id > 0 && static_cast<size_t>(id) < g_world.mv_players.size();
}

// Keeps the records of the world's players; logs how many went.
void DropStrangers(std::vector<PlayerStats>& records, const char* when) {
    const size_t dropped =
        std::erase_if(records, [](const PlayerStats& s) { return !WorldPlayer(s.m_player); });
    if (dropped)
        DebugLog("Player histories: %zu records %s name no player of the world, dropped", dropped, when);
}

int32_t ReadInt(std::ifstream& in) {
    uint8_t b[4] = {};
    in.read(reinterpret_cast<char*>(b), 4);
    if (!in) return -1;
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                uint32_t(b[3]) << 24);
}

}  // namespace

void ReadPlayerHistory(std::vector<PlayerStats>& out, int playerId) {
    out.clear();
    if (playerId < 0) return;
    std::ifstream index(HistoryPath(PLAYER_HISTORY_INDEX), std::ios::binary);
    if (!index || ReadInt(index) < 0) return;
    index.seekg(static_cast<std::streamoff>(playerId) * INDEX_ENTRY);
    int32_t first = ReadInt(index);
    if (first < 0) return;

    std::ifstream data(HistoryPath(PLAYER_HISTORY_DATA), std::ios::binary);
    if (!data) return;
    int32_t count = ReadInt(data);
    data.seekg(static_cast<std::streamoff>(4 + RECORD * static_cast<size_t>(first)));
    for (int32_t n = first; n < count; ++n) {
        PlayerStats s;
        data.read(reinterpret_cast<char*>(&s), RECORD);
        if (!data || s.m_player != playerId) break;
        out.push_back(s);
    }
}

std::vector<PlayerStats> ReadAllPlayerHistories() {
    std::vector<PlayerStats> records;
    const std::string path = HistoryPath(PLAYER_HISTORY_DATA);
    DbReader file = DbReader::FromFile(path);
    // A new game's file is empty.
    const size_t size = file.Remaining();
    if (size == 0) return records;
    int32_t count = -1;
    if (size >= 4) file.Raw(&count, 4);
    const size_t whole = size < 4 ? 0 : (size - 4) / RECORD;
    records.resize(whole);
    for (PlayerStats& record : records) file.Raw(&record, RECORD);
    DropStrangers(records, "read");
    if (count < 0 || static_cast<size_t>(count) != whole || 4 + whole * RECORD != size) {
        DebugLog("Player histories: %s holds %zu whole records where it counts %d; set aside as %s",
                 path.c_str(), whole, count, PLAYER_HISTORY_SET_ASIDE);
        std::rename(path.c_str(), HistoryPath(PLAYER_HISTORY_SET_ASIDE).c_str());
    }
    return records;
}

bool WritePlayerHistories(std::vector<PlayerStats> records) {
    DropStrangers(records, "to write");
    std::stable_sort(records.begin(), records.end(),
                     [](const PlayerStats& a, const PlayerStats& b) { return a.m_player < b.m_player; });
    int32_t maxId = -1;
    for (const PlayerStats& s : records) maxId = std::max(maxId, s.m_player);

    DbWriter data;
    data.I32(static_cast<int32_t>(records.size()));
    for (const PlayerStats& s : records) data.Raw(&s, RECORD);

    // A player without records points at record 0, which is some other
    // player's; a negative first entry would mark the whole index empty.
    std::vector<int32_t> first(static_cast<size_t>(maxId + 1), 0), count(static_cast<size_t>(maxId + 1), 0);
    for (size_t i = 0; i < records.size(); ++i) {
        const int32_t id = records[i].m_player;
        if (count[id]++ == 0) first[id] = static_cast<int32_t>(i);
    }
    DbWriter index;
    for (size_t id = 0; id < first.size(); ++id) {
        index.I32(first[id]);
        index.I32(count[id]);
    }
    // A game without any history keeps the "empty" mark of a new game.
    if (first.empty()) index.I32(-1);
    return data.WriteFile(HistoryPath(PLAYER_HISTORY_DATA)) &&
           index.WriteFile(HistoryPath(PLAYER_HISTORY_INDEX));
}

void CreatePlayerHistoryFiles() {
    // The world's own histories, of the seasons before the game, when its
    // database has them.
    std::error_code error;
    const bool copied =
        std::filesystem::exists(DatabaseFilePath(PLAYER_HISTORY_DATA)) &&
        std::filesystem::exists(DatabaseFilePath(PLAYER_HISTORY_INDEX)) &&
        std::filesystem::copy_file(DatabaseFilePath(PLAYER_HISTORY_DATA), HistoryPath(PLAYER_HISTORY_DATA),
                                   std::filesystem::copy_options::overwrite_existing, error) &&
        std::filesystem::copy_file(DatabaseFilePath(PLAYER_HISTORY_INDEX), HistoryPath(PLAYER_HISTORY_INDEX),
                                   std::filesystem::copy_options::overwrite_existing, error);
    if (copied) return;
    if (error) DebugLog("Player histories: %s; the game starts without them", error.message().c_str());
    std::ofstream data(HistoryPath(PLAYER_HISTORY_DATA), std::ios::binary | std::ios::trunc);
    std::ofstream index(HistoryPath(PLAYER_HISTORY_INDEX), std::ios::binary | std::ios::trunc);
    if (!index) return;
    const int32_t none = -1;
    index.write(reinterpret_cast<const char*>(&none), sizeof none);
}

}  // namespace ravel
