// The competition screen's drawing: the frame and header, then the page's
// table. Standings, fixtures and the championship series pages here; the
// statistics, history and rules pages in CompetitionStatsDraw.cpp.
#include <cstdio>
#include <cstring>

#include "match/Conditions.h"
#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenFrame.h"
#include "season/Fixtures.h"
#include "season/Standings.h"
#include "season/Tours.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Control.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

void DrawCompetitionStatsPage(const CCompetitionScreen& cs);
void DrawCompetitionHistoryPage(const CCompetitionScreen& cs);
void DrawCompetitionRulesPage(const CCompetitionScreen& cs);

namespace {

using CS = CCompetitionScreen;

constexpr uint32_t GREEN_LINE = 0xff00ff00u;
constexpr uint32_t RED_LINE = 0xffff0000u;
constexpr uint32_t PLAYED_GREY = 0xffc8c8c8u;
constexpr uint32_t OLIVE = 0xffcdcd00u;

CFont* TextFont() {
    return g_game->m_fontText.get();
}
CFont* SmallFont() {
    return g_game->m_fontTable.get();
}

void Text(int x, int y, uint32_t colour, const char* text, CFont* font = nullptr) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, font ? font : TextFont(), "%s", text);
}
void Centred(int x, int y, uint32_t colour, const char* text, CFont* font = nullptr) {
    g_system->DrawText(x, y, ALIGN_CENTRE, colour, font ? font : TextFont(), "%s", text);
}
void Number(int x, int y, uint32_t colour, int value) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, TextFont(), "%d", value);
}
void Rule(int y, uint32_t colour) {
    g_system->FillRect(213, y, 1009, y + 2, colour);
}

uint32_t SideColour(int sideId) {
    return HumanSide(sideId) ? TEXT_YELLOW : TEXT_WHITE;
}

void DrawHeader(const CS& cs, const Competition* c) {
    CFont* title = g_game->m_fontTitle.get();
    if (!c) {
        Centred(512, 15, TEXT_WHITE, "Competition", title);
        return;
    }
    const InternationalTournament* t = cs.ShownTournament();
    char text[96];
    if (t) {
        std::snprintf(text, sizeof text, "%s %d", c->m_name, t->m_year);
        Centred(512, 15, TEXT_WHITE, text, title);
        std::snprintf(text, sizeof text, "In %s", SideName(t->m_host));
        Centred(512, 50, TEXT_WHITE, text);
        return;
    }
    Centred(512, 15, TEXT_WHITE, c->m_name, title);
    if (c->m_id == COMP_TEST_CHAMPIONSHIP || c->m_id == COMP_ODI_CHAMPIONSHIP || c->m_season < 0) return;
    std::snprintf(text, sizeof text, "%s season", SeasonLabel(c->m_season).c_str());
    Centred(512, 50, TEXT_WHITE, text);
}

struct Column {
    int x;
    const char* heading;
};

void Headings(const Column* cols, size_t count, int y) {
    for (size_t i = 0; i < count; ++i) Text(cols[i].x, y, TEXT_ORANGE, cols[i].heading);
}

void DrawLeague(const Competition& c) {
    const bool firstClass = c.m_format == FORMAT_FIRST_CLASS;
    constexpr int XS[] = {226, 300, 530, 590, 650, 710, 770, 830, 890, 950};
    static const char* const FIRST_CLASS[] = {"Pos", "Team", "P", "W", "D", "T", "L", "Bat", "Bowl", "Pts"};
    static const char* const LIMITED[] = {"Pos", "Team", "P", "W", "L", "NR", "T", "Bon", "Pts", "NRR"};
    for (size_t i = 0; i < std::size(XS); ++i)
        Text(XS[i], 166, TEXT_ORANGE, (firstClass ? FIRST_CLASS : LIMITED)[i]);
    const int n = static_cast<int>(c.mv_standings.size());
    for (int i = 0; i < n; ++i) {
        const StandingsRow& r = c.mv_standings[static_cast<size_t>(i)];
        const int y = 197 + 40 * i;
        Number(226, y, TEXT_WHITE, i + 1);
        Text(300, y, SideColour(r.m_team), SideName(r.m_team));
        Number(530, y, TEXT_WHITE, r.Played());
        Number(590, y, TEXT_WHITE, r.m_won);
        if (firstClass) {
            const int figures[] = {r.m_drawn, r.m_tied, r.m_lost, r.m_bonus1, r.m_bonus2};
            for (size_t k = 0; k < std::size(figures); ++k) Number(XS[4 + k], y, TEXT_WHITE, figures[k]);
            Number(950, y, TEXT_YELLOW, r.m_points);
            continue;
        }
        const int figures[] = {r.m_lost, r.m_drawn, r.m_tied, r.m_bonus1 + r.m_bonus2};
        for (size_t k = 0; k < std::size(figures); ++k) Number(XS[4 + k], y, TEXT_WHITE, figures[k]);
        Number(890, y, TEXT_YELLOW, r.m_points);
        char nrr[24];
        std::snprintf(nrr, sizeof nrr, "%1.3f", r.m_netRunRate);
        Text(950, y, TEXT_WHITE, nrr);
    }
    if (c.m_promotion > 0) Rule(188 + 40 * c.m_promotion, GREEN_LINE);
    if (c.m_relegation > 0 && c.m_relegation <= n) Rule(188 + 40 * (n - c.m_relegation), RED_LINE);
}

