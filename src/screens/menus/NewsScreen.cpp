#include "screens/menus/NewsScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "screens/menus/CompetitionMenus.h"
#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/Standings.h"
#include "season/Tournaments.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

int32_t CNewsScreen::s_shown = 0;
int32_t CNewsScreen::s_inboxCount = 0;
int32_t CNewsScreen::s_offset = 0;
std::vector<NewsEventRecord> CNewsScreen::sv_events;
int32_t CNewsScreen::s_nextFixture = -1;
NextMatch CNewsScreen::s_next;
int32_t CNewsScreen::s_injured = 0;
int32_t CNewsScreen::s_onDuty = 0;
int32_t CNewsScreen::s_side = 0;
int32_t CNewsScreen::s_enterDay = -1;
CHotSpot* CNewsScreen::s_jobRows[JOB_NEWS_ROWS] = {};
CHotSpot* CNewsScreen::s_headlines[NEWS_ROWS] = {};
CHotSpot* CNewsScreen::s_quickLinks[QUICK_LINKS] = {};
CScrollBar* CNewsScreen::s_scroll = nullptr;
CButton* CNewsScreen::s_btnNextUnread = nullptr;
CButton* CNewsScreen::s_btnPrevious = nullptr;
CButton* CNewsScreen::s_btnMarkAll = nullptr;
CButton* CNewsScreen::s_btnNext = nullptr;
CButton* CNewsScreen::s_btnPositive = nullptr;
CButton* CNewsScreen::s_btnNegative = nullptr;
CHotSpot* CNewsScreen::s_profile = nullptr;
CHotSpot* CNewsScreen::s_teamPage = nullptr;
CHotSpot* CNewsScreen::s_competitionPage = nullptr;

// A news link to a page names the page by its screen id.
static_assert(LINK_PAGE_TOP_RATED == SCREEN_TOP_PLAYERS);

namespace {

using NS = CNewsScreen;

ScreenControls s_controls;

constexpr int RECORDS_KINDS = 4;  // records links: kind * 1000 + section

using ButtonRow = ScreenControls::ButtonRow;

constexpr ButtonRow BUTTONS[] = {
    {&NS::s_btnNextUnread, "Next Unread", "View next unread", 220, 655, 250},
    {&NS::s_btnPrevious, "<", "View previous news", 695, 655, 60},
    {&NS::s_btnMarkAll, "Mark all read", "Mark all as read", 500, 655, 140},
    {&NS::s_btnNext, ">", "View next news", 760, 655, 60},
    {&NS::s_btnPositive, "Positive", "Respond positively to this piece of news", 220, 610, 200},
    {&NS::s_btnNegative, "Negative", "Respond negatively to this piece of news", 430, 610, 200},
};

int InboxSize() {
    const auto* inbox = CurrentInbox();
    return inbox ? static_cast<int>(inbox->size()) : 0;
}

InboxMessage* ShownMessage() {
    auto* inbox = CurrentInbox();
    if (!inbox || NS::s_shown < 0 || static_cast<size_t>(NS::s_shown) >= inbox->size()) return nullptr;
    return &(*inbox)[NS::s_shown];
}

bool DateAfterToday(int day, int month, int year) {
    const GameDate& d = g_cricket.m_date;
    if (year != d.m_year) return year > d.m_year;
    if (month != d.m_month) return month > d.m_month;
    return day > d.m_day;
}

bool IsTournament(int id) {
    return id >= COMP_FIRST_TOURNAMENT && id <= COMP_LAST_TOURNAMENT;
}

void ClubEvents(int club) {
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_status != COMP_RUNNING || c.m_knockout[2 * KNOCKOUT_TIES] > 0 || c.mv_teams.empty()) continue;
        for (int32_t side : c.mv_teams) {
            if (side != club) continue;
            const bool started = std::any_of(c.mv_standings.begin(), c.mv_standings.end(),
                                             [](const StandingsRow& r) { return r.Played() > 0; });
            NS::sv_events.push_back({c.m_id, NEWS_EVENT_OF_COMPETITION, FindStandingsRow(c, club),
                                     started ? NEWS_EVENT_RUNNING : NEWS_EVENT_NOT_STARTED});
        }
    }
}

