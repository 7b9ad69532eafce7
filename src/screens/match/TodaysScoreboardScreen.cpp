#include <algorithm>
#include <cstdarg>
#include <iterator>

#include "match/AnimScript.h"
#include "match/HighlightsFile.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/match/Highlights.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/match/TodaysScreens.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/CoachProfileScreen.h"
#include "season/DayMachine.h"
#include "season/TodaysLists.h"
#include "shell/Game.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/Keys.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using TS = CTodaysScoreboardScreen;

bool TS::s_open = false;
CHotSpot* TS::s_rows[SCOREBOARD_ROW_SPOTS] = {};
CHotSpot* TS::s_profile = nullptr;
CComboBox* TS::s_filter = nullptr;
CScrollBar* TS::s_scroll = nullptr;

namespace {

ScreenControls s_controls;

constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t YELLOW = 0xFFFFFF00;
constexpr uint32_t PALE_YELLOW = 0xFFCDCD00;
constexpr int SHOWN_BLOCKS = 6;
constexpr int SCROLL_ROWS = 5;
constexpr int BLOCK_LIMIT = 660;
constexpr int LIST_BOTTOM = 695;
constexpr char SCOREBOARD_FILE[] = "test.tv";

// F2, F3 and F4 act once per press.
bool s_keyWasDown[3] = {};

bool Pressed(int index, int key) {
    const bool down = g_system->KeyDown(key);
    const bool pressed = down && !s_keyWasDown[index];
    s_keyWasDown[index] = down;
    return pressed;
}

void HighlightKeys() {
    if (Pressed(0, DIK_F2)) StartHighlightsPlayback();
    if (Pressed(1, DIK_F3)) WriteReplayFile(HighlightsFilePath(SCOREBOARD_FILE).c_str(), g_highlightsList);
    if (Pressed(2, DIK_F4)) ReadReplayFile(HighlightsFilePath(SCOREBOARD_FILE).c_str());
}

void Park(CHotSpot* row) {
    row->SetRect(1, 1, 1, 1);
    row->mb_visible = 0;
    row->Disable();
}

// The hot spot over a match's block; a block cut at the bottom gets the
// narrower spot.
void PlaceRow(int position, int top, int bottom, bool cut) {
    if (position >= SCOREBOARD_ROW_SPOTS) return;
    CHotSpot* row = TS::s_rows[position];
    const int y = top - 3;
    const int end = std::min(bottom + 20, LIST_BOTTOM);
    row->SetRect(cut ? 227 : 210, y, cut ? 757 : 774, std::max(1, end - y));
    row->mb_visible = 1;
    row->mb_disabled = 0;
}

int DrawBlock(const Match& m, int y) {
    CFont* table = g_game->m_fontTable.get();
    DrawGroundWeather(m.mi_ground, 952, y + 23);
    TodaysText(230, y + 20, WHITE, table, "%s v %s", SideName(m.mi_team1), SideName(m.mi_team2));
    if (!IsLimitedOversFormat(m.mi_matchType))
        TodaysText(630, y + 20, PALE_YELLOW, table, "Day %d of %d", m.mi_dayIndex + 1, m.mi_length);
    TodaysText(800, y + 20, PALE_YELLOW, table, "%s", GroundShortText(m.mi_ground));
    y = DrawInningsLines(m, y + 50);
    TodaysText(230, y, YELLOW, table, "%s", m.ResultText().c_str());
    return y;
}

void DrawBlocks(int first) {
    const std::vector<int32_t>& rows = g_todaysLists.mv_scoreRows;
    for (CHotSpot* row : TS::s_rows) Park(row);
    int y = 150;
    int32_t previous = -1;
    for (int r = first; r < static_cast<int>(rows.size()) && r < first + SHOWN_BLOCKS; ++r) {
        if (y + 80 > BLOCK_LIMIT) return;
        const size_t at = static_cast<size_t>(rows[static_cast<size_t>(r)]);
        if (at >= g_currentMatches.size() || !g_currentMatches[at]) continue;
        const Match& m = *g_currentMatches[at];
        if (m.mi_competition != previous) {
            TodaysText(230, y + 40, YELLOW, g_game->m_fontText.get(), "%s",
                       CompetitionHeading(m.mi_competition).c_str());
            y += 45;
            previous = m.mi_competition;
        }
        const int top = y + 20;
        const int bottom = DrawBlock(m, y);
        const bool cut = bottom >= 671;
        PlaceRow(r, top, bottom, cut);
        if (cut) return;
        y = bottom + 10;
    }
}

void ChooseFilter() {
    if (TS::s_filter->m_comboState != COMBO_CHOSEN) return;
    const int32_t filter = TS::s_filter->GetSelectedValue();
    TS::s_filter->Collapse();
    TS::s_filter->SetCaption(FilterCaption(filter, "International Games"));
    TS::Rebuild(filter);
}

}  // namespace

