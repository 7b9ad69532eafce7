// Screen 105, the news page: the home of every game day. The current
// coach's inbox with one message open and its answer buttons and quick
// links, his competitions and their standing (or, without a job, the vacant
// posts), his next fixture and his squad's availability.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "season/Fixtures.h"
#include "shell/Screen.h"
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

class CNewsScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    // The subject: m_id, the inbox message to show (-1: the one shown last).
    void SetSubject(const ScreenSubject& subject) override { m_kept.requested = subject.m_id; }
    ScreenSubject Subject() const override { return {m_kept.requested}; }
    void Reset() override { m_kept = {}; }

    // True when every message has been seen (an empty inbox too); then Next
    // Unread and Mark all read are disabled.
    bool AllNewsRead();
    // One quick-link row per link of the shown message, up to five.
    void UpdateQuickLinkButtons();

    int32_t Shown() const { return m_kept.shown; }  // inbox index of the open message

    // Set fresh by Enter.
    int32_t m_inboxCount = 0;  // at Enter
    int32_t m_offset = 0;      // first headline row: newest - offset
    std::vector<NewsEventRecord> mv_events;
    int32_t m_nextFixture = -1;  // fixture table position, -1 none
    NextMatch m_next;
    int32_t m_injured = 0;
    int32_t m_onDuty = 0;
    int32_t m_side = 0;       // the coach's side when the page was entered
    int32_t m_enterDay = -1;  // day of season at Enter

    // Made by Enter, freed by Leave.
    CHotSpot* m_jobRows[JOB_NEWS_ROWS] = {};
    CHotSpot* m_headlines[NEWS_ROWS] = {};
    CHotSpot* m_quickLinks[QUICK_LINKS] = {};
    CScrollBar* m_scroll = nullptr;
    CButton* m_btnNextUnread = nullptr;
    CButton* m_btnPrevious = nullptr;
    CButton* m_btnMarkAll = nullptr;
    CButton* m_btnNext = nullptr;
    CButton* m_btnPositive = nullptr;
    CButton* m_btnNegative = nullptr;
    CHotSpot* m_profile = nullptr;
    CHotSpot* m_teamPage = nullptr;
    CHotSpot* m_competitionPage = nullptr;

private:
    // Kept between visits: the message asked for by whoever opened the page
    // (-1 none) and the one shown last.
    struct Kept {
        int32_t requested = 0;
        int32_t shown = 0;
    } m_kept;

    ScreenControls m_controls;

    InboxMessage* ShownMessage() const;
    void ClubEvents(int club);
    void NationalEvents(int country);
    void BuildEvents(const StaffMember* coach);
    void CountAvailability(int side);
    void ScrollToShown();
    void MarkShownSeen();
    void Refresh();
    void Show(int index);
    bool ShowFirstUnseen();
    bool Stale() const;
    void DrawVacancies() const;
    void DrawEvents() const;
    void DrawNextFixture() const;
    void DrawAvailability() const;
    void DrawHeadlines(const std::vector<InboxMessage>& inbox);
};

// The order of the event list: tournaments and tour series by their start,
// everything else first.
bool CompareEventRecords(const NewsEventRecord& a, const NewsEventRecord& b);

}  // namespace ravel
