// A picture in memory: 32-bit ARGB pixels, row after row. The screen is one
// 1024 x 768 canvas; every primitive draws into it, so a frame comes out the
// same with a window, without one, and in a saved PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

inline constexpr uint32_t COLOUR_KEY = 0xffff00ffu;  // opaque magenta: transparent in bitmaps

// The columns first..end-1 of one row of a coverage mask hold all its ink;
// both are multiples of four where the mask's width allows.
struct MaskRow {
    int first;
    int end;
};

// An 8-bit coverage mask with the inked part of each row found once, so that
// drawing it skips the empty parts. Drawing is fastest when the width is a
// multiple of four (pad with empty columns).
struct CoverageMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;  // row after row
    std::vector<MaskRow> rows;

    // Finds the inked part of each row of the coverage as it stands.
    void FindRows();
};

class CCanvas {
public:
    CCanvas() = default;
    CCanvas(int width, int height, uint32_t fill = 0xff000000u);

    void Resize(int width, int height, uint32_t fill = 0xff000000u);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    uint32_t* Row(int y) { return mv_pixels.data() + static_cast<size_t>(y) * m_width; }
    const uint32_t* Row(int y) const { return mv_pixels.data() + static_cast<size_t>(y) * m_width; }
    uint32_t Pixel(int x, int y) const;  // 0 outside
    void SetPixel(int x, int y, uint32_t colour);
    std::vector<uint32_t>& Pixels() { return mv_pixels; }
    const std::vector<uint32_t>& Pixels() const { return mv_pixels; }

    void Clear(uint32_t colour);
    // Rows top..bottom-1, columns left..right-1, clipped; opaque.
    void FillRect(int left, int top, int right, int bottom, uint32_t colour);
    // Each channel becomes src * (1 - src) + dst * dst: darkens mid tones,
    // keeps white white.
    void ShadeBlendRect(int left, int top, int right, int bottom, uint32_t colour);
    // Source-over blend with the colour's alpha.
    void AlphaRect(int left, int top, int right, int bottom, uint32_t colour);
    // One-pixel line, both end points included.
    void DrawLine(int x1, int y1, int x2, int y2, uint32_t colour);

    // Copies the part (sx, sy, w, h) of the source to (x, y); pixels with
    // alpha 0 are skipped, partial alpha is blended.
    void Blit(const CCanvas& src, int x, int y, int sx, int sy, int w, int h);
    // The same part copied as it is, alpha included.
    void Copy(const CCanvas& src, int x, int y, int sx, int sy, int w, int h);
    bool Opaque() const;  // no pixel with alpha below 255
    // The whole source scaled to w x h at (x, y), bilinear.
    void BlitScaled(const CCanvas& src, int x, int y, int w, int h);
    // An 8-bit coverage mask (width w, height h, row stride `stride`) in one colour.
    void BlendMask(const uint8_t* mask, int stride, int w, int h, int x, int y, uint32_t colour, int clipLeft,
                   int clipTop, int clipRight, int clipBottom);
    // The same for a mask with its rows measured: the same pixels, faster.
    // A mask whose rows were not measured takes the plain path.
    void BlendMask(const CoverageMask& mask, int x, int y, uint32_t colour, int clipLeft, int clipTop,
                   int clipRight, int clipBottom);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> mv_pixels;
};

// The canvas that sprites and text draw on: the screen once the platform is
// set up; tools may point it at a canvas of their own.
CCanvas* RenderTarget();
void SetRenderTarget(CCanvas* canvas);

// Writes an RGB PNG; false when the file cannot be written.
bool SavePng(const CCanvas& canvas, const std::string& path);

}  // namespace ravel
