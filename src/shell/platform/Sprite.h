// One picture loaded from a bitmap file. Pixels of exactly the colour key
// become transparent on loading. A sprite draws on the render target.
#pragma once

#include <cstdint>
#include <memory>

#include "shell/platform/Canvas.h"

namespace ravel {

class CSprite {
public:
    CSprite() = default;
    virtual ~CSprite() = default;

    // path in the game's notation ("gfx\pics\background.bmp"), relative to
    // the working folder; true when the picture was loaded.
    bool LoadFromFile(const char* path);
    // Takes an image already in memory (colour key applied the same way).
    void LoadFromCanvas(const CCanvas& image);

    void Draw(int x, int y) const;
    // The part width x height from the image's top-left corner.
    void DrawPart(int x, int y, int width, int height) const;
    // The whole image scaled to width x height.
    void DrawTransformed(int x, int y, int width, int height) const;
    void Release();

    bool Loaded() const { return mp_image != nullptr; }
    const CCanvas* Image() const { return mp_image.get(); }

    uint32_t m_width = 0;  // the bitmap's own size
    uint32_t m_height = 0;
    uint32_t m_colourKey = COLOUR_KEY;

private:
    std::unique_ptr<CCanvas> mp_image;
    bool mb_opaque = false;  // nothing keyed out: drawn by plain copy
};

}  // namespace ravel
