// The two match lists: the matches in progress and the completed matches.
// A finished match moves from the first to the second at the end of its day;
// the completed list is emptied at the season's turn.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace ravel {

class Match;

extern std::vector<std::unique_ptr<Match>> g_currentMatches;
extern std::vector<std::unique_ptr<Match>> g_completedMatches;

// Position of the first match with the id; -1 when none has it.
int FindCurrentMatchIndex(int32_t matchId);
int FindCompletedMatchIndex(int32_t matchId);
// The match with the id in either list, or nullptr.
Match* MatchById(int32_t matchId);

// A fresh id, never handed out before in this career, even after the
// completed matches have been cleared.
int32_t NextMatchId();
// Moves the match at a position of the current list to the completed list;
// it keeps its scorecard but no longer its balls (Match::ReleaseBalls).
void RetireMatch(int position);
// Season turn: destroys the completed matches; ids keep counting.
void ClearCompletedMatches();
// New game: both lists emptied and the ids start again.
void ResetMatchLists();

}  // namespace ravel
