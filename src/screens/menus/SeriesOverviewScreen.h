// Screen 127, one series between countries: a Test series, a one-day series
// or a triangular one-day tournament, under three tabs: the overview (the two
// countries and the series status, or the tournament's table and finals), the
// schedule and the series' player statistics.
#pragma once

#include <cstdint>
#include <vector>

#include "season/Lists.h"
#include "shell/Screens.h"

namespace ravel {

class CButton;
class CComboBox;
class CHotSpot;
class CScrollBar;

enum SeriesPage : int32_t {
    SERIES_PAGE_OVERVIEW = 7001,
    SERIES_PAGE_SCHEDULE = 7002,
    SERIES_PAGE_STATS = 7003,
};

enum SeriesOverviewKind : int32_t {
    OVERVIEW_TESTS = 0,
    OVERVIEW_ONE_DAY = 1,
    OVERVIEW_TRIANGULAR = 2,
};

inline constexpr int SERIES_ROW_SPOTS = 25;
inline constexpr int SERIES_SCHEDULE_ROWS = 12;

struct CSeriesOverviewScreen {
    static void Enter();
    // The subject: m_id, the series id; m_kind, the tour kind.
    static void SetSubject(const ScreenSubject& subject) {
        g_screenSubjects.m_seriesId = subject.m_id;
        g_screenSubjects.m_seriesKind = subject.m_kind;
    }
    static ScreenSubject Subject() { return {g_screenSubjects.m_seriesId, g_screenSubjects.m_seriesKind}; }
    static void Update();
    static void Render();
    static void Leave();
    static void Layout();
    static void BuildStatsList();
    // The kind of a TourSeries id: odd Tests; even one-day, or triangular
    // when the series belongs to a tournament. -1 for an id no record has.
    static int KindOf(int seriesId);

    static int32_t s_seriesId;
    static int32_t s_kind;  // -1 while the series is unknown
    static int32_t s_page;
    static int32_t s_statsList;
    static std::vector<FixtureListEntry> sv_schedule;
    static FixtureFilter s_scheduleFilter;
    static std::vector<StatsRow> sv_stats;
    static StatsFilter s_statsFilter;

    enum Tab { TAB_OVERVIEW, TAB_SCHEDULE, TAB_STATS, TABS };
    static CButton* s_tabs[TABS];
    static CHotSpot* s_rows[SERIES_ROW_SPOTS];
    static CComboBox* s_comboStats;
    static CScrollBar* s_scroll;
};

// The drop-down value, list kind and title of a statistics list; nullptr for
// a list the screen does not have.
struct SeriesStatsList {
    int32_t m_list;
    int32_t m_value;
    int32_t m_kind;
    const char* m_title;
};
const SeriesStatsList* FindSeriesStatsList(int list);

}  // namespace ravel
