// A scratch folder for database files, removed with the fixture, and the
// built world's folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "season/GameState.h"
#include "world/Database.h"
#include "world/World.h"

namespace ravel {

inline std::string BuiltDatabaseDir() {
    return std::string(RAVEL_RUNTIME_DIR) + "/db/std";
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string DbFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "db%06d.dbj", number);
    return name;
}

class ScratchDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = (std::filesystem::temp_directory_path() /
                 ("ravel_db_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                    .string();
        std::filesystem::create_directories(m_dir);
        ResetGameState();
    }
    void TearDown() override {
        SetDatabaseDirectory("");
        ResetGameState();
        std::filesystem::remove_all(m_dir);
    }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    std::string m_dir;
};

}  // namespace ravel
