// The numbered tiles and icons: ball wear, pitch, outcomes, roles, deliveries,
// shots, form, weather, bounce and turn.
#include <cmath>
#include <string>

#include "Art.h"

namespace ravel::art {

namespace {

void Ball(Picture& p, float cx, float cy, float r, uint32_t colour, float wear) {
    p.Circle(cx, cy, r + 0.8f, Shade(colour, 0.45f));
    p.Circle(cx, cy, r, colour);
    p.Circle(cx - r * 0.35f, cy - r * 0.35f, r * 0.45f, WithAlpha(0xffffffffu, 0.22f * (1 - wear)));
    p.Line(cx - r * 0.9f, cy + r * 0.25f, cx + r * 0.9f, cy - r * 0.25f, std::max(1.0f, r * 0.14f),
           Mix(0xfff3ead2u, 0xffb8a888u, wear));
    // Scuffs grow with age.
    for (int i = 0; i < int(wear * 14); ++i) {
        const float a = Hash(i, 1, 77) * 6.283f, d = Hash(i, 2, 77) * r * 0.8f;
        p.Circle(cx + std::cos(a) * d, cy + std::sin(a) * d, 0.6f + Hash(i, 3, 77) * 1.2f,
                 WithAlpha(0xffd9c9a0u, 0.5f));
    }
}

void BallWear() {
    const char* names[] = {"new", "newish", "ave", "oldish", "old", "dead"};
    for (int i = 0; i < 6; ++i) {
        Picture p(32, 32);
        const float wear = i / 5.0f;
        Ball(p, 16, 16, 12, Mix(Rgb(0xc8141e), Rgb(0x6e4a3c), wear), wear);
        Save(p, std::string("gfx\\tiles\\ball\\BALL-") + names[i] + ".bmp");
    }
}

void PitchGreens() {
    for (int n = 0; n <= 10; ++n) {
        Picture p(32, 32);
        const float green = n / 10.0f;
        p.RoundRect(1, 1, 31, 31, 4, Mix(Rgb(0xcdb27a), Rgb(0x5e9c3c), green));
        for (int i = 0; i < 26 + n * 8; ++i) {
            const float x = 3 + Hash(i, n, 5) * 26, y = 3 + Hash(i, n, 6) * 26;
            p.Line(x, y, x + (Hash(i, n, 7) - 0.5f) * 2, y - 2.5f, 0.8f,
                   WithAlpha(Mix(Rgb(0xb59a62), Rgb(0x3f7f2a), green), 0.8f));
        }
        // Dry pitches crack.
        if (n < 4)
            for (int c = 0; c < 4 - n; ++c) {
                const float y = 7 + c * 6.5f;
                p.Polyline({{4, y}, {11, y + 2}, {18, y - 1}, {27, y + 1.5f}}, 0.8f, Rgb(0x7a5f36));
            }
        p.Rect(3, 9, 29, 9.8f, 0xfff8f8f0u);
        p.Rect(3, 22.2f, 29, 23, 0xfff8f8f0u);
        Save(p, "gfx\\tiles\\pitch\\Green" + std::to_string(n) + ".bmp");
    }
}

// A rounded badge with a short text, for outcomes.
Picture Badge(const char* text, uint32_t colour, uint32_t ink = 0xffffffffu) {
    Picture p(20, 20);
    p.RoundRect(0.5f, 0.5f, 19.5f, 19.5f, 4, Shade(colour, 0.55f));
    p.RoundRect(1.5f, 1.5f, 18.5f, 18.5f, 3.5f, colour);
    p.RoundRect(2, 2, 18, 9, 3, WithAlpha(0xffffffffu, 0.15f));
    int height = 15;
    while (height > 9 && p.TextWidth(text, height, 700, false) > 17) --height;
    p.Text(text, height, 700, false, 10, (20 - FontOf(height, 700, false).LineHeight()) / 2.0f, ink);
    return p;
}

void Outcomes() {
    const uint32_t runs[] = {Rgb(0x4a4f5a), Rgb(0x2f6fb0), Rgb(0x2f6fb0), Rgb(0x2f6fb0),
                             Rgb(0x1f9a4a), Rgb(0x2f6fb0), Rgb(0x8a3fc0)};
    for (int r = 0; r <= 6; ++r) {
        const std::string text = r == 0 ? "\x95" : std::to_string(r);  // a dot ball is a dot
        Save(Badge(text.c_str(), runs[r]), "gfx\\tiles\\outcomes\\RUN" + std::to_string(r) + ".bmp");
    }
    struct Extra {
        const char* file;
        const char* text;
        uint32_t colour;
    } extras[] = {{"runnb", "nb", Rgb(0xe07b1a)},   {"runwlbw", "lbw", Rgb(0xc62828)},
                  {"runwb", "b", Rgb(0xc62828)},    {"runwct", "ct", Rgb(0xc62828)},
                  {"runwide", "wd", Rgb(0xe07b1a)}, {"runbye", "by", Rgb(0x8d7b3a)},
                  {"runst", "st", Rgb(0xc62828)},   {"runruno", "ro", Rgb(0xc62828)}};
    for (const Extra& e : extras)
        Save(Badge(e.text, e.colour), std::string("gfx\\tiles\\outcomes\\") + e.file + ".bmp");
}

// ---- Roles -------------------------------------------------------------------

void Bat(Picture& p, float x0, float y0, float x1, float y1, float width) {
    // Handle from (x0, y0) towards the blade ending at (x1, y1).
    const float hx = x0 + (x1 - x0) * 0.32f, hy = y0 + (y1 - y0) * 0.32f;
    p.Line(x0, y0, hx, hy, width * 0.45f, Rgb(0x2b2b30));
    p.Line(hx, hy, x1, y1, width, WILLOW);
    p.Line(hx, hy, x1, y1, width * 0.35f, Rgb(0xf4e4b8));
}

void Gloves(Picture& p, float cx, float cy) {
    p.RoundRect(cx - 7, cy - 4, cx - 1, cy + 6, 2.5f, Rgb(0xf08a24));
    p.RoundRect(cx + 1, cy - 4, cx + 7, cy + 6, 2.5f, Rgb(0xf08a24));
    p.Rect(cx - 6, cy + 2, cx - 2, cy + 3, Rgb(0xffffff));
    p.Rect(cx + 2, cy + 2, cx + 6, cy + 3, Rgb(0xffffff));
}

// The opening mark: a gold corner tag with "O".
void OpenerMark(Picture& p) {
    p.Circle(15.5f, 4.5f, 4.2f, GOLD);
    p.Text("O", 9, 800, false, 15.5f, 0.5f, NAVY);
}

void Roles() {
    Picture bowl(20, 20);
    Ball(bowl, 10, 10, 7, BALL_RED, 0);
    Save(bowl, "gfx\\sprites\\icon_ball.bmp");
    Picture bat(20, 20);
    Bat(bat, 4, 3, 15, 17, 4.5f);
    Save(bat, "gfx\\sprites\\icon_bat.bmp");
    Picture ar(20, 20);
    Bat(ar, 3, 2, 12, 15, 4);
    Ball(ar, 14, 14, 4.5f, BALL_RED, 0);
    Save(ar, "gfx\\sprites\\icon_ar.bmp");
    Picture wk(20, 20);
    Gloves(wk, 10, 9);
    Save(wk, "gfx\\sprites\\icon_wk.bmp");

    Picture batO = bat, ballO = bowl, arO = ar, wkO = wk;
    for (Picture* p : {&batO, &ballO, &arO, &wkO}) OpenerMark(*p);
    Save(batO, "gfx\\sprites\\icon_bat_o.bmp");
    Save(ballO, "gfx\\sprites\\icon_ballop.bmp");
    Save(arO, "gfx\\sprites\\icon_arop.bmp");
    Save(wkO, "gfx\\sprites\\icon_wkop.bmp");

    // International duty: a cap with a star; the world: a globe.
    Picture cap(20, 20);
    cap.Ellipse(10, 11, 7.5f, 6, Rgb(0x3f86d6));
    cap.Ellipse(13, 15, 6.5f, 2.2f, Rgb(0x2a64a8));
    cap.Ellipse(8, 7.5f, 3.5f, 2, WithAlpha(0xffffffffu, 0.25f));
    cap.Circle(9, 10, 2.4f, GOLD);
    Save(cap, "gfx\\sprites\\icon_int.bmp");
    Picture globe(20, 20);
    globe.Circle(10, 10, 8, Rgb(0x2a7fc4));
    globe.Ellipse(7, 8, 3.5f, 2.5f, Rgb(0x4caf50));
    globe.Ellipse(13, 13, 3, 2.5f, Rgb(0x4caf50));
    globe.Ring(10, 10, 8, 1, Rgb(0xbfe3ff));
    globe.Line(2, 10, 18, 10, 0.7f, WithAlpha(0xffffffffu, 0.5f));
    Save(globe, "gfx\\sprites\\icon_world.bmp");
    Picture injury(20, 20);
    injury.RoundRect(1.5f, 1.5f, 18.5f, 18.5f, 4, 0xffffffffu);
    injury.Rect(8, 4, 12, 16, Rgb(0xd32f2f));
    injury.Rect(4, 8, 16, 12, Rgb(0xd32f2f));
    Save(injury, "gfx\\sprites\\icon_inj.bmp");
    // A free fielding position: a dashed ring.
    Picture free(16, 16);
    for (int i = 0; i < 8; ++i) {
        const float a = i * 0.785f;
        free.Line(8 + std::cos(a) * 6, 8 + std::sin(a) * 6, 8 + std::cos(a + 0.45f) * 6,
                  8 + std::sin(a + 0.45f) * 6, 1.6f, 0xffffffffu);
    }
    free.Circle(8, 8, 1.5f, 0xffffffffu);
    Save(free, "gfx\\sprites\\noplayer.bmp", GRASS);
}

// ---- Deliveries and shots ------------------------------------------------------

// A strip seen from the bowler's end: stumps at the top.
Picture Strip() {
    Picture p(24, 24);
    p.RoundRect(6, 0.5f, 18, 23.5f, 2, PITCH);
    p.Rect(6, 3.5f, 18, 4.3f, 0xfff8f8f0u);
    for (float x : {10.5f, 12.0f, 13.5f}) p.Line(x, 0.5f, x, 3, 0.9f, Rgb(0x5a3d1a));
    return p;
}

void Lengths() {
    struct L {
        const char* file;
        float y;
    } lengths[] = {{"btlen_gl", 10.5f}, {"btlen_sh", 16}, {"btlen_yo", 5}, {"btlen_bo", 20.5f}};
    for (const L& l : lengths) {
        Picture p = Strip();
        p.Rect(6, l.y - 2.5f, 18, l.y + 2.5f, WithAlpha(GOLD, 0.45f));
        p.Circle(12, l.y, 2.6f, BALL_RED);
        Save(p, std::string("gfx\\tiles\\balltypesl\\") + l.file + ".bmp");
    }
}

// A ball's path from the bottom (the bowler) to the top (the batsman):
// `swing` bends it in the air, `cut` turns it after the bounce at y 9.
Picture Movement(float swing, float cut, uint32_t colour, bool dotted) {
    Picture p(24, 24);
    std::vector<Pt> path;
    for (int i = 0; i <= 14; ++i) {
        const float t = i / 14.0f;
        path.push_back({12 + swing * std::sin(t * 3.1416f * 0.5f) * t, 22 - t * 13});
    }
    const Pt bounce = path.back();
    path.push_back({bounce.x + cut, 3});
    if (dotted) {
        for (size_t i = 0; i + 1 < path.size(); i += 2)
            p.Line(path[i].x, path[i].y, path[i + 1].x, path[i + 1].y, 2, colour);
    } else {
        p.Polyline(path, 2, colour);
    }
    p.ArrowHead({bounce.x + cut * 1.08f, 2}, cut, -6, 5, colour);
    p.Circle(bounce.x, bounce.y, 1.8f, 0xffffffffu);
    return p;
}

void Movements() {
    const uint32_t pace = Rgb(0xff9f30), spin = Rgb(0x4fc3f7);
    struct M {
        const char* file;
        float swing, cut;
        uint32_t colour;
        bool dotted;
    } moves[] = {
        {"btmov_st", 0, 0, pace, false},       {"btmov_in", -7, -1, pace, false},
        {"btmov_out", 7, 1, pace, false},      {"btmov_offcut", 0, -6, pace, false},
        {"btmov_legcut", 0, 6, pace, false},   {"btmov_slow", 0, 0, pace, true},
        {"btmov_offb", 1.5f, -7, spin, false}, {"btmov_legb", -1.5f, 7, spin, false},
        {"btmov_stra", 0, 0, spin, false},     {"btmov_wro", -1.5f, -7, spin, true},
        {"btmov_spe", 0, 0, spin, true},
    };
    for (const M& m : moves)
        Save(Movement(m.swing, m.cut, m.colour, m.dotted),
             std::string("gfx\\tiles\\balltypesm\\") + m.file + ".bmp");
}

void Shots() {
    // The batsman stands at the centre facing up (the bowler); the arrow
    // shows where the ball goes, for a right-hander (off side to the right).
    struct S {
        const char* file;
        float angle;  // degrees from straight down the ground, clockwise
        bool lofted;
    } shots[] = {{"SHOT_DRIVE", 15, false},   {"shot_hook", -120, true},   {"shot_pull", -90, false},
                 {"shot_cut", 95, false},     {"shot_sweep", -135, false}, {"shot_legglance", -160, false},
                 {"shot_ondrive", -20, false}};
    for (const S& s : shots) {
        Picture p(24, 24);
        p.Circle(12, 12, 11, Rgb(0x2f7d32));
        p.Ring(12, 12, 10.5f, 1, WithAlpha(0xffffffffu, 0.5f));
        p.Rect(10.5f, 8, 13.5f, 16, PITCH);
        const float a = s.angle * 3.1416f / 180;
        const float dx = std::sin(a), dy = -std::cos(a);
        const uint32_t c = s.lofted ? GOLD : 0xffffffffu;
        p.Line(12, 13, 12 + dx * 8, 13 + dy * 8, 1.8f, c);
        p.ArrowHead({12 + dx * 10.5f, 13 + dy * 10.5f}, dx, dy, 4.5f, c);
        p.Circle(12, 13, 2, BALL_RED);
        Save(p, std::string("gfx\\tiles\\shots\\") + s.file + ".bmp");
    }
}

// ---- Form ------------------------------------------------------------------------

void Form() {
    const char* names[] = {"up3", "up2", "up1", "norm", "down1", "down2", "down3"};
    for (int kind = 0; kind < 2; ++kind)
        for (int i = 0; i < 7; ++i) {
            Picture p(20, 20);
            if (kind == 0)
                Bat(p, 2, 2, 8, 17, 3.2f);
            else
                Ball(p, 5.5f, 13.5f, 4.2f, BALL_RED, 0);
            const int level = 3 - i;  // 3 .. -3
            if (level == 0) {
                p.RoundRect(11, 8.5f, 19, 11.5f, 1.2f, Rgb(0xb8bcc6));
            }
            for (int k = 0; k < std::abs(level); ++k) {
                const bool up = level > 0;
                const float y = up ? 14.5f - k * 5.5f : 5.5f + k * 5.5f;
                const uint32_t c = up ? Rgb(0x3ecf4a) : Rgb(0xe5483b);
                if (up)
                    p.Polyline({{11, y + 2.5f}, {15, y - 1.5f}, {19, y + 2.5f}}, 2, c);
                else
                    p.Polyline({{11, y - 2.5f}, {15, y + 1.5f}, {19, y - 2.5f}}, 2, c);
            }
            Save(p, std::string("gfx\\tiles\\form\\") + (kind == 0 ? "bat_" : "bowl_") + names[i] + ".bmp");
        }
}

// ---- Weather -------------------------------------------------------------------

void Sun(Picture& p, float cx, float cy, float r, uint32_t colour, float rays) {
    for (int i = 0; i < 8; ++i) {
        const float a = i * 0.785f;
        p.Line(cx + std::cos(a) * r * 1.25f, cy + std::sin(a) * r * 1.25f, cx + std::cos(a) * r * rays,
               cy + std::sin(a) * r * rays, r * 0.22f, colour);
    }
    p.Circle(cx, cy, r, colour);
    p.Circle(cx - r * 0.25f, cy - r * 0.25f, r * 0.55f, WithAlpha(0xffffffffu, 0.25f));
}

void Cloud(Picture& p, float cx, float cy, float s, uint32_t colour) {
    p.Circle(cx - s * 0.45f, cy + s * 0.1f, s * 0.42f, colour);
    p.Circle(cx + s * 0.05f, cy - s * 0.18f, s * 0.55f, colour);
    p.Circle(cx + s * 0.55f, cy + s * 0.12f, s * 0.38f, colour);
    p.RoundRect(cx - s * 0.85f, cy + s * 0.05f, cx + s * 0.92f, cy + s * 0.52f, s * 0.25f, colour);
}

void RainDrops(Picture& p, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < 4; ++k) {
            const float x = 10 + k * 7 + r * 2.0f, y = 27 + r * 4.5f;
            p.Line(x, y, x - 2, y + 3.5f, 1.8f, Rgb(0x4fa3e8));
        }
}

Picture Weather(int kind, int size) {
    // Drawn at 40 x 40 and scaled for the small set.
    Picture p(40, 40);
    const uint32_t sun = Rgb(0xffc62e), white = Rgb(0xf2f4f7), grey = Rgb(0xa7afbd), dark = Rgb(0x6c7587);
    switch (kind) {
        case 0:  // very cloudy
            Cloud(p, 15, 15, 12, grey);
            Cloud(p, 22, 23, 15, dark);
            break;
        case 1:  // overcast
            Cloud(p, 20, 20, 16, grey);
            break;
        case 2:  // moderate: sun behind a cloud
            Sun(p, 14, 14, 7, sun, 1.75f);
            Cloud(p, 23, 24, 13, white);
            break;
        case 3:  // sunny
            Sun(p, 20, 20, 9, sun, 1.8f);
            break;
        case 4:  // hot
            Sun(p, 20, 18, 10, Rgb(0xff8a1f), 1.7f);
            for (int i = 0; i < 3; ++i) {
                std::vector<Pt> wave;
                for (int k = 0; k <= 12; ++k)
                    wave.push_back({8.0f + k * 2, 33.0f + i * 2.5f + std::sin(k * 1.3f) * 1.1f});
                if (i == 1) wave.resize(10);
                p.Polyline(wave, 1.1f, WithAlpha(Rgb(0xffb36b), 0.9f));
            }
            break;
        case 5:  // tropical: a warm downpour, the forecast's rain
            Sun(p, 12, 11, 7, sun, 1.7f);
            RainDrops(p, 2);
            Cloud(p, 22, 16, 13, grey);
            break;
        default:  // rain: light, moderate, heavy
            Cloud(p, 20, 14, 14, kind == 8 ? dark : grey);
            RainDrops(p, kind - 5);
            break;
    }
    return size == 40 ? p : p.Scaled(size, size);
}

void WeatherIcons() {
    const char* names[] = {"1-VCLOUDY",  "2-OVERCAST", "3-MODERATE", "4-SUNNY",   "5-HOT",
                           "6-TROPICAL", "RAIN_LIGHT", "RAIN_MID",   "RAIN_HEAVY"};
    for (int k = 0; k < 9; ++k) {
        Save(Weather(k, 40), std::string("gfx\\tiles\\weather\\norm\\") + names[k] + ".bmp");
        Save(Weather(k, 16), std::string("gfx\\tiles\\weather\\small\\") + names[k] + ".bmp");
    }
}

// ---- Pitch behaviour -----------------------------------------------------------------

void BounceAndTurn() {
    // Bounce 1..5: a ball's path rising higher after pitching.
    for (int n = 1; n <= 5; ++n) {
        Picture p(32, 32);
        p.Rect(1, 26, 31, 29, PITCH);
        const float peak = 4.0f * n;
        std::vector<Pt> path;
        for (int i = 0; i <= 20; ++i) {
            const float x = 2 + i * 1.4f;
            const float y = x < 12 ? 6 + (x - 2) * 2 : 26 - peak * std::sin((x - 12) / 18 * 1.5708f);
            path.push_back({x, y});
        }
        p.Polyline(path, 1.6f, 0xffffffffu);
        p.Circle(path.back().x, path.back().y, 2.6f, BALL_RED);
        Save(p, "gfx\\tiles\\bounce\\pitchsurface_" + std::to_string(n) + ".bmp");
    }
    // Turn: tile 128 (turn5.bmp) is the least turn, tile 132 (turn1.bmp) the most.
    for (int n = 1; n <= 5; ++n) {
        const float turn = (6 - n) * 2.6f - 2.6f;
        Picture p(32, 32);
        p.RoundRect(9, 1, 23, 31, 2, PITCH);
        p.Polyline({{16, 30}, {16, 15}, {16 + turn, 4}}, 1.8f, 0xffffffffu);
        p.ArrowHead({16 + turn * 1.1f, 2.5f}, turn, -11, 4.5f, 0xffffffffu);
        p.Circle(16, 15, 2.2f, BALL_RED);
        Save(p, "gfx\\tiles\\turn\\turn" + std::to_string(n) + ".bmp");
    }
}

}  // namespace

void MakeTiles() {
    BallWear();
    PitchGreens();
    Outcomes();
    Roles();
    Lengths();
    Movements();
    Shots();
    Form();
    WeatherIcons();
    BounceAndTurn();
}

}  // namespace ravel::art
