#include "screens/menus/SeriesOverviewScreen.h"

#include <algorithm>
#include <cstdio>

#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/menus/StatsTable.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Fixtures.h"
#include "season/Standings.h"
#include "season/Tours.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using SO = CSeriesOverviewScreen;

int32_t SO::s_seriesId = 0;
int32_t SO::s_kind = -1;
int32_t SO::s_page = SERIES_PAGE_OVERVIEW;
int32_t SO::s_statsList = PLAYER_LIST_TOP_SCORES;
std::vector<FixtureListEntry> SO::sv_schedule;
FixtureFilter SO::s_scheduleFilter;
std::vector<StatsRow> SO::sv_stats;
StatsFilter SO::s_statsFilter;
CButton* SO::s_tabs[SO::TABS] = {};
CHotSpot* SO::s_rows[SERIES_ROW_SPOTS] = {};
CComboBox* SO::s_comboStats = nullptr;
CScrollBar* SO::s_scroll = nullptr;

namespace {

ScreenControls s_controls;

// In the drop-down's order.
constexpr SeriesStatsList STATS_LISTS[] = {
    {PLAYER_LIST_TOP_SCORES, 1, STATS_TOP_SCORES, "Highest Individual Scores"},
    {PLAYER_LIST_TOP_BOWLING, 2, STATS_TOP_BOWLING, "Best Bowling"},
    {PLAYER_LIST_FOURS, 3, STATS_TOP_FOURS, "Most fours in an innings"},
    {PLAYER_LIST_SIXES, 4, STATS_TOP_SIXES, "Most sixes in an innings"},
    {PLAYER_LIST_BOUNDARIES, 5, STATS_TOP_BOUNDARIES, "Most boundaries in an innings"},
    {PLAYER_LIST_BATTING, 7, STATS_BATTING, "Batting averages"},
    {PLAYER_LIST_MOST_RUNS, 9, STATS_MOST_RUNS, "Most runs"},
    {PLAYER_LIST_BOWLING, 8, STATS_BOWLING, "Bowling averages"},
    {PLAYER_LIST_MOST_WICKETS, 10, STATS_MOST_WICKETS, "Most wickets"},
};
// The drop-down names the first list by its batting title.
constexpr const char* FIRST_ITEM = "Highest Batting Score";

struct TabDef {
    int x;
    const char* caption;
    const char* tooltip;
};
constexpr TabDef TAB_DEFS[SO::TABS] = {
    {210, "Overview", "View series overview"},
    {470, "Schedule", "View series schedule"},
    {730, "Player Stats", "View series player statistics"},
};

constexpr int FIRST_FLAG_COUNTRY = 1;
constexpr int LAST_FLAG_COUNTRY = 11;
constexpr int FLAG_TILE_BASE = 42;

const char* ItemText(const SeriesStatsList& l) {
    return l.m_list == PLAYER_LIST_TOP_SCORES ? FIRST_ITEM : l.m_title;
}

int ScrollPosition() {
    return SO::s_scroll ? SO::s_scroll->m_position : 0;
}

const Series* ShownTriangular() {
    return SO::s_kind == OVERVIEW_TRIANGULAR ? SeriesById(SO::s_seriesId) : nullptr;
}

void Text(int x, int y, uint32_t colour, const char* text, CFont* font = nullptr) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, font ? font : g_game->m_fontText.get(), "%s", text);
}
void Centred(int x, int y, uint32_t colour, const char* text, CFont* font = nullptr) {
    g_system->DrawText(x, y, ALIGN_CENTRE, colour, font ? font : g_game->m_fontText.get(), "%s", text);
}

void DrawFlag(int countryId, int x, int y) {
    if (countryId < FIRST_FLAG_COUNTRY || countryId > LAST_FLAG_COUNTRY) return;
    if (const CSprite* flag = g_game->Tile(FLAG_TILE_BASE + countryId)) flag->Draw(x, y);
}

void DrawPairOverview(const TourSeries& s) {
    CFont* title = g_game->m_fontTitle.get();
    Centred(512, 50, TEXT_WHITE, "Series overview");
    Centred(611, 200, TEXT_WHITE, SideName(s.m_home), title);
    DrawFlag(s.m_home, 576, 240);
    Centred(611, 300, TEXT_WHITE, "vs");
    DrawFlag(s.m_away, 576, 360);
    Centred(611, 400, TEXT_WHITE, SideName(s.m_away), title);
    Centred(611, 600, TEXT_WHITE, SeriesStatusText(s).c_str(), title);
}

