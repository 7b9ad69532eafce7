// The main of every test binary. Each test process gets a scratch folder of
// its own (TMPDIR and TEST_TMPDIR point into it), so tests that ctest runs in
// parallel never share files; the folder is removed at exit. Each test
// starts with the database path the process began with, whatever the test
// before it pointed the path at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "world/Database.h"

namespace {

class DatabasePathKeeper : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override {
        m_folder = ravel::DatabaseFolder();
        m_root = ravel::DatabaseRoot();
        m_directory = ravel::DatabaseDirectory();
    }
    void OnTestEnd(const testing::TestInfo&) override {
        ravel::SetDatabaseFolder(m_folder);
        ravel::SetDatabaseRoot(m_root);
        ravel::SetDatabaseDirectory(m_directory);
    }

private:
    std::string m_folder, m_root, m_directory;
};

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const char* base = std::getenv("TMPDIR");
    fs::path root = base && *base ? fs::path(base) : fs::path("/tmp");
    const fs::path scratch = root / ("ravel_test_" + std::to_string(getpid()));
    std::error_code error;
    fs::create_directories(scratch, error);
    setenv("TMPDIR", scratch.c_str(), 1);
    setenv("TEST_TMPDIR", scratch.c_str(), 1);

    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new DatabasePathKeeper);
    int result = RUN_ALL_TESTS();
    fs::remove_all(scratch, error);
    return result;
}
