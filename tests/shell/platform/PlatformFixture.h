// A headless platform object and a scratch folder for the platform tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/platform/System.h"

namespace ravel {

inline std::string ScratchFolder(const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::path(testing::TempDir()) / ("ravel_platform_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
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
