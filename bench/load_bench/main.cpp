// load_bench: loads the built world database N times, as the intro screen
// does (the 23 files in order, the records tables and the after-load work),
// and prints the fastest and the median load in milliseconds.
//
//   load_bench [--runs N] [--db ROOT]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "world/Database.h"
#include "world/Random.h"
#include "world/World.h"

using namespace ravel;

int main(int argc, char** argv) {
    int runs = 20;
    std::string root = RAVEL_RUNTIME_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--runs" && value)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--db" && value)
            root = argv[++i];
        else {
            std::fprintf(stderr, "usage: load_bench [--runs N] [--db ROOT]\n");
            return 2;
        }
    }
    SetDatabaseFolder("std");
    SetDatabaseRoot(root);
    if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS))) {
        std::fprintf(stderr, "load_bench: no world database under %s\n", root.c_str());
        return 1;
    }
    SeedRand(1);
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        LoadDatabase();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("players=%zu\nteams=%zu\ntours=%zu\n", g_world.mv_players.size(), g_world.mv_teams.size(),
                g_world.mv_tours.size());
    std::printf("runs=%d\nbest_ms=%.2f\nmedian_ms=%.2f\n", runs, ms.front(), ms[ms.size() / 2]);
    return 0;
}
