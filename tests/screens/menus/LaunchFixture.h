// The game object over the built pictures and fonts, in a game folder of its
// own, with the side bar and the shell's stand-in screens; the launch screens'
// own records are registered first so that they are the ones found.
#pragma once

#include <filesystem>
#include <string>

#include "shell/ShellFixture.h"

namespace ravel {

class LaunchTest : public ShellTest {
protected:
    bool BuildsSideBar() const override { return false; }
    void SetUp() override {
        m_saved = std::filesystem::current_path();
        std::filesystem::current_path(
            GameFolderWithTestSkins(testing::UnitTest::GetInstance()->current_test_info()->name(), {}));
        ShellTest::SetUp();
        m_game->m_shellHooks.buildSideBar = BuildSideBar;
        m_game->m_shellHooks.addSideBarControls = AddSideBarControls;
        ASSERT_TRUE(m_game->CreateGameResources());
    }
    void TearDown() override {
        m_game->ShutdownGame();
        ShellTest::TearDown();
        std::filesystem::current_path(m_saved);
    }

    uint32_t Pixel(int x, int y) const { return m_system->Screen().Pixel(x, y); }
    // Pixels in the box that differ from the colour.
    int CountOther(int left, int top, int right, int bottom, uint32_t colour) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) count += Pixel(x, y) != colour;
        }
        return count;
    }

    std::filesystem::path m_saved;
};

}  // namespace ravel
