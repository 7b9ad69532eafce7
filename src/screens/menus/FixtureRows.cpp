#include "screens/menus/FixtureRows.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Squads.h"
#include "world/Competitions.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int TEXT_SIZE = 128;

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

const char* Copy(char* buffer, const char* text) {
    std::snprintf(buffer, TEXT_SIZE, "%s", text);
    return buffer;
}

}  // namespace

const char* MatchTitle(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_competition == COMP_TEST_CHAMPIONSHIP || row.m_competition == COMP_ODI_CHAMPIONSHIP)
        return buffer;
    std::snprintf(buffer, sizeof buffer, "%s v %s", SideName(row.m_home), SideName(row.m_away));
    return buffer;
}

const char* HomeTeamName(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    return Copy(buffer, SideName(row.m_home));
}

const char* AwayTeamName(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    return Copy(buffer, SideName(row.m_away));
}

const char* GroundText(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    const Ground* g = GroundById(row.m_ground);
    if (!g) return Copy(buffer, "-");
    // "County Ground, Derby" already names its town.
    if (std::string_view(g->m_name).ends_with(std::string(", ") + g->m_town)) return Copy(buffer, g->m_name);
    std::snprintf(buffer, sizeof buffer, "%s, %s", g->m_name, g->m_town);
    return buffer;
}

const char* GroundPlace(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    const Ground* g = GroundById(row.m_ground);
    return Copy(buffer, g ? g->m_town : "-");
}

const char* DateText(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    const GameDate& s = row.m_start;
    const GameDate& e = row.m_end;
    if (s.SameDay(e)) return Copy(buffer, s.DateText());
    char start[20];
    char end[20];
    if (s.m_month == e.m_month)
        std::snprintf(start, sizeof start, "%d -", s.m_day);
    else
        std::snprintf(start, sizeof start, "%d %s -", s.m_day, MonthShortName(s.m_month));
    std::snprintf(end, sizeof end, " %d %s", e.m_day, MonthShortName(e.m_month));
    std::snprintf(buffer, sizeof buffer, "%s%s", start, end);
    return buffer;
}

const char* ResultVerb(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
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
    return Copy(buffer, verb);
}

const char* CompetitionLabel(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    const int id = row.m_competition;
    // 500 is the Test table and 501 the one-day table.
    if (id == COMP_TEST_CHAMPIONSHIP) return Copy(buffer, "Test");
    if (id == COMP_ODI_CHAMPIONSHIP) return Copy(buffer, "ODI");
    if (id >= COMP_TOUR_THREE_DAY && id <= COMP_TOUR_FOUR_DAY) return Copy(buffer, "Tour");
    if (id >= COMP_FIRST_FURTHER_EVENT) return Copy(buffer, id % 2 ? "Test" : "ODI");
    const Competition* c = CompetitionById(id);
    return Copy(buffer, c ? c->m_shortName : "-");
}

const char* ResultDescription(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_match == -1) return Copy(buffer, "-");
    if (row.m_kind == ROW_IN_PROGRESS) return Copy(buffer, "In progress");
    ResultWords r;
    if (row.m_kind != ROW_COMPLETED || !ResultOf(row, r)) return Copy(buffer, "-");
    const char* x = SideName(r.m_winner);
    const char* y = SideName(r.m_loser);
    if (r.m_margin < 0) {
        const MarginWords* m = FindMargin(r.m_margin);
        if (!m) return Copy(buffer, "-");
        std::snprintf(buffer, sizeof buffer, m->m_description, x, y);
        return buffer;
    }
    switch (r.m_kind) {
        case RESULT_WON_BATTING_LAST:
            std::snprintf(buffer, sizeof buffer, "%s beat %s by %d wickets", x, y, r.m_margin);
            return buffer;
        case RESULT_WON_BOWLING_LAST:
            std::snprintf(buffer, sizeof buffer, "%s beat %s by %d runs", x, y, r.m_margin);
            return buffer;
        case RESULT_WON_BY_INNINGS:
            if (!r.m_firstClass) break;
            std::snprintf(buffer, sizeof buffer, "%s beat %s by an innings and %d runs", x, y, r.m_margin);
            return buffer;
        case RESULT_TIE:
            if (r.m_firstClass) return Copy(buffer, "Match Tied");
            std::snprintf(buffer, sizeof buffer, "%s tied with %s", x, y);
            return buffer;
        case RESULT_DRAW:
            if (r.m_firstClass) return Copy(buffer, "Match Drawn");
            break;
        case RESULT_NO_RESULT:
            return Copy(buffer, "Match Abandoned");
        default:
            break;
    }
    return Copy(buffer, "-");
}

