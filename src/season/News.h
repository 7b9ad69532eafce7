// News items waiting for delivery to a human coach's inbox, and the coach
// profiles that hold them.
#pragma once

#include <cstdint>
#include <vector>

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

enum NewsCode : int32_t {
    NEWS_SEASON_START = 5,
};

inline constexpr int NEWS_LINK_LIMIT = 6;
// Headline and story variants not yet chosen: picked when the item is written.
inline constexpr int32_t NEWS_VARIANT_UNSET = -300;

struct NewsLink {
    int32_t m_kind = 0;
    int32_t m_value = 0;
};

struct PendingNewsItem {
    int32_t m_code = 0;
    int32_t m_figure = 0;  // a number the item's text quotes
    int32_t m_headlineVariant = NEWS_VARIANT_UNSET;
    int32_t m_storyVariant = NEWS_VARIANT_UNSET;
    GameDate m_date;  // delivered on this day
    std::vector<NewsLink> mv_links;

    // Appends a link; links beyond the limit are dropped.
    void AddLink(int32_t kind, int32_t value);
};

// A human coach's profile.
struct UserCoach {
    StaffMember m_staff;
    std::vector<PendingNewsItem> mv_pending;
};

extern std::vector<UserCoach> g_userCoaches;

// The link to a side: a club for ids of 1000 and more, else a country.
NewsLink SideLink(int sideId);
// Queues an item for the current coach; nothing when there is none.
void PostNews(const PendingNewsItem& item);
// The calendar day after the current game date.
GameDate Tomorrow();

}  // namespace ravel
