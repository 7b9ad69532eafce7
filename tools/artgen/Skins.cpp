// The two interface skins: every control image and the frame bars.
#include <cmath>
#include <string>

#include "Art.h"

namespace ravel::art {

namespace {

struct Style {
    const char* name;
    uint32_t base;    // panels and buttons
    uint32_t light;   // raised edges, hover
    uint32_t dark;    // shadows, tracks
    uint32_t accent;  // lines, pressed glow, ticks
    uint32_t frame;   // the frame bars
};

const Style STYLES[] = {
    {"std", 0xff24365cu, 0xff3d5a8cu, 0xff0f1829u, GOLD, 0xff17233du},
    {"willow", 0xff5b4128u, 0xff8a6a40u, 0xff2a1d10u, Rgb(0x9ccc65), 0xff3b2a18u},
};

std::string SkinPath(const Style& s, const char* file) {
    return std::string("gfx\\gui\\") + s.name + "\\" + file + ".bmp";
}

// One button's slices: the whole button is drawn 40 wide and cut into the
// left end (10), a middle slice (5) and the right end (10).
void ButtonSlices(const Style& s, int height, const char* prefix, const char* suffixes[3], const char* state,
                  uint32_t face, uint32_t edge, bool pressed) {
    Picture whole(40, height);
    whole.RoundRect(0.5f, 0.5f, 39.5f, height - 0.5f, 6, Shade(edge, 0.6f));
    whole.RoundRect(1.5f, 1.5f, 38.5f, height - 1.5f, 5, face);
    if (pressed) {
        whole.VerticalGradient(2, height / 2.0f, WithAlpha(0xff000000u, 0.25f), WithAlpha(0xff000000u, 0.0f));
    } else {
        whole.VerticalGradient(2, height / 2.0f, WithAlpha(0xffffffffu, 0.18f),
                               WithAlpha(0xffffffffu, 0.04f));
        whole.VerticalGradient(height / 2.0f, height - 2.0f, WithAlpha(0xff000000u, 0.0f),
                               WithAlpha(0xff000000u, 0.22f));
    }
    whole.Rect(4, height - 2.5f, 36, height - 1.5f, WithAlpha(edge, 0.9f));
    // Keep the transparent corners out of the middle slice.
    const struct { int x, w; } cuts[3] = {{0, 10}, {10, 5}, {30, 10}};
    for (int i = 0; i < 3; ++i) {
        Picture slice(cuts[i].w, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < cuts[i].w; ++x)
                slice.Canvas().SetPixel(x, y, whole.Canvas().Pixel(cuts[i].x + x, y));
        Save(slice, SkinPath(s, (std::string(prefix) + suffixes[i] + state).c_str()), 0xff101010u);
    }
}

void Buttons(const Style& s) {
    // Look 0: 30 high (side bar and main buttons); look 1: 22 high.
    const char* look0[3] = {"leftside", "mid", "rightside"};
    const char* look0Over[3] = {"leftover", "midover", "rightover"};
    const char* look0Down[3] = {"leftclicked", "midclicked", "rightclicked"};
    ButtonSlices(s, 30, "", look0, "", s.base, s.accent, false);
    ButtonSlices(s, 30, "", look0Over, "", s.light, s.accent, false);
    ButtonSlices(s, 30, "", look0Down, "", s.dark, s.accent, true);
    const char* look1[3] = {"leftside", "mid", "rightside"};
    const char* look1Over[3] = {"leftover", "midover", "rightover"};
    const char* look1Down[3] = {"leftclicked", "midclicked", "rightclicked"};
    ButtonSlices(s, 22, "but2_", look1, "", Shade(s.base, 0.85f), s.light, false);
    ButtonSlices(s, 22, "but2_", look1Over, "", s.light, s.accent, false);
    ButtonSlices(s, 22, "but2_", look1Down, "", s.dark, s.accent, true);
}

void Arrow(Picture& p, float cx, float cy, float dx, float dy, float size, uint32_t colour) {
    p.ArrowHead({cx + dx * size * 0.5f, cy + dy * size * 0.5f}, dx, dy, size, colour);
}

Picture ArrowButton(const Style& s, int w, int h, float dx, float dy) {
    Picture p(w, h);
    p.RoundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3, Shade(s.accent, 0.5f));
    p.RoundRect(1.5f, 1.5f, w - 1.5f, h - 1.5f, 2.5f, s.base);
    p.VerticalGradient(2, h / 2.0f, WithAlpha(0xffffffffu, 0.15f), WithAlpha(0xffffffffu, 0.0f));
    Arrow(p, w / 2.0f, h / 2.0f, dx, dy, 7, s.accent);
    return p;
}

void ScrollBars(const Style& s) {
    Save(ArrowButton(s, 16, 16, -1, 0), SkinPath(s, "scrollb_leftbut"));
    Save(ArrowButton(s, 16, 16, 1, 0), SkinPath(s, "scrollb_rightbut"));
    Save(ArrowButton(s, 16, 16, 0, -1), SkinPath(s, "scrollb_topbut"));
    Save(ArrowButton(s, 16, 16, 0, 1), SkinPath(s, "scrollb_botbut"));
    // Ends of a horizontal track (kept for the skin; the controls draw the arrows).
    Picture end(16, 16, s.dark);
    end.Rect(0, 0, 16, 1, Shade(s.dark, 0.6f));
    Save(end, SkinPath(s, "scrollb_left"));
    Save(end, SkinPath(s, "scrollb_right"));
    // Track: a horizontal column and a vertical row, sunken.
    Picture hTrack(1, 16, s.dark), vTrack(16, 1, s.dark);
    for (int i = 0; i < 16; ++i) {
        const uint32_t c =
            i == 0 || i == 15 ? Shade(s.dark, 0.6f) : Shade(s.dark, 1.0f + (i > 7 ? 0.05f : 0));
        hTrack.Canvas().SetPixel(0, i, c);
        vTrack.Canvas().SetPixel(i, 0, c);
    }
    Save(hTrack, SkinPath(s, "scrollb_mid"));
    Save(vTrack, SkinPath(s, "scroll_bv_mid"));
    // Thumb: raised, the accent along its middle.
    Picture hThumb(1, 16), vThumb(16, 2);
    for (int i = 0; i < 16; ++i) {
        uint32_t c = i < 2 || i > 13 ? 0 : Shade(s.light, i < 8 ? 1.15f : 0.95f);
        if (i == 7 || i == 8) c = s.accent;
        hThumb.Canvas().SetPixel(0, i, c);
        vThumb.Canvas().SetPixel(i, 0, c);
        vThumb.Canvas().SetPixel(i, 1, c ? Shade(c, 0.85f) : 0);
    }
    Save(hThumb, SkinPath(s, "scroll_bh_mid"), s.dark);
    Save(vThumb, SkinPath(s, "scrollb_scroller"), s.dark);
}

void DropDowns(const Style& s) {
    const int h = 24;
    Picture whole(30, h);
    whole.RoundRect(0.5f, 0.5f, 29.5f, h - 0.5f, 4, Shade(s.accent, 0.55f));
    whole.RoundRect(1.5f, 1.5f, 28.5f, h - 1.5f, 3.5f, s.dark);
    whole.VerticalGradient(2, h - 2.0f, WithAlpha(0xff000000u, 0.2f), WithAlpha(0xffffffffu, 0.05f));
    auto cut = [&](int x, int w, const char* name) {
        Picture slice(w, h);
        for (int y = 0; y < h; ++y)
            for (int xx = 0; xx < w; ++xx) slice.Canvas().SetPixel(xx, y, whole.Canvas().Pixel(x + xx, y));
        Save(slice, SkinPath(s, name), 0xff101010u);
    };
    cut(0, 5, "dropdown_left");
    cut(12, 1, "dropdown_mid");
    cut(25, 5, "dropdown_right");
    cut(12, 1, "dropdown_topslice");
    Picture button(20, h);
    button.RoundRect(0.5f, 0.5f, 19.5f, h - 0.5f, 4, Shade(s.accent, 0.55f));
    button.RoundRect(1.5f, 1.5f, 18.5f, h - 1.5f, 3.5f, s.base);
    button.VerticalGradient(2, h / 2.0f, WithAlpha(0xffffffffu, 0.15f), WithAlpha(0xffffffffu, 0.0f));
    Arrow(button, 10, h / 2.0f, 0, 1, 7, s.accent);
    Save(button, SkinPath(s, "dropdown_downbut"), 0xff101010u);
}

void TickBoxes(const Style& s) {
    struct T {
        const char* file;
        uint32_t face;
        bool ticked;
    } boxes[] = {{"tickbox", s.dark, false},
                 {"tickbox_over", Shade(s.light, 0.8f), false},
                 {"tickbox_clicked", Shade(s.dark, 0.7f), false},
                 {"tickbox_checked", s.dark, true},
                 {"tickbox_checked_clicked", Shade(s.dark, 0.7f), true},
                 {"tickbox_checked_over", Shade(s.light, 0.8f), true}};
    for (const T& t : boxes) {
        Picture p(20, 20);
        p.RoundRect(0.5f, 0.5f, 19.5f, 19.5f, 4, Shade(s.accent, 0.7f));
        p.RoundRect(2, 2, 18, 18, 3, t.face);
        if (t.ticked) p.Polyline({{5, 10}, {8.5f, 14}, {15, 5.5f}}, 2.6f, s.accent);
        Save(p, SkinPath(s, t.file), 0xff101010u);
    }
}

void Dialogs(const Style& s) {
    // A 64 x 64 tile that repeats without seams.
    Picture tile(64, 64, Shade(s.base, 0.62f));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if ((x + y) % 8 == 0) tile.Blend(x, y, 0xffffffffu, 0.035f);
            tile.Blend(x, y, Hash(x, y, 31) > 0.5f ? 0xffffffffu : 0xff000000u, 0.03f);
        }
    Save(tile, SkinPath(s, "dlgbg"));
    Picture title(5, 25);
    title.VerticalGradient(0, 25, s.light, s.base);
    title.Rect(0, 0, 5, 1, Shade(s.light, 1.3f));
    title.Rect(0, 23, 5, 25, s.accent);
    Save(title, SkinPath(s, "dlg_titlebarsection"));
    const char* closes[] = {"dlg_titlebarclosenormal", "dlg_titlebarcloseover", "dlg_titlebarclosedown"};
    for (int i = 0; i < 3; ++i) {
        Picture c(20, 20);
        c.RoundRect(1, 1, 19, 19, 4, i == 0 ? s.base : i == 1 ? Rgb(0xc0392b) : Rgb(0x7f2519));
        c.Line(6, 6, 14, 14, 2, 0xffffffffu);
        c.Line(14, 6, 6, 14, 2, 0xffffffffu);
        Save(c, SkinPath(s, closes[i]), s.base);
    }
}

