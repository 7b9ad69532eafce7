#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ravel
