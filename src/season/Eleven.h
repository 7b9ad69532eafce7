// The coach's own edits of an eleven laid out as Team/Country m_xi: who
// stands in a slot, the batting order and the four roles. The club team page
// and the country page make them; the computer picks through Selection.h.
#pragma once

#include <cstdint>

#include "season/Selection.h"
#include "world/Records.h"

namespace ravel {

// Puts the player into a slot of the eleven. When he already stands in
// another slot the two swap places; the roles of the slot's former player
// pass to him (an empty slot hands over none). False, and nothing changes,
// for a slot outside 0..10 or a player id below 1.
bool PlaceInEleven(int32_t (&xi)[XI_SIZE], int slot, int playerId);

// Swaps the slot with the one above (below); the slot follows its player.
// False at the top (bottom) or outside the eleven.
bool MoveUpBattingOrder(int32_t (&xi)[XI_SIZE], int& slot);
bool MoveDownBattingOrder(int32_t (&xi)[XI_SIZE], int& slot);

// Whether the player of the slot may take the role (XI_KEEPER, XI_CAPTAIN,
// XI_OPEN_BOWLER1, XI_OPEN_BOWLER2): the wicket keeper opens no bowling and
// an opening bowler keeps no wicket; an empty slot takes none.
bool RoleAllowed(const int32_t (&xi)[XI_SIZE], int slot, int role);
// Gives the role to the slot's player. Opening bowler 1 given to opening
// bowler 2 (or the other way round) swaps the two.
bool AssignRole(int32_t (&xi)[XI_SIZE], int slot, int role);

// Stores the computer's selection; a selection that found no eleven fit
// players changes nothing and gives false.
bool StoreAutoSelection(const Selection& selection, int32_t (&xi)[XI_SIZE]);

}  // namespace ravel
