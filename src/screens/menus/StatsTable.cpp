#include "screens/menus/StatsTable.h"

#include <cstdio>
#include <utility>

#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenFrame.h"
#include "season/PlayerIcons.h"
#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

namespace {

constexpr int ICON_X = 210;
constexpr int NAME_X = 230;

void Heading(int x, int y, const char* text, int alignment = ALIGN_LEFT) {
    g_system->DrawText(x, y, alignment, TEXT_ORANGE, g_game->m_fontHeading.get(), "%s", text);
}

void Cell(int x, int y, uint32_t colour, const char* format, int value, int alignment = ALIGN_CENTRE) {
    g_system->DrawText(x, y, alignment, colour, g_game->m_fontText.get(), format, value);
}

void TextCell(int x, int y, const char* text) {
    g_system->DrawText(x, y, ALIGN_LEFT, TEXT_WHITE, g_game->m_fontText.get(), "%s", text);
}

bool Averages(int list) {
    return list >= PLAYER_LIST_BATTING;
}

bool Bowling(int list) {
    return list == PLAYER_LIST_BOWLING || list == PLAYER_LIST_MOST_WICKETS;
}

void DrawAveragesRow(int list, const StatsRow& r, int y, const StatsTableLayout& layout) {
    TextCell(NAME_X, y, PerformancePlayerName(r).c_str());
    TextCell(440, y, PerformanceTeamShortName(r).c_str());
    char text[32];
    if (!Bowling(list)) {
        Cell(600, y, TEXT_WHITE, "%d", r.m_matches);
        Cell(650, y, TEXT_WHITE, "%d", r.m_innings);
        Cell(700, y, TEXT_WHITE, "%d", r.m_notOuts);
        Cell(750, y, TEXT_WHITE, "%d", r.m_runs);
        Cell(800, y, TEXT_WHITE, r.m_highestNotOut ? "%d*" : "%d", r.m_highest);
        std::snprintf(text, sizeof text, "%1.2f", r.BattingAverage());
        g_system->DrawText(850, y, ALIGN_CENTRE, TEXT_YELLOW, g_game->m_fontText.get(), "%s", text);
        Cell(900, y, TEXT_WHITE, "%d", layout.m_hundredsFirst ? r.m_hundreds : r.m_fifties);
        Cell(950, y, TEXT_WHITE, "%d", layout.m_hundredsFirst ? r.m_fifties : r.m_hundreds);
        return;
    }
    std::snprintf(text, sizeof text, "%d.%d", r.m_balls / 6, r.m_balls % 6);
    g_system->DrawText(570, y, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontText.get(), "%s", text);
    Cell(650, y, TEXT_WHITE, "%d", r.m_maidens);
    Cell(700, y, TEXT_WHITE, "%d", r.m_runsConceded);
    Cell(750, y, TEXT_WHITE, "%d", r.m_wickets);
    std::snprintf(text, sizeof text, "%d-%d", r.m_bestWickets, r.m_bestRuns);
    g_system->DrawText(800, y, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontText.get(), "%s", text);
    std::snprintf(text, sizeof text, "%1.2f", r.BowlingAverage());
    g_system->DrawText(850, y, ALIGN_CENTRE, TEXT_YELLOW, g_game->m_fontText.get(), "%s", text);
    Cell(900, y, TEXT_WHITE, "%d", r.m_haulsA);
    Cell(950, y, TEXT_WHITE, "%d", r.m_haulsB);
}

void DrawPerformanceRow(int list, const StatsRow& r, int y, const StatsTableLayout& layout) {
    TextCell(NAME_X, y, PerformancePlayerName(r).c_str());
    TextCell(layout.m_matchX, y, PerformanceMatchTitle(r).c_str());
    if (list == PLAYER_LIST_BOUNDARIES) {
        TextCell(710, y, PerformanceMatchDate(r).c_str());
        Cell(850, y, TEXT_WHITE, "%d", r.m_second, ALIGN_LEFT);
        Cell(900, y, TEXT_WHITE, "%d", r.m_first - r.m_second, ALIGN_LEFT);
        Cell(950, y, TEXT_WHITE, "%d", r.m_first, ALIGN_LEFT);
        return;
    }
    TextCell(780, y, PerformanceMatchDate(r).c_str());
    TextCell(930, y,
             list == PLAYER_LIST_TOP_BOWLING ? PerformanceBowlingText(r).c_str()
                                             : PerformanceScoreText(r).c_str());
}

}  // namespace

void DrawStatsHeadings(int list, const StatsTableLayout& layout) {
    const int y = layout.m_headingY;
    if (!Averages(list)) {
        Heading(NAME_X, y, "Player");
        Heading(layout.m_matchX, y, "Match");
        if (list == PLAYER_LIST_BOUNDARIES) {
            Heading(710, y, "Date");
            Heading(850, y, "4's", ALIGN_CENTRE);
            Heading(900, y, "6's", ALIGN_CENTRE);
            Heading(950, y, "Total", ALIGN_CENTRE);
            return;
        }
        Heading(780, y, "Date");
        static const char* const VALUE[] = {"Score", "Figures", "4's", "6's"};
        const int k = list - PLAYER_LIST_TOP_SCORES;
        Heading(930, y, k >= 0 && k < 4 ? VALUE[k] : "");
        return;
    }
    Heading(NAME_X, y, "Name");
    Heading(440, y, "Team");
    if (!Bowling(list)) {
        const char* last[2] = {"50", "100"};
        if (layout.m_hundredsFirst) std::swap(last[0], last[1]);
        const struct {
            int x;
            const char* text;
        } cols[] = {{600, "M"},  {650, "I"},   {700, "NO"},    {750, "Runs"},
                    {800, "HS"}, {850, "Ave"}, {900, last[0]}, {950, last[1]}};
        for (const auto& c : cols) Heading(c.x, y, c.text, ALIGN_CENTRE);
        return;
    }
    const struct {
        int x;
        const char* text;
    } cols[] = {{570, "O"},
                {650, "M"},
                {700, "R"},
                {750, "W"},
                {800, "BB"},
                {850, "Ave"},
                {900, layout.m_limitedOvers ? "4w" : "5w"},
                {950, layout.m_limitedOvers ? "5w" : "10w"}};
    for (const auto& c : cols) Heading(c.x, y, c.text, ALIGN_CENTRE);
}

void DrawStatsRows(int list, const std::vector<StatsRow>& rows, int first, const StatsTableLayout& layout,
                   const char* emptyText) {
    if (rows.empty()) {
        TextCell(NAME_X, layout.m_rowsY, emptyText);
        return;
    }
    for (int k = 0; k < STATS_TABLE_ROWS; ++k) {
        const size_t index = static_cast<size_t>(first + k);
        if (first + k < 0 || index >= rows.size()) break;
        const StatsRow& r = rows[index];
        const int y = layout.m_rowsY + STATS_ROW_HEIGHT * k;
        if (const CSprite* icon = g_game->Tile(PlayerRoleIconWithKeeper(r.m_player))) icon->Draw(ICON_X, y);
        if (Averages(list))
            DrawAveragesRow(list, r, y, layout);
        else
            DrawPerformanceRow(list, r, y, layout);
    }
}

}  // namespace ravel
