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

namespace {

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

void Place(CControl* c, int x, int y, int width, int height) {
    c->SetRect(x, y, width, height);
}

void ShowControl(CControl* c, bool shown) {
    c->mb_visible = shown ? 1 : 0;
}

void AddItems(CComboBox* combo, const ItemDef* items, size_t count) {
    for (size_t i = 0; i < count; ++i) combo->AddListItem(items[i].text, items[i].value);
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

void OpenMatchRow(const FixtureListEntry& row) {
    if (row.m_kind == ROW_COMPLETED || row.m_kind == ROW_IN_PROGRESS) OpenScorecardOfMatch(row.m_match);
}

}  // namespace

CComboBox* CS::MakeCombo(int x, int y, const char* caption) {
    CComboBox* combo = m_controls.Make<CComboBox>(x, y, 400, 25, caption);
    combo->m_collapsedHeight = 25;
    return combo;
}

void CS::MakeRecordsCombo(const Competition* c, const InternationalTournament* t) {
    m_comboRecords = MakeCombo(600, 150, "Highest Batting Score");
    AddItems(m_comboRecords, RECORD_ITEMS, std::size(RECORD_ITEMS));
    mv_recordSides.clear();
    if (c && c->m_id < COMP_TEST_CHAMPIONSHIP) {
        for (int32_t side : c->mv_teams)
            if (side > 0) mv_recordSides.push_back(side);
    } else if (t) {
        mv_recordSides = TournamentSides(*t);
    }
    char text[96];
    int value = COMP_SIDE_ITEMS;
    for (int32_t side : mv_recordSides) {
        std::snprintf(text, sizeof text, "%s Batting", SideName(side));
        m_comboRecords->AddListItem(text, value++);
        std::snprintf(text, sizeof text, "%s Bowling", SideName(side));
        m_comboRecords->AddListItem(text, value++);
    }
}

void CS::MakeTeamStatsCombo() {
    const bool international = m_kept.competitionId >= COMP_TEST_CHAMPIONSHIP;
    m_comboTeamStats = MakeCombo(600, 150, international ? "Highest team totals" : "Games won in a row");
    if (!international) AddItems(m_comboTeamStats, STREAK_ITEMS, std::size(STREAK_ITEMS));
    AddItems(m_comboTeamStats, TEAM_RECORD_ITEMS, std::size(TEAM_RECORD_ITEMS));
}

void CS::MakeStageCombo(InternationalTournament* t) {
    m_comboStage = MakeCombo(600, 160, "Stage");
    m_group = 0;
    char text[32];
    const int groups = t ? static_cast<int>(t->mv_groups.size()) : 0;
    for (int n = 1; n <= groups; ++n) {
        std::snprintf(text, sizeof text, "Group %d", n);
        m_comboStage->AddListItem(text, COMP_SIDE_ITEMS + n - 1);
    }
    if (!t) {
        ShowRow(m_comboStage, false);
        return;
    }
    if (t->m_stage > TSTAGE_GROUPS && t->m_superEight)
        m_comboStage->AddListItem("Super Eight", STAGE_SUPER_EIGHT_ITEM);
    if (t->m_stage > TSTAGE_SUPER_EIGHT) m_comboStage->AddListItem("Knockout", STAGE_KNOCKOUT_ITEM);
    SortGroupStandings(*t);
    if (t->m_stage <= TSTAGE_GROUPS) {
        m_stage = SHOWN_GROUPS;
        m_comboStage->SetCaption(groups > 0 ? m_comboStage->mv_items[0].m_text : "Stage");
    } else if (t->m_stage == TSTAGE_SUPER_EIGHT) {
        m_stage = SHOWN_SUPER_EIGHT;
        m_comboStage->SetCaption("Super Eight");
    } else {
        m_stage = SHOWN_KNOCKOUT;
        m_comboStage->SetCaption("Knockout");
    }
}

void CS::MakeTabs() {
    for (int i = 0; i < CS::TABS; ++i) {
        const TabDef& d = TAB_DEFS[i];
        m_tabs[i] = m_controls.Make<CButton>(d.x, TAB_Y, d.width, 20, d.caption, d.tooltip);
        m_tabs[i]->m_style = 1;
    }
    ShowRow(m_tabs[CS::TAB_RESULTS], false);
    const int id = m_kept.competitionId;
    if (id >= COMP_FIRST_TOURNAMENT) {
        ShowRow(m_tabs[CS::TAB_RULES], false);
        constexpr int XS[] = {223, 379, 535, 691, 847};
        constexpr CS::Tab SHOWN[] = {CS::TAB_STANDINGS, CS::TAB_FIXTURES, CS::TAB_PLAYER_STATS,
                                     CS::TAB_TEAM_STATS, CS::TAB_HISTORY};
        for (size_t k = 0; k < std::size(SHOWN); ++k)
            Place(m_tabs[SHOWN[k]], XS[k], TAB_Y, TOURNAMENT_TAB_WIDTH, 20);
    }
    if (IsChampionship(id)) {
        m_tabs[CS::TAB_STANDINGS]->SetCaption("Rankings");
        m_tabs[CS::TAB_FIXTURES]->SetCaption("Future Series");
        m_tabs[CS::TAB_RESULTS]->SetCaption("Current/Past Series");
        for (CS::Tab tab : {CS::TAB_PLAYER_STATS, CS::TAB_TEAM_STATS, CS::TAB_HISTORY, CS::TAB_RULES})
            ShowRow(m_tabs[tab], false);
        Place(m_tabs[CS::TAB_STANDINGS], 210, 105, CHAMPIONSHIP_TAB_WIDTH, 20);
        Place(m_tabs[CS::TAB_RESULTS], 470, 105, CHAMPIONSHIP_TAB_WIDTH, 20);
        Place(m_tabs[CS::TAB_FIXTURES], 730, 105, CHAMPIONSHIP_TAB_WIDTH, 20);
        ShowRow(m_tabs[CS::TAB_RESULTS], true);
    }
}

void CS::SetPage(int page) {
    m_kept.page = page;
    Layout();
}

// Hot spots for the first `count` rows of a column from `top`, `step` apart.
void CS::ShowRowSpots(int count, int left, int top, int step, int width) {
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
        if (i >= count) continue;
        Place(m_rows[i], left, top + step * i, width, step - 1);
        ShowRow(m_rows[i], true);
    }
}

