#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "PlatformFixture.h"
#include "shell/platform/Bitmap.h"
#include "shell/platform/Sprite.h"

namespace ravel {
namespace {

uint32_t Grey(uint32_t v) {
    return 0xff000000u | v << 16 | v << 8 | v;
}

using DrawTest = HeadlessTest;

TEST_F(DrawTest, ShadeBlendSquaresTheBackgroundAndLiftsBlack) {
    // out = s (1 - s) + d * d, per channel, s = 0x13.
    struct Case {
        uint32_t below, expected;
    } cases[] = {
        {0xff, 0xff},  // white stays white
        {0x80, 0x52},  // mid grey falls to about 32 %
        {0x00, 0x12},  // black is lifted a little
        {0x40, 0x22},
    };
    for (const Case& c : cases) {
        Screen().Clear(Grey(c.below));
        m_system->ShadeRect(10, 10, 20, 20);
        EXPECT_EQ(Screen().Pixel(15, 15), Grey(c.expected)) << "below " << c.below;
        EXPECT_EQ(Screen().Pixel(9, 15), Grey(c.below));
        EXPECT_EQ(Screen().Pixel(20, 15), Grey(c.below));  // right edge is exclusive
    }
    EXPECT_EQ(m_system->mb_blend, 0);
}

TEST_F(DrawTest, BlendedFillUsesTheGivenColourPerChannel) {
    Screen().Clear(0xff808080u);
    m_system->FillRectBlended(0, 0, 4, 4, 0xffff0000u);
    // red: 255 * 0 + 128^2 / 255 = 64; green and blue: 0 + 64.
    EXPECT_EQ(Screen().Pixel(1, 1), 0xff404040u);
}

TEST_F(DrawTest, FillRectCoversRowsTopToBottomMinusOne) {
    struct Case {
        int top, bottom;
        int firstRow, lastRow;  // -1: nothing drawn
    } cases[] = {
        {100, 101, 100, 100},                      // height 1: a line at top
        {100, 103, 100, 102},                      // height 3: centred on top + 1, three wide
        {100, 102, 100, 101}, {100, 100, -1, -1},  // empty
        {100, 98, -1, -1},                         // upside down
    };
    for (const Case& c : cases) {
        Screen().Clear(0xff000000u);
        m_system->FillRect(50, c.top, 60, c.bottom, 0xff00ff00u);
        for (int y = 95; y < 110; ++y) {
            const bool inside = c.firstRow >= 0 && y >= c.firstRow && y <= c.lastRow;
            EXPECT_EQ(Screen().Pixel(55, y), inside ? 0xff00ff00u : 0xff000000u)
                << "rect " << c.top << ".." << c.bottom << " row " << y;
        }
        EXPECT_EQ(Screen().Pixel(60, c.top), 0xff000000u);
    }
}

TEST_F(DrawTest, FillRectOffScreenIsClipped) {
    m_system->FillRect(-50, -50, 2000, 2000, 0xff123456u);
    EXPECT_EQ(Screen().Pixel(0, 0), 0xff123456u);
    EXPECT_EQ(Screen().Pixel(1023, 767), 0xff123456u);
    m_system->FillRect(5000, 5000, 6000, 6000, 0xffffffffu);  // nowhere
}

TEST_F(DrawTest, LinesIncludeBothEnds) {
    m_system->DrawLine(10, 10, 20, 10, 0xffffffffu);
    m_system->DrawLine(30, 30, 30, 30, 0xffff0000u);
    m_system->DrawLine(100, 100, 90, 110, 0xff00ff00u);
    EXPECT_EQ(Screen().Pixel(10, 10), 0xffffffffu);
    EXPECT_EQ(Screen().Pixel(20, 10), 0xffffffffu);
    EXPECT_EQ(Screen().Pixel(21, 10), 0xff000000u);
    EXPECT_EQ(Screen().Pixel(30, 30), 0xffff0000u);
    EXPECT_EQ(Screen().Pixel(95, 105), 0xff00ff00u);
    EXPECT_EQ(Screen().Pixel(90, 110), 0xff00ff00u);
    // From far off: cut to the screen, still drawn where it crosses it.
    m_system->DrawLine(-100000, 5, 100000, 5, 0xffffffffu);
    EXPECT_EQ(Screen().Pixel(0, 5), 0xffffffffu);
    EXPECT_EQ(Screen().Pixel(1023, 5), 0xffffffffu);
    m_system->DrawLine(-50, -50, 2000000, 2000000, 0xff0000ffu);
    EXPECT_EQ(Screen().Pixel(700, 700), 0xff0000ffu);
    m_system->DrawLine(-10, 900, 2000, 900, 0xffffffffu);  // wholly below
}

// A small picture: magenta border, near-magenta and blue inside.
CCanvas KeyedPicture() {
    CCanvas image(4, 3, COLOUR_KEY);
    image.SetPixel(1, 1, 0xffff00feu);  // not exactly magenta: drawn
    image.SetPixel(2, 1, 0xff0000ffu);
    return image;
}

TEST_F(DrawTest, OnlyExactMagentaIsTransparent) {
    const std::string dir = ScratchFolder("key");
    ASSERT_TRUE(SaveBmp(KeyedPicture(), dir + "/keyed.bmp"));
    CSprite sprite;
    ASSERT_TRUE(sprite.LoadFromFile((dir + "/keyed.bmp").c_str()));
    Screen().Clear(0xff202020u);
    sprite.Draw(100, 100);
    EXPECT_EQ(Screen().Pixel(100, 100), 0xff202020u);
    EXPECT_EQ(Screen().Pixel(101, 101), 0xffff00feu);
    EXPECT_EQ(Screen().Pixel(102, 101), 0xff0000ffu);
    EXPECT_EQ(Screen().Pixel(103, 102), 0xff202020u);
}

TEST_F(DrawTest, SpriteReportsItsOwnSizeAndScalesFromIt) {
    CCanvas image(300, 200, 0xff3050a0u);
    image.FillRect(0, 0, 150, 200, 0xffa05030u);
    CSprite sprite;
    sprite.LoadFromCanvas(image);
    EXPECT_EQ(sprite.m_width, 300u);
    EXPECT_EQ(sprite.m_height, 200u);

    sprite.DrawTransformed(10, 10, 300, 200);  // natural size: same as Draw
    CCanvas scaled = Screen();
    Screen().Clear(0xff000000u);
    sprite.Draw(10, 10);
    EXPECT_EQ(scaled.Pixels(), Screen().Pixels());

    Screen().Clear(0xff000000u);
    sprite.DrawTransformed(0, 0, 150, 100);  // half size
    EXPECT_EQ(Screen().Pixel(10, 50), 0xffa05030u);
    EXPECT_EQ(Screen().Pixel(140, 50), 0xff3050a0u);
    EXPECT_EQ(Screen().Pixel(150, 50), 0xff000000u);
    EXPECT_EQ(Screen().Pixel(10, 100), 0xff000000u);
}

TEST_F(DrawTest, DrawPartTakesTheTopLeftCornerAndIsCut) {
    CCanvas image(8, 8, 0xff00ff00u);
    image.FillRect(4, 0, 8, 8, 0xffff0000u);
    CSprite sprite;
    sprite.LoadFromCanvas(image);
    sprite.DrawPart(0, 0, 4, 20);  // taller than the picture: cut at its bottom
    EXPECT_EQ(Screen().Pixel(3, 7), 0xff00ff00u);
    EXPECT_EQ(Screen().Pixel(4, 0), 0xff000000u);
    EXPECT_EQ(Screen().Pixel(0, 8), 0xff000000u);
    sprite.Draw(1020, 764);  // partly off screen
    EXPECT_EQ(Screen().Pixel(1023, 767), 0xff00ff00u);
}

TEST_F(DrawTest, EmptyOrReleasedSpriteDrawsNothing) {
    CSprite sprite;
    sprite.Draw(0, 0);
    sprite.Release();
    sprite.Release();
    EXPECT_FALSE(sprite.LoadFromFile("gfx/no/such.bmp"));
    sprite.DrawTransformed(0, 0, 10, 10);
    for (uint32_t p : Screen().Pixels()) ASSERT_EQ(p, 0xff000000u);
}

// ---- Bitmap files ----------------------------------------------------------

std::vector<uint8_t> ValidBmp() {
    CCanvas image(3, 2, 0xff112233u);
    image.SetPixel(0, 0, 0xffabcdefu);
    const std::string path = ScratchFolder("bmp") + "/valid.bmp";
    EXPECT_TRUE(SaveBmp(image, path));
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

TEST(Bitmap, RoundTripKeepsEveryPixel) {
    CCanvas decoded;
    ASSERT_TRUE(DecodeBmp(ValidBmp(), decoded));
    EXPECT_EQ(decoded.Width(), 3);
    EXPECT_EQ(decoded.Height(), 2);
    EXPECT_EQ(decoded.Pixel(0, 0), 0xffabcdefu);
    EXPECT_EQ(decoded.Pixel(2, 1), 0xff112233u);
}

TEST(Bitmap, ReadsPalettedAndTopDownPictures) {
    // 2 x 2, 8-bit, top-down (negative height), two palette entries.
    std::vector<uint8_t> b(54 + 8 + 8, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 62);
    Put32(b, 14, 40);
    Put32(b, 18, 2);
    Put32(b, 22, uint32_t(-2));
    b[26] = 1;
    b[28] = 8;
    Put32(b, 46, 2);
    Put32(b, 54, 0x00ff00ff);  // magenta
    Put32(b, 58, 0x00102030);
    b[62] = 0;
    b[63] = 1;
    b[66] = 1;
    b[67] = 7;  // index past the palette: black
    CCanvas out;
    ASSERT_TRUE(DecodeBmp(b, out));
    EXPECT_EQ(out.Pixel(0, 0), COLOUR_KEY);
    EXPECT_EQ(out.Pixel(1, 0), 0xff102030u);
    EXPECT_EQ(out.Pixel(0, 1), 0xff102030u);
    EXPECT_EQ(out.Pixel(1, 1), 0xff000000u);
}

TEST(Bitmap, DamagedFilesFailCleanly) {
    const std::vector<uint8_t> good = ValidBmp();
    struct Case {
        const char* what;
        size_t at;       // byte to change (or the new size when resize is set)
        uint32_t value;  // 32-bit value written there
        bool resize;
    } cases[] = {
        {"truncated header", 30, 0, true},
        {"truncated pixels", 60, 0, true},
        {"empty", 0, 0, true},
        {"wrong magic", 0, 0x00004d41, false},
        {"zero width", 18, 0, false},
        {"negative width", 18, uint32_t(-3), false},
        {"huge height", 22, 0x7fffffff, false},
        {"16-bit", 28, 0x00010010, false},
        {"compressed", 30, 1, false},
        {"pixels past the end", 10, 0xfffffff0u, false},
        {"header size past the end", 14, 0x7ffffff0u, false},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> b = good;
        if (c.resize)
            b.resize(c.at);
        else
            Put32(b, c.at, c.value);
        CCanvas out;
        EXPECT_FALSE(DecodeBmp(b, out)) << c.what;
    }
    CCanvas out;
    EXPECT_FALSE(LoadBmp("/no/such/file.bmp", out));
}

TEST(Bitmap, RandomDamageNeverCrashes) {
    const std::vector<uint8_t> good = ValidBmp();
    uint32_t state = 12345;
    for (int round = 0; round < 2000; ++round) {
        const std::vector<uint8_t> b = Damaged(good, state, 4);
        CCanvas out;
        if (DecodeBmp(b, out)) {
            EXPECT_GT(out.Width(), 0);
            EXPECT_GT(out.Height(), 0);
        }
    }
}

}  // namespace
}  // namespace ravel
