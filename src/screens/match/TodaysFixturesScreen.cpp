#include <cstdarg>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/match/TodaysScreens.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/team/CoachProfileScreen.h"
#include "season/DayMachine.h"
#include "season/TodaysLists.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using TF = CTodaysFixturesScreen;

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t YELLOW = 0xFFFFFF00;
constexpr uint32_t ORANGE = 0xFFF05A00;
constexpr uint32_t PALE_YELLOW = 0xFFCDCD00;
constexpr int FIXTURE_ROWS = 12;
constexpr int MATCH_BLOCKS = 4;
constexpr int32_t FIRST_UNNAMED = 508, LAST_UNNAMED = 599;

void DrawFixtureRow(const Fixture& f, int y) {
    CFont* font = g_game->m_fontTable.get();
    DrawGroundWeather(f.m_ground, 940, y + 3);
    if (f.m_competition >= FIRST_UNNAMED && f.m_competition <= LAST_UNNAMED) return;
    TodaysText(230, y, SideIsHumanRun(f.m_home) ? YELLOW : WHITE, font, "%s", SideName(f.m_home));
    TodaysText(450, y, ORANGE, font, "vs");
    TodaysText(560, y, SideIsHumanRun(f.m_away) ? YELLOW : WHITE, font, "%s", SideName(f.m_away));
    TodaysText(780, y, PALE_YELLOW, font, "%s", GroundShortText(f.m_ground));
}

void DrawStartingToday(int first) {
    const std::vector<int32_t>& rows = g_todaysLists.mv_fixtureRows;
    int y = 155;
    int32_t previous = -1;
    for (int r = first; r < static_cast<int>(rows.size()) && r < first + FIXTURE_ROWS; ++r) {
        const size_t at = static_cast<size_t>(rows[static_cast<size_t>(r)]);
        if (at >= g_todaysFixtures.size()) continue;
        const Fixture& f = g_todaysFixtures[at];
        if (f.m_competition != previous) {
            TodaysText(230, y + 35, YELLOW, g_game->m_fontText.get(), "%s",
                       CompetitionHeading(f.m_competition).c_str());
            y += 50;
            previous = f.m_competition;
        }
        y += 20;
        DrawFixtureRow(f, y);
    }
}

void DrawInProgress(int first) {
    const std::vector<int32_t>& rows = g_todaysLists.mv_fixtureRows;
    CFont* table = g_game->m_fontTable.get();
    int y = 150;
    int32_t previous = -1;
    for (int r = first; r < static_cast<int>(rows.size()) && r < first + MATCH_BLOCKS; ++r) {
        const size_t at = static_cast<size_t>(rows[static_cast<size_t>(r)]);
        if (at >= g_currentMatches.size() || !g_currentMatches[at]) continue;
        const Match& m = *g_currentMatches[at];
        if (m.mi_competition != previous) {
            if (y + 40 > 620) return;
            TodaysText(230, y + 40, YELLOW, g_game->m_fontText.get(), "%s",
                       CompetitionHeading(m.mi_competition).c_str());
            y += 45;
            previous = m.mi_competition;
        }
        if (y + 20 > 670) return;
        y += 20;
        if (!IsLimitedOversFormat(m.mi_matchType)) {
            TodaysText(230, y, WHITE, table, "%s vs %s", m.TeamName(m.mi_team1), m.TeamName(m.mi_team2));
            TodaysText(630, y, PALE_YELLOW, table, "Day %d of %d", m.mi_dayIndex + 2, m.mi_length);
            TodaysText(800, y, PALE_YELLOW, table, "%s", GroundShortText(m.mi_ground));
        }
        y = DrawInningsLines(m, y + 25);
        TodaysText(230, y, YELLOW, table, "%s", m.ResultText().c_str());
        y += 25;
    }
}

}  // namespace

void TF::ChooseFilter() {
    if (m_filter->m_comboState != COMBO_CHOSEN) return;
    const int32_t filter = m_filter->GetSelectedValue();
    m_filter->Collapse();
    m_filter->SetCaption(FilterCaption(filter, "International"));
    g_todaysLists.mi_fixtureFilter = filter;
    m_scroll->m_position = 0;
    Rebuild(g_todaysLists.mi_fixtureMode);
}

void TF::Rebuild(int32_t mode) {
    const int32_t filter = g_todaysLists.mi_fixtureFilter;
    const int rows = mode == FIXTURES_IN_PROGRESS ? BuildInProgress(filter) : BuildStartingToday(filter);
    if (m_scroll)
        FitScrollBar(*m_scroll, rows, mode == FIXTURES_IN_PROGRESS ? MATCH_BLOCKS - 1 : FIXTURE_ROWS, true);
}

void TF::Enter() {
    g_game->mv_backHistory.clear();
    g_game->UpdateHistoryButtons();
    g_game->mb_screenFrame = 1;
    m_controls.Begin();
    m_startingToday = m_controls.Add<CButton>(685, 118, 150, 20, "Starting Today");
    m_inProgress = m_controls.Add<CButton>(845, 118, 150, 20, "In Progress");
    m_profile = m_controls.Add<CHotSpot>(382, 51, 260, 20);
    m_profile->SetTooltip("Visit profile page");
    m_filter = m_controls.Make<CComboBox>(490, 117, 180, 25, "Local & Int");
    AddFilterItems(*m_filter);
    m_scroll = m_controls.Add<CScrollBar>(988, 180, 17, 495);
    m_scroll->mb_horizontal = 0;
    m_scroll->m_position = 0;
    m_controls.List(m_filter);

    FindTodaysTopPerformers();
    int rows = BuildStartingToday(FILTER_LOCAL);
    if (rows == 0) {
        rows = BuildInProgress(FILTER_LOCAL);
        m_startingToday->Disable();
    }
    if (g_currentMatches.empty()) m_inProgress->Disable();
    FitScrollBar(*m_scroll, rows, FIXTURE_ROWS, true);
    DebugLog("Into fixture screen, showing %d", rows);
}

void TF::Update() {
    WheelScroll(*m_scroll);
    if (TakeClick(m_inProgress)) Rebuild(FIXTURES_IN_PROGRESS);
    if (TakeClick(m_startingToday)) Rebuild(FIXTURES_STARTING_TODAY);
    if (TakeClick(m_profile)) {
        OpenUserProfile();
        return;
    }
    ChooseFilter();
}

void TF::Render() {
    DrawTodaysFrame("Today's Fixtures", "08:45");
    if (g_todaysLists.mv_fixtureRows.empty()) {
        g_system->DrawText(230, 190, ALIGN_LEFT, WHITE, g_game->m_fontText.get(), "No games to show");
    } else if (g_todaysLists.mi_fixtureMode == FIXTURES_IN_PROGRESS) {
        DrawInProgress(m_scroll->m_position);
    } else {
        DrawStartingToday(m_scroll->m_position);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void TF::Leave() {
    m_controls.Free();
    m_startingToday = m_inProgress = nullptr;
    m_profile = nullptr;
    m_filter = nullptr;
    m_scroll = nullptr;
    g_todaysLists.mi_fixtureMode = FIXTURES_STARTING_TODAY;
}

}  // namespace ravel
