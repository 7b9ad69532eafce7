// Finished matches of domestic competitions and of the Test championship
// into their competitions: prize money, knockout places, league tables,
// coaches' records and the sides' result ratings.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Competitions.h"

namespace ravel {

class Match;

// What a competition needs of a finished match. Index 0 is side one (the
// home side), index 1 side two.
struct MatchOutcome {
    int32_t m_side1 = 0;
    int32_t m_side2 = 0;
    int32_t m_winner = -1;     // meaningful for the winning kinds only
    int32_t m_kind = 0;        // match result kind (RESULT_* of match/Match.h)
    int32_t m_bonus1[2] = {};  // first bonus (batting) of each side
    int32_t m_bonus2[2] = {};  // second bonus (bowling) of each side
    int32_t m_runs[2] = {};
    int32_t m_balls[2] = {};
};

// Match prizes by competition.
inline constexpr float PRIZE_MAJOR = 1350.0f;  // competitions 1 and 2
inline constexpr float PRIZE_MINOR = 450.0f;   // competitions 3 and 4
inline constexpr float PRIZE_OTHER = 400.0f;
inline constexpr float PRIZE_QUARTER_FINAL = 5000.0f;
inline constexpr float PRIZE_SEMI_FINAL = 10000.0f;
// In this competition a win earns no bonus points in the table.
inline constexpr int32_t COMP_NO_WIN_BONUS = 9;

// The outcome of a finished match: its sides, result and the figures it
// stored for the tables (bonus points, runs and balls).
MatchOutcome OutcomeOf(const Match& match);

bool IsWinningResult(int kind);
// The side that goes through from a knockout tie: the winner, or side one
// (the home side, the higher seed) when the match produced no winner.
int KnockoutSurvivor(const MatchOutcome& outcome);

void RecordResult(Competition& competition, const MatchOutcome& outcome);

// How a table books a result.
struct TableRules {
    int32_t m_competition = 0;  // for the log
    int32_t m_points[POINTS_RULES] = {};
    bool m_winnerBonus = true;    // a winner's bonus points count in its points
    bool m_limitedOvers = false;  // keep runs and balls for the net run rate
};

// Books a result on the two sides' rows: counters, runs of form, bonus
// totals, points and, in limited overs, runs and balls. A side without a row,
// or a winner who did not play, is logged and nothing is booked.
void BookTableResult(std::vector<StandingsRow>& table, const TableRules& rules, const MatchOutcome& outcome);
// Each side's coach record and result rating.
void UpdateCoachesAndRatings(const MatchOutcome& outcome);

}  // namespace ravel
