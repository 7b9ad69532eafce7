#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "world/Random.h"
#include "world/SaveGame.h"

namespace ravel {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(const std::string& s) {
    return std::vector<uint8_t>(s.begin(), s.end());
}

std::vector<uint8_t> HeaderOf(const CricketData& state, const char* name) {
    std::ostringstream out;
    EXPECT_TRUE(WriteSaveGameHeader(out, state, name));
    return Bytes(out.str());
}

// A world state as a running game holds it: side 1005 on 12 June 2007.
CricketData SampleState() {
    CricketData state;
    state.m_gameMode = MODE_CAREER;
    state.m_date.m_day = 12;
    state.m_date.m_month = 6;
    state.m_date.m_year = 2007;
    state.m_date.m_season = 364;
    state.m_date.m_dayOfSeason = 72;
    state.m_team = 1005;
    state.m_dayPhase = 15;
    state.m_autoSimulate = true;
    state.m_matchViewSounds = true;
    return state;
}

class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("ravel_saves_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
        SetSavesFolder(m_folder.string());
    }
    void TearDown() override {
        SetSavesFolder("");
        fs::remove_all(m_folder);
    }
    void WriteFile(const char* name, const std::vector<uint8_t>& bytes) {
        std::ofstream out(m_folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path m_folder;
};

TEST_F(SaveGameTest, HeaderLayout) {
    const std::vector<uint8_t> bytes = HeaderOf(SampleState(), "Ann Other");
    ASSERT_EQ(bytes.size(), static_cast<size_t>(SAVE_HEADER_BYTES));
    EXPECT_EQ(std::memcmp(bytes.data(), "XX9fa\0", 6), 0);
    const struct {
        size_t m_offset;
        int32_t m_value;
    } fields[] = {{8, MODE_CAREER}, {28, 7},  {36, 12},   {40, 6},  {44, 2007},
                  {48, 364},        {52, 72}, {72, 1005}, {88, -1}, {92, 15}};
    for (const auto& f : fields) {
        const uint8_t* p = bytes.data() + f.m_offset;
        const int32_t value =
            static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
        EXPECT_EQ(value, f.m_value) << "offset " << f.m_offset;
    }
    EXPECT_EQ(bytes[96], 1);  // auto-simulation
    EXPECT_EQ(bytes[99], 1);  // sound
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data() + 100), "Ann Other");
}

TEST_F(SaveGameTest, ReadsWhatWasWritten) {
    WriteFile("career.rsg", HeaderOf(SampleState(), "Ann Other"));
    const SaveGameHeader header = ReadSaveGameHeader("career.rsg");
    EXPECT_EQ(header.m_team, 1005);
    EXPECT_EQ(header.m_day, 12);
    EXPECT_EQ(header.m_month, 6);
    EXPECT_EQ(header.m_year, 2007);
    EXPECT_STREQ(header.m_coachName, "Ann Other");
}

TEST_F(SaveGameTest, ShortOrForeignFiles) {
    const std::vector<uint8_t> full = HeaderOf(SampleState(), "Ann Other");
    std::vector<uint8_t> tagOnly = Bytes(std::string("XX9fa\0\x7f\x80", 8));
    std::vector<uint8_t> otherTag = full;
    otherTag[4] = 'b';
    std::vector<uint8_t> noTagZero = full;
    noTagZero[5] = 'x';
    std::vector<uint8_t> looseTail = full;
    looseTail[6] = 'Q';
    looseTail[7] = 'Z';
    const std::vector<uint8_t> upToYear(full.begin(), full.begin() + 48);
    const std::vector<uint8_t> midMonth(full.begin(), full.begin() + 42);

    const struct {
        const char* m_label;
        std::vector<uint8_t> m_bytes;
        int m_team, m_day, m_month, m_year;
    } cases[] = {
        {"tag only", tagOnly, 0, 1, 4, 2006},
        {"empty", {}, SAVE_OTHER_VERSION, 1, 4, 2006},
        {"five bytes", Bytes("XX9fa"), SAVE_OTHER_VERSION, 1, 4, 2006},
        {"fifth character differs", otherTag, SAVE_OTHER_VERSION, 12, 6, 2007},
        {"tag not ended", noTagZero, SAVE_OTHER_VERSION, 12, 6, 2007},
        {"last tag bytes ignored", looseTail, 1005, 12, 6, 2007},
        {"cut after the date", upToYear, 0, 12, 6, 2007},
        {"cut inside the month", midMonth, 0, 12, 4, 2006},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_label);
        WriteFile("x.rsg", c.m_bytes);
        const SaveGameHeader header = ReadSaveGameHeader("x.rsg");
        EXPECT_EQ(header.m_team, c.m_team);
        EXPECT_EQ(header.m_day, c.m_day);
        EXPECT_EQ(header.m_month, c.m_month);
        EXPECT_EQ(header.m_year, c.m_year);
    }
}

