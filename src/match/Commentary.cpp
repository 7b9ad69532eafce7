#include "match/Commentary.h"

#include <cstdio>

#include "world/Random.h"
#include "world/Text.h"

namespace ravel {

namespace {

struct StrokeLines {
    int stroke;
    const char* good[STROKE_LINES];
    const char* poor[STROKE_LINES];
};

const StrokeLines STROKE_TABLE[] = {
    {STROKE_LEAVE,
     {"%s leaves it", "%s leaves the ball alone", "%s plays no shot", "%s lets the ball pass"},
     {"%s leaves it", "%s leaves the ball alone", "%s plays no shot", "%s lets the ball pass"}},
    {STROKE_FORWARD_DEFENCE,
     {"%s is forward, plays a defensive shot", "%s plays a defensive shot", "%s is on the defence",
      "%s is onto the front foot"},
     {"%s is forward, plays a defensive shot", "%s plays a defensive shot", "%s is on the defence",
      "%s is onto the front foot"}},
    {STROKE_BACK_DEFENCE,
     {"%s is back on the defence", "%s plays a back foot defensive shot", "%s is on the defence",
      "%s is onto the back foot"},
     {"%s is back on the defence", "%s plays a back foot defensive shot", "%s is on the defence",
      "%s is onto the back foot"}},
    {STROKE_STRAIGHT_DRIVE,
     {"%s drives the ball down the ground", "Straight drive by %s", "Driven down the ground by %s",
      "%s hits the ball straight back down the wicket"},
     {"%s hits down the ground, ", "%s swings the bat, not a good shot",
      "%s drives down the ground, didn't get hold of it", "Mishit straight drive by %s"}},
    {STROKE_COVER_DRIVE,
     {"%s strokes the ball through the covers", "Cover drive by %s", "Driven through the covers by %s",
      "%s attempts a cover drive"},
     {"%s hits an unimpressive cover drive", "%s swings the bat, not a good shot",
      "%s drives towards the covers, didn't get hold of it", "Mishit cover drive by %s"}},
    {STROKE_ON_DRIVE,
     {"%s strokes the ball through the leg side", "On drive by %s", "Driven through the leg side by %s",
      "%s attempts an on drive"},
     {"%s drives but doesnt get hold of it", "%s drives, didn't get good contact",
      "%s tries to drive the ball, not a great shot", "Mishit on drive by %s"}},
    {STROKE_OFF_DRIVE,
     {"%s plays an off drive", "Off drive by %s", "Driven through the off side by %s",
      "%s attempts an off drive"},
     {"%s drives but doesnt get hold of it", "%s drives, didn't hit it cleanly",
      "%s tries to drive the ball, miss cue!", "Mishit off drive by %s"}},
    {STROKE_CUT,
     {"%s cuts the ball", "%s cuts", "%s plays the ball onto the off side", "%s plays the cut"},
     {"%s completely miss cues!", "%s swings and gets an upper edge", "%s cuts but its gone high!",
      "Mis-timed cut shot by %s!"}},
    {STROKE_LEG_GLANCE,
     {"Delicate leg glance by %s", "%s leg glances the ball away", "%s glances the ball onto the leg side",
      "Leg glance by %s"},
     {"%s attempts a leg glance", "%s tries to glance the ball away", "%s glances the ball away",
      "Mishit leg glance by %s"}},
    {STROKE_PULL,
     {"%s plays the pull shot", "%s pulls the ball away", "%s pulls", "Pull shot by %s"},
     {"%s pulls, he miss hit it", "%s pulls unsuccesfully", "%s pulls but didn't get hold of it",
      "Mishit pull shot by %s"}},
    {STROKE_HOOK,
     {"%s plays the hook shot", "%s hooks the ball", "%s hooks", "Aggressive hook shot by %s"},
     {"%s gets a top edge", "%s misjudges the hook", "%s hooks, but gets an edge", "Mishit hook by %s"}},
    {STROKE_SWEEP,
     {"%s sweeps", "%s plays the sweep", "Classy sweep by %s", "Sweep shot by %s"},
     {"%s mishits the sweep", "%s sweeps unsuccesfully", "%s sweeps but didn't get hold of it",
      "Mishit sweep by %s"}},
};

const char* const STRAIGHT_TO_BOWLER[STROKE_LINES] = {
    "%s chips straight back to the bowler!", "%s completely miss times that!", "%s gets a leading edge!",
    "Mishit straight drive, straight to bowler!"};
const char* const CUT_FINE[STROKE_LINES] = {"%s gets a top edge", "%s cuts fine", "Oh top edge by %s",
                                            "%s cuts but completely miss hit it"};

const char* const MISSES[] = {"%s plays and misses", "%s edges it"};
const char* const BOWLED[] = {"He completely missed the ball there", "He played all around it",
                              "The stumps are all over the place"};
const char* const LBW_APPEALS[] = {"The ball thumps into the batsmans pads!", "Howzaaat!!!?",
                                   "Big appeal for lbw", "How is thaaaat???"};
const char* const FOURS[] = {"FOUR! %s finds the gap", "FOUR! Races away to the boundary",
                             "FOUR! Beautifully timed by %s", "FOUR! No stopping that one"};
const char* const SIXES[] = {"SIX! %s sends it into the crowd", "SIX! That's gone all the way",
                             "SIX! Huge hit by %s", "SIX! Out of the ground"};
const char* const SINGLES[] = {"%s takes a single", "%s pushes for one", "Quick single for %s"};
const char* const TWOS[] = {"%s comes back for two", "They run two", "Good running, two for %s"};
const char* const THREES[] = {"They run three", "%s hustles back for the third", "Three runs to %s"};
const char* const DOTS[] = {"No run", "Fielded, no run", "Straight to the fielder", "Dot ball"};
const char* const CATCHES[] = {"OUT! Caught by %s", "OUT! Taken by %s", "OUT! %s holds on to it",
                               "OUT! Great catch by %s"};
const char* const DROPS[] = {"Dropped by %s!", "%s puts it down!", "A chance goes down, %s drops it",
                             "%s can't hold on!"};
const char* const RUN_OUTS[] = {"OUT! %s is run out", "OUT! Direct hit, %s is short of his ground",
                                "OUT! Mix up in the middle, %s has to go"};
const char* const STUMPINGS[] = {"OUT! %s is stumped", "OUT! Stumped, %s was out of his crease",
                                 "OUT! Lightning work by the keeper, %s is stumped"};
const char* const BYES[] = {"It beats everyone, they take a bye", "Byes", "Off the pads, they run a leg bye"};
const char* const EDGES[] = {"%s edges it", "Thick edge off %s", "%s gets an outside edge", "Edged by %s"};

template <size_t N>
const char* Pick(const char* const (&lines)[N]) {
    return lines[Rand() % N];
}

const StrokeLines* FindStroke(int stroke) {
    for (const StrokeLines& s : STROKE_TABLE) {
        if (s.stroke == stroke) return &s;
    }
    return nullptr;
}

}  // namespace

const char* StrokeLineAt(int stroke, CommentaryGroup group, int index) {
    if (index < 0 || index >= STROKE_LINES) return nullptr;
    if (group == COMM_POOR_TO_BOWLER)
        return stroke == STROKE_STRAIGHT_DRIVE ? STRAIGHT_TO_BOWLER[index] : nullptr;
    if (group == COMM_POOR_FINE) return stroke == STROKE_CUT ? CUT_FINE[index] : nullptr;
    const StrokeLines* s = FindStroke(stroke);
    if (!s) return nullptr;
    return group == COMM_GOOD ? s->good[index] : s->poor[index];
}

const char* StrokeLine(int stroke, CommentaryGroup group) {
    return StrokeLineAt(stroke, group, Rand() % STROKE_LINES);
}

std::string ExtrasWarning(int count, bool wide) {
    if (count == 3) {
        return wide ? "That's his 3rd wide of the innings, captain won't be happy"
                    : "That's his 3rd of the innings, captain won't be happy";
    }
    if (count == 4) {
        return wide ? "That's his 4th wide of the innings, he's got a problem there"
                    : "That's his 4th of the innings, he's got a problem there";
    }
    if (count >= 5 && count <= 14) {
        return Format(wide ? "That's his %dth wide so far this innings, not good at all"
                           : "That's his %dth so far this innings, not good at all",
                      count);
    }
    return "";
}

const char* MissLine() {
    return Pick(MISSES);
}
const char* BowledLine() {
    return Pick(BOWLED);
}
const char* LbwAppealLine() {
    return Pick(LBW_APPEALS);
}

const char* LbwRefusedLine(int length, int movement) {
    if (length == 8004) return "The ball was bouncing too high";
    if (length == 8002 || movement == 9003 || movement == 9004 || movement == 9007)
        return "Going over for certain";
    return "The ball was definitely going over the stumps";
}

const char* FourLine() {
    return Pick(FOURS);
}
const char* SixLine() {
    return Pick(SIXES);
}
const char* RunsLine(int runs) {
    if (runs <= 1) return Pick(SINGLES);
    return runs == 2 ? Pick(TWOS) : Pick(THREES);
}
const char* DotLine() {
    return Pick(DOTS);
}
const char* CaughtLine() {
    return Pick(CATCHES);
}
const char* DroppedLine() {
    return Pick(DROPS);
}
const char* RunOutLine() {
    return Pick(RUN_OUTS);
}
const char* StumpedLine() {
    return Pick(STUMPINGS);
}
const char* ByesLine() {
    return Pick(BYES);
}
const char* EdgeLine() {
    return Pick(EDGES);
}

}  // namespace ravel
