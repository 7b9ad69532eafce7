#include "screens/menus/CompetitionScreen.h"

#include <algorithm>
#include <cstdio>

#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Standings.h"
#include "season/Tournaments.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/ScrollBar.h"
#include "world/GameDate.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using CS = CCompetitionScreen;

int32_t CS::s_competitionId = 0;
int32_t CS::s_page = COMP_PAGE_STANDINGS;
int32_t CS::s_lastCompetitionId = 0;
int32_t CS::s_season = 0;
int32_t CS::s_seriesSeason = 0;
int32_t CS::s_playerList = PLAYER_LIST_TOP_SCORES;
int32_t CS::s_teamList = STREAK_WON;
int32_t CS::s_teamFilter = -1;
int32_t CS::s_seriesKind = SERIES_STANDARD;
int32_t CS::s_stage = SHOWN_GROUPS;
int32_t CS::s_group = 0;
std::vector<FixtureListEntry> CS::sv_fixtures;
std::vector<StatsRow> CS::sv_stats;
std::vector<TeamInningsRow> CS::sv_innings;
std::vector<StandingsRow> CS::sv_streaks;
StatsFilter CS::s_filter;
std::vector<int32_t> CS::sv_series;
std::vector<int32_t> CS::sv_futureTours;
std::vector<int32_t> CS::sv_futureTriangular;
std::vector<int32_t> CS::sv_triangular;
std::vector<int32_t> CS::sv_recordSides;
CButton* CS::s_tabs[CS::TABS] = {};
CButton* CS::s_btnPrevious = nullptr;
CButton* CS::s_btnNext = nullptr;
CButton* CS::s_btnCurrent = nullptr;
CHotSpot* CS::s_rows[COMP_ROW_SPOTS] = {};
CComboBox* CS::s_comboRecords = nullptr;
CComboBox* CS::s_comboTeamStats = nullptr;
CComboBox* CS::s_comboSeriesKind = nullptr;
CComboBox* CS::s_comboStage = nullptr;
CComboBox* CS::s_comboSeason = nullptr;
CScrollBar* CS::s_scroll = nullptr;

