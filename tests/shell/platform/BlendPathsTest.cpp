// The canvas's quick paths (four pixels at a time, glyph rows in blocks)
// must give exactly the pixels of the plain per-pixel rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "shell/platform/Canvas.h"
#include "shell/platform/Font.h"
#include "world/Random.h"

namespace ravel {
namespace {

uint32_t Channel(uint32_t c, int shift) {
    return (c >> shift) & 0xffu;
}

// The shade blend by its rule: s * (1 - s) + d * d per channel, alpha kept.
uint32_t Shaded(uint32_t d, uint32_t colour) {
    uint32_t out = d & 0xff000000u;
    for (int shift : {16, 8, 0}) {
        const uint32_t s = Channel(colour, shift), v = Channel(d, shift);
        out |= std::min<uint32_t>((s * (255 - s) + v * v + 127) / 255, 255) << shift;
    }
    return out;
}

TEST(BlendPaths, ShadeBlendMatchesItsRuleForEveryChannelValue) {
    // Each row holds every value in each channel, with its own alpha.
    CCanvas under(256, 4);
    for (int y = 0; y < under.Height(); ++y)
        for (int x = 0; x < 256; ++x)
            under.SetPixel(x, y,
                           uint32_t(0x40 * y + 0x3f) << 24 | uint32_t(x) << 16 | uint32_t(255 - x) << 8 |
                               uint32_t(x * 7 % 256));
    const uint32_t colours[] = {0xff131313u, 0xff000000u, 0xffffffffu, 0xff7f8081u, 0xffff8000u, 0x00204060u};
    struct Span {
        int left, right;  // some leave one to three pixels past the last block of four
    } spans[] = {{0, 256}, {1, 256}, {3, 254}, {5, 6}, {2, 5}};
    for (uint32_t colour : colours)
        for (const Span& span : spans) {
            CCanvas canvas = under;
            canvas.ShadeBlendRect(span.left, 0, span.right, under.Height(), colour);
            for (int y = 0; y < under.Height(); ++y)
                for (int x = 0; x < 256; ++x) {
                    const uint32_t d = under.Pixel(x, y);
                    const bool inside = x >= span.left && x < span.right;
                    ASSERT_EQ(canvas.Pixel(x, y), inside ? Shaded(d, colour) : d)
                        << std::hex << "colour " << colour << " at " << std::dec << x << "," << y;
                }
        }
}

// A mask of the given size, empty, solid and partly covered pixels mixed,
// with whole blocks of four of each.
CoverageMask RandomMask(int width, int height) {
    CoverageMask mask;
    mask.width = width;
    mask.height = height;
    mask.coverage.resize(size_t(width) * height);
    for (uint8_t& c : mask.coverage) {
        const int kind = Rand() % 4;
        c = kind == 0 ? 0 : kind == 1 ? 255 : uint8_t(Rand() % 256);
    }
    if (height > 1 && width >= 4) {
        std::fill_n(mask.coverage.begin(), 4, uint8_t(0));
        std::fill_n(mask.coverage.begin() + width, 4, uint8_t(255));
    }
    if (height > 2) std::fill_n(mask.coverage.begin() + 2 * width, width, uint8_t(0));  // an empty row
    mask.FindRows();
    return mask;
}

TEST(BlendPaths, MaskWithRowsMatchesThePlainMask) {
    SeedRand(9);
    // Under the mask: every kind of pixel, some not opaque.
    CCanvas under(40, 24);
    for (uint32_t& p : under.Pixels()) p = uint32_t(Rand()) ^ uint32_t(Rand()) << 16;
    struct Case {
        int width, height, x, y;
        uint32_t colour;
        TextRect clip;
        bool measured;  // FindRows was called
    } cases[] = {
        {8, 10, 5, 3, 0xffffffffu, {0, 0, 40, 24}, true},   // whole blocks of four
        {12, 6, 20, 9, 0xff000000u, {0, 0, 40, 24}, true},  // the shadow colour
        {7, 9, 1, 2, 0xffffff00u, {0, 0, 40, 24}, true},    // a width that leaves a tail
        {1, 5, 0, 0, 0xff102030u, {0, 0, 40, 24}, true},
        {16, 12, -5, -3, 0xffffffffu, {0, 0, 40, 24}, true},      // off the top left corner
        {16, 12, 30, 18, 0xff80c0ffu, {0, 0, 40, 24}, true},      // off the bottom right corner
        {12, 12, 10, 5, 0xffffffffu, {13, 7, 19, 14}, true},      // cut inside a block on both sides
        {12, 12, 10, 5, 0xffffffffu, {30, 0, 40, 24}, true},      // clip misses it
        {8, 8, 4, 4, 0x80ff8000u, {0, 0, 40, 24}, true},          // translucent colour
        {8, 8, 4, 4, 0x00ffffffu, {0, 0, 40, 24}, true},          // invisible colour
        {8, 8, 4, 4, 0xffffffffu, {-100, -100, 100, 100}, true},  // clip wider than the canvas
        {7, 9, 3, 3, 0xffffffffu, {0, 0, 40, 24}, false},         // rows never measured
    };
    for (const Case& c : cases) {
        CoverageMask mask = RandomMask(c.width, c.height);
        if (!c.measured) mask.rows.clear();
        CCanvas plain = under, quick = under;
        plain.BlendMask(mask.coverage.data(), mask.width, mask.width, mask.height, c.x, c.y, c.colour,
                        c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
        quick.BlendMask(mask, c.x, c.y, c.colour, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
        EXPECT_EQ(quick.Pixels(), plain.Pixels())
            << "mask " << c.width << "x" << c.height << " at " << c.x << "," << c.y;
    }
}

TEST(BlendPaths, RowsCoverAllTheInkInBlocksOfFour) {
    CoverageMask mask;
    mask.width = 12;
    mask.height = 3;
    mask.coverage.assign(36, 0);
    mask.coverage[12 + 5] = 9;    // row 1: one pixel in the second block
    mask.coverage[24 + 2] = 255;  // row 2: ink from the first block into the last
    mask.coverage[24 + 9] = 1;
    mask.FindRows();
    ASSERT_EQ(mask.rows.size(), 3u);
    EXPECT_EQ(mask.rows[0].first, mask.rows[0].end);  // nothing to blend
    EXPECT_EQ(mask.rows[1].first, 4);
    EXPECT_EQ(mask.rows[1].end, 8);
    EXPECT_EQ(mask.rows[2].first, 0);
    EXPECT_EQ(mask.rows[2].end, 12);

    mask.width = 6;  // a width that is no multiple of four: the last block is cut short
    mask.height = 1;
    mask.coverage = {0, 0, 0, 0, 0, 7};
    mask.FindRows();
    EXPECT_EQ(mask.rows[0].first, 4);
    EXPECT_EQ(mask.rows[0].end, 6);
}

}  // namespace
}  // namespace ravel
