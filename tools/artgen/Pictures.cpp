// Full pictures: backgrounds, the intro pictures, the ground in its sizes,
// flags, pointers and the figures of the ground view.
#include <cmath>
#include <string>

#include "Art.h"

namespace ravel::art {

namespace {

// ---- The ground ------------------------------------------------------------
// In the coordinates of the large ground picture (740 x 556): the wickets
// stand at x 393, the stumps at y 248 and 308.
constexpr float GROUND_CX = 390, GROUND_CY = 278, BOUNDARY_RX = 338, BOUNDARY_RY = 256;
constexpr float STRIP_X = 393, STRIP_TOP = 232, STRIP_BOTTOM = 324, STRIP_HALF = 11;

uint32_t GroundColour(float gx, float gy, bool strip) {
    const float ex = (gx - GROUND_CX) / BOUNDARY_RX, ey = (gy - GROUND_CY) / BOUNDARY_RY;
    const float e = std::sqrt(ex * ex + ey * ey);
    const float edge = (e - 1) * BOUNDARY_RY;  // pixels outside the rope
    if (edge > 14) {
        // Stands: rows of seats in the team colours of the ground.
        const float angle = std::atan2(ey, ex);
        const int row = int(edge / 5);
        const float seat = Hash(int(angle * 140), row, 7);
        uint32_t c = row % 2 ? 0xff2c3446u : 0xff272e3eu;
        if (seat > 0.86f) c = Mix(c, seat > 0.95f ? 0xffd9d2c0u : 0xff8a3b3bu, 0.22f);
        return c;
    }
    if (edge > 5) {
        // Advertising boards, in panels.
        const float angle = std::atan2(ey, ex);
        const int panel = int((angle + 3.1416f) * 12);
        const uint32_t boards[] = {0xff1f4e8cu, 0xfff0b429u, 0xffb3202au, 0xff2e8b57u, 0xfff6efd9u};
        return boards[panel % 5];
    }
    // Grass, mown in stripes, a shade lighter inside the circle.
    uint32_t c = (int((gx + 1000) / 26) % 2) ? 0xff3a8c3cu : 0xff2f7d32u;
    const float n = ValueNoise(gx / 9, gy / 9, 3) - 0.5f;
    c = Shade(c, 1 + n * 0.10f);
    if (edge > -2.5f && edge < 0) return 0xfff4f4f0u;  // the rope
    // The inner circle: a ring of dots.
    const float ix = (gx - STRIP_X) / 150, iy = (gy - (STRIP_TOP + STRIP_BOTTOM) / 2) / 128;
    const float ie = std::sqrt(ix * ix + iy * iy);
    if (std::fabs(ie - 1) * 128 < 1.3f) {
        const float a = std::atan2(iy, ix);
        if (std::fmod(a + 6.2832f, 0.105f) < 0.035f) return 0xffe8efe0u;
    }
    if (!strip) return c;
    if (std::fabs(gx - STRIP_X) <= STRIP_HALF && gy >= STRIP_TOP && gy <= STRIP_BOTTOM) {
        uint32_t p = Shade(PITCH, 1 + (ValueNoise(gx / 3, gy / 3, 9) - 0.5f) * 0.16f);
        // Worn patches where the bowlers land and the batsmen stand.
        for (float wy : {250.0f, 306.0f}) {
            const float d = std::hypot((gx - STRIP_X) / 6, (gy - wy) / 5);
            if (d < 1) p = Mix(p, 0xffa88f5au, (1 - d) * 0.6f);
        }
        const bool crease = std::fabs(gy - 240) < 0.6f || std::fabs(gy - 316) < 0.6f ||  // bowling
                            std::fabs(gy - 252) < 0.6f || std::fabs(gy - 304) < 0.6f;    // popping
        const bool returnCrease = std::fabs(std::fabs(gx - STRIP_X) - 8) < 0.6f &&
                                  ((gy > 236 && gy < 252) || (gy > 304 && gy < 320));
        if (crease || returnCrease) p = 0xfffbfbf5u;
        return p;
    }
    return c;
}

// The ground at a scale, from ground x `left` on.
Picture Ground(int w, int h, float scale, bool strip, float left = 0) {
    Picture p(w, h);
    const int ss = scale < 0.7f ? 3 : 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float r = 0, g = 0, b = 0;
            for (int sy = 0; sy < ss; ++sy)
                for (int sx = 0; sx < ss; ++sx) {
                    const uint32_t c = GroundColour(left + (x + (sx + 0.5f) / ss) / scale,
                                                    (y + (sy + 0.5f) / ss) / scale, strip);
                    r += (c >> 16) & 0xff;
                    g += (c >> 8) & 0xff;
                    b += c & 0xff;
                }
            const float n = float(ss * ss);
            p.Canvas().SetPixel(x, y,
                                0xff000000u | uint32_t(r / n) << 16 | uint32_t(g / n) << 8 | uint32_t(b / n));
        }
    return p;
}

// ---- Screens ---------------------------------------------------------------

void CricketBall(Picture& p, float cx, float cy, float r, uint32_t colour = BALL_RED) {
    const uint32_t seamColour = 0xfff3ead2u;
    p.Circle(cx, cy, r, colour);
    p.Circle(cx - r * 0.3f, cy - r * 0.3f, r * 0.55f, WithAlpha(0xffffffffu, 0.10f));
    // The seam: two stitched lines curving across the ball.
    std::vector<Pt> seam;
    for (int i = 0; i <= 24; ++i) {
        const float t = -1 + i / 12.0f;
        seam.push_back({cx + t * r * 0.92f, cy + std::sin(t * 1.2f) * r * 0.22f});
    }
    p.Polyline(seam, std::max(1.0f, r * 0.12f), seamColour);
    if (r > 6)
        for (int i = 1; i < 24; i += 2) {
            const Pt a = seam[size_t(i)];
            p.Line(a.x, a.y - r * 0.13f, a.x, a.y + r * 0.13f, std::max(0.8f, r * 0.05f),
                   Shade(seamColour, 0.95f));
        }
}

void Background() {
    Picture p(1024, 768, NAVY);
    p.VerticalGradient(0, 768, 0xff1a2846u, 0xff0e1626u);
    // Faint diagonal weave.
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            if ((x + y) % 6 == 0) p.Blend(x, y, 0xffffffffu, 0.025f);
    // A large ball watermark in the lower right corner: its outline and seam.
    Picture ball(520, 520);
    ball.Circle(260, 260, 250, 0xff24345au);
    ball.Ring(260, 260, 250, 3, 0xff2e426cu);
    for (float offset : {-14.0f, 14.0f}) {
        std::vector<Pt> seam;
        for (int i = 0; i <= 40; ++i) {
            const float t = -1 + i / 20.0f;
            seam.push_back({260 + t * 238, 260 + offset + std::sin(t * 1.2f) * 55});
        }
        ball.Polyline(seam, 3, 0xff2e426cu);
    }
    for (int y = 0; y < ball.H(); ++y)
        for (int x = 0; x < ball.W(); ++x) {
            const uint32_t c = ball.Canvas().Pixel(x, y);
            if (c >> 24) p.Blend(700 + x, 430 + y, c | 0xff000000u, float(c >> 24) / 255 * 0.35f);
        }
    p.Noise(11, 0.04f);
    Save(p, "gfx\\pics\\background.bmp");
}

void Title(Picture& p, float y) {
    p.Text("RAVELSTONE", 96, 800, false, 512, y, GOLD, 1, true);
    p.Text("C R I C K E T   M A N A G E R", 28, 700, false, 512, y + 100, CREAM, 1, true);
}

void Logo() {
    Picture p(1024, 768);
    p.VerticalGradient(0, 768, 0xff0b1830u, 0xff123a26u);
    // Floodlights and the sweep of a ground at the bottom.
    for (float x : {140.0f, 884.0f}) {
        p.Line(x, 140, x, 420, 6, 0xff28324au);
        p.RoundRect(x - 46, 100, x + 46, 150, 6, 0xff3a4560u);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 2; ++j) p.Circle(x - 33 + i * 22, 114 + j * 22, 8, 0xfffff3c4u);
        for (int k = 0; k < 40; ++k) p.Circle(x, 125, 40.0f + k * 6, WithAlpha(0xfffff3c4u, 0.012f));
    }
    p.Ellipse(512, 900, 760, 330, 0xff1d5a2au);
    p.Ellipse(512, 900, 700, 290, 0xff2f7d32u);
    p.Rect(497, 600, 527, 768, PITCH);
    CricketBall(p, 512, 190, 70);
    Title(p, 280);
    // The loading bar's frame is drawn by the game at 449..851, 459..471.
    p.RoundRect(430, 444, 870, 486, 8, WithAlpha(0xff000000u, 0.35f));
    p.Noise(5, 0.03f);
    Save(p, "gfx\\pics\\logo.bmp");

