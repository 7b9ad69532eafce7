// The news page's drawing.
#include <cstdio>
#include <cstring>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/NewsScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/DayMachine.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/Tournaments.h"
#include "season/Tours.h"
#include "shell/Game.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

using NS = CNewsScreen;

constexpr uint32_t LILAC = 0xffc8c8ffu;
constexpr uint32_t OLIVE = 0xffcdcd00u;
constexpr uint32_t GREY = 0xffdcdcdcu;
constexpr int LONG_HEADLINE = 54;  // characters; longer ones take the smaller font
constexpr int HEADLINE_END = 690;  // the shown message's date starts at 700
constexpr int BODY_BOTTOM = 605;   // the answer buttons lie below
constexpr int ANSWER_Y = 610;      // the answer buttons' row

struct Panel {
    int left, top, right, bottom;
};
constexpr Panel PANELS[] = {
    {203, 103, 659, 207}, {203, 210, 659, 292}, {662, 103, 1019, 292}, {203, 295, 1019, 442},
    {203, 445, 822, 645}, {203, 648, 822, 695}, {825, 445, 1019, 695},
};

void Text(int x, int y, uint32_t colour, const char* format, const char* text) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, g_game->m_fontText.get(), format, text);
}

std::string ClockText() {
    if (g_cricket.m_dayPhase == DAY_PHASE_SCOREBOARD) return "22:45";
    if (g_cricket.m_dayPhase == DAY_PHASE_MATCH_PLAYING) {
        for (const auto& m : g_currentMatches)
            if (m && m->HasHumanSide()) return m->m_clock.ClockText();
    }
    return g_cricket.m_date.ClockText();
}

void DrawNewsFrame() {
    g_game->m_background.Draw(0, 0);
    for (const Panel& p : PANELS) g_system->ShadeRect(p.left, p.top, p.right, p.bottom);
    DrawFrameBars(ClockText().c_str());
}

// A competition's name in the events panel: the smaller face when the whole
// name would run past the panel's edge, the short name when even that would.
void CompetitionName(const Competition& c, int y) {
    constexpr int WIDTH = 1010 - 670;
    CFont* font = g_game->m_fontText.get();
    const char* name = c.m_name;
    if (CSystem::TextWidth(font, name) > WIDTH) {
        font = g_game->m_fontTable.get();
        if (CSystem::TextWidth(font, name) > WIDTH && c.m_shortName[0]) name = c.m_shortName;
    }
    g_system->DrawText(670, y, ALIGN_LEFT, TEXT_YELLOW, font, "%s", name);
}

void DrawCompetitionEvent(const NewsEventRecord& r, int y) {
    const Competition* c = CompetitionById(r.m_id);
    if (!c) return;
    CompetitionName(*c, y);
    if (r.m_state == NEWS_EVENT_NOT_STARTED) {
        Text(670, y + 20, LILAC, "%s", "Not started");
        return;
    }
    if (r.m_row < 0 || static_cast<size_t>(r.m_row) >= c->mv_standings.size()) return;
    const StandingsRow& row = c->mv_standings[r.m_row];
    const int rounds = (c->m_doubleRound ? 2 : 1) * (c->TeamCount() - 1);
    char text[32];
    Text(670, y + 20, TEXT_WHITE, "%s", "Pos:");
    Text(730, y + 20, TEXT_WHITE, "%s", OrdinalText(row.m_position));
    Text(800, y + 20, TEXT_WHITE, "%s", "Pld:");
    std::snprintf(text, sizeof text, "%d / %d", row.Played(), rounds);
    Text(860, y + 20, TEXT_WHITE, "%s", text);
    std::snprintf(text, sizeof text, "%d pts", row.m_points);
    Text(940, y + 20, TEXT_WHITE, "%s", text);
}

void DrawTournamentEvent(const NewsEventRecord& r, int y) {
    const Competition* c = CompetitionById(r.m_id);
    if (c) CompetitionName(*c, y);
    const InternationalTournament* t = TournamentForCompetition(r.m_id);
    if (t && t->m_competition == r.m_id) Text(670, y + 20, TEXT_WHITE, "%s", SideName(t->m_host));
}

void DrawSeriesEvent(const NewsEventRecord& r, int y, int country) {
    const Series* s = SeriesById(r.m_id);
    if (!s) return;
    Text(670, y, TEXT_WHITE, "%s", s->m_host == country ? "Home Triangular" : "Away Triangular");
    const char* others[2] = {"", ""};
    int n = 0;
    for (int32_t id : s->mv_countries)
        if (id != country && n < 2) others[n++] = SideShortName(id);
    char text[64];
    std::snprintf(text, sizeof text, "vs %s,%s", others[0], others[1]);
    Text(900, y, LILAC, "%s", text);
}