void NationalEvents(int country) {
    const GameDate& today = g_cricket.m_date;
    // This season's tournaments: the later ones have no dates to order by yet.
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        if (t.m_season != today.m_season || t.m_stage == 0) continue;
        const bool in = std::any_of(t.mv_groups.begin(), t.mv_groups.end(), [country](const auto& group) {
            return StandingsRowIndex(group, country) >= 0;
        });
        if (in) NS::sv_events.push_back({t.m_competition, NEWS_EVENT_OF_COMPETITION, 0, t.m_stage});
    }
    for (const TourSeries& s : g_world.mv_tourSeries) {
        if (s.m_finished || s.m_season != today.m_season) continue;
        if (s.m_competition != COMP_TEST_CHAMPIONSHIP && s.m_competition != COMP_ODI_CHAMPIONSHIP) continue;
        if (s.m_home != country && s.m_away != country) continue;
        const bool later = DateAfterToday(s.m_startDay, s.m_startMonth, s.m_startYear);
        NS::sv_events.push_back(
            {s.m_id, NEWS_EVENT_OF_COMPETITION, 0, later ? NEWS_EVENT_STARTS_LATER : NEWS_EVENT_RUNNING});
    }
    for (const Series& s : g_world.mv_series) {
        if (s.m_season != today.m_season) continue;
        if (std::find(s.mv_countries.begin(), s.mv_countries.end(), country) == s.mv_countries.end())
            continue;
        const bool later = DateAfterToday(s.m_startDay, s.m_startMonth, s.m_startYear);
        NS::sv_events.push_back(
            {s.m_id, NEWS_EVENT_OF_SERIES, 0, later ? NEWS_EVENT_STARTS_LATER : NEWS_EVENT_RUNNING});
    }
    std::stable_sort(NS::sv_events.begin(), NS::sv_events.end(), CompareEventRecords);
}

void BuildEvents(const StaffMember* coach) {
    NS::sv_events.clear();
    if (!coach) return;
    if (coach->m_clubJob > 0) {
        ClubEvents(coach->m_clubJob);
    } else if (coach->m_nationalJob > 0) {
        NationalEvents(coach->m_nationalJob);
    } else {
        const std::vector<int32_t> vacant = CollectVacantJobs();
        for (size_t i = 0; i < vacant.size() && i < static_cast<size_t>(JOB_NEWS_ROWS + 1); ++i)
            NS::sv_events.push_back({vacant[i], NEWS_EVENT_OF_COMPETITION, 0, NEWS_EVENT_RUNNING});
    }
}

void FindNextMatch(const StaffMember* coach) {
    NS::s_next = coach ? ravel::FindNextMatch(coach->m_clubJob, coach->m_nationalJob) : NextMatch{};
    NS::s_nextFixture = NS::s_next.m_fixture;
}

void CountAvailability(int side) {
    NS::s_injured = NS::s_onDuty = 0;
    const auto count = [](int32_t id) {
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) return;
        if (p->m_injured) ++NS::s_injured;
    };
    if (side <= 0) return;
    if (side < FIRST_CLUB_ID) {
        const Country* c = CountryById(side);
        if (!c) return;
        for (int32_t id : c->mv_testSquad) count(id);
        if (c->m_squadKind != SQUAD_HOME_TEST && c->m_squadKind != SQUAD_TOUR_TEST)
            for (int32_t id : c->mv_oneDaySquad) count(id);
        return;
    }
    const Team* t = TeamById(side);
    if (!t) return;
    for (int32_t id : t->m_squad) {
        count(id);
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (p && p->m_intlDuty) ++NS::s_onDuty;
    }
}

void UpdateSideBarForCoach(const StaffMember* coach) {
    using SB = CSideBar;
    char text[CAPTION_SIZE];
    if (SB::s_btnMain) {
        std::snprintf(text, sizeof text, "%s's News", coach ? coach->m_firstName : "");
        SB::s_btnMain->SetCaption(text);
    }
    UpdateSquadButton();
    for (CButton* b : {SB::s_btnExit, SB::s_btnContinue, SB::s_btnOptions, SB::s_btnMain,
                       SB::s_btnWorldCricket, SB::s_btnCompetitions, SB::s_btnPlayerSearch, SB::s_btnJobs}) {
        if (b) b->mb_disabled = 0;
    }
}

