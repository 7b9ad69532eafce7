// The info panel's pages of the live match view: the last overs and the last
// balls of the innings viewed, with a script index for each ball icon that a
// click replays, and the current partnership. The charts are in
// ChartsDraw.cpp, pitch analysis and the other scores in ConditionsDraw.cpp.
#include <algorithm>
#include <string>

#include "match/Match.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/team/TeamDraw.h"
#include "shell/Game.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Competitions.h"
#include "world/Player.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr int ROWS = 4;        // overs or balls on a page
constexpr int ICON_STEP = 40;  // between ball icons and between rows
constexpr int OVER_ICONS_X = 450;

// Pictures of the game's tiles.
enum BallTile : int {
    TILE_RUN0 = 36,  // .. 42 six runs
    TILE_NO_BALL = 60,
    TILE_LBW = 61,
    TILE_BOWLED = 62,
    TILE_CAUGHT = 63,
    TILE_WIDE = 64,
    TILE_BYE = 65,
    TILE_STUMPED = 66,
    TILE_RUN_OUT = 67,
    TILE_LENGTH_FIRST = 68,  // good length, short, yorker, bouncer
    TILE_DRIVE = 78,
    TILE_HOOK = 79,
    TILE_PULL = 80,
    TILE_CUT = 81,
    TILE_SWEEP = 82,
    TILE_GLANCE = 83,
    TILE_ON_DRIVE = 84,
};
// Movement pictures by code from 9001, straight to the spinner's "spe".
constexpr int MOVEMENT_TILES[] = {72, 73, 74, 75, 76, 77, 134, 133, 135, 136, 137};

int OutcomeTile(int32_t outcome, int32_t runs) {
    switch (outcome) {
        case OUTCOME_NO_BALL:
            return TILE_NO_BALL;
        case OUTCOME_WIDE:
            return TILE_WIDE;
        case OUTCOME_BYES:
            return TILE_BYE;
        case OUTCOME_BOWLED:
            return TILE_BOWLED;
        case OUTCOME_LBW:
            return TILE_LBW;
        case OUTCOME_STUMPED:
            return TILE_STUMPED;
        case OUTCOME_CAUGHT:
            return TILE_CAUGHT;
        case OUTCOME_RUN_OUT_STRIKER:
        case OUTCOME_RUN_OUT_NON_STRIKER:
        case 492:  // the third run-out code
            return TILE_RUN_OUT;
        default:
            break;
    }
    if (runs >= 1 && runs <= 6) return TILE_RUN0 + runs;
    return runs == 0 && outcome == OUTCOME_RUNS ? TILE_RUN0 : -1;
}

int LengthTile(int32_t length) {
    return length >= LENGTH_GOOD && length <= LENGTH_BOUNCER ? TILE_LENGTH_FIRST + (length - LENGTH_GOOD)
                                                             : -1;
}

int MovementTile(int32_t movement) {
    const int k = movement - MOVE_STRAIGHT;
    return k >= 0 && k < static_cast<int>(std::size(MOVEMENT_TILES)) ? MOVEMENT_TILES[k] : -1;
}

int ShotTile(int32_t shot) {
    switch (shot) {
        case STROKE_LEAVE:
        case STROKE_FORWARD_DEFENCE:
        case STROKE_BACK_DEFENCE:
        case STROKE_STRAIGHT_DRIVE:
        case STROKE_COVER_DRIVE:
        case STROKE_OFF_DRIVE:
            return TILE_DRIVE;
        case STROKE_LEG_GLANCE:
            return TILE_GLANCE;
        case STROKE_CUT:
            return TILE_CUT;
        case STROKE_PULL:
            return TILE_PULL;
        case STROKE_HOOK:
            return TILE_HOOK;
        case STROKE_SWEEP:
            return TILE_SWEEP;
        case STROKE_ON_DRIVE:
            return TILE_ON_DRIVE;
        default:
            return -1;
    }
}

void ClearBallScripts() {
    std::fill(std::begin(MatchView().mv_ballScripts), std::end(MatchView().mv_ballScripts), -1);
}

// The page scrolls when it holds more than fits: its maximum, the position
// kept within it. Returns the position, 0 when it does not scroll.
int ScrollWhen(bool scrolls, int maximum) {
    CScrollBar* bar = MatchView().m_ui.panelScroll;
    if (!bar) return 0;
    if (!scrolls) {
        bar->Disable();
        return 0;
    }
    bar->mb_disabled = 0;
    if (maximum > bar->m_min) bar->m_max = maximum;
    bar->m_position = std::clamp(bar->m_position, bar->m_min, bar->m_max);
    return bar->m_position;
}

