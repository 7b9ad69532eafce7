#include "screens/menus/FixtureRows.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Squads.h"
#include "world/Competitions.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

// The completed match with exactly that id: a row of a match cleared at the
// season's turn must not read another match in its place.
const Match* CompletedMatch(int matchId) {
    const int index = FindCompletedMatchIndex(matchId);
    return index < 0 ? nullptr : g_completedMatches[index].get();
}

// What a result text needs, from a completed match or a played fixture.
struct ResultWords {
    int32_t m_kind = 0;
    int32_t m_margin = 0;
    int32_t m_winner = -1;
    int32_t m_loser = -1;
    bool m_firstClass = false;
};

bool ResultOf(const FixtureListEntry& row, ResultWords& out) {
    if (row.m_kind == ROW_COMPLETED) {
        const Match* match = CompletedMatch(row.m_match);
        if (!match) return false;
        out.m_kind = match->mi_resultKind;
        out.m_margin = match->mi_margin;
        out.m_winner = match->mi_winner;
        out.m_loser = match->mi_loser;
        out.m_firstClass = match->IsFirstClass();
    } else if (row.m_kind == ROW_PLAYED) {
        if (row.m_fixture < 0 || static_cast<size_t>(row.m_fixture) >= g_world.mv_fixtures.size())
            return false;
        const Fixture& f = g_world.mv_fixtures[row.m_fixture];
        out.m_kind = f.m_result[0];
        out.m_margin = f.m_result[1];
        out.m_winner = f.m_result[2];
        out.m_loser = out.m_winner == f.m_home ? f.m_away : f.m_home;
        const Competition* c = CompetitionById(f.m_competition);
        out.m_firstClass = c ? IsFirstClassType(c->m_format) : true;
    } else {
        return false;
    }
    // A tie names both sides whether or not the engine filled the fields.
    if (out.m_winner <= 0 || out.m_loser <= 0) {
        out.m_winner = row.m_home;
        out.m_loser = row.m_away;
    }
    return true;
}

// Texts of the four decisions that are not by runs or wickets.
struct MarginWords {
    int32_t m_margin;
    const char* m_description;  // "%s beat %s ..."
    const char* m_won;
    const char* m_lost;
    const char* m_lostPlayed;  // the one-side view of a played fixture
    const char* m_headline;    // "%s won ..."
};

constexpr MarginWords MARGINS[] = {
    {MARGIN_RUN_RATE, "%s beat %s by better run rate", "Won on better run rate", "Lost on worse run rate",
     "Lost on worse run rate", "%s won on better run rate"},
    {MARGIN_FEWER_WICKETS, "%s beat %s by less wickets lost", "Won on less wickets down",
     "Lost on more wickets down", "Lost on number of wickets down", "%s won by less wickets down"},
    {MARGIN_FIRST_INNINGS_TOTAL, "%s beat %s on first innings total", "Won on first innings total",
     "Lost on first innings total", "Lost on first innings total", "%s won first innings total"},
    {MARGIN_FIRST_INNINGS_RATE, "%s beat %s on first innings run rate", "Won on first innings run rate",
     "Lost on first innings run rate", "Lost on first innings run rate", "%s won first innings run rate"},
};

const MarginWords* FindMargin(int margin) {
    for (const MarginWords& m : MARGINS)
        if (m.m_margin == margin) return &m;
    return nullptr;
}

// Ties, draws and no results, which name no winner; nullptr for the other
// kinds, and for a draw in limited overs, which cannot happen. The one-side
// view of a one-day tie says "Match tied".
const char* UndecidedText(const ResultWords& r, bool played, bool oneSideView) {
    switch (r.m_kind) {
        case RESULT_TIE:
            return oneSideView && !r.m_firstClass && !played ? "Match tied" : "Match Tied";
        case RESULT_DRAW:
            return r.m_firstClass || played ? "Match Drawn" : nullptr;
        case RESULT_NO_RESULT:
            return "No result";
        default:
            return nullptr;
    }
}

}  // namespace

std::string MatchTitle(const FixtureListEntry& row) {
    if (row.m_competition == COMP_TEST_CHAMPIONSHIP || row.m_competition == COMP_ODI_CHAMPIONSHIP) return "";
    return Format("%s v %s", SideName(row.m_home), SideName(row.m_away));
}

std::string HomeTeamName(const FixtureListEntry& row) {
    return SideName(row.m_home);
}

