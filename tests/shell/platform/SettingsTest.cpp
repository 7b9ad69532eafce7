#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "PlatformFixture.h"
#include "shell/HomeFolder.h"
#include "shell/Settings.h"
#include "world/SaveGame.h"

namespace ravel {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The filters in the file's order: everything, celebrations, chances, dot
// balls, fours, singles, sixes, 2's 3's and 5's, wickets.
std::string FileOrder(const HighlightFilters& f) {
    std::string s;
    for (uint8_t v : {f.everything, f.celebrations, f.chances, f.dotBalls, f.fours, f.singles, f.sixes,
                      f.twosThreesFives, f.wickets})
        s += char('0' + v);
    return s;
}

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = ScratchFolder("settings");
        g_highlightFilters = HighlightFilters{};
        s_skinName[0] = 0;
    }
    std::string m_dir;
};

TEST_F(SettingsTest, ReadingConfigFiles) {
    const std::string longName(60, 'k');
    struct Case {
        const char* what;
        std::string text;
        const char* skin;
        const char* filters;
    } cases[] = {
        {"default file", "std\n1\n1\n1\n1\n1\n1\n1\n1\n1\n", "std", "111111111"},
        {"only watch everything", "grass\n1\n0\n0\n0\n0\n0\n0\n0\n0\n", "grass", "100000000"},
        {"only a leading 1 is on", "std\n2\nyes\n1x\n01\n\n1\n1\n1\n1\n", "std", "001101111"},
        {"missing lines are off", "std\n1\n1", "std", "110000000"},
        {"empty file", "", "", "000000000"},
        {"carriage returns", "std\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n", "std", "101010101"},
        {"49-character name", std::string(49, 'n') + "\n1\n1\n1\n1\n1\n1\n1\n1\n1\n", nullptr, "111111111"},
        {"overlong first line", longName + "\n1\n1\n1\n1\n1\n1\n1\n1\n1\n", nullptr, "000000000"},
        {"a path for a skin", "../../pics\n1\n1\n1\n1\n1\n1\n1\n1\n1\n", "std", "111111111"},
        {"a game path for a skin", "c:/gfx/\n1\n0\n", "std", "100000000"},
        {"garbage", std::string("\x01\xff\x80\n\xfe\n", 6), nullptr, "000000000"},
    };
    for (const Case& c : cases) {
        const std::string path = m_dir + "/config.ini";
        std::ofstream(path, std::ios::binary) << c.text;
        ASSERT_TRUE(ReadConfig(path.c_str())) << c.what;
        EXPECT_EQ(FileOrder(g_highlightFilters), c.filters) << c.what;
        if (c.skin) {
            EXPECT_STREQ(s_skinName, c.skin) << c.what;
        }
        EXPECT_LE(std::string(s_skinName).size(), 49u) << c.what;
    }
    EXPECT_STREQ(s_skinName, "\x01\xff\x80");
    const std::string path = m_dir + "/config.ini";
    std::ofstream(path) << longName << "\n";
    ReadConfig(path.c_str());
    EXPECT_EQ(std::string(s_skinName), longName.substr(0, 49));
    EXPECT_FALSE(ReadConfig((m_dir + "/missing.ini").c_str()));
}

TEST_F(SettingsTest, WritingRoundTripsAndFlagsOtherThanOneWriteZero) {
    const std::string path = m_dir + "/config.ini";
    HighlightFilters f;
    f.dotBalls = 1;
    f.sixes = 2;  // not exactly 1: written as off
    ASSERT_TRUE(WriteConfig(path.c_str(), "grass", f));
    EXPECT_EQ(ReadText(path), "grass\n0\n1\n1\n1\n1\n0\n0\n0\n1\n");
    ASSERT_TRUE(ReadConfig(path.c_str()));
    EXPECT_STREQ(s_skinName, "grass");
    EXPECT_EQ(g_highlightFilters.dotBalls, 1);
    EXPECT_EQ(g_highlightFilters.sixes, 0);
    EXPECT_FALSE(WriteConfig((m_dir + "/no/such/config.ini").c_str(), "std", f));
}

class FoldersTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        m_home.emplace(m_dir);
    }
    void TearDown() override { m_home.reset(); }
    std::string Options() { return m_dir + "/Documents/Ravelstone/Options"; }
    std::optional<test::HomeFolder> m_home;
};

TEST_F(FoldersTest, FirstRunMakesTheTreeAndTheDefaultFile) {
    SetupFolders();
    EXPECT_TRUE(std::filesystem::is_directory(m_dir + "/Documents/Ravelstone/Saves"));
    EXPECT_TRUE(std::filesystem::is_directory(m_dir + "/Documents/Ravelstone/Output"));
    EXPECT_EQ(std::string(s_savesFolder), m_dir + "/Documents/Ravelstone/Saves");
    EXPECT_EQ(SavesFolder(), m_dir + "/Documents/Ravelstone/Saves");
    EXPECT_EQ(ReadText(Options() + "/config.ini"), "std\n1\n1\n1\n1\n1\n1\n1\n1\n1\n");
    EXPECT_STREQ(s_skinName, "std");
    // The filters keep their start values, and the exit writer stores them.
    EXPECT_EQ(FileOrder(g_highlightFilters), "011010101");
    ASSERT_TRUE(WriteSettingsAtExit("std"));
    EXPECT_EQ(ReadText(Options() + "/config.ini"), "std\n0\n1\n1\n0\n1\n0\n1\n0\n1\n");
}

TEST_F(FoldersTest, LaterRunsReadTheFileAndADeletedFileComesBack) {
    SetupFolders();
    std::ofstream(Options() + "/config.ini") << "grass\n1\n0\n0\n0\n0\n0\n0\n0\n0\n";
    SetupFolders();
    EXPECT_STREQ(s_skinName, "grass");
    EXPECT_EQ(FileOrder(g_highlightFilters), "100000000");
    std::filesystem::remove(Options() + "/config.ini");
    SetupFolders();
    EXPECT_STREQ(s_skinName, "std");
    EXPECT_EQ(ReadText(Options() + "/config.ini"), "std\n1\n1\n1\n1\n1\n1\n1\n1\n1\n");
}

TEST_F(FoldersTest, XdgDocumentsFolderIsUsed) {
    std::filesystem::create_directories(m_dir + "/.config");
    std::ofstream(m_dir + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n";
    SetupFolders();
    EXPECT_TRUE(std::filesystem::exists(m_dir + "/Papers/Ravelstone/Options/config.ini"));
}

TEST_F(FoldersTest, NoHomeFallsBackToRelativeFolders) {
    setenv("HOME", "", 1);
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(m_dir);
    SetupFolders();
    std::filesystem::current_path(cwd);
    EXPECT_STREQ(s_savesFolder, "saves");
    EXPECT_STREQ(s_optionsFolder, "options");
    EXPECT_TRUE(std::filesystem::exists(m_dir + "/options/config.ini"));
}

TEST_F(FoldersTest, OptionsPathThatIsAFileReadsAndWritesNothing) {
    std::filesystem::create_directories(m_dir + "/Documents/Ravelstone");
    std::ofstream(m_dir + "/Documents/Ravelstone/Options") << "not a folder";
    SetupFolders();
    EXPECT_STREQ(s_skinName, "");
    EXPECT_FALSE(WriteSettingsAtExit("std"));
}

}  // namespace
}  // namespace ravel