void DrawTie(const CS& cs, int home, int away, int y) {
    Text(230, y, SideColour(home), home > 0 ? SideName(home) : "-");
    Text(630, y, SideColour(away), away > 0 ? SideName(away) : "-");
    const FixtureListEntry* row = cs.TieRow(home, away);
    if (!row) return;
    Text(430, y, TEXT_WHITE, ResultVerb(*row).c_str(), SmallFont());
    Text(880, y, OLIVE, GroundPlace(*row).c_str());
    Text(880, y + 20, OLIVE, DateText(*row).c_str());
    const std::string result = ResultRuleText(*row);
    if (result.size() > 3) Text(230, y + 20, TEXT_YELLOW, result.c_str());
}

void DrawKnockout(const CS& cs, const Competition& c) {
    const KnockoutLayout k = LayOutKnockout(c);
    static const char* const ROUNDS[] = {"Quarter Finals", "Semi Finals", "Final"};
    bool any = false;
    for (int round = 0; round < 3; ++round) {
        if (k.m_headingY[round] == 0) continue;
        any = true;
        Text(230, k.m_headingY[round], TEXT_ORANGE, ROUNDS[round]);
    }
    if (!any) {
        Text(230, 200, TEXT_WHITE, "Knockout stage hasn't yet been reached for this competition");
        return;
    }
    for (int i = 0; i < KNOCKOUT_TIES; ++i)
        if (k.m_tieY[i] > 0) DrawTie(cs, c.m_knockout[2 * i], c.m_knockout[2 * i + 1], k.m_tieY[i]);
}

void DrawRankings(const Competition& c) {
    Centred(512, 50, TEXT_WHITE, "Rankings");
    Rule(188, TEXT_WHITE);
    Text(320, 166, TEXT_ORANGE, "Team");
    Text(600, 166, TEXT_ORANGE, "Matches");
    Text(700, 166, TEXT_ORANGE, "Points");
    Text(800, 166, TEXT_YELLOW, "Rating");
    const bool tests = c.m_id == COMP_TEST_CHAMPIONSHIP;
    for (size_t i = 0; i < c.mv_standings.size(); ++i) {
        const StandingsRow& r = c.mv_standings[i];
        const int y = 197 + 40 * static_cast<int>(i);
        const int matches = tests ? r.m_testCount : r.m_odiCount;
        const int points = tests ? r.m_testPoints : r.m_odiPoints;
        Text(320, y, SideColour(r.m_team), SideName(r.m_team));
        Number(600, y, TEXT_WHITE, matches);
        Number(700, y, TEXT_WHITE, points);
        Number(800, y, TEXT_YELLOW, matches > 0 ? points / matches : 0);
    }
    if (!tests) return;
    Text(230, 600, TEXT_ORANGE, "Explanation");
    static const char* const LINES[] = {
        "A rating for each team is obtained by dividing their total points by their match total.",
        "The number of points earned by a team for any given Test or series depends on two factors: the "
        "result and the rating of the opponent.",
        "A team that wins as often as it loses while playing a mixture of oppositions will typically have a "
        "rating close to 100."};
    // One box for the three sentences: the second wraps onto a line of its own.
    g_system->DrawTextInRect(230, 620, 1009, 695, ALIGN_LEFT, TEXT_WHITE, SmallFont(), "%s\n%s\n%s", LINES[0],
                             LINES[1], LINES[2]);
}