namespace {

ScreenControls s_controls;

constexpr int TAB_Y = 106;
constexpr int TOURNAMENT_TAB_WIDTH = 150;
constexpr int CHAMPIONSHIP_TAB_WIDTH = 250;
constexpr int LEAGUE_ROW_TOP = 190;
constexpr int LEAGUE_ROW_STEP = 40;
constexpr int GROUP_ROW_TOP = 210;
constexpr int GROUP_ROW_STEP = 25;
constexpr int LIST_TOP = 190;
constexpr int STATS_TOP = 220;
constexpr int STAGE_SUPER_EIGHT_ITEM = 2;
constexpr int STAGE_KNOCKOUT_ITEM = 3;

struct TabDef {
    int x, width;
    const char* caption;
    const char* tooltip;
};
constexpr TabDef TAB_DEFS[CS::TABS] = {
    {223, 127, "Standings", "View current standings"},
    {353, 127, "Fixtures", nullptr},
    {430, 110, "Results", nullptr},
    {483, 127, "Player Stats", "View player stats"},
    {613, 127, "Team Stats", "View team stats"},
    {743, 127, "History", "View competition history"},
    {873, 127, "Rules", "View overview of competition's rules"},
};

struct ItemDef {
    const char* text;
    int value;
};
constexpr ItemDef RECORD_ITEMS[] = {
    {"Highest Batting Score", 1},         {"Best Bowling", 2},
    {"Most fours in an innings", 3},      {"Most sixes in an innings", 4},
    {"Most boundaries in an innings", 5}, {"Overall Batting averages", 7},
    {"Overall Bowling averages", 8},
};
constexpr ItemDef STREAK_ITEMS[] = {
    {"Games won in a row", 1},
    {"Games lost in a row", 2},
    {"Games without winning", 3},
    {"Games without losing", 4},
};
constexpr ItemDef TEAM_RECORD_ITEMS[] = {{"Highest team totals", 5}, {"Lowest team totals", 6}};

bool IsChampionship(int id) {
    return id == COMP_TEST_CHAMPIONSHIP || id == COMP_ODI_CHAMPIONSHIP;
}

bool IsTournament(int id) {
    return id >= COMP_FIRST_TOURNAMENT && id <= COMP_LAST_TOURNAMENT;
}

int CurrentSeason() {
    return g_cricket.m_date.m_season;
}

int LastSeason() {
    return g_world.mv_seasons.empty() ? CurrentSeason() : g_world.mv_seasons.back().m_season;
}

int ScrollPosition() {
    return CS::s_scroll ? CS::s_scroll->m_position : 0;
}

void Place(CControl* c, int x, int y, int width, int height) {
    c->SetRect(x, y, width, height);
}

void ShowControl(CControl* c, bool shown) {
    c->mb_visible = shown ? 1 : 0;
}

void AddItems(CComboBox* combo, const ItemDef* items, size_t count) {
    for (size_t i = 0; i < count; ++i) combo->AddListItem(items[i].text, items[i].value);
}

CComboBox* MakeCombo(int x, int y, const char* caption) {
    CComboBox* combo = s_controls.Make<CComboBox>(x, y, 400, 25, caption);
    combo->m_collapsedHeight = 25;
    return combo;
}

// The chosen item of a drop-down that reports a choice; -1 otherwise.
int TakeChoice(CComboBox* combo) {
    if (!combo || combo->m_comboState != COMBO_CHOSEN) return -1;
    const int value = combo->GetSelectedValue();
    const int index = combo->m_selected;
    if (index >= 0 && index < combo->ItemCount()) combo->SetCaption(combo->mv_items[index].m_text);
    combo->Collapse();
    return value;
}

void MakeRecordsCombo(const Competition* c, const InternationalTournament* t) {
    CS::s_comboRecords = MakeCombo(600, 150, "Highest Batting Score");
    AddItems(CS::s_comboRecords, RECORD_ITEMS, std::size(RECORD_ITEMS));
    CS::sv_recordSides.clear();
    if (c && c->m_id < COMP_TEST_CHAMPIONSHIP) {
        for (int32_t side : c->mv_teams)
            if (side > 0) CS::sv_recordSides.push_back(side);
    } else if (t) {
        CS::sv_recordSides = TournamentSides(*t);
    }
    char text[96];
    int value = COMP_SIDE_ITEMS;
    for (int32_t side : CS::sv_recordSides) {
        std::snprintf(text, sizeof text, "%s Batting", SideName(side));
        CS::s_comboRecords->AddListItem(text, value++);
        std::snprintf(text, sizeof text, "%s Bowling", SideName(side));
        CS::s_comboRecords->AddListItem(text, value++);
    }
}

void MakeTeamStatsCombo() {
    const bool international = CS::s_competitionId >= COMP_TEST_CHAMPIONSHIP;
    CS::s_comboTeamStats = MakeCombo(600, 150, international ? "Highest team totals" : "Games won in a row");
    if (!international) AddItems(CS::s_comboTeamStats, STREAK_ITEMS, std::size(STREAK_ITEMS));
    AddItems(CS::s_comboTeamStats, TEAM_RECORD_ITEMS, std::size(TEAM_RECORD_ITEMS));
}

void MakeStageCombo(InternationalTournament* t) {
    CS::s_comboStage = MakeCombo(600, 160, "Stage");
    CS::s_group = 0;
    char text[32];
    const int groups = t ? static_cast<int>(t->mv_groups.size()) : 0;
    for (int n = 1; n <= groups; ++n) {
        std::snprintf(text, sizeof text, "Group %d", n);
        CS::s_comboStage->AddListItem(text, COMP_SIDE_ITEMS + n - 1);
    }
    if (!t) {
        ShowRow(CS::s_comboStage, false);
        return;
    }
    if (t->m_stage > TSTAGE_GROUPS && t->m_superEight)
        CS::s_comboStage->AddListItem("Super Eight", STAGE_SUPER_EIGHT_ITEM);
    if (t->m_stage > TSTAGE_SUPER_EIGHT) CS::s_comboStage->AddListItem("Knockout", STAGE_KNOCKOUT_ITEM);
    SortGroupStandings(*t);
    if (t->m_stage <= TSTAGE_GROUPS) {
        CS::s_stage = SHOWN_GROUPS;
        CS::s_comboStage->SetCaption(groups > 0 ? CS::s_comboStage->mv_items[0].m_text : "Stage");
    } else if (t->m_stage == TSTAGE_SUPER_EIGHT) {
        CS::s_stage = SHOWN_SUPER_EIGHT;
        CS::s_comboStage->SetCaption("Super Eight");
    } else {
        CS::s_stage = SHOWN_KNOCKOUT;
        CS::s_comboStage->SetCaption("Knockout");
    }
}

void MakeTabs() {
    for (int i = 0; i < CS::TABS; ++i) {
        const TabDef& d = TAB_DEFS[i];
        CS::s_tabs[i] = s_controls.Make<CButton>(d.x, TAB_Y, d.width, 20, d.caption, d.tooltip);
        CS::s_tabs[i]->m_style = 1;
    }
    ShowRow(CS::s_tabs[CS::TAB_RESULTS], false);
    const int id = CS::s_competitionId;
    if (id >= COMP_FIRST_TOURNAMENT) {
        ShowRow(CS::s_tabs[CS::TAB_RULES], false);
        constexpr int XS[] = {223, 379, 535, 691, 847};
        constexpr CS::Tab SHOWN[] = {CS::TAB_STANDINGS, CS::TAB_FIXTURES, CS::TAB_PLAYER_STATS,
                                     CS::TAB_TEAM_STATS, CS::TAB_HISTORY};
        for (size_t k = 0; k < std::size(SHOWN); ++k)
            Place(CS::s_tabs[SHOWN[k]], XS[k], TAB_Y, TOURNAMENT_TAB_WIDTH, 20);
    }
    if (IsChampionship(id)) {
        CS::s_tabs[CS::TAB_STANDINGS]->SetCaption("Rankings");
        CS::s_tabs[CS::TAB_FIXTURES]->SetCaption("Future Series");
        CS::s_tabs[CS::TAB_RESULTS]->SetCaption("Current/Past Series");
        for (CS::Tab tab : {CS::TAB_PLAYER_STATS, CS::TAB_TEAM_STATS, CS::TAB_HISTORY, CS::TAB_RULES})
            ShowRow(CS::s_tabs[tab], false);
        Place(CS::s_tabs[CS::TAB_STANDINGS], 210, 105, CHAMPIONSHIP_TAB_WIDTH, 20);
        Place(CS::s_tabs[CS::TAB_RESULTS], 470, 105, CHAMPIONSHIP_TAB_WIDTH, 20);
        Place(CS::s_tabs[CS::TAB_FIXTURES], 730, 105, CHAMPIONSHIP_TAB_WIDTH, 20);
        ShowRow(CS::s_tabs[CS::TAB_RESULTS], true);
    }
}

void SetPage(int page) {
    CS::s_page = page;
    CS::Layout();
}

// Hot spots for the first `count` rows of a column from `top`, `step` apart.
void ShowRowSpots(int count, int left, int top, int step, int width) {
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
        if (i >= count) continue;
        Place(CS::s_rows[i], left, top + step * i, width, step - 1);
        ShowRow(CS::s_rows[i], true);
    }
}