std::string AwayTeamName(const FixtureListEntry& row) {
    return SideName(row.m_away);
}

std::string GroundText(const FixtureListEntry& row) {
    const Ground* g = GroundById(row.m_ground);
    if (!g) return "-";
    // "County Ground, Derby" already names its town.
    if (std::string_view(g->m_name).ends_with(std::string(", ") + g->m_town)) return g->m_name;
    return Format("%s, %s", g->m_name, g->m_town);
}

std::string GroundPlace(const FixtureListEntry& row) {
    const Ground* g = GroundById(row.m_ground);
    return g ? g->m_town : "-";
}

std::string DateText(const FixtureListEntry& row) {
    const GameDate& s = row.m_start;
    const GameDate& e = row.m_end;
    if (s.SameDay(e)) return s.DateText();
    char start[20];
    char end[20];
    if (s.m_month == e.m_month)
        std::snprintf(start, sizeof start, "%d -", s.m_day);
    else
        std::snprintf(start, sizeof start, "%d %s -", s.m_day, MonthShortName(s.m_month));
    std::snprintf(end, sizeof end, " %d %s", e.m_day, MonthShortName(e.m_month));
    return Format("%s%s", start, end);
}

std::string ResultVerb(const FixtureListEntry& row) {
    const char* verb = "vs";
    if (row.m_kind == ROW_PLAYED) {
        const bool known =
            row.m_fixture >= 0 && static_cast<size_t>(row.m_fixture) < g_world.mv_fixtures.size();
        const int winner = known ? g_world.mv_fixtures[row.m_fixture].m_result[2] : -1;
        verb = winner == row.m_home ? "beat" : winner == row.m_away ? "lost to" : "drew with";
    } else if ((row.m_kind == ROW_IN_PROGRESS || row.m_kind == ROW_COMPLETED) && row.m_match == -1) {
        verb = "are playing";
    } else if (row.m_kind == ROW_COMPLETED) {
        const Match* m = CompletedMatch(row.m_match);
        const int winner = m ? m->mi_winner : -1;
        verb = winner == row.m_home ? "beat" : winner == row.m_away ? "lost to" : "drew with";
    }
    return verb;
}

std::string CompetitionLabel(const FixtureListEntry& row) {
    const int id = row.m_competition;
    // 500 is the Test table and 501 the one-day table.
    if (id == COMP_TEST_CHAMPIONSHIP) return "Test";
    if (id == COMP_ODI_CHAMPIONSHIP) return "ODI";
    if (id >= COMP_TOUR_THREE_DAY && id <= COMP_TOUR_FOUR_DAY) return "Tour";
    if (id >= COMP_FIRST_FURTHER_EVENT) return id % 2 ? "Test" : "ODI";
    const Competition* c = CompetitionById(id);
    return c ? c->m_shortName : "-";
}

std::string ResultDescription(const FixtureListEntry& row) {
    if (row.m_match == -1) return "-";
    if (row.m_kind == ROW_IN_PROGRESS) return "In progress";
    ResultWords r;
    if (row.m_kind != ROW_COMPLETED || !ResultOf(row, r)) return "-";
    const char* x = SideName(r.m_winner);
    const char* y = SideName(r.m_loser);
    if (r.m_margin < 0) {
        const MarginWords* m = FindMargin(r.m_margin);
        if (!m) return "-";
        return Format(m->m_description, x, y);
    }
    switch (r.m_kind) {
        case RESULT_WON_BATTING_LAST:
            return Format("%s beat %s by %d wickets", x, y, r.m_margin);
        case RESULT_WON_BOWLING_LAST:
            return Format("%s beat %s by %d runs", x, y, r.m_margin);
        case RESULT_WON_BY_INNINGS:
            if (!r.m_firstClass) break;
            return Format("%s beat %s by an innings and %d runs", x, y, r.m_margin);
        case RESULT_TIE:
            if (r.m_firstClass) return "Match Tied";
            return Format("%s tied with %s", x, y);
        case RESULT_DRAW:
            if (r.m_firstClass) return "Match Drawn";
            break;
        case RESULT_NO_RESULT:
            return "Match Abandoned";
        default:
            break;
    }
    return "-";
}

