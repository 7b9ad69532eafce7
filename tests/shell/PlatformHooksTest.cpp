#include <gtest/gtest.h>

#include <filesystem>

#include "ShellFixture.h"
#include "shell/platform/Sound.h"

namespace ravel {
namespace {

namespace fs = std::filesystem;

class PlatformHooksTest : public ShellTest {
protected:
    void SetUp() override {
        m_saved = fs::current_path();
        fs::current_path(GameFolderWithTestSkins("hooks", {}));
        ShellTest::SetUp();
    }
    void TearDown() override {
        ShellTest::TearDown();
        fs::current_path(m_saved);
    }
    fs::path m_saved;
};

TEST_F(PlatformHooksTest, RendererResetRebuildsTheGameGraphics) {
    ASSERT_TRUE(m_game->CreateGraphics());
    ASSERT_EQ(m_game->GraphicsCount(), 1);
    const uint32_t stdTile = m_game->m_skin[SKIN_DIALOG_TILE].Image()->Pixel(3, 3);

    // The name changes without a reload; only a rebuild picks the new skin up.
    m_game->SetSkinName("willow");
    m_system->HeadlessInput()->LoseDevice();
    EXPECT_EQ(m_system->HandleLostDevice(), 0);
    EXPECT_EQ(m_game->GraphicsCount(), 1);  // released and created once each
    ASSERT_TRUE(m_game->m_skin[SKIN_DIALOG_TILE].Loaded());
    EXPECT_NE(m_game->m_skin[SKIN_DIALOG_TILE].Image()->Pixel(3, 3), stdTile);
    EXPECT_FALSE(m_game->mv_tiles.empty());
    EXPECT_FALSE(m_game->m_paused);
    m_game->ReleaseGraphics();
}

TEST_F(PlatformHooksTest, MatchSoundsFollowTheGameOption) {
    g_cricket.m_matchViewSounds = false;
    EXPECT_FALSE(PlatformHooks().MatchViewSoundsOn());
    g_cricket.m_matchViewSounds = true;
    EXPECT_TRUE(PlatformHooks().MatchViewSoundsOn());
    InstallGamePlatformHooks(false);
    EXPECT_FALSE(PlatformHooks().MatchViewSoundsOn()) << "the plain hooks have no game behind them";
    InstallGamePlatformHooks(true);
}

}  // namespace
}  // namespace ravel