void LayOutStandings() {
    const Competition* c = ShownCompetition();
    if (!c) return;
    if (IsTournament(c->m_id)) {
        const std::vector<StandingsRow>* rows = ShownTournamentRows();
        if (!rows) return;
        const int step = CS::s_stage == SHOWN_GROUPS ? GROUP_ROW_STEP : LEAGUE_ROW_STEP;
        ShowRowSpots(static_cast<int>(rows->size()), 213, GROUP_ROW_TOP, step, 796);
        return;
    }
    if (c->m_status != COMP_RUNNING) return;
    if (c->m_kind == COMP_KNOCKOUT && !IsChampionship(c->m_id)) {
        const KnockoutLayout k = LayOutKnockout(*c);
        for (int i = 0; i < KNOCKOUT_TIES; ++i) {
            if (k.m_tieY[i] == 0 || c->m_knockout[2 * i] <= 0 || c->m_knockout[2 * i + 1] <= 0) continue;
            Place(CS::s_rows[i], 213, k.m_tieY[i], 796, 39);
            ShowRow(CS::s_rows[i], true);
        }
        return;
    }
    ShowRowSpots(static_cast<int>(c->mv_standings.size()), 213, LEAGUE_ROW_TOP, LEAGUE_ROW_STEP, 796);
}

void OpenMatchRow(const FixtureListEntry& row) {
    if (row.m_kind == ROW_COMPLETED || row.m_kind == ROW_IN_PROGRESS) OpenScorecardOfMatch(row.m_match);
}

