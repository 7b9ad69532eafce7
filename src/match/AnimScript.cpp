#include "match/AnimScript.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ravel {

double g_sinDegrees[361];
double g_cosDegrees[361];

void FillTrigTables() {
    constexpr double DEG_TO_RAD = 0.017453292519943295;
    for (int d = 0; d <= 360; ++d) {
        double a = d;
        while (a > 180.0) a -= 360.0;
        g_sinDegrees[d] = std::sin(a * DEG_TO_RAD);
        g_cosDegrees[d] = std::cos(a * DEG_TO_RAD);
    }
}

namespace {
// The tables are ready before main, so headless runs never read zeros.
struct TrigTablesAtLoad {
    TrigTablesAtLoad() { FillTrigTables(); }
} s_trigAtLoad;
}  // namespace

int BearingTo(GroundPoint from, GroundPoint to) {
    double dx = from.x - to.x;
    double dy = to.y - from.y;
    if (dx == 0.0 && dy == 0.0) return 0;
    return WholeDegrees(std::atan2(dx, dy) * 57.29577951308232);
}

void AnimEvent::SetCaption(const char* text) {
    std::strncpy(mc_caption, text ? text : "", ANIM_CAPTION_LENGTH);
    mc_caption[ANIM_CAPTION_LENGTH] = '\0';
}

void BallAnimScript::Clear() {
    *this = BallAnimScript();
}

void BallAnimScript::SetLength() {
    mi_clock = -1;
    int last = 0;
    for (const AnimEvent& e : mv_events) {
        if (!e.mb_disabled) last = std::max(last, e.mi_end);
    }
    mi_length = last + 150;
    if (mb_celebration == 1 || mb_wicket == 1 || mi_runs >= 4) mi_length += 300;
}

AnimEvent& BallAnimScript::AddMove(int figure, int start, int end, float fromX, float fromY, float toX,
                                   float toY, float arc, uint32_t pose) {
    AnimEvent& e = mv_events.emplace_back();
    e.mi_target = figure;
    e.mi_start = start;
    e.mi_end = std::max(end, start + 1);  // a move always lasts at least one tick
    e.mf_fromX = fromX;
    e.mf_fromY = fromY;
    e.mf_toX = toX;
    e.mf_toY = toY;
    e.mf_arc = arc;
    e.mi_pose = pose;
    return e;
}

AnimEvent& BallAnimScript::AddCaption(int start, int end, uint32_t colour, const char* text) {
    AnimEvent& e = mv_events.emplace_back();
    e.mi_target = ANIM_CAPTION;
    e.mi_start = start;
    e.mi_end = end;
    e.mi_pose = colour;
    e.SetCaption(text);
    return e;
}

AnimEvent& BallAnimScript::AddMarker(int target, int tick) {
    AnimEvent& e = mv_events.emplace_back();
    e.mi_target = target;
    e.mi_start = tick;
    e.mi_end = tick;
    return e;
}

}  // namespace ravel
