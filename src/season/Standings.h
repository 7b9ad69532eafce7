// Standings tables: net run rate, the ordering of each kind of table, the
// positions behind the movement arrows, the shuffle before a schedule is
// drawn and the yearly rebuilding of the two world championship tables.
#pragma once

#include <vector>

#include "world/Competitions.h"

namespace ravel {

// Runs per over scored minus runs per over conceded; a side with no balls
// contributes 0. Stored in the row and returned.
float NetRunRate(StandingsRow& row);

// Position of the side's row; -1 when it has none.
int StandingsRowIndex(const std::vector<StandingsRow>& rows, int sideId);
// Position of the side's row in the competition; 0 when it has none.
int FindStandingsRow(const Competition& competition, int sideId);

// Ranks the table by the rule of its competition while its season runs.
void SortStandings(Competition& competition);
// Ranks any domestic table (running or not) by its competition's rule.
void RankDomesticTable(Competition& competition);
// Whether row a goes before row b when the two come from different tables of
// one format (the best of several groups' runners-up): points per match, then
// the format's own keys. Net run rates must be current.
bool BeforeAcrossTables(const StandingsRow& a, const StandingsRow& b, int format);
// Renumbers the rows 1, 2, ... keeping each row's previous place.
void UpdatePositions(Competition& competition);
// Swaps random pairs of the side list 3n times.
void ShuffleTeams(Competition& competition);
// Rebuilds the Test (oneDay false, competition 500) or one-day (501) ratings
// from the tour series of the last four years.
void UpdateChampionshipTables(bool oneDay);

// Net run rates recomputed, then every group and the super eight ranked by
// points and net run rate.
void SortGroupStandings(InternationalTournament& tournament);
// Position of the side's super eight row; 0 (logged) when it has none.
int FindSuperEightRow(const InternationalTournament& tournament, int sideId);
// A series table by points, highest first.
void SortSeriesStandings(Series& series);

}  // namespace ravel