    Picture w(1024, 768, 0xff05070cu);
    CricketBall(w, 512, 330, 46);
    w.Text("Ravelstone Sports", 40, 700, false, 512, 400, CREAM);
    w.Text("presents", 21, 400, true, 512, 450, 0xffa0a8b8u);
    Save(w, "gfx\\pics\\logors.bmp");
}

void Grounds() {
    Save(Ground(740, 556, 1.0f, true), "gfx\\pics\\pitch.bmp");
    Save(Ground(888, 667, 1.2f, true), "gfx\\pics\\pitchBig.bmp");
    Save(Ground(370, 278, 0.5f, true), "gfx\\pics\\pitch2.bmp");
    Save(Ground(370, 278, 0.5f, false), "gfx\\pics\\pitch2_pitchless.bmp");
    Save(Ground(296, 222, 0.4f, true), "gfx\\pics\\pitch_small.bmp");
    // The field diagram puts ground point (px, py) at (px s - 15, py s).
    const float s = 0.20661156f;
    Save(Ground(int(740 * s - 30), int(556 * s), s, true, 15 / s), "gfx\\pics\\pitch_small2.bmp");
}

// ---- Flags -----------------------------------------------------------------

void UnionCanton(Picture& f, float w, float h) {
    f.Rect(0, 0, w, h, Rgb(0x012169));
    f.Line(0, 0, w, h, 2.4f, 0xffffffffu);
    f.Line(w, 0, 0, h, 2.4f, 0xffffffffu);
    f.Line(0, 0, w, h, 0.9f, Rgb(0xc8102e));
    f.Line(w, 0, 0, h, 0.9f, Rgb(0xc8102e));
    f.Rect(w / 2 - 2, 0, w / 2 + 2, h, 0xffffffffu);
    f.Rect(0, h / 2 - 2, w, h / 2 + 2, 0xffffffffu);
    f.Rect(w / 2 - 1, 0, w / 2 + 1, h, Rgb(0xc8102e));
    f.Rect(0, h / 2 - 1, w, h / 2 + 1, Rgb(0xc8102e));
}

