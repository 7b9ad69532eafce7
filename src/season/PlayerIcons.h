// The small pictures the player lists draw beside a name: a role icon
// (batsman, bowler, all-rounder, wicket keeper, each with an opener's
// variant) and two seven-step form icons. The numbers are slots of the game's
// sprite table; the role number also serves as the player's role class.
#pragma once

#include <cstdint>

namespace ravel {

enum PlayerIcon : int32_t {
    ICON_BOWLER = 34,
    ICON_BATSMAN = 35,
    ICON_ALLROUNDER = 58,
    ICON_KEEPER = 59,
    ICON_BAT_FORM_BEST = 87,    // .. 93 worst
    ICON_BOWL_FORM_BEST = 94,   // .. 100 worst
    ICON_BATSMAN_OPENER = 101,  // favourite batting position 1 or 2
    ICON_UNAVAILABLE = 102,     // away from his club for other reasons
    ICON_INELIGIBLE = 103,      // may not play for the side's country
    ICON_INJURED = 104,
    ICON_ALLROUNDER_OPENER = 138,
    ICON_KEEPER_OPENER = 139,
    ICON_BOWLER_OPENER = 140,
};

// A batting mean this far above (below) the bowling mean makes a batsman
// (a bowler); anything between is an all-rounder.
inline constexpr int ROLE_MARGIN = 15;

// Role from the batting and bowling means; an unknown player is an
// all-rounder.
int32_t PlayerRoleIcon(int playerId);
// The same, but a wicket keeper (status 1) is a keeper whatever his skills.
int32_t PlayerRoleIconWithKeeper(int playerId);
// Form steps from best (14 to 20) to worst (below -18); a form above 20 or
// not a number takes the middle step.
int32_t BatFormIcon(int playerId);
int32_t BowlFormIcon(int playerId);

}  // namespace ravel