// Scroll so that the shown message is among the five rows.
void ScrollToShown() {
    if (!NS::s_scroll) return;
    NS::s_scroll->SetPosition(InboxSize() - NS::s_shown - NEWS_ROWS);
}

void MarkShownSeen() {
    if (InboxMessage* m = ShownMessage()) m->m_seen = 1;
}

// Headline rows, scroll range, browsing and answer buttons for the inbox as
// it stands.
void Refresh() {
    const int count = InboxSize();
    for (int i = 0; i < NEWS_ROWS; ++i) ShowRow(NS::s_headlines[i], i < count);
    if (NS::s_scroll) NS::s_offset = FitScrollBar(*NS::s_scroll, count, NEWS_ROWS, false);
    if (NS::s_btnPrevious) {
        NS::s_btnPrevious->mb_disabled = count > 1 && NS::s_shown > 0 ? 0 : 1;
        if (NS::s_btnPrevious->mb_disabled) NS::s_btnPrevious->Disable();
    }
    if (NS::s_btnNext) {
        NS::s_btnNext->mb_disabled = count > 1 && NS::s_shown < count - 1 ? 0 : 1;
        if (NS::s_btnNext->mb_disabled) NS::s_btnNext->Disable();
    }
    const InboxMessage* m = ShownMessage();
    const auto answer = [m](CButton* button, bool offered, const char* caption) {
        if (!button) return;
        const bool shown = m && offered && !m->m_handled;
        ShowRow(button, shown);
        if (shown && std::strcmp(button->m_caption, caption) != 0) button->SetCaption(caption);
    };
    answer(NS::s_btnNegative, m && m->m_negativeOffered, m ? m->DeclineButtonText() : "");
    answer(NS::s_btnPositive, m && m->m_positiveOffered, m ? m->AcceptButtonText() : "");
    NS::AllNewsRead();
    NS::UpdateQuickLinkButtons();
}

void Show(int index) {
    NS::s_shown = index;
    MarkShownSeen();
}

bool ShowFirstUnseen() {
    const auto* inbox = CurrentInbox();
    if (!inbox) return false;
    for (size_t i = 0; i < inbox->size(); ++i) {
        if ((*inbox)[i].m_seen) continue;
        Show(static_cast<int>(i));
        ScrollToShown();
        return true;
    }
    return false;
}

void FollowLink(const NewsLink& link) {
    const int v = link.m_value;
    switch (link.m_kind) {
        case LINK_PLAYER:
            OpenPlayerDetails(v);
            break;
        case LINK_CLUB:
        case LINK_COUNTRY:
            OpenSide(v);
            break;
        case LINK_COACH:
            OpenCoachProfile(v);
            break;
        case LINK_COMPETITION:
            if (v >= FIRST_TOUR_SERIES_ID)
                OpenSeriesOverview(v, false);
            else if (v < COMP_TEST_CHAMPIONSHIP ||
                     (v >= COMP_FIRST_TOURNAMENT && v <= COMP_FIRST_FURTHER_EVENT))
                OpenCompetition(v);
            break;
        case LINK_SCORECARD:
            OpenScorecardOfMatch(v);
            break;
        case LINK_SCREEN:
            ChangeScreen(v);
            break;
        case LINK_RECORDS: {
            const int kind = v / 1000;
            const bool known = kind >= 1 && kind <= RECORDS_KINDS;
            OpenRecordsScreen(known ? kind : 0, known ? v - 1000 * kind : 0);
            break;
        }
        default:
            break;
    }
}

// A fresh look at the page when the day or the inbox has moved on under it.
bool Stale() {
    return InboxSize() != NS::s_inboxCount || g_cricket.m_date.m_dayOfSeason != NS::s_enterDay ||
           CurrentCoachSide() != NS::s_side;
}

}  // namespace

