// Competition, tournament, tour and series records, with the delivery codes
// of the bowling plans. The database file layouts of these records live in
// world/Database.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "world/GameDate.h"
#include "world/RecordsTable.h"

namespace ravel {

// Competition ids with a fixed meaning.
enum CompetitionId : int32_t {
    COMP_TEST_CHAMPIONSHIP = 500,  // Test world rankings; its conditions serve every Test
    COMP_ODI_CHAMPIONSHIP = 501,   // one-day rankings; its conditions serve every one-day international
    COMP_TOUR_THREE_DAY = 502,     // a touring side against a club, three days
    COMP_TOUR_ONE_DAY = 503,       // a touring side against a club, 50 overs
    COMP_TOUR_FOUR_DAY = 504,      // a touring side against a club, four days
    COMP_FIRST_TOURNAMENT = 505,   // international tournaments run 505..549
    COMP_LAST_TOURNAMENT = 549,
    COMP_FIRST_FURTHER_EVENT = 550,
    FIRST_TOUR_SERIES_ID = 600,  // odd ids Test series, even ids one-day series
};

enum CompetitionStatus : int32_t {
    COMP_NOT_RUNNING = 1,
    COMP_RUNNING = 2,
};

// Competition::m_kind: how the season is scheduled.
enum CompetitionKind : int32_t {
    COMP_LEAGUE = 1,    // round robin
    COMP_KNOCKOUT = 2,  // no schedule; stage draws make the fixtures
};

// Match formats: odd values are played over days (3 first-class), even
// values are limited-overs.
enum MatchFormat : int32_t {
    FORMAT_TEST = 1,
    FORMAT_ODI = 2,
    FORMAT_FIRST_CLASS = 3,
    FORMAT_LIST_A = 4,
    FORMAT_OTHER_DAYS = 5,
    FORMAT_TWENTY = 6,
};
// One innings a side.
inline constexpr bool IsLimitedOversFormat(int format) {
    return format == FORMAT_ODI || format == FORMAT_LIST_A || format == FORMAT_TWENTY;
}

// Competition::m_stage.
enum CompetitionStage : int32_t {
    STAGE_LEAGUE = 0,
    STAGE_QUARTER_FINALS = 3,
    STAGE_SEMI_FINALS = 4,
    STAGE_FINAL = 5,
};

// Competition::m_points.
enum PointsRule : int {
    POINTS_WIN = 0,
    POINTS_TIE = 1,   // result kind 3
    POINTS_DRAW = 2,  // result kinds 4 and 6 (draw, no result)
    POINTS_LOSS = 3,
    POINTS_RULES = 4,
};

// Competition::m_bonusRule: how a match of the competition earns bonus points.
enum BonusRule : int32_t {
    BONUS_NONE = 0,
    BONUS_FIRST_CLASS = 1,  // batting and bowling points from the first innings
    BONUS_RUN_RATE = 2,     // one point for winning with a run rate 1.25 times the loser's
};

enum SessionTime : int {
    TIME_START = 0,
    TIME_LUNCH = 1,
    TIME_LUNCH_END = 2,
    TIME_TEA = 3,
    TIME_TEA_END = 4,
    TIME_CLOSE = 5,
    SESSION_TIMES = 6,
};

// The rules of play of one day of a competition's matches.
struct PlayingConditions {
    int32_t m_competition = 0;
    int32_t m_day = 0;                // day index of the match these rules serve (0 first)
    GameDate m_times[SESSION_TIMES];  // only hours and minutes are used
    int32_t m_maxOversPerBowler = 0;  // 0: no limit
    int32_t m_oversForDay = 0;        // first-class; overs per side in limited overs
    int32_t m_newBallOvers = 0;       // overs before a new ball may be taken; 0 never
    int32_t m_restrictionOvers = 0;   // overs of fielding restrictions at the start of an innings
    int32_t m_minOversPerHour = 0;
    int32_t m_extraMinutes = 0;  // play that may be added to make up time lost to rain
};

// One line of a competition, tournament group or series table.
struct StandingsRow {
    int32_t m_team = 0;  // club side (1000 and more) or country
    int32_t m_competition = 0;
    int32_t m_position = 0;  // 1-based place after the last ranking; 0 before
    int32_t m_previousPosition = 0;
    int32_t m_won = 0;
    int32_t m_drawn = 0;  // draws and no results
    int32_t m_tied = 0;
    int32_t m_lost = 0;
    int32_t m_points = 0;  // including bonus points
    int32_t m_bonus1 = 0;
    int32_t m_bonus2 = 0;
    int32_t m_winRun = 0;
    int32_t m_loseRun = 0;
    int32_t m_winlessRun = 0;
    int32_t m_unbeatenRun = 0;
    float m_netRunRate = 0.0f;
    int32_t m_testPoints = 0;  // championship tables 500 and 501
    int32_t m_odiPoints = 0;
    int32_t m_testCount = 0;
    int32_t m_odiCount = 0;
    int32_t m_runsFor = 0;  // limited-overs formats only
    int32_t m_ballsFaced = 0;
    int32_t m_runsAgainst = 0;
    int32_t m_ballsBowled = 0;
    int32_t m_extra[2] = {};