void Star(Picture& f, float cx, float cy, float r, uint32_t colour) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        const float a = -1.5708f + i * 0.6283f, rr = i % 2 ? r * 0.45f : r;
        pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
    }
    f.Polygon(pts, colour);
}

void Flags() {
    constexpr float W = 30, H = 20;
    auto stripes = [&](Picture& f, std::initializer_list<uint32_t> colours, bool vertical) {
        const float n = float(colours.size());
        int i = 0;
        for (uint32_t c : colours) {
            if (vertical)
                f.Rect(W * i / n, 0, W * (i + 1) / n, H, Rgb(c));
            else
                f.Rect(0, H * i / n, W, H * (i + 1) / n, Rgb(c));
            ++i;
        }
    };
    for (int id = 1; id <= 11; ++id) {
        Picture f(30, 20, 0xff000000u);
        switch (id) {
            case 1:  // Australia
                f.Rect(0, 0, W, H, Rgb(0x012169));
                UnionCanton(f, 15, 10);
                Star(f, 7.5f, 15, 2.6f, 0xffffffffu);
                for (Pt s : {Pt{22, 5}, Pt{26, 9}, Pt{19, 10}, Pt{22, 16}})
                    Star(f, s.x, s.y, 1.6f, 0xffffffffu);
                break;
            case 2:  // England
                f.Rect(0, 0, W, H, 0xffffffffu);
                f.Rect(13, 0, 17, H, Rgb(0xce1124));
                f.Rect(0, 8, W, 12, Rgb(0xce1124));
                break;
            case 3:  // India
                stripes(f, {0xff9933, 0xffffff, 0x138808}, false);
                f.Ring(15, 10, 2.4f, 0.8f, Rgb(0x000080));
                break;
            case 4:  // New Zealand
                f.Rect(0, 0, W, H, Rgb(0x012169));
                UnionCanton(f, 15, 10);
                for (Pt s : {Pt{22, 4}, Pt{25.5f, 8.5f}, Pt{19, 9}, Pt{22, 15.5f}}) {
                    Star(f, s.x, s.y, 2.0f, 0xffffffffu);
                    Star(f, s.x, s.y, 1.3f, Rgb(0xc8102e));
                }
                break;
            case 5:  // Pakistan
                f.Rect(0, 0, W, H, Rgb(0x01411c));
                f.Rect(0, 0, 7.5f, H, 0xffffffffu);
                f.Circle(19, 10, 5.2f, 0xffffffffu);
                f.Circle(20.6f, 8.8f, 4.4f, Rgb(0x01411c));
                Star(f, 22.5f, 7.5f, 1.7f, 0xffffffffu);
                break;
            case 6:  // South Africa
                f.Rect(0, 0, W, H / 2, Rgb(0xe03c31));
                f.Rect(0, H / 2, W, H, Rgb(0x001489));
                f.Polygon({{0, 0}, {12, 10}, {0, 20}}, 0xffffffffu);
                f.Line(0, 0, 12, 10, 5, 0xffffffffu);
                f.Line(0, 20, 12, 10, 5, 0xffffffffu);
                f.Rect(12, 7.5f, W, 12.5f, 0xffffffffu);
                f.Line(0, 0, 12, 10, 3, Rgb(0x007749));
                f.Line(0, 20, 12, 10, 3, Rgb(0x007749));
                f.Rect(12, 8.5f, W, 11.5f, Rgb(0x007749));
                f.Polygon({{0, 3}, {8, 10}, {0, 17}}, Rgb(0xffb612));
                f.Polygon({{0, 5}, {6, 10}, {0, 15}}, 0xff000000u);
                break;
            case 7:  // Sri Lanka
                f.Rect(0, 0, W, H, Rgb(0xffbe29));
                f.Rect(1.5f, 1.5f, 5, H - 1.5f, Rgb(0x00534e));
                f.Rect(5, 1.5f, 8.5f, H - 1.5f, Rgb(0xeb7400));
                f.Rect(10, 1.5f, W - 1.5f, H - 1.5f, Rgb(0x8d153a));
                f.Ellipse(19, 10, 4.5f, 4, Rgb(0xffbe29));
                f.Line(22, 13, 25, 6, 1, Rgb(0xffbe29));
                break;
            case 8:  // West Indies: maroon with a sun, an island and a palm
                f.Rect(0, 0, W, H, Rgb(0x7b0041));
                f.Circle(15, 10, 7, Rgb(0xf2b71d));
                f.Ellipse(15, 15.5f, 6, 2, Rgb(0x2e7d32));
                f.Line(15, 15, 16, 6, 1.2f, Rgb(0x5b3a1a));
                for (float a : {-2.6f, -1.9f, -1.2f, -0.5f})
                    f.Line(16, 6, 16 + std::cos(a) * 5, 6 + std::sin(a) * 3 + 2, 1.2f, Rgb(0x2e7d32));
                break;
            case 9:  // Zimbabwe
                stripes(f, {0x006400, 0xffd200, 0xd40000, 0x000000, 0xd40000, 0xffd200, 0x006400}, false);
                f.Polygon({{0, 0}, {11, 10}, {0, 20}}, 0xffffffffu);
                f.Line(0, 0, 11, 10, 1, 0xff000000u);
                f.Line(0, 20, 11, 10, 1, 0xff000000u);
                Star(f, 4.5f, 10, 2.6f, Rgb(0xd40000));
                break;
            case 10:  // Bangladesh
                f.Rect(0, 0, W, H, Rgb(0x006a4e));
                f.Circle(13.5f, 10, 6, Rgb(0xf42a41));
                break;
            default:  // 11: Kenya: black, red and green with white edges, a shield in the middle
                stripes(f, {0x000000, 0xbb0000, 0x006600}, false);
                f.Rect(0, H / 3 - 1, W, H / 3 + 0.8f, 0xffffffffu);
                f.Rect(0, 2 * H / 3 - 0.8f, W, 2 * H / 3 + 1, 0xffffffffu);
                f.Ellipse(15, 10, 3.2f, 7, Rgb(0xbb0000));
                f.Ellipse(15, 10, 1.2f, 5, 0xff000000u);
                break;
        }
        f.Rect(0, 0, W, 1, WithAlpha(0xffffffffu, 0.25f));
        Save(f, "gfx\\pics\\flags\\" + std::to_string(id) + ".bmp");
    }
    Picture up(12, 12), down(12, 12), same(12, 12);
    up.Polygon({{6, 1.5f}, {11, 10}, {1, 10}}, Rgb(0x3ecf4a));
    down.Polygon({{1, 2}, {11, 2}, {6, 10.5f}}, Rgb(0xe5483b));
    same.RoundRect(1.5f, 4, 10.5f, 8, 1.5f, Rgb(0xb8bcc6));
    Save(up, "gfx\\pics\\flags\\up.bmp");
    Save(down, "gfx\\pics\\flags\\down.bmp");
    Save(same, "gfx\\pics\\flags\\same.bmp");
}