void DrawTournamentRows(const std::vector<StandingsRow>& rows, int step, const char* nrrFormat) {
    constexpr Column COLS[] = {{230, "Pos"}, {280, "Team"}, {480, "P"},   {530, "W"},   {580, "L"},
                               {630, "NR"},  {680, "T"},    {730, "Bon"}, {780, "Pts"}, {830, "NRR"}};
    Headings(COLS, std::size(COLS), 190);
    Rule(208, TEXT_WHITE);
    for (size_t i = 0; i < rows.size(); ++i) {
        const StandingsRow& r = rows[i];
        const int y = 210 + step * static_cast<int>(i);
        Number(230, y, TEXT_WHITE, static_cast<int>(i) + 1);
        Text(280, y, SideColour(r.m_team), SideName(r.m_team));
        const int figures[] = {r.Played(), r.m_won, r.m_lost, r.m_drawn, r.m_tied, r.m_bonus1 + r.m_bonus2};
        for (size_t k = 0; k < std::size(figures); ++k) Number(COLS[2 + k].x, y, TEXT_WHITE, figures[k]);
        Number(780, y, TEXT_YELLOW, r.m_points);
        char nrr[24];
        std::snprintf(nrr, sizeof nrr, nrrFormat, r.m_netRunRate);
        Text(830, y, TEXT_WHITE, nrr);
    }
}

void DrawTournament(const CS& cs, const InternationalTournament& t) {
    if (cs.m_stage == SHOWN_KNOCKOUT) {
        Text(230, 170, TEXT_YELLOW, "Knockout Stage");
        constexpr int YS[] = {210, 230, 270};
        for (int i = 0; i < 3; ++i) {
            const int home = t.m_knockout[2 * i];
            const int away = t.m_knockout[2 * i + 1];
            Text(230, YS[i], SideColour(home), home > 0 ? SideName(home) : "-");
            Text(400, YS[i], TEXT_WHITE, "vs");
            Text(500, YS[i], SideColour(away), away > 0 ? SideName(away) : "-");
        }
        if (t.m_winner > 0) {
            char text[96];
            std::snprintf(text, sizeof text, "Winner: %s", SideName(t.m_winner));
            Text(230, 530, TEXT_YELLOW, text);
        }
        return;
    }
    const bool groups = cs.m_stage == SHOWN_GROUPS;
    Text(230, 170, TEXT_YELLOW, groups ? "Group Stage" : "Super Eight Stage");
    const std::vector<StandingsRow>* rows = cs.ShownTournamentRows();
    static const std::vector<StandingsRow> NONE;
    DrawTournamentRows(rows ? *rows : NONE, groups ? 25 : 40, groups ? "%1.2f" : "%1.3f");
}

void DrawStandings(const CS& cs, const Competition& c) {
    if (c.m_id == COMP_TEST_CHAMPIONSHIP || c.m_id == COMP_ODI_CHAMPIONSHIP) {
        DrawRankings(c);
        return;
    }
    if (c.m_id >= COMP_FIRST_TOURNAMENT && c.m_id <= COMP_LAST_TOURNAMENT) {
        if (const InternationalTournament* t = cs.ShownTournament())
            DrawTournament(cs, *t);
        else
            Text(230, 200, TEXT_YELLOW, "This tournament has no standings");
        return;
    }
    if (c.m_status == COMP_NOT_RUNNING) {
        // Above last season's table, which is still drawn.
        Text(230, 136, TEXT_YELLOW, "There are currently no results or standings for this competition");
    }
    if (c.m_kind == COMP_KNOCKOUT)
        DrawKnockout(cs, c);
    else if (c.m_kind == COMP_LEAGUE)
        DrawLeague(c);
}

void DrawFixtures(const CS& cs) {
    Text(230, 165, TEXT_ORANGE, "Date");
    Text(370, 165, TEXT_ORANGE, "Teams");
    Text(680, 165, TEXT_ORANGE, "Venue / Result");
    const auto& rows = cs.mv_fixtures;
    if (rows.empty()) {
        Text(230, 190, TEXT_YELLOW, "No fixtures available");
        return;
    }
    const bool clubs = cs.CompetitionId() < COMP_TEST_CHAMPIONSHIP;
    const int first = cs.ScrollPosition();
    for (int k = 0; k < COMP_LIST_ROWS; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (i >= rows.size()) break;
        const FixtureListEntry& row = rows[i];
        const bool played = row.m_kind != ROW_SCHEDULED;
        uint32_t colour = TEXT_WHITE;
        if (played)
            colour = PLAYED_GREY;
        else if ((clubs || cs.CompetitionId() >= COMP_FIRST_TOURNAMENT) &&
                 (HumanSide(row.m_home) || HumanSide(row.m_away)))
            colour = TEXT_YELLOW;
        const int y = 190 + 20 * k;
        Text(230, y, colour, DateText(row).c_str(), SmallFont());
        Text(370, y, colour, MatchTitle(row).c_str(), SmallFont());
        Text(680, y, colour, played ? ResultRuleText(row).c_str() : GroundText(row).c_str(), SmallFont());
    }
}

// "April 2007": the start of a tour's series.
void StartText(char* out, size_t size, const TourSeries* s) {
    if (s && s->m_startMonth >= 1 && s->m_startMonth <= 12)
        std::snprintf(out, size, "%s %d", MonthName(s->m_startMonth), s->m_startYear);
    else
        std::snprintf(out, size, "-");
}