// ---- Frame bars ------------------------------------------------------------------

// Sits low in the bar: the game date and clock are drawn at its top left.
void Wordmark(Picture& p, const Style& s) {
    p.Circle(30, 74, 15, BALL_RED);
    p.Line(17, 78, 43, 71, 2.0f, 0xfff3ead2u);
    p.Text("RAVELSTONE", 21, 800, false, 54, 54, s.accent, 0, true);
    p.Text("Cricket Manager", 15, 700, true, 55, 77, CREAM, 0, true);
}

void Frame(const Style& s) {
    Picture top(1024, 103, s.frame);
    top.VerticalGradient(0, 103, Shade(s.frame, 1.25f), Shade(s.frame, 0.9f));
    for (int x = 0; x < 1024; ++x)
        for (int y = 0; y < 103; ++y)
            if ((x + y) % 7 == 0) top.Blend(x, y, 0xffffffffu, 0.025f);
    top.Rect(0, 99, 1024, 101, s.accent);
    top.Rect(0, 101, 1024, 103, Shade(s.frame, 0.5f));
    top.Rect(184, 8, 186, 92, WithAlpha(s.accent, 0.35f));
    Wordmark(top, s);
    Save(top, SkinPath(s, "topbarmatch"));

    auto sidePanel = [&](int h) {
        Picture p(185, h, s.frame);
        for (int x = 0; x < 185; ++x) {
            const uint32_t c = Mix(Shade(s.frame, 1.15f), Shade(s.frame, 0.85f), x / 185.0f);
            for (int y = 0; y < h; ++y) p.Canvas().SetPixel(x, y, c);
        }
        for (int x = 0; x < 185; ++x)
            for (int y = 0; y < h; ++y)
                if ((x + y) % 7 == 0) p.Blend(x, y, 0xffffffffu, 0.025f);
        p.Rect(181, 0, 183, h, s.accent);
        p.Rect(183, 0, 185, h, Shade(s.frame, 0.5f));
        return p;
    };
    Picture side = sidePanel(417);
    side.Text("MENU", 14, 700, false, 92, 2, WithAlpha(CREAM, 0.55f));
    Save(side, SkinPath(s, "sidebar"));
    Picture sideBottom = sidePanel(184);
    sideBottom.Rect(12, 0, 170, 1, WithAlpha(s.accent, 0.5f));
    Save(sideBottom, SkinPath(s, "sidebarbot"));

    Picture bottom(1024, 64, s.frame);
    bottom.VerticalGradient(0, 64, Shade(s.frame, 0.95f), Shade(s.frame, 0.7f));
    bottom.Rect(0, 0, 1024, 2, s.accent);
    bottom.Rect(181, 2, 183, 64, s.accent);
    Save(bottom, SkinPath(s, "botbar"));

    Picture board(175, 95);
    board.RoundRect(0.5f, 0.5f, 174.5f, 94.5f, 8, Shade(s.accent, 0.7f));
    board.RoundRect(2, 2, 173, 93, 7, Rgb(0x0c1410));
    board.RoundRect(6, 6, 169, 28, 4, Shade(s.base, 0.9f));
    board.Text("SCORE", 15, 700, false, 87.5f, 8, s.accent);
    for (int y = 32; y < 90; y += 3) board.Rect(8, float(y), 167, y + 1.0f, WithAlpha(0xffffffffu, 0.03f));
    Save(board, SkinPath(s, "scoreboard"), s.frame);
}

}  // namespace

void MakeSkins() {
    for (const Style& s : STYLES) {
        Buttons(s);
        ScrollBars(s);
        DropDowns(s);
        TickBoxes(s);
        Dialogs(s);
        Frame(s);
    }
}

}  // namespace ravel::art
