// The generated art and sounds, as the game loads them from the runtime
// folder, and the test card drawn with them.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PlatformFixture.h"
#include "shell/Resources.h"
#include "shell/Skin.h"
#include "shell/platform/Sound.h"
#include "shell/platform/TestCard.h"

namespace ravel {
namespace {

class GameArtTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        m_saved = std::filesystem::current_path();
        std::filesystem::current_path(RAVEL_RUNTIME_DIR);
    }
    void TearDown() override {
        std::filesystem::current_path(m_saved);
        HeadlessTest::TearDown();
    }
    std::filesystem::path m_saved;
};

TEST_F(GameArtTest, PicturesLoadAtTheSizesTheirDrawingNeeds) {
    struct Case {
        const char* file;
        uint32_t w, h;  // 0: any size
    } cases[] = {
        {"gfx/pics/background.bmp", 1024, 768},
        {"gfx/pics/logo.bmp", 1024, 768},
        {"gfx/pics/logors.bmp", 1024, 768},
        {"gfx/pics/pitch.bmp", 740, 556},
        {"gfx/pics/pitchBig.bmp", 0, 0},
        {"gfx/pics/pitch2.bmp", 370, 278},
        {"gfx/pics/pitch2_pitchless.bmp", 370, 278},
        {"gfx/pics/pitch_small.bmp", 0, 0},
        {"gfx/pics/pitch_small2.bmp", 0, 0},
        {"gfx/sprites/bottominfobar.bmp", 0, 0},
        {"gfx/mouse/mousepointer.bmp", 32, 32},
        {"gfx/mouse/mousepointerld.bmp", 32, 32},
        // Club crests fit the side bar below its menu buttons.
        {"gfx/pics/teams/Derbyshire.bmp", 90, 110},
        {"gfx/pics/teams/New South Wales.bmp", 90, 110},
    };
    for (const Case& c : cases) {
        CSprite s;
        ASSERT_TRUE(s.LoadFromFile(c.file)) << c.file;
        if (c.w) {
            EXPECT_EQ(s.m_width, c.w) << c.file;
            EXPECT_EQ(s.m_height, c.h) << c.file;
        }
    }
    for (int slot = 0; slot < GROUND_SPRITES; ++slot) {
        if (!GroundSpriteFile(slot)) continue;
        CSprite s;
        EXPECT_TRUE(s.LoadFromFile(GroundSpriteFile(slot))) << slot;
    }
}

TEST_F(GameArtTest, BothSkinsAreComplete) {
    for (const char* skin : {"std", "willow"}) {
        SkinBlock block;
        EXPECT_EQ(block.LoadSkin(skin), 0) << skin;
        struct Bar {
            const char* file;
            uint32_t w, h;
        } bars[] = {{"topbarmatch", 1024, 103},
                    {"sidebar", 185, 417},
                    {"sidebarbot", 185, 184},
                    {"botbar", 1024, 64},
                    {"scoreboard", 175, 95}};
        for (const Bar& b : bars) {
            CSprite s;
            const std::string path = std::string("gfx/gui/") + skin + "/" + b.file + ".bmp";
            ASSERT_TRUE(s.LoadFromFile(path.c_str())) << path;
            EXPECT_EQ(s.m_width, b.w) << path;
            EXPECT_EQ(s.m_height, b.h) << path;
        }
    }
}

TEST_F(GameArtTest, EverySoundIsShortSixteenBitPcm) {
    for (int slot = 0; slot < SOUND_SLOTS; ++slot) {
        WaveFile wave;
        ASSERT_EQ(wave.Open(SoundFile(slot), nullptr, WAVE_READ), RESULT_OK) << SoundFile(slot);
        EXPECT_EQ(wave.Format()->formatTag, 1);
        EXPECT_EQ(wave.Format()->bitsPerSample, 16);
        EXPECT_GT(wave.m_dataSize, 1000u);
        EXPECT_LT(wave.m_dataSize, 22050u * 2 * 6);  // under six seconds
    }
}