bool CompareEventRecords(const NewsEventRecord& a, const NewsEventRecord& b) {
    const auto key = [](const NewsEventRecord& r) {
        if (IsTournament(r.m_id)) {
            const InternationalTournament* t = TournamentForCompetition(r.m_id);
            return t && t->m_competition == r.m_id ? t->m_startDay : 0;
        }
        if (r.m_id >= FIRST_TOUR_SERIES_ID && r.m_kind == NEWS_EVENT_OF_COMPETITION) {
            const TourSeries* s = TourSeriesById(r.m_id);
            return s ? s->m_startDayOfSeason : 0;
        }
        return 0;
    };
    return key(a) < key(b);
}

bool CNewsScreen::AllNewsRead() {
    const auto* inbox = CurrentInbox();
    const bool all =
        !inbox || std::all_of(inbox->begin(), inbox->end(), [](const InboxMessage& m) { return m.m_seen; });
    for (CButton* b : {s_btnNextUnread, s_btnMarkAll}) {
        if (!b) continue;
        if (all)
            b->Disable();
        else
            b->mb_disabled = 0;
    }
    return all;
}

void CNewsScreen::UpdateQuickLinkButtons() {
    const InboxMessage* m = ShownMessage();
    const size_t links = m ? m->mv_links.size() : 0;
    for (int i = 0; i < QUICK_LINKS; ++i) ShowRow(s_quickLinks[i], static_cast<size_t>(i) < links);
}

void CNewsScreen::Enter() {
    bool requested = true;
    if (g_cricket.m_pendingMessage >= 0) {
        s_shown = g_cricket.m_pendingMessage;
    } else if (g_screenSubjects.m_messageIndex >= 0) {
        s_shown = g_screenSubjects.m_messageIndex;
        g_screenSubjects.m_messageIndex = -1;
    } else {
        requested = false;
    }
    const StaffMember* coach = CurrentUserStaff();
    const int count = InboxSize();
    s_shown = std::clamp(s_shown, 0, std::max(count - 1, 0));
    s_inboxCount = count;
    s_enterDay = g_cricket.m_date.m_dayOfSeason;
    s_side = CurrentCoachSide();

    UpdateSideBarForCoach(coach);
    BuildEvents(coach);
    s_controls.Begin();
    const bool employed = s_side > 0;
    for (int i = 0; i < JOB_NEWS_ROWS; ++i) {
        s_jobRows[i] = employed ? s_controls.Add<CHotSpot>(667, 120 + 40 * i, 344, 39)
                                : s_controls.Add<CHotSpot>(667, 150 + 25 * i, 344, 24);
        ShowRow(s_jobRows[i], static_cast<size_t>(i) < sv_events.size());
    }
    for (int i = 0; i < NEWS_ROWS; ++i) s_headlines[i] = s_controls.Add<CHotSpot>(340, 325 + 20 * i, 640, 19);
    FindNextMatch(coach);
    CountAvailability(s_side);
    for (int i = 0; i < QUICK_LINKS; ++i) {
        s_quickLinks[i] = s_controls.Add<CHotSpot>(832, 492 + 20 * i, 178, 19, "Quick link");
        ShowRow(s_quickLinks[i], false);
    }
    s_scroll = s_controls.Add<CScrollBar>(985, 320, 17, 100);
    s_scroll->mb_horizontal = 0;
    s_scroll->m_position = 0;
    s_controls.AddButtons(BUTTONS);
    s_profile = s_controls.Add<CHotSpot>(362, 51, 300, 20, nullptr, "Visit profile page");
    s_teamPage = s_controls.Add<CHotSpot>(220, 180, 380, 19, nullptr, "Visit team page");
    s_competitionPage = s_controls.Add<CHotSpot>(220, 160, 380, 19, nullptr, "Visit competition page");
    ShowRow(s_teamPage, s_next.m_known && s_next.m_away > 0);
    ShowRow(s_competitionPage, s_next.m_known);

    BuildCompetitionMenus();
    g_game->mb_screenFrame = 1;
    Refresh();
    // A message the day is waiting on is shown before older unread ones:
    // its answer buttons are what the user was sent here for.
    const InboxMessage* asked = ShownMessage();
    if (!(requested && asked && asked->m_needsAnswer && !asked->m_handled)) ShowFirstUnseen();
    MarkShownSeen();
    ScrollToShown();
    Refresh();
}

