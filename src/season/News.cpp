#include "season/News.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "season/NewsItems.h"

namespace ravel {

std::vector<UserCoach> g_userCoaches;

void PendingNewsItem::AddLink(int32_t kind, int32_t value) {
    if (mv_links.size() < static_cast<size_t>(NEWS_LINK_LIMIT)) mv_links.push_back({kind, value});
}

int32_t PendingNewsItem::LinkValue(int32_t kind, int nth) const {
    for (const NewsLink& l : mv_links)
        if ((l.m_kind == kind || (kind == LINK_CLUB && l.m_kind == LINK_COUNTRY)) && nth-- == 0)
            return l.m_value;
    return 0;
}

NewsLink SideLink(int sideId) {
    return {sideId >= FIRST_CLUB_ID ? LINK_CLUB : LINK_COUNTRY, sideId};
}

UserCoach* CurrentProfile() {
    const int index = g_cricket.m_coachIndex;
    if (index < 0 || static_cast<size_t>(index) >= g_userCoaches.size()) return nullptr;
    return &g_userCoaches[static_cast<size_t>(index)];
}

void PostNews(const PendingNewsItem& item) {
    if (UserCoach* coach = CurrentProfile()) coach->mv_pending.push_back(item);
}

void PostToEveryCoach(const PendingNewsItem& item) {
    for (UserCoach& coach : g_userCoaches) coach.mv_pending.push_back(item);
}

GameDate Tomorrow() {
    GameDate date = g_cricket.m_date;
    date.m_second = date.m_minute = date.m_hour = 0;
    date.NextDay();
    return date;
}

void PostNewsTo(const PendingNewsItem& item, int coachIndex) {
    if (coachIndex < 0 || static_cast<size_t>(coachIndex) >= g_userCoaches.size()) return;
    g_userCoaches[static_cast<size_t>(coachIndex)].mv_pending.push_back(item);
}

void PostToSideCoach(int sideId, int code, int figure, std::initializer_list<NewsLink> links) {
    UserCoach* coach = UserCoachOfSide(sideId);
    if (!coach) return;
    PendingNewsItem item;
    item.m_code = code;
    item.m_figure = figure;
    item.m_date = Tomorrow();
    for (const NewsLink& l : links) item.AddLink(l.m_kind, l.m_value);
    coach->mv_pending.push_back(item);
}

UserCoach* UserCoachOf(int staffId) {
    for (UserCoach& coach : g_userCoaches)
        if (coach.m_staff.m_id == staffId) return &coach;
    return nullptr;
}

UserCoach* UserCoachOfSide(int sideId) {
    if (sideId <= 0) return nullptr;
    for (UserCoach& coach : g_userCoaches)
        if (coach.m_staff.m_clubJob == sideId || coach.m_staff.m_nationalJob == sideId) return &coach;
    return nullptr;
}

int UserCoachCount() {
    return static_cast<int>(g_userCoaches.size());
}

void UserCoach::AddToInbox(InboxMessage message) {
    if (mv_inbox.size() >= static_cast<size_t>(INBOX_LIMIT)) {
        auto drop = std::find_if(mv_inbox.begin(), mv_inbox.end(),
                                 [](const InboxMessage& m) { return !m.m_needsAnswer || m.m_handled; });
        mv_inbox.erase(drop != mv_inbox.end() ? drop : mv_inbox.begin());
    }
    mv_inbox.push_back(std::move(message));
}

void UserCoach::DeliverPendingNews(int day, int month, int year) {
    std::vector<PendingNewsItem> due;
    std::vector<PendingNewsItem> later;
    const int when = (year * 13 + month) * 32 + day;
    for (PendingNewsItem& item : mv_pending) {
        // An item whose day has passed undelivered goes out now rather than
        // waiting for a day that will not come again.
        const GameDate& d = item.m_date;
        const int dated = (d.m_year * 13 + d.m_month) * 32 + d.m_day;
        (dated <= when ? due : later).push_back(std::move(item));
    }
    mv_pending.swap(later);
    for (const PendingNewsItem& item : due) AddToInbox(WriteNewsItem(item));
}

}  // namespace ravel