// A clicked row of the standings page; true when the tick ends.
bool UpdateStandings() {
    Competition* c = ShownCompetition();
    for (int i = 0; c && i < COMP_ROW_SPOTS; ++i) {
        if (!TakeClick(CS::s_rows[i])) continue;
        if (IsTournament(c->m_id)) {
            const std::vector<StandingsRow>* rows = ShownTournamentRows();
            if (rows && static_cast<size_t>(i) < rows->size()) OpenSide((*rows)[i].m_team);
        } else if (c->m_kind == COMP_KNOCKOUT && !IsChampionship(c->m_id)) {
            if (i >= KNOCKOUT_TIES) continue;
            const FixtureListEntry* row = TieRow(c->m_knockout[2 * i], c->m_knockout[2 * i + 1]);
            if (row) OpenMatchRow(*row);
        } else if (static_cast<size_t>(i) < c->mv_standings.size()) {
            OpenSide(c->mv_standings[i].m_team);
        }
        return true;
    }
    const int v = TakeChoice(CS::s_comboStage);
    if (v < 0) return false;
    if (v == STAGE_SUPER_EIGHT_ITEM) {
        CS::s_stage = SHOWN_SUPER_EIGHT;
    } else if (v == STAGE_KNOCKOUT_ITEM) {
        CS::s_stage = SHOWN_KNOCKOUT;
    } else if (v >= COMP_SIDE_ITEMS) {
        CS::s_stage = SHOWN_GROUPS;
        CS::s_group = v - COMP_SIDE_ITEMS;
    }
    CS::Layout();
    return false;
}

void RebuildSeriesSeason(int season) {
    CS::s_seriesSeason = std::clamp(season, CurrentSeason(), std::max(CurrentSeason(), LastSeason()));
    CS::BuildCompetitionSeriesLists();
    CS::Layout();
}

// The season buttons of the Future Series page; true when one acted.
bool UpdateSeriesSeason() {
    if (TakeClick(CS::s_btnCurrent)) {
        RebuildSeriesSeason(CurrentSeason());
        return true;
    }
    if (TakeClick(CS::s_btnNext)) {
        RebuildSeriesSeason(CS::s_seriesSeason + 1);
        return true;
    }
    if (TakeClick(CS::s_btnPrevious)) {
        RebuildSeriesSeason(CS::s_seriesSeason - 1);
        return true;
    }
    return false;
}

void UpdatePastSeries() {
    const std::vector<int32_t>& ids = ShownPastSeries();
    const bool triangular =
        CS::s_competitionId == COMP_ODI_CHAMPIONSHIP && CS::s_seriesKind == SERIES_TRIANGULAR;
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
        if (!TakeClick(CS::s_rows[i])) continue;
        const size_t k = static_cast<size_t>(ScrollPosition() + i);
        if (k >= ids.size()) return;
        if (triangular) {
            OpenSeriesOverview(ids[k], true);
            return;
        }
        const TourSeries* s = TourSeriesById(ids[k]);
        if (s && s->m_competition != COMP_TOUR_THREE_DAY) OpenSeriesOverview(ids[k], false);
        return;
    }
}

void UpdateTabs() {
    const int id = CS::s_competitionId;
    if (TakeClick(CS::s_tabs[CS::TAB_STANDINGS])) {
        if (Competition* c = ShownCompetition()) SortStandings(*c);
        SetPage(COMP_PAGE_STANDINGS);
    } else if (TakeClick(CS::s_tabs[CS::TAB_FIXTURES])) {
        if (IsChampionship(id)) {
            CS::s_seriesSeason = CurrentSeason();
            CS::BuildCompetitionSeriesLists();
            SetPage(COMP_PAGE_FUTURE_SERIES);
        } else {
            SetPage(COMP_PAGE_FIXTURES);
        }
    } else if (TakeClick(CS::s_tabs[CS::TAB_RESULTS])) {
        SetPage(COMP_PAGE_PAST_SERIES);
    } else if (TakeClick(CS::s_tabs[CS::TAB_PLAYER_STATS])) {
        CS::s_page = COMP_PAGE_PLAYER_STATS;
        CS::s_playerList = PLAYER_LIST_TOP_SCORES;
        CS::s_comboRecords->SetCaption(RECORD_ITEMS[0].text);
        CS::BuildCompetitionStatsLists();
        CS::Layout();
    } else if (TakeClick(CS::s_tabs[CS::TAB_TEAM_STATS])) {
        CS::s_page = COMP_PAGE_TEAM_STATS;
        CS::s_teamList = id < COMP_TEST_CHAMPIONSHIP ? static_cast<int>(STREAK_WON) : TEAM_LIST_HIGHEST;
        CS::s_comboTeamStats->SetCaption(id < COMP_TEST_CHAMPIONSHIP ? STREAK_ITEMS[0].text
                                                                     : TEAM_RECORD_ITEMS[0].text);
        CS::BuildCompetitionStatsLists();
        CS::Layout();
    } else if (TakeClick(CS::s_tabs[CS::TAB_HISTORY])) {
        SetPage(COMP_PAGE_HISTORY);
    } else if (TakeClick(CS::s_tabs[CS::TAB_RULES])) {
        SetPage(COMP_PAGE_RULES);
    }
}

