// News items waiting for delivery to a human coach's inbox, and the coach
// profiles that hold them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "season/PlayerSearch.h"
#include "world/GameDate.h"
#include "world/Records.h"

namespace ravel {

enum NewsLinkKind : int32_t {
    LINK_PLAYER = 1,
    LINK_CLUB = 2,
    LINK_COUNTRY = 3,
    LINK_COACH = 4,
    LINK_COMPETITION = 5,
    LINK_SCORECARD = 6,
    LINK_SCREEN = 10,
    LINK_RECORDS = 11,
};

// The page a LINK_SCREEN link opens; its value is the news page's to follow.
inline constexpr int32_t LINK_PAGE_TOP_RATED = 109;

enum NewsCode : int32_t {
    NEWS_SEASON_START = 5,  // a schedule is out; figure: expectation grade; links: side, competition
    // Records broken (the records page link says which table and section).
    NEWS_RECORD_FIRST = 3010,
    NEWS_RECORD_LAST = 3024,
    // Coaching jobs.
    NEWS_COACH_APPOINTED = 6001,  // links: side, coach
    NEWS_COACH_LEFT = 6002,       // links: side, coach
    NEWS_COACH_SACKED = 6003,     // links: side, coach
    NEWS_JOB_APPLICATION = 6004,  // the user applied; links: side
    NEWS_JOB_OFFER = 6005,        // needs an answer; links: side
    NEWS_JOB_REJECTED = 6006,     // the user's application failed; links: side, coach appointed
    // Contracts and transfers.
    NEWS_CONTRACTS_EXPIRING = 7001,       // figure: players with a season left; links: side
    NEWS_WINDOW_OPEN = 7002,              // links: side
    NEWS_WINDOW_CLOSED = 7003,            // figure: players joining; links: side
    NEWS_PLAYER_LEAVING = 7004,           // links: player, old club, new club
    NEWS_PLAYER_JOINED = 7005,            // links: player, club
    NEWS_CONTRACT_ENDED = 7006,           // out of contract, a free agent; links: player, club
    NEWS_CONTRACT_OFFER = 7030,           // the user made an offer; links: player
    NEWS_OFFER_ACCEPTED = 7031,           // links: player, club
    NEWS_OFFER_REJECTED = 7032,           // links: player, club
    NEWS_OFFER_COUNTER = 7033,            // the agent wants more; links: player, club
    NEWS_PLAYER_SIGNED_ELSEWHERE = 7034,  // links: player, club that signed him
    NEWS_APPROACH_FOR_PLAYER =
        7035,  // clubs bid for the user's player; figure: bidders; links: player, bidders
    // Players.
    NEWS_INJURY = 8001,       // figure: days out; links: player, club or country
    NEWS_RECOVERED = 8002,    // links: player, club or country
    NEWS_SQUAD_NAMED = 8003,  // national squad; links: country
    // Results and the calendar.
    NEWS_SERIES_RESULT = 9001,      // links: home country, away country, tour series or triangular series
    NEWS_TOURNAMENT_RESULT = 9002,  // links: winner, competition, runner-up
    NEWS_COMPETITION_WON = 9003,    // figure: CHAMPIONS_OF_*; links: winner, competition, runner-up
    NEWS_NEW_SEASON = 9004,         // figure: the new season
    NEWS_MATCH_RESULT = 9005,  // figure: MATCH_*; links: the coach's side, opponents, competition, scorecard
};

// What a match came to for one of its sides.
enum MatchOutcomeForSide : int32_t {
    MATCH_WON = 1,
    MATCH_LOST = 2,
    MATCH_TIED = 3,
    MATCH_DRAWN = 4,
    MATCH_NO_RESULT = 5,
};

// Winners of a competition, or the top of a table whose leaders go on to
// another competition.
enum ChampionsKind : int32_t {
    CHAMPIONS_OF_COMPETITION = 0,
    CHAMPIONS_OF_STAGE = 1,
};

inline constexpr int NEWS_LINK_LIMIT = 6;
// Headline and story variants not yet chosen: picked when the item is written.
inline constexpr int32_t NEWS_VARIANT_UNSET = -300;

struct NewsLink {
    int32_t m_kind = 0;
    int32_t m_value = 0;
};

struct PendingNewsItem {
    int32_t m_code = 0;    // headline code
    int32_t m_figure = 0;  // a number the item's text quotes
    int32_t m_headlineVariant = NEWS_VARIANT_UNSET;
    int32_t m_storyVariant = NEWS_VARIANT_UNSET;
    GameDate m_date;  // delivered on this day
    std::vector<NewsLink> mv_links;
    int32_t m_storyCode = 0;  // story code; 0 uses the headline code