void DrawFutureSeries(const CS& cs) {
    char text[160];
    std::snprintf(text, sizeof text, "Tours in %s", SeasonLabel(cs.m_seriesSeason).c_str());
    Centred(512, 50, TEXT_WHITE, text);
    Text(230, 166, TEXT_ORANGE, "Date");
    Text(380, 166, TEXT_ORANGE, "Tour details");
    const std::vector<int32_t>& ids = cs.ShownFutureTours();
    if (ids.empty()) {
        Text(380, 190, TEXT_WHITE, "No fixtures to show");
        return;
    }
    const int first = cs.ScrollPosition();
    for (int k = 0; k < COMP_LIST_ROWS; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (i >= ids.size()) break;
        const Tour* t = TourById(ids[i]);
        if (!t) continue;
        const Tour& tour = *t;
        const int y = 190 + 20 * k;
        StartText(text, sizeof text, TourSeriesById(tour.m_series));
        Text(230, y, TEXT_YELLOW, text);
        std::snprintf(text, sizeof text, "%s host %s", SideName(tour.m_host), SideName(tour.m_visitor));
        if (tour.m_kind == TOUR_TRIANGULAR) {
            const size_t n = std::strlen(text);
            std::snprintf(text + n, sizeof text - n, " and %s", SideName(tour.m_third));
        }
        Text(380, y, TEXT_WHITE, text);
    }
}

void DrawPastSeries(const CS& cs) {
    Rule(188, TEXT_WHITE);
    Text(230, 166, TEXT_ORANGE, "Date");
    Text(380, 166, TEXT_ORANGE, "Tour details");
    Text(700, 166, TEXT_ORANGE, "Series result");
    const std::vector<int32_t>& ids = cs.ShownPastSeries();
    if (ids.empty()) {
        Text(230, 190, TEXT_WHITE, "No results to show");
        return;
    }
    const bool tests = cs.CompetitionId() == COMP_TEST_CHAMPIONSHIP;
    const bool triangular = &ids == &cs.mv_triangular;
    const uint32_t colour = tests ? TEXT_YELLOW : TEXT_WHITE;
    CFont* resultFont = tests ? TextFont() : SmallFont();
    const int first = cs.ScrollPosition();
    char text[160];
    for (int k = 0; k < COMP_LIST_ROWS; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (i >= ids.size()) break;
        const int y = 190 + 20 * k;
        if (triangular) {
            const Series* s = SeriesById(ids[i]);
            if (!s) continue;
            StartText(text, sizeof text, TourSeriesById(s->m_id));
            Text(230, y, colour, text);
            const auto country = [&](size_t n) {
                return n < s->mv_countries.size() ? SideShortName(s->mv_countries[n]) : "-";
            };
            std::snprintf(text, sizeof text, "%s v %s v %s", country(0), country(1), country(2));
            Text(380, y, TEXT_WHITE, text);
            Text(700, y, colour, TournamentStatusText(*s).c_str(), resultFont);
            continue;
        }
        const TourSeries* s = TourSeriesById(ids[i]);
        if (!s) continue;
        StartText(text, sizeof text, s);
        Text(230, y, colour, text);
        std::snprintf(text, sizeof text, "%s hosted %s", SideName(s->m_home), SideName(s->m_away));
        Text(380, y, TEXT_WHITE, text);
        Text(700, y, colour, SeriesStatusText(*s).c_str(), resultFont);
    }
}

}  // namespace

void CCompetitionScreen::Render() {
    g_game->m_background.Draw(0, 0);
    DrawScreenFrame(false);
    const Competition* c = ShownCompetition();
    DrawHeader(*this, c);
    if (!c) {
        Text(230, 200, TEXT_YELLOW, "No record of this competition is held");
    } else {
        switch (Page()) {
            case COMP_PAGE_STANDINGS:
                DrawStandings(*this, *c);
                break;
            case COMP_PAGE_FIXTURES:
                DrawFixtures(*this);
                break;
            case COMP_PAGE_FUTURE_SERIES:
                DrawFutureSeries(*this);
                break;
            case COMP_PAGE_PAST_SERIES:
                DrawPastSeries(*this);
                break;
            case COMP_PAGE_PLAYER_STATS:
            case COMP_PAGE_TEAM_STATS:
                DrawCompetitionStatsPage(*this);
                break;
            case COMP_PAGE_HISTORY:
                DrawCompetitionHistoryPage(*this);
                break;
            case COMP_PAGE_RULES:
                DrawCompetitionRulesPage(*this);
                break;
            default:
                break;
        }
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