    StandingsRow() = default;
    StandingsRow(int32_t team, int32_t competition) : m_team(team), m_competition(competition) {}

    int Played() const { return m_won + m_drawn + m_tied + m_lost; }
};

static_assert(sizeof(StandingsRow) == 104);

// A past winner: winner -50 not held, -25 shared, 0 none.
struct HistoryEntry {
    int32_t m_season = 0;
    int32_t m_winner = 0;
    int32_t m_runnerUp = 0;
};

inline constexpr int32_t HISTORY_NOT_HELD = -50;
inline constexpr int32_t HISTORY_SHARED = -25;

// The day of season on which a round of a league schedule is played.
struct RoundDate {
    int32_t m_round = 0;
    int32_t m_competition = 0;
    int32_t m_dayOfSeason = 0;
};

inline constexpr int KNOCKOUT_TIES = 7;  // four quarter-finals, two semi-finals, the final

struct Competition {
    int32_t m_id = 0;
    char m_name[41] = {};
    char m_shortName[11] = {};
    int32_t m_country = 0;  // host country of a domestic competition; 0 international
    int32_t m_season = -1;  // -1 when never run
    int32_t m_status = COMP_NOT_RUNNING;
    int32_t m_kind = COMP_LEAGUE;
    int32_t m_format = FORMAT_FIRST_CLASS;
    int32_t m_length = 4;       // days, or overs per side
    int32_t m_doubleRound = 0;  // 1 home and away
    uint8_t m_noDraw = 0;       // every match must have a winner
    int32_t m_stage = STAGE_LEAGUE;
    int32_t m_lastDay = 0;          // "last day" marker of the schedule
    int32_t m_newsCompetition = 0;  // season-start news is sent when this equals the id
    int32_t m_promotion = 0;        // places promoted to m_upper
    int32_t m_relegation = 0;       // places relegated to m_lower
    int32_t m_upper = 0;            // competition ids of the divisions above and below; 0 none
    int32_t m_lower = 0;
    int32_t m_points[POINTS_RULES] = {};
    int32_t m_bonusRule = BONUS_NONE;
    std::vector<int32_t> mv_teams;  // side ids
    std::vector<StandingsRow> mv_standings;
    // A knockout's qualifying leagues, whose tables seed its draw.
    std::vector<int32_t> mv_feeders;
    // The knockout draw: seven ties as (home, away) pairs in m_knockout[0..13]
    // (0 or below not drawn), the final's result in m_knockout[14]; all -1 at
    // the season start.
    int32_t m_knockout[2 * KNOCKOUT_TIES + 1] = {};
    // Winners by round: four quarter-finals, two semi-finals, the final.
    int32_t m_knockoutWinners[KNOCKOUT_TIES] = {-1, -1, -1, -1, -1, -1, -1};
    int32_t m_historyId = 0;  // history entries with this id belong here
    std::vector<HistoryEntry> mv_history;
    // League rounds numbered from 0; a knockout's rounds carry the stage
    // (3 quarter-finals, 4 semi-finals, 5 final) as their round number.
    std::vector<RoundDate> mv_rounds;
    std::vector<PlayingConditions> mv_conditions;  // by day index of a match

