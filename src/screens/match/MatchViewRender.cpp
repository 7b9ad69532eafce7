// The match view's frame: the frame pictures, the match clock and the state
// of play, the teams, competition and ground, the score in the top-right
// corner, the panels and the controls; and its Tick: the growing charts'
// counter and the ball's playback at the chosen speed.
#include <cstdio>
#include <cstring>
#include <string>

#include "match/AnimScript.h"
#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/ScreenControls.h"
#include "season/Fixtures.h"
#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/Sound.h"
#include "shell/platform/System.h"
#include "world/Player.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

CFont* Font21() {
    return g_game->m_fontText.get();
}
CFont* Font17Bold() {
    return g_game->m_fontSmallBold.get();
}
CFont* Font20Heavy() {
    return g_game->m_fontHeading.get();
}
CFont* Font32Italic() {
    return g_game->m_fontTitle.get();
}
CFont* Font14Bold() {
    return g_game->m_fontTiny.get();
}
CFont* Font18Bold() {
    return g_game->m_fontTooltip.get();
}
CFont* Font15Italic() {
    return g_game->m_fontSmallItalic.get();
}

int LeftWithin(CFont* font, const char* text, int x, int right) {
    const int width = CSystem::TextWidth(font, text);
    return x + width > right ? right - width : x;
}

const char* PlayerSurname(int32_t playerId) {
    const Player* p = playerId >= 0 ? PlayerById(playerId) : nullptr;
    return p ? p->m_surname : "";
}

