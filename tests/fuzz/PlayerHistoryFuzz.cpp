// A player-history data file from the fuzzer, in the saves folder of a career
// in the built world: it is read, merged and written as at the season's end.
// Whatever it holds, only the world's players keep records and the index
// never outgrows the world.
#include "FuzzSupport.h"
#include "world/Database.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/World.h"

using namespace ravel;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDatabaseDirectory(fuzz::BuiltDatabaseFolder());
    SeedRand(1);
    LoadPlayers();
    SetSavesFolder(fuzz::ScratchFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteInput(fuzz::ScratchPath(PLAYER_HISTORY_DATA), data, size);
    std::vector<PlayerStats> records = ReadAllPlayerHistories();
    const bool setAside = std::filesystem::exists(fuzz::ScratchPath(PLAYER_HISTORY_SET_ASIDE));
    std::filesystem::remove(fuzz::ScratchPath(PLAYER_HISTORY_SET_ASIDE));
    fuzz::Report("%zu records kept%s", records.size(), setAside ? ", the file set aside" : "");
    const size_t players = g_world.mv_players.size();
    for (const PlayerStats& s : records)
        fuzz::Expect(s.m_player > 0 && static_cast<size_t>(s.m_player) < players,
                     "a record of no player kept");
    fuzz::Expect(WritePlayerHistories(records), "the histories cannot be written");
    fuzz::Expect(std::filesystem::file_size(fuzz::ScratchPath(PLAYER_HISTORY_INDEX)) <= players * 8,
                 "the index outgrows the world");
    std::vector<PlayerStats> one;
    for (size_t i = 0; i < records.size() && i < 16; ++i) {
        ReadPlayerHistory(one, records[i].m_player);
        fuzz::Expect(!one.empty(), "a player's written records read back as none");
    }
    return 0;
}
