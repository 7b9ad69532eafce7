// The lists of today's fixtures and today's scoreboard: which of today's new
// fixtures and which matches in progress a region filter keeps, and the
// day machine's questions about them (does the user play today, how many
// fixtures and results the screens will show).
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

class Match;
struct Fixture;

// Filters: 0 all games, -1 international games, 1 to 10 the country at that
// table position plus 1, 99 the user's region ("Local & Int").
inline constexpr int32_t FILTER_ALL = 0;
inline constexpr int32_t FILTER_INTERNATIONAL = -1;
inline constexpr int32_t FILTER_FIRST_COUNTRY = 1;
inline constexpr int32_t FILTER_LAST_COUNTRY = 10;
inline constexpr int32_t FILTER_LOCAL = 99;
// The country of a user with neither a club nor a national side.
inline constexpr int32_t NO_USER_COUNTRY = 99;

// What the fixtures list holds.
inline constexpr int32_t FIXTURES_STARTING_TODAY = 5001;
inline constexpr int32_t FIXTURES_IN_PROGRESS = 5002;

struct TodaysLists {
    // Positions in g_todaysFixtures (starting today) or g_currentMatches.
    std::vector<int32_t> mv_fixtureRows;
    int32_t mi_fixtureMode = FIXTURES_STARTING_TODAY;
    int32_t mi_fixtureFilter = FILTER_LOCAL;
    // Positions in g_currentMatches.
    std::vector<int32_t> mv_scoreRows;
};
extern TodaysLists g_todaysLists;

// The current user coach's club side's country, else his national side,
// else NO_USER_COUNTRY.
int32_t UserCountry();

// A human coach runs the club or country with exactly that id.
bool SideIsHumanRun(int32_t sideId);

// Whether a filter keeps a fixture starting today, or a match in progress on
// the fixtures list (scoreboard false) or the scoreboard (true).
bool FixturePasses(const Fixture& fixture, int32_t filter);
bool MatchPasses(const Match& match, int32_t filter, bool scoreboard);

// Rebuild a list; each returns its length.
int BuildStartingToday(int32_t filter);
int BuildInProgress(int32_t filter);
int BuildScoreboard(int32_t filter);

// The current user coach's side plays today: a fixture starting today, else
// a match in progress.
bool HumanPlaysToday();
// Today's new fixtures and the scoreboard's matches under the user's filter.
int CountTodaysFixtures();
int CountTodaysResults();

}  // namespace ravel
