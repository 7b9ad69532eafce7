// The custom league: club sides the user picks play one round robin of
// twenty-over matches, one whole match at a time, outside any career. The
// league joins the world's competitions under an id none of them uses, so
// the match set-up finds its rules.
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

class Match;
struct Competition;

inline constexpr int CUSTOM_LEAGUE_SIDES = 32;
inline constexpr int CUSTOM_LEAGUE_OVERS = 20;
// A match that has not ended after this many steps is given up.
inline constexpr int CUSTOM_MATCH_STEP_LIMIT = 2000000;

// The chosen sides, in the order chosen.
struct CustomLeagueChoice {
    std::vector<int32_t> mv_sides;
    // Appends a club side; false (nothing changes) for a side that is not a
    // club of the world, one already chosen, or a 33rd side.
    bool Add(int32_t sideId);
    // Takes a side out; false when it was not chosen.
    bool Remove(int32_t sideId);
};

// The highest competition id below the international ones that no world
// competition has.
int32_t FreeCustomLeagueId();

// Builds the league from the sides into the world's competitions and starts
// its season: a single round robin with a round on each of the first days of
// the season, fresh standings. Returns the league's id.
int32_t CreateCustomLeague(const std::vector<int32_t>& sides);
// The league's record; nullptr before it is made.
Competition* CustomLeague();

// Creates the match of a custom game's fixture, the weather moved on to its
// month; the fixture is then in progress and `position` is the match's place
// among the matches in progress. nullptr when no match could be made.
Match* CreateCustomGameMatch(int32_t fixtureId, int& position);

// A custom game's match at close of play goes on the next morning: the
// world's date moves on a day, as the day machine moves it in a career, so
// that the match counts its days and ends when they run out. False (nothing
// changed) for a match that is not at close of play.
bool ResumeCustomGameMatch(Match& match);

enum class CustomMatchResult { PLAYED, NONE_LEFT, ABANDONED };
// Plays the league's next scheduled fixture, in table order, to its end with
// no human side, books it in the table and moves it to the completed matches.
// NONE_LEFT when every fixture has been played; ABANDONED (logged, nothing
// booked) when the match did not end within the step limit.
CustomMatchResult PlayNextCustomLeagueMatch();

// No custom league is running: part of ResetGameState.
void ResetCustomLeague();

}  // namespace ravel