void UpdatePlayerStats() {
    const int v = TakeChoice(CS::s_comboRecords);
    if (v >= 1 && v <= 5) {
        const int list = PLAYER_LIST_TOP_SCORES + v - 1;
        if (list != CS::s_playerList) {
            CS::s_playerList = list;
            CS::BuildCompetitionStatsLists();
        }
    } else if (v == 7 || v == 8) {
        CS::s_playerList = v == 7 ? PLAYER_LIST_BATTING : PLAYER_LIST_BOWLING;
        CS::s_teamFilter = -1;
        CS::BuildCompetitionStatsLists();
    } else if (v >= COMP_SIDE_ITEMS) {
        const size_t side = static_cast<size_t>(v - COMP_SIDE_ITEMS) / 2;
        CS::s_playerList = (v - COMP_SIDE_ITEMS) % 2 == 0 ? PLAYER_LIST_BATTING : PLAYER_LIST_BOWLING;
        CS::s_teamFilter = side < CS::sv_recordSides.size() ? CS::sv_recordSides[side] : -1;
        CS::BuildCompetitionStatsLists();
    }
    if (v >= 0) CS::Layout();
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
        if (!TakeClick(CS::s_rows[i])) continue;
        const size_t k = static_cast<size_t>(ScrollPosition() + i);
        if (k >= CS::sv_stats.size()) return;
        return OpenPlayerDetails(CS::sv_stats[k].m_player);
    }
}

void UpdateTeamStats() {
    const int v = TakeChoice(CS::s_comboTeamStats);
    if (v < 1 || v > 6) return;
    const int list = STREAK_WON + v - 1;
    if (list == CS::s_teamList) return;
    CS::s_teamList = list;
    CS::BuildCompetitionStatsLists();
}

void UpdateSeriesKind() {
    const int v = TakeChoice(CS::s_comboSeriesKind);
    if (v != SERIES_STANDARD && v != SERIES_TRIANGULAR) return;
    CS::s_seriesKind = v;
    CS::Layout();
}

}  // namespace

Competition* ShownCompetition() {
    return CompetitionById(CS::s_competitionId);
}

InternationalTournament* ShownTournament() {
    if (!IsTournament(CS::s_competitionId)) return nullptr;
    InternationalTournament* t = TournamentForCompetition(CS::s_competitionId);
    return t && t->m_competition == CS::s_competitionId ? t : nullptr;
}

const std::vector<StandingsRow>* ShownTournamentRows() {
    const InternationalTournament* t = ShownTournament();
    if (!t) return nullptr;
    if (CS::s_stage == SHOWN_SUPER_EIGHT) return &t->mv_superEight;
    if (CS::s_stage != SHOWN_GROUPS || CS::s_group < 0 ||
        static_cast<size_t>(CS::s_group) >= t->mv_groups.size())
        return nullptr;
    return &t->mv_groups[static_cast<size_t>(CS::s_group)];
}

const std::vector<int32_t>& ShownPastSeries() {
    const bool triangular =
        CS::s_competitionId == COMP_ODI_CHAMPIONSHIP && CS::s_seriesKind == SERIES_TRIANGULAR;
    return triangular ? CS::sv_triangular : CS::sv_series;
}

const std::vector<int32_t>& ShownFutureTours() {
    const bool triangular =
        CS::s_competitionId == COMP_ODI_CHAMPIONSHIP && CS::s_seriesKind == SERIES_TRIANGULAR;
    return triangular ? CS::sv_futureTriangular : CS::sv_futureTours;
}

const FixtureListEntry* TieRow(int home, int away) {
    if (home <= 0 || away <= 0) return nullptr;
    const FixtureListEntry* found = nullptr;
    for (const FixtureListEntry& row : CS::sv_fixtures)
        if ((row.m_home == home && row.m_away == away) || (row.m_home == away && row.m_away == home))
            found = &row;
    return found;
}

std::vector<int32_t> TournamentSides(const InternationalTournament& tournament) {
    std::vector<int32_t> sides;
    for (const auto& group : tournament.mv_groups)
        for (const StandingsRow& row : group) sides.push_back(row.m_team);
    return sides;
}

