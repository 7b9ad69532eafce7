#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <tuple>

#include "shell/platform/Bitmap.h"

namespace ravel::art {

namespace {
inline float Ch(uint32_t c, int s) {
    return float((c >> s) & 0xff);
}
inline uint32_t Pack(float a, float r, float g, float b) {
    auto q = [](float v) { return uint32_t(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
    return q(a) << 24 | q(r) << 16 | q(g) << 8 | q(b);
}
float SegmentDistance(float px, float py, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}
}  // namespace

uint32_t Rgb(uint32_t rgb) {
    return 0xff000000u | rgb;
}

uint32_t Mix(uint32_t a, uint32_t b, float t) {
    return Pack(Ch(a, 24) + (Ch(b, 24) - Ch(a, 24)) * t, Ch(a, 16) + (Ch(b, 16) - Ch(a, 16)) * t,
                Ch(a, 8) + (Ch(b, 8) - Ch(a, 8)) * t, Ch(a, 0) + (Ch(b, 0) - Ch(a, 0)) * t);
}

uint32_t Shade(uint32_t c, float f) {
    if (f <= 1) return Pack(Ch(c, 24), Ch(c, 16) * f, Ch(c, 8) * f, Ch(c, 0) * f);
    const float t = std::min(f - 1, 1.0f);
    return Pack(Ch(c, 24), Ch(c, 16) + (255 - Ch(c, 16)) * t, Ch(c, 8) + (255 - Ch(c, 8)) * t,
                Ch(c, 0) + (255 - Ch(c, 0)) * t);
}

uint32_t WithAlpha(uint32_t c, float alpha) {
    return (c & 0xffffffu) | uint32_t(std::clamp(alpha, 0.0f, 1.0f) * 255 + 0.5f) << 24;
}

Picture::Picture(int w, int h, uint32_t fill) : m_canvas(w, h, fill) {}

void Picture::Blend(int x, int y, uint32_t colour, float coverage) {
    if (x < 0 || y < 0 || x >= W() || y >= H() || coverage <= 0) return;
    uint32_t& d = m_canvas.Row(y)[x];
    const float sa = Ch(colour, 24) / 255.0f * std::min(coverage, 1.0f);
    const float da = Ch(d, 24) / 255.0f;
    const float oa = sa + da * (1 - sa);
    if (oa <= 0) return;
    auto ch = [&](int s) { return (Ch(colour, s) * sa + Ch(d, s) * da * (1 - sa)) / oa; };
    d = Pack(oa * 255, ch(16), ch(8), ch(0));
}

void Picture::Shape(const std::function<float(float, float)>& distance, uint32_t colour, int x0, int y0,
                    int x1, int y1) {
    if (x1 < 0) x1 = W();
    if (y1 < 0) y1 = H();
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, W());
    y1 = std::min(y1, H());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float d = distance(x + 0.5f, y + 0.5f);
            const float cover = std::clamp(0.5f - d, 0.0f, 1.0f);
            if (cover > 0) Blend(x, y, colour, cover);
        }
}

void Picture::Rect(float l, float t, float r, float b, uint32_t colour) {
    Shape([=](float x, float y) { return std::max(std::max(l - x, x - r), std::max(t - y, y - b)); }, colour,
          int(l) - 1, int(t) - 1, int(r) + 2, int(b) + 2);
}

void Picture::RoundRect(float l, float t, float r, float b, float radius, uint32_t colour) {
    const float cx = (l + r) / 2, cy = (t + b) / 2, hx = (r - l) / 2 - radius, hy = (b - t) / 2 - radius;
    Shape(
        [=](float x, float y) {
            const float qx = std::max(std::fabs(x - cx) - hx, 0.0f),
                        qy = std::max(std::fabs(y - cy) - hy, 0.0f);
            const float inside = std::min(std::max(std::fabs(x - cx) - hx, std::fabs(y - cy) - hy), 0.0f);
            return std::sqrt(qx * qx + qy * qy) + inside - radius;
        },
        colour, int(l) - 1, int(t) - 1, int(r) + 2, int(b) + 2);
}

void Picture::Circle(float cx, float cy, float r, uint32_t colour) {
    Shape([=](float x, float y) { return std::hypot(x - cx, y - cy) - r; }, colour, int(cx - r) - 1,
          int(cy - r) - 1, int(cx + r) + 2, int(cy + r) + 2);
}

void Picture::Ring(float cx, float cy, float r, float width, uint32_t colour) {
    Shape([=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - width / 2; }, colour,
          int(cx - r - width) - 1, int(cy - r - width) - 1, int(cx + r + width) + 2, int(cy + r + width) + 2);
}

void Picture::Ellipse(float cx, float cy, float rx, float ry, uint32_t colour) {
    Shape(
        [=](float x, float y) {
            const float nx = (x - cx) / rx, ny = (y - cy) / ry;
            const float k = std::sqrt(nx * nx + ny * ny);
            return (k - 1) * std::min(rx, ry);
        },
        colour, int(cx - rx) - 1, int(cy - ry) - 1, int(cx + rx) + 2, int(cy + ry) + 2);
}

void Picture::Line(float x0, float y0, float x1, float y1, float width, uint32_t colour) {
    const float pad = width + 2;
    Shape([=](float x, float y) { return SegmentDistance(x, y, x0, y0, x1, y1) - width / 2; }, colour,
          int(std::min(x0, x1) - pad), int(std::min(y0, y1) - pad), int(std::max(x0, x1) + pad),
          int(std::max(y0, y1) + pad));
}

namespace {
struct Box {
    float l, t, r, b;
};
Box Bounds(const std::vector<Pt>& p) {
    Box box{p[0].x, p[0].y, p[0].x, p[0].y};
    for (const Pt& q : p) {
        box.l = std::min(box.l, q.x);
        box.t = std::min(box.t, q.y);
        box.r = std::max(box.r, q.x);
        box.b = std::max(box.b, q.y);
    }
    return box;
}
}  // namespace

void Picture::Polyline(const std::vector<Pt>& p, float width, uint32_t colour) {
    if (p.size() < 2) return;
    const auto [l, t, r, b] = Bounds(p);
    Shape(
        [&](float x, float y) {
            float d = 1e9f;
            for (size_t i = 1; i < p.size(); ++i)
                d = std::min(d, SegmentDistance(x, y, p[i - 1].x, p[i - 1].y, p[i].x, p[i].y));
            return d - width / 2;
        },
        colour, int(l - width - 2), int(t - width - 2), int(r + width + 2), int(b + width + 2));
}

void Picture::Polygon(const std::vector<Pt>& p, uint32_t colour) {
    if (p.size() < 3) return;
    const auto [l, t, r, b] = Bounds(p);
    auto inside = [&](float x, float y) {
        bool in = false;
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
            if ((p[i].y > y) != (p[j].y > y) &&
                x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
                in = !in;
        return in;
    };
    for (int y = std::max(0, int(t) - 1); y < std::min(H(), int(b) + 2); ++y)
        for (int x = std::max(0, int(l) - 1); x < std::min(W(), int(r) + 2); ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
            if (hits) Blend(x, y, colour, hits / 16.0f);
        }
}

void Picture::ArrowHead(Pt tip, float dx, float dy, float size, uint32_t colour) {
    const float len = std::hypot(dx, dy);
    if (len <= 0) return;
    dx /= len;
    dy /= len;
    const Pt back{tip.x - dx * size, tip.y - dy * size};
    Polygon({tip,
             {back.x - dy * size * 0.6f, back.y + dx * size * 0.6f},
             {back.x + dy * size * 0.6f, back.y - dx * size * 0.6f}},
            colour);
}

void Picture::VerticalGradient(float t, float b, uint32_t top, uint32_t bottom) {
    for (int y = std::max(0, int(t)); y < std::min(H(), int(b)); ++y) {
        const uint32_t c = Mix(top, bottom, (y - t) / std::max(1.0f, b - t));
        for (int x = 0; x < W(); ++x) Blend(x, y, c);
    }
}

void Picture::Noise(uint32_t seed, float strength) {
    for (int y = 0; y < H(); ++y)
        for (int x = 0; x < W(); ++x) {
            uint32_t& p = m_canvas.Row(y)[x];
            if ((p >> 24) == 0) continue;
            const float f = 1 + (Hash(x, y, seed) - 0.5f) * strength;
            p = Shade(p, f);
        }
}

CFont& FontOf(int height, int weight, bool italic) {
    static std::map<std::tuple<int, int, bool>, std::unique_ptr<CFont>> s_fonts;
    auto& slot = s_fonts[{height, weight, italic}];
    if (!slot) slot = CFont::Create(height, weight, italic);
    if (!slot) {
        std::fprintf(stderr, "artgen: no font %d/%d\n", height, weight);
        std::exit(1);
    }
    return *slot;
}

int Picture::TextWidth(const char* text, int height, int weight, bool italic) {
    return FontOf(height, weight, italic).TextWidth(text);
}

void Picture::Text(const char* text, int height, int weight, bool italic, float x, float y, uint32_t colour,
                   int align, bool shadow) {
    CFont& font = FontOf(height, weight, italic);
    // Drawn on an opaque scratch picture as coverage, then blended here, so
    // text works on transparent pictures too.
    const int w = font.TextWidth(text) + 4, h = font.LineHeight() + 2;
    CCanvas mask(w, h, 0xff000000u);
    font.DrawText(mask, text, TextRect{1, 0, w, h}, TEXT_NOCLIP, 0xffffffffu);
    const int left = int(std::lround(align == 1 ? x - w / 2.0f : x - 1));
    const int top = int(std::lround(y));
    for (int pass = shadow ? 0 : 1; pass < 2; ++pass) {
        const int off = pass == 0 ? 1 : 0;
        const uint32_t c = pass == 0 ? 0xff000000u : colour;
        for (int yy = 0; yy < h; ++yy)
            for (int xx = 0; xx < w; ++xx) {
                const float cover = float(mask.Pixel(xx, yy) & 0xff) / 255.0f;
                if (cover > 0) Blend(left + xx + off, top + yy + off, c, cover);
            }
    }
}

void Picture::Draw(const Picture& other, int x, int y) {
    for (int yy = 0; yy < other.H(); ++yy)
        for (int xx = 0; xx < other.W(); ++xx) {
            const uint32_t p = other.m_canvas.Pixel(xx, yy);
            if (p >> 24) Blend(x + xx, y + yy, p | 0xff000000u, Ch(p, 24) / 255.0f);
        }
}

Picture Picture::Scaled(int w, int h) const {
    // Box filter over the covered source area, alpha-weighted.
    Picture out(w, h);
    const float sx = float(W()) / w, sy = float(H()) / h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int x0 = int(x * sx), x1 = std::max(x0 + 1, int((x + 1) * sx));
            const int y0 = int(y * sy), y1 = std::max(y0 + 1, int((y + 1) * sy));
            float a = 0, r = 0, g = 0, b = 0;
            int n = 0;
            for (int yy = y0; yy < std::min(y1, H()); ++yy)
                for (int xx = x0; xx < std::min(x1, W()); ++xx) {
                    const uint32_t p = m_canvas.Pixel(xx, yy);
                    const float pa = Ch(p, 24);
                    a += pa;
                    r += Ch(p, 16) * pa;
                    g += Ch(p, 8) * pa;
                    b += Ch(p, 0) * pa;
                    ++n;
                }
            if (a > 0) out.m_canvas.SetPixel(x, y, Pack(a / n, r / a, g / a, b / a));
        }
    return out;
}

bool Picture::Save(const std::string& path, uint32_t matte) const {
    CCanvas out(W(), H());
    for (int y = 0; y < H(); ++y)
        for (int x = 0; x < W(); ++x) {
            const uint32_t p = m_canvas.Pixel(x, y);
            const float a = Ch(p, 24) / 255.0f;
            uint32_t c;
            if (a < 0.5f) {
                c = COLOUR_KEY;
            } else {
                c = Mix(matte | 0xff000000u, p | 0xff000000u, a) | 0xff000000u;
                if (c == COLOUR_KEY) c = 0xfffe00ffu;  // never the key by accident
            }
            out.SetPixel(x, y, c);
        }
    if (!SaveBmp(out, path)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

float Hash(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xffffff) / float(0xffffff);
}

float ValueNoise(float x, float y, uint32_t seed) {
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const float fx = x - xi, fy = y - yi;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed);
    const float c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

bool SaveWav(const std::string& path, const std::vector<float>& samples, int rate) {
    std::vector<uint8_t> b;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        b.push_back(uint8_t(v));
        b.push_back(uint8_t(v >> 8));
    };
    auto id = [&](const char* s) {
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(s[i]));
    };
    const uint32_t data = uint32_t(samples.size() * 2);
    id("RIFF");
    put32(36 + data);
    id("WAVE");
    id("fmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(uint32_t(rate));
    put32(uint32_t(rate) * 2);
    put16(2);
    put16(16);
    id("data");
    put32(data);
    for (float s : samples) put16(uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32000))));
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace ravel::art