void CNewsScreen::Update() {
    if (Stale()) {
        ChangeScreen(SCREEN_NEWS);
        return;
    }
    if (s_scroll) {
        WheelScroll(*s_scroll);
        s_offset = s_scroll->m_position;
    }
    const int count = InboxSize();
    for (int i = 0; i < NEWS_ROWS && i < count; ++i) {
        if (!TakeClick(s_headlines[i])) continue;
        const int index = count - s_offset - i - 1;
        if (index >= 0) Show(index);
        return Refresh();
    }
    if (TakeClick(s_profile)) {
        OpenUserProfile();
        return;
    }
    const NextMatch* next = s_next.m_known ? &s_next : nullptr;
    if (TakeClick(s_competitionPage) && next) {
        const int c = next->m_competition;
        if (c < COMP_TEST_CHAMPIONSHIP || IsTournament(c)) return OpenCompetition(c);
        if (c >= FIRST_TOUR_SERIES_ID) return OpenSeriesOverview(c, false);
        return;
    }
    if (TakeClick(s_teamPage) && next && next->m_away > 0)
        return OpenSide(next->m_home != g_cricket.m_team ? next->m_home : next->m_away);
    for (int i = 0; i < JOB_NEWS_ROWS; ++i) {
        if (!TakeClick(s_jobRows[i]) || static_cast<size_t>(i) >= sv_events.size()) continue;
        const NewsEventRecord& r = sv_events[i];
        if (s_side <= 0) return OpenSide(r.m_id);
        if (r.m_id < COMP_TEST_CHAMPIONSHIP || IsTournament(r.m_id)) return OpenCompetition(r.m_id);
        if (r.m_id >= FIRST_TOUR_SERIES_ID)
            return OpenSeriesOverview(r.m_id, r.m_kind == NEWS_EVENT_OF_SERIES);
        return;
    }
    if (TakeClick(s_btnMarkAll)) {
        if (auto* inbox = CurrentInbox())
            for (InboxMessage& m : *inbox) m.m_seen = 1;
        s_shown = std::max(count - 1, 0);
        if (s_scroll) s_scroll->m_position = 0;
        return Refresh();
    }
    if (TakeClick(s_btnNextUnread)) {
        ShowFirstUnseen();
        return Refresh();
    }
    if (TakeClick(s_btnPrevious)) {
        if (s_shown > 0) Show(s_shown - 1);
        ScrollToShown();
        return Refresh();
    }
    if (TakeClick(s_btnNext)) {
        if (s_shown < count - 1) Show(s_shown + 1);
        ScrollToShown();
        return Refresh();
    }
    if (const InboxMessage* m = ShownMessage()) {
        for (int i = 0; i < QUICK_LINKS; ++i) {
            if (!TakeClick(s_quickLinks[i]) || static_cast<size_t>(i) >= m->mv_links.size()) continue;
            return FollowLink(m->mv_links[i]);
        }
    }
    const bool accept = TakeClick(s_btnPositive);
    const bool decline = !accept && TakeClick(s_btnNegative);
    if (InboxMessage* m = ShownMessage(); m && (accept || decline)) {
        if (accept)
            m->Accept();
        else
            m->Decline();
        // A job taken changes the whole page and the menus with it.
        if (CurrentScreen() == SCREEN_NEWS && CurrentCoachSide() != s_side) return ChangeScreen(SCREEN_NEWS);
    }
    Refresh();
}

void CNewsScreen::Leave() {
    s_controls.Free();
    sv_events.clear();
    std::fill(std::begin(s_jobRows), std::end(s_jobRows), nullptr);
    std::fill(std::begin(s_headlines), std::end(s_headlines), nullptr);
    std::fill(std::begin(s_quickLinks), std::end(s_quickLinks), nullptr);
    s_scroll = nullptr;
    for (const ButtonRow& b : BUTTONS) *b.button = nullptr;
    s_profile = s_teamPage = s_competitionPage = nullptr;
}

}  // namespace ravel
