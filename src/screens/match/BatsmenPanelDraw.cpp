// The side panel of the live match view: while the user's side bats, the two
// batsmen with their fitness, confidence and aggression against the two
// bowlers; while it bowls, the two bowlers with their fitness and the plan
// each bowls to each batsman. While a ball is played back, two hints.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "match/Match.h"
#include "match/Tactics.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/platform/System.h"
#include "world/Competitions.h"
#include "world/Player.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr uint32_t FITNESS_BLOCK = 0xff141414u;
constexpr uint32_t VS_LINE = 0xff232323u;
constexpr uint32_t PLAN_LINE = 0xff1e1e1eu;
constexpr uint32_t FIT = 0xff00e600u;
constexpr uint32_t TIRING = 0xffdda91bu;
constexpr uint32_t TIRED = 0xffff0000u;
constexpr float FIT_ABOVE = 70.0f;
constexpr float TIRING_ABOVE = 45.0f;
constexpr uint32_t AGGRESSION_TRACK = 0xff000037u;
constexpr uint32_t CONFIDENCE_LIT = 0xff00c800u;
constexpr uint32_t CONFIDENCE_UNLIT = 0xff640000u;
constexpr int BLOCK_STEP = 204;  // the second player's block lies this far below the first
constexpr int CONFIDENCE_BOXES = 5;

// The line above each row of buttons; the second sits a little lower, clear
// of the first row's buttons.
int LineTop(int row, int dy) {
    return 192 + 40 * row + dy + (row == 0 ? 0 : 3);
}

int Slot(int value) {
    return std::clamp(value, 0, SQUAD_SIZE - 1);
}

const MatchPlayer& Entry(const MatchTeam& side, int slot) {
    return side.m_players[static_cast<size_t>(Slot(slot))];
}

