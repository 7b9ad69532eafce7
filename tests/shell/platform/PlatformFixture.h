// A headless platform object and a scratch folder for the platform tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/platform/System.h"

namespace ravel {

// A fresh folder of this test's own: tests run in parallel processes.
inline std::string ScratchFolder(const std::string& name) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string owner = test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
    const std::filesystem::path dir =
        std::filesystem::path(testing::TempDir()) /
        ("ravel_platform_" + std::to_string(getpid()) + "_" + owner + "_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    // Removed when the test program ends.
    static std::vector<std::filesystem::path> s_made;
    if (s_made.empty())
        std::atexit([] {
            std::error_code ec;
            for (const auto& d : s_made) std::filesystem::remove_all(d, ec);
        });
    s_made.push_back(dir);
    return dir.string();
}

// A copy of a good file, cut short and with a few bytes changed, the same
// for the same state; the state moves on with each call.
inline std::vector<uint8_t> Damaged(const std::vector<uint8_t>& good, uint32_t& state, int changes) {
    std::vector<uint8_t> b = good;
    state = state * 1664525u + 1013904223u;
    b.resize(state % (b.size() + 1));
    for (int k = 0; k < changes && !b.empty(); ++k) {
        state = state * 1664525u + 1013904223u;
        b[state % b.size()] = uint8_t(state >> 24);
    }
    return b;
}

class HeadlessTest : public testing::Test {
protected:
    void SetUp() override {
        g_system = nullptr;
        m_system = std::make_unique<CSystem>();
        ASSERT_TRUE(m_system->SetupHeadless());
        m_system->Clear(0xff000000u);
    }
    void TearDown() override {
        m_system->CloseSystem();
        m_system.reset();
    }
    CCanvas& Screen() { return m_system->Screen(); }

    std::unique_ptr<CSystem> m_system;
};

}  // namespace ravel
