// A bowler's tactics in the live match view: the bowl plan editor and the
// field editor with their actions (TacticsEditors.cpp) and drawing
// (TacticsDraw.cpp), and the player statistics window's drawing
// (PlayerWindowDraw.cpp). The editing itself is match/Tactics.h.
#pragma once

#include <cstdint>

namespace ravel {

struct BowlPlan;

inline constexpr int SUMMARY_BALLS = 4;  // balls side by side in a plan's summary

// Who the player window is about (MatchView().mv_statsRole).
enum StatsRole : int32_t {
    ROLE_BATSMAN1 = 501,
    ROLE_BATSMAN2 = 502,
    ROLE_OTHER_BATSMAN = 503,
    ROLE_BOWLER1 = 504,
    ROLE_BOWLER2 = 505,
    ROLE_OTHER_BOWLER = 506,
};

// Opens the plan editor on the plan a bowler slot of the bowling side bowls
// to batsman 0 or 1 at the crease; from the player window it returns there.
void OpenPlanEditor(int32_t innings, int32_t bowlerSlot, int batsman, bool fromStats);
// Update's share while an editor is open.
void ServePlanEditor();
void ServeFieldEditor();
// The first ball shown in the plan editor's list.
int PlanListTop();
// The player window's plan controls steer the shown bowler only while the
// user's side bowls with him this innings.
bool PlayerWindowSteersPlans();

// Draw callbacks of the two editors and the player window.
void DrawFieldEditor();
void DrawPlanEditor();
void DrawPlayerWindow();
// The small ground with a dot per fielder of the field with that id (the
// first field when none has it), top left at (x, y).
void DrawFieldDiagram(int32_t fieldId, int x, int y);
// Up to four balls of a plan side by side from ball `first`, pulled back so
// that four show when the plan has them.
void DrawBowlPlanSummary(const BowlPlan& plan, int x, int y, int first);
int SummaryFirstBall(int balls, int first);

}  // namespace ravel
