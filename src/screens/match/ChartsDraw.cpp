// The three charts of the match view's info panel: runs per over
// (Manhatten), the run rate ball by ball (Worm) and the runs ball by ball
// (Culmative). The bars grow with the chart counter; the axes are long enough
// for every innings drawn, so nothing leaves them.
#include <algorithm>
#include <cstdint>

#include "match/Match.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/platform/System.h"
#include "world/Services.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr int CHART_MAX_RUNS = 12;  // an over, or a run rate, beyond this is drawn at it
constexpr int MIN_AXIS_BALLS = 120;
constexpr int AXIS_LENGTH = 600;
// A side's second innings in a lighter shade of its first.
constexpr uint32_t SLOT_COLOURS[4] = {MV_RED, MV_GREEN, 0xffff8c8cu, 0xff8cff8cu};

// The innings drawn: those that have begun, in slot order.
template <class F>
void ForEachStarted(const Match& match, F f) {
    for (int slot = 0; slot < 4; ++slot) {
        if (match.m_innings[slot].mb_started) f(slot, match.m_innings[slot]);
    }
}

// The x axis in balls, a whole number of overs, for the longest innings drawn.
int AxisBalls(const Match& match) {
    int balls = MIN_AXIS_BALLS;
    ForEachStarted(match, [&balls](int, const Innings& in) {
        balls = std::max(balls, static_cast<int>(in.mv_balls.size()));
    });
    return (balls + 5) / 6 * 6;
}

int BallX(int left, int i, int axisBalls) {
    return left + static_cast<int>(static_cast<int64_t>(i) * AXIS_LENGTH / axisBalls);
}

void SideFigures(const Match& match, int slot, int y) {
    const Innings& in = match.m_innings[slot];
    CSystem& s = *g_system;
    s.DrawText(230, y, ALIGN_LEFT, MV_WHITE, Font17Bold(), "%s", match.TeamName(in.mi_battingTeam));
    if (in.Wickets() >= 10)
        s.DrawText(230, y + 20, ALIGN_LEFT, MV_WHITE, Font17Bold(), "%d all out", InningsTotal(in));
    else
        s.DrawText(230, y + 20, ALIGN_LEFT, MV_WHITE, Font17Bold(), "%d/%d", InningsTotal(in), in.Wickets());
    s.DrawText(230, y + 40, ALIGN_LEFT, MV_WHITE, Font17Bold(), "Run Rate: %2.2f", RunRate(in));
}

// Bars of one innings from its first over's place on the band.
void DrawBars(const Innings& in, int firstOver, int step, int base, uint32_t colour) {
    const int width = std::max(1, step - 1);
    for (size_t k = 0; k < in.mv_overs.size(); ++k) {
        int runs = in.mv_overs[k].mi_runs;
        if (runs < 0) {
            DebugLog("Error: getting an over with less than 0 for runs off it\n");
            runs = 0;
        }
        const int height = std::min({runs, MatchView().mv_chartTick, CHART_MAX_RUNS});
        const int x = 380 + step * (firstOver + static_cast<int>(k));
        g_system->FillRect(x, base - 6 * height - 1, x + width, base, colour);
        if (runs > CHART_MAX_RUNS) g_system->FillRect(x, base - 75, x + width, base - 73, MV_BLUE);
    }
}

// Draws the line of one innings through its balls; value gives the height
// of a point from the running sum and the ball's index.
template <class F>
void DrawBallLine(const Innings& in, int left, int bottom, int axisBalls, uint32_t colour, F value) {
    int x0 = left, y0 = bottom, sum = 0;
    for (size_t i = 0; i < in.mv_balls.size(); ++i) {
        sum += BallTotalRuns(in.mv_balls[i].mi_outcome, in.mv_balls[i].mi_runs);
        const int x = BallX(left, static_cast<int>(i), axisBalls);
        const int y = bottom - value(sum, static_cast<int>(i));
        g_system->DrawLine(x0, y0, x, y, colour);
        x0 = x;
        y0 = y;
    }
}

}  // namespace

void DrawManhattan(const Match& match) {
    CSystem& s = *g_system;
    s.DrawLine(379, 681, 980, 681, MV_WHITE);
    s.DrawLine(379, 586, 980, 586, MV_WHITE);
    s.DrawLine(379, 681, 379, 606, MV_WHITE);
    s.DrawLine(379, 586, 379, 511, MV_WHITE);
    s.DrawText(680, 685, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Overs");
    s.DrawText(680, 590, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Overs");
    SideFigures(match, 0, 600);
    if (Match::InningsIndex(match.mi_currentInnings) > 0) SideFigures(match, 1, 505);
    // The side that batted first on the lower band, the other on the upper;
    // a second innings follows the side's first.
    auto overs = [&match](int slot) { return static_cast<int>(match.m_innings[slot].mv_overs.size()); };
    const int longest = std::max({1, overs(0) + overs(2), overs(1) + overs(3)});
    const int step = std::clamp((980 - 380) / longest, 1, 12);
    ForEachStarted(match, [&](int slot, const Innings& in) {
        const int firstOver = slot >= 2 ? overs(slot - 2) : 0;
        DrawBars(in, firstOver, step, slot % 2 == 1 ? 585 : 680, SLOT_COLOURS[slot]);
    });
}

void DrawWorm(const Match& match) {
    CSystem& s = *g_system;
    s.DrawLine(329, 661, 930, 661, MV_WHITE);
    s.DrawLine(329, 661, 329, 460, MV_WHITE);
    for (int rate = 0; rate <= CHART_MAX_RUNS; rate += 2)
        s.DrawText(300, 660 - 15 * rate, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%d", rate);
    const int axisBalls = AxisBalls(match);
    s.DrawText(630, 675, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Overs");
    s.DrawText(330, 675, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "0");
    s.DrawText(930, 675, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%d", axisBalls / 6);
    s.DrawText(250, 570, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Run Rate");
    ForEachStarted(match, [&](int slot, const Innings& in) {
        DrawBallLine(in, 330, 660, axisBalls, slot == 0 ? MV_RED : MV_GREEN, [](int sum, int i) {
            const double rate = std::min(static_cast<double>(CHART_MAX_RUNS), sum * 6.0 / (i + 1));
            return static_cast<int>(rate * 15);
        });
    });
}

void DrawCumulative(const Match& match) {
    const int axisBalls = AxisBalls(match);
    int axisRuns = 100;
    ForEachStarted(match,
                   [&axisRuns](int, const Innings& in) { axisRuns = std::max(axisRuns, InningsTotal(in)); });
    CSystem& s = *g_system;
    s.DrawLine(249, 666, 850, 666, MV_WHITE);
    s.DrawLine(249, 666, 249, 465, MV_WHITE);
    s.DrawText(570, 680, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Overs");
    s.DrawText(250, 680, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "0");
    s.DrawText(850, 680, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%d", axisBalls / 6);
    s.DrawText(230, 565, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Runs");
    ForEachStarted(match, [&](int slot, const Innings& in) {
        DrawBallLine(in, 250, 665, axisBalls, slot == 1 ? MV_GREEN : MV_RED, [axisRuns](int sum, int) {
            return static_cast<int>(static_cast<int64_t>(sum) * 180 / axisRuns);
        });
    });
}

}  // namespace ravel
