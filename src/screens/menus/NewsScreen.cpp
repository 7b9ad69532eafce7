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

// A news link to a page names the page by its screen id.
static_assert(LINK_PAGE_TOP_RATED == SCREEN_TOP_PLAYERS);

namespace {

using NS = CNewsScreen;

constexpr int RECORDS_KINDS = 4;  // records links: kind * 1000 + section

int InboxSize() {
    const auto* inbox = CurrentInbox();
    return inbox ? static_cast<int>(inbox->size()) : 0;
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

}  // namespace

InboxMessage* NS::ShownMessage() const {
    auto* inbox = CurrentInbox();
    if (!inbox || m_kept.shown < 0 || static_cast<size_t>(m_kept.shown) >= inbox->size()) return nullptr;
    return &(*inbox)[m_kept.shown];
}

void NS::ClubEvents(int club) {
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_status != COMP_RUNNING || c.m_knockout[2 * KNOCKOUT_TIES] > 0 || c.mv_teams.empty()) continue;
        for (int32_t side : c.mv_teams) {
            if (side != club) continue;
            // A competition whose first match is under way has started, though
            // no result is in its table yet.
            const bool started =
                std::any_of(c.mv_standings.begin(), c.mv_standings.end(),
                            [](const StandingsRow& r) { return r.Played() > 0; }) ||
                std::any_of(g_world.mv_fixtures.begin(), g_world.mv_fixtures.end(), [&c](const Fixture& f) {
                    return f.m_competition == c.m_id && f.m_state != FIXTURE_SCHEDULED;
                });
            mv_events.push_back({c.m_id, NEWS_EVENT_OF_COMPETITION, FindStandingsRow(c, club),
                                 started ? NEWS_EVENT_RUNNING : NEWS_EVENT_NOT_STARTED});
        }
    }
}

void NS::NationalEvents(int country) {
    const GameDate& today = g_cricket.m_date;
    // This season's tournaments: the later ones have no dates to order by yet.
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        if (t.m_season != today.m_season || t.m_stage == 0) continue;
        const bool in = std::any_of(t.mv_groups.begin(), t.mv_groups.end(), [country](const auto& group) {
            return StandingsRowIndex(group, country) >= 0;
        });
        if (in) mv_events.push_back({t.m_competition, NEWS_EVENT_OF_COMPETITION, 0, t.m_stage});
    }
    for (const TourSeries& s : g_world.mv_tourSeries) {
        if (s.m_finished || s.m_season != today.m_season) continue;
        if (s.m_competition != COMP_TEST_CHAMPIONSHIP && s.m_competition != COMP_ODI_CHAMPIONSHIP) continue;
        if (s.m_home != country && s.m_away != country) continue;
        const bool later = DateAfterToday(s.m_startDay, s.m_startMonth, s.m_startYear);
        mv_events.push_back(
            {s.m_id, NEWS_EVENT_OF_COMPETITION, 0, later ? NEWS_EVENT_STARTS_LATER : NEWS_EVENT_RUNNING});
    }
    for (const Series& s : g_world.mv_series) {
        if (s.m_season != today.m_season) continue;
        if (std::find(s.mv_countries.begin(), s.mv_countries.end(), country) == s.mv_countries.end())
            continue;
        const bool later = DateAfterToday(s.m_startDay, s.m_startMonth, s.m_startYear);
        mv_events.push_back(
            {s.m_id, NEWS_EVENT_OF_SERIES, 0, later ? NEWS_EVENT_STARTS_LATER : NEWS_EVENT_RUNNING});
    }
    std::stable_sort(mv_events.begin(), mv_events.end(), CompareEventRecords);
}

void NS::BuildEvents(const StaffMember* coach) {
    mv_events.clear();
    if (!coach) return;
    if (coach->m_clubJob > 0) {
        ClubEvents(coach->m_clubJob);
    } else if (coach->m_nationalJob > 0) {
        NationalEvents(coach->m_nationalJob);
    } else {
        const std::vector<int32_t> vacant = CollectVacantJobs();
        for (size_t i = 0; i < vacant.size() && i < static_cast<size_t>(JOB_NEWS_ROWS + 1); ++i)
            mv_events.push_back({vacant[i], NEWS_EVENT_OF_COMPETITION, 0, NEWS_EVENT_RUNNING});
    }
}

void NS::CountAvailability(int side) {
    m_injured = m_onDuty = 0;
    const auto count = [this](int32_t id) {
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) return;
        if (p->m_injured) ++m_injured;
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
        if (p && p->m_intlDuty) ++m_onDuty;
    }
}

// Scroll so that the shown message is among the five rows.
void NS::ScrollToShown() {
    if (!m_scroll) return;
    m_scroll->SetPosition(InboxSize() - m_kept.shown - NEWS_ROWS);
}

