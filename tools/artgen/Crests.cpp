// Club crests: one shield per club of data/teams.json, in colours and a
// pattern drawn from its name, with its short name on a scroll. The team page
// shows it on the side bar below the menu buttons.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Art.h"

namespace ravel::art {

namespace {

constexpr int CREST_W = 90;
constexpr int CREST_H = 110;

// Club colours: (field, charge) pairs that read well together.
constexpr uint32_t COLOURS[][2] = {
    {0xff7a1f2b, 0xfff0b429}, {0xff16306b, 0xfff6efd9}, {0xff1e6b3a, 0xfff0b429}, {0xff5aa0d8, 0xff16213a},
    {0xffb3202a, 0xfff6efd9}, {0xff202020, 0xffd4a017}, {0xff4b2a6b, 0xfff6efd9}, {0xff2f7d32, 0xffffffff},
    {0xff0f4c5c, 0xffe36414}, {0xfff6efd9, 0xff7a1f2b}, {0xff1f4e8c, 0xffb3202a}, {0xffd4a017, 0xff16213a},
};

enum Pattern { CHEVRON, PALE, BEND, QUARTERS, BARS, SALTIRE, PATTERNS };

uint32_t NameHash(const std::string& name) {
    uint32_t h = 2166136261u;
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    return h;
}

// The shield: straight top, straight sides to two thirds, then curving to a
// point at the bottom.
std::vector<Pt> ShieldOutline(float l, float t, float r, float b) {
    std::vector<Pt> pts{{l, t}, {r, t}};
    const float shoulder = t + (b - t) * 0.55f;
    const float cx = (l + r) / 2;
    pts.push_back({r, shoulder});
    for (int i = 1; i <= 12; ++i) {
        const float a = i / 12.0f * 1.5708f;
        pts.push_back({cx + (r - cx) * std::cos(a), shoulder + (b - shoulder) * std::sin(a)});
    }
    for (int i = 11; i >= 0; --i) {
        const float a = i / 12.0f * 1.5708f;
        pts.push_back({cx - (cx - l) * std::cos(a), shoulder + (b - shoulder) * std::sin(a)});
    }
    return pts;
}

void Charge(Picture& field, Pattern pattern, uint32_t colour) {
    const float w = float(field.W()), h = float(field.H());
    switch (pattern) {
        case CHEVRON:
            field.Polygon({{0, h * 0.78f},
                           {w / 2, h * 0.30f},
                           {w, h * 0.78f},
                           {w, h * 0.98f},
                           {w / 2, h * 0.50f},
                           {0, h * 0.98f}},
                          colour);
            break;
        case PALE:
            field.Rect(w * 0.36f, 0, w * 0.64f, h, colour);
            break;
        case BEND:
            field.Line(-4, -4, w + 4, h + 4, w * 0.26f, colour);
            break;
        case QUARTERS:
            field.Rect(w / 2, 0, w, h / 2, colour);
            field.Rect(0, h / 2, w / 2, h, colour);
            break;
        case BARS:
            for (int i = 0; i < 3; ++i)
                field.Rect(0, h * (0.18f + 0.24f * i), w, h * (0.30f + 0.24f * i), colour);
            break;
        case SALTIRE:
            field.Line(0, 0, w, h, w * 0.16f, colour);
            field.Line(w, 0, 0, h, w * 0.16f, colour);
            break;
        default:
            break;
    }
}

// A cricket ball on a roundel in the middle of the field.
void Roundel(Picture& p, float cx, float cy, uint32_t ring) {
    p.Circle(cx, cy, 15, ring);
    p.Circle(cx, cy, 12.5f, CREAM);
    p.Circle(cx, cy, 9, BALL_RED);
    p.Line(cx - 6.5f, cy - 6.5f, cx + 6.5f, cy + 6.5f, 1.2f, CREAM);
}

Picture Crest(const std::string& name, const std::string& shortName) {
    const uint32_t h = NameHash(name);
    const auto& colours = COLOURS[h % std::size(COLOURS)];
    const Pattern pattern = Pattern((h / 16) % PATTERNS);
    Picture p(CREST_W, CREST_H);
    const std::vector<Pt> rim = ShieldOutline(2, 2, CREST_W - 2, CREST_H - 2);
    p.Polygon(rim, GOLD);
    // The field and its charge are painted apart, then laid into the shield
    // through a mask of its inner outline.
    Picture field(CREST_W, CREST_H, Rgb(colours[0] & 0xffffff));
    Charge(field, pattern, colours[1]);
    field.VerticalGradient(0, CREST_H, WithAlpha(0xffffffffu, 0.16f), WithAlpha(0xff000000u, 0.18f));
    Picture mask(CREST_W, CREST_H);
    mask.Polygon(ShieldOutline(6, 6, CREST_W - 6, CREST_H - 7), 0xffffffffu);
    for (int y = 0; y < CREST_H; ++y) {
        for (int x = 0; x < CREST_W; ++x) {
            const float coverage = float(mask.Canvas().Pixel(x, y) >> 24) / 255.0f;
            if (coverage > 0) p.Blend(x, y, field.Canvas().Pixel(x, y) | 0xff000000u, coverage);
        }
    }
    Roundel(p, CREST_W / 2.0f, CREST_H * 0.46f, GOLD);
    // The scroll with the short name across the lower part.
    p.RoundRect(8, CREST_H * 0.70f, CREST_W - 8, CREST_H * 0.70f + 17, 4, Shade(CREAM, 0.92f));
    p.Text(shortName.c_str(), 15, 800, false, CREST_W / 2.0f, CREST_H * 0.70f, Rgb(0x16213a), 1);
    return p;
}

}  // namespace

void MakeCrests(const std::string& teamsJson) {
    std::ifstream in(teamsJson);
    if (!in) {
        std::fprintf(stderr, "artgen: no club list at %s\n", teamsJson.c_str());
        return;
    }
    const nlohmann::json data = nlohmann::json::parse(in, nullptr, false);
    if (data.is_discarded() || !data.contains("teams")) {
        std::fprintf(stderr, "artgen: %s is not a club list\n", teamsJson.c_str());
        return;
    }
    for (const auto& team : data["teams"]) {
        if (!team.is_array() || team.size() < 3 || !team[1].is_string() || !team[2].is_string()) continue;
        const std::string name = team[1].get<std::string>();
        if (name.empty() || name.find_first_of("\\/") != std::string::npos) continue;
        Save(Crest(name, team[2].get<std::string>()), "gfx\\pics\\teams\\" + name + ".bmp", NAVY_LIGHT);
    }
}

}  // namespace ravel::art
