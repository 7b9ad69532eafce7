// The custom tour: a touring country visits a host for the Tests, one-day
// internationals and warm-up matches of an itinerary, outside any career. The
// user coaches the tourists in every match, played one at a time in the live
// match view; the tour keeps the score of its two series.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/GameDate.h"

namespace ravel {

class Match;

enum TourEventKind : int32_t {
    TOUR_EVENT_TEST = 802,
    TOUR_EVENT_ODI = 803,
    TOUR_EVENT_FOUR_DAY_WARM_UP = 804,  // against a club of the host
    TOUR_EVENT_ONE_DAY_WARM_UP = 805,
};

struct TourEvent {
    int32_t m_kind = TOUR_EVENT_TEST;
    int32_t m_second = 5;
    int32_t m_third = 0;
};

// As many events as the set-up screen has lines for.
inline constexpr int CUSTOM_TOUR_EVENTS = 11;

// "1st" to "10th" for 1 to 10; "xth" for any other number.
const char* OrdinalSuffix(int n);

struct CustomTourPlan {
    int32_t m_touring = 0;
    int32_t m_host = 0;
    std::vector<TourEvent> mv_events;
};

// The club of the host that the tourists meet in a warm-up; 0 when the host
// has none.
int32_t WarmUpOpponent(int32_t hostId);

// The day a custom tour of the host opens, in the host's own season: the
// start of the first series it plays at home in the world's programme; for a
// host without one, 1 June 2006 where the warmest month of its home ground is
// April to September, else 26 December 2006.
GameDate CustomTourFirstDay(int32_t host);

// Wins of each side, draws and ties (or no results) of one series.
struct SeriesScore {
    int32_t m_competition = 0;
    int32_t m_hostWins = 0;
    int32_t m_touringWins = 0;
    int32_t m_draws = 0;
    int32_t m_ties = 0;
};

struct CustomTourState {
    int32_t m_touring = 0;
    int32_t m_host = 0;
    std::vector<int32_t> mv_fixtures;  // in the order of the itinerary
    std::vector<int32_t> mv_matches;   // ids of the matches made for them
    size_t m_next = 0;                 // the next of them to play
    int32_t m_matchId = -1;            // the match in play, -1 between matches
    SeriesScore m_tests;
    SeriesScore m_odis;
};

// False, changing nothing, when the two countries are not two different
// national sides or no event can be played.
bool CanStartCustomTour(const CustomTourPlan& plan);
// Hands earlier coaches over, makes a default coach the tourists' (profile 0),
// books a fixture for each event from 26 December 2006 at the host's grounds
// (warm-ups at the club's) and starts the first match. Game mode 3.
bool StartCustomTour(const CustomTourPlan& plan);
// The tour in play; nullptr before one starts.
const CustomTourState* CustomTour();
// Creates the match of the next fixture with the squads and elevens of both
// countries and makes it the user's match; nullptr when the tour is over.
Match* StartNextCustomTourMatch();
// The user's finished match goes into its series' score and to the completed
// matches. False when no tour match is over.
bool FinishCustomTourMatch();
// The fixture (by id) or match (by id) is one of the tour's.
bool IsCustomTourFixture(int32_t fixtureId);
bool IsCustomTourMatch(int32_t matchId);
// Forgets the tour (a new game state).
void ResetCustomTour();

}  // namespace ravel