void NoBalls() {
    g_system->DrawText(574, 516, ALIGN_CENTRE, MV_NOTE, Font21(), "No balls bowled");
}

void DrawRecentOversBackground() {
    CSystem& s = *g_system;
    for (int r = 0; r < ROWS; ++r) {
        const int top = 508 + ICON_STEP * r;
        const uint32_t colour = r % 2 == 0 ? MV_STRIPE_LIGHT : MV_STRIPE_DARK;
        s.FillRect(208, top, 270, top + 38, colour);
        s.FillRect(272, top, 890, top + 38, colour);
        s.FillRect(892, top, 967, top + 38, colour);
    }
    s.FillRect(969, 452, 1019, 695, MV_STRIPE_LIGHT);
    s.FillRect(203, 508, 206, 666, MV_STRIPE_LIGHT);
    s.DrawText(215, 490, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Over");
    s.DrawText(280, 490, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Bowler");
    s.DrawText(920, 490, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Runs");
    s.ShadeRect(203, 452, 967, 506);
    s.ShadeRect(203, 670, 967, 695);
}

// One over on row r: its balls [first, end) of the innings' list.
void DrawOverRow(const Innings& in, int over, size_t first, size_t end, int r) {
    const int y = 516 + ICON_STEP * r;
    g_system->DrawText(215, y, ALIGN_LEFT, MV_WHITE, Font21(), "%s", Ordinal(over + 1).c_str());
    g_system->DrawText(280, y, ALIGN_LEFT, MV_WHITE, Font21(), "%s",
                       PlayerSurname(in.mv_balls[end - 1].mi_bowler));
    g_system->DrawText(920, y, ALIGN_CENTRE, MV_WHITE, Font21(), "%d", OverRuns(in, over));
    for (size_t k = first; k < end; ++k) {
        const BallRecord& ball = in.mv_balls[k];
        const int j = static_cast<int>(k - first) + 1;
        DrawTile(OutcomeTile(ball.mi_outcome, ball.mi_runs), OVER_ICONS_X + ICON_STEP * j, y - 6);
        // Update finds a clicked icon in column j, row r at the same entry.
        const int entry = ROWS * j + r - 1;
        if (entry < BALL_ICONS) MatchView().mv_ballScripts[entry] = ball.mi_script;
    }
}

void DrawRecentOvers(const Innings& in) {
    DrawRecentOversBackground();
    ClearBallScripts();
    const auto& balls = in.mv_balls;
    const int newest = balls.empty() ? 0 : balls.back().mi_over;
    // More overs than rows: the oldest can be scrolled to.
    const int back = ScrollWhen(newest >= ROWS, newest - (ROWS - 1));
    if (balls.empty()) return NoBalls();
    size_t end = balls.size();
    while (end > 0 && balls[end - 1].mi_over > newest - back) --end;
    for (int r = 0; r < ROWS && end > 0; ++r) {
        const int over = balls[end - 1].mi_over;
        size_t first = end;
        while (first > 0 && balls[first - 1].mi_over == over) --first;
        DrawOverRow(in, over, first, end, r);
        end = first;
    }
}

void DrawRecentBalls(const Innings& in) {
    ClearBallScripts();
    const int count = static_cast<int>(in.mv_balls.size());
    const int back = ScrollWhen(count > ROWS, count - ROWS);
    if (count == 0) return NoBalls();
    CSystem& s = *g_system;
    s.DrawText(285, 490, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Bowler");
    s.DrawText(485, 490, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Batsman");
    for (const auto& [x, head] : {std::pair{675, "Pitch"}, std::pair{745, "Movement"}, std::pair{825, "Shot"},
                                  std::pair{945, "Outcome"}})
        s.DrawText(x, 490, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s", head);
    for (int k = 0; k < ROWS; ++k) {
        const int index = count - 1 - back - k;
        if (index < 0) break;
        const BallRecord& ball = in.mv_balls[static_cast<size_t>(index)];
        const int y = 510 + ICON_STEP * k;
        s.DrawText(220, y, ALIGN_LEFT, MV_WHITE, Font21(), "%d.%d", ball.mi_over, ball.mi_ballOfOver);
        s.DrawText(285, y, ALIGN_LEFT, MV_WHITE, Font21(), "%s",
                   CutToWidth(Font21(), PlayerSurname(ball.mi_bowler), 160).c_str());
        s.DrawText(450, y, ALIGN_LEFT, MV_YELLOW, Font21(), "to");
        s.DrawText(485, y, ALIGN_LEFT, MV_WHITE, Font21(), "%s",
                   CutToWidth(Font21(), PlayerSurname(ball.mi_batsman), 170).c_str());
        DrawTile(LengthTile(ball.mi_length), 660, y);
        DrawTile(MovementTile(ball.mi_movement), 730, y);
        DrawTile(ShotTile(ball.mi_shot), 810, y);
        DrawTile(OutcomeTile(ball.mi_outcome, ball.mi_runs), 930, y);
        MatchView().mv_ballScripts[k] = ball.mi_script;
    }
}

// One batsman of the partnership: the name is the partnership's player, the
// figures those of the batsman at the crease who is he.
void DrawPartner(const Match& match, const Partnership& p, int k, int x) {
    const Innings& in = match.CurrentInnings();
    auto at = [&in](int position) -> const BatsmanFigures& {
        return in.m_batsmen[std::clamp(position, 0, SQUAD_SIZE - 1)];
    };
    const int position =
        at(match.mi_batsman1).mi_player == p.mi_player[k] ? match.mi_batsman1 : match.mi_batsman2;
    const BatsmanFigures& b = at(position);
    CSystem& s = *g_system;
    if (const Player* player = p.mi_player[k] >= 0 ? PlayerById(p.mi_player[k]) : nullptr) {
        s.DrawText(x, 500, ALIGN_CENTRE, position == match.mi_striker ? MV_YELLOW : MV_WHITE, Font21(),
                   "%s %s", player->m_firstName, player->m_surname);
    }
    s.DrawText(x, 535, ALIGN_CENTRE, MV_ORANGE, Font20Heavy(), "Overall");
    s.DrawText(x, 555, ALIGN_CENTRE, MV_WHITE, Font21(), "%d runs", BatsmanRuns(b));
    s.DrawText(x, 575, ALIGN_CENTRE, MV_WHITE, Font21(), "%d balls", b.Balls());
    s.DrawText(x, 620, ALIGN_CENTRE, MV_ORANGE, Font20Heavy(), "Contribution");
    s.DrawText(x, 640, ALIGN_CENTRE, MV_WHITE, Font21(), "%d runs", p.BatsmanRuns(k));
    s.DrawText(x, 660, ALIGN_CENTRE, MV_WHITE, Font21(), "%d balls", p.BatsmanBalls(k));
}

void DrawPartnership(const Match& match) {
    if (CScrollBar* bar = MatchView().m_ui.panelScroll) bar->mb_visible = 0;
    const Innings& in = match.CurrentInnings();
    // All out: the last partnership stays on show.
    const Partnership& p = in.m_partnerships[std::min(in.Wickets(), SQUAD_SIZE - 2)];
    g_system->DrawText(611, 500, ALIGN_CENTRE, MV_ORANGE, Font20Heavy(), "Current Partnership");
    g_system->DrawText(611, 565, ALIGN_CENTRE, MV_WHITE, Font21(), "%d runs from %d balls", p.Runs(),
                       p.Balls());
    DrawPartner(match, p, 0, 341);
    DrawPartner(match, p, 1, 881);
}

}  // namespace

int BallTotalRuns(int32_t outcome, int32_t runs) {
    const bool extra = outcome == OUTCOME_NO_BALL || outcome == OUTCOME_WIDE || outcome == OUTCOME_BYES;
    return runs + (extra ? 1 : 0);
}

int OverRuns(const Innings& in, int over) {
    if (over >= 0 && over < static_cast<int>(in.mv_overs.size()))
        return in.mv_overs[static_cast<size_t>(over)].mi_runs;
    int runs = 0;
    for (auto ball = in.mv_balls.rbegin(); ball != in.mv_balls.rend() && ball->mi_over >= over; ++ball) {
        if (ball->mi_over == over) runs += BallTotalRuns(ball->mi_outcome, ball->mi_runs);
    }
    return runs;
}

void DrawInfoTab(const Match& match) {
    const Innings& viewed = match.m_innings[Match::InningsIndex(MatchView().mv_viewInnings)];
    switch (MatchView().m_kept.mv_infoTab) {
        case TAB_RECENT_OVERS:
            return DrawRecentOvers(viewed);
        case TAB_RECENT_BALLS:
            return DrawRecentBalls(viewed);
        case TAB_PITCH_ANALYSIS:
            return DrawPitchAnalysis(match);
        case TAB_OTHER_SCORES:
            return DrawOtherScores();
        case TAB_PARTNERSHIP:
            return DrawPartnership(match);
        case TAB_MANHATTAN:
            return DrawManhattan(match);
        case TAB_WORM:
            return DrawWorm(match);
        case TAB_CUMULATIVE:
            return DrawCumulative(match);
        default:
            return;
    }
}

}  // namespace ravel
