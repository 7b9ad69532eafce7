// Players' days: injuries picked up and healed, condition, form and morale.
#pragma once

namespace ravel {

// One day for every player: injuries run down (news when he is fit again),
// players of the sides that play today may be injured (one of the injury
// types, news for his coach), condition recovers, form settles towards 0
// and morale towards its resting level.
void UpdatePlayerFitnessAndInjuries();

// Chance in this many that a player of a side playing today is injured.
inline constexpr int MATCH_INJURY_ODDS = 300;
// The same for any other player (training, nets).
inline constexpr int REST_INJURY_ODDS = 20000;

}  // namespace ravel
