// Screen 105, the news page: the home of every game day. The current
// coach's inbox with one message open and its answer buttons and quick
// links, his competitions and their standing (or, without a job, the vacant
// posts), his next fixture and his squad's availability.
#pragma once

#include <cstdint>
#include <vector>

#include "season/Fixtures.h"
#include "shell/Screens.h"

namespace ravel {

class CButton;
class CHotSpot;
class CScrollBar;

// What the job news panel lists: a competition, tournament or series of the
// coach's side, or the side id of a vacant post.
struct NewsEventRecord {
    int32_t m_id = 0;
    int32_t m_kind = 0;   // NEWS_EVENT_OF_*
    int32_t m_row = 0;    // the coach's side's row in the competition's table
    int32_t m_state = 0;  // NEWS_EVENT_*
};

enum NewsEventKind : int32_t {
    NEWS_EVENT_OF_COMPETITION = 0,  // competition, tournament or tour series
    NEWS_EVENT_OF_SERIES = 1,       // a Series between countries
};

enum NewsEventState : int32_t {
    NEWS_EVENT_RUNNING = 0,
    NEWS_EVENT_NOT_STARTED = -1,
    NEWS_EVENT_STARTS_LATER = -2,
};

inline constexpr int NEWS_ROWS = 5;
inline constexpr int JOB_NEWS_ROWS = 4;
inline constexpr int QUICK_LINKS = 5;

struct CNewsScreen {
    static void Enter();
    // The subject: m_id, the inbox message to show (-1: the one shown last).
    static void SetSubject(const ScreenSubject& subject) { g_screenSubjects.m_messageIndex = subject.m_id; }
    static ScreenSubject Subject() { return {g_screenSubjects.m_messageIndex}; }
    static void Update();
    static void Render();
    static void Leave();
    // True when every message has been seen (an empty inbox too); then Next
    // Unread and Mark all read are disabled.
    static bool AllNewsRead();
    // One quick-link row per link of the shown message, up to five.
    static void UpdateQuickLinkButtons();

    static int32_t s_shown;       // inbox index of the open message
    static int32_t s_inboxCount;  // at Enter
    static int32_t s_offset;      // first headline row: newest - offset
    static std::vector<NewsEventRecord> sv_events;
    static int32_t s_nextFixture;  // fixture table position, -1 none
    static NextMatch s_next;
    static int32_t s_injured;
    static int32_t s_onDuty;
    static int32_t s_side;      // the coach's side when the page was entered
    static int32_t s_enterDay;  // day of season at Enter

    static CHotSpot* s_jobRows[JOB_NEWS_ROWS];
    static CHotSpot* s_headlines[NEWS_ROWS];
    static CHotSpot* s_quickLinks[QUICK_LINKS];
    static CScrollBar* s_scroll;
    static CButton* s_btnNextUnread;
    static CButton* s_btnPrevious;
    static CButton* s_btnMarkAll;
    static CButton* s_btnNext;
    static CButton* s_btnPositive;
    static CButton* s_btnNegative;
    static CHotSpot* s_profile;
    static CHotSpot* s_teamPage;
    static CHotSpot* s_competitionPage;
};

// The order of the event list: tournaments and tour series by their start,
// everything else first.
bool CompareEventRecords(const NewsEventRecord& a, const NewsEventRecord& b);

}  // namespace ravel
