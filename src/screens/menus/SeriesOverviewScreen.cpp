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

namespace {

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
        ("The team that achieves a run rate of 1.25 times that of the opposition shall be awarded one bonus "
         "point."),
        "If a bonus point is awarded, the losing team scores no points."};
    for (int i = 0; i < 3; ++i) Text(230, 360 + 20 * i, TEXT_WHITE, LINES[i], g_game->m_fontTiny.get());
}

}  // namespace

int SO::ScrollPosition() const {
    return m_scroll ? m_scroll->m_position : 0;
}

const Series* SO::ShownTriangular() const {
    return m_kind == OVERVIEW_TRIANGULAR ? SeriesById(m_kept.seriesId) : nullptr;
}

void SO::DrawSchedule() const {
    Centred(512, 50, TEXT_WHITE, "Fixtures & Results");
    CFont* heading = g_game->m_fontHeading.get();
    Text(230, 170, TEXT_ORANGE, "Date", heading);
    Text(380, 170, TEXT_ORANGE, "Teams", heading);
    Text(680, 170, TEXT_ORANGE, "Result", heading);
    const int first = ScrollPosition();
    char text[160];
    for (int k = 0; k < SERIES_SCHEDULE_ROWS; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (i >= mv_schedule.size()) break;
        const FixtureListEntry& row = mv_schedule[i];
        const int y = 190 + 40 * k;
        Text(230, y, TEXT_WHITE, DateText(row).c_str());
        Text(380, y, TEXT_WHITE, MatchTitle(row).c_str());
        std::snprintf(text, sizeof text, "at %s", GroundText(row).c_str());
        Text(230, y + 20, TEXT_YELLOW, text);
        Text(680, y, TEXT_WHITE, ResultRuleText(row).c_str());
    }
}

void SO::DrawStats() const {
    Centred(512, 50, TEXT_WHITE, "Player Stats");
    if (const SeriesStatsList* l = FindSeriesStatsList(m_kept.statsList))
        Text(230, 170, TEXT_YELLOW, l->m_title);
    StatsTableLayout layout;
    layout.m_matchX = 370;
    layout.m_hundredsFirst = false;
    layout.m_limitedOvers = m_kind != OVERVIEW_TESTS;
    layout.m_headingY = 200;
    layout.m_rowsY = 220;
    DrawStatsHeadings(m_kept.statsList, layout);
    DrawStatsRows(m_kept.statsList, mv_stats, 0, layout, "No player statistics are available to display.");
}

void SO::SetPage(int page) {
    m_kept.page = page;
    Layout();
}

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
    const SeriesStatsList* l = FindSeriesStatsList(m_kept.statsList);
    if (!l) return;
    m_statsFilter.Clear();
    m_statsFilter.AddCompetition(m_kept.seriesId);
    BuildPlayerStatsList(m_statsFilter, mv_stats, l->m_kind, STATS_TABLE_ROWS);
}

void SO::Enter() {
    m_kind = KindOf(m_kept.seriesId);
    BuildStatsList();
    m_scheduleFilter.Clear();
    m_scheduleFilter.AddCompetition(m_kept.seriesId);
    BuildFixtureList(m_scheduleFilter, mv_schedule, ORDER_DATE);
    if (m_kind < 0) {
        mv_schedule.clear();
        mv_stats.clear();
    }
    m_controls.Begin();
    for (int i = 0; i < TABS; ++i) {
        m_tabs[i] =
            m_controls.Make<CButton>(TAB_DEFS[i].x, 105, 250, 20, TAB_DEFS[i].caption, TAB_DEFS[i].tooltip);
        m_tabs[i]->m_style = 1;
    }
    for (CHotSpot*& row : m_rows) {
        row = m_controls.Add<CHotSpot>(230, 200, 50, 30);
        ShowRow(row, false);
    }
    const SeriesStatsList* shown = FindSeriesStatsList(m_kept.statsList);
    m_comboStats = m_controls.Make<CComboBox>(600, 160, 400, 25, shown ? ItemText(*shown) : FIRST_ITEM);
    for (const SeriesStatsList& l : STATS_LISTS) m_comboStats->AddListItem(ItemText(l), l.m_value);
    m_scroll = m_controls.Make<CScrollBar>(990, 190, 17, 500);
    m_scroll->mb_horizontal = 0;
    m_scroll->m_position = 0;
    FitScrollBar(*m_scroll, static_cast<int>(mv_schedule.size()), SERIES_SCHEDULE_ROWS, true);
    for (CButton* tab : m_tabs) m_controls.List(tab);
    m_controls.List(m_comboStats);
    m_controls.List(m_scroll);
    g_game->mb_screenFrame = 1;
    if (Series* s = m_kind == OVERVIEW_TRIANGULAR ? SeriesById(m_kept.seriesId) : nullptr)
        SortSeriesStandings(*s);
    Layout();
}

