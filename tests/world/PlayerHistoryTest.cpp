#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "DbTestSupport.h"
#include "world/PlayerHistory.h"
#include "world/SaveGame.h"

namespace ravel {
namespace {

class PlayerHistories : public ScratchDbTest {
protected:
    void SetUp() override {
        ScratchDbTest::SetUp();
        m_oldFolder = SavesFolder();
        SetSavesFolder(m_dir);
        // Histories belong to the world's players: ids 1 to 7 (0 is nobody).
        g_world.mv_players.resize(8);
        for (size_t i = 0; i < g_world.mv_players.size(); ++i)
            g_world.mv_players[i].m_id = static_cast<int>(i);
    }
    void TearDown() override {
        SetSavesFolder(m_oldFolder);
        ScratchDbTest::TearDown();
    }
    static PlayerStats Record(int player, int season, int runs) {
        PlayerStats s;
        s.m_player = player;
        s.m_season = season;
        s.m_runs = runs;
        return s;
    }
    std::vector<int> Runs(int player) {
        std::vector<PlayerStats> out{Record(0, 0, -1)};
        ReadPlayerHistory(out, player);
        std::vector<int> runs;
        for (const auto& s : out) runs.push_back(s.m_runs);
        return runs;
    }
    std::string m_oldFolder;
};

TEST_F(PlayerHistories, EachPlayerReadsHisOwnRecordsInOrder) {
    ASSERT_TRUE(WritePlayerHistories(
        {Record(3, 362, 30), Record(1, 362, 10), Record(1, 363, 11), Record(5, 362, 50)}));
    EXPECT_EQ(Runs(1), (std::vector<int>{10, 11}));
    EXPECT_EQ(Runs(3), (std::vector<int>{30}));
    EXPECT_EQ(Runs(5), (std::vector<int>{50}));
    EXPECT_TRUE(Runs(0).empty());
    EXPECT_TRUE(Runs(2).empty());
    EXPECT_TRUE(Runs(4).empty());
    EXPECT_TRUE(Runs(6).empty());  // beyond the index
    EXPECT_TRUE(Runs(-1).empty());
}

TEST_F(PlayerHistories, NewGameAndMissingFilesHaveNoHistory) {
    EXPECT_TRUE(Runs(1).empty());
    ASSERT_TRUE(WritePlayerHistories({}));
    EXPECT_EQ(ReadBytes(Path(PLAYER_HISTORY_INDEX)), (std::vector<uint8_t>{0xff, 0xff, 0xff, 0xff}));
    EXPECT_TRUE(Runs(0).empty());
}

TEST_F(PlayerHistories, ShortDataFileKeepsTheWholeRecords) {
    ASSERT_TRUE(WritePlayerHistories({Record(1, 362, 10), Record(1, 363, 11), Record(1, 364, 12)}));
    std::vector<uint8_t> data = ReadBytes(Path(PLAYER_HISTORY_DATA));
    data.resize(4 + 2 * sizeof(PlayerStats) + 20);
    WriteBytes(Path(PLAYER_HISTORY_DATA), data);
    EXPECT_EQ(Runs(1), (std::vector<int>{10, 11}));
}

// Ids that name no player of the world, as a damaged or hand-edited file may
// hold them, are dropped on reading and on writing: the index follows the
// world, never the size of an id.
TEST_F(PlayerHistories, RecordsOfPlayersOutsideTheWorldAreDropped) {
    for (int32_t stranger : {0, 8, -1, 1 << 24, 1 << 29, INT32_MAX, INT32_MIN}) {
        ASSERT_TRUE(WritePlayerHistories({Record(2, 362, 20), Record(stranger, 362, 99), Record(7, 362, 70)}))
            << stranger;
        EXPECT_EQ(Runs(2), (std::vector<int>{20}));
        EXPECT_EQ(Runs(7), (std::vector<int>{70}));
        EXPECT_EQ(ReadBytes(Path(PLAYER_HISTORY_INDEX)).size(), 8u * 8) << "one entry per player id";

        // The same stranger written straight into the data file.
        std::vector<uint8_t> data = ReadBytes(Path(PLAYER_HISTORY_DATA));
        data[0] = 3;
        PlayerStats s = Record(stranger, 363, 99);
        const auto* raw = reinterpret_cast<const uint8_t*>(&s);
        data.insert(data.end(), raw, raw + sizeof s);
        WriteBytes(Path(PLAYER_HISTORY_DATA), data);
        const std::vector<PlayerStats> read = ReadAllPlayerHistories();
        ASSERT_EQ(read.size(), 2u) << stranger;
        EXPECT_EQ(read[0].m_player, 2);
        EXPECT_EQ(read[1].m_player, 7);
        EXPECT_FALSE(std::filesystem::exists(Path(PLAYER_HISTORY_SET_ASIDE))) << "the file's shape is sound";
    }
}

// A data file whose shape is damaged is set aside; its whole records are
// kept, so the next merge writes a sound file with them.
TEST_F(PlayerHistories, DamagedDataFileIsSetAsideKeepingItsWholeRecords) {
    struct Case {
        const char* what;
        int32_t count;  // written over the file's count
        size_t extra;   // bytes added after the whole records
        size_t kept;    // records read back
    };
    for (Case c : {Case{"count too high", 9, 0, 3}, Case{"count too low", 1, 0, 3},
                   Case{"negative count", -5, 0, 3}, Case{"record cut short", 4, 40, 3}}) {
        std::filesystem::remove(Path(PLAYER_HISTORY_SET_ASIDE));
        ASSERT_TRUE(WritePlayerHistories({Record(1, 362, 10), Record(3, 362, 30), Record(3, 363, 31)}));
        std::vector<uint8_t> data = ReadBytes(Path(PLAYER_HISTORY_DATA));
        std::memcpy(data.data(), &c.count, 4);
        data.resize(data.size() + c.extra, 0x5a);
        WriteBytes(Path(PLAYER_HISTORY_DATA), data);

        EXPECT_EQ(ReadAllPlayerHistories().size(), c.kept) << c.what;
        EXPECT_TRUE(std::filesystem::exists(Path(PLAYER_HISTORY_SET_ASIDE))) << c.what;
        EXPECT_FALSE(std::filesystem::exists(Path(PLAYER_HISTORY_DATA))) << c.what;
    }
    for (const std::vector<uint8_t>& tiny : {std::vector<uint8_t>{}, std::vector<uint8_t>{1, 0}}) {
        std::filesystem::remove(Path(PLAYER_HISTORY_SET_ASIDE));
        WriteBytes(Path(PLAYER_HISTORY_DATA), tiny);
        EXPECT_TRUE(ReadAllPlayerHistories().empty());
        EXPECT_EQ(std::filesystem::exists(Path(PLAYER_HISTORY_SET_ASIDE)), !tiny.empty())
            << "a new game's file is empty, which is sound";
    }
}

}  // namespace
}  // namespace ravel
