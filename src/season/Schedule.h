// A competition's season: its start (promotion and relegation, the shuffled
// round-robin schedule, fresh standings), the knockout draws and its close.
#pragma once

#include "world/Competitions.h"

namespace ravel {

// Starts the competition's season for the world's current season; returns -1.
int StartLeagueSeason(Competition& competition);
// Appends the round-robin fixtures of a league (circle method; a bye when the
// number of sides is odd; home side by round parity) to the fixture table.
void GenerateLeagueSchedule(Competition& competition);
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
// played, else from the top of the league table (or the side list of a cup).
void DrawKnockoutStage(Competition& competition, int stage);
// Handles a competition event of type 2, 3 or 4.
void DrawStageForEvent(Competition& competition, int eventType);

// Closes the season: the winner and runner-up go into the competition's
// history.
void CloseCompetition(Competition& competition);

}  // namespace ravel
