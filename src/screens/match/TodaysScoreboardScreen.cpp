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

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t YELLOW = 0xFFFFFF00;
constexpr uint32_t PALE_YELLOW = 0xFFCDCD00;
constexpr int SHOWN_BLOCKS = 6;
constexpr int SCROLL_ROWS = 5;
constexpr int BLOCK_LIMIT = 660;
constexpr int LIST_BOTTOM = 695;
constexpr char SCOREBOARD_FILE[] = "test.tv";

}  // namespace

bool TS::Pressed(int index, int key) {
    const bool down = g_system->KeyDown(key);
    const bool pressed = down && !m_keyWasDown[index];
    m_keyWasDown[index] = down;
    return pressed;
}

void TS::HighlightKeys() {
    if (Pressed(0, DIK_F2)) StartHighlightsPlayback();
    if (Pressed(1, DIK_F3)) WriteReplayFile(HighlightsFilePath(SCOREBOARD_FILE).c_str(), g_highlightsList);
    if (Pressed(2, DIK_F4)) ReadReplayFile(HighlightsFilePath(SCOREBOARD_FILE).c_str());
}

namespace {

void Park(CHotSpot* row) {
    row->SetRect(1, 1, 1, 1);
    row->mb_visible = 0;
    row->Disable();
}

}  // namespace

// The hot spot over a match's block; a block cut at the bottom gets the
// narrower spot.
void TS::PlaceRow(int position, int top, int bottom, bool cut) {
    if (position >= SCOREBOARD_ROW_SPOTS) return;
    CHotSpot* row = m_rows[position];
    const int y = top - 3;
    const int end = std::min(bottom + 20, LIST_BOTTOM);
    row->SetRect(cut ? 227 : 210, y, cut ? 757 : 774, std::max(1, end - y));
    row->mb_visible = 1;
    row->mb_disabled = 0;
}

namespace {

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

}  // namespace

void TS::DrawBlocks(int first) {
    const std::vector<int32_t>& rows = g_todaysLists.mv_scoreRows;
    for (CHotSpot* row : m_rows) Park(row);
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

void TS::ChooseFilter() {
    if (m_filter->m_comboState != COMBO_CHOSEN) return;
    const int32_t filter = m_filter->GetSelectedValue();
    m_filter->Collapse();
    m_filter->SetCaption(FilterCaption(filter, "International Games"));
    Rebuild(filter);
}

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
        if (m_rows[k]) Park(m_rows[k]);
    }
    if (m_scroll) FitScrollBar(*m_scroll, rows, SCROLL_ROWS, true);
}

void TS::Enter() {
    g_game->mv_backHistory.clear();
    g_game->UpdateHistoryButtons();
    g_game->mb_screenFrame = 1;
    m_controls.Begin();
    for (CHotSpot*& row : m_rows) {
        row = m_controls.Add<CHotSpot>(1, 1, 1, 1);
        Park(row);
    }
    m_profile = m_controls.Add<CHotSpot>(362, 51, 300, 20);
    m_profile->SetTooltip("Visit profile page");
    m_filter = m_controls.Make<CComboBox>(490, 117, 380, 25, "Local & Int");
    AddFilterItems(*m_filter);
    m_scroll = m_controls.Add<CScrollBar>(988, 180, 17, 495);
    m_scroll->mb_horizontal = 0;
    m_scroll->m_position = 0;
    m_controls.List(m_filter);
    FindTodaysTopPerformers();
    std::fill(std::begin(m_keyWasDown), std::end(m_keyWasDown), false);
    CollectHighlights();
    Rebuild(FILTER_LOCAL);
}

void TS::Update() {
    HighlightKeys();
    WheelScroll(*m_scroll);
    if (TakeClick(m_profile)) {
        OpenUserProfile();
        return;
    }
    const std::vector<int32_t>& rows = g_todaysLists.mv_scoreRows;
    for (int k = 0; k < SCOREBOARD_ROW_SPOTS; ++k) {
        if (!TakeClick(m_rows[k])) continue;
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
        DrawBlocks(m_scroll->m_position);
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void TS::Leave() {
    m_controls.Free();
    for (CHotSpot*& row : m_rows) row = nullptr;
    m_profile = nullptr;
    m_filter = nullptr;
    m_scroll = nullptr;
}

}  // namespace ravel
