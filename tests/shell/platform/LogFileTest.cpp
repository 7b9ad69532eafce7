#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "PlatformFixture.h"
#include "shell/LogFile.h"
#include "shell/platform/Clock.h"

namespace ravel {
namespace {

const std::string SEPARATOR = "------------------------------\n";

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class LogFileTest : public testing::Test {
protected:
    void SetUp() override {
        UseManualClock(true);
        SetManualLocalTime(LocalTime{2006, 7, 4, 9, 5, 3, 7});
        m_dir = ScratchFolder("log");
    }
    void TearDown() override { UseManualClock(false); }
    std::string m_dir;
};

TEST_F(LogFileTest, FileHoldsEarlierTextThenTheFramedEntries) {
    CLogFile log;
    log.Printf("before %d\n", 1);
    log.Begin((m_dir + "/test.txt").c_str());
    EXPECT_STREQ(log.Path(), (m_dir + "/test.txt").c_str());
    log.Printf("Connecting to %s\n", "host");
    log.Error("x = %d", 5);
    SetManualLocalTime(LocalTime{2006, 7, 4, 10, 0, 0, 0});
    EXPECT_EQ(log.End(), 0);
    EXPECT_EQ(ReadText(m_dir + "/test.txt"), "before 1\n" + SEPARATOR +
                                                 "Log file begun: 09:05:03:007 04/07/2006\n" + SEPARATOR +
                                                 "Connecting to host\nERROR: x = 5" + SEPARATOR +
                                                 "Log file ended: 10:00:00:000 04/07/2006\n" + SEPARATOR);
    // The tail keeps everything since the begin.
    EXPECT_EQ(std::string(log.Tail()).rfind(SEPARATOR + "Log file begun", 0), 0u);
}

TEST_F(LogFileTest, EntriesReachTheFileBeforeItEnds) {
    CLogFile log;
    log.Begin((m_dir + "/open.txt").c_str());
    log.Printf("Login Approved\n");
    EXPECT_NE(ReadText(m_dir + "/open.txt")
                  .find("Log file begun: 09:05:03:007 04/07/2006\n" + SEPARATOR + "Login Approved\n"),
              std::string::npos);
}

TEST_F(LogFileTest, TailKeepsTheLast16383Characters) {
    CLogFile log;
    const std::string block(1000, 'a');
    for (int i = 0; i < 16; ++i) log.Printf("%s", block.c_str());
    log.Printf("%s", std::string(380, 'b').c_str());
    ASSERT_EQ(std::string(log.Tail()).size(), 16380u);
    EXPECT_EQ(log.Printf("%s", "0123456789"), 10);
    const std::string tail = log.Tail();
    EXPECT_EQ(tail.size(), 16383u);
    EXPECT_EQ(tail.substr(tail.size() - 10), "0123456789");
    EXPECT_EQ(tail.find('b'), 16000u - 7);  // the oldest 7 characters went
}

TEST_F(LogFileTest, EndWithoutFileAndSecondBeginChangeNothing) {
    CLogFile log;
    EXPECT_EQ(log.End(), 0);
    EXPECT_STREQ(log.Tail(), "");
    log.Begin((m_dir + "/first.txt").c_str());
    log.Begin((m_dir + "/second.txt").c_str());
    EXPECT_STREQ(log.Path(), (m_dir + "/first.txt").c_str());
    log.Begin(nullptr);
    log.End();
    EXPECT_FALSE(std::ifstream(m_dir + "/second.txt").good());
    // A new begin after the end truncates the file and starts it with the
    // tail, which still holds the first log.
    log.Begin((m_dir + "/first.txt").c_str());
    log.End();
    const std::string text = ReadText(m_dir + "/first.txt");
    EXPECT_EQ(text.rfind(SEPARATOR + "Log file begun", 0), 0u);
    EXPECT_NE(text.find("Log file begun", 10), std::string::npos);
    EXPECT_EQ(text.size(), 8 * SEPARATOR.size() + 4 * 40);
}

TEST_F(LogFileTest, UnopenableFileLeavesTheErrorInMemory) {
    CLogFile log;
    log.Begin((m_dir + "/no/such/folder/log.txt").c_str());
    EXPECT_FALSE(log.IsOpen());
    EXPECT_NE(std::string(log.Tail()).find("ERROR: DUMP FILE UNOPENED!"), std::string::npos);
    log.Printf("still logging\n");
    EXPECT_NE(std::string(log.Tail()).find("still logging"), std::string::npos);
}

TEST_F(LogFileTest, TrimWritesAndRemovesTheFront) {
    CLogFile log;
    log.Begin((m_dir + "/trim.txt").c_str());
    log.Trim(CLogFile::WHOLE_TAIL);
    log.Printf("abcdef");
    EXPECT_EQ(log.Trim(2), 0);
    EXPECT_STREQ(log.Tail(), "cdef");
    log.Trim(100);
    EXPECT_STREQ(log.Tail(), "");
    log.End();
    EXPECT_NE(ReadText(m_dir + "/trim.txt").find("abcdef"), std::string::npos);
}

}  // namespace
}  // namespace ravel
