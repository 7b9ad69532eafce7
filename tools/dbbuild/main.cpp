// dbbuild: writes the game's world database from the sources under data/.
//   dbbuild --data <data folder> --out <db/std folder> [--summary]
//   dbbuild --summary --in <db/std folder>   counts of an existing database
#include <cstdio>
#include <cstring>
#include <string>

#include "WorldBuilder.h"
#include "world/Database.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: dbbuild --data <data folder> --out <db folder> [--summary]\n"
                 "       dbbuild --summary --in <db folder>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dataDir, outDir, inDir;
    bool summary = false;
    for (int i = 1; i < argc; ++i) {
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (!std::strcmp(argv[i], "--data")) {
            if (!value(dataDir)) return Usage();
        } else if (!std::strcmp(argv[i], "--out")) {
            if (!value(outDir)) return Usage();
        } else if (!std::strcmp(argv[i], "--in")) {
            if (!value(inDir)) return Usage();
        } else if (!std::strcmp(argv[i], "--summary")) {
            summary = true;
        } else {
            return Usage();
        }
    }
    try {
        if (!inDir.empty()) {
            ravel::SetDatabaseDirectory(inDir);
            ravel::LoadDatabase();
        } else {
            if (dataDir.empty() || outDir.empty()) return Usage();
            ravel::BuildWorld(dataDir);
            ravel::WriteWorld(dataDir, outDir);
        }
    } catch (const ravel::BuildError& e) {
        std::fprintf(stderr, "dbbuild: %s\n", e.m_message.c_str());
        return 1;
    }
    if (summary) std::fputs(ravel::WorldSummary().c_str(), stdout);
    return 0;
}
