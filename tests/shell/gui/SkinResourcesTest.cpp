#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/Resources.h"
#include "shell/Skin.h"
#include "shell/gui/GuiFixture.h"
#include "shell/gui/MessageBox.h"
#include "shell/platform/Bitmap.h"
#include "shell/platform/Files.h"
#include "shell/platform/Sound.h"
#include "world/Paths.h"

namespace ravel {
namespace {

const char* const SKIN_FILES[] = {
    "dlgbg.bmp",
    "dlg_titlebarsection.bmp",
    "dlg_titlebarclosenormal.bmp",
    "dlg_titlebarcloseover.bmp",
    "dlg_titlebarclosedown.bmp",
    "dropdown_left.bmp",
    "dropdown_mid.bmp",
    "dropdown_right.bmp",
    "dropdown_topslice.bmp",
    "dropdown_downbut.bmp",
    "leftside.bmp",
    "mid.bmp",
    "rightside.bmp",
    "leftover.bmp",
    "midover.bmp",
    "rightover.bmp",
    "leftclicked.bmp",
    "midclicked.bmp",
    "rightclicked.bmp",
    "but2_leftside.bmp",
    "but2_mid.bmp",
    "but2_rightside.bmp",
    "but2_leftover.bmp",
    "but2_midover.bmp",
    "but2_rightover.bmp",
    "but2_leftclicked.bmp",
    "but2_midclicked.bmp",
    "but2_rightclicked.bmp",
    "scrollb_scroller.bmp",
    "scroll_bh_mid.bmp",
    "scrollb_left.bmp",
    "scrollb_mid.bmp",
    "scrollb_right.bmp",
    "scrollb_leftbut.bmp",
    "scrollb_rightbut.bmp",
    "scroll_bv_mid.bmp",
    "scrollb_topbut.bmp",
    "scrollb_botbut.bmp",
    "tickbox.bmp",
    "tickbox_over.bmp",
    "tickbox_clicked.bmp",
    "tickbox_checked.bmp",
    "tickbox_checked_clicked.bmp",
    "tickbox_checked_over.bmp",
};

void WriteBitmap(const std::string& gamePath) {
    std::string path = NativePath(gamePath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    CCanvas image(4, 4, 0xff808080);
    ASSERT_TRUE(SaveBmp(image, path));
}

void WriteWave(const std::string& gamePath) {
    std::string path = NativePath(gamePath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const uint32_t samples = 64, rate = 22050;
    auto u32 = [](std::ofstream& out, uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](std::ofstream& out, uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    u32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    u32(out, 16);
    u16(out, 1);
    u16(out, 1);
    u32(out, rate);
    u32(out, rate * 2);
    u16(out, 2);
    u16(out, 16);
    out.write("data", 4);
    u32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) u16(out, static_cast<uint16_t>(i * 500));
}

void WriteSkin(const std::string& skin) {
    for (const char* file : SKIN_FILES) WriteBitmap("gfx/gui/" + skin + "/" + file);
    WriteBitmap("gfx/bad.bmp");
}

// Tests run in a scratch folder that holds the game's files, as the game
// runs in its own folder.
class ResourceFolderTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_saved = std::filesystem::current_path();
        std::filesystem::current_path(
            GuiScratch(testing::UnitTest::GetInstance()->current_test_info()->name()));
        ClearShownSystemBoxes();
    }
    void TearDown() override {
        m_game->FreeSounds();
        m_game->ReleaseGraphics();
        ReleaseMessageBox();
        std::filesystem::current_path(m_saved);
        GuiTest::TearDown();
    }
    std::filesystem::path m_saved;
};

using SkinTest = ResourceFolderTest;

TEST_F(SkinTest, StepOfTheFirstMissingFile) {
    struct Case {
        const char* missing;  // under the skin folder, or a whole path
        int step;
    };
    const Case cases[] = {
        {nullptr, 0},
        {"dlg_titlebarsection.bmp", 1},
        {"dlgbg.bmp", 5},
        {"leftover.bmp", 11},
        {"leftside.bmp", 14},
        {"scrollb_left.bmp", 31},
        {"scrollb_right.bmp", 33},
        {"scrollb_scroller.bmp", 34},
        {"tickbox_checked_over.bmp", 46},
        {"gfx/bad.bmp", 47},
    };
    for (const Case& c : cases) {
        WriteSkin("test");
        if (c.missing) {
            std::string path = std::string(c.missing).find('/') != std::string::npos
                                   ? c.missing
                                   : std::string("gfx/gui/test/") + c.missing;
            std::filesystem::remove(path);
        }
        SkinBlock skin;
        EXPECT_EQ(skin.LoadSkin("test"), c.step) << (c.missing ? c.missing : "complete");
        if (c.step == 5) {
            EXPECT_TRUE(skin[1].Loaded());  // earlier steps stay loaded
            EXPECT_FALSE(skin[0].Loaded());
            EXPECT_FALSE(skin[45].Loaded());
        }
        skin.ReleaseSkin();
        EXPECT_FALSE(skin[1].Loaded());
    }
}

TEST_F(SkinTest, MissingOrBrokenSkins) {
    WriteSkin("test");
    SkinBlock skin;
    EXPECT_EQ(skin.LoadSkin("none"), 1);
    EXPECT_EQ(skin.LoadSkin(std::string(300, 'x').c_str()), 1);
    std::ofstream("gfx/gui/test/dropdown_mid.bmp", std::ios::trunc) << "BM broken";
    EXPECT_EQ(skin.LoadSkin("test"), 7);
}

class ResourcesTest : public ResourceFolderTest {
protected:
    void WriteAll() {
        WriteSkin("std");
        for (int i = 0; i < TILE_COUNT; ++i) WriteBitmap(TileFile(i));
        for (int i = 0; i < SOUND_SLOTS; ++i) WriteWave(SoundFile(i));
    }
};

TEST_F(ResourcesTest, EveryTileByIndex) {
    WriteAll();
    ASSERT_TRUE(m_game->CreateGraphics());
    ASSERT_EQ(m_game->mv_tiles.size(), size_t(TILE_COUNT));
    EXPECT_STREQ(TileFile(6), "gfx/tiles/pitch/Green10.bmp");
    EXPECT_STREQ(TileFile(16), "gfx/tiles/pitch/Green0.bmp");
    EXPECT_STREQ(TileFile(35), "gfx/sprites/icon_bat.bmp");
    EXPECT_STREQ(TileFile(86), "gfx/bad.bmp");
    EXPECT_STREQ(TileFile(94), "gfx/tiles/form/bowl_up3.bmp");
    EXPECT_STREQ(TileFile(122), "gfx/tiles/weather/small/RAIN_HEAVY.bmp");
    EXPECT_STREQ(TileFile(128), "gfx/tiles/turn/turn5.bmp");
    EXPECT_STREQ(TileFile(141), "gfx/sprites/noplayer.bmp");
    EXPECT_EQ(m_game->m_sideBarList.mp_skin, m_game->m_skin.Sprites());
    EXPECT_TRUE(m_game->m_skin[45].Loaded());
    EXPECT_TRUE(ShownSystemBoxes().empty());
}

TEST_F(ResourcesTest, MissingTileStopsTheStart) {
    WriteAll();
    std::filesystem::remove("gfx/tiles/outcomes/runnb.bmp");
    EXPECT_FALSE(m_game->CreateGameResources());
    ASSERT_EQ(ShownSystemBoxes().size(), 1u);
    EXPECT_EQ(ShownSystemBoxes()[0].text, "Error: Failed to load gfx/tiles/outcomes/runnb.bmp");
    EXPECT_EQ(ShownSystemBoxes()[0].caption, "Ravelstone");
    EXPECT_EQ(m_game->mv_tiles.size(), 60u);
}

TEST_F(ResourcesTest, MissingSoundStopsTheStart) {
    WriteAll();
    m_system->mb_soundOff = 0;
    std::filesystem::remove("sound/clapsloop.wav");
    EXPECT_FALSE(m_game->CreateGameResources());
    ASSERT_EQ(ShownSystemBoxes().size(), 1u);
    EXPECT_EQ(ShownSystemBoxes()[0].text, "Error can't load sound");
    EXPECT_EQ(m_game->mv_sounds.size(), 11u);
}

TEST_F(ResourcesTest, StartWithAndWithoutSound) {
    WriteAll();
    struct CountingStartup : CStartupHooks {
        void RegisterScreens() override { ++m_built; }
        void BuildSideBar() override { ++m_built; }
        int m_built = 0;
    } startup;
    m_game->mp_startup = &startup;
    ASSERT_TRUE(m_game->CreateGameResources());
    EXPECT_EQ(startup.m_built, 2);
    EXPECT_EQ(m_game->mv_sounds.size(), size_t(m_system->mb_soundOff ? 0 : SOUND_SLOTS));
    EXPECT_EQ(m_system->mb_drawPointer, 1);
    EXPECT_NE(CMessageBox::s_dialog, nullptr);
    m_game->FreeSounds();
    ReleaseMessageBox();
    m_game->ReleaseGraphics();
    m_system->mb_soundOff = 1;
    ASSERT_TRUE(m_game->CreateGameResources());
    EXPECT_TRUE(m_game->mv_sounds.empty());
}

TEST_F(ResourcesTest, ShortSkinNamesAndRepeatedRelease) {
    WriteAll();
    for (const char* name : {"", "x"}) {
        m_game->SetSkinName(name);
        ASSERT_TRUE(m_game->CreateGraphics());
        EXPECT_STREQ(m_game->m_skinName, "std");
        EXPECT_TRUE(m_game->m_skin[0].Loaded());
        EXPECT_TRUE(m_game->ReleaseGraphics());
        EXPECT_TRUE(m_game->mv_tiles.empty());
        EXPECT_FALSE(m_game->m_skin[0].Loaded());
        EXPECT_TRUE(m_game->ReleaseGraphics());  // a second release does nothing
    }
}

TEST_F(ResourcesTest, PicturesDrawSafely) {
    WriteAll();
    ASSERT_TRUE(m_game->CreateGraphics());
    EXPECT_FALSE(m_game->m_background.Loaded());
    EXPECT_EQ(s_groundSprites[11], nullptr);
    ASSERT_NE(s_groundSprites[0], nullptr);
    EXPECT_FALSE(s_groundSprites[0]->Loaded());
    m_system->Clear(0xff000000);
    m_game->m_background.Draw(0, 0);  // never loaded: nothing
    m_game->m_background.DrawTransformed(0, 0, 100, 100);
    EXPECT_EQ(m_system->Screen().Pixel(10, 10), 0xff000000u);
    // A scaled draw leaves nothing behind for the next plain one.
    const CSprite* tile = m_game->mv_tiles[35];
    tile->DrawTransformed(0, 0, 40, 40);
    tile->Draw(100, 100);
    EXPECT_EQ(m_system->Screen().Pixel(130, 130), 0xff000000u);
    EXPECT_EQ(m_system->Screen().Pixel(103, 103), 0xff808080u);
    EXPECT_EQ(m_system->Screen().Pixel(39, 39), 0xff808080u);
}

}  // namespace
}  // namespace ravel
