#include "screens/match/GroundView.h"

#include <cmath>

#include "screens/match/Highlights.h"
#include "shell/platform/Sound.h"

namespace ravel {

GroundView g_groundView;
bool GroundView::s_initDone = false;

namespace {

constexpr GroundFigureKind KINDS[GROUND_FIGURES] = {
    FIGKIND_BALL,    FIGKIND_STRIKER, FIGKIND_NON_STRIKER,   FIGKIND_BOWLER,
    FIGKIND_KEEPER,  FIGKIND_FIELDER, FIGKIND_FIELDER,       FIGKIND_FIELDER,
    FIGKIND_FIELDER, FIGKIND_FIELDER, FIGKIND_FIELDER,       FIGKIND_FIELDER,
    FIGKIND_FIELDER, FIGKIND_FIELDER, FIGKIND_UMPIRE_BOWLER, FIGKIND_UMPIRE_SQUARE};

constexpr double PI = 3.14159265358979323846;
constexpr double ARC_FLAT_AFTER = 95.0;  // per cent of a move: the arc has come down
constexpr float BOUNCE_KEEP = 0.3f;      // of the speed kept at each landing
constexpr float BOUNCE_GRAVITY = 0.3f;
constexpr int FRAME_PERIOD = 8;  // ticks; the frame moves on in the first two of each
constexpr int FRAME_MOVES = 2;
constexpr int FRAMES = 4;

constexpr float UNSET = -1.0f;  // a move's end that is where the figure stands

bool IsFigure(int32_t target) {
    return target >= 0 && target < GROUND_FIGURES;
}

void StartMove(AnimEvent& e, GroundFigure& figure) {
    e.mb_active = 1;
    figure.mf_height = 0.0f;
    figure.mi_pose = static_cast<int32_t>(e.mi_pose);
    const float x = std::trunc(figure.mf_x);
    const float y = std::trunc(figure.mf_y);
    if (e.mf_fromX == UNSET) e.mf_fromX = x;
    if (e.mf_fromY == UNSET) e.mf_fromY = y;
    if (e.mf_toX == UNSET) e.mf_toX = x;
    if (e.mf_toY == UNSET) e.mf_toY = y;
}

// What an event does on its start tick.
void StartEvent(AnimEvent& e, GroundView& view) {
    const int32_t target = e.mi_target;
    if (target >= ANIM_SOUND_FIRST && target <= ANIM_SOUND_LAST) {
        PlaySoundForEvent(target);
    } else if (target == ANIM_SCORE_AFTER) {
        view.mb_scoreAfter = 1;
    } else if (target == ANIM_STUMPS_END1) {
        view.mi_stumpsEnd1 = ANIM_STUMPS_END1;
    } else if (target == ANIM_STUMPS_END2) {
        view.mi_stumpsEnd2 = ANIM_STUMPS_END2;
    } else if (IsFigure(target)) {
        StartMove(e, view.m_figures[target]);
    }
    // Captions are drawn from their start on; other codes do nothing.
}

float Along(float from, float to, int span, int done) {
    if (from == to) return to;
    return static_cast<float>(from + static_cast<double>(to - from) / span * done);
}

void Glide(const AnimEvent& e, GroundFigure& figure, int32_t t) {
    const int span = e.mi_end - e.mi_start;
    if (span <= 0) {
        // A move with no length (a file may hold one) ends where it is going.
        figure.mf_x = e.mf_toX;
        figure.mf_y = e.mf_toY;
        figure.mf_height = 0.0f;
        return;
    }
    const int done = t - e.mi_start;
    if (e.mf_arc > 0.0f) {
        const double percent = 100.0 / span * done;
        const double height = percent > ARC_FLAT_AFTER ? 0.0 : std::sin(percent * PI / 100.0) * e.mf_arc;
        figure.mf_height = static_cast<float>(height);
    }
    figure.mf_x = Along(e.mf_fromX, e.mf_toX, span, done);
    figure.mf_y = Along(e.mf_fromY, e.mf_toY, span, done);
}

// The height is worked out afresh from the start of the bounce; the figure
// leaves the picture while it bounces.
void Bounce(const AnimEvent& e, GroundFigure& figure, int32_t t) {
    float height = 0.0f;
    float velocity = e.mf_bounceVelocity;
    for (int i = e.mi_start; i < t; ++i) {
        if (height < 0.0f) velocity = -(velocity * BOUNCE_KEEP);
        velocity -= BOUNCE_GRAVITY;
        height += velocity;
    }
    figure.mf_height = height;
    figure.mf_x = 0.0f;
    figure.mf_y = 0.0f;
}

}  // namespace

void GroundView::Reset() {
    FillTrigTables();
    mi_stumpsEnd1 = STUMPS_END1_INTACT;
    mi_stumpsEnd2 = STUMPS_END2_INTACT;
    for (int f = 0; f < GROUND_FIGURES; ++f) {
        m_figures[f].mi_id = f;
        m_figures[f].mi_kind = KINDS[f];
    }
}

void GroundView::Init() {
    if (s_initDone) return;
    s_initDone = true;
    Reset();
}

void GroundView::PlaceFigures(const BallAnimScript& script) {
    for (int f = 0; f < GROUND_FIGURES; ++f) {
        const GroundFigure& from = script.m_figures[f];
        GroundFigure& figure = m_figures[f];
        figure.mi_player = from.mi_player;
        figure.mi_fieldPos = from.mi_fieldPos;
        figure.mf_x = from.mf_x;
        figure.mf_y = from.mf_y;
        figure.mf_height = 0.0f;
        figure.mi_pose = 0;
        figure.mi_frame = 0;
    }
}

void ResetGroundView() {
    g_groundView.Reset();
}

void StepFigures() {
    BallAnimScript* script = CurrentScript();
    if (!script) return;
    GroundView& view = g_groundView;
    const int32_t t = script->mi_clock;
    for (AnimEvent& e : script->mv_events) {
        if (e.mb_disabled) continue;
        const bool figure = IsFigure(e.mi_target);
        if (e.mb_active && t >= e.mi_end) {
            e.mb_active = 0;
            if (figure) view.m_figures[e.mi_target].mi_pose = 0;
        }
        // An event whose start has passed is never started later.
        if (e.mi_start == t) StartEvent(e, view);
        if (!e.mb_active || !figure) continue;
        GroundFigure& f = view.m_figures[e.mi_target];
        if (t % FRAME_PERIOD < FRAME_MOVES && ++f.mi_frame >= FRAMES) f.mi_frame = 0;
        if (e.mb_moveType == MOVE_BOUNCE)
            Bounce(e, f, t);
        else
            Glide(e, f, t);
    }
    ++script->mi_clock;
}

ShownScore GroundViewScore(const BallAnimScript& script) {
    if (g_groundView.mb_scoreAfter) return {script.mi_total, script.mi_wickets};
    return {script.mi_total - script.mi_runs, script.mi_wickets - (script.mb_wicket ? 1 : 0)};
}

}  // namespace ravel
