#include "season/ResultNews.h"

#include <algorithm>

#include "match/Match.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/Tournaments.h"
#include "world/World.h"

namespace ravel {

namespace {

int OutcomeFor(const Match& m, int side) {
    switch (m.mi_resultKind) {
        case RESULT_WON_BATTING_LAST:
        case RESULT_WON_BOWLING_LAST:
        case RESULT_WON_BY_INNINGS:
            return m.mi_winner == side ? MATCH_WON : MATCH_LOST;
        case RESULT_TIE:
            return MATCH_TIED;
        case RESULT_DRAW:
            return MATCH_DRAWN;
        default:
            return MATCH_NO_RESULT;
    }
}

// A stage's leaders go on to another competition: a group, a conference or a
// league before its final.
bool FeedsAnother(const Competition& c) {
    return std::any_of(
        g_world.mv_competitions.begin(), g_world.mv_competitions.end(), [&c](const Competition& o) {
            return std::find(o.mv_feeders.begin(), o.mv_feeders.end(), c.m_id) != o.mv_feeders.end();
        });
}

}  // namespace

void PostMatchResultNews(const Match& m) {
    const GameDate& today = g_cricket.m_date;
    for (const int side : {m.mi_team1, m.mi_team2}) {
        UserCoach* coach = UserCoachOfSide(side);
        if (!coach) continue;
        const int opponent = side == m.mi_team1 ? m.mi_team2 : m.mi_team1;
        PendingNewsItem item;
        item.m_code = NEWS_MATCH_RESULT;
        item.m_figure = OutcomeFor(m, side);
        item.m_date = today;
        for (const NewsLink& l : {SideLink(side), SideLink(opponent)}) item.AddLink(l.m_kind, l.m_value);
        item.AddLink(LINK_COMPETITION, m.mi_competition);
        item.AddLink(LINK_SCORECARD, m.mi_id);
        coach->mv_pending.push_back(item);
        coach->DeliverPendingNews(today.m_day, today.m_month, today.m_year);
    }
}

void PostChampionsNews(const Competition& c, const HistoryEntry& entry) {
    if (entry.m_winner <= 0) return;
    PendingNewsItem item;
    item.m_code = NEWS_COMPETITION_WON;
    item.m_figure = FeedsAnother(c) ? CHAMPIONS_OF_STAGE : CHAMPIONS_OF_COMPETITION;
    item.m_date = Tomorrow();
    const NewsLink winner = SideLink(entry.m_winner);
    item.AddLink(winner.m_kind, winner.m_value);
    item.AddLink(LINK_COMPETITION, c.m_id);
    if (entry.m_runnerUp > 0) {
        const NewsLink second = SideLink(entry.m_runnerUp);
        item.AddLink(second.m_kind, second.m_value);
    }
    for (UserCoach& coach : g_userCoaches) {
        const bool plays = std::any_of(c.mv_teams.begin(), c.mv_teams.end(), [&coach](int32_t side) {
            return side > 0 && (side == coach.m_staff.m_clubJob || side == coach.m_staff.m_nationalJob);
        });
        if (plays) coach.mv_pending.push_back(item);
    }
}

void PostTournamentNews(const InternationalTournament& t, int runnerUp) {
    PendingNewsItem item;
    item.m_code = NEWS_TOURNAMENT_RESULT;
    item.m_date = g_cricket.m_date;
    item.AddLink(LINK_COUNTRY, t.m_winner);
    item.AddLink(LINK_COMPETITION, t.m_competition);
    if (runnerUp > 0) item.AddLink(LINK_COUNTRY, runnerUp);
    PostToEveryCoach(item);
}

std::string MatchCompetitionText(const Match& m) {
    const int id = m.mi_competition;
    if (id >= COMP_TOUR_THREE_DAY && id <= COMP_TOUR_FOUR_DAY) return "Tour match";
    if (id >= COMP_FIRST_TOURNAMENT && id <= COMP_LAST_TOURNAMENT) {
        const InternationalTournament* t = TournamentForCompetition(id);
        if (t && t->m_competition == id) return t->m_name;
    }
    if (id >= FIRST_TOUR_SERIES_ID) {
        const TourSeries* s = TourSeriesById(id);
        if (!s) return "";
        // The match's fixture is marked played by now: it is the series' last.
        const int played = static_cast<int>(
            std::count_if(g_world.mv_fixtures.begin(), g_world.mv_fixtures.end(), [s](const Fixture& f) {
                return f.m_competition == s->m_id && f.m_date.m_season == s->m_season &&
                       f.m_state == FIXTURE_PLAYED;
            }));
        return FixtureTitle(*s, std::max(played - 1, 0));
    }
    const Competition* c = CompetitionById(id);
    return c ? c->m_name : "";
}

}  // namespace ravel