TEST_F(GameArtTest, TestCardKeyPixels) {
    std::vector<std::unique_ptr<CFont>> fonts;
    fonts.push_back(CFont::Create(21, 400, false));
    fonts.push_back(CFont::Create(32, 700, true));
    std::vector<std::unique_ptr<CSprite>> owned;
    TestCardArt art;
    for (auto& f : fonts) art.fonts.push_back({f.get(), "font"});
    for (int i = 0; i < TILE_COUNT; ++i) {
        owned.push_back(std::make_unique<CSprite>());
        ASSERT_TRUE(owned.back()->LoadFromFile(TileFile(i))) << TileFile(i);
        art.tiles.push_back(owned.back().get());
    }
    owned.push_back(std::make_unique<CSprite>());
    ASSERT_TRUE(owned.back()->LoadFromFile(GroundSpriteFile(0)));
    art.sprites.push_back(owned.back().get());
    DrawTestCard(*m_system, art);
    const CCanvas& card = Screen();

    // The ramp: plain above, the shade blend below.
    for (int i = 0; i < CARD_RAMP_STEPS; ++i) {
        const int x = CARD_RAMP_X + i * CARD_RAMP_CELL + CARD_RAMP_CELL / 2;
        const uint32_t grey = CardRampGrey(i);
        EXPECT_EQ(card.Pixel(x, CARD_RAMP_Y + 5), grey);
        const uint32_t d = grey & 0xff;
        const uint32_t shaded = std::min<uint32_t>(255, (19 * 236 + d * d + 127) / 255);
        EXPECT_EQ(card.Pixel(x, CARD_RAMP_Y + CARD_RAMP_HALF + 5),
                  0xff000000u | shaded << 16 | shaded << 8 | shaded);
    }
    EXPECT_EQ(card.Pixel(CARD_RAMP_X + 5, CARD_RAMP_Y + 2 * CARD_RAMP_HALF + 1), CARD_BACKGROUND);
    // Blended fills: each channel s (1 - s) + d d over grey 0x80.
    for (int i = 0; i < 6; ++i) {
        const int x = CARD_FILL_X + i * CARD_FILL_STEP + 25;
        EXPECT_EQ(card.Pixel(x, CARD_RAMP_Y + 10), CARD_FILLS[i]);
        uint32_t expected = 0xff000000u;
        for (int shift : {16, 8, 0}) {
            const uint32_t s = (CARD_BLENDS[i] >> shift) & 0xff;
            expected |= std::min<uint32_t>(255, (s * (255 - s) + 128 * 128 + 127) / 255) << shift;
        }
        EXPECT_EQ(card.Pixel(x, CARD_RAMP_Y + 40), expected) << i;
    }
    // The keyed sprite: its corner shows the checkerboard, its middle does not.
    const int sx = CARD_SPRITE_X + 4, sy = CARD_SPRITE_Y + 4;
    EXPECT_EQ(card.Pixel(sx, sy), CARD_CHECK_DARK);
    EXPECT_NE(card.Pixel(sx + 8, sy + 8), CARD_CHECK_DARK);
    EXPECT_NE(card.Pixel(sx + 8, sy + 8), CARD_CHECK_LIGHT);
    // Every tile leaves a mark in its cell.
    for (int i = 0; i < TILE_COUNT; ++i) {
        const int x0 = CARD_TILE_X + (i % CARD_TILE_COLUMNS) * CARD_TILE_CELL;
        const int y0 = CARD_TILE_Y + (i / CARD_TILE_COLUMNS) * CARD_TILE_CELL;
        int marked = 0;
        for (int y = y0; y < y0 + CARD_TILE_CELL - 2; ++y)
            for (int x = x0; x < x0 + CARD_TILE_CELL - 2; ++x) marked += card.Pixel(x, y) != 0xff1d1f24u;
        EXPECT_GT(marked, 10) << "tile " << i;
    }
}

}  // namespace
}  // namespace ravel
