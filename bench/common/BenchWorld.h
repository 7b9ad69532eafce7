// The world a bench plays: the built database under a root, a saves folder
// with fresh player histories, the generator seeded and the world loaded.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "season/Career.h"
#include "world/Database.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"

namespace bench {

// False, with the reason on stderr after the bench's name, when there is no
// database or it does not load.
inline bool LoadBenchWorld(const char* bench, const std::string& root, const std::string& saves,
                           unsigned long seed) {
    using namespace ravel;
    SetDatabaseFolder("std");
    SetDatabaseRoot(root);
    if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS))) {
        std::fprintf(stderr, "%s: no world database under %s\n", bench, root.c_str());
        return false;
    }
    std::filesystem::create_directories(saves);
    std::filesystem::remove(std::filesystem::path(saves) / PLAYER_HISTORY_DATA);
    std::filesystem::remove(std::filesystem::path(saves) / PLAYER_HISTORY_INDEX);
    SetSavesFolder(saves);
    SeedRand(seed);
    if (const auto fault = LoadWorld()) {
        std::fprintf(stderr, "%s: %s: %s\n", bench, fault->Where().c_str(), fault->m_problem.c_str());
        return false;
    }
    return true;
}

}  // namespace bench