// ---- Pointers, figures and small pictures -----------------------------------

void Pointers() {
    const std::vector<Pt> arrow = {{1, 1}, {1, 22}, {6.5f, 17}, {10.5f, 26}, {14, 24.5f}, {10, 16}, {17, 16}};
    Picture normal(32, 32);
    normal.Polygon(arrow, 0xff000000u);
    std::vector<Pt> inner;
    for (const Pt& q : arrow)
        inner.push_back({1.5f + (q.x - 1.5f) * 0.86f + 0.7f, 1.5f + (q.y - 1.5f) * 0.86f + 1.2f});
    normal.Polygon(inner, 0xffffffffu);
    Save(normal, "gfx\\mouse\\mousepointer.bmp", 0xff000000u);
    Picture busy = normal;
    CricketBall(busy, 22, 22, 8.5f);
    busy.Ring(22, 22, 8.5f, 1.2f, 0xff000000u);
    Save(busy, "gfx\\mouse\\mousepointerld.bmp", 0xff000000u);
}

// A figure seen from above: shoulders, head and a cap; centred in 16 x 16.
Picture Figure(uint32_t shirt, uint32_t cap, uint32_t extra, int kind) {
    Picture f(16, 16);
    f.Ellipse(8, 9, 6.5f, 4.2f, Shade(shirt, 0.55f));
    f.Ellipse(8, 9, 5.6f, 3.4f, shirt);
    f.Circle(8, 8, 3.2f, 0xffe0b48au);
    f.Circle(8, 7.4f, 2.9f, cap);
    switch (kind) {
        case 1:  // striker: bat out in front
            f.Line(11.5f, 10, 14.5f, 14.5f, 2.2f, WILLOW);
            break;
        case 2:  // non-striker: bat grounded at the side
            f.Line(13, 6, 13, 13, 2.2f, WILLOW);
            break;
        case 3:  // bowler: ball in hand
            f.Circle(13.5f, 8, 1.8f, BALL_RED);
            break;
        case 4:  // keeper: gloves
            f.Circle(3, 11.5f, 2, extra);
            f.Circle(13, 11.5f, 2, extra);
            break;
        case 5:  // umpire: a wide white hat
            f.Circle(8, 7.6f, 4.2f, 0xfff4f4eeu);
            f.Circle(8, 7.6f, 2.6f, 0xffe6e6dcu);
            break;
        default:
            break;
    }
    return f;
}

