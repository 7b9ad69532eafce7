#include "shell/platform/Bitmap.h"

#include <cstdio>
#include <cstring>

namespace ravel {

namespace {

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Get16(const std::vector<uint8_t>& b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

constexpr int MAX_SIDE = 16384;
constexpr uint32_t BI_RGB = 0, BI_BITFIELDS = 3;

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& b, CCanvas& out) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    const uint32_t pixelOffset = Get32(b, 10);
    const uint32_t headerSize = Get32(b, 14);
    if (headerSize < 40 || 14 + size_t(headerSize) > b.size()) return false;
    const int32_t width = int32_t(Get32(b, 18));
    const int32_t rawHeight = int32_t(Get32(b, 22));
    const uint16_t planes = Get16(b, 26);
    const uint16_t bits = Get16(b, 28);
    const uint32_t compression = Get32(b, 30);
    uint32_t paletteCount = Get32(b, 46);
    if (planes != 1 || width <= 0 || width > MAX_SIDE || rawHeight == 0 || rawHeight < -MAX_SIDE ||
        rawHeight > MAX_SIDE)
        return false;
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (bits != 8 && bits != 24 && bits != 32) return false;
    if (compression != BI_RGB && !(compression == BI_BITFIELDS && bits == 32)) return false;

    std::vector<uint32_t> palette;
    if (bits == 8) {
        if (paletteCount == 0 || paletteCount > 256) paletteCount = 256;
        const size_t at = 14 + size_t(headerSize);
        if (at + size_t(paletteCount) * 4 > b.size()) return false;
        for (uint32_t i = 0; i < paletteCount; ++i)
            palette.push_back(0xff000000u | (Get32(b, at + i * 4) & 0xffffffu));
    }
    const size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
    if (pixelOffset > b.size() || stride * size_t(height) > b.size() - pixelOffset) return false;

    out.Resize(width, height);
    for (int row = 0; row < height; ++row) {
        const uint8_t* src = b.data() + pixelOffset + stride * size_t(row);
        uint32_t* dst = out.Row(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            if (bits == 8) {
                const uint8_t index = src[x];
                dst[x] = index < palette.size() ? palette[index] : 0xff000000u;
            } else {
                const uint8_t* p = src + x * (bits / 8);
                dst[x] = 0xff000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            }
        }
    }
    return true;
}

bool ReadWholeFile(const std::string& nativePath, std::vector<uint8_t>& out) {
    out.clear();
    FILE* f = std::fopen(nativePath.c_str(), "rb");
    if (!f) return false;
    uint8_t chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.insert(out.end(), chunk, chunk + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool LoadBmp(const std::string& nativePath, CCanvas& out) {
    std::vector<uint8_t> bytes;
    return ReadWholeFile(nativePath, bytes) && DecodeBmp(bytes, out);
}

bool SaveBmp(const CCanvas& image, const std::string& nativePath) {
    const int w = image.Width(), h = image.Height();
    if (w <= 0 || h <= 0) return false;
    const uint32_t stride = ((uint32_t(w) * 3 + 3) / 4) * 4;
    const uint32_t dataSize = stride * uint32_t(h);
    std::vector<uint8_t> b;
    b.reserve(54 + dataSize);
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + dataSize);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, BI_RGB);
    Put32(b, dataSize);
    Put32(b, 2835);  // 72 dpi
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int row = h - 1; row >= 0; --row) {
        const uint32_t* p = image.Row(row);
        for (int x = 0; x < w; ++x) {
            b.push_back(uint8_t(p[x]));
            b.push_back(uint8_t(p[x] >> 8));
            b.push_back(uint8_t(p[x] >> 16));
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < stride; ++pad) b.push_back(0);
    }
    FILE* f = std::fopen(nativePath.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace ravel
