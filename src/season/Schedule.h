// A competition's season: its start (promotion and relegation, the shuffled
// round-robin schedule, fresh standings), the knockout draws and its close.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "world/Competitions.h"

namespace ravel {

// Starts the competition's season for the world's current season; returns -1.
int StartLeagueSeason(Competition& competition);
// Appends the round-robin fixtures of a league (circle method; a bye when the
// number of sides is odd; home side by round parity) to the fixture table.
void GenerateLeagueSchedule(Competition& competition);
// The rounds of a round robin as (home, away) pairs: circle method, a side
// resting each round when the count is odd, the first-named side at home in
// odd rounds and the second in even ones. Home and away plays the circle
// twice, the second time with the grounds exchanged.
std::vector<std::vector<std::pair<int32_t, int32_t>>> RoundRobinRounds(const std::vector<int32_t>& sides,
                                                                       bool homeAndAway);
// How the user's side is expected to fare: 1 in a league of fewer than four
// sides, else 3 in a division with promotion places, otherwise 2.
int ExpectationGrade(const Competition& competition);

// Exchanges the bottom sides of this division with the top sides of the one
// below, and its top sides with the bottom of the one above, by last season's
// tables. Each pair of divisions is exchanged once per season, by whichever
// of the two starts its season first.
void PromoteAndRelegate(Competition& competition);

// Draws a knockout round (STAGE_QUARTER_FINALS, STAGE_SEMI_FINALS or
// STAGE_FINAL) and schedules its ties on the competition's next round date.
// The field comes from the previous round's winners when that round was
// played. Otherwise it is seeded: a cup with feeding tables takes their top
// places (group winners at home against runners-up of another group), else
// the top of the league table (or the side list of a cup) meets first
// against last.
void DrawKnockoutStage(Competition& competition, int stage);
// Handles a competition event of type 2, 3 or 4.
void DrawStageForEvent(Competition& competition, int eventType);

// Closes the season: the winner and runner-up go into the competition's
// history.
void CloseCompetition(Competition& competition);

// Fires a competition event of type 0 (season start), 1 (close) or 2 to 4
// (stage draws) for a domestic competition or an international tournament
// (505..549). Type 5, the new season, belongs to the daily world step.
void RunCompetitionEvent(int type, int competitionId);

}  // namespace ravel