void NS::MarkShownSeen() {
    if (InboxMessage* m = ShownMessage()) m->m_seen = 1;
}

// Headline rows, scroll range, browsing and answer buttons for the inbox as
// it stands.
void NS::Refresh() {
    const int count = InboxSize();
    for (int i = 0; i < NEWS_ROWS; ++i) ShowRow(m_headlines[i], i < count);
    if (m_scroll) m_offset = FitScrollBar(*m_scroll, count, NEWS_ROWS, false);
    if (m_btnPrevious) {
        m_btnPrevious->mb_disabled = count > 1 && m_kept.shown > 0 ? 0 : 1;
        if (m_btnPrevious->mb_disabled) m_btnPrevious->Disable();
    }
    if (m_btnNext) {
        m_btnNext->mb_disabled = count > 1 && m_kept.shown < count - 1 ? 0 : 1;
        if (m_btnNext->mb_disabled) m_btnNext->Disable();
    }
    const InboxMessage* m = ShownMessage();
    const auto answer = [m](CButton* button, bool offered, const char* caption) {
        if (!button) return;
        const bool shown = m && offered && !m->m_handled;
        ShowRow(button, shown);
        if (shown && std::strcmp(button->m_caption, caption) != 0) button->SetCaption(caption);
    };
    answer(m_btnNegative, m && m->m_negativeOffered, m ? m->DeclineButtonText() : "");
    answer(m_btnPositive, m && m->m_positiveOffered, m ? m->AcceptButtonText() : "");
    AllNewsRead();
    UpdateQuickLinkButtons();
}

void NS::Show(int index) {
    m_kept.shown = index;
    MarkShownSeen();
}

