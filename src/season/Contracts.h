// Contracts and transfers: offers and their replies, who may be approached,
// releases, and the transfer window's work for every club. A club's players
// hold the contract of its hemisphere; approaches are made from day 12 to day
// 30 of the club's own season and agreed moves happen when the window shuts.
#pragma once

#include <cstdint>
#include <vector>

#include "world/Records.h"

namespace ravel {

enum OfferState : int32_t {
    OFFER_MADE = 1,      // waiting for the player's reply
    OFFER_COUNTER = 2,   // his agent wants better terms; the club may offer again
    OFFER_ACCEPTED = 3,  // terms accepted; he weighs the offers he has accepted
    OFFER_CLOSED = 4,    // refused, withdrawn or beaten by another club
    OFFER_AGREED = 6,    // signed; a move happens when the window shuts
};

struct ContractOffer {
    int32_t m_renewal = 0;  // 1 renewal by his own club, 0 an approach
    int32_t m_player = -1;
    uint8_t m_offered = 0;
    int32_t m_team = -1;
    int32_t m_state = -1;
    int32_t m_demandWage = -1;
    int32_t m_demandLength = -1;
    int32_t m_offerWage = -1;
    int32_t m_offerLength = -1;
    int32_t m_countdown = -1;  // days to the next reply

    // Days to the reply: 1 to REPLY_DAYS_LONGEST for a new offer, 1 + 0..1
    // for an accepted one, else 1.
    void StartReplyCountdown();
};

// One table for all clubs.
extern std::vector<ContractOffer> g_contractOffers;

// The user's club puts the offer to the player: it is made now, its reply
// counted down, and it takes the place of the club's first offer to him or
// joins the table; the coach's inbox has the news at once.
void PutUserOffer(ContractOffer offer, int teamId);

// The player's demand: wage from his rating, the share of the club's money
// that its wages carry (as Player::SetWage) and his age, raised for good career
// figures, halved below 30 first-class matches, three quarters once retired
// from Tests, at least 12000 less a random 1000, 1500 or 2000; 1..3 seasons.
void ContractDemand(ContractOffer& offer);

// CanSignPlayer results, in the order they are tested.
enum SignCode : int {
    SIGN_OK = 0,
    SIGN_RETIRING = 1,
    SIGN_OVERSEAS_FULL = 2,
    SIGN_ARRANGED = 3,
    SIGN_WINDOW = 4,  // outside the window, or beyond a computer club's reach
    SIGN_NOT_ELIGIBLE = 5,
    SIGN_NORTH_CONTRACT = 6,
    SIGN_SOUTH_CONTRACT = 7,
    SIGN_OUT_OF_SEASON = 8,
};

// First and last day of season on which contracted players may be approached.
inline constexpr int WINDOW_FIRST_DAY = 12;
inline constexpr int WINDOW_LAST_DAY = 30;
// The longest a player takes to reply to a new offer.
inline constexpr int REPLY_DAYS_LONGEST = 4;
// Days a human coach has to answer an approach for his player before the
// player replies to it: the day the news comes, then the longest wait for a
// reply to the new offer he makes.
inline constexpr int USER_ANSWER_DAYS = 1 + REPLY_DAYS_LONGEST;

// The seasons-left count of a contract of that length signed today: one more
// while the hemisphere's window has still to shut, since the shut takes a
// season off every contract.
int NewContractSeasons(int length, int hemisphere);

// Ineligible players in the club's squad, cached for CanSignPlayer; -1 makes
// the next call recount.
extern int32_t g_overseasCount;
int CanSignPlayer(int playerId, int teamId, int flag);
// Whether the club's squad holds fewer ineligible players than its country
// allows.
bool OverseasPlaceFree(const Team& team);

enum ReleaseResult : int {
    RELEASE_DONE = 41,
    RELEASE_TOO_VALUABLE = 42,
    RELEASE_TOO_FEW = 43,
};
// The user's club lets a player go (hemisphere 1 northern, 2 southern).
int ReleaseFromContract(int playerId, int hemisphere);

// Renewal offers of computer clubs for players whose contract runs out this
// window; the user hears how many of his players are in their last season.
void ReviewExpiringContracts(int hemisphere);
// Computer clubs approach players for the places the window will leave open,
// taking turns in a random order; a human club's player waits for his
// coach's answer before he replies.
void FillSquadRoles(int hemisphere);
// Offers whose reply is due get the player's answer.
void ResolveContractOffers();
// A player whose accepted offers have waited their time signs the best: a
// renewal or a free agent's signing at once, a move from another club when
// the window shuts.
void ReplyToOffers();
// Day 1 of a season: the hemisphere's settled offers of last season go and
// no player is marked as leaving.
void TransferWindowDayOne(int hemisphere);
// The side news of the window's days: the user hears when it opens (day 12).
void TransferSideNews(int dayOfSeason);
// The shut of the window: news of who comes and goes for the user's club.
void EndOfWindowNews(int hemisphere);
// Agreed moves made, contracts run down a season, expired ones released,
// squads topped up and elevens chosen again.
void EndOfWindowSquadWork(int hemisphere);
// Everything above in its order for today's day of season.
void TransferWindowStep();

}  // namespace ravel
