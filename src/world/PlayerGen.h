// A new, randomly made player in place of a retired one.
#pragma once

namespace ravel {

// Rewrites the player with that id in place: a new name and birth date, no
// club, no figures, fresh skills for the old record's broad role. The
// nationality, batting hand, bowling arm and type and fielding position stay.
void GenerateReplacementPlayer(int playerId);

}  // namespace ravel