void DrawTourSeriesEvent(const NewsEventRecord& r, int y, int country) {
    const TourSeries* s = TourSeriesById(r.m_id);
    if (!s) return;
    char text[64];
    if (s->m_home == country)
        std::snprintf(text, sizeof text, "Home vs %s", SideName(s->m_away));
    else
        std::snprintf(text, sizeof text, "Away vs %s", SideName(s->m_home));
    Text(670, y, TEXT_WHITE, "%s", text);
    std::snprintf(text, sizeof text, s->m_id % 2 ? "%d Tests" : "%d ODIs", s->m_matches);
    Text(900, y, LILAC, "%s", text);
    if (r.m_state == NEWS_EVENT_STARTS_LATER)
        Text(670, y + 20, TEXT_YELLOW, "%s", DateRangeText(*s).c_str());
    else
        Text(670, y + 20, TEXT_WHITE, "%s", SeriesStatusText(*s).c_str());
}

std::string FixtureCompetitionText(int id) {
    const char* text = "";
    const InternationalTournament* t =
        id >= COMP_FIRST_TOURNAMENT && id <= COMP_LAST_TOURNAMENT ? TournamentForCompetition(id) : nullptr;
    if (t && t->m_competition == id) {
        text = t->m_name;
    } else if (id < COMP_TEST_CHAMPIONSHIP || (id >= COMP_FIRST_TOURNAMENT && id <= COMP_LAST_TOURNAMENT)) {
        const Competition* c = CompetitionById(id);
        text = c ? c->m_name : "";
    } else if (id == COMP_TOUR_THREE_DAY) {
        text = "Tour Match - 3 day";
    } else if (id == COMP_TOUR_ONE_DAY) {
        text = "Tour Match - 1 day";
    } else if (id == COMP_TOUR_FOUR_DAY) {
        text = "Tour Match - 4 day";
    } else if (id >= FIRST_TOUR_SERIES_ID) {
        text = id % 2 ? "Test Match" : "One Day International";
    }
    return text;
}

uint32_t HeadlineColour(const InboxMessage& m, bool shown) {
    if (shown) return TEXT_ORANGE;
    if (m.m_needsAnswer && !m.m_handled) return TEXT_YELLOW;
    if (m.m_seen || m.m_handled) return GREY;
    return TEXT_WHITE;
}

std::string LinkText(const NewsLink& link) {
    const int v = link.m_value;
    switch (link.m_kind) {
        case LINK_PLAYER:
            if (const Player* p = PlayerById(v)) return p->m_surname;
            break;
        case LINK_CLUB:
        case LINK_COUNTRY:
            return SideName(v);
        case LINK_COACH:
            if (const StaffMember* s = StaffMemberById(v)) return s->m_surname;
            break;
        case LINK_COMPETITION:
            if (v < COMP_TEST_CHAMPIONSHIP ||
                (v >= COMP_FIRST_TOURNAMENT && v <= COMP_FIRST_TOURNAMENT + 2)) {
                if (const Competition* c = CompetitionById(v)) return c->m_shortName;
            } else if (v >= FIRST_TOUR_SERIES_ID) {
                if (const TourSeries* s = TourSeriesById(v))
                    return Format("%s in %s", SideShortName(s->m_away), SideShortName(s->m_home));
            }
            break;
        case LINK_SCORECARD:
            return "Scorecard";
        case LINK_SCREEN:
            if (v == SCREEN_TOP_PLAYERS) return "Ratings";
            break;
        case LINK_RECORDS:
            return "View Records Page";
        default:
            break;
    }
    return "";
}

void DrawShownMessage(InboxMessage& m) {
    // A long headline takes the smaller font so that it ends before the date.
    CFont* font = g_game->m_fontText.get();
    if (m.m_headline.size() >= LONG_HEADLINE ||
        220 + CSystem::TextWidth(font, m.m_headline.c_str()) > HEADLINE_END)
        font = g_game->m_fontSmallBold.get();
    g_system->DrawText(220, 450, ALIGN_LEFT, TEXT_WHITE, font, "%s", m.m_headline.c_str());
    Text(700, 450, TEXT_YELLOW, "%s", FormatDate(m.m_day, m.m_month, m.m_year).c_str());
    g_system->DrawTextInRect(220, 480, 800, BODY_BOTTOM, ALIGN_LEFT, TEXT_WHITE, g_game->m_fontText.get(),
                             "%s", m.m_body.c_str());
    // An answered message says what the answer was, where its buttons stood.
    if (m.m_handled && !m.m_answer.empty()) Text(220, ANSWER_Y, TEXT_YELLOW, "%s", m.m_answer.c_str());
    m.m_seen = 1;
    Text(850, 450, TEXT_YELLOW, "%s", "News Links");
    for (size_t i = 0; i < m.mv_links.size() && i < static_cast<size_t>(QUICK_LINKS); ++i)
        Text(850, 490 + 20 * static_cast<int>(i), TEXT_WHITE, "%s", LinkText(m.mv_links[i]).c_str());
}

}  // namespace