    // Appends a link; links beyond the limit are dropped.
    void AddLink(int32_t kind, int32_t value);
    // The value of the nth link of a kind (LINK_CLUB: of a club or a
    // country); 0 when there is none.
    int32_t LinkValue(int32_t kind, int nth = 0) const;
};

// A delivered message.
struct InboxMessage {
    int32_t m_day = 0;
    int32_t m_month = 0;
    int32_t m_year = 0;
    int32_t m_code = 0;
    std::string m_headline;
    std::string m_body;
    std::string m_answer;  // what the answer did, once handled
    std::vector<NewsLink> mv_links;
    uint8_t m_needsAnswer = 0;
    uint8_t m_seen = 0;
    uint8_t m_handled = 0;
    uint8_t m_positiveOffered = 0;
    uint8_t m_negativeOffered = 0;
    int32_t m_figure = 0;  // the item's figure, kept for the answer

    // Carry out the answer; the message becomes handled. Accepting a job
    // offer appoints the coach.
    void Accept();
    void Decline();
    const char* AcceptButtonText() const;
    const char* DeclineButtonText() const;
};

inline constexpr int INBOX_LIMIT = 50;

// The choices a page remembers between visits.
struct PageChoices {
    int32_t m_saved = 0;
    int32_t m_page = 0;
    int32_t m_view = 0;
    int32_t m_scroll = 0;
    int32_t m_viewIndex = 0;
    int32_t m_sortIndex = 0;
    PlayerFilter m_search;  // the page's search request, as the page stores it
};

// Daily flags, cleared by the daily world step.
enum CoachDailyFlag : int {
    DAILY_DAY_STARTED = 0,
    DAILY_FLAGS = 4,
};

// A human coach's profile.
struct UserCoach {
    StaffMember m_staff;
    std::vector<PendingNewsItem> mv_pending;
    std::vector<InboxMessage> mv_inbox;  // oldest first, at most INBOX_LIMIT
    PageChoices m_teamPage;
    PageChoices m_countryPage;
    PageChoices m_searchPage;
    uint8_t m_daily[DAILY_FLAGS] = {};

    // Moves the pending items dated that day (or earlier, if one was missed)
    // into the inbox, written out.
    void DeliverPendingNews(int day, int month, int year);
    // Appends a written message, dropping the oldest handled (else oldest)
    // message when the inbox is full.
    void AddToInbox(InboxMessage message);
};

extern std::vector<UserCoach> g_userCoaches;
// The profile of the coach whose turn it is; nullptr without one.
UserCoach* CurrentProfile();

// The link to a side: a club for ids of 1000 and more, else a country.
NewsLink SideLink(int sideId);
// Queues an item for the current coach; nothing when there is none.
void PostNews(const PendingNewsItem& item);
// Queues an item for the profile at that index; nothing outside the table.
void PostNewsTo(const PendingNewsItem& item, int coachIndex);
// Queues an item for every coach profile: news of the whole cricket world.
void PostToEveryCoach(const PendingNewsItem& item);
// Queues an item for the human coach of the side (club or national job),
// dated tomorrow; nothing when a computer coach runs it.
void PostToSideCoach(int sideId, int code, int figure, std::initializer_list<NewsLink> links);
// The profile of the human coach with that StaffMember id; nullptr for none.
UserCoach* UserCoachOf(int staffId);
// The profile that coaches the side (club or national job); nullptr for none.
UserCoach* UserCoachOfSide(int sideId);
// Number of coach profiles.
int UserCoachCount();
// The calendar day after the current game date.
GameDate Tomorrow();

}  // namespace ravel