bool HumanSide(int sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* t = TeamById(sideId);
        return t && t->m_human;
    }
    const Country* c = CountryById(sideId);
    return sideId > 0 && c && c->m_human;
}

KnockoutLayout LayOutKnockout(const Competition& c) {
    KnockoutLayout k;
    constexpr int FIRST_TIE[] = {0, 4, 6, KNOCKOUT_TIES};
    int first = 3;
    for (int round = 2; round >= 0; --round)
        for (int i = FIRST_TIE[round]; i < FIRST_TIE[round + 1]; ++i)
            if (c.m_knockout[2 * i] > 0 || c.m_knockout[2 * i + 1] > 0) first = round;
    int heading = 150;
    for (int round = first; round < 3; ++round) {
        k.m_headingY[round] = heading;
        for (int i = FIRST_TIE[round]; i < FIRST_TIE[round + 1]; ++i)
            k.m_tieY[i] = heading + 20 + 50 * (i - FIRST_TIE[round]);
        // 50 pixels a tie and 30 to the next heading: 130 after the semi-finals.
        heading += 50 * (FIRST_TIE[round + 1] - FIRST_TIE[round]) + 30;
    }
    return k;
}

int CS::PageOnEntry(int page, int competitionId, int lastCompetitionId) {
    if (competitionId != lastCompetitionId) return COMP_PAGE_STANDINGS;
    if (competitionId < COMP_TEST_CHAMPIONSHIP) {
        switch (page) {
            case COMP_PAGE_PLAYER_STATS:
            case COMP_PAGE_TEAM_STATS:
            case COMP_PAGE_RULES:
            case COMP_PAGE_FUTURE_SERIES:
            case COMP_PAGE_PAST_SERIES:
                return COMP_PAGE_STANDINGS;
            default:
                return page;
        }
    }
    if (page == COMP_PAGE_RULES) return COMP_PAGE_STANDINGS;
    if (competitionId <= COMP_TOUR_FOUR_DAY && page == COMP_PAGE_HISTORY) return COMP_PAGE_STANDINGS;
    return page;
}

void CS::FillSeasonSelector() {
    CComboBox* combo = s_comboSeason;
    for (const Season& s : g_world.mv_seasons)
        if (s.m_season >= FIRST_SEASON && s.m_season <= CurrentSeason())
            combo->AddListItem(s.m_label, s.m_season);
    combo->SetCaption(SeasonLabel(combo->GetSelectedValue()).c_str());
}

void CS::BuildCompetitionStatsLists() {
    s_filter.Clear();
    s_filter.AddCompetition(s_competitionId);
    switch (s_playerList) {
        case PLAYER_LIST_BATTING:
        case PLAYER_LIST_BOWLING:
            if (s_teamFilter != -1) s_filter.AddTeam(s_teamFilter);
            BuildPlayerStatsList(s_filter, sv_stats,
                                 s_playerList == PLAYER_LIST_BATTING ? STATS_BATTING : STATS_BOWLING,
                                 COMP_STATS_ROWS);
            break;
        default:
            BuildPlayerStatsList(s_filter, sv_stats, STATS_TOP_SCORES + s_playerList - PLAYER_LIST_TOP_SCORES,
                                 COMP_STATS_ROWS);
            break;
    }
    StatsFilter teams;
    teams.AddCompetition(s_competitionId);
    sv_streaks.clear();
    sv_innings.clear();
    if (s_teamList >= STREAK_WON && s_teamList <= STREAK_UNBEATEN) {
        if (const Competition* c = ShownCompetition()) BuildStreakList(*c, sv_streaks, s_teamList);
    } else {
        BuildTeamInningsList(teams, sv_innings,
                             s_teamList == TEAM_LIST_HIGHEST ? INNINGS_HIGHEST : INNINGS_LOWEST,
                             COMP_STATS_ROWS);
    }
}

void CS::BuildCompetitionSeriesLists() {
    FixtureFilter filter;
    filter.AddCompetition(s_competitionId);
    const InternationalTournament* t = ShownTournament();
    filter.AddSeason(IsTournament(s_competitionId) ? (t ? t->m_season : CurrentSeason()) : s_season);
    BuildFixtureList(filter, sv_fixtures, ORDER_DATE);
    sv_series.clear();
    sv_futureTours.clear();
    sv_futureTriangular.clear();
    sv_triangular.clear();
    if (!IsChampionship(s_competitionId)) return;
    BuildChampionshipSeriesList(s_competitionId, sv_series);
    const bool tests = s_competitionId == COMP_TEST_CHAMPIONSHIP;
    BuildFutureTourList(tests ? TOUR_TESTS : TOUR_ONE_DAY, s_seriesSeason, sv_futureTours);
    if (tests) return;
    BuildFutureTourList(TOUR_TRIANGULAR, s_seriesSeason, sv_futureTriangular);
    BuildTriangularList(sv_triangular);
}

