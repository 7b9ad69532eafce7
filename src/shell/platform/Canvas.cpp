#include "shell/platform/Canvas.h"

#include <png.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ravel {

namespace {

CCanvas* s_target = nullptr;

inline uint32_t Channel(uint32_t c, int shift) {
    return (c >> shift) & 0xffu;
}

// dst * (255 - a) + src * a, on each colour channel; alpha stays opaque.
inline uint32_t BlendOver(uint32_t dst, uint32_t src, uint32_t a) {
    if (a == 0) return dst;
    if (a >= 255) return src | 0xff000000u;
    const uint32_t inv = 255 - a;
    // Two channels at a time: red and blue, then green.
    uint32_t rb = ((src & 0xff00ffu) * a + (dst & 0xff00ffu) * inv + 0x800080u);
    rb = ((rb + ((rb >> 8) & 0xff00ffu)) >> 8) & 0xff00ffu;
    uint32_t g = ((src & 0xff00u) * a + (dst & 0xff00u) * inv + 0x8000u);
    g = ((g + ((g >> 8) & 0xff00u)) >> 8) & 0xff00u;
    return 0xff000000u | rb | g;
}

}  // namespace

CCanvas::CCanvas(int width, int height, uint32_t fill) {
    Resize(width, height, fill);
}

void CCanvas::Resize(int width, int height, uint32_t fill) {
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    mv_pixels.assign(static_cast<size_t>(m_width) * m_height, fill);
}

uint32_t CCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    return mv_pixels[static_cast<size_t>(y) * m_width + x];
}

void CCanvas::SetPixel(int x, int y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    mv_pixels[static_cast<size_t>(y) * m_width + x] = colour;
}

void CCanvas::Clear(uint32_t colour) {
    std::fill(mv_pixels.begin(), mv_pixels.end(), colour);
}

namespace {
// Clips a half-open rectangle to the canvas; false when nothing is left.
bool ClipRect(int w, int h, int& l, int& t, int& r, int& b) {
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, w);
    b = std::min(b, h);
    return l < r && t < b;
}
}  // namespace

void CCanvas::FillRect(int left, int top, int right, int bottom, uint32_t colour) {
    if (!ClipRect(m_width, m_height, left, top, right, bottom)) return;
    for (int y = top; y < bottom; ++y) std::fill(Row(y) + left, Row(y) + right, colour);
}

void CCanvas::ShadeBlendRect(int left, int top, int right, int bottom, uint32_t colour) {
    if (!ClipRect(m_width, m_height, left, top, right, bottom)) return;
    // For each source value s, out(d) = (s * (255 - s) + d * d) / 255, clamped.
    uint32_t base[3];
    uint32_t table[3][256];
    for (int c = 0; c < 3; ++c) {
        const int shift = 16 - 8 * c;
        const uint32_t s = Channel(colour, shift);
        base[c] = s * (255 - s) + 127;
        for (uint32_t d = 0; d < 256; ++d)
            table[c][d] = std::min<uint32_t>((base[c] + d * d) / 255, 255) << shift;
    }
#if defined(__SSE2__)
    // Four pixels at a time in 16-bit lanes (blue, green, red, alpha). The
    // sum saturates at 65535, which is past 255 * 256, so packing clamps it
    // to 255 as the table does; x / 255 is exact as (x * 0x8081) >> 23.
    const __m128i zero = _mm_setzero_si128();
    const __m128i bias = _mm_setr_epi16(short(base[2]), short(base[1]), short(base[0]), 0, short(base[2]),
                                        short(base[1]), short(base[0]), 0);
    const __m128i by255 = _mm_set1_epi16(short(0x8081));
    const __m128i alphaBits = _mm_set1_epi32(int(0xff000000u));
    auto shade = [&](__m128i d) {
        const __m128i lo = _mm_unpacklo_epi8(d, zero);
        const __m128i hi = _mm_unpackhi_epi8(d, zero);
        const __m128i qlo =
            _mm_srli_epi16(_mm_mulhi_epu16(_mm_adds_epu16(_mm_mullo_epi16(lo, lo), bias), by255), 7);
        const __m128i qhi =
            _mm_srli_epi16(_mm_mulhi_epu16(_mm_adds_epu16(_mm_mullo_epi16(hi, hi), bias), by255), 7);
        const __m128i out = _mm_packus_epi16(qlo, qhi);
        return _mm_or_si128(_mm_andnot_si128(alphaBits, out), _mm_and_si128(alphaBits, d));
    };
#endif
    for (int y = top; y < bottom; ++y) {
        uint32_t* p = Row(y);
        int x = left;
#if defined(__SSE2__)
        for (; x + 4 <= right; x += 4) {
            __m128i* at = reinterpret_cast<__m128i*>(p + x);
            _mm_storeu_si128(at, shade(_mm_loadu_si128(at)));
        }
#endif
        for (; x < right; ++x) {
            const uint32_t d = p[x];
            p[x] = (d & 0xff000000u) | table[0][Channel(d, 16)] | table[1][Channel(d, 8)] |
                   table[2][Channel(d, 0)];
        }
    }
}

