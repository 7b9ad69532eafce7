// Fonts by cell height and weight, in Liberation Sans. Each glyph of the
// 8-bit character set is rasterised once, when first drawn, and kept as a
// coverage mask, so a frame full of text costs only blending.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "shell/platform/Canvas.h"

namespace ravel {

// Set when the fonts could not be made: no text is drawn or measured then.
extern bool g_fontsFailed;

// Layout flags of CFont::DrawText.
enum TextFormat : unsigned {
    TEXT_LEFT = 0,
    TEXT_CENTER = 1,     // each line centred in the box
    TEXT_WORDBREAK = 2,  // wrap between words at the box's right edge
    TEXT_NOCLIP = 4,     // draw outside the box too
};

struct TextRect {
    int left, top, right, bottom;
};

class CFont {
public:
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // height: the character cell in pixels; weight 400 regular, 600 and above bold.
    static std::unique_ptr<CFont> Create(int height, int weight, bool italic);

    int Height() const { return m_height; }
    int Weight() const { return m_weight; }
    bool Italic() const { return mb_italic; }
    int LineHeight() const { return m_lineHeight; }

    // Width in pixels of a single-line text (sum of advances).
    int TextWidth(const char* text) const;
    int TextWidth(const char* text, int length) const;

    // Draws the text into the box with the flags; "\n" starts a new line.
    // Returns the height of the drawn text.
    int DrawText(CCanvas& canvas, const char* text, const TextRect& box, unsigned flags, uint32_t colour);

private:
    struct Glyph {
        bool ready = false;
        int advance = 0;
        int left = 0;  // mask place from the pen position and the line top
        int top = 0;
        CoverageMask mask;
    };
    CFont() = default;
    const Glyph& GlyphOf(unsigned char c);
    void DrawLine(CCanvas& canvas, const char* text, int length, int x, int y, uint32_t colour,
                  const TextRect& clip);

    void* mp_face = nullptr;  // the rasteriser's font
    int m_height = 0;
    int m_weight = 400;
    bool mb_italic = false;
    int m_lineHeight = 0;
    std::array<int, 256> ma_advance{};
    std::array<Glyph, 256> ma_glyphs{};
};

}  // namespace ravel
