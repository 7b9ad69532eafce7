#include "season/Results.h"

#include <algorithm>

#include "match/Match.h"
#include "season/Finance.h"
#include "season/Ratings.h"
#include "season/Squads.h"
#include "season/Standings.h"
#include "season/Tours.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

float MatchPrize(int competitionId) {
    if (competitionId == 1 || competitionId == 2) return PRIZE_MAJOR;
    if (competitionId == 3 || competitionId == 4) return PRIZE_MINOR;
    return PRIZE_OTHER;
}

// The winner's index (0 side one, 1 side two), -1 for a result without one.
int WinnerIndex(const MatchOutcome& o) {
    if (!IsWinningResult(o.m_kind)) return -1;
    if (o.m_winner == o.m_side1) return 0;
    if (o.m_winner == o.m_side2) return 1;
    return -1;
}

// Fills the first free winner slot of a round; false when the round is full.
bool TakeSlot(Competition& c, int first, int count, int side) {
    for (int i = first; i < first + count; ++i) {
        if (c.m_knockoutWinners[i] == -1) {
            c.m_knockoutWinners[i] = side;
            return true;
        }
    }
    return false;
}

void RecordKnockout(Competition& c, const MatchOutcome& o) {
    const int survivor = KnockoutSurvivor(o);
    switch (c.m_stage) {
        case STAGE_QUARTER_FINALS:
            if (TakeSlot(c, 0, 4, survivor)) AddFinanceToSide(survivor, PAY_PRIZE, PRIZE_QUARTER_FINAL);
            break;
        case STAGE_SEMI_FINALS:
            if (TakeSlot(c, 4, 2, survivor)) AddFinanceToSide(survivor, PAY_PRIZE, PRIZE_SEMI_FINAL);
            break;
        case STAGE_FINAL:
            TakeSlot(c, 6, 1, survivor);
            break;
        default:
            break;
    }
}

void Won(StandingsRow& row) {
    ++row.m_won;
    ++row.m_unbeatenRun;
    row.m_winlessRun = 0;
    row.m_loseRun = 0;
    ++row.m_winRun;
}

void Lost(StandingsRow& row) {
    ++row.m_lost;
    row.m_unbeatenRun = 0;
    row.m_winRun = 0;
    ++row.m_loseRun;
    ++row.m_winlessRun;
}

void Shared(StandingsRow& row, int32_t StandingsRow::*counter) {
    ++(row.*counter);
    ++row.m_unbeatenRun;
    row.m_winRun = 0;
    row.m_loseRun = 0;
    ++row.m_winlessRun;
}

}  // namespace

void BookTableResult(std::vector<StandingsRow>& table, const TableRules& rules, const MatchOutcome& o) {
    const int index[2] = {StandingsRowIndex(table, o.m_side1), StandingsRowIndex(table, o.m_side2)};
    if (index[0] < 0 || index[1] < 0) {
        DebugLog("Result for a side without a standings row dropped: %d v %d Compo: %d", o.m_side1, o.m_side2,
                 rules.m_competition);
        return;
    }
    const int winner = WinnerIndex(o);
    if (IsWinningResult(o.m_kind) && winner < 0) {
        DebugLog("Result with a winner %d that played no part dropped Compo: %d", o.m_winner,
                 rules.m_competition);
        return;
    }
    StandingsRow* rows[2] = {&table[static_cast<size_t>(index[0])], &table[static_cast<size_t>(index[1])]};
    const int32_t* pointsRule = rules.m_points;
    int32_t points[2] = {};
    switch (o.m_kind) {
        case RESULT_WON_BATTING_LAST:
        case RESULT_WON_BOWLING_LAST:
        case RESULT_WON_BY_INNINGS:
            Won(*rows[winner]);
            Lost(*rows[1 - winner]);
            points[winner] = pointsRule[POINTS_WIN];
            points[1 - winner] = pointsRule[POINTS_LOSS];
            break;
        case RESULT_TIE:
            for (StandingsRow* row : rows) Shared(*row, &StandingsRow::m_tied);
            points[0] = points[1] = pointsRule[POINTS_TIE];
            break;
        case RESULT_DRAW:
        case RESULT_NO_RESULT:
            for (StandingsRow* row : rows) Shared(*row, &StandingsRow::m_drawn);
            points[0] = points[1] = pointsRule[POINTS_DRAW];
            break;
        default:
            DebugLog("Result of unknown kind %d dropped Compo: %d", o.m_kind, rules.m_competition);
            return;
    }
    for (int s = 0; s < 2; ++s) {
        rows[s]->m_bonus1 += o.m_bonus1[s];
        rows[s]->m_bonus2 += o.m_bonus2[s];
        const bool bonusCounts = rules.m_winnerBonus || s != winner;
        rows[s]->m_points += points[s] + (bonusCounts ? o.m_bonus1[s] + o.m_bonus2[s] : 0);
    }
    if (rules.m_limitedOvers) {
        for (int s = 0; s < 2; ++s) {
            rows[s]->m_runsFor += o.m_runs[s];
            rows[s]->m_ballsFaced += o.m_balls[s];
            rows[s]->m_runsAgainst += o.m_runs[1 - s];
            rows[s]->m_ballsBowled += o.m_balls[1 - s];
        }
    }
}

