// The drawing operations of CSystem: lines, fills, the shade blend and text.
#include <cstdio>

#include "shell/platform/System.h"

namespace ravel {

namespace {

constexpr int TEXT_BUFFER = 1024;  // longer texts are cut to 1,023 characters

void DrawBoxed(CCanvas& screen, CFont* font, const char* text, TextRect box, unsigned flags, uint32_t colour,
               bool shadow) {
    if (shadow) {
        const TextRect moved{box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
        font->DrawText(screen, text, moved, flags, SHADOW_COLOUR);
    }
    font->DrawText(screen, text, box, flags, colour);
}

}  // namespace

void CSystem::DrawLine(int x1, int y1, int x2, int y2, uint32_t colour) {
    m_screen.DrawLine(x1, y1, x2, y2, colour);
}

void CSystem::FillRect(int left, int top, int right, int bottom, uint32_t colour) {
    // Drawn as one line as wide as the rectangle is high, centred on
    // top + height / 2: it covers rows top to bottom - 1 exactly.
    if (bottom <= top || right <= left) return;
    if (mb_blend)
        m_screen.ShadeBlendRect(left, top, right, bottom, colour);
    else
        m_screen.FillRect(left, top, right, bottom, colour | 0xff000000u);
}

void CSystem::ShadeRect(int left, int top, int right, int bottom) {
    FillRectBlended(left, top, right, bottom, SHADE_COLOUR);
}

void CSystem::FillRectBlended(int left, int top, int right, int bottom, uint32_t colour) {
    mb_blend = 1;
    FillRect(left, top, right, bottom, colour);
    mb_blend = 0;
}

void CSystem::DrawText(int x, int y, int alignment, uint32_t colour, CFont* font, const char* format, ...) {
    va_list args;
    va_start(args, format);
    DrawTextV(x, y, alignment, colour, font, format, args);
    va_end(args);
}

void CSystem::DrawTextV(int x, int y, int alignment, uint32_t colour, CFont* font, const char* format,
                        va_list args) {
    if (g_fontsFailed || !font || !format) return;
    char text[TEXT_BUFFER];
    std::vsnprintf(text, sizeof text, format, args);
    TextRect box;
    unsigned flags = TEXT_NOCLIP;
    if (alignment == ALIGN_CENTRE) {
        box = TextRect{x - 500, y, x + 500, y + 100};
        flags |= TEXT_CENTER;
    } else if (alignment == ALIGN_LEFT || alignment == ALIGN_LEFT2) {
        box = TextRect{x, y, x + 1000, y + 100};
    } else {
        return;
    }
    DrawBoxed(m_screen, font, text, box, flags, colour, colour != SHADOW_COLOUR);
    if (mp_headless) mp_headless->mv_texts.push_back({x, y, alignment, colour, text});
}

void CSystem::DrawTextInRect(int left, int top, int right, int bottom, int alignment, uint32_t colour,
                             CFont* font, const char* format, ...) {
    if (g_fontsFailed || !font || !format) return;
    unsigned flags = TEXT_WORDBREAK;
    if (alignment == ALIGN_CENTRE)
        flags |= TEXT_CENTER;
    else if (alignment != ALIGN_LEFT)
        return;
    char text[TEXT_BUFFER];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    DrawBoxed(m_screen, font, text, TextRect{left, top, right, bottom}, flags, colour, true);
    if (mp_headless) mp_headless->mv_texts.push_back({left, top, alignment, colour, text});
}

int CSystem::TextWidth(CFont* font, const char* text) {
    if (g_fontsFailed || !font || !text) return 20;
    return font->TextWidth(text);
}

}  // namespace ravel
