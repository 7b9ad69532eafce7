// The cell texts of fixture, result and records rows: the sides, the verb
// between them, ground, dates, competition label and the result seen three
// ways. Each function writes a static buffer of its own, so texts of
// different functions can go into one formatted line; an empty row gives "-".
#pragma once

#include "season/Lists.h"

namespace ravel {

// One player's single performance of the records pages: player, match, side
// and the two figures (runs and the not-out flag, or runs conceded and
// wickets); the single-performance rows of the statistics lists.
using PerformanceRow = StatsRow;

// "Home v Away"; rows of the two championship tables (500, 501) have none.
const char* MatchTitle(const FixtureListEntry& row);
const char* HomeTeamName(const FixtureListEntry& row);
const char* AwayTeamName(const FixtureListEntry& row);
// "Ground, Town" and "Town".
const char* GroundText(const FixtureListEntry& row);
const char* GroundPlace(const FixtureListEntry& row);
// "12 Apr 2006" for one day, "12 - 15 Apr" or "30 Apr - 3 May" for more.
const char* DateText(const FixtureListEntry& row);
// "vs", "beat", "lost to", "drew with" or "are playing".
const char* ResultVerb(const FixtureListEntry& row);
// "Test", "ODI", "Tour" or the competition's short name.
const char* CompetitionLabel(const FixtureListEntry& row);
// "X beat Y by 5 wickets", "Match Drawn", "In progress"...
const char* ResultDescription(const FixtureListEntry& row);
// "Won by 20 runs", "Lost on worse run rate"... from that side's view.
const char* ResultForTeam(const FixtureListEntry& row, int sideId);
// "X won by 5 wkts", "Match Tied"...
const char* ResultRuleText(const FixtureListEntry& row);

// "Surname, Initials".
const char* PerformancePlayerName(const PerformanceRow& row);
const char* PerformanceTeamShortName(const PerformanceRow& row);
// "Home v Away" and the date of the completed match.
const char* PerformanceMatchTitle(const PerformanceRow& row);
const char* PerformanceMatchDate(const PerformanceRow& row);
// "104*" or "104".
const char* PerformanceScoreText(const PerformanceRow& row);
// "5/43": wickets, then runs.
const char* PerformanceBowlingText(const PerformanceRow& row);

const char* InningsMatchDate(const TeamInningsRow& row);
const char* InningsTeamName(const TeamInningsRow& row);
const char* InningsMatchTitle(const TeamInningsRow& row);
// "245" when all out, else "245/7".
const char* InningsTotalText(const TeamInningsRow& row);

}  // namespace ravel
