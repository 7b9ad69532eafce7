// The competition screen's statistics, history and rules pages.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/menus/StatsTable.h"
#include "season/Standings.h"
#include "shell/Game.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

namespace {

using CS = CCompetitionScreen;

constexpr const char* NO_STATISTICS = "No statistics available";

void Text(int x, int y, uint32_t colour, const char* text, CFont* font = nullptr) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, font ? font : g_game->m_fontText.get(), "%s", text);
}

void DrawTeamStats(const CS& cs) {
    if (cs.TeamList() >= STREAK_WON && cs.TeamList() <= STREAK_UNBEATEN) {
        Text(230, 195, TEXT_ORANGE, "Team");
        Text(930, 195, TEXT_ORANGE, "Games");
        for (size_t i = 0; i < cs.mv_streaks.size() && i < static_cast<size_t>(COMP_STATS_ROWS); ++i) {
            const StandingsRow& r = cs.mv_streaks[i];
            const int y = 220 + 20 * static_cast<int>(i);
            Text(230, y, TEXT_WHITE, SideName(r.m_team));
            g_system->DrawText(930, y, ALIGN_LEFT, TEXT_WHITE, g_game->m_fontText.get(), "%d",
                               StreakOf(r, cs.TeamList()));
        }
        return;
    }
    Text(230, 195, TEXT_ORANGE, "Team");
    Text(370, 195, TEXT_ORANGE, "Match");
    Text(780, 195, TEXT_ORANGE, "Date");
    Text(930, 195, TEXT_ORANGE, "Total");
    if (cs.mv_innings.empty()) {
        Text(230, 220, TEXT_WHITE, NO_STATISTICS);
        return;
    }
    CFont* small = g_game->m_fontTable.get();
    for (size_t i = 0; i < cs.mv_innings.size() && i < static_cast<size_t>(COMP_STATS_ROWS); ++i) {
        const TeamInningsRow& r = cs.mv_innings[i];
        const int y = 220 + 20 * static_cast<int>(i);
        Text(230, y, TEXT_WHITE, InningsTeamName(r).c_str(), small);
        Text(370, y, TEXT_WHITE, InningsMatchTitle(r).c_str(), small);
        Text(780, y, TEXT_WHITE, InningsMatchDate(r).c_str(), small);
        Text(930, y, TEXT_WHITE, InningsTotalText(r).c_str(), small);
    }
}

}  // namespace

void DrawCompetitionStatsPage(const CCompetitionScreen& cs) {
    if (cs.Page() == COMP_PAGE_TEAM_STATS) {
        DrawTeamStats(cs);
        return;
    }
    const Competition* c = cs.ShownCompetition();
    StatsTableLayout layout;
    layout.m_matchX = 410;
    layout.m_hundredsFirst = true;
    layout.m_limitedOvers = c && IsLimitedOversFormat(c->m_format);
    layout.m_headingY = 195;
    layout.m_rowsY = 220;
    DrawStatsHeadings(cs.PlayerList(), layout);
    DrawStatsRows(cs.PlayerList(), cs.mv_stats, cs.ScrollPosition(), layout, NO_STATISTICS);
}

void DrawCompetitionHistoryPage(const CCompetitionScreen& cs) {
    Text(230, 165, TEXT_ORANGE, "Season");
    Text(400, 165, TEXT_ORANGE, "Winner");
    Text(650, 165, TEXT_ORANGE, "Runner-up");
    const Competition* c = cs.ShownCompetition();
    if (!c || c->mv_history.empty()) {
        Text(230, 190, TEXT_YELLOW, "No history is currently available");
        return;
    }
    // The seasons read from the world come newest first and those played
    // since are added at the end: one order, newest first.
    std::vector<HistoryEntry> history = c->mv_history;
    std::stable_sort(history.begin(), history.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) { return a.m_season > b.m_season; });
    const int first = cs.ScrollPosition();
    for (int k = 0; k < COMP_LIST_ROWS; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (i >= history.size()) break;
        const HistoryEntry& e = history[i];
        const int y = 190 + 20 * k;
        Text(230, y, TEXT_WHITE, SeasonLabel(e.m_season).c_str());
        if (e.m_winner == HISTORY_NOT_HELD) {
            Text(400, y, TEXT_YELLOW, "No competition");
            continue;
        }
        if (e.m_winner == HISTORY_SHARED) {
            Text(400, y, TEXT_YELLOW, "Shared");
            continue;
        }
        if (e.m_winner > 0) Text(400, y, TEXT_WHITE, SideName(e.m_winner));
        Text(650, y, TEXT_WHITE, e.m_runnerUp > 0 ? SideName(e.m_runnerUp) : "-");
    }
}

void DrawCompetitionRulesPage(const CCompetitionScreen& cs) {
    const Competition* c = cs.ShownCompetition();
    if (!c) return;
    Text(230, 170, TEXT_ORANGE, "Rules");
    g_system->FillRect(213, 188, 1009, 190, TEXT_WHITE);
    char window[64] = "-";
    if (!c->mv_rounds.empty()) {
        int firstDay = c->mv_rounds.front().m_dayOfSeason;
        int lastDay = firstDay;
        for (const RoundDate& r : c->mv_rounds) {
            firstDay = std::min(firstDay, r.m_dayOfSeason);
            lastDay = std::max(lastDay, r.m_dayOfSeason);
        }
        const GameDate a = GameDate::FromSeasonDay(firstDay, g_cricket.m_date.m_season);
        const GameDate b = GameDate::FromSeasonDay(lastDay, g_cricket.m_date.m_season);
        std::snprintf(window, sizeof window, "%d.%d.%d to %d.%d.%d", a.m_day, a.m_month, a.m_year, b.m_day,
                      b.m_month, b.m_year);
    }
    char values[9][64];
    std::snprintf(values[0], sizeof values[0], "%d", c->TeamCount());
    std::snprintf(values[1], sizeof values[1], "%d", c->m_promotion);
    std::snprintf(values[2], sizeof values[2], "%d", c->m_relegation);
    std::snprintf(values[3], sizeof values[3], "%s", window);
    std::snprintf(values[4], sizeof values[4], "%d points", c->m_points[POINTS_WIN]);
    std::snprintf(values[5], sizeof values[5], "%d points", c->m_points[POINTS_DRAW]);
    std::snprintf(values[6], sizeof values[6], "%d points", c->m_points[POINTS_TIE]);
    std::snprintf(values[7], sizeof values[7], "%d points", c->m_points[POINTS_LOSS]);
    if (c->m_format == FORMAT_FIRST_CLASS)
        std::snprintf(values[8], sizeof values[8], "%d days (%d innings per side)", c->m_length, 2);
    else
        std::snprintf(values[8], sizeof values[8], "%d overs per side", c->m_length);
    static const char* const LABELS[] = {
        "Number of teams",  "Promotion places",  "Relegation places",
        "Season window",    "Points for a win",  "Points for a draw/no result",
        "Points for a tie", "Points for a loss", "Match length"};
    for (int i = 0; i < 9; ++i) {
        Text(230, 190 + 20 * i, TEXT_WHITE, LABELS[i]);
        Text(600, 190 + 20 * i, TEXT_YELLOW, values[i]);
    }
}

}  // namespace ravel