void GroundSprites() {
    const uint32_t whites = 0xfff3efe2u;
    Save(Figure(whites, Rgb(0x6b1f2a), 0, 3), "gfx\\sprites\\playerbowler.bmp", GRASS);
    Save(Figure(whites, NAVY_LIGHT, 0, 1), "gfx\\sprites\\playerb1.bmp", GRASS);
    Save(Figure(whites, NAVY_LIGHT, 0, 2), "gfx\\sprites\\playerb2.bmp", GRASS);
    Save(Figure(whites, Rgb(0x1f5e2e), Rgb(0xf08a24), 4), "gfx\\sprites\\playerwk.bmp", GRASS);
    Save(Figure(whites, Rgb(0x6b1f2a), 0, 0), "gfx\\sprites\\player.bmp", GRASS);
    Save(Figure(0xff26282eu, 0xff26282eu, 0, 5), "gfx\\sprites\\umpwi.bmp", GRASS);
    Save(Figure(0xff26282eu, 0xff26282eu, 0, 5), "gfx\\sprites\\umpsl.bmp", GRASS);
    // The ball turning: the seam at four angles.
    for (int i = 0; i < 4; ++i) {
        Picture b(8, 8);
        b.Circle(4, 4, 3.3f, BALL_RED);
        const float a = i * 0.785f;
        b.Line(4 - std::cos(a) * 3, 4 - std::sin(a) * 3, 4 + std::cos(a) * 3, 4 + std::sin(a) * 3, 0.9f,
               0xfff3ead2u);
        Save(b, "gfx\\sprites\\ball" + std::to_string(i + 1) + ".bmp", GRASS);
    }
    Picture shadow(8, 8);
    shadow.Ellipse(4, 4.5f, 3, 2, Rgb(0x173d19));
    Save(shadow, "gfx\\sprites\\ballshadow.bmp", GRASS);
    Picture intact(8, 12);
    for (float x : {1.5f, 4.0f, 6.5f}) intact.Line(x, 3, x, 11.5f, 1.4f, Rgb(0xf2e1b0));
    intact.Line(1, 2, 4, 2, 1, Rgb(0xd9c48c));
    intact.Line(4, 2, 7, 2, 1, Rgb(0xd9c48c));
    Save(intact, "gfx\\sprites\\stumps_intact.bmp", PITCH);
    Picture broken(8, 12);
    broken.Line(1.5f, 11.5f, 0.5f, 5, 1.4f, Rgb(0xf2e1b0));
    broken.Line(4, 11.5f, 4.5f, 4, 1.4f, Rgb(0xf2e1b0));
    broken.Line(6.5f, 11.5f, 7.5f, 5.5f, 1.4f, Rgb(0xf2e1b0));
    broken.Line(0.5f, 1, 2.5f, 2.5f, 1, Rgb(0xd9c48c));
    broken.Line(5, 0.5f, 7.5f, 1.5f, 1, Rgb(0xd9c48c));
    Save(broken, "gfx\\sprites\\stumps_broken.bmp", PITCH);
}

void SmallPictures() {
    Picture bad(16, 16, 0xff303036u);
    bad.Line(3, 3, 13, 13, 2, Rgb(0xd04040));
    bad.Line(13, 3, 3, 13, 2, Rgb(0xd04040));
    Save(bad, "gfx\\bad.bmp");
    Picture bar(480, 36);
    bar.RoundRect(0, 0, 480, 36, 10, Rgb(0x0f1522));
    bar.RoundRect(1, 1, 479, 35, 9, NAVY);
    bar.VerticalGradient(2, 34, WithAlpha(0xffffffffu, 0.10f), WithAlpha(0xffffffffu, 0.0f));
    bar.Rect(14, 2, 466, 3, GOLD);
    Save(bar, "gfx\\sprites\\bottominfobar.bmp", 0xff101010u);
}

}  // namespace

void MakePictures() {
    Background();
    Logo();
    Grounds();
    Flags();
    Pointers();
    GroundSprites();
    SmallPictures();
}

}  // namespace ravel::art
