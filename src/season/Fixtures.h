// The world's fixture table: adding fixtures, the grounds a country offers
// for its home matches, and the texts that name a fixture's sides and a
// series' matches and standing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/Competitions.h"
#include "world/GameDate.h"
#include "world/Records.h"

namespace ravel {

// Checks and appends a fixture with the next fixture id; a fixture with the
// same side twice or a side id below 1 is logged and dropped. Returns the new
// fixture's id, 0 when it was dropped.
int AddFixture(Fixture fixture);

// Position in the fixture table of the earliest fixture by calendar date,
// today or later and not yet played, in which either side plays (a side id
// below 1 names none); -1 when there is none. A tie keeps the first in table
// order.
int FindNextFixture(int sideA, int sideB = 0);

// A coach's next match: his sides' next fixture or, for a national side
// alone, the first match of a tour's series or a tournament whose fixtures
// are not made yet (they are made only days before it starts), whichever
// comes first.
struct NextMatch {
    bool m_known = false;
    GameDate m_date;
    int32_t m_competition = 0;
    int32_t m_home = 0;
    int32_t m_away = 0;      // 0: the opponents are still to be drawn
    int32_t m_host = 0;      // where a tournament is played
    int32_t m_fixture = -1;  // fixture table position, -1 when not yet made
};
NextMatch FindNextMatch(int club, int country);

// The country's grounds (ascending ids, none from `exclude`) fitted to exactly
// `wanted` entries: repeated when too few, cut when too many; {0} when the
// country has none.
std::vector<int32_t> GroundsForCountry(int countryId, const std::vector<int32_t>& exclude, int wanted);

// The grounds where the country plays its home internationals: those marked
// international, or all of its grounds when none is. `wanted` entries taken in
// turn from the `first`-th (modulo their number), so that series start at
// different grounds; {0} when the country has no ground.
std::vector<int32_t> InternationalGrounds(int countryId, int wanted, int first = 0);

// "2nd Test Match", "5th One Day International" or "Triangular Tournament
// (A, B, C)" for the series' next match; a match number beyond the titles
// keeps the last title.
std::string FixtureTitle(const TourSeries& series);
// The same for a given 0-based match number; "" for a negative one.
std::string FixtureTitle(const TourSeries& series, int matchNumber);

// "%s lead the series %d-%d", "Series is level at %d-%d", or for a finished
// series of the championship "%s won the series %d-%d" / "Series drawn %d-%d".
std::string SeriesStatusText(const TourSeries& series);

}  // namespace ravel
