// Results into the news: a human coach hears how each match of his side
// ended, who won the competitions his side plays in, and (with every coach)
// who won an international tournament.
#pragma once

#include <string>

#include "world/Competitions.h"

namespace ravel {

class Match;

// The coaches of the match's sides, at once: a finished match is news the
// evening it ends.
void PostMatchResultNews(const Match& match);
// The coaches of the competition's sides, when it closes.
void PostChampionsNews(const Competition& competition, const HistoryEntry& entry);
// Every coach, when the final is won.
void PostTournamentNews(const InternationalTournament& tournament, int runnerUp);

// What a match was: "County Championship Division One", "2nd Test Match",
// "ICC World Cup 2007", "Tour match".
std::string MatchCompetitionText(const Match& match);

}  // namespace ravel
