// The world's work for one day, run by the day machine before the day's
// fixtures are listed, with the dated competition events and the turn of
// the season: players' histories, retirements and development, squads.
#pragma once

#include <string>
#include <vector>

#include "world/GameDate.h"
#include "world/Player.h"
#include "world/PlayerHistory.h"

namespace ravel {

void DailyWorldStep();
void FireCompetitionEvents();
// The event of type 5: the world rolls into the next season.
void StartNewSeason();
// On a day past the season's end, which a sound events table never reaches,
// the season is turned (and the fault logged), so the date can't run on in it.
void TurnOverdueSeason();

// Whether an event's season word (a season, or every even / odd season)
// matches the season.
bool EventSeasonMatches(int eventSeason, int season);

// The almanack title formatted at the last turn of the season.
extern std::string g_almanackTitle;

// Every player's season blocks that hold a match are added to the stored
// histories, which are written again; false when the files can't be written.
bool MergePlayerHistories(int endedSeason);

// What the turn did to the players.
struct TurnoverCounts {
    int m_retired = 0;
    int m_newPlayers = 0;
};

// Retirements (by age, and those who announced it) replaced by new young
// players, whose potential takes them to the level of an established player
// of their country and trade; skills grow from potential while young and
// fade with age.
TurnoverCounts SeasonTurnover();
// Counts of the last turn (for the benchmark and the news).
extern TurnoverCounts g_lastTurnover;

// A player's trade, by his role: wicket-keeping (with batting), batting or bowling.
enum Trade { TRADE_BATTING, TRADE_BOWLING, TRADE_KEEPING };
Trade TradeOf(const Player& player);
// His level at his trade: the mean of the skills that make it.
int TradeLevel(const Player& player);

// One player's skills moved on by a half-year of his age. Before the peak
// age his potential is what his trade still has to gain (his fielding as
// much, other skills half); past the decline age every skill slowly fades.
void DevelopPlayer(Player& player, int age);
// Chance in 100 that a player of that age retires at the turn.
int RetirementChance(int age);

}  // namespace ravel
