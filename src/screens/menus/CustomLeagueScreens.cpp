#include "screens/menus/CustomLeagueScreens.h"

#include <algorithm>
#include <deque>

#include "screens/match/MatchViewScreen.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/CustomTour.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ListPanel.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using CG = CCustomGameScreen;
using CL = CCustomLeagueScreen;
using CT = CCustomLeagueTableScreen;

CButton* CCustomGameScreen::s_btnBack = nullptr;
CButton* CCustomGameScreen::s_btnTour = nullptr;
CButton* CCustomGameScreen::s_btnLeague = nullptr;
CButton* CCustomLeagueScreen::s_btnBack = nullptr;
CButton* CCustomLeagueScreen::s_btnPlay = nullptr;
CButton* CCustomLeagueScreen::s_btnAdd = nullptr;
CButton* CCustomLeagueScreen::s_btnRemove = nullptr;
CListPanel* CCustomLeagueScreen::s_allSides = nullptr;
CListPanel* CCustomLeagueScreen::s_chosen = nullptr;
CustomLeagueChoice CCustomLeagueScreen::s_choice;
CButton* CCustomLeagueTableScreen::s_btnContinue = nullptr;
CButton* CCustomLeagueTableScreen::s_btnExit = nullptr;
std::vector<FixtureListEntry> CCustomLeagueTableScreen::sv_rows;

namespace {

constexpr int TABLE_TOP = 115;
constexpr int ROW_STEP = 17;
constexpr int RESULT_ROWS = 33;

ScreenControls s_menuControls;
ScreenControls s_setupControls;
ScreenControls s_tableControls;
// The lines the set-up's lists point at.
std::deque<ListItem> s_allLines;
std::deque<ListItem> s_chosenLines;

// The chosen list follows the choice; the new last line selected.
void FillChosenList(int select) {
    s_chosenLines.clear();
    CL::s_chosen->mv_lines.clear();
    for (int32_t id : CL::s_choice.mv_sides) {
        ListItem& line = s_chosenLines.emplace_back();
        line.SetText(SideName(id));
        line.m_value = id;
        CL::s_chosen->mv_lines.push_back(&line);
    }
    CL::s_chosen->m_selected = 0;
    CL::s_chosen->m_top = 0;
    if (select >= 0) CL::s_chosen->SetSelection(select);
    CL::s_chosen->UpdateScrollRange();
    // A league needs two sides.
    SetEnabled(CL::s_btnPlay, CL::s_choice.mv_sides.size() >= 2);
}

// The league's fixtures, or the tour's matches.
void RebuildRows() {
    CT::sv_rows.clear();
    FixtureFilter filter;
    if (const CustomTourState* tour = CustomTour()) {
        filter.mv_competitions = {tour->m_tests.m_competition, tour->m_odis.m_competition, COMP_TOUR_ONE_DAY,
                                  COMP_TOUR_FOUR_DAY};
        filter.mv_teams = {tour->m_touring};
    } else if (const Competition* league = CustomLeague()) {
        filter.mv_competitions = {league->m_id};
    } else {
        return;
    }
    BuildFixtureList(filter, CT::sv_rows, ORDER_DATE);
    if (!CustomTour()) return;
    std::erase_if(CT::sv_rows, [](const FixtureListEntry& row) {
        if (row.m_fixture < 0) return !IsCustomTourMatch(row.m_match);
        const size_t at = static_cast<size_t>(row.m_fixture);
        return at >= g_world.mv_fixtures.size() || !IsCustomTourFixture(g_world.mv_fixtures[at].m_id);
    });
}

void DrawTableLine(int row, const char* name, int figure, uint32_t colour = TEXT_WHITE) {
    CFont* font = g_game->m_fontTable.get();
    const int y = TABLE_TOP + ROW_STEP * row;
    g_system->DrawText(20, y, ALIGN_LEFT, colour, font, "%s", name);
    if (figure >= 0) g_system->DrawText(230, y, ALIGN_CENTRE, colour, font, "%d", figure);
}

// Each series played so far: the wins of both sides, then draws and ties.
int DrawSeriesScore(int row, const char* title, const SeriesScore& score, const CustomTourState& tour,
                    const char* level) {
    if (score.m_hostWins + score.m_touringWins + score.m_draws + score.m_ties == 0) return row;
    DrawTableLine(row++, title, -1, TEXT_YELLOW);
    DrawTableLine(row++, SideName(tour.m_host), score.m_hostWins);
    DrawTableLine(row++, SideName(tour.m_touring), score.m_touringWins);
    DrawTableLine(row++, level, score.m_draws + score.m_ties);
    return row + 1;
}

void DrawLeftColumn() {
    if (const CustomTourState* tour = CustomTour()) {
        const int row = DrawSeriesScore(0, "Test series", tour->m_tests, *tour, "Drawn or tied");
        DrawSeriesScore(row, "ODI series", tour->m_odis, *tour, "Tied or no result");
        return;
    }
    const Competition* league = CustomLeague();
    if (!league) return;
    for (size_t i = 0; i < league->mv_standings.size(); ++i) {
        const StandingsRow& row = league->mv_standings[i];
        DrawTableLine(static_cast<int>(i), SideName(row.m_team), row.m_points);
    }
}

// A match still to come names its sides; a played one its result.
std::string RowResult(const FixtureListEntry& row) {
    if (row.m_kind == ROW_SCHEDULED) return MatchTitle(row);
    return ResultDescription(row);
}

bool TourMatchesLeft() {
    const CustomTourState* tour = CustomTour();
    return tour && tour->m_matchId < 0 && tour->m_next < tour->mv_fixtures.size();
}

}  // namespace

