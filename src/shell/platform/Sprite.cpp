#include "shell/platform/Sprite.h"

#include "shell/platform/Bitmap.h"
#include "world/Paths.h"

namespace ravel {

namespace {
void ApplyKey(CCanvas& image, uint32_t key) {
    for (uint32_t& p : image.Pixels())
        if (p == key) p = 0;
}
}  // namespace

bool CSprite::LoadFromFile(const char* path) {
    Release();
    if (!path) return false;
    auto image = std::make_unique<CCanvas>();
    if (!LoadBmp(NativePath(path), *image)) return false;
    ApplyKey(*image, m_colourKey);
    m_width = uint32_t(image->Width());
    m_height = uint32_t(image->Height());
    mb_opaque = image->Opaque();
    mp_image = std::move(image);
    return true;
}

void CSprite::LoadFromCanvas(const CCanvas& image) {
    mp_image = std::make_unique<CCanvas>(image);
    ApplyKey(*mp_image, m_colourKey);
    mb_opaque = mp_image->Opaque();
    m_width = uint32_t(image.Width());
    m_height = uint32_t(image.Height());
}

void CSprite::Draw(int x, int y) const {
    CCanvas* target = RenderTarget();
    if (!mp_image || !target) return;
    if (mb_opaque)
        target->Copy(*mp_image, x, y, 0, 0, mp_image->Width(), mp_image->Height());
    else
        target->Blit(*mp_image, x, y, 0, 0, mp_image->Width(), mp_image->Height());
}

void CSprite::DrawPart(int x, int y, int width, int height) const {
    CCanvas* target = RenderTarget();
    if (!mp_image || !target) return;
    if (mb_opaque)
        target->Copy(*mp_image, x, y, 0, 0, width, height);
    else
        target->Blit(*mp_image, x, y, 0, 0, width, height);
}

void CSprite::DrawTransformed(int x, int y, int width, int height) const {
    CCanvas* target = RenderTarget();
    if (!mp_image || !target) return;
    target->BlitScaled(*mp_image, x, y, width, height);
}

void CSprite::Release() {
    mp_image.reset();
}

}  // namespace ravel