void DrawTriangularOverview(const Series& s) {
    Centred(512, 50, TEXT_WHITE, "Current standings");
    Text(320, 170, TEXT_ORANGE, "Team");
    constexpr int XS[] = {480, 530, 580, 630, 680, 730, 780, 830};
    static const char* const HEADINGS[] = {"Plyd", "Won", "Lost", "NR", "Tied", "Bon", "Pts", "NRR"};
    for (size_t i = 0; i < std::size(XS); ++i) Centred(XS[i], 170, TEXT_ORANGE, HEADINGS[i]);
    char text[32];
    for (size_t i = 0; i < s.mv_standings.size(); ++i) {
        const StandingsRow& r = s.mv_standings[i];
        const int y = 195 + 40 * static_cast<int>(i);
        DrawFlag(r.m_team, 230, y - 5);
        Text(320, y, TEXT_WHITE, SideName(r.m_team));
        const int figures[] = {r.Played(), r.m_won, r.m_lost, r.m_drawn, r.m_tied, r.m_bonus1 + r.m_bonus2};
        for (size_t k = 0; k < std::size(figures); ++k) {
            std::snprintf(text, sizeof text, "%d", figures[k]);
            Centred(XS[k], y, TEXT_WHITE, text);
        }
        std::snprintf(text, sizeof text, "%d", r.m_points);
        Centred(780, y, TEXT_YELLOW, text);
        std::snprintf(text, sizeof text, "%1.3f", r.m_netRunRate);
        Centred(830, y, TEXT_WHITE, text);
    }
    if (!s.mv_finals.empty()) {
        Text(230, 440, TEXT_WHITE, "Finals");
        Text(230, 460, TEXT_YELLOW, TournamentStatusText(s).c_str());
    }
    Text(230, 340, TEXT_WHITE, "Explanation");
    static const char* const LINES[] = {
        "Each team scores 5 points for a win, 3 points for a tie or no result and one point for a loss.",
        "The team that achieves a run rate of 1.25 times that of the opposition shall be awarded one bonus "
        "point.",
        "If a bonus point is awarded, the losing team scores no points."};
    for (int i = 0; i < 3; ++i) Text(230, 360 + 20 * i, TEXT_WHITE, LINES[i], g_game->m_fontTiny.get());
}

void DrawSchedule() {
    Centred(512, 50, TEXT_WHITE, "Fixtures & Results");
    CFont* heading = g_game->m_fontHeading.get();
    Text(230, 170, TEXT_ORANGE, "Date", heading);
    Text(380, 170, TEXT_ORANGE, "Teams", heading);
    Text(680, 170, TEXT_ORANGE, "Result", heading);
    const int first = ScrollPosition();
    char text[160];
    for (int k = 0; k < SERIES_SCHEDULE_ROWS; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (i >= SO::sv_schedule.size()) break;
        const FixtureListEntry& row = SO::sv_schedule[i];
        const int y = 190 + 40 * k;
        Text(230, y, TEXT_WHITE, DateText(row).c_str());
        Text(380, y, TEXT_WHITE, MatchTitle(row).c_str());
        std::snprintf(text, sizeof text, "at %s", GroundText(row).c_str());
        Text(230, y + 20, TEXT_YELLOW, text);
        Text(680, y, TEXT_WHITE, ResultRuleText(row).c_str());
    }
}

void DrawStats() {
    Centred(512, 50, TEXT_WHITE, "Player Stats");
    if (const SeriesStatsList* l = FindSeriesStatsList(SO::s_statsList))
        Text(230, 170, TEXT_YELLOW, l->m_title);
    StatsTableLayout layout;
    layout.m_matchX = 370;
    layout.m_hundredsFirst = false;
    layout.m_limitedOvers = SO::s_kind != OVERVIEW_TESTS;
    layout.m_headingY = 200;
    layout.m_rowsY = 220;
    DrawStatsHeadings(SO::s_statsList, layout);
    DrawStatsRows(SO::s_statsList, SO::sv_stats, 0, layout, "No player statistics are available to display.");
}