void FitnessBar(int top, int textY, int trackTop, float energy) {
    CSystem& s = *g_system;
    s.FillRect(5, top, 180, top + 20, FITNESS_BLOCK);
    s.DrawText(10, textY, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Fitness");
    s.FillRect(70, trackTop, 170, trackTop + 5, MV_BLACK);
    s.FillRect(70, trackTop, 70 + static_cast<int>(energy), trackTop + 5, FitnessColour(energy));
}

void NameBar(int dy, const char* name, uint32_t colour) {
    g_system->FillRect(5, 127 + dy, 180, 149 + dy, MV_BLACK);
    g_system->DrawText(10, 128 + dy, ALIGN_LEFT, colour, Font21(), "%s",
                       CutToWidth(Font21(), name, 130).c_str());
}

// One batsman against one bowler: the "vs" line with the confidence boxes,
// then the aggression bar and its level.
void BatsmanAgainst(const MatchPlayer& batsman, int bowlerSlot, int32_t bowlerId, int row, int dy) {
    const int barTop = 214 + 40 * row + dy;
    const int lineTop = LineTop(row, dy);
    CSystem& s = *g_system;
    s.FillRect(5, lineTop, 180, lineTop + 12, VS_LINE);
    s.DrawText(10, lineTop - 1, ALIGN_LEFT, MV_WHITE, Font14Bold(), "vs %s", PlayerSurname(bowlerId));
    const float confidence = batsman.mf_eye[static_cast<size_t>(Slot(bowlerSlot))];
    for (int k = 0; k < CONFIDENCE_BOXES; ++k) {
        const int left = 140 + 10 * k;
        s.FillRect(left, lineTop + 1, left + 5, lineTop + 11,
                   ConfidenceBoxLit(confidence, k) ? CONFIDENCE_LIT : CONFIDENCE_UNLIT);
    }
    const float aggression = batsman.mf_aggression[static_cast<size_t>(Slot(bowlerSlot))];
    s.FillRect(43, barTop, 45, barTop + 10, MV_BLUE);
    s.FillRect(45, barTop, 145, barTop + 10, AGGRESSION_TRACK);
    s.FillRect(45, barTop, 45 + static_cast<int>(aggression), barTop + 10, MV_BLUE);
    s.DrawText(95, barTop - 2, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s", AggressionLevelText(aggression));
}

void DrawBatsmanBlock(const Match& match, int position, int dy) {
    const Innings& in = match.CurrentInnings();
    const bool team1Bats = in.mi_battingTeam == match.mi_team1;
    const MatchTeam& batting = team1Bats ? match.m_team1 : match.m_team2;
    const MatchTeam& fielding = team1Bats ? match.m_team2 : match.m_team1;
    const BatsmanFigures& figures = in.m_batsmen[static_cast<size_t>(Slot(position))];
    const MatchPlayer& batsman = Entry(batting, in.mi_battingOrder[static_cast<size_t>(Slot(position))]);
    CSystem& s = *g_system;
    s.DrawText(10, 113 + dy, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Batsman");
    s.DrawText(160, 113 + dy, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "Runs");
    NameBar(dy, PlayerSurname(figures.mi_player), position == match.mi_striker ? MV_YELLOW : MV_WHITE);
    s.DrawText(160, 128 + dy, ALIGN_CENTRE, MV_WHITE, Font21(), "%d", BatsmanRuns(figures));
    // The second block's label and track sit a little higher in it.
    if (dy == 0)
        FitnessBar(153, 158, 163, batsman.mf_energy);
    else
        FitnessBar(153 + dy, 360 - BLOCK_STEP + dy, 362 - BLOCK_STEP + dy, batsman.mf_energy);
    s.DrawText(10, 173 + dy, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Aggression Levels");
    const int ends[2] = {match.mi_bowler1, match.mi_bowler2};
    for (int e = 0; e < 2; ++e) {
        const int32_t bowlerId = Entry(fielding, ends[e]).mi_player;
        BatsmanAgainst(batsman, ends[e], bowlerId, e, dy);
    }
    s.DrawText(10, 278 + dy, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Lock aggression");
}

void DrawBowlerBlock(const Match& match, int bowlerSlot, int dy) {
    const Innings& in = match.CurrentInnings();
    const MatchTeam& fielding = in.mi_bowlingTeam == match.mi_team1 ? match.m_team1 : match.m_team2;
    const MatchPlayer& bowler = Entry(fielding, bowlerSlot);
    const std::vector<BowlPlan>& plans = BowlPlanTable(bowler);
    NameBar(dy, PlayerSurname(in.m_bowlers[static_cast<size_t>(Slot(bowlerSlot))].mi_player), MV_WHITE);
    FitnessBar(158 + dy, 163 + dy, 168 + dy, bowler.mf_energy);
    CSystem& s = *g_system;
    const int crease[2] = {match.mi_batsman1, match.mi_batsman2};
    for (int k = 0; k < 2; ++k) {
        const int lineTop = LineTop(k, dy);
        const int position = Slot(crease[k]);
        s.FillRect(5, lineTop, 180, lineTop + 12, PLAN_LINE);
        s.DrawText(10, lineTop - 1, ALIGN_LEFT, MV_WHITE, Font14Bold(), "Bowl plan to %s",
                   PlayerSurname(in.m_batsmen[static_cast<size_t>(position)].mi_player));
        const int plan = bowler.mi_bowlPlan[static_cast<size_t>(position)];
        const int count = static_cast<int>(plans.size());
        const bool inTable = plan >= 0 && plan < count;
        char counter[32];
        std::snprintf(counter, sizeof counter, "%d/%d", inTable ? plan + 1 : 0, count);
        const int half = CSystem::TextWidth(Font14Bold(), counter) / 2;
        s.DrawText(std::min(175, 178 - half), lineTop - 1, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s",
                   counter);
        if (inTable)
            s.DrawText(95, 211 + 40 * k + dy, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s",
                       plans[static_cast<size_t>(plan)].m_name);
    }
}

}  // namespace

const char* AggressionLevelText(float aggression) {
    if (aggression < 20.0f) return "Ultra Defensive";
    if (aggression < 40.0f) return "Defensive";
    if (aggression < 60.0f) return "Normal";
    if (aggression < 80.0f) return "Aggressive";
    return aggression <= 100.0f ? "All out attack" : "";
}

uint32_t FitnessColour(float energy) {
    if (energy > FIT_ABOVE) return FIT;
    return energy > TIRING_ABOVE ? TIRING : TIRED;
}

bool ConfidenceBoxLit(float confidence, int box) {
    return confidence >= 2.0f * static_cast<float>(box);
}

void DrawBatsmenPanel(const Match& match) {
    if (HighlightsWindowShown()) {
        g_system->DrawText(95, 257, ALIGN_CENTRE, MV_WHITE, Font20Heavy(), "SPACE - End Clip");
        g_system->DrawText(95, 357, ALIGN_CENTRE, MV_WHITE, Font20Heavy(), "RMB - End Clip");
        return;
    }
    if (MatchView().m_kept.mv_panelMode == PANEL_BATTING) {
        DrawBatsmanBlock(match, match.mi_batsman1, 0);
        DrawBatsmanBlock(match, match.mi_batsman2, BLOCK_STEP);
    } else {
        DrawBowlerBlock(match, match.mi_bowler1, 0);
        DrawBowlerBlock(match, match.mi_bowler2, BLOCK_STEP);
    }
}

}  // namespace ravel
