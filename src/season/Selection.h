// The computer's team selection: picks an eleven from a side's fit players,
// names its captain, wicket keeper and opening bowlers, and orders it into a
// batting order. Every side without a human coach is picked here.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "world/Records.h"

namespace ravel {

// A selection: the eleven player ids in batting order, then the slots (0..10
// into the eleven) of the role players. Everything -1 when the side could
// not raise eleven fit players.
enum SelectionIndex : int {
    SEL_CAPTAIN = 11,
    SEL_KEEPER = 12,
    SEL_OPEN_BOWLER1 = 13,
    SEL_OPEN_BOWLER2 = 14,
    SEL_SIZE = 15,
};
using Selection = std::array<int32_t, SEL_SIZE>;

// XI slot of a club squad player left out of the eleven.
inline constexpr int32_t NOT_IN_XI = 999;

// A ground's pitch figure below this (a slow pitch that turns) calls for a
// second spinner.
inline constexpr float TURNING_PITCH = 6.7f;

// Mean of the six batting skills, truncated; 0 for an unknown player.
int PlayerBattingRating(int playerId);
// Mean of bowling skill and consistency, truncated; 0 for an unknown player.
int PlayerBowlingRating(int playerId);

// Ranking predicates over player ids: true when a goes before b.
bool CompareBattingRating(int a, int b);
bool CompareOpener(int a, int b);
bool CompareMiddleOrder(int a, int b);
bool CompareKeeper(int a, int b);
bool ComparePaceBowler(int a, int b);
bool CompareSpinBowler(int a, int b);
bool CompareCaptaincy(int a, int b);
bool CompareBattingPosition(int a, int b);

// Picks the eleven of a country (national set: its one-day or Test squad) or
// of a club side (its 40 squad slots). groundId of 0 or less: no ground. For a
// club side the players' XI slots are rewritten.
Selection ChooseXI(int sideId, bool national, bool oneDay, int groundId);

// Writes a selection into an eleven laid out as Team/Country m_xi: the eleven
// ids, then the keeper, captain and opening bowlers as player ids (-1 none).
void StoreSelection(const Selection& selection, int32_t (&xi)[XI_SIZE]);

// The computer's eleven for the country's current squad kind, stored in it.
void PickXI(Country& country);
void ClearXI(Country& country);
// Whether the player is in the squad list of the country's current squad kind.
bool IsInSquad(const Country& country, int playerId);
bool IsIdInList(const std::vector<int32_t>& list, int id);

}  // namespace ravel
