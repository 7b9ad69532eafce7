// The cell texts of fixture, result and records rows: the sides, the verb
// between them, ground, dates, competition label and the result seen three
// ways; an empty row gives "-".
#pragma once

#include <string>

#include "season/Lists.h"

namespace ravel {

// One player's single performance of the records pages: player, match, side
// and the two figures (runs and the not-out flag, or runs conceded and
// wickets); the single-performance rows of the statistics lists.
using PerformanceRow = StatsRow;

// "Home v Away"; rows of the two championship tables (500, 501) have none.
std::string MatchTitle(const FixtureListEntry& row);
std::string HomeTeamName(const FixtureListEntry& row);
std::string AwayTeamName(const FixtureListEntry& row);
// "Ground, Town" and "Town".
std::string GroundText(const FixtureListEntry& row);
std::string GroundPlace(const FixtureListEntry& row);
// "12 Apr 2006" for one day, "12 - 15 Apr" or "30 Apr - 3 May" for more.
std::string DateText(const FixtureListEntry& row);
// "vs", "beat", "lost to", "drew with" or "are playing".
std::string ResultVerb(const FixtureListEntry& row);
// "Test", "ODI", "Tour" or the competition's short name.
std::string CompetitionLabel(const FixtureListEntry& row);
// "X beat Y by 5 wickets", "Match Drawn", "In progress"...
std::string ResultDescription(const FixtureListEntry& row);
// "Won by 20 runs", "Lost on worse run rate"... from that side's view.
std::string ResultForTeam(const FixtureListEntry& row, int sideId);
// "X won by 5 wkts", "Match Tied"...
std::string ResultRuleText(const FixtureListEntry& row);

// "Surname, Initials".
std::string PerformancePlayerName(const PerformanceRow& row);
std::string PerformanceTeamShortName(const PerformanceRow& row);
// "Home v Away" and the date of the completed match.
std::string PerformanceMatchTitle(const PerformanceRow& row);
std::string PerformanceMatchDate(const PerformanceRow& row);
// "104*" or "104".
std::string PerformanceScoreText(const PerformanceRow& row);
// "5/43": wickets, then runs.
std::string PerformanceBowlingText(const PerformanceRow& row);

std::string InningsMatchDate(const TeamInningsRow& row);
std::string InningsTeamName(const TeamInningsRow& row);
std::string InningsMatchTitle(const TeamInningsRow& row);
// "245" when all out, else "245/7".
std::string InningsTotalText(const TeamInningsRow& row);

}  // namespace ravel