std::string ResultForTeam(const FixtureListEntry& row, int sideId) {
    if (row.m_kind == ROW_SCHEDULED || (row.m_match == -1 && row.m_kind != ROW_PLAYED)) return "-";
    if (row.m_kind == ROW_IN_PROGRESS) return "In progress";
    ResultWords r;
    if (!ResultOf(row, r)) return "-";
    const bool won = r.m_winner == sideId;
    const bool played = row.m_kind == ROW_PLAYED;
    if (r.m_margin < 0) {
        const MarginWords* m = FindMargin(r.m_margin);
        if (!m) return won ? "Won" : "Lost";
        return won ? m->m_won : played ? m->m_lostPlayed : m->m_lost;
    }
    switch (r.m_kind) {
        case RESULT_WON_BATTING_LAST:
            return Format("%s by %d wickets", won ? "Won" : "Lost", r.m_margin);
        case RESULT_WON_BOWLING_LAST:
            return Format("%s by %d runs", won ? "Won" : "Lost", r.m_margin);
        case RESULT_WON_BY_INNINGS:
            if (!r.m_firstClass && !played) break;
            return Format("%s by an inns and %d runs", won ? "Won" : "Lost", r.m_margin);
        default:
            break;
    }
    const char* undecided = UndecidedText(r, played, true);
    return undecided ? undecided : "-";
}

std::string ResultRuleText(const FixtureListEntry& row) {
    if (row.m_kind == ROW_SCHEDULED) return "-";
    if (row.m_kind == ROW_IN_PROGRESS) return row.m_match == -1 ? "-" : "In progress";
    ResultWords r;
    if (!ResultOf(row, r)) return "-";
    const char* x = SideName(r.m_winner);
    if (r.m_margin < 0) {
        const MarginWords* m = FindMargin(r.m_margin);
        if (m)
            return Format(m->m_headline, x);
        else
            return Format("%s won", x);
    }
    const bool played = row.m_kind == ROW_PLAYED;
    switch (r.m_kind) {
        case RESULT_WON_BATTING_LAST:
            return Format("%s won by %d wkts", x, r.m_margin);
        case RESULT_WON_BOWLING_LAST:
            return Format("%s won by %d runs", x, r.m_margin);
        case RESULT_WON_BY_INNINGS:
            if (!r.m_firstClass && !played) break;
            return Format("%s won by an %s and %d runs", x, played ? "innings" : "inns", r.m_margin);
        default:
            break;
    }
    const char* undecided = UndecidedText(r, played, false);
    return undecided ? undecided : "-";
}

std::string PerformancePlayerName(const PerformanceRow& row) {
    const Player* p = row.m_player >= 0 ? PlayerById(row.m_player) : nullptr;
    if (!p) return "-";
    return Format("%s, %s", p->m_surname, p->m_initials);
}

std::string PerformanceTeamShortName(const PerformanceRow& row) {
    return row.m_side < 0 ? "-" : SideShortName(row.m_side);
}

namespace {

std::string CompletedMatchTitle(int matchId) {
    const Match* m = CompletedMatch(matchId);
    if (!m) return "-";
    return Format("%s v %s", SideName(m->mi_team1), SideName(m->mi_team2));
}

std::string CompletedMatchDate(int matchId) {
    const Match* m = CompletedMatch(matchId);
    return m ? m->m_startDate.DateText() : "-";
}

}  // namespace

std::string PerformanceMatchTitle(const PerformanceRow& row) {
    return CompletedMatchTitle(row.m_match);
}

std::string PerformanceMatchDate(const PerformanceRow& row) {
    return CompletedMatchDate(row.m_match);
}

std::string PerformanceScoreText(const PerformanceRow& row) {
    if (row.m_first < 0) return "-";
    return Format(row.m_second == 1 ? "%d*" : "%d", row.m_first);
}

std::string PerformanceBowlingText(const PerformanceRow& row) {
    if (row.m_first < 0 || row.m_second < 0) return "-";
    return Format("%d/%d", row.m_second, row.m_first);
}

std::string InningsMatchDate(const TeamInningsRow& row) {
    return CompletedMatchDate(row.m_match);
}

std::string InningsTeamName(const TeamInningsRow& row) {
    if (row.m_match < 0 || row.m_side < 0) return "-";
    return SideName(row.m_side);
}

std::string InningsMatchTitle(const TeamInningsRow& row) {
    return CompletedMatchTitle(row.m_match);
}

std::string InningsTotalText(const TeamInningsRow& row) {
    if (row.m_match < 0) return "-";
    if (row.m_wickets == 10)
        return Format("%d", row.m_total);
    else
        return Format("%d/%d", row.m_total, row.m_wickets);
}

}  // namespace ravel