void CS::LayOutStandings() {
    const Competition* c = ShownCompetition();
    if (!c) return;
    if (IsTournament(c->m_id)) {
        const std::vector<StandingsRow>* rows = ShownTournamentRows();
        if (!rows) return;
        const int step = m_stage == SHOWN_GROUPS ? GROUP_ROW_STEP : LEAGUE_ROW_STEP;
        ShowRowSpots(static_cast<int>(rows->size()), 213, GROUP_ROW_TOP, step, 796);
        return;
    }
    if (c->m_status != COMP_RUNNING) return;
    if (c->m_kind == COMP_KNOCKOUT && !IsChampionship(c->m_id)) {
        const KnockoutLayout k = LayOutKnockout(*c);
        for (int i = 0; i < KNOCKOUT_TIES; ++i) {
            if (k.m_tieY[i] == 0 || c->m_knockout[2 * i] <= 0 || c->m_knockout[2 * i + 1] <= 0) continue;
            Place(m_rows[i], 213, k.m_tieY[i], 796, 39);
            ShowRow(m_rows[i], true);
        }
        return;
    }
    ShowRowSpots(static_cast<int>(c->mv_standings.size()), 213, LEAGUE_ROW_TOP, LEAGUE_ROW_STEP, 796);
}

// A clicked row of the standings page; true when the tick ends.
bool CS::UpdateStandings() {
    Competition* c = ShownCompetition();
    for (int i = 0; c && i < COMP_ROW_SPOTS; ++i) {
        if (!TakeClick(m_rows[i])) continue;
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
    const int v = TakeChoice(m_comboStage);
    if (v < 0) return false;
    if (v == STAGE_SUPER_EIGHT_ITEM) {
        m_stage = SHOWN_SUPER_EIGHT;
    } else if (v == STAGE_KNOCKOUT_ITEM) {
        m_stage = SHOWN_KNOCKOUT;
    } else if (v >= COMP_SIDE_ITEMS) {
        m_stage = SHOWN_GROUPS;
        m_group = v - COMP_SIDE_ITEMS;
    }
    Layout();
    return false;
}

void CS::RebuildSeriesSeason(int season) {
    m_seriesSeason = std::clamp(season, CurrentSeason(), std::max(CurrentSeason(), LastSeason()));
    BuildCompetitionSeriesLists();
    Layout();
}

// The season buttons of the Future Series page; true when one acted.
bool CS::UpdateSeriesSeason() {
    if (TakeClick(m_btnCurrent)) {
        RebuildSeriesSeason(CurrentSeason());
        return true;
    }
    if (TakeClick(m_btnNext)) {
        RebuildSeriesSeason(m_seriesSeason + 1);
        return true;
    }
    if (TakeClick(m_btnPrevious)) {
        RebuildSeriesSeason(m_seriesSeason - 1);
        return true;
    }
    return false;
}

void CS::UpdatePastSeries() {
    const std::vector<int32_t>& ids = ShownPastSeries();
    const bool triangular =
        m_kept.competitionId == COMP_ODI_CHAMPIONSHIP && m_kept.seriesKind == SERIES_TRIANGULAR;
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
        if (!TakeClick(m_rows[i])) continue;
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

void CS::UpdateTabs() {
    const int id = m_kept.competitionId;
    if (TakeClick(m_tabs[CS::TAB_STANDINGS])) {
        if (Competition* c = ShownCompetition()) SortStandings(*c);
        SetPage(COMP_PAGE_STANDINGS);
    } else if (TakeClick(m_tabs[CS::TAB_FIXTURES])) {
        if (IsChampionship(id)) {
            m_seriesSeason = CurrentSeason();
            BuildCompetitionSeriesLists();
            SetPage(COMP_PAGE_FUTURE_SERIES);
        } else {
            SetPage(COMP_PAGE_FIXTURES);
        }
    } else if (TakeClick(m_tabs[CS::TAB_RESULTS])) {
        SetPage(COMP_PAGE_PAST_SERIES);
    } else if (TakeClick(m_tabs[CS::TAB_PLAYER_STATS])) {
        m_kept.page = COMP_PAGE_PLAYER_STATS;
        m_kept.playerList = PLAYER_LIST_TOP_SCORES;
        m_comboRecords->SetCaption(RECORD_ITEMS[0].text);
        BuildCompetitionStatsLists();
        Layout();
    } else if (TakeClick(m_tabs[CS::TAB_TEAM_STATS])) {
        m_kept.page = COMP_PAGE_TEAM_STATS;
        m_kept.teamList = id < COMP_TEST_CHAMPIONSHIP ? static_cast<int>(STREAK_WON) : TEAM_LIST_HIGHEST;
        m_comboTeamStats->SetCaption(id < COMP_TEST_CHAMPIONSHIP ? STREAK_ITEMS[0].text
                                                                 : TEAM_RECORD_ITEMS[0].text);
        BuildCompetitionStatsLists();
        Layout();
    } else if (TakeClick(m_tabs[CS::TAB_HISTORY])) {
        SetPage(COMP_PAGE_HISTORY);
    } else if (TakeClick(m_tabs[CS::TAB_RULES])) {
        SetPage(COMP_PAGE_RULES);
    }
}

void CS::UpdatePlayerStats() {
    const int v = TakeChoice(m_comboRecords);
    if (v >= 1 && v <= 5) {
        const int list = PLAYER_LIST_TOP_SCORES + v - 1;
        if (list != m_kept.playerList) {
            m_kept.playerList = list;
            BuildCompetitionStatsLists();
        }
    } else if (v == 7 || v == 8) {
        m_kept.playerList = v == 7 ? PLAYER_LIST_BATTING : PLAYER_LIST_BOWLING;
        m_kept.teamFilter = -1;
        BuildCompetitionStatsLists();
    } else if (v >= COMP_SIDE_ITEMS) {
        const size_t side = static_cast<size_t>(v - COMP_SIDE_ITEMS) / 2;
        m_kept.playerList = (v - COMP_SIDE_ITEMS) % 2 == 0 ? PLAYER_LIST_BATTING : PLAYER_LIST_BOWLING;
        m_kept.teamFilter = side < mv_recordSides.size() ? mv_recordSides[side] : -1;
        BuildCompetitionStatsLists();
    }
    if (v >= 0) Layout();
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
        if (!TakeClick(m_rows[i])) continue;
        const size_t k = static_cast<size_t>(ScrollPosition() + i);
        if (k >= mv_stats.size()) return;
        return OpenPlayerDetails(mv_stats[k].m_player);
    }
}

void CS::UpdateTeamStats() {
    const int v = TakeChoice(m_comboTeamStats);
    if (v < 1 || v > 6) return;
    const int list = STREAK_WON + v - 1;
    if (list == m_kept.teamList) return;
    m_kept.teamList = list;
    BuildCompetitionStatsLists();
}

void CS::UpdateSeriesKind() {
    const int v = TakeChoice(m_comboSeriesKind);
    if (v != SERIES_STANDARD && v != SERIES_TRIANGULAR) return;
    m_kept.seriesKind = v;
    Layout();
}

int CS::ScrollPosition() const {
    return m_scroll ? m_scroll->m_position : 0;
}

Competition* CS::ShownCompetition() const {
    return CompetitionById(m_kept.competitionId);
}

InternationalTournament* CS::ShownTournament() const {
    if (!IsTournament(m_kept.competitionId)) return nullptr;
    InternationalTournament* t = TournamentForCompetition(m_kept.competitionId);
    return t && t->m_competition == m_kept.competitionId ? t : nullptr;
}

const std::vector<StandingsRow>* CS::ShownTournamentRows() const {
    const InternationalTournament* t = ShownTournament();
    if (!t) return nullptr;
    if (m_stage == SHOWN_SUPER_EIGHT) return &t->mv_superEight;
    if (m_stage != SHOWN_GROUPS || m_group < 0 || static_cast<size_t>(m_group) >= t->mv_groups.size())
        return nullptr;
    return &t->mv_groups[static_cast<size_t>(m_group)];
}

const std::vector<int32_t>& CS::ShownPastSeries() const {
    const bool triangular =
        m_kept.competitionId == COMP_ODI_CHAMPIONSHIP && m_kept.seriesKind == SERIES_TRIANGULAR;
    return triangular ? mv_triangular : mv_series;
}

const std::vector<int32_t>& CS::ShownFutureTours() const {
    const bool triangular =
        m_kept.competitionId == COMP_ODI_CHAMPIONSHIP && m_kept.seriesKind == SERIES_TRIANGULAR;
    return triangular ? mv_futureTriangular : mv_futureTours;
}

const FixtureListEntry* CS::TieRow(int home, int away) const {
    if (home <= 0 || away <= 0) return nullptr;
    const FixtureListEntry* found = nullptr;
    for (const FixtureListEntry& row : mv_fixtures)
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
    CComboBox* combo = m_comboSeason;
    for (const Season& s : g_world.mv_seasons)
        if (s.m_season >= FIRST_SEASON && s.m_season <= CurrentSeason())
            combo->AddListItem(s.m_label, s.m_season);
    combo->SetCaption(SeasonLabel(combo->GetSelectedValue()).c_str());
}

void CS::BuildCompetitionStatsLists() {
    m_filter.Clear();
    m_filter.AddCompetition(m_kept.competitionId);
    switch (m_kept.playerList) {
        case PLAYER_LIST_BATTING:
        case PLAYER_LIST_BOWLING:
            if (m_kept.teamFilter != -1) m_filter.AddTeam(m_kept.teamFilter);
            BuildPlayerStatsList(m_filter, mv_stats,
                                 m_kept.playerList == PLAYER_LIST_BATTING ? STATS_BATTING : STATS_BOWLING,
                                 COMP_STATS_ROWS);
            break;
        default:
            BuildPlayerStatsList(m_filter, mv_stats,
                                 STATS_TOP_SCORES + m_kept.playerList - PLAYER_LIST_TOP_SCORES,
                                 COMP_STATS_ROWS);
            break;
    }
    StatsFilter teams;
    teams.AddCompetition(m_kept.competitionId);
    mv_streaks.clear();
    mv_innings.clear();
    if (m_kept.teamList >= STREAK_WON && m_kept.teamList <= STREAK_UNBEATEN) {
        if (const Competition* c = ShownCompetition()) BuildStreakList(*c, mv_streaks, m_kept.teamList);
    } else {
        BuildTeamInningsList(teams, mv_innings,
                             m_kept.teamList == TEAM_LIST_HIGHEST ? INNINGS_HIGHEST : INNINGS_LOWEST,
                             COMP_STATS_ROWS);
    }
}

void CS::BuildCompetitionSeriesLists() {
    FixtureFilter filter;
    filter.AddCompetition(m_kept.competitionId);
    const InternationalTournament* t = ShownTournament();
    filter.AddSeason(IsTournament(m_kept.competitionId) ? (t ? t->m_season : CurrentSeason()) : m_season);
    BuildFixtureList(filter, mv_fixtures, ORDER_DATE);
    mv_series.clear();
    mv_futureTours.clear();
    mv_futureTriangular.clear();
    mv_triangular.clear();
    if (!IsChampionship(m_kept.competitionId)) return;
    BuildChampionshipSeriesList(m_kept.competitionId, mv_series);
    const bool tests = m_kept.competitionId == COMP_TEST_CHAMPIONSHIP;
    BuildFutureTourList(tests ? TOUR_TESTS : TOUR_ONE_DAY, m_seriesSeason, mv_futureTours);
    if (tests) return;
    BuildFutureTourList(TOUR_TRIANGULAR, m_seriesSeason, mv_futureTriangular);
    BuildTriangularList(mv_triangular);
}

void OpenCompetition(int32_t id) {
    OpenScreen(SCREEN_COMPETITION, {id});
}

void CS::Enter() {
    Competition* c = ShownCompetition();
    InternationalTournament* t = ShownTournament();
    m_seriesSeason = CurrentSeason();
    m_season = c && c->m_season > 0 ? c->m_season : CurrentSeason();
    m_controls.Begin();
    BuildCompetitionStatsLists();
    m_comboSeason = m_controls.Make<CComboBox>(800, 140, 150, 25);
    FillSeasonSelector();
    m_comboSeason->SetCaption(SeasonLabel(m_season).c_str());
    BuildCompetitionSeriesLists();
    MakeTabs();
    m_btnPrevious = m_controls.Make<CButton>(210, 660, 300, 20, "Previous Season", "View previous season");
    m_btnNext = m_controls.Make<CButton>(510, 660, 300, 20, "Next Season", "View next season");
    m_btnCurrent = m_controls.Make<CButton>(810, 660, 200, 20, "Current Season", "View current season");
    for (CButton* b : {m_btnPrevious, m_btnNext, m_btnCurrent}) {
        b->m_style = 1;
        ShowControl(b, false);
    }
    for (CHotSpot*& row : m_rows) {
        row = m_controls.Add<CHotSpot>(213, LIST_TOP, 771, 19);
        ShowRow(row, false);
    }
    MakeRecordsCombo(c, t);
    MakeTeamStatsCombo();
    m_comboSeriesKind = MakeCombo(
        600, 135, m_kept.seriesKind == SERIES_TRIANGULAR ? "Triangular tournament" : "Standard series");
    m_comboSeriesKind->AddListItem("Standard series", SERIES_STANDARD);
    m_comboSeriesKind->AddListItem("Triangular tournament", SERIES_TRIANGULAR);
    ShowRow(m_comboSeriesKind, false);
    MakeStageCombo(t);
    m_scroll = m_controls.Make<CScrollBar>(990, LIST_TOP, 17, 500);
    m_scroll->mb_horizontal = 0;
    m_scroll->m_position = 0;
    FitScrollBar(*m_scroll, static_cast<int>(mv_fixtures.size()), COMP_LIST_ROWS, true);
    if (IsChampionship(m_kept.competitionId)) ShowControl(m_comboSeason, false);
    for (CButton* tab : m_tabs) m_controls.List(tab);
    for (CButton* b : {m_btnNext, m_btnPrevious, m_btnCurrent}) m_controls.List(b);
    for (CComboBox* combo :
         {m_comboRecords, m_comboTeamStats, m_comboSeriesKind, m_comboStage, m_comboSeason})
        m_controls.List(combo);
    m_controls.List(m_scroll);
    g_game->mb_screenFrame = 1;
    if (c) SortStandings(*c);
    m_kept.page = PageOnEntry(m_kept.page, m_kept.competitionId, m_kept.lastCompetitionId);
    m_kept.lastCompetitionId = m_kept.competitionId;
    Layout();
}

void CS::Layout() {
    ShowRow(m_comboSeriesKind, false);
    ShowRow(m_comboStage, false);
    ShowControl(m_comboSeason, false);
    for (CHotSpot* row : m_rows) ShowRow(row, false);
    Place(m_scroll, 990, LIST_TOP, 17, 500);
    m_scroll->m_position = 0;
    FitScrollBar(*m_scroll, 0, COMP_LIST_ROWS, true);
    for (CButton* b : {m_btnPrevious, m_btnNext, m_btnCurrent}) ShowControl(b, false);
    const int id = m_kept.competitionId;
    ShowControl(m_comboRecords, m_kept.page == COMP_PAGE_PLAYER_STATS);
    ShowControl(m_comboTeamStats, m_kept.page == COMP_PAGE_TEAM_STATS);
    if (IsTournament(id) && ShownTournament() && m_kept.page == COMP_PAGE_STANDINGS)
        ShowRow(m_comboStage, true);
    switch (m_kept.page) {
        case COMP_PAGE_FUTURE_SERIES: {
            if (id == COMP_ODI_CHAMPIONSHIP) ShowRow(m_comboSeriesKind, true);
            for (CButton* b : {m_btnPrevious, m_btnNext, m_btnCurrent}) ShowRow(b, true);
            if (m_seriesSeason <= CurrentSeason()) m_btnPrevious->Disable();
            if (m_seriesSeason >= LastSeason()) m_btnNext->Disable();
            FitScrollBar(*m_scroll, static_cast<int>(ShownFutureTours().size()), COMP_LIST_ROWS, true);
            break;
        }
        case COMP_PAGE_PLAYER_STATS: {
            Place(m_scroll, 990, 216, 17, 410);
            const int rows = static_cast<int>(mv_stats.size());
            FitScrollBar(*m_scroll, rows, COMP_STATS_ROWS, true);
            for (int i = 0; i < COMP_STATS_ROWS; ++i) {
                Place(m_rows[i], 213, STATS_TOP + 20 * i, 771, 19);
                ShowRow(m_rows[i], i < rows);
            }
            break;
        }
        case COMP_PAGE_STANDINGS:
            LayOutStandings();
            break;
        case COMP_PAGE_PAST_SERIES: {
            if (id == COMP_ODI_CHAMPIONSHIP) ShowRow(m_comboSeriesKind, true);
            const int rows = static_cast<int>(ShownPastSeries().size());
            ShowRowSpots(rows, 213, LIST_TOP, 20, 770);
            FitScrollBar(*m_scroll, rows, COMP_LIST_ROWS, true);
            break;
        }
        case COMP_PAGE_FIXTURES: {
            const Competition* c = ShownCompetition();
            const bool idle = id < COMP_TEST_CHAMPIONSHIP && (!c || c->m_status == COMP_NOT_RUNNING);
            const int rows = idle ? 0 : static_cast<int>(mv_fixtures.size());
            ShowRowSpots(rows, 213, LIST_TOP, 20, 771);
            FitScrollBar(*m_scroll, rows, COMP_LIST_ROWS, true);
            break;
        }
        case COMP_PAGE_HISTORY: {
            const Competition* c = ShownCompetition();
            FitScrollBar(*m_scroll, c ? static_cast<int>(c->mv_history.size()) : 0, COMP_LIST_ROWS, true);
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
                m_tabs[tab]->mb_disabled = 0;
            else
                m_tabs[tab]->Disable();
        }
    }
}

void CS::Update() {
    if (m_scroll && m_scroll->mb_visible) WheelScroll(*m_scroll);
    switch (m_kept.page) {
        case COMP_PAGE_FIXTURES:
            for (int i = 0; i < COMP_ROW_SPOTS; ++i) {
                if (!TakeClick(m_rows[i])) continue;
                const size_t k = static_cast<size_t>(ScrollPosition() + i);
                if (k < mv_fixtures.size()) OpenMatchRow(mv_fixtures[k]);
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
    if (m_kept.page == COMP_PAGE_PLAYER_STATS) UpdatePlayerStats();
    if (CurrentScreen() != SCREEN_COMPETITION) return;
    if (m_kept.page == COMP_PAGE_TEAM_STATS) UpdateTeamStats();
    if (m_kept.page == COMP_PAGE_FIXTURES || m_kept.page == COMP_PAGE_PAST_SERIES ||
        m_kept.page == COMP_PAGE_FUTURE_SERIES)
        UpdateSeriesKind();
}

void CS::Leave() {
    m_controls.Free();
    for (CHotSpot*& row : m_rows) row = nullptr;
    for (CButton*& tab : m_tabs) tab = nullptr;
    m_btnPrevious = m_btnNext = m_btnCurrent = nullptr;
    m_comboRecords = m_comboTeamStats = m_comboSeriesKind = m_comboStage = m_comboSeason = nullptr;
    m_scroll = nullptr;
}

}  // namespace ravel