void CCanvas::AlphaRect(int left, int top, int right, int bottom, uint32_t colour) {
    if (!ClipRect(m_width, m_height, left, top, right, bottom)) return;
    const uint32_t a = colour >> 24;
    for (int y = top; y < bottom; ++y) {
        uint32_t* p = Row(y);
        for (int x = left; x < right; ++x) p[x] = BlendOver(p[x], colour & 0xffffffu, a);
    }
}

void CCanvas::DrawLine(int x1, int y1, int x2, int y2, uint32_t colour) {
    // Cut the line to the canvas (one pixel of margin) first, so a line from
    // far off costs no more than one across the screen.
    double t0 = 0, t1 = 1;
    const double fx = x2 - x1, fy = y2 - y1;
    const double p[4] = {-fx, fx, -fy, fy};
    const double q[4] = {x1 + 1.0, m_width - x1 + 0.0, y1 + 1.0, m_height - y1 + 0.0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return;
    const int ox1 = x1, oy1 = y1;
    x1 = int(std::lround(ox1 + t0 * fx));
    y1 = int(std::lround(oy1 + t0 * fy));
    x2 = int(std::lround(ox1 + t1 * fx));
    y2 = int(std::lround(oy1 + t1 * fy));
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        SetPixel(x1, y1, colour);
        if (x1 == x2 && y1 == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

namespace {
// Clips a copy of the part (sx, sy, w, h) of a source to (x, y); false when
// nothing is left.
bool ClipCopy(const CCanvas& src, const CCanvas& dst, int& x, int& y, int& sx, int& sy, int& w, int& h) {
    if (sx < 0) {
        w += sx;
        x -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        y -= sy;
        sy = 0;
    }
    w = std::min(w, src.Width() - sx);
    h = std::min(h, src.Height() - sy);
    if (x < 0) {
        w += x;
        sx -= x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        sy -= y;
        y = 0;
    }
    w = std::min(w, dst.Width() - x);
    h = std::min(h, dst.Height() - y);
    return w > 0 && h > 0;
}
}  // namespace

void CCanvas::Blit(const CCanvas& src, int x, int y, int sx, int sy, int w, int h) {
    if (!ClipCopy(src, *this, x, y, sx, sy, w, h)) return;
    for (int row = 0; row < h; ++row) {
        const uint32_t* s = src.Row(sy + row) + sx;
        uint32_t* d = Row(y + row) + x;
        for (int col = 0; col < w; ++col) {
            const uint32_t p = s[col];
            const uint32_t a = p >> 24;
            if (a == 255)
                d[col] = p;
            else if (a != 0)
                d[col] = BlendOver(d[col], p & 0xffffffu, a);
        }
    }
}

void CCanvas::Copy(const CCanvas& src, int x, int y, int sx, int sy, int w, int h) {
    if (!ClipCopy(src, *this, x, y, sx, sy, w, h)) return;
    for (int row = 0; row < h; ++row)
        std::copy(src.Row(sy + row) + sx, src.Row(sy + row) + sx + w, Row(y + row) + x);
}

bool CCanvas::Opaque() const {
    for (uint32_t p : mv_pixels)
        if ((p >> 24) != 255) return false;
    return true;
}

void CCanvas::BlitScaled(const CCanvas& src, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0 || src.Width() <= 0 || src.Height() <= 0) return;
    if (w == src.Width() && h == src.Height()) {
        Blit(src, x, y, 0, 0, w, h);
        return;
    }
    const int x0 = std::max(x, 0), x1 = std::min(x + w, m_width);
    const int y0 = std::max(y, 0), y1 = std::min(y + h, m_height);
    if (x0 >= x1 || y0 >= y1) return;
    // Source positions in 16.16 fixed point, sampled at pixel centres.
    const int64_t stepX = (int64_t(src.Width()) << 16) / w;
    const int64_t stepY = (int64_t(src.Height()) << 16) / h;
    const int maxX = src.Width() - 1, maxY = src.Height() - 1;
    for (int dy = y0; dy < y1; ++dy) {
        int64_t fy = (dy - y) * stepY + stepY / 2 - 0x8000;
        if (fy < 0) fy = 0;
        const int sy0 = std::min(int(fy >> 16), maxY);
        const int sy1 = std::min(sy0 + 1, maxY);
        const uint32_t wy = uint32_t(fy >> 8) & 0xff;
        const uint32_t* r0 = src.Row(sy0);
        const uint32_t* r1 = src.Row(sy1);
        uint32_t* d = Row(dy);
        for (int dx = x0; dx < x1; ++dx) {
            int64_t fx = (dx - x) * stepX + stepX / 2 - 0x8000;
            if (fx < 0) fx = 0;
            const int sx0 = std::min(int(fx >> 16), maxX);
            const int sx1 = std::min(sx0 + 1, maxX);
            const uint32_t wx = uint32_t(fx >> 8) & 0xff;
            const uint32_t p[4] = {r0[sx0], r0[sx1], r1[sx0], r1[sx1]};
            const uint32_t wgt[4] = {(256 - wx) * (256 - wy), wx * (256 - wy), (256 - wx) * wy, wx * wy};
            // Premultiplied average, so transparent neighbours add no colour.
            uint64_t sa = 0, sr = 0, sg = 0, sb = 0;
            for (int i = 0; i < 4; ++i) {
                const uint64_t aw = uint64_t(p[i] >> 24) * wgt[i];
                sa += aw;
                sr += aw * Channel(p[i], 16);
                sg += aw * Channel(p[i], 8);
                sb += aw * Channel(p[i], 0);
            }
            if (sa == 0) continue;
            const uint32_t a = uint32_t((sa + 32768) >> 16);
            const uint32_t colour = (uint32_t(sr / sa) << 16) | (uint32_t(sg / sa) << 8) | uint32_t(sb / sa);
            d[dx] = BlendOver(d[dx], colour, std::min<uint32_t>(a, 255));
        }
    }
}

void CCanvas::BlendMask(const uint8_t* mask, int stride, int w, int h, int x, int y, uint32_t colour,
                        int clipLeft, int clipTop, int clipRight, int clipBottom) {
    clipLeft = std::max(clipLeft, 0);
    clipTop = std::max(clipTop, 0);
    clipRight = std::min(clipRight, m_width);
    clipBottom = std::min(clipBottom, m_height);
    const int c0 = std::max(x, clipLeft) - x, c1 = std::min(x + w, clipRight) - x;
    const int r0 = std::max(y, clipTop) - y, r1 = std::min(y + h, clipBottom) - y;
    if (c0 >= c1 || r0 >= r1) return;
    const uint32_t alpha = colour >> 24;
    const uint32_t rgb = colour & 0xffffffu;
    const uint32_t solid = rgb | 0xff000000u;
    for (int r = r0; r < r1; ++r) {
        const uint8_t* m = mask + static_cast<size_t>(r) * stride;
        uint32_t* d = Row(y + r) + x;
        for (int c = c0; c < c1; ++c) {
            uint32_t a = m[c];
            if (a == 0) continue;
            if (alpha != 255) a = (a * alpha + 127) / 255;
            // Most of a glyph is either empty or fully inked.
            d[c] = a == 255 ? solid : BlendOver(d[c], rgb, a);
        }
    }
}

void CoverageMask::FindRows() {
    rows.assign(size_t(std::max(height, 0)), MaskRow{0, 0});
    for (int r = 0; r < height; ++r) {
        const uint8_t* m = coverage.data() + static_cast<size_t>(r) * width;
        int first = 0, end = width;
        while (first < end && m[first] == 0) ++first;
        while (end > first && m[end - 1] == 0) --end;
        // Whole blocks of four, so that a row blends without a ragged tail.
        if (first < end) {
            first &= ~3;
            end = std::min((end + 3) & ~3, width);
        }
        rows[size_t(r)] = MaskRow{first, end};
    }
}

namespace {

#if defined(__SSE2__)
// BlendOver on four pixels at once, each with its own coverage byte from
// `cover`, in 16-bit lanes: s * a + d * (255 - a), rounded to the nearest
// 255th as (x + 127) / 255, which (x * 0x8081) >> 23 gives exactly. Coverage
// 0 keeps the pixel, alpha too.
inline __m128i BlendFour(__m128i dst, uint32_t cover, __m128i src16) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(255);
    const __m128i round = _mm_set1_epi16(127);
    const __m128i by255 = _mm_set1_epi16(short(0x8081));
    __m128i a = _mm_cvtsi32_si128(int(cover));
    a = _mm_unpacklo_epi8(a, a);
    a = _mm_unpacklo_epi16(a, a);  // each pixel's coverage in its four bytes
    auto half2 = [&](__m128i d16, __m128i a16) {
        const __m128i x = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(src16, a16), _mm_mullo_epi16(d16, _mm_sub_epi16(full, a16))),
            round);
        return _mm_srli_epi16(_mm_mulhi_epu16(x, by255), 7);
    };
    const __m128i lo = half2(_mm_unpacklo_epi8(dst, zero), _mm_unpacklo_epi8(a, zero));
    const __m128i hi = half2(_mm_unpackhi_epi8(dst, zero), _mm_unpackhi_epi8(a, zero));
    const __m128i out = _mm_or_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(int(0xff000000u)));
    const __m128i keep = _mm_cmpeq_epi32(a, zero);
    return _mm_or_si128(_mm_and_si128(keep, dst), _mm_andnot_si128(keep, out));
}
#endif