void TS::CollectHighlights() {
    if (g_highlightsPrepared) return;  // the list being played stays
    g_highlightsList.mv_scripts.clear();
    g_highlightsList.mi_currentClip = 0;
    g_highlightsList.mi_totalTicks = 0;
    g_highlightsList.mi_elapsedTicks = 0;
    for (const auto& match : g_currentMatches) {
        if (!match || !match->HasHumanSide()) continue;
        const auto& scripts = match->mv_animScripts;
        const size_t from = static_cast<size_t>(std::max(match->mi_dayFirstScript, 0));
        for (size_t i = from; i < scripts.size(); ++i) {
            // Every ball before the newest has been marked shown; the filters decide.
            BallAnimScript copy = scripts[i];
            copy.mb_played = 0;
            if (BallIsShown(copy, g_highlightFilters)) g_highlightsList.mv_scripts.push_back(std::move(copy));
        }
    }
}

void TS::Rebuild(int32_t filter) {
    const int rows = BuildScoreboard(filter);
    for (int k = 0; k < SCOREBOARD_ROW_SPOTS; ++k) {
        if (s_rows[k]) Park(s_rows[k]);
    }
    if (s_scroll) FitScrollBar(*s_scroll, rows, SCROLL_ROWS, true);
}

void TS::Enter() {
    s_open = true;
    g_game->mv_backHistory.clear();
    g_game->UpdateHistoryButtons();
    g_game->mb_screenFrame = 1;
    s_controls.Begin();
    for (CHotSpot*& row : s_rows) {
        row = s_controls.Add<CHotSpot>(1, 1, 1, 1);
        Park(row);
    }
    s_profile = s_controls.Add<CHotSpot>(362, 51, 300, 20);
    s_profile->SetTooltip("Visit profile page");
    s_filter = s_controls.Make<CComboBox>(490, 117, 380, 25, "Local & Int");
    AddFilterItems(*s_filter);
    s_scroll = s_controls.Add<CScrollBar>(988, 180, 17, 495);
    s_scroll->mb_horizontal = 0;
    s_scroll->m_position = 0;
    s_controls.List(s_filter);
    FindTodaysTopPerformers();
    std::fill(std::begin(s_keyWasDown), std::end(s_keyWasDown), false);
    CollectHighlights();
    Rebuild(FILTER_LOCAL);
}

void TS::Update() {
    HighlightKeys();
    WheelScroll(*s_scroll);
    if (TakeClick(s_profile)) {
        OpenUserProfile();
        return;
    }
    const std::vector<int32_t>& rows = g_todaysLists.mv_scoreRows;
    for (int k = 0; k < SCOREBOARD_ROW_SPOTS; ++k) {
        if (!TakeClick(s_rows[k])) continue;
        if (k < static_cast<int>(rows.size()))
            OpenScorecard(MATCH_LIST_IN_PROGRESS, rows[static_cast<size_t>(k)]);
        return;
    }
    ChooseFilter();
}

void TS::Render() {
    const bool sameDay = g_cricket.m_date.m_day == g_dayScreenState.m_scoreboardDate.m_day;
    DrawTodaysFrame("Today's Scoreboard", sameDay ? "22:45" : g_cricket.m_date.ClockText().c_str());
    if (g_todaysLists.mv_scoreRows.empty())
        g_system->DrawText(230, 185, ALIGN_LEFT, WHITE, g_game->m_fontText.get(), "No games to show");
    else
        DrawBlocks(s_scroll->m_position);
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void TS::Leave() {
    s_controls.Free();
    for (CHotSpot*& row : s_rows) row = nullptr;
    s_profile = nullptr;
    s_filter = nullptr;
    s_scroll = nullptr;
    s_open = false;
}

}  // namespace ravel
