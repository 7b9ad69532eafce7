#include "shell/Skin.h"

#include <cstdio>

namespace ravel {

namespace {

struct SkinStep {
    int sprite;
    const char* file;  // %s: the skin folder
};

// In load order; the step number is the position + 1.
constexpr SkinStep SKIN_STEPS[SKIN_SPRITES] = {
    {1, "gfx/gui/%s/dlg_titlebarsection.bmp"},
    {2, "gfx/gui/%s/dlg_titlebarclosenormal.bmp"},
    {3, "gfx/gui/%s/dlg_titlebarcloseover.bmp"},
    {4, "gfx/gui/%s/dlg_titlebarclosedown.bmp"},
    {0, "gfx/gui/%s/dlgbg.bmp"},
    {5, "gfx/gui/%s/dropdown_left.bmp"},
    {6, "gfx/gui/%s/dropdown_mid.bmp"},
    {7, "gfx/gui/%s/dropdown_right.bmp"},
    {8, "gfx/gui/%s/dropdown_topslice.bmp"},
    {9, "gfx/gui/%s/dropdown_downbut.bmp"},
    {13, "gfx/gui/%s/leftover.bmp"},
    {14, "gfx/gui/%s/midover.bmp"},
    {15, "gfx/gui/%s/rightover.bmp"},
    {10, "gfx/gui/%s/leftside.bmp"},
    {11, "gfx/gui/%s/mid.bmp"},
    {12, "gfx/gui/%s/rightside.bmp"},
    {16, "gfx/gui/%s/leftclicked.bmp"},
    {17, "gfx/gui/%s/midclicked.bmp"},
    {18, "gfx/gui/%s/rightclicked.bmp"},
    {22, "gfx/gui/%s/but2_leftover.bmp"},
    {23, "gfx/gui/%s/but2_midover.bmp"},
    {24, "gfx/gui/%s/but2_rightover.bmp"},
    {19, "gfx/gui/%s/but2_leftside.bmp"},
    {20, "gfx/gui/%s/but2_mid.bmp"},
    {21, "gfx/gui/%s/but2_rightside.bmp"},
    {25, "gfx/gui/%s/but2_leftclicked.bmp"},
    {26, "gfx/gui/%s/but2_midclicked.bmp"},
    {27, "gfx/gui/%s/but2_rightclicked.bmp"},
    {33, "gfx/gui/%s/scrollb_leftbut.bmp"},
    {34, "gfx/gui/%s/scrollb_rightbut.bmp"},
    {30, "gfx/gui/%s/scrollb_left.bmp"},
    {31, "gfx/gui/%s/scrollb_mid.bmp"},
    {32, "gfx/gui/%s/scrollb_right.bmp"},
    {28, "gfx/gui/%s/scrollb_scroller.bmp"},
    {29, "gfx/gui/%s/scroll_bh_mid.bmp"},
    {38, "gfx/gui/%s/scrollb_topbut.bmp"},
    {39, "gfx/gui/%s/scrollb_botbut.bmp"},
    {35, "gfx/gui/%s/scrollb_left.bmp"},
    {36, "gfx/gui/%s/scroll_bv_mid.bmp"},
    {37, "gfx/gui/%s/scrollb_right.bmp"},
    {40, "gfx/gui/%s/tickbox.bmp"},
    {41, "gfx/gui/%s/tickbox_over.bmp"},
    {42, "gfx/gui/%s/tickbox_clicked.bmp"},
    {43, "gfx/gui/%s/tickbox_checked.bmp"},
    {44, "gfx/gui/%s/tickbox_checked_clicked.bmp"},
    {45, "gfx/gui/%s/tickbox_checked_over.bmp"},
    // Outside the skin folder; the format has no %s, so the name is unused.
    {46, "gfx/bad.bmp"},
    {47, "gfx/bad.bmp"},
};

}  // namespace

int SkinBlock::LoadSkin(const char* skinName) {
    for (int step = 0; step < SKIN_SPRITES; ++step) {
        char path[256];
        // A long name is cut, so the path can only point at a missing file.
        std::snprintf(path, sizeof path, SKIN_STEPS[step].file, skinName);
        if (!m_sprites[SKIN_STEPS[step].sprite].LoadFromFile(path)) return step + 1;
    }
    return 0;
}

int SkinBlock::ReleaseSkin() {
    for (CSprite& sprite : m_sprites) sprite.Release();
    return 0;
}

}  // namespace ravel
