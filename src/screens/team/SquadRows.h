// What the team and country pages draw alike: the columns of a player list
// in each view, and the Tactics tab's panel of the eleven.
#pragma once

#include <cstdint>

#include "world/Records.h"

namespace ravel {

struct Player;

// The eleven's panel: slots of 25 pixels from y 200 between these edges.
inline constexpr int ELEVEN_PANEL_LEFT = 581;
inline constexpr int ELEVEN_PANEL_RIGHT = 929;
inline constexpr int ELEVEN_PANEL_TOP = 200;
inline constexpr int ELEVEN_SLOT_HEIGHT = 25;

// The view's column headings at y 177.
void DrawViewHeadings(int view);
// A row's cells in the view; side is the club whose contract the Contract
// view shows.
void DrawViewCells(const Player& p, int view, int y, int side);
// The eleven with its numbers, names and roles; the selected slot marked,
// the pointed one lit while the pointer is over the panel.
void DrawElevenPanel(const int32_t (&xi)[XI_SIZE], int selectedSlot, int pointedSlot);
// The slot at a point; -1 outside the panel.
int ElevenSlotAt(int x, int y);
// The first month of the season, when contracts about to end are marked.
bool InContractMonth();

}  // namespace ravel
