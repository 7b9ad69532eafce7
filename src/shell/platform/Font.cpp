#include "shell/platform/Font.h"

#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "shell/platform/Canvas.h"
#include "shell/platform/CodePage.h"

namespace ravel {

bool g_fontsFailed = false;

namespace {

const char* const FONT_FOLDERS[] = {
    "/usr/share/fonts/truetype/liberation2/",
    "/usr/share/fonts/truetype/liberation/",
};

std::string FaceFile(bool bold, bool italic) {
    const char* style = bold ? (italic ? "BoldItalic" : "Bold") : (italic ? "Italic" : "Regular");
    for (const char* folder : FONT_FOLDERS) {
        std::string path = std::string(folder) + "LiberationSans-" + style + ".ttf";
        if (FILE* f = std::fopen(path.c_str(), "rb")) {
            std::fclose(f);
            return path;
        }
    }
    return {};
}

bool InitRasteriser() {
    static bool s_ready = TTF_WasInit() > 0 || TTF_Init() == 0;
    return s_ready;
}

}  // namespace

CFont::~CFont() {
    if (mp_face) TTF_CloseFont(static_cast<TTF_Font*>(mp_face));
}

std::unique_ptr<CFont> CFont::Create(int height, int weight, bool italic) {
    if (height <= 0 || !InitRasteriser()) return nullptr;
    const std::string file = FaceFile(weight >= 600, italic);
    if (file.empty()) return nullptr;
    // The largest point size whose cell is no taller than the height asked for.
    TTF_Font* face = nullptr;
    for (int pt = std::max(1, height * 9 / 10); pt >= 1; --pt) {
        face = TTF_OpenFont(file.c_str(), pt);
        if (!face) return nullptr;
        if (TTF_FontHeight(face) <= height) break;
        TTF_CloseFont(face);
        face = nullptr;
    }
    if (!face) return nullptr;
    std::unique_ptr<CFont> font(new CFont());
    font->mp_face = face;
    font->m_height = height;
    font->m_weight = weight;
    font->mb_italic = italic;
    font->m_lineHeight = TTF_FontHeight(face);
    for (int c = 0; c < 256; ++c) {
        int minx, maxx, miny, maxy, advance = 0;
        if (c >= 32 && TTF_GlyphMetrics32(face, CodePageToUnicode(uint8_t(c)), &minx, &maxx, &miny, &maxy,
                                          &advance) == 0)
            font->ma_advance[c] = advance;
    }
    return font;
}

int CFont::TextWidth(const char* text) const {
    return text ? TextWidth(text, int(std::strlen(text))) : 0;
}

int CFont::TextWidth(const char* text, int length) const {
    int width = 0;
    for (int i = 0; i < length; ++i) width += ma_advance[uint8_t(text[i])];
    return width;
}

const CFont::Glyph& CFont::GlyphOf(unsigned char c) {
    Glyph& g = ma_glyphs[c];
    if (g.ready) return g;
    g.ready = true;
    g.advance = ma_advance[c];
    if (c <= 32) return g;
    TTF_Font* face = static_cast<TTF_Font*>(mp_face);
    const uint32_t code = CodePageToUnicode(c);
    int minx = 0, maxx, miny, maxy, advance;
    TTF_GlyphMetrics32(face, code, &minx, &maxx, &miny, &maxy, &advance);
    SDL_Surface* s = TTF_RenderGlyph32_Blended(face, code, SDL_Color{255, 255, 255, 255});
    if (!s) return g;
    SDL_Surface* argb = s->format->format == SDL_PIXELFORMAT_ARGB8888
                            ? s
                            : SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    if (argb) {
        // Only the inked part of the cell is kept.
        SDL_LockSurface(argb);
        auto alpha = [&](int x, int y) {
            return uint8_t(reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                             size_t(y) * argb->pitch)[x] >>
                           24);
        };
        int x0 = argb->w, y0 = argb->h, x1 = -1, y1 = -1;
        for (int y = 0; y < argb->h; ++y)
            for (int x = 0; x < argb->w; ++x)
                if (alpha(x, y)) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        if (x1 >= 0) {
            CoverageMask& m = g.mask;
            const int inked = x1 - x0 + 1;
            m.width = (inked + 3) & ~3;  // empty columns to a multiple of four blend faster
            m.height = y1 - y0 + 1;
            g.left = x0 - std::max(0, -minx);
            g.top = y0;
            m.coverage.assign(size_t(m.width) * m.height, 0);
            for (int y = 0; y < m.height; ++y)
                for (int x = 0; x < inked; ++x) m.coverage[size_t(y) * m.width + x] = alpha(x0 + x, y0 + y);
            m.FindRows();
        }
        SDL_UnlockSurface(argb);
        if (argb != s) SDL_FreeSurface(argb);
    }
    SDL_FreeSurface(s);
    return g;
}

void CFont::DrawLine(CCanvas& canvas, const char* text, int length, int x, int y, uint32_t colour,
                     const TextRect& clip) {
    for (int i = 0; i < length; ++i) {
        const Glyph& g = GlyphOf(uint8_t(text[i]));
        if (!g.mask.coverage.empty())
            canvas.BlendMask(g.mask, x + g.left, y + g.top, colour, clip.left, clip.top, clip.right,
                             clip.bottom);
        x += g.advance;
    }
}

int CFont::DrawText(CCanvas& canvas, const char* text, const TextRect& box, unsigned flags, uint32_t colour) {
    if (!text) return 0;
    const TextRect clip = (flags & TEXT_NOCLIP) ? TextRect{0, 0, canvas.Width(), canvas.Height()} : box;
    const int boxWidth = box.right - box.left;
    int y = box.top;
    const char* p = text;
    for (;;) {
        // One paragraph up to the next line break, wrapped when asked.
        const char* end = p;
        while (*end && *end != '\n') ++end;
        const char* line = p;
        while (true) {
            const char* lineEnd = end;
            if ((flags & TEXT_WORDBREAK) && TextWidth(line, int(end - line)) > boxWidth) {
                // The last space before the edge ends the line; a single word
                // wider than the box stays whole.
                const char* fit = nullptr;
                int width = 0;
                for (const char* q = line; q < end; ++q) {
                    if (*q == ' ' && q > line) {
                        if (width <= boxWidth)
                            fit = q;
                        else
                            break;
                    }
                    width += ma_advance[uint8_t(*q)];
                }
                if (fit)
                    lineEnd = fit;
                else {
                    const char* q = line;
                    while (q < end && *q != ' ') ++q;
                    lineEnd = q;
                }
            }
            int length = int(lineEnd - line);
            if (length > 0 && line[length - 1] == '\r') --length;
            int x = box.left;
            if (flags & TEXT_CENTER) x = box.left + (boxWidth - TextWidth(line, length)) / 2;
            if (y < clip.bottom) DrawLine(canvas, line, length, x, y, colour, clip);
            y += m_lineHeight;
            line = lineEnd;
            while (line < end && *line == ' ' && (flags & TEXT_WORDBREAK)) ++line;
            if (line >= end) break;
        }
        if (!*end) break;
        p = end + 1;
    }
    return y - box.top;
}

}  // namespace ravel
