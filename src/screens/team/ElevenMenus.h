// The pop-ups with which the team and country pages edit a side's eleven:
// the position pop-up, which puts a listed player in a slot, and the role
// pop-up of the eleven's panel on the Tactics tab.
#pragma once

#include <cstdint>

#include "world/Records.h"

namespace ravel {

class CPopupMenu;
struct Player;

// Position pop-up values beside the slots 0..10.
inline constexpr int POSITION_TITLE = 98;
inline constexpr int POSITION_CANCEL = 99;

// How the position pop-up names a slot: "initials surname" or "n: empty
// place" (club page), or the surname or "Empty" (country page).
enum class SlotNames { INITIALS, SURNAMES };

// Refills the position pop-up for `player` over the eleven and opens it at x, y.
void OpenPositionMenu(CPopupMenu& menu, const int32_t (&xi)[XI_SIZE], const Player& player, SlotNames names,
                      int x, int y);
// A choice made in the position pop-up: `player` takes the chosen slot of
// the eleven (none when xi is null). The pop-up closes.
void TakePositionChoice(CPopupMenu& menu, int32_t (*xi)[XI_SIZE], int32_t player);

// The role pop-up's items.
void FillRoleMenu(CPopupMenu& menu);
// The pointer over the eleven's panel: the left button selects the batting
// slot; while the role pop-up is closed the slot under the pointer becomes
// the role row and the right button opens the pop-up there, on a filled slot
// of `xi` (null when the side may not be edited). With `rightSelects` the
// right button selects the batting slot too.
void TrackElevenPanel(CPopupMenu& menu, const int32_t (*xi)[XI_SIZE], bool rightSelects, int32_t& battingSlot,
                      int32_t& roleRow);
// A choice made in the role pop-up gives the role row's player that role.
// The pop-up closes.
void TakeRoleChoice(CPopupMenu& menu, int32_t (*xi)[XI_SIZE], int roleRow);

}  // namespace ravel