void SetPage(int page) {
    SO::s_page = page;
    SO::Layout();
}

}  // namespace

const SeriesStatsList* FindSeriesStatsList(int list) {
    for (const SeriesStatsList& l : STATS_LISTS)
        if (l.m_list == list) return &l;
    return nullptr;
}

int SO::KindOf(int seriesId) {
    const TourSeries* s = TourSeriesById(seriesId);
    if (!s) return -1;
    if (seriesId % 2 != 0) return OVERVIEW_TESTS;
    return s->m_series >= 1 ? OVERVIEW_TRIANGULAR : OVERVIEW_ONE_DAY;
}

void SO::BuildStatsList() {
    const SeriesStatsList* l = FindSeriesStatsList(s_statsList);
    if (!l) return;
    s_statsFilter.Clear();
    s_statsFilter.AddCompetition(s_seriesId);
    BuildPlayerStatsList(s_statsFilter, sv_stats, l->m_kind, STATS_TABLE_ROWS);
}

void SO::Enter() {
    s_seriesId = g_screenSubjects.m_seriesId;
    s_kind = KindOf(s_seriesId);
    BuildStatsList();
    s_scheduleFilter.Clear();
    s_scheduleFilter.AddCompetition(s_seriesId);
    BuildFixtureList(s_scheduleFilter, sv_schedule, ORDER_DATE);
    if (s_kind < 0) {
        sv_schedule.clear();
        sv_stats.clear();
    }
    s_controls.Begin();
    for (int i = 0; i < TABS; ++i) {
        s_tabs[i] =
            s_controls.Make<CButton>(TAB_DEFS[i].x, 105, 250, 20, TAB_DEFS[i].caption, TAB_DEFS[i].tooltip);
        s_tabs[i]->m_style = 1;
    }
    for (CHotSpot*& row : s_rows) {
        row = s_controls.Add<CHotSpot>(230, 200, 50, 30);
        ShowRow(row, false);
    }
    const SeriesStatsList* shown = FindSeriesStatsList(s_statsList);
    s_comboStats = s_controls.Make<CComboBox>(600, 160, 400, 25, shown ? ItemText(*shown) : FIRST_ITEM);
    for (const SeriesStatsList& l : STATS_LISTS) s_comboStats->AddListItem(ItemText(l), l.m_value);
    s_scroll = s_controls.Make<CScrollBar>(990, 190, 17, 500);
    s_scroll->mb_horizontal = 0;
    s_scroll->m_position = 0;
    FitScrollBar(*s_scroll, static_cast<int>(sv_schedule.size()), SERIES_SCHEDULE_ROWS, true);
    for (CButton* tab : s_tabs) s_controls.List(tab);
    s_controls.List(s_comboStats);
    s_controls.List(s_scroll);
    g_game->mb_screenFrame = 1;
    if (Series* s = s_kind == OVERVIEW_TRIANGULAR ? SeriesById(s_seriesId) : nullptr) SortSeriesStandings(*s);
    Layout();
}

void SO::Layout() {
    for (CHotSpot* row : s_rows) ShowRow(row, false);
    s_scroll->mb_visible = 0;
    s_comboStats->mb_visible = s_page == SERIES_PAGE_STATS ? 1 : 0;
    if (s_page == SERIES_PAGE_OVERVIEW) {
        const Series* s = ShownTriangular();
        const int rows = s ? static_cast<int>(s->mv_standings.size()) : 0;
        for (int i = 0; i < SERIES_SCHEDULE_ROWS && i < rows; ++i) {
            s_rows[i]->SetRect(220, 190 + 40 * i, 770, 39);
            ShowRow(s_rows[i], true);
        }
    } else if (s_page == SERIES_PAGE_SCHEDULE) {
        const int rows = static_cast<int>(sv_schedule.size());
        const int first = FitScrollBar(*s_scroll, rows, SERIES_SCHEDULE_ROWS, true);
        for (int i = 0; i < SERIES_SCHEDULE_ROWS && first + i < rows; ++i) {
            s_rows[i]->SetRect(210, 190 + 40 * i, 770, 39);
            ShowRow(s_rows[i], true);
        }
    } else if (s_page == SERIES_PAGE_STATS) {
        const int rows = static_cast<int>(sv_stats.size());
        for (int i = 0; i < STATS_TABLE_ROWS && i < rows; ++i) {
            s_rows[i]->SetRect(210, 220 + 20 * i, 770, 19);
            ShowRow(s_rows[i], true);
        }
    }
}