void UpdateCoachesAndRatings(const MatchOutcome& o) {
    const int sides[2] = {o.m_side1, o.m_side2};
    const float average[2] = {AverageRating(sides[0]), AverageRating(sides[1])};
    const int winner = WinnerIndex(o);
    auto update = [&](int s, int coachCode, int sideCode) {
        SideCoachResultUpdate(sides[s], coachCode);
        SideResultRatingUpdate(sides[s], average[1 - s], sideCode);
    };
    if (winner >= 0) {
        update(winner, COACH_WON, SIDE_WON);
        update(1 - winner, COACH_LOST, SIDE_LOST);
    } else if (o.m_kind == RESULT_TIE) {
        for (int s = 0; s < 2; ++s) update(s, COACH_TIED, SIDE_TIED);
    } else if (o.m_kind == RESULT_DRAW) {
        for (int s = 0; s < 2; ++s) update(s, COACH_DRAWN, SIDE_DRAWN);
    }
}

namespace {

void RecordChampionshipMatch(const MatchOutcome& o) {
    TourSeries* series = RunningSeriesOf(o.m_side1);
    if (!series) series = RunningSeriesOf(o.m_side2);
    if (!series) {
        DebugLog("No running tour series for championship match %d v %d", o.m_side1, o.m_side2);
        return;
    }
    if (WinnerIndex(o) >= 0) {
        if (o.m_winner == series->m_home) ++series->m_homeWins;
        if (o.m_winner == series->m_away) ++series->m_awayWins;
    } else if (o.m_kind == RESULT_TIE) {
        ++series->m_ties;
    } else if (o.m_kind == RESULT_DRAW) {
        ++series->m_draws;
    }
}

}  // namespace

MatchOutcome OutcomeOf(const Match& match) {
    MatchOutcome o;
    o.m_side1 = match.mi_team1;
    o.m_side2 = match.mi_team2;
    o.m_winner = match.mi_winner;
    o.m_kind = match.mi_resultKind;
    for (int s = 0; s < 2; ++s) {
        o.m_bonus1[s] = match.mi_bonus[static_cast<size_t>(s)];
        o.m_bonus2[s] = match.mi_bonus[static_cast<size_t>(2 + s)];
        o.m_runs[s] = match.mi_runRateFigures[static_cast<size_t>(2 * s)];
        o.m_balls[s] = match.mi_runRateFigures[static_cast<size_t>(2 * s + 1)];
    }
    return o;
}

bool IsWinningResult(int kind) {
    return kind == RESULT_WON_BATTING_LAST || kind == RESULT_WON_BOWLING_LAST ||
           kind == RESULT_WON_BY_INNINGS;
}

int KnockoutSurvivor(const MatchOutcome& outcome) {
    return WinnerIndex(outcome) >= 0 ? outcome.m_winner : outcome.m_side1;
}

void RecordResult(Competition& competition, const MatchOutcome& outcome) {
    if (competition.m_id == COMP_TEST_CHAMPIONSHIP) {
        RecordChampionshipMatch(outcome);
    } else {
        // Only a real winner is paid: a draw names nobody.
        if (WinnerIndex(outcome) >= 0)
            AddFinanceToSide(outcome.m_winner, PAY_PRIZE, MatchPrize(competition.m_id));
        if (competition.m_kind != COMP_LEAGUE || competition.m_stage != STAGE_LEAGUE) {
            RecordKnockout(competition, outcome);
        } else {
            TableRules rules;
            rules.m_competition = competition.m_id;
            std::copy(std::begin(competition.m_points), std::end(competition.m_points), rules.m_points);
            rules.m_winnerBonus = competition.m_id != COMP_NO_WIN_BONUS;
            rules.m_limitedOvers = IsLimitedOversFormat(competition.m_format);
            BookTableResult(competition.mv_standings, rules, outcome);
        }
        UpdateCoachesAndRatings(outcome);
    }
    SortStandings(competition);
    UpdatePositions(competition);
}

}  // namespace ravel