// Blends n pixels towards an opaque colour, each by its coverage byte.
void BlendCoverage(uint32_t* d, const uint8_t* m, int n, uint32_t rgb) {
    int c = 0;
#if defined(__SSE2__)
    const uint32_t solid = rgb | 0xff000000u;
    const __m128i src16 = _mm_unpacklo_epi8(_mm_set1_epi32(int(rgb)), _mm_setzero_si128());
    for (; c + 4 <= n; c += 4) {
        uint32_t cover;
        std::memcpy(&cover, m + c, 4);
        if (cover == 0) continue;
        if (cover == 0xffffffffu) {
            std::fill(d + c, d + c + 4, solid);
            continue;
        }
        __m128i* at = reinterpret_cast<__m128i*>(d + c);
        _mm_storeu_si128(at, BlendFour(_mm_loadu_si128(at), cover, src16));
    }
#endif
    // A row cut by the clip may end in one to three pixels.
    for (; c < n; ++c) d[c] = BlendOver(d[c], rgb, m[c]);
}

}  // namespace

void CCanvas::BlendMask(const CoverageMask& mask, int x, int y, uint32_t colour, int clipLeft, int clipTop,
                        int clipRight, int clipBottom) {
    if (colour >> 24 != 255 || mask.rows.size() != size_t(std::max(mask.height, 0))) {
        // Translucent text is rare: the plain path scales each coverage.
        BlendMask(mask.coverage.data(), mask.width, mask.width, mask.height, x, y, colour, clipLeft, clipTop,
                  clipRight, clipBottom);
        return;
    }
    clipLeft = std::max(clipLeft, 0);
    clipTop = std::max(clipTop, 0);
    clipRight = std::min(clipRight, m_width);
    clipBottom = std::min(clipBottom, m_height);
    const int c0 = std::max(x, clipLeft) - x, c1 = std::min(x + mask.width, clipRight) - x;
    const int r0 = std::max(y, clipTop) - y, r1 = std::min(y + mask.height, clipBottom) - y;
    if (c0 >= c1 || r0 >= r1) return;
    const uint32_t rgb = colour & 0xffffffu;
    for (int r = r0; r < r1; ++r) {
        const int from = std::max(mask.rows[size_t(r)].first, c0);
        const int to = std::min(mask.rows[size_t(r)].end, c1);
        if (from < to)
            BlendCoverage(Row(y + r) + x + from,
                          mask.coverage.data() + static_cast<size_t>(r) * mask.width + from, to - from, rgb);
    }
}

CCanvas* RenderTarget() {
    return s_target;
}
void SetRenderTarget(CCanvas* canvas) {
    s_target = canvas;
}

bool SavePng(const CCanvas& canvas, const std::string& path) {
    if (canvas.Width() <= 0 || canvas.Height() <= 0) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    std::vector<uint8_t> row(static_cast<size_t>(canvas.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, canvas.Width(), canvas.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < canvas.Height(); ++y) {
        const uint32_t* p = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            row[x * 3] = uint8_t(p[x] >> 16);
            row[x * 3 + 1] = uint8_t(p[x] >> 8);
            row[x * 3 + 2] = uint8_t(p[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace ravel
