// Screen 110, one competition: a domestic league or cup, the Test or one-day
// world rankings (500, 501) with their series, or an international
// tournament (505..549). Tabs switch between its pages; rows open scorecards,
// players, sides and series. State and actions here, the standings, fixtures
// and series pages in CompetitionDraw.cpp, the statistics, history and rules
// pages in CompetitionStatsDraw.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "season/Lists.h"
#include "shell/Screen.h"
#include "shell/Screens.h"
#include "world/Competitions.h"

namespace ravel {

class CButton;
class CComboBox;
class CHotSpot;
class CScrollBar;

enum CompetitionPage : int32_t {
    COMP_PAGE_STANDINGS = 5001,  // rankings for 500 and 501
    COMP_PAGE_FIXTURES = 5002,
    COMP_PAGE_PLAYER_STATS = 5004,
    COMP_PAGE_TEAM_STATS = 5005,
    COMP_PAGE_HISTORY = 5006,
    COMP_PAGE_RULES = 5007,
    COMP_PAGE_FUTURE_SERIES = 5008,  // 500 and 501
    COMP_PAGE_PAST_SERIES = 5009,    // 500 and 501
};

// Player statistics lists of the competition and series screens.
enum PlayerStatsListCode : int32_t {
    PLAYER_LIST_TOP_SCORES = 8001,
    PLAYER_LIST_TOP_BOWLING = 8002,
    PLAYER_LIST_FOURS = 8003,
    PLAYER_LIST_SIXES = 8004,
    PLAYER_LIST_BOUNDARIES = 8005,
    PLAYER_LIST_BATTING = 8007,
    PLAYER_LIST_BOWLING = 8008,
    PLAYER_LIST_MOST_RUNS = 8009,
    PLAYER_LIST_MOST_WICKETS = 8010,
};

// Team statistics lists: the four streaks (StreakKind 9001..9004), then these.
enum TeamStatsListCode : int32_t {
    TEAM_LIST_HIGHEST = 9005,
    TEAM_LIST_LOWEST = 9006,
};

// The tournament stage the standings page shows.
enum CompetitionStageShown : int32_t {
    SHOWN_GROUPS = 1,
    SHOWN_SUPER_EIGHT = 3,
    SHOWN_KNOCKOUT = 4,
};

enum SeriesKindShown : int32_t {
    SERIES_STANDARD = 1,
    SERIES_TRIANGULAR = 2,
};

inline constexpr int COMP_ROW_SPOTS = 25;
inline constexpr int COMP_LIST_ROWS = 25;   // fixtures, history, series pages
inline constexpr int COMP_STATS_ROWS = 20;  // player and team statistics
inline constexpr int COMP_SIDE_ITEMS = 10;  // first value of the records drop-down's side items

// y of each drawn knockout tie (0 for none), and of each round's heading.
struct KnockoutLayout {
    int32_t m_tieY[KNOCKOUT_TIES] = {};
    int32_t m_headingY[3] = {};  // quarter-finals, semi-finals, final; 0 when not drawn
};
KnockoutLayout LayOutKnockout(const Competition& competition);
// Side ids of a tournament's groups, in group order.
std::vector<int32_t> TournamentSides(const InternationalTournament& tournament);
// Whether a human coaches the side.
bool HumanSide(int sideId);

class CCompetitionScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    // The subject: m_id, the competition's or international tournament's id.
    void SetSubject(const ScreenSubject& subject) override { m_kept.competitionId = subject.m_id; }
    ScreenSubject Subject() const override { return {m_kept.competitionId}; }
    void Reset() override { m_kept = {}; }

    void Layout();
    void BuildCompetitionStatsLists();
    void BuildCompetitionSeriesLists();
    void FillSeasonSelector();

    // The page on entry: another competition starts on its standings, and
    // the pages a competition lacks fall back to them.
    static int PageOnEntry(int page, int competitionId, int lastCompetitionId);

