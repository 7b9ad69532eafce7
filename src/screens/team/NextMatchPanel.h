// The "Next Match:" box in the lower right of a side's page: when and where
// the side plays next, the pitch on the day and the forecast in the week
// before. The caller finds the match (FindNextMatch).
#pragma once

namespace ravel {

struct NextMatch;

// The weather shows this many days ahead; the pitch only on the day.
inline constexpr int FORECAST_DAYS = 7;

// sideId is the side whose page is shown. A match known only from its tour's
// itinerary has no ground yet: its date and opponent show, the pitch and the
// forecast wait. Draws only.
void DrawNextMatchPanel(int sideId, const NextMatch& next);

}  // namespace ravel