TEST_F(SaveGameTest, MissingFileCountsAsAnotherVersion) {
    const SaveGameHeader header = ReadSaveGameHeader("absent.rsg");
    EXPECT_EQ(header.m_team, SAVE_OTHER_VERSION);
    EXPECT_EQ(header.m_day, 1);
    EXPECT_EQ(header.m_month, 4);
    EXPECT_EQ(header.m_year, 2006);
    EXPECT_STREQ(header.m_coachName, "");
}

TEST_F(SaveGameTest, CoachNameIsAlwaysTerminated) {
    std::vector<uint8_t> full = HeaderOf(SampleState(), "");
    std::fill(full.begin() + 100, full.end(), 'N');  // no zero in the name field
    WriteFile("full.rsg", full);
    EXPECT_EQ(std::strlen(ReadSaveGameHeader("full.rsg").m_coachName), 99u);

    std::vector<uint8_t> cut(full.begin(), full.begin() + 130);  // name cut short, no zero
    WriteFile("cut.rsg", cut);
    const SaveGameHeader header = ReadSaveGameHeader("cut.rsg");
    EXPECT_EQ(header.m_team, 1005);
    EXPECT_STREQ(header.m_coachName, "");

    const std::string longName(150, 'L');
    const std::vector<uint8_t> written = HeaderOf(SampleState(), longName.c_str());
    EXPECT_EQ(written.size(), static_cast<size_t>(SAVE_HEADER_BYTES));
    EXPECT_EQ(written.back(), 0);
    EXPECT_EQ(std::strlen(DecodeSaveGameHeader(written.data(), written.size()).m_coachName), 99u);
}

TEST_F(SaveGameTest, TruncatedAndRandomInputNeverReadsPastIt) {
    const std::vector<uint8_t> full = HeaderOf(SampleState(), "Ann Other");
    for (size_t n = 0; n <= full.size(); ++n) {
        // An exact-size copy lets the sanitizer catch a read past the end.
        std::vector<uint8_t> prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        const SaveGameHeader header = DecodeSaveGameHeader(prefix.data(), prefix.size());
        EXPECT_EQ(header.m_team, n < 8 ? SAVE_OTHER_VERSION : n < 76 ? 0 : 1005) << n;
        EXPECT_LT(std::strlen(header.m_coachName), static_cast<size_t>(SAVE_NAME_BYTES));
    }
    SeedRand(11);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> noise(static_cast<size_t>(Rand() % 260));
        for (uint8_t& b : noise) b = static_cast<uint8_t>(Rand() & 0xff);
        if (round % 2 == 0 && noise.size() >= 6) std::memcpy(noise.data(), "XX9fa", 6);
        const SaveGameHeader header = DecodeSaveGameHeader(noise.data(), noise.size());
        EXPECT_LT(std::strlen(header.m_coachName), static_cast<size_t>(SAVE_NAME_BYTES));
    }
}

}  // namespace
}  // namespace ravel