void OpenCompetition(int32_t id) {
    OpenScreen(SCREEN_COMPETITION, {id});
}

void CS::Enter() {
    s_competitionId = g_screenSubjects.m_competitionId;
    Competition* c = ShownCompetition();
    InternationalTournament* t = ShownTournament();
    s_seriesSeason = CurrentSeason();
    s_season = c && c->m_season > 0 ? c->m_season : CurrentSeason();
    s_controls.Begin();
    BuildCompetitionStatsLists();
    s_comboSeason = s_controls.Make<CComboBox>(800, 140, 150, 25);
    FillSeasonSelector();
    s_comboSeason->SetCaption(SeasonLabel(s_season).c_str());
    BuildCompetitionSeriesLists();
    MakeTabs();
    s_btnPrevious = s_controls.Make<CButton>(210, 660, 300, 20, "Previous Season", "View previous season");
    s_btnNext = s_controls.Make<CButton>(510, 660, 300, 20, "Next Season", "View next season");
    s_btnCurrent = s_controls.Make<CButton>(810, 660, 200, 20, "Current Season", "View current season");
    for (CButton* b : {s_btnPrevious, s_btnNext, s_btnCurrent}) {
        b->m_style = 1;
        ShowControl(b, false);
    }
    for (CHotSpot*& row : s_rows) {
        row = s_controls.Add<CHotSpot>(213, LIST_TOP, 771, 19);
        ShowRow(row, false);
    }
    MakeRecordsCombo(c, t);
    MakeTeamStatsCombo();
    s_comboSeriesKind =
        MakeCombo(600, 135, s_seriesKind == SERIES_TRIANGULAR ? "Triangular tournament" : "Standard series");
    s_comboSeriesKind->AddListItem("Standard series", SERIES_STANDARD);
    s_comboSeriesKind->AddListItem("Triangular tournament", SERIES_TRIANGULAR);
    ShowRow(s_comboSeriesKind, false);
    MakeStageCombo(t);
    s_scroll = s_controls.Make<CScrollBar>(990, LIST_TOP, 17, 500);
    s_scroll->mb_horizontal = 0;
    s_scroll->m_position = 0;
    FitScrollBar(*s_scroll, static_cast<int>(sv_fixtures.size()), COMP_LIST_ROWS, true);
    if (IsChampionship(s_competitionId)) ShowControl(s_comboSeason, false);
    for (CButton* tab : s_tabs) s_controls.List(tab);
    for (CButton* b : {s_btnNext, s_btnPrevious, s_btnCurrent}) s_controls.List(b);
    for (CComboBox* combo :
         {s_comboRecords, s_comboTeamStats, s_comboSeriesKind, s_comboStage, s_comboSeason})
        s_controls.List(combo);
    s_controls.List(s_scroll);
    g_game->mb_screenFrame = 1;
    if (c) SortStandings(*c);
    s_page = PageOnEntry(s_page, s_competitionId, s_lastCompetitionId);
    s_lastCompetitionId = s_competitionId;
    Layout();
}