bool NS::ShowFirstUnseen() {
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

// A fresh look at the page when the day or the inbox has moved on under it.
bool NS::Stale() const {
    return InboxSize() != m_inboxCount || g_cricket.m_date.m_dayOfSeason != m_enterDay ||
           CurrentCoachSide() != m_side;
}

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
    for (CButton* b : {m_btnNextUnread, m_btnMarkAll}) {
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
    for (int i = 0; i < QUICK_LINKS; ++i) ShowRow(m_quickLinks[i], static_cast<size_t>(i) < links);
}

void CNewsScreen::Enter() {
    bool requested = true;
    if (g_cricket.m_pendingMessage >= 0) {
        m_kept.shown = g_cricket.m_pendingMessage;
    } else if (m_kept.requested >= 0) {
        m_kept.shown = m_kept.requested;
        m_kept.requested = -1;
    } else {
        requested = false;
    }
    const StaffMember* coach = CurrentUserStaff();
    const int count = InboxSize();
    m_kept.shown = std::clamp(m_kept.shown, 0, std::max(count - 1, 0));
    m_inboxCount = count;
    m_enterDay = g_cricket.m_date.m_dayOfSeason;
    m_side = CurrentCoachSide();

    UpdateSideBarForCoach(coach);
    BuildEvents(coach);
    m_controls.Begin();
    const bool employed = m_side > 0;
    for (int i = 0; i < JOB_NEWS_ROWS; ++i) {
        m_jobRows[i] = employed ? m_controls.Add<CHotSpot>(667, 120 + 40 * i, 344, 39)
                                : m_controls.Add<CHotSpot>(667, 150 + 25 * i, 344, 24);
        ShowRow(m_jobRows[i], static_cast<size_t>(i) < mv_events.size());
    }
    for (int i = 0; i < NEWS_ROWS; ++i) m_headlines[i] = m_controls.Add<CHotSpot>(340, 325 + 20 * i, 640, 19);
    m_next = coach ? FindNextMatch(coach->m_clubJob, coach->m_nationalJob) : NextMatch{};
    m_nextFixture = m_next.m_fixture;
    CountAvailability(m_side);
    for (int i = 0; i < QUICK_LINKS; ++i) {
        m_quickLinks[i] = m_controls.Add<CHotSpot>(832, 492 + 20 * i, 178, 19, "Quick link");
        ShowRow(m_quickLinks[i], false);
    }
    m_scroll = m_controls.Add<CScrollBar>(985, 320, 17, 100);
    m_scroll->mb_horizontal = 0;
    m_scroll->m_position = 0;
    const ScreenControls::ButtonRow buttons[] = {
        {&m_btnNextUnread, "Next Unread", "View next unread", 220, 655, 250},
        {&m_btnPrevious, "<", "View previous news", 695, 655, 60},
        {&m_btnMarkAll, "Mark all read", "Mark all as read", 500, 655, 140},
        {&m_btnNext, ">", "View next news", 760, 655, 60},
        {&m_btnPositive, "Positive", "Respond positively to this piece of news", 220, 610, 200},
        {&m_btnNegative, "Negative", "Respond negatively to this piece of news", 430, 610, 200},
    };
    m_controls.AddButtons(buttons);
    m_profile = m_controls.Add<CHotSpot>(362, 51, 300, 20, nullptr, "Visit profile page");
    m_teamPage = m_controls.Add<CHotSpot>(220, 180, 380, 19, nullptr, "Visit team page");
    m_competitionPage = m_controls.Add<CHotSpot>(220, 160, 380, 19, nullptr, "Visit competition page");
    ShowRow(m_teamPage, m_next.m_known && m_next.m_away > 0);
    ShowRow(m_competitionPage, m_next.m_known);

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
    if (m_scroll) {
        WheelScroll(*m_scroll);
        m_offset = m_scroll->m_position;
    }
    const int count = InboxSize();
    for (int i = 0; i < NEWS_ROWS && i < count; ++i) {
        if (!TakeClick(m_headlines[i])) continue;
        const int index = count - m_offset - i - 1;
        if (index >= 0) Show(index);
        return Refresh();
    }
    if (TakeClick(m_profile)) {
        OpenUserProfile();
        return;
    }
    const NextMatch* next = m_next.m_known ? &m_next : nullptr;
    if (TakeClick(m_competitionPage) && next) {
        const int c = next->m_competition;
        if (c < COMP_TEST_CHAMPIONSHIP || IsTournament(c)) return OpenCompetition(c);
        if (c >= FIRST_TOUR_SERIES_ID) return OpenSeriesOverview(c, false);
        return;
    }
    if (TakeClick(m_teamPage) && next && next->m_away > 0)
        return OpenSide(next->m_home != g_cricket.m_team ? next->m_home : next->m_away);
    for (int i = 0; i < JOB_NEWS_ROWS; ++i) {
        if (!TakeClick(m_jobRows[i]) || static_cast<size_t>(i) >= mv_events.size()) continue;
        const NewsEventRecord& r = mv_events[i];
        if (m_side <= 0) return OpenSide(r.m_id);
        if (r.m_id < COMP_TEST_CHAMPIONSHIP || IsTournament(r.m_id)) return OpenCompetition(r.m_id);
        if (r.m_id >= FIRST_TOUR_SERIES_ID)
            return OpenSeriesOverview(r.m_id, r.m_kind == NEWS_EVENT_OF_SERIES);
        return;
    }
    if (TakeClick(m_btnMarkAll)) {
        if (auto* inbox = CurrentInbox())
            for (InboxMessage& m : *inbox) m.m_seen = 1;
        m_kept.shown = std::max(count - 1, 0);
        if (m_scroll) m_scroll->m_position = 0;
        return Refresh();
    }
    if (TakeClick(m_btnNextUnread)) {
        ShowFirstUnseen();
        return Refresh();
    }
    if (TakeClick(m_btnPrevious)) {
        if (m_kept.shown > 0) Show(m_kept.shown - 1);
        ScrollToShown();
        return Refresh();
    }
    if (TakeClick(m_btnNext)) {
        if (m_kept.shown < count - 1) Show(m_kept.shown + 1);
        ScrollToShown();
        return Refresh();
    }
    if (const InboxMessage* m = ShownMessage()) {
        for (int i = 0; i < QUICK_LINKS; ++i) {
            if (!TakeClick(m_quickLinks[i]) || static_cast<size_t>(i) >= m->mv_links.size()) continue;
            return FollowLink(m->mv_links[i]);
        }
    }
    const bool accept = TakeClick(m_btnPositive);
    const bool decline = !accept && TakeClick(m_btnNegative);
    if (InboxMessage* m = ShownMessage(); m && (accept || decline)) {
        if (accept)
            m->Accept();
        else
            m->Decline();
        // A job taken changes the whole page and the menus with it.
        if (CurrentScreen() == SCREEN_NEWS && CurrentCoachSide() != m_side) return ChangeScreen(SCREEN_NEWS);
    }
    Refresh();
}

void CNewsScreen::Leave() {
    m_controls.Free();
    mv_events.clear();
    std::fill(std::begin(m_jobRows), std::end(m_jobRows), nullptr);
    std::fill(std::begin(m_headlines), std::end(m_headlines), nullptr);
    std::fill(std::begin(m_quickLinks), std::end(m_quickLinks), nullptr);
    m_scroll = nullptr;
    m_btnNextUnread = m_btnPrevious = m_btnMarkAll = m_btnNext = m_btnPositive = m_btnNegative = nullptr;
    m_profile = m_teamPage = m_competitionPage = nullptr;
}

}  // namespace ravel