void SO::Update() {
    if (s_scroll->mb_visible) {
        WheelScroll(*s_scroll);
        if (s_page == SERIES_PAGE_SCHEDULE) Layout();
    }
    if (s_page == SERIES_PAGE_SCHEDULE) {
        for (int i = 0; i < SERIES_ROW_SPOTS; ++i) {
            if (!TakeClick(s_rows[i])) continue;
            const size_t k = static_cast<size_t>(ScrollPosition() + i);
            if (k >= sv_schedule.size()) continue;
            const FixtureListEntry& row = sv_schedule[k];
            if (row.m_kind != ROW_COMPLETED && row.m_kind != ROW_IN_PROGRESS) continue;
            OpenScorecardOfMatch(row.m_match);
            return;
        }
    }
    if (s_page == SERIES_PAGE_OVERVIEW) {
        const Series* s = ShownTriangular();
        for (int i = 0; s && i < SERIES_ROW_SPOTS; ++i) {
            if (!TakeClick(s_rows[i]) || static_cast<size_t>(i) >= s->mv_standings.size()) continue;
            OpenSide(s->mv_standings[static_cast<size_t>(i)].m_team);
            return;
        }
    }
    if (s_page == SERIES_PAGE_STATS) {
        for (int i = 0; i < SERIES_ROW_SPOTS; ++i) {
            if (!TakeClick(s_rows[i]) || static_cast<size_t>(i) >= sv_stats.size()) continue;
            return OpenPlayerDetails(sv_stats[static_cast<size_t>(i)].m_player);
        }
        if (s_comboStats->m_comboState == COMBO_CHOSEN) {
            const int list = PLAYER_LIST_TOP_SCORES - 1 + s_comboStats->GetSelectedValue();
            const SeriesStatsList* l = FindSeriesStatsList(list);
            if (l && list != s_statsList) {
                s_statsList = list;
                BuildStatsList();
                s_comboStats->SetCaption(ItemText(*l));
            }
            Layout();
            s_comboStats->Collapse();
        }
    }
    int page = 0;
    if (TakeClick(s_tabs[TAB_OVERVIEW])) page = SERIES_PAGE_OVERVIEW;
    if (TakeClick(s_tabs[TAB_SCHEDULE])) page = SERIES_PAGE_SCHEDULE;
    if (TakeClick(s_tabs[TAB_STATS])) page = SERIES_PAGE_STATS;
    if (page) SetPage(page);
}

void SO::Render() {
    g_game->m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 131);
    g_system->ShadeRect(203, 133, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    g_system->FillRect(210, 188, 980, 190, TEXT_WHITE);
    CFont* title = g_game->m_fontTitle.get();
    const TourSeries* s = TourSeriesById(s_seriesId);
    if (!s) {
        Centred(512, 15, TEXT_WHITE, "Series", title);
        Text(230, 200, TEXT_YELLOW, "No record of this series is held");
    } else {
        char text[96];
        if (s_kind == OVERVIEW_TRIANGULAR)
            std::snprintf(text, sizeof text, "Triangular Tournament");
        else
            std::snprintf(text, sizeof text, "%s v %s", SideName(s->m_home), SideName(s->m_away));
        Centred(512, 15, TEXT_WHITE, text, title);
        if (s_page == SERIES_PAGE_OVERVIEW) {
            if (const Series* t = ShownTriangular())
                DrawTriangularOverview(*t);
            else if (s_kind == OVERVIEW_TRIANGULAR)
                Text(230, 200, TEXT_YELLOW, "The tournament's table is not made yet");
            else
                DrawPairOverview(*s);
        } else if (s_page == SERIES_PAGE_SCHEDULE) {
            DrawSchedule();
        } else if (s_page == SERIES_PAGE_STATS) {
            DrawStats();
        }
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void SO::Leave() {
    s_controls.Free();
    for (CHotSpot*& row : s_rows) row = nullptr;
    for (CButton*& tab : s_tabs) tab = nullptr;
    s_comboStats = nullptr;
    s_scroll = nullptr;
}

}  // namespace ravel
