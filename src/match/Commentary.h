// Commentary lines of a ball: the run-up, each stroke, misses, appeals,
// dismissals and runs. Each group is a short table; the engine picks one
// line of a group at random.
#pragma once

#include <string>

namespace ravel {

// Stroke codes.
enum StrokeCode : int {
    STROKE_LEAVE = 20100,
    STROKE_FORWARD_DEFENCE = 20101,
    STROKE_BACK_DEFENCE = 20102,
    STROKE_STRAIGHT_DRIVE = 20103,
    STROKE_COVER_DRIVE = 20104,
    STROKE_LEG_GLANCE = 20105,
    STROKE_CUT = 20106,
    STROKE_PULL = 20107,
    STROKE_HOOK = 20108,
    STROKE_SWEEP = 20109,
    STROKE_ON_DRIVE = 20111,
    STROKE_OFF_DRIVE = 20112,
};

// Groups of lines. Each holds four lines except where noted; every line has
// at most one %s (the batsman) unless the group says otherwise.
enum CommentaryGroup : int {
    COMM_GOOD,            // by stroke
    COMM_POOR,            // by stroke
    COMM_POOR_TO_BOWLER,  // straight drive only
    COMM_POOR_FINE,       // cut only
};

// A random line of a stroke's group; nullptr when the stroke has none.
const char* StrokeLine(int stroke, CommentaryGroup group);
// The line at an index of a stroke's group (tests and tools).
const char* StrokeLineAt(int stroke, CommentaryGroup group, int index);
inline constexpr int STROKE_LINES = 4;

// Run-up lines and the warnings after a bowler's third no ball or wide.
inline constexpr const char* RUNUP_TO_STRIKER = "%s runs in to bowl to %s";
inline constexpr const char* RUNUP_ON_HIS_WAY = "%s on his way in";
inline constexpr const char* RUNUP_RUNS_IN = "%s runs in";
inline constexpr const char* RUNUP_FROM_END = "%s runs in from the %s";
// The warning after a bowler's n-th no ball (or wide) of the innings; ""
// below the third and after the fourteenth.
std::string ExtrasWarning(int count, bool wide);

// Fixed lines of the shot.
const char* MissLine();    // "%s plays and misses" and the like
const char* BowledLine();  // after "OUT! Bowled"
const char* LbwAppealLine();
const char* LbwRefusedLine(int length, int movement);  // reason the umpire says not out
inline constexpr const char* BOWLED_TEXT = "OUT! Bowled";
inline constexpr const char* LBW_GIVEN_TEXT = "OUT! It's been given!";
inline constexpr const char* LBW_NOT_OUT_TEXT = "The umpire says not out!";

// Lines of the fielding: runs, boundaries, catches, run outs, stumpings.
const char* FourLine();
const char* SixLine();
const char* RunsLine(int runs);  // "%s" the batsman, 1 to 3 runs
const char* DotLine();
const char* CaughtLine();   // "%s" the fielder
const char* DroppedLine();  // "%s" the fielder
const char* RunOutLine();   // "%s" the batsman out
const char* StumpedLine();  // "%s" the batsman out
const char* ByesLine();
const char* EdgeLine();  // "%s" the batsman

}  // namespace ravel
