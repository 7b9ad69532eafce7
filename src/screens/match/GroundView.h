// The two-dimensional ground view on which a ball is played back: sixteen
// figures that glide, arc and bounce over the ground picture while sounds
// play and caption bars rise. One view for the whole run.
#pragma once

#include <cstdint>

#include "match/AnimScript.h"

namespace ravel {

inline constexpr int32_t STUMPS_END1_INTACT = 999;
inline constexpr int32_t STUMPS_END2_INTACT = 998;

// Where the ground picture of the Highlights window stands.
inline constexpr int GROUND_VIEW_X = 218;
inline constexpr int GROUND_VIEW_Y = 118;

struct GroundView {
    int32_t mi_stumpsEnd1 = STUMPS_END1_INTACT;  // or ANIM_STUMPS_END1, broken
    int32_t mi_stumpsEnd2 = STUMPS_END2_INTACT;  // or ANIM_STUMPS_END2
    uint8_t mb_scoreAfter = 0;                   // the score after the ball is shown
    GroundFigure m_figures[GROUND_FIGURES];

    // Fill the engine's sine and cosine tables, mend the stumps and give each
    // figure its id and kind. Init does it once per run unless the done flag
    // is cleared; Reset always.
    void Init();
    void Reset();
    // The figures stand where the script's snapshot puts them.
    void PlaceFigures(const BallAnimScript& script);

    static bool s_initDone;
};

extern GroundView g_groundView;

// Start-up's reset of the view, for the platform's hook.
void ResetGroundView();

// One tick of the current script: events start, figures move, sounds play;
// its clock goes up by one. Nothing without a current script.
void StepFigures();
// The view with the ground picture's top-left corner at (x0, y0), then the
// batting side's score and the caption bars at their fixed places.
void DrawGroundView(int x0, int y0);
// The score the view shows: before the ball until event 211, after it from then.
struct ShownScore {
    int32_t runs;
    int32_t wickets;
};
ShownScore GroundViewScore(const BallAnimScript& script);

}  // namespace ravel