const char* ResultForTeam(const FixtureListEntry& row, int sideId) {
    static char buffer[TEXT_SIZE];
    if (row.m_kind == ROW_SCHEDULED || (row.m_match == -1 && row.m_kind != ROW_PLAYED))
        return Copy(buffer, "-");
    if (row.m_kind == ROW_IN_PROGRESS) return Copy(buffer, "In progress");
    ResultWords r;
    if (!ResultOf(row, r)) return Copy(buffer, "-");
    const bool won = r.m_winner == sideId;
    const bool played = row.m_kind == ROW_PLAYED;
    if (r.m_margin < 0) {
        const MarginWords* m = FindMargin(r.m_margin);
        if (!m) return Copy(buffer, won ? "Won" : "Lost");
        return Copy(buffer, won ? m->m_won : played ? m->m_lostPlayed : m->m_lost);
    }
    switch (r.m_kind) {
        case RESULT_WON_BATTING_LAST:
            std::snprintf(buffer, sizeof buffer, "%s by %d wickets", won ? "Won" : "Lost", r.m_margin);
            return buffer;
        case RESULT_WON_BOWLING_LAST:
            std::snprintf(buffer, sizeof buffer, "%s by %d runs", won ? "Won" : "Lost", r.m_margin);
            return buffer;
        case RESULT_WON_BY_INNINGS:
            if (!r.m_firstClass && !played) break;
            std::snprintf(buffer, sizeof buffer, "%s by an inns and %d runs", won ? "Won" : "Lost",
                          r.m_margin);
            return buffer;
        default:
            break;
    }
    const char* undecided = UndecidedText(r, played, true);
    return Copy(buffer, undecided ? undecided : "-");
}

const char* ResultRuleText(const FixtureListEntry& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_kind == ROW_SCHEDULED) return Copy(buffer, "-");
    if (row.m_kind == ROW_IN_PROGRESS) return Copy(buffer, row.m_match == -1 ? "-" : "In progress");
    ResultWords r;
    if (!ResultOf(row, r)) return Copy(buffer, "-");
    const char* x = SideName(r.m_winner);
    if (r.m_margin < 0) {
        const MarginWords* m = FindMargin(r.m_margin);
        if (m)
            std::snprintf(buffer, sizeof buffer, m->m_headline, x);
        else
            std::snprintf(buffer, sizeof buffer, "%s won", x);
        return buffer;
    }
    const bool played = row.m_kind == ROW_PLAYED;
    switch (r.m_kind) {
        case RESULT_WON_BATTING_LAST:
            std::snprintf(buffer, sizeof buffer, "%s won by %d wkts", x, r.m_margin);
            return buffer;
        case RESULT_WON_BOWLING_LAST:
            std::snprintf(buffer, sizeof buffer, "%s won by %d runs", x, r.m_margin);
            return buffer;
        case RESULT_WON_BY_INNINGS:
            if (!r.m_firstClass && !played) break;
            std::snprintf(buffer, sizeof buffer, "%s won by an %s and %d runs", x,
                          played ? "innings" : "inns", r.m_margin);
            return buffer;
        default:
            break;
    }
    const char* undecided = UndecidedText(r, played, false);
    return Copy(buffer, undecided ? undecided : "-");
}

const char* PerformancePlayerName(const PerformanceRow& row) {
    static char buffer[TEXT_SIZE];
    const Player* p = row.m_player >= 0 ? PlayerById(row.m_player) : nullptr;
    if (!p) return Copy(buffer, "-");
    std::snprintf(buffer, sizeof buffer, "%s, %s", p->m_surname, p->m_initials);
    return buffer;
}

const char* PerformanceTeamShortName(const PerformanceRow& row) {
    static char buffer[TEXT_SIZE];
    return Copy(buffer, row.m_side < 0 ? "-" : SideShortName(row.m_side));
}

namespace {

const char* CompletedMatchTitle(char* buffer, int matchId) {
    const Match* m = CompletedMatch(matchId);
    if (!m) return Copy(buffer, "-");
    std::snprintf(buffer, TEXT_SIZE, "%s v %s", SideName(m->mi_team1), SideName(m->mi_team2));
    return buffer;
}

const char* CompletedMatchDate(char* buffer, int matchId) {
    const Match* m = CompletedMatch(matchId);
    return Copy(buffer, m ? m->m_startDate.DateText() : "-");
}

}  // namespace

const char* PerformanceMatchTitle(const PerformanceRow& row) {
    static char buffer[TEXT_SIZE];
    return CompletedMatchTitle(buffer, row.m_match);
}

const char* PerformanceMatchDate(const PerformanceRow& row) {
    static char buffer[TEXT_SIZE];
    return CompletedMatchDate(buffer, row.m_match);
}

const char* PerformanceScoreText(const PerformanceRow& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_first < 0) return Copy(buffer, "-");
    std::snprintf(buffer, sizeof buffer, row.m_second == 1 ? "%d*" : "%d", row.m_first);
    return buffer;
}

const char* PerformanceBowlingText(const PerformanceRow& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_first < 0 || row.m_second < 0) return Copy(buffer, "-");
    std::snprintf(buffer, sizeof buffer, "%d/%d", row.m_second, row.m_first);
    return buffer;
}

const char* InningsMatchDate(const TeamInningsRow& row) {
    static char buffer[TEXT_SIZE];
    return CompletedMatchDate(buffer, row.m_match);
}

const char* InningsTeamName(const TeamInningsRow& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_match < 0 || row.m_side < 0) return Copy(buffer, "-");
    return Copy(buffer, SideName(row.m_side));
}

const char* InningsMatchTitle(const TeamInningsRow& row) {
    static char buffer[TEXT_SIZE];
    return CompletedMatchTitle(buffer, row.m_match);
}

const char* InningsTotalText(const TeamInningsRow& row) {
    static char buffer[TEXT_SIZE];
    if (row.m_match < 0) return Copy(buffer, "-");
    if (row.m_wickets == 10)
        std::snprintf(buffer, sizeof buffer, "%d", row.m_total);
    else
        std::snprintf(buffer, sizeof buffer, "%d/%d", row.m_total, row.m_wickets);
    return buffer;
}

}  // namespace ravel