    int32_t CompetitionId() const { return m_kept.competitionId; }
    int32_t Page() const { return m_kept.page; }
    int32_t PlayerList() const { return m_kept.playerList; }
    int32_t TeamList() const { return m_kept.teamList; }
    int32_t TeamFilter() const { return m_kept.teamFilter; }
    int32_t SeriesKind() const { return m_kept.seriesKind; }

    // The competition shown; nullptr for an id no record has.
    Competition* ShownCompetition() const;
    // The tournament of a competition id 505..549; nullptr otherwise.
    InternationalTournament* ShownTournament() const;
    // The series page's id list: played series, or triangular tournaments.
    const std::vector<int32_t>& ShownPastSeries() const;
    const std::vector<int32_t>& ShownFutureTours() const;
    // The fixture row of a knockout tie between the two sides, either way
    // round; the last such row; nullptr when the list has none.
    const FixtureListEntry* TieRow(int home, int away) const;
    // The rows of the tournament stage shown: a group or the super eight.
    const std::vector<StandingsRow>* ShownTournamentRows() const;
    int ScrollPosition() const;

    // Set fresh by Enter.
    int32_t m_season = 0;        // of the fixture list
    int32_t m_seriesSeason = 0;  // of the Future Series page
    int32_t m_stage = SHOWN_GROUPS;
    int32_t m_group = 0;
    std::vector<FixtureListEntry> mv_fixtures;
    std::vector<StatsRow> mv_stats;
    std::vector<TeamInningsRow> mv_innings;
    std::vector<StandingsRow> mv_streaks;
    StatsFilter m_filter;
    std::vector<int32_t> mv_series;       // championship series begun (TourSeries ids)
    std::vector<int32_t> mv_futureTours;  // Tour ids
    std::vector<int32_t> mv_futureTriangular;
    std::vector<int32_t> mv_triangular;   // Series ids
    std::vector<int32_t> mv_recordSides;  // side of each records drop-down pair

    enum Tab {
        TAB_STANDINGS,
        TAB_FIXTURES,
        TAB_RESULTS,
        TAB_PLAYER_STATS,
        TAB_TEAM_STATS,
        TAB_HISTORY,
        TAB_RULES,
        TABS
    };
    // Made by Enter, freed by Leave.
    CButton* m_tabs[TABS] = {};
    CButton* m_btnPrevious = nullptr;
    CButton* m_btnNext = nullptr;
    CButton* m_btnCurrent = nullptr;
    CHotSpot* m_rows[COMP_ROW_SPOTS] = {};
    CComboBox* m_comboRecords = nullptr;
    CComboBox* m_comboTeamStats = nullptr;
    CComboBox* m_comboSeriesKind = nullptr;
    CComboBox* m_comboStage = nullptr;
    CComboBox* m_comboSeason = nullptr;
    CScrollBar* m_scroll = nullptr;

private:
    // Kept between visits: the page and lists last chosen, with the
    // competition they were chosen for.
    struct Kept {
        int32_t competitionId = 0;
        int32_t lastCompetitionId = 0;
        int32_t page = COMP_PAGE_STANDINGS;
        int32_t playerList = PLAYER_LIST_TOP_SCORES;
        int32_t teamList = STREAK_WON;
        int32_t teamFilter = -1;  // side of lists 8007 and 8008; -1 all
        int32_t seriesKind = SERIES_STANDARD;
    } m_kept;

    ScreenControls m_controls;

    CComboBox* MakeCombo(int x, int y, const char* caption);
    void MakeRecordsCombo(const Competition* c, const InternationalTournament* t);
    void MakeTeamStatsCombo();
    void MakeStageCombo(InternationalTournament* t);
    void MakeTabs();
    void SetPage(int page);
    void ShowRowSpots(int count, int left, int top, int step, int width);
    void LayOutStandings();
    bool UpdateStandings();
    void RebuildSeriesSeason(int season);
    bool UpdateSeriesSeason();
    void UpdatePastSeries();
    void UpdateTabs();
    void UpdatePlayerStats();
    void UpdateTeamStats();
    void UpdateSeriesKind();
};

// The page of a competition or international tournament.
void OpenCompetition(int32_t id);

}  // namespace ravel
