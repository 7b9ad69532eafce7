#include "shell/platform/TestCard.h"

#include <cmath>

#include "shell/platform/System.h"

namespace ravel {

uint32_t CardRampGrey(int step) {
    const uint32_t v = uint32_t(step * 255 / (CARD_RAMP_STEPS - 1));
    return 0xff000000u | v << 16 | v << 8 | v;
}

namespace {

void Checkerboard(CSystem& s, int l, int t, int r, int b) {
    for (int y = t; y < b; y += 8)
        for (int x = l; x < r; x += 8)
            s.FillRect(x, y, std::min(x + 8, r), std::min(y + 8, b),
                       ((x - l) / 8 + (y - t) / 8) % 2 ? CARD_CHECK_LIGHT : CARD_CHECK_DARK);
}

}  // namespace

void DrawTestCard(CSystem& s, const TestCardArt& art) {
    s.Clear(CARD_BACKGROUND);
    CFont* label = art.fonts.empty() ? nullptr : art.fonts.front().font;

    // Grey ramp: the lower half under the shade blend.
    const int rampRight = CARD_RAMP_X + CARD_RAMP_STEPS * CARD_RAMP_CELL;
    for (int i = 0; i < CARD_RAMP_STEPS; ++i) {
        const int x = CARD_RAMP_X + i * CARD_RAMP_CELL;
        s.FillRect(x, CARD_RAMP_Y, x + CARD_RAMP_CELL, CARD_RAMP_Y + 2 * CARD_RAMP_HALF, CardRampGrey(i));
    }
    s.ShadeRect(CARD_RAMP_X, CARD_RAMP_Y + CARD_RAMP_HALF, rampRight, CARD_RAMP_Y + 2 * CARD_RAMP_HALF);
    s.DrawText(CARD_RAMP_X, 6, ALIGN_LEFT, 0xffffffffu, label, "Grey ramp; lower half shaded");

    // Colour fills, plain above; below, blended fills of mid colours over grey.
    for (int i = 0; i < 6; ++i) {
        const int x = CARD_FILL_X + i * CARD_FILL_STEP;
        s.FillRect(x, CARD_RAMP_Y, x + 50, CARD_RAMP_Y + 25, CARD_FILLS[i]);
        s.FillRect(x, CARD_RAMP_Y + 25, x + 50, CARD_RAMP_Y + 50, CARD_BLEND_UNDER);
        s.FillRectBlended(x, CARD_RAMP_Y + 25, x + 50, CARD_RAMP_Y + 50, CARD_BLENDS[i]);
    }
    s.DrawText(CARD_FILL_X, 6, ALIGN_LEFT, 0xffffffffu, label, "Fills; blended fills over grey");

    // Lines: a fan and a one-pixel frame.
    const int cx = 90, cy = 190;
    for (int a = 0; a < 360; a += 15) {
        const double r = a * 3.14159265 / 180;
        s.DrawLine(cx, cy, cx + int(std::lround(std::cos(r) * 70)), cy + int(std::lround(std::sin(r) * 70)),
                   a % 45 ? 0xffc0c0c0u : 0xffffd000u);
    }
    s.DrawLine(10, 100, 170, 100, 0xffffffffu);
    s.DrawLine(170, 100, 170, 280, 0xffffffffu);
    s.DrawLine(170, 280, 10, 280, 0xffffffffu);
    s.DrawLine(10, 280, 10, 100, 0xffffffffu);

    // Every font, left-aligned, with a centred line and a wrapped box.
    int y = 96;
    for (const TestCardFont& f : art.fonts) {
        const int h = f.font ? f.font->LineHeight() : 20;
        s.DrawText(190, y + (h - 17) / 2, ALIGN_LEFT, 0xffcdcdcdu, label, "%s", f.label.c_str());
        s.DrawText(340, y, ALIGN_LEFT, 0xffffffffu, f.font,
                   "Ravel 345/7 \xa3"
                   "9,250");
        y += h + 2;
    }
    s.DrawText(420, y + 4, ALIGN_CENTRE, 0xffffff00u, label, "Centred on x 420");
    s.FillRect(190, y + 30, 640, y + 31, 0xff808080u);
    s.DrawTextInRect(190, y + 34, 640, y + 34 + 2 * 21, ALIGN_LEFT, 0xffcdcdcdu, label,
                     "Wrapped between words inside a rectangle and cut at its bottom: the new ball "
                     "is due after eighty overs, and the umpires inspect the pitch at lunch, at tea "
                     "and again before the close of play.");

    // Sprites keyed over a checkerboard, then scaled up three times.
    Checkerboard(s, CARD_SPRITE_X, CARD_SPRITE_Y, 1014, CARD_SPRITE_Y + 310);
    int sx = CARD_SPRITE_X + 4, sy = CARD_SPRITE_Y + 4;
    for (CSprite* sprite : art.sprites) {
        if (!sprite || !sprite->Loaded()) continue;
        if (sx + int(sprite->m_width) > 1010) {
            sx = CARD_SPRITE_X + 4;
            sy += 20;
        }
        sprite->Draw(sx, sy);
        sx += int(sprite->m_width) + 4;
    }
    sx = CARD_SPRITE_X + 4;
    sy += 24;
    for (CSprite* sprite : art.sprites) {
        if (!sprite || !sprite->Loaded()) continue;
        const int w = int(sprite->m_width) * 3, h = int(sprite->m_height) * 3;
        if (sx + w > 1010) {
            sx = CARD_SPRITE_X + 4;
            sy += 52;
        }
        if (sy + h > CARD_SPRITE_Y + 310) break;
        sprite->DrawTransformed(sx, sy, w, h);
        sx += w + 4;
    }

    // Every tile by index.
    s.DrawText(CARD_TILE_X, CARD_TILE_Y - 22, ALIGN_LEFT, 0xffffffffu, label, "Tiles 0 to %d",
               int(art.tiles.size()) - 1);
    for (size_t i = 0; i < art.tiles.size(); ++i) {
        const int x = CARD_TILE_X + int(i % CARD_TILE_COLUMNS) * CARD_TILE_CELL;
        const int ty = CARD_TILE_Y + int(i / CARD_TILE_COLUMNS) * CARD_TILE_CELL;
        s.FillRect(x, ty, x + CARD_TILE_CELL - 2, ty + CARD_TILE_CELL - 2, 0xff1d1f24u);
        if (art.tiles[i]) {
            const CSprite& t = *art.tiles[i];
            t.Draw(x + (CARD_TILE_CELL - 2 - int(t.m_width)) / 2,
                   ty + (CARD_TILE_CELL - 2 - int(t.m_height)) / 2);
        }
    }
}

}  // namespace ravel