    int TeamCount() const { return static_cast<int>(mv_teams.size()); }
    // The conditions of a match day: that day's entry, else the last one, else
    // the defaults.
    PlayingConditions Conditions(int dayIndex) const {
        if (mv_conditions.empty()) return PlayingConditions{};
        for (const auto& c : mv_conditions)
            if (c.m_day == dayIndex) return c;
        return mv_conditions.back();
    }
};

enum CompetitionEventType : int32_t {
    EVENT_START_SEASON = 0,
    EVENT_CLOSE = 1,
    EVENT_DRAW_QUARTER_FINALS = 2,
    EVENT_DRAW_SEMI_FINALS = 3,
    EVENT_DRAW_FINAL = 4,
    EVENT_NEW_SEASON = 5,
};

inline constexpr int32_t EVERY_EVEN_SEASON = -1;
inline constexpr int32_t EVERY_ODD_SEASON = -2;

// A dated trigger (20 bytes in the database file).
struct CompetitionEvent {
    int32_t m_season = 0;  // or EVERY_EVEN_SEASON / EVERY_ODD_SEASON
    int32_t m_type = 0;
    int32_t m_dayOfSeason = 0;
    int32_t m_competition = 0;
    uint8_t m_fired = 0;
};

enum TournamentStageId : int32_t {
    TSTAGE_GROUPS = 1,
    TSTAGE_SUPER_EIGHT = 2,
    TSTAGE_SEMI_FINALS = 3,
    TSTAGE_FINAL = 4,
};

// When a stage of an international tournament is played.
struct TournamentStage {
    int32_t m_tournament = 0;
    int32_t m_stage = TSTAGE_GROUPS;
    int32_t m_firstDay = 0;  // day of season of the first match
    int32_t m_dayStep = 1;   // days between match days
    int32_t m_matchesPerDay = 1;
};

// A ground that a stage of an international tournament plays on.
struct TournamentVenue {
    int32_t m_tournament = 0;
    int32_t m_stage = TSTAGE_GROUPS;
    int32_t m_ground = 0;
};

struct InternationalTournament {
    int32_t m_kind = 0;  // 1 world cup, 2 champions trophy, 3 twenty-over world cup
    int32_t m_id = 0;
    int32_t m_competition = 0;  // 505..549
    char m_name[41] = {};
    int32_t m_year = 0;
    int32_t m_season = 0;
    int32_t m_host = 0;  // country id
    int32_t m_groupCount = 0;
    int32_t m_qualifiers = 2;  // sides of each group that go through
    uint8_t m_superEight = 0;
    uint8_t m_running = 0;
    int32_t m_stage = TSTAGE_GROUPS;
    int32_t m_startDay = 0;  // day of season
    std::vector<std::vector<StandingsRow>> mv_groups;
    std::vector<StandingsRow> mv_superEight;
    // Semi-finals and final as (home, away) pairs; 0 or below not yet known.
    int32_t m_knockout[6] = {};
    int32_t m_winner = 0;
    std::vector<TournamentStage> mv_stages;
    std::vector<TournamentVenue> mv_venues;
};

enum TourState : int32_t {
    TOUR_NOT_STARTED = 1001,
    TOUR_RUNNING = 1002,
    TOUR_OVER = 1003,
};

enum TourKind : int32_t {
    TOUR_TESTS = 0,
    TOUR_ONE_DAY = 1,
    TOUR_TRIANGULAR = 2,
};

// A tour's dated work, run by the daily tour step.
enum TourAction : int32_t {
    TOUR_PICK_SQUADS = 1,
    TOUR_START = 2,  // arrival: the series' fixtures are made
    TOUR_END = 3,
};

struct TourStep {
    int32_t m_dayOfSeason = 0;
    int32_t m_action = TOUR_START;
};

struct Tour {
    int32_t m_id = 0;
    int32_t m_state = TOUR_NOT_STARTED;
    int32_t m_kind = TOUR_TESTS;
    int32_t m_visitor = 0;
    int32_t m_host = 0;
    int32_t m_third = 0;  // the third country of a triangular tour
    int32_t m_season = 0;
    int32_t m_series = 0;  // TourSeries id
    std::vector<TourStep> mv_steps;
};

// The Test or one-day matches of a tour between two countries.
struct TourSeries {
    int32_t m_id = 0;                               // 600 and above; odd Tests, even one-day
    int32_t m_competition = COMP_ODI_CHAMPIONSHIP;  // championship marker; 502 once too old to count
    int32_t m_season = 0;
    int32_t m_home = 0;
    int32_t m_away = 0;
    int32_t m_matches = 0;
    int32_t m_startDay = 0;
    int32_t m_startMonth = 0;
    int32_t m_startYear = 0;
    int32_t m_startDayOfSeason = 0;
    int32_t m_dayStep = 0;  // days from one match's start to the next
    uint8_t m_finished = 0;
    int32_t m_series = 0;  // the Series of a triangular tournament (its id is this series' id); 0 otherwise
    int32_t m_homeWins = 0;
    int32_t m_awayWins = 0;
    int32_t m_draws = 0;      // result kind 4
    int32_t m_ties = 0;       // result kind 3
    int32_t m_homeCount = 0;  // championship rating figures
    int32_t m_homePoints = 0;
    int32_t m_awayCount = 0;
    int32_t m_awayPoints = 0;
};

// A series or tournament between countries; three make a triangular one.
struct Series {
    int32_t m_id = 0;
    int32_t m_competition = 0;
    int32_t m_season = 0;
    int32_t m_host = 0;
    std::vector<int32_t> mv_countries;
    std::vector<StandingsRow> mv_standings;
    std::vector<int32_t> mv_finals;  // fixture ids of the finals
    int32_t m_startDay = 0;
    int32_t m_startMonth = 0;
    int32_t m_startYear = 0;
};

enum DeliveryLength : int32_t {
    LENGTH_GOOD = 8001,
    LENGTH_SHORT_OFF = 8002,
    LENGTH_YORKER = 8003,
    LENGTH_BOUNCER = 8004,
};

enum DeliveryMovement : int32_t {
    MOVE_STRAIGHT = 9001,
    MOVE_IN_SWING = 9002,
    MOVE_OUT_SWING = 9003,
    MOVE_OFF_CUTTER = 9004,
    MOVE_LEG_CUTTER = 9005,
    MOVE_SLOWER = 9006,
    MOVE_LEG_BREAK = 9007,
    MOVE_OFF_BREAK = 9008,
    MOVE_STRAIGHT_ONE = 9009,
    MOVE_WRONGUN = 9010,
    MOVE_SPECIALITY = 9011,
};

inline constexpr int MAX_EFFORT = 10;  // a plan ball's effort runs 0..10

// One ball of a bowling plan.
struct PlanBall {
    int32_t m_field = 0;  // FieldSetup id
    int32_t m_side = 0;   // 0 over the wicket, 1 round the wicket
    int32_t m_length = LENGTH_GOOD;
    int32_t m_movement = MOVE_STRAIGHT;
    int32_t m_pace = 0;    // 0 stock pace; 1 a change of pace
    int32_t m_effort = 5;  // 0..10
};

struct BowlPlan {
    int32_t m_id = 0;
    char m_name[31] = {};
    char m_description[101] = {};
    std::vector<PlanBall> mv_balls;
    uint8_t m_pace = 0;
    uint8_t m_spin = 0;
    uint8_t m_manyInField = 0;  // some ball's field has seven or more close fielders
    uint8_t m_userCreated = 0;
    float m_effortTotal = 0.0f;  // the plan tables are ordered by it
};

}  // namespace ravel
