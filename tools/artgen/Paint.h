// Drawing for the art generator: anti-aliased shapes on a picture with real
// alpha, then saved as a bitmap where whatever stays transparent becomes the
// magenta colour key and soft edges are laid onto a matte colour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shell/platform/Canvas.h"
#include "shell/platform/Font.h"

namespace ravel::art {

struct Pt {
    float x, y;
};

uint32_t Rgb(uint32_t rgb);                     // opaque
uint32_t Mix(uint32_t a, uint32_t b, float t);  // a..b
uint32_t Shade(uint32_t c, float factor);       // darker below 1, lighter above
uint32_t WithAlpha(uint32_t c, float alpha);

class Picture {
public:
    Picture(int w, int h, uint32_t fill = 0);
    int W() const { return m_canvas.Width(); }
    int H() const { return m_canvas.Height(); }
    CCanvas& Canvas() { return m_canvas; }

    // Source-over with coverage 0..1.
    void Blend(int x, int y, uint32_t colour, float coverage = 1.0f);
    // Any shape by signed distance (negative inside), anti-aliased.
    void Shape(const std::function<float(float, float)>& distance, uint32_t colour, int x0 = 0, int y0 = 0,
               int x1 = -1, int y1 = -1);
    void Rect(float l, float t, float r, float b, uint32_t colour);
    void RoundRect(float l, float t, float r, float b, float radius, uint32_t colour);
    void Circle(float cx, float cy, float r, uint32_t colour);
    void Ring(float cx, float cy, float r, float width, uint32_t colour);
    void Ellipse(float cx, float cy, float rx, float ry, uint32_t colour);
    void Line(float x0, float y0, float x1, float y1, float width, uint32_t colour);
    void Polyline(const std::vector<Pt>& points, float width, uint32_t colour);
    void Polygon(const std::vector<Pt>& points, uint32_t colour);
    // An arrow head at `tip` pointing along (dx, dy).
    void ArrowHead(Pt tip, float dx, float dy, float size, uint32_t colour);
    void VerticalGradient(float t, float b, uint32_t top, uint32_t bottom);
    void Noise(uint32_t seed, float strength);  // brightness grain on opaque pixels
    // Text in the game's font; align 0 left, 1 centred on x.
    void Text(const char* text, int height, int weight, bool italic, float x, float y, uint32_t colour,
              int align = 1, bool shadow = false);
    int TextWidth(const char* text, int height, int weight, bool italic);
    void Draw(const Picture& other, int x, int y);
    Picture Scaled(int w, int h) const;

    // Transparent (alpha below half) becomes magenta; the rest is laid on matte.
    bool Save(const std::string& path, uint32_t matte = 0xff202020u) const;

private:
    CCanvas m_canvas;
};

CFont& FontOf(int height, int weight, bool italic);

// Deterministic noise for textures.
float Hash(int x, int y, uint32_t seed);  // 0..1
float ValueNoise(float x, float y, uint32_t seed);

// Writes a 16-bit mono PCM WAV.
bool SaveWav(const std::string& path, const std::vector<float>& samples, int rate);

}  // namespace ravel::art