void SO::Layout() {
    for (CHotSpot* row : m_rows) ShowRow(row, false);
    m_scroll->mb_visible = 0;
    m_comboStats->mb_visible = m_kept.page == SERIES_PAGE_STATS ? 1 : 0;
    if (m_kept.page == SERIES_PAGE_OVERVIEW) {
        const Series* s = ShownTriangular();
        const int rows = s ? static_cast<int>(s->mv_standings.size()) : 0;
        for (int i = 0; i < SERIES_SCHEDULE_ROWS && i < rows; ++i) {
            m_rows[i]->SetRect(220, 190 + 40 * i, 770, 39);
            ShowRow(m_rows[i], true);
        }
    } else if (m_kept.page == SERIES_PAGE_SCHEDULE) {
        const int rows = static_cast<int>(mv_schedule.size());
        const int first = FitScrollBar(*m_scroll, rows, SERIES_SCHEDULE_ROWS, true);
        for (int i = 0; i < SERIES_SCHEDULE_ROWS && first + i < rows; ++i) {
            m_rows[i]->SetRect(210, 190 + 40 * i, 770, 39);
            ShowRow(m_rows[i], true);
        }
    } else if (m_kept.page == SERIES_PAGE_STATS) {
        const int rows = static_cast<int>(mv_stats.size());
        for (int i = 0; i < STATS_TABLE_ROWS && i < rows; ++i) {
            m_rows[i]->SetRect(210, 220 + 20 * i, 770, 19);
            ShowRow(m_rows[i], true);
        }
    }
}

void SO::Update() {
    if (m_scroll->mb_visible) {
        WheelScroll(*m_scroll);
        if (m_kept.page == SERIES_PAGE_SCHEDULE) Layout();
    }
    if (m_kept.page == SERIES_PAGE_SCHEDULE) {
        for (int i = 0; i < SERIES_ROW_SPOTS; ++i) {
            if (!TakeClick(m_rows[i])) continue;
            const size_t k = static_cast<size_t>(ScrollPosition() + i);
            if (k >= mv_schedule.size()) continue;
            const FixtureListEntry& row = mv_schedule[k];
            if (row.m_kind != ROW_COMPLETED && row.m_kind != ROW_IN_PROGRESS) continue;
            OpenScorecardOfMatch(row.m_match);
            return;
        }
    }
    if (m_kept.page == SERIES_PAGE_OVERVIEW) {
        const Series* s = ShownTriangular();
        for (int i = 0; s && i < SERIES_ROW_SPOTS; ++i) {
            if (!TakeClick(m_rows[i]) || static_cast<size_t>(i) >= s->mv_standings.size()) continue;
            OpenSide(s->mv_standings[static_cast<size_t>(i)].m_team);
            return;
        }
    }
    if (m_kept.page == SERIES_PAGE_STATS) {
        for (int i = 0; i < SERIES_ROW_SPOTS; ++i) {
            if (!TakeClick(m_rows[i]) || static_cast<size_t>(i) >= mv_stats.size()) continue;
            return OpenPlayerDetails(mv_stats[static_cast<size_t>(i)].m_player);
        }
        if (m_comboStats->m_comboState == COMBO_CHOSEN) {
            const int list = PLAYER_LIST_TOP_SCORES - 1 + m_comboStats->GetSelectedValue();
            const SeriesStatsList* l = FindSeriesStatsList(list);
            if (l && list != m_kept.statsList) {
                m_kept.statsList = list;
                BuildStatsList();
                m_comboStats->SetCaption(ItemText(*l));
            }
            Layout();
            m_comboStats->Collapse();
        }
    }
    int page = 0;
    if (TakeClick(m_tabs[TAB_OVERVIEW])) page = SERIES_PAGE_OVERVIEW;
    if (TakeClick(m_tabs[TAB_SCHEDULE])) page = SERIES_PAGE_SCHEDULE;
    if (TakeClick(m_tabs[TAB_STATS])) page = SERIES_PAGE_STATS;
    if (page) SetPage(page);
}

void SO::Render() {
    g_game->m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 131);
    g_system->ShadeRect(203, 133, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    g_system->FillRect(210, 188, 980, 190, TEXT_WHITE);
    CFont* title = g_game->m_fontTitle.get();
    const TourSeries* s = TourSeriesById(m_kept.seriesId);
    if (!s) {
        Centred(512, 15, TEXT_WHITE, "Series", title);
        Text(230, 200, TEXT_YELLOW, "No record of this series is held");
    } else {
        char text[96];
        if (m_kind == OVERVIEW_TRIANGULAR)
            std::snprintf(text, sizeof text, "Triangular Tournament");
        else
            std::snprintf(text, sizeof text, "%s v %s", SideName(s->m_home), SideName(s->m_away));
        Centred(512, 15, TEXT_WHITE, text, title);
        if (m_kept.page == SERIES_PAGE_OVERVIEW) {
            if (const Series* t = ShownTriangular())
                DrawTriangularOverview(*t);
            else if (m_kind == OVERVIEW_TRIANGULAR)
                Text(230, 200, TEXT_YELLOW, "The tournament's table is not made yet");
            else
                DrawPairOverview(*s);
        } else if (m_kept.page == SERIES_PAGE_SCHEDULE) {
            DrawSchedule();
        } else if (m_kept.page == SERIES_PAGE_STATS) {
            DrawStats();
        }
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void SO::Leave() {
    m_controls.Free();
    for (CHotSpot*& row : m_rows) row = nullptr;
    for (CButton*& tab : m_tabs) tab = nullptr;
    m_comboStats = nullptr;
    m_scroll = nullptr;
}

}  // namespace ravel
