// Screen 127, one series between countries: a Test series, a one-day series
// or a triangular one-day tournament, under three tabs: the overview (the two
// countries and the series status, or the tournament's table and finals), the
// schedule and the series' player statistics.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/ScreenControls.h"
#include "season/Lists.h"
#include "shell/Screen.h"
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

class CSeriesOverviewScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    // The subject: m_id, the series id; m_kind, the tour kind.
    void SetSubject(const ScreenSubject& subject) override {
        m_kept.seriesId = subject.m_id;
        m_kept.tourKind = subject.m_kind;
    }
    ScreenSubject Subject() const override { return {m_kept.seriesId, m_kept.tourKind}; }
    void Reset() override { m_kept = {}; }

    void Layout();
    void BuildStatsList();
    // The kind of a TourSeries id: odd Tests; even one-day, or triangular
    // when the series belongs to a tournament. -1 for an id no record has.
    static int KindOf(int seriesId);

    int32_t SeriesId() const { return m_kept.seriesId; }
    int32_t Page() const { return m_kept.page; }
    int32_t StatsList() const { return m_kept.statsList; }
    int ScrollPosition() const;

    // Set fresh by Enter.
    int32_t m_kind = -1;  // -1 while the series is unknown
    std::vector<FixtureListEntry> mv_schedule;
    FixtureFilter m_scheduleFilter;
    std::vector<StatsRow> mv_stats;
    StatsFilter m_statsFilter;

    enum Tab { TAB_OVERVIEW, TAB_SCHEDULE, TAB_STATS, TABS };
    // Made by Enter, freed by Leave.
    CButton* m_tabs[TABS] = {};
    CHotSpot* m_rows[SERIES_ROW_SPOTS] = {};
    CComboBox* m_comboStats = nullptr;
    CScrollBar* m_scroll = nullptr;

private:
    // Kept between visits: the series, and the page and list last chosen.
    struct Kept {
        int32_t seriesId = 0;
        int32_t tourKind = 0;
        int32_t page = SERIES_PAGE_OVERVIEW;
        int32_t statsList = PLAYER_LIST_TOP_SCORES;
    } m_kept;

    ScreenControls m_controls;

    // The triangular tournament shown; nullptr for the other kinds.
    const Series* ShownTriangular() const;
    void SetPage(int page);
    void DrawSchedule() const;
    void DrawStats() const;
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