void CS::Layout() {
    ShowRow(s_comboSeriesKind, false);
    ShowRow(s_comboStage, false);
    ShowControl(s_comboSeason, false);
    for (CHotSpot* row : s_rows) ShowRow(row, false);
    Place(s_scroll, 990, LIST_TOP, 17, 500);
    s_scroll->m_position = 0;
    FitScrollBar(*s_scroll, 0, COMP_LIST_ROWS, true);
    for (CButton* b : {s_btnPrevious, s_btnNext, s_btnCurrent}) ShowControl(b, false);
    const int id = s_competitionId;
    ShowControl(s_comboRecords, s_page == COMP_PAGE_PLAYER_STATS);
    ShowControl(s_comboTeamStats, s_page == COMP_PAGE_TEAM_STATS);
    if (IsTournament(id) && ShownTournament() && s_page == COMP_PAGE_STANDINGS) ShowRow(s_comboStage, true);
    switch (s_page) {
        case COMP_PAGE_FUTURE_SERIES: {
            if (id == COMP_ODI_CHAMPIONSHIP) ShowRow(s_comboSeriesKind, true);
            for (CButton* b : {s_btnPrevious, s_btnNext, s_btnCurrent}) ShowRow(b, true);
            if (s_seriesSeason <= CurrentSeason()) s_btnPrevious->Disable();
            if (s_seriesSeason >= LastSeason()) s_btnNext->Disable();
            FitScrollBar(*s_scroll, static_cast<int>(ShownFutureTours().size()), COMP_LIST_ROWS, true);
            break;
        }
        case COMP_PAGE_PLAYER_STATS: {
            Place(s_scroll, 990, 216, 17, 410);
            const int rows = static_cast<int>(sv_stats.size());
            FitScrollBar(*s_scroll, rows, COMP_STATS_ROWS, true);
            for (int i = 0; i < COMP_STATS_ROWS; ++i) {
                Place(s_rows[i], 213, STATS_TOP + 20 * i, 771, 19);
                ShowRow(s_rows[i], i < rows);
            }
            break;
        }
        case COMP_PAGE_STANDINGS:
            LayOutStandings();
            break;
        case COMP_PAGE_PAST_SERIES: {
            if (id == COMP_ODI_CHAMPIONSHIP) ShowRow(s_comboSeriesKind, true);
            const int rows = static_cast<int>(ShownPastSeries().size());
            ShowRowSpots(rows, 213, LIST_TOP, 20, 770);
            FitScrollBar(*s_scroll, rows, COMP_LIST_ROWS, true);
            break;
        }
        case COMP_PAGE_FIXTURES: {
            const Competition* c = ShownCompetition();
            const bool idle = id < COMP_TEST_CHAMPIONSHIP && (!c || c->m_status == COMP_NOT_RUNNING);
            const int rows = idle ? 0 : static_cast<int>(sv_fixtures.size());
            ShowRowSpots(rows, 213, LIST_TOP, 20, 771);
            FitScrollBar(*s_scroll, rows, COMP_LIST_ROWS, true);
            break;
        }
        case COMP_PAGE_HISTORY: {
            const Competition* c = ShownCompetition();
            FitScrollBar(*s_scroll, c ? static_cast<int>(c->mv_history.size()) : 0, COMP_LIST_ROWS, true);
            break;
        }
        default:
            break;
    }
    if (id < COMP_TEST_CHAMPIONSHIP) {
        const Competition* c = ShownCompetition();
        const bool current = c && c->m_season == CurrentSeason();
        for (Tab tab : {TAB_PLAYER_STATS, TAB_FIXTURES, TAB_TEAM_STATS}) {
            if (current)
                s_tabs[tab]->mb_disabled = 0;
            else
                s_tabs[tab]->Disable();
        }
    }
}

void CS::Update() {
    if (s_scroll && s_scroll->mb_visible) WheelScroll(*s_scroll);
    switch (s_page) {
        case COMP_PAGE_FIXTURES:
            for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
                if (!TakeClick(s_rows[i])) continue;
                const size_t k = static_cast<size_t>(ScrollPosition() + i);
                if (k < sv_fixtures.size()) OpenMatchRow(sv_fixtures[k]);
                return;
            }
            break;
        case COMP_PAGE_FUTURE_SERIES:
            if (UpdateSeriesSeason()) return;
            break;
        case COMP_PAGE_PAST_SERIES:
            UpdatePastSeries();
            if (CurrentScreen() != SCREEN_COMPETITION) return;
            break;
        case COMP_PAGE_STANDINGS:
            if (UpdateStandings()) return;
            break;
        default:
            break;
    }
    UpdateTabs();
    if (s_page == COMP_PAGE_PLAYER_STATS) UpdatePlayerStats();
    if (CurrentScreen() != SCREEN_COMPETITION) return;
    if (s_page == COMP_PAGE_TEAM_STATS) UpdateTeamStats();
    if (s_page == COMP_PAGE_FIXTURES || s_page == COMP_PAGE_PAST_SERIES || s_page == COMP_PAGE_FUTURE_SERIES)
        UpdateSeriesKind();
}

void CS::Leave() {
    s_controls.Free();
    for (CHotSpot*& row : s_rows) row = nullptr;
    for (CButton*& tab : s_tabs) tab = nullptr;
    s_btnPrevious = s_btnNext = s_btnCurrent = nullptr;
    s_comboRecords = s_comboTeamStats = s_comboSeriesKind = s_comboStage = s_comboSeason = nullptr;
    s_scroll = nullptr;
}

}  // namespace ravel
