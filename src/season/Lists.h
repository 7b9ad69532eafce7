// The lists the screens show: fixtures and results, players' performances
// and averages, and team innings, each built through a filter.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Competitions.h"
#include "world/GameDate.h"

namespace ravel {

// An empty list lets everything pass.
struct FixtureFilter {
    std::vector<int32_t> mv_competitions;
    std::vector<int32_t> mv_teams;
    std::vector<int32_t> mv_seasons;

    void AddCompetition(int id) { mv_competitions.push_back(id); }
    void AddTeam(int id) { mv_teams.push_back(id); }
    void AddSeason(int id) { mv_seasons.push_back(id); }
    void Clear();
    bool HasCompetition(int id) const;
    // Either side in the list.
    bool HasTeam(int home, int away) const;
    bool HasSeason(int season) const;
};

struct StatsFilter {
    std::vector<int32_t> mv_competitions;
    std::vector<int32_t> mv_teams;

    void AddCompetition(int id) { mv_competitions.push_back(id); }
    void AddTeam(int id) { mv_teams.push_back(id); }
    void Clear();
    bool HasCompetition(int id) const;
    bool HasTeam(int id) const;
};

enum FixtureRowKind : int32_t {
    ROW_SCHEDULED = 0,
    ROW_IN_PROGRESS = 1,
    ROW_COMPLETED = 2,  // still held as a completed match
    ROW_PLAYED = 3,     // result kept in the fixture
};

struct FixtureListEntry {
    int32_t m_reserved = 0;
    int32_t m_fixture = -1;  // position in the fixture table
    int32_t m_match = -1;
    int32_t m_kind = ROW_SCHEDULED;
    int32_t m_home = 0;
    int32_t m_away = 0;
    int32_t m_competition = 0;
    int32_t m_ground = 0;
    GameDate m_start;
    GameDate m_end;
};

// Order codes of BuildFixtureList.
enum FixtureOrder : int {
    ORDER_DATE = 2001,       // earliest first
    ORDER_DATE_DESC = 2002,  // latest first
};

// The completed matches, today's matches and the scheduled and played
// fixtures that pass the filter, each match once, sorted by the order code.
void BuildFixtureList(FixtureFilter filter, std::vector<FixtureListEntry>& list, int order);

// A row of a player statistics list: one performance (kinds 1001..1005) or
// one player's figures over the filtered matches (1009, 1010; 1011, 1012).
struct StatsRow {
    int32_t m_player = -1;
    int32_t m_side = 0;
    int32_t m_runs = 0;
    int32_t m_wickets = 0;
    int32_t m_innings = 0;
    int32_t m_matches = 0;
    int32_t m_notOuts = 0;
    int32_t m_highest = 0;
    int32_t m_highestNotOut = 0;
    int32_t m_fifties = 0;
    int32_t m_hundreds = 0;
    int32_t m_balls = 0;
    int32_t m_maidens = 0;
    int32_t m_runsConceded = 0;
    int32_t m_bestWickets = 0;
    int32_t m_bestRuns = 0;
    int32_t m_haulsA = 0;  // four-wicket innings in limited overs, else five to nine
    int32_t m_haulsB = 0;  // five or more in limited overs, else ten
    // A single performance: its match and its two figures.
    int32_t m_match = -1;
    int32_t m_first = 0;
    int32_t m_second = 0;

    double BattingAverage() const;  // 0.0 without runs or a dismissal
    double BowlingAverage() const;  // 0.0 without runs or wickets
    static bool BattingOrder(const StatsRow& a, const StatsRow& b);
    static bool BowlingOrder(const StatsRow& a, const StatsRow& b);
};

enum StatsListKind : int {
    STATS_TOP_SCORES = 1001,
    STATS_TOP_BOWLING = 1002,
    STATS_TOP_FOURS = 1003,
    STATS_TOP_SIXES = 1004,
    STATS_TOP_BOUNDARIES = 1005,
    STATS_BATTING = 1009,
    STATS_BOWLING = 1010,
    STATS_MOST_RUNS = 1011,
    STATS_MOST_WICKETS = 1012,
};

// Performances (1001..1005) ranked and cut to `limit`; averages (1009, 1010)
// in BattingOrder or BowlingOrder, every player kept; 1011 and 1012 by runs
// or wickets.
void BuildPlayerStatsList(StatsFilter filter, std::vector<StatsRow>& list, int kind, int limit);

struct TeamInningsRow {
    int32_t m_match = -1;
    int32_t m_side = 0;
    int32_t m_total = 0;
    int32_t m_wickets = 0;
    int32_t m_innings = 0;
};

enum TeamInningsKind : int {
    INNINGS_HIGHEST = 1007,
    INNINGS_LOWEST = 1008,  // all-out totals only
};

void BuildTeamInningsList(StatsFilter filter, std::vector<TeamInningsRow>& list, int kind, int limit);

// The runs of results a table row counts.
enum StreakKind : int {
    STREAK_WON = 9001,
    STREAK_LOST = 9002,
    STREAK_WINLESS = 9003,
    STREAK_UNBEATEN = 9004,
};

// The row's current run of that kind; 0 for another kind.
int32_t StreakOf(const StandingsRow& row, int kind);
// A copy of the competition's table, longest run first; rows level keep the
// table's order. The competition's own table is left as it is.
void BuildStreakList(const Competition& competition, std::vector<StandingsRow>& list, int kind);

// The series of a world championship (500 Tests, 501 one-day internationals
// between two countries) whose tours have begun, in table order.
void BuildChampionshipSeriesList(int competitionId, std::vector<int32_t>& ids);
// Ids of the tours of a kind (TOUR_TESTS, TOUR_ONE_DAY, TOUR_TRIANGULAR) in a
// season that have not begun, the earliest to start first (a tour without a
// series last).
void BuildFutureTourList(int tourKind, int season, std::vector<int32_t>& ids);
// Ids of the triangular tournaments (a tournament's Series record is made
// when its tour starts).
void BuildTriangularList(std::vector<int32_t>& ids);

}  // namespace ravel
