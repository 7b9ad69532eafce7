// A skin: the 48 bitmaps of a folder under gfx\gui\ that give every control
// its look. Controls draw them by index.
#pragma once

#include "shell/platform/Sprite.h"

namespace ravel {

inline constexpr int SKIN_SPRITES = 48;

// Indexes of the skin sprites that the controls draw.
enum SkinSprite : int {
    SKIN_DIALOG_TILE = 0,
    SKIN_TITLE_SLICE = 1,
    SKIN_DROPDOWN_LEFT = 5,
    SKIN_DROPDOWN_MID = 6,
    SKIN_DROPDOWN_BUTTON = 9,
    SKIN_BUTTON_LEFT = 10,   // + 3 hovered, + 6 pressed
    SKIN_BUTTON2_LEFT = 19,  // the second button look, likewise
    SKIN_VSCROLL_THUMB = 28,
    SKIN_HSCROLL_THUMB = 29,
    SKIN_HSCROLL_TRACK = 31,
    SKIN_HSCROLL_LEFT = 33,
    SKIN_HSCROLL_RIGHT = 34,
    SKIN_VSCROLL_TRACK = 36,
    SKIN_VSCROLL_TOP = 38,
    SKIN_VSCROLL_BOTTOM = 39,
    SKIN_TICK = 40,
    SKIN_TICK_OVER = 41,
    SKIN_TICK_CLICKED = 42,
    SKIN_TICKED = 43,
    SKIN_TICKED_CLICKED = 44,
    SKIN_TICKED_OVER = 45,
};

class SkinBlock {
public:
    SkinBlock() = default;
    ~SkinBlock() { ReleaseSkin(); }
    SkinBlock(const SkinBlock&) = delete;
    SkinBlock& operator=(const SkinBlock&) = delete;

    // 0 when every bitmap loaded, else the number (1 to 48) of the load step
    // that failed; the sprites of later steps stay empty.
    int LoadSkin(const char* skinName);
    int ReleaseSkin();

    CSprite* Sprites() { return m_sprites; }
    CSprite& operator[](int index) { return m_sprites[index]; }

private:
    CSprite m_sprites[SKIN_SPRITES];
};

}  // namespace ravel