void NS::DrawVacancies() const {
    Text(670, 120, TEXT_YELLOW, "%s", "Job News");
    if (mv_events.empty()) {
        Text(670, 150, TEXT_WHITE, "%s", "No jobs");
        return;
    }
    for (size_t i = 0; i < mv_events.size() && i < static_cast<size_t>(JOB_NEWS_ROWS); ++i) {
        const int y = 150 + 25 * static_cast<int>(i);
        Text(670, y, TEXT_WHITE, "%s", SideName(mv_events[i].m_id));
        Text(940, y, TEXT_YELLOW, "%s", "Vacant");
    }
}

void NS::DrawEvents() const {
    const int country = CurrentCoachSide();
    for (size_t i = 0; i < mv_events.size(); ++i) {
        const int y = 120 + 40 * static_cast<int>(i);
        if (y >= 280) break;
        const NewsEventRecord& r = mv_events[i];
        if (r.m_id < COMP_TEST_CHAMPIONSHIP)
            DrawCompetitionEvent(r, y);
        else if (r.m_id >= COMP_FIRST_TOURNAMENT && r.m_id <= COMP_LAST_TOURNAMENT)
            DrawTournamentEvent(r, y);
        else if (r.m_id >= FIRST_TOUR_SERIES_ID && r.m_kind == NEWS_EVENT_OF_SERIES)
            DrawSeriesEvent(r, y, country);
        else if (r.m_id >= FIRST_TOUR_SERIES_ID)
            DrawTourSeriesEvent(r, y, country);
    }
}

void NS::DrawNextFixture() const {
    Text(220, 120, TEXT_YELLOW, "%s", "Next Fixture");
    const NextMatch& f = m_next;
    if (!f.m_known) {
        Text(220, 140, OLIVE, "%s", "No fixtures scheduled");
        return;
    }
    Text(220, 140, TEXT_WHITE, "%s", f.m_date.DateText().c_str());
    Text(220, 160, TEXT_WHITE, "%s", FixtureCompetitionText(f.m_competition).c_str());
    if (f.m_away <= 0)
        Text(220, 180, TEXT_WHITE, "In %s, opponents to be drawn", SideName(f.m_host));
    else if (f.m_home == m_side)
        Text(220, 180, TEXT_WHITE, "%s (Home)", SideName(f.m_away));
    else
        Text(220, 180, TEXT_WHITE, "%s (Away)", SideName(f.m_home));
}

void NS::DrawAvailability() const {
    Text(220, 220, TEXT_YELLOW, "%s", "Squad Availability news");
    if (m_injured == 0 && m_onDuty == 0) {
        Text(220, 240, OLIVE, "%s", "All squad members are currently available to play");
        return;
    }
    char text[80];
    if (m_injured > 0) {
        std::snprintf(text, sizeof text,
                      m_injured == 1 ? "1 player is currently injured" : "%d players are currently injured",
                      m_injured);
        Text(220, 240, TEXT_WHITE, "%s", text);
    }
    if (m_onDuty > 0) {
        std::snprintf(text, sizeof text,
                      m_onDuty == 1 ? "1 player is currently on international duty"
                                    : "%d players are currently on international duty",
                      m_onDuty);
        Text(220, m_injured > 0 ? 260 : 240, TEXT_WHITE, "%s", text);
    }
}

void NS::DrawHeadlines(const std::vector<InboxMessage>& inbox) {
    Text(220, 300, TEXT_YELLOW, "%s", "News Headlines");
    const int count = static_cast<int>(inbox.size());
    m_offset = m_scroll && !m_scroll->mb_disabled ? m_scroll->m_position : 0;
    std::string lastDate;
    for (int k = 0; k < NEWS_ROWS; ++k) {
        const int index = count - 1 - m_offset - k;
        if (index < 0 || index >= count) break;
        const InboxMessage& m = inbox[index];
        const int y = 325 + 20 * k;
        const std::string date = FormatDate(m.m_day, m.m_month, m.m_year);
        if (date != lastDate) Text(220, y, TEXT_YELLOW, "%s", date.c_str());
        lastDate = date;
        Text(350, y, HeadlineColour(m, index == m_kept.shown), "%s", m.m_headline.c_str());
    }
}

void CNewsScreen::Render() {
    DrawNewsFrame();
    DrawCoachName();
    if (m_side <= 0)
        DrawVacancies();
    else
        DrawEvents();
    const StaffMember* coach = CurrentUserStaff();
    const char* title = "Unemployed";
    if (coach && m_side > 0) title = SideName(m_side);
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontTitle.get(), "%s", title);
    DrawNextFixture();
    DrawAvailability();
    if (auto* inbox = CurrentInbox()) {
        DrawHeadlines(*inbox);
        if (m_kept.shown >= 0 && static_cast<size_t>(m_kept.shown) < inbox->size())
            DrawShownMessage((*inbox)[m_kept.shown]);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