void SetEnabled(CControl* control, bool enabled) {
    if (enabled)
        control->mb_disabled = 0;
    else
        control->Disable();
}

void CCustomGameScreen::Enter() {
    s_menuControls.Begin();
    s_btnBack = s_menuControls.Add<CButton>(20, 720, 110, 30, "Back");
    s_btnTour = s_menuControls.Add<CButton>(362, 150, 300, 30, "Create Custom Tour");
    s_btnLeague = s_menuControls.Add<CButton>(362, 300, 300, 30, "Create League");
    g_game->mb_screenFrame = 0;
}

void CCustomGameScreen::Update() {
    if (TakeClick(s_btnBack)) return ChangeScreen(SCREEN_START_MENU);
    if (TakeClick(s_btnTour)) {
        g_cricket.m_gameMode = MODE_CUSTOM_TOUR;
        return ChangeScreen(SCREEN_CUSTOM_TOUR_SETUP);
    }
    if (TakeClick(s_btnLeague)) {
        g_cricket.m_gameMode = MODE_CUSTOM_LEAGUE;
        return ChangeScreen(SCREEN_CUSTOM_LEAGUE_SETUP);
    }
}

void CCustomGameScreen::Render() {
    DrawFullScreenFrame("Setup Custom Game");
    g_system->mp_controlList->Draw();
}

void CCustomGameScreen::Leave() {
    s_menuControls.Free();
    s_btnBack = s_btnTour = s_btnLeague = nullptr;
}

void CCustomLeagueScreen::Enter() {
    s_setupControls.Begin();
    s_btnBack = s_setupControls.Add<CButton>(10, 720, 160, 30, "Back");
    s_btnPlay = s_setupControls.Add<CButton>(900, 720, 110, 30, "Play");
    s_btnAdd = s_setupControls.Add<CButton>(400, 310, 110, 30, "Add");
    s_btnRemove = s_setupControls.Add<CButton>(600, 310, 110, 30, "Remove");
    s_allSides = s_setupControls.Add<CListPanel>(30, 230, 250, 300);
    s_chosen = s_setupControls.Add<CListPanel>(700, 230, 250, 300);
    s_allLines.clear();
    for (const Team& t : g_world.mv_teams) {
        ListItem& line = s_allLines.emplace_back();
        line.SetText(t.m_name);
        line.m_value = t.m_id;
        s_allSides->mv_lines.push_back(&line);
    }
    s_allSides->UpdateScrollRange();
    s_choice = {};
    FillChosenList(-1);
    g_game->mb_screenFrame = 0;
}

