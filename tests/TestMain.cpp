// The main of every test binary. Each test process gets a scratch folder of
// its own (TMPDIR and TEST_TMPDIR point into it), so tests that ctest runs in
// parallel never share files; the folder is removed at exit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

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
    int result = RUN_ALL_TESTS();
    fs::remove_all(scratch, error);
    return result;
}
