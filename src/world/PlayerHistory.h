// The player histories of the running game, kept in the saves folder:
// "playerhistories_data.hist" (a count, then PlayerStats records grouped by
// player id) and "playerhistories_index.hist" (one 8-byte entry per player
// id: the number of his first record and how many there are).
#pragma once

#include <string>
#include <vector>

#include "world/Player.h"

namespace ravel {

inline constexpr char PLAYER_HISTORY_DATA[] = "playerhistories_data.hist";
inline constexpr char PLAYER_HISTORY_INDEX[] = "playerhistories_index.hist";

// A damaged data file is renamed to this name beside it, out of the way.
inline constexpr char PLAYER_HISTORY_SET_ASIDE[] = "playerhistories_data.hist.bad";

// The player's stored records, oldest first; empty when the files are
// missing, the index starts with a negative number or he has none.
void ReadPlayerHistory(std::vector<PlayerStats>& out, int playerId);

// Every stored record in file order. Records of ids that name no player of
// the world are dropped; a data file cut short or whose count disagrees with
// its records is set aside, and the records it holds whole are kept. Both
// are logged, and the career goes on.
std::vector<PlayerStats> ReadAllPlayerHistories();

// Writes both files from records in any order (they are grouped by player,
// keeping their order within a player); records of ids that name no player
// of the world are dropped and logged, so the index never outgrows the
// world. False when a file can't be written.
bool WritePlayerHistories(std::vector<PlayerStats> records);

// A new game's files: copies of the database folder's, which hold the
// seasons before the game; without them an empty data file and an index that
// reads as empty. A file that cannot be made is left out: the histories then
// read as empty.
void CreatePlayerHistoryFiles();

}  // namespace ravel