namespace {

constexpr int MATCH_OVERS_FROM = 8;  // a length of 8 or more is overs, else days
constexpr int FIRST_SERIES_ID = 600;
constexpr int TOUR_MATCH_FIRST = 502, TOUR_MATCH_LAST = 504;
constexpr int INTERNATIONAL_FIRST = 500;
constexpr int TOURNAMENT_FIRST = 505, TOURNAMENT_LAST = 549;

// Room for the title between the side panel and the score board.
constexpr int TITLE_LEFT = 190, TITLE_RIGHT = 840;
// The score board picture and the two lines of score inside it.
constexpr int BOARD_X = 845, BOARD_Y = 5;
constexpr int BOARD_TEXT_LEFT = 853, BOARD_TEXT_RIGHT = 1012;
constexpr int BOARD_LINE_Y[2] = {38, 64};
// The box of the state of play, under the clock.
constexpr int STATE_BOX_LEFT = 2, STATE_BOX_TOP = 56, STATE_BOX_RIGHT = 182, STATE_BOX_BOTTOM = 97;
constexpr uint32_t STATE_BOX = 0xff0c1410u;

std::string ResumeLine(const Match& match, const char* format) {
    return Format(format, match.mi_checkHour, match.mi_checkMinute);
}

void DrawInningsOnBoard(const Match& match, const Innings& innings, int line, uint32_t colour) {
    DrawBoardLine(match.TeamName(innings.mi_battingTeam), match.TeamShortName(innings.mi_battingTeam),
                  ScoreText(innings).c_str(), line, colour);
}

void DrawScoreHeader(const Match& match) {
    if (MatchView().mv_scoreboard) MatchView().mv_scoreboard->Draw(BOARD_X, BOARD_Y);
    if (HighlightsWindowShown()) return;
    const int current = Match::InningsIndex(match.mi_currentInnings);
    const Innings& now = match.m_innings[current];
    if (!now.mb_started) return;
    DrawInningsOnBoard(match, now, 0, MV_YELLOW);
    if (!match.IsFirstClass() && current >= 1) DrawInningsOnBoard(match, match.m_innings[0], 1, MV_WHITE);
}

void DrawTitle(const Match& match) {
    const std::string title = MatchTitle(match);
    CFont* font = Font32Italic();
    if (CSystem::TextWidth(font, title.c_str()) > TITLE_RIGHT - TITLE_LEFT) font = Font18Bold();
    g_system->DrawText(512, 15, ALIGN_CENTRE, MV_WHITE, font, "%s", title.c_str());
    const std::string competition = CompetitionLineText(match);
    if (!competition.empty())
        g_system->DrawText(512, 50, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s", competition.c_str());
    if (const Ground* ground = GroundById(match.mi_ground))
        g_system->DrawText(512, 70, ALIGN_CENTRE, MV_WHITE, Font14Bold(), "%s", ground->m_name);
}

void DrawClockAndState(const Match& match) {
    g_system->DrawText(10, 10, ALIGN_LEFT, MV_WHITE, Font21(), "%s", match.m_clock.DateText().c_str());
    g_system->DrawText(10, 30, ALIGN_LEFT, MV_WHITE, Font21(), "%s", match.m_clock.ClockText().c_str());
    const std::string stateText = PlayConditionText(match);
    if (stateText.empty()) return;
    const char* state = stateText.c_str();
    // The line takes the frame's lettering under the clock; a long one wraps
    // within the side panel's width in the smaller font.
    g_system->FillRect(STATE_BOX_LEFT, STATE_BOX_TOP, STATE_BOX_RIGHT, STATE_BOX_BOTTOM, STATE_BOX);
    if (CSystem::TextWidth(Font18Bold(), state) <= STATE_BOX_RIGHT - 16)
        g_system->DrawText(10, 70, ALIGN_LEFT, MV_WHITE, Font18Bold(), "%s", state);
    else
        g_system->DrawTextInRect(10, STATE_BOX_TOP + 4, STATE_BOX_RIGHT - 4, STATE_BOX_BOTTOM, ALIGN_LEFT,
                                 MV_WHITE, Font14Bold(), "%s", state);
}

}  // namespace

void DrawBoardLine(const char* name, const char* shortName, const char* score, int line, uint32_t colour) {
    CFont* font = Font21();
    const int y = BOARD_LINE_Y[line & 1];
    const int scoreWidth = CSystem::TextWidth(font, score);
    const int nameRoom = BOARD_TEXT_RIGHT - BOARD_TEXT_LEFT - scoreWidth - 8;
    if (CSystem::TextWidth(font, name) > nameRoom) name = shortName;
    g_system->DrawText(BOARD_TEXT_LEFT, y, ALIGN_LEFT, colour, font, "%s",
                       CutToWidth(font, name, nameRoom).c_str());
    g_system->DrawText(BOARD_TEXT_RIGHT - scoreWidth, y, ALIGN_LEFT, colour, font, "%s", score);
}

std::string ScoreText(const Innings& innings) {
    const int32_t wickets = innings.Wickets();
    if (wickets >= 10) return Format("%d", InningsTotal(innings));
    return Format("%d/%d", InningsTotal(innings), wickets);
}

std::string PlayConditionText(const Match& match) {
    const int32_t condition = match.mi_condition;
    if (condition == CONDITION_PLAY)
        return Format(match.mi_length >= MATCH_OVERS_FROM ? "%d over match" : "%d day match",
                      match.mi_length);
    const int32_t state = match.mi_playState;
    if (state == PLAY_CLOSE || state == PLAY_MATCH_OVER) {
        switch (condition) {
            case CONDITION_BAD_LIGHT:
                return "Off for bad light.";
            case CONDITION_RAIN:
            case CONDITION_RAIN_STOPPED:
                return "Rain stopped play";
            case CONDITION_LIGHT_RESUMING:
                return ResumeLine(match, "Off for bad light, play due to resume at %d:%02d");
            default:
                return "";
        }
    }
    switch (condition) {
        case CONDITION_BAD_LIGHT:
            return ResumeLine(match, "Off for bad light, next inspection at %d:%02d");
        case CONDITION_RAIN:
            return ResumeLine(match, "Rain stopped play, next inspection at %d:%02d");
        case CONDITION_LIGHT_RESUMING:
            return ResumeLine(match, "Off for bad light, play due to resume at %d:%02d");
        case CONDITION_RAIN_STOPPED:
            return ResumeLine(match, "Rain stopped play, play due to resume at %d:%02d");
        default:
            return "";
    }
}

std::string CompetitionLineText(const Match& match) {
    const int32_t id = match.mi_competition;
    if (id >= TOUR_MATCH_FIRST && id <= TOUR_MATCH_LAST) return "Tour Match";
    if (id >= FIRST_SERIES_ID) {
        const TourSeries* series = TourSeriesById(id);
        return series ? FixtureTitle(*series) : "";
    }
    if (id < INTERNATIONAL_FIRST || (id >= TOURNAMENT_FIRST && id <= TOURNAMENT_LAST)) {
        const Competition* competition = CompetitionById(id);
        return competition ? competition->m_name : "";
    }
    return "";
}

void DrawAutoplayNotice() {
    const CDialog* d = MatchView().m_ui.autoplayNotice.window;
    if (!d) return;
    g_system->DrawTextInRect(d->m_x + 8, d->m_y + 30, d->m_x + d->m_width - 8, d->m_y + d->m_height + 25,
                             ALIGN_LEFT, MV_WHITE, Font21(), "%s",
                             "If you opt to autoplay, your assistant will take control for the remainder of "
                             "the day or until the end of the match (which ever comes first).\n\n If the "
                             "game is played over multiple days, you will be able to resume control "
                             "tomorrow.\n\n Are you sure you want to autoplay?");
}

void CMatchViewScreen::Render() {
    g_game->m_background.Draw(0, 0);
    DrawFrameBars(nullptr);
    g_system->FillRect(2, 306, 187, 308, MV_WHITE);
    if (const Match* match = UserMatch()) {
        DrawClockAndState(*match);
        DrawScoreHeader(*match);
        DrawTitle(*match);
        DrawBatsmenPanel(*match);
        DrawScoreboardPanel(*match);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CMatchViewScreen::Tick() {
    if (mv_chartTick < CHART_TICKS) ++mv_chartTick;
    if (!HighlightsWindowShown()) return;
    for (int step = 0; step < m_kept.mv_highlightSpeed; ++step) {
        // A ball that has run to its end (the window still up) plays again.
        BallAnimScript* script = CurrentScript();
        if (script && script->mi_clock >= script->mi_length)
            script->mi_clock = 0;
        else
            StepBallAnimation();
    }
    if (!HighlightsWindowShown()) StopAllSounds();
}

}  // namespace ravel
