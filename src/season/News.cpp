#include "season/News.h"

#include <cstddef>

namespace ravel {

std::vector<UserCoach> g_userCoaches;

void PendingNewsItem::AddLink(int32_t kind, int32_t value) {
    if (mv_links.size() < static_cast<size_t>(NEWS_LINK_LIMIT)) mv_links.push_back({kind, value});
}

NewsLink SideLink(int sideId) {
    return {sideId >= FIRST_CLUB_ID ? LINK_CLUB : LINK_COUNTRY, sideId};
}

void PostNews(const PendingNewsItem& item) {
    const int index = g_cricket.m_coachIndex;
    if (index < 0 || static_cast<size_t>(index) >= g_userCoaches.size()) return;
    g_userCoaches[static_cast<size_t>(index)].mv_pending.push_back(item);
}

GameDate Tomorrow() {
    GameDate date = g_cricket.m_date;
    date.m_second = date.m_minute = date.m_hour = 0;
    date.NextDay();
    return date;
}

}  // namespace ravel
