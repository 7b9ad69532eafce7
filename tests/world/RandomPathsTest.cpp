#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/Database.h"
#include "world/Paths.h"
#include "world/Random.h"

namespace ravel {
namespace {

TEST(Random, SameSeedSameSequenceAndInRange) {
    SeedRand(42);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) first.push_back(Rand());
    SeedRand(42);
    for (int i = 0; i < 1000; ++i) {
        int v = Rand();
        EXPECT_EQ(v, first[i]);
        EXPECT_GE(v, 0);
    }
    SeedRand(43);
    int same = 0;
    for (int i = 0; i < 1000; ++i) same += Rand() == first[i];
    EXPECT_LT(same, 5);
}

TEST(Random, CoversAtLeastFifteenBitsEvenly) {
    SeedRand(7);
    int buckets[8] = {};
    int highBitSeen = 0;
    for (int i = 0; i < 80000; ++i) {
        int v = Rand();
        buckets[v % 8]++;
        highBitSeen |= v & (1 << 30);
    }
    for (int b : buckets) EXPECT_NEAR(b, 10000, 500);
    EXPECT_NE(highBitSeen, 0);
}

TEST(Paths, GameNotationBecomesNative) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"db\\std\\db240782.dbj", "db/std/db240782.dbj"},
        {"gfx//pics//x.bmp", "gfx/pics/x.bmp"},
        {"gfx\\\\gui\\\\std\\\\", "gfx/gui/std/"},
        {"plain.txt", "plain.txt"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(NativePath(c.in), c.out) << c.in;
}

// Every path the game builds joins its parts with '/'.
TEST(Paths, BuiltPathsJoinWithSlashes) {
    EXPECT_EQ(JoinPath("saves", "a.rsg"), "saves/a.rsg");
    EXPECT_EQ(JoinPath("/home/u/Output/", "card.html"), "/home/u/Output/card.html");
    EXPECT_EQ(JoinPath("", "test.tvc"), "test.tvc");

    const std::string root = DatabaseRoot(), folder = DatabaseFolder(), directory = DatabaseDirectory();
    SetDatabaseDirectory("");
    SetDatabaseRoot("/games/ravel");
    SetDatabaseFolder("std");
    EXPECT_EQ(DatabaseFilePath(DB_PLAYERS), "/games/ravel/db/std/db240782.dbj");
    EXPECT_EQ(DatabaseFilePath("names/eng_fnames.csv"), "/games/ravel/db/std/names/eng_fnames.csv");
    SetDatabaseRoot("");
    EXPECT_EQ(DatabaseFilePath(DB_PLAYERS), "db/std/db240782.dbj");
    SetDatabaseRoot(root);
    SetDatabaseFolder(folder);
    SetDatabaseDirectory(directory);
}

}  // namespace
}  // namespace ravel
