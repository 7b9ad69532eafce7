// Club squads (forty slots filled from the players' club fields) and the
// national squads: the longer-format list and the one-day list of each
// country, their locks and the computer's selection of them.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Player.h"
#include "world/Records.h"

namespace ravel {

// A club must keep at least this many contracted players.
inline constexpr int MIN_CONTRACTED = 16;
// Computer clubs aim to hold this many.
inline constexpr int TARGET_SQUAD = 22;
// The country whose clubs play the northern summer (even seasons).
inline constexpr int NORTHERN_COUNTRY = 2;

enum Hemisphere : int {
    HEMI_NORTH = 1,  // 1 April to 30 September, even seasons
    HEMI_SOUTH = 2,  // 1 October to 31 March, odd seasons
};

// Which contract a club's players hold.
int HemisphereOf(const Team& team);
// The hemisphere whose clubs play in that season.
int HemisphereOfSeason(int season);
// The player's club, contract wage and seasons left in a hemisphere.
int32_t& ClubIn(Player& player, int hemisphere);
int32_t& WageIn(Player& player, int hemisphere);
int32_t& SeasonsIn(Player& player, int hemisphere);
int ClubIn(const Player& player, int hemisphere);
int SeasonsIn(const Player& player, int hemisphere);

int SquadCount(const Team& team);
bool IsInClubSquad(const Team& team, int playerId);
// Puts the player in the first empty slot; false when listed already or full.
bool AddToClubSquad(Team& team, int playerId);
// Empties his slot and takes him out of the eleven and its roles.
void RemoveFromClubSquad(Team& team, int playerId);
// Moves the filled slots to the front, keeping their order.
void CompactSquad(Team& team);
// Mean overall rating of the forty slots; 1.0 when empty.
float AverageRating(const Team& team);
// The same for any side: a club's forty slots or a country's squad list of its
// current kind; 1.0 for a side with no players or no such side.
float AverageRating(int sideId);
// Eleven and roles to -1; each listed player's selected flag cleared.
void ClearXI(Team& team);
// Signs a player for a club in the club's hemisphere: his club and contract
// change and he joins the squad. His old club of that hemisphere loses him.
void SignForClub(int playerId, Team& team, int wage, int seasons);
// A player who is out of contract in a hemisphere: no club there.
void ReleaseToFreeAgency(int playerId, int hemisphere);

// Every club's squad rebuilt from the players' club fields of its hemisphere.
void RebuildSquads();
// Pending rebuilds that the daily world step runs while the window is open.
extern int32_t g_squadRebuilds;
// Every club below MIN_CONTRACTED signs the best free agents of its country,
// then foreign ones while it has overseas places, then newly made young
// players until it has MIN_CONTRACTED; computer clubs go on with free agents
// of their country up to TARGET_SQUAD.
void TopUpTeamSquads();
// Every national side with too few players to pick two squads from gets newly
// made players of its nationality.
void TopUpCountryPlayers();
// A new player of the country appended to the player table; his id.
int CreateYoungPlayer(int countryId, bool bowler, bool keeper);

// National squads. Kinds 1, 3, 4 and 5 use the one-day list, 0 and 2 the
// longer-format list; kind 0 has the first lock, 2 the second, 1 and 3 the third.
std::vector<int32_t>& SquadList(Country& country, int kind);
uint8_t* SquadLock(Country& country, int kind);
// Adds him to the list of the current squad kind when he plays for the
// country, is not out for more than 15 days, is not listed and has not retired
// from that format; false when refused or locked.
bool AddToSquad(Country& country, int playerId);
// The players a squad of the kind holds: 14 for home Tests, 15 for the
// one-day kind 3, else 16.
int RequiredSquadSize(int kind);
bool RemoveFromSquad(Country& country, int playerId);
bool ClearSquad(Country& country);
// The computer's squads: the longer-format list of the current kind (home
// Tests with a second spinner when most of the country's grounds have a pitch
// figure below TURNING_PITCH), and the
// one-day list (15 players for kind 3, else 16). `fill` 1 tops the list up
// to its size; 0 picks afresh.
void SelectTestSquad(Country& country, int fill);
void SelectTestSquadB(Country& country, int fill);
void SelectOneDaySquad(Country& country, int fill);
// The national-squad byte of every player in the country's lists.
void SetSquadDuty(Country& country, bool onDuty);
// The players go back to their clubs: a computer side's lists (those not
// locked) and eleven are cleared; a human coach keeps his lists, only their
// bytes are cleared. Bytes of the country's players left set without a place
// in any list are cleared too.
void ReleaseNationalSquads(Country& country);
// Both squads of every national side without a human coach; the daily world
// step lets those with no engagement near go back to their clubs.
void SelectAllNationalSquads();
// The last of the world completion: no offers, squads compacted, job
// security for every appointed coach, every computer side's eleven chosen.
void FinishWorldLoad();

}  // namespace ravel
