// The "Next Match:" box in the lower right of a side's page: when and where
// the side plays next, the pitch on the day and the forecast in the week
// before. The caller finds the fixture.
#pragma once

namespace ravel {

// The weather shows this many days ahead; the pitch only on the day.
inline constexpr int FORECAST_DAYS = 7;

// sideId is the side whose page is shown; fixturePosition its next fixture's
// position in the fixture table, -1 for none. Draws only.
void DrawNextMatchPanel(int sideId, int fixturePosition);

}  // namespace ravel
