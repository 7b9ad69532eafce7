// International tournaments: group stage, the optional super eight, semi-
// finals and final. Each stage is scheduled on its own days and grounds; a
// stage whose matches are all decided draws the next one.
#pragma once

#include "season/Results.h"
#include "world/Competitions.h"

namespace ravel {

// Tournament tables: two points for a win, one for a tie or no result.
inline constexpr int32_t TOURNAMENT_POINTS[POINTS_RULES] = {2, 1, 1, 0};

// The tournament of a competition id (505..549) in the current season; by
// record id when no tournament of that competition runs this season.
InternationalTournament* TournamentForCompetition(int competitionId);

// Fresh group tables and the group matches: each group a round robin, the
// groups' rounds interleaved so that every side plays in turn.
void StartTournament(InternationalTournament& tournament);
// Draws a stage (TSTAGE_SUPER_EIGHT, TSTAGE_SEMI_FINALS, TSTAGE_FINAL) from the
// tables or results so far; a stage already reached is not drawn again.
void DrawTournamentStage(InternationalTournament& tournament, int stage);
// The country is in the stage being played, or in the groups before the start;
// false once it is out or the tournament is won.
bool StillInTournament(const InternationalTournament& tournament, int countryId);
// A finished tournament match: the group or super eight table, or the
// knockout; coaches and ratings; then the next stage once this one is done.
void RecordTournamentResult(InternationalTournament& tournament, const MatchOutcome& outcome);

}  // namespace ravel