void CCustomLeagueScreen::Update() {
    if (TakeClick(s_btnBack)) return ChangeScreen(SCREEN_CUSTOM_GAME);
    if (TakeClick(s_btnPlay) && s_choice.mv_sides.size() >= 2) {
        CreateCustomLeague(s_choice.mv_sides);
        return ChangeScreen(SCREEN_CUSTOM_LEAGUE_TABLE);
    }
    if (TakeClick(s_btnAdd)) {
        const int line = s_allSides->GetSelection();
        if (line >= 0 && static_cast<size_t>(line) < s_allSides->mv_lines.size() &&
            s_choice.Add(s_allSides->mv_lines[static_cast<size_t>(line)]->m_value))
            FillChosenList(static_cast<int>(s_choice.mv_sides.size()) - 1);
    }
    if (TakeClick(s_btnRemove)) {
        const int line = s_chosen->GetSelection();
        if (line >= 0 && static_cast<size_t>(line) < s_chosen->mv_lines.size() &&
            s_choice.Remove(s_chosen->mv_lines[static_cast<size_t>(line)]->m_value))
            FillChosenList(std::min(line, static_cast<int>(s_choice.mv_sides.size()) - 1));
    }
}

void CCustomLeagueScreen::Render() {
    DrawFullScreenFrame("Setup Custom League");
    g_system->mp_controlList->Draw();
}

void CCustomLeagueScreen::Leave() {
    s_setupControls.Free();
    s_allLines.clear();
    s_chosenLines.clear();
    s_btnBack = s_btnPlay = s_btnAdd = s_btnRemove = nullptr;
    s_allSides = s_chosen = nullptr;
}

void CCustomLeagueTableScreen::Enter() {
    s_tableControls.Begin();
    s_btnContinue = s_tableControls.Add<CButton>(250, 70, 110, 30, "Continue");
    s_btnExit = s_tableControls.Add<CButton>(370, 70, 110, 30, "Exit");
    g_game->mb_screenFrame = 0;
    if (CustomTour()) SetEnabled(s_btnContinue, TourMatchesLeft());
    RebuildRows();
}

void CCustomLeagueTableScreen::Update() {
    if (TakeClick(s_btnExit)) {
        g_game->m_running = false;
        return;
    }
    if (!TakeClick(s_btnContinue)) return;
    if (CustomTour()) {
        // The tour's next match: the toss, then the live match view.
        if (TourMatchesLeft() && StartNextCustomTourMatch()) {
            MatchView().PrepareForNewMatch();
            ChangeScreen(SCREEN_PRE_MATCH);
        }
        return;
    }
    const CustomMatchResult result = PlayNextCustomLeagueMatch();
    if (result == CustomMatchResult::ABANDONED)
        ShowMessage("The match could not be finished and is left out.", MSG_OK);
    RebuildRows();
}

void CCustomLeagueTableScreen::Render() {
    CGame& game = *g_game;
    DrawFullScreenFrame(CustomTour() ? "Custom Tour" : "Custom League");
    CFont* font = game.m_fontTable.get();
    DrawLeftColumn();
    // A long league shows the rows around the next match to play.
    const int count = static_cast<int>(sv_rows.size());
    int next = 0;
    while (next < count && sv_rows[static_cast<size_t>(next)].m_kind != ROW_SCHEDULED) ++next;
    const int first = std::max(0, std::min(next - RESULT_ROWS / 3, count - RESULT_ROWS));
    for (int k = first; k < count && k < first + RESULT_ROWS; ++k) {
        const FixtureListEntry& row = sv_rows[static_cast<size_t>(k)];
        g_system->DrawText(640, TABLE_TOP + ROW_STEP * (k - first), ALIGN_CENTRE, TEXT_WHITE, font, "%s - %s",
                           GroundText(row).c_str(), RowResult(row).c_str());
    }
    g_system->mp_controlList->Draw();
}

void CCustomLeagueTableScreen::Leave() {
    s_tableControls.Free();
    s_btnContinue = s_btnExit = nullptr;
}

}  // namespace ravel
