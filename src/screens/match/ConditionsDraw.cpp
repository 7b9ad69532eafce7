// The match view's condition icons (the ball's age, the pitch's bounce and
// turn, the weather), the "Pitch Analysis" page and the "Other Scores" page
// with the day's matches in progress.
#include <algorithm>
#include <cstdint>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/team/TeamDraw.h"
#include "shell/Game.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr int TOUR_MATCH_FIRST = 502, TOUR_MATCH_LAST = 504;
constexpr int INTERNATIONAL_FIRST = 500;
constexpr int OTHER_SCORES_ROWS = 2;
constexpr int OTHER_SCORES_STEP = 90;

// A score of the page: "%d/%d", or "%d" all out; nothing before the innings.
void OtherScore(const Innings& in, int x, int y) {
    if (in.mb_started)
        g_system->DrawText(x, y, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s", ScoreText(in).c_str());
}

void DrawOtherMatch(const Match& match, int row) {
    const int y = 530 + OTHER_SCORES_STEP * row;
    CSystem& s = *g_system;
    if (const Ground* ground = GroundById(match.mi_ground))
        s.DrawText(230, y - 20, ALIGN_LEFT, MV_ORANGE, Font20Heavy(), "%s", ground->m_name);
    s.DrawText(630, y - 20, ALIGN_LEFT, MV_ORANGE, Font20Heavy(), "%s", OtherScoresLabel(match));
    int32_t first = match.m_innings[0].mi_battingTeam;
    if (first != match.mi_team1 && first != match.mi_team2) first = match.mi_team1;
    const int32_t second = first == match.mi_team1 ? match.mi_team2 : match.mi_team1;
    s.DrawText(230, y, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s", match.TeamName(first));
    s.DrawText(230, y + 20, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s", match.TeamName(second));
    OtherScore(match.m_innings[0], 430, y);
    OtherScore(match.m_innings[2], 530, y);
    OtherScore(match.m_innings[1], 430, y + 20);
    OtherScore(match.m_innings[3], 530, y + 20);
    s.DrawText(230, 570 + OTHER_SCORES_STEP * row, ALIGN_LEFT, MV_WHITE, Font14Bold(), "%s",
               match.ResultText().c_str());
}

}  // namespace

void DrawBallAgeIcon(const Match& match, int x, int y) {
    DrawTile(BallAgeIcon(match.mi_ballCount), x, y);
    g_system->DrawText(x + 14, y + 5, ALIGN_CENTRE, MV_WHITE, Font21(), "%d", match.mi_ballCount);
}

void DrawTurnIcon(const Match& match, int x, int y) {
    DrawTile(PitchTurnIcon(match.mf_turn), x, y);
}

void DrawBounceIcon(const Match& match, int x, int y) {
    DrawTile(PitchBounceIcon(match.mf_bounce), x, y);
}

int WeatherIconOf(const Match& match) {
    if (match.mi_condition != CONDITION_PLAY) return RainIcon(match.mf_rainLevel);
    const Ground* ground = GroundById(match.mi_ground);
    return ground ? WeatherIcon(*ground, match.mi_weatherRoll, false) : -1;
}

void DrawWeatherIcon(const Match& match, int x, int y) {
    DrawTile(WeatherIconOf(match), x, y);
}

void DrawPitchAnalysis(const Match& match) {
    DrawBounceIcon(match, 330, 500);
    DrawTurnIcon(match, 330, 540);
    DrawBallAgeIcon(match, 330, 580);
    DrawWeatherIcon(match, 330, 620);
    CSystem& s = *g_system;
    s.DrawText(400, 505, ALIGN_LEFT, MV_WHITE, Font21(), "%s", PitchBounceText(match.mf_bounce));
    s.DrawText(400, 545, ALIGN_LEFT, MV_WHITE, Font21(), "%s", PitchTurnText(match.mf_turn));
    s.DrawText(400, 585, ALIGN_LEFT, MV_WHITE, Font21(), "%s", BallAgeText(match.mf_ballValue));
    if (const Ground* ground = GroundById(match.mi_ground))
        s.DrawText(400, 625, ALIGN_LEFT, MV_WHITE, Font21(), "%s",
                   WeatherText(WeatherCode(*ground, match.mi_weatherRoll)));
    s.DrawText(230, 665, ALIGN_LEFT, MV_YELLOW, Font21(), "%s", PitchWearText(match.mf_pitchWear));
}

const char* OtherScoresLabel(const Match& match) {
    const int32_t id = match.mi_competition;
    if (id >= TOUR_MATCH_FIRST && id <= TOUR_MATCH_LAST) return "Tour";
    if (id >= INTERNATIONAL_FIRST) return match.IsFirstClass() ? "Test" : "ODI";
    const Competition* competition = CompetitionById(id);
    return competition ? competition->m_shortName : "";
}

void DrawOtherScores() {
    const int count = static_cast<int>(g_currentMatches.size());
    CScrollBar* bar = MatchView().m_ui.panelScroll;
    int first = 0;
    if (count > OTHER_SCORES_ROWS) {
        if (bar) {
            bar->mb_visible = 1;
            bar->mb_disabled = 0;
            if (count - OTHER_SCORES_ROWS > bar->m_min) bar->m_max = count - OTHER_SCORES_ROWS;
            bar->m_position = std::clamp(bar->m_position, bar->m_min, bar->m_max);
            first = bar->m_position;
        }
    } else if (bar) {
        bar->mb_visible = 0;
        bar->Disable();
    }
    MatchView().mv_otherScoresTop = first;
    if (count == 1) {
        g_system->DrawText(574, 516, ALIGN_CENTRE, MV_NOTE, Font21(),
                           "No other games currently being played");
        return;
    }
    for (int row = 0; row < OTHER_SCORES_ROWS && first + row < count; ++row) {
        if (const Match* match = g_currentMatches[static_cast<size_t>(first + row)].get())
            DrawOtherMatch(*match, row);
    }
}

}  // namespace ravel
