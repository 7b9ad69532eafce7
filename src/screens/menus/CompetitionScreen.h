// Screen 110, one competition: a domestic league or cup, the Test or one-day
// world rankings (500, 501) with their series, or an international
// tournament (505..549). Tabs switch between its pages; rows open scorecards,
// players, sides and series. State and actions here, the standings, fixtures
// and series pages in CompetitionDraw.cpp, the statistics, history and rules
// pages in CompetitionStatsDraw.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "season/Lists.h"
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

struct CCompetitionScreen {
    static void Enter();
    // The subject: m_id, the competition's or international tournament's id.
    static void SetSubject(const ScreenSubject& subject) { g_screenSubjects.m_competitionId = subject.m_id; }
    static ScreenSubject Subject() { return {g_screenSubjects.m_competitionId}; }
    static void Update();
    static void Render();
    static void Leave();
    static void Layout();
    static void BuildCompetitionStatsLists();
    static void BuildCompetitionSeriesLists();
    static void FillSeasonSelector();

    // The page on entry: another competition starts on its standings, and
    // the pages a competition lacks fall back to them.
    static int PageOnEntry(int page, int competitionId, int lastCompetitionId);

    static int32_t s_competitionId;
    static int32_t s_page;
    static int32_t s_lastCompetitionId;
    static int32_t s_season;        // of the fixture list
    static int32_t s_seriesSeason;  // of the Future Series page
    static int32_t s_playerList;
    static int32_t s_teamList;
    static int32_t s_teamFilter;  // side of lists 8007 and 8008; -1 all
    static int32_t s_seriesKind;
    static int32_t s_stage;
    static int32_t s_group;

    static std::vector<FixtureListEntry> sv_fixtures;
    static std::vector<StatsRow> sv_stats;
    static std::vector<TeamInningsRow> sv_innings;
    static std::vector<StandingsRow> sv_streaks;
    static StatsFilter s_filter;
    static std::vector<int32_t> sv_series;       // championship series begun (TourSeries ids)
    static std::vector<int32_t> sv_futureTours;  // Tour ids
    static std::vector<int32_t> sv_futureTriangular;
    static std::vector<int32_t> sv_triangular;   // Series ids
    static std::vector<int32_t> sv_recordSides;  // side of each records drop-down pair

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
    static CButton* s_tabs[TABS];
    static CButton* s_btnPrevious;
    static CButton* s_btnNext;
    static CButton* s_btnCurrent;
    static CHotSpot* s_rows[COMP_ROW_SPOTS];
    static CComboBox* s_comboRecords;
    static CComboBox* s_comboTeamStats;
    static CComboBox* s_comboSeriesKind;
    static CComboBox* s_comboStage;
    static CComboBox* s_comboSeason;
    static CScrollBar* s_scroll;
};

// The competition shown; nullptr for an id no record has.
Competition* ShownCompetition();
// The tournament of a competition id 505..549; nullptr otherwise.
InternationalTournament* ShownTournament();
// The series page's id list: played series, or triangular tournaments.
const std::vector<int32_t>& ShownPastSeries();
const std::vector<int32_t>& ShownFutureTours();
// The fixture row of a knockout tie between the two sides, either way round;
// the last such row; nullptr when the list has none.
const FixtureListEntry* TieRow(int home, int away);
// Side ids of a tournament's groups, in group order.
std::vector<int32_t> TournamentSides(const InternationalTournament& tournament);
// Whether a human coaches the side.
bool HumanSide(int sideId);
// y of each drawn knockout tie (0 for none), and of each round's heading.
struct KnockoutLayout {
    int32_t m_tieY[KNOCKOUT_TIES] = {};
    int32_t m_headingY[3] = {};  // quarter-finals, semi-finals, final; 0 when not drawn
};
KnockoutLayout LayOutKnockout(const Competition& competition);
// The rows of the tournament stage shown: a group or the super eight.
const std::vector<StandingsRow>* ShownTournamentRows();

// The page of a competition or international tournament.
void OpenCompetition(int32_t id);

}  // namespace ravel
