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

namespace {

constexpr int TABLE_TOP = 115;
constexpr int ROW_STEP = 17;
constexpr int RESULT_ROWS = 33;

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

void CCustomLeagueScreen::FillChosenList(int select) {
    mv_chosenLines.clear();
    m_chosen->mv_lines.clear();
    for (int32_t id : m_choice.mv_sides) {
        ListItem& line = mv_chosenLines.emplace_back();
        line.SetText(SideName(id));
        line.m_value = id;
        m_chosen->mv_lines.push_back(&line);
    }
    m_chosen->m_selected = 0;
    m_chosen->m_top = 0;
    if (select >= 0) m_chosen->SetSelection(select);
    m_chosen->UpdateScrollRange();
    // A league needs two sides.
    SetEnabled(m_btnPlay, m_choice.mv_sides.size() >= 2);
}

void CCustomLeagueTableScreen::RebuildRows() {
    mv_rows.clear();
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
    BuildFixtureList(filter, mv_rows, ORDER_DATE);
    if (!CustomTour()) return;
    std::erase_if(mv_rows, [](const FixtureListEntry& row) {
        if (row.m_fixture < 0) return !IsCustomTourMatch(row.m_match);
        const size_t at = static_cast<size_t>(row.m_fixture);
        return at >= g_world.mv_fixtures.size() || !IsCustomTourFixture(g_world.mv_fixtures[at].m_id);
    });
}

void CCustomGameScreen::Enter() {
    m_controls.Begin();
    m_btnBack = m_controls.Add<CButton>(20, 720, 110, 30, "Back");
    m_btnTour = m_controls.Add<CButton>(362, 150, 300, 30, "Create Custom Tour");
    m_btnLeague = m_controls.Add<CButton>(362, 300, 300, 30, "Create League");
    g_game->mb_screenFrame = 0;
}

void CCustomGameScreen::Update() {
    if (TakeClick(m_btnBack)) return ChangeScreen(SCREEN_START_MENU);
    if (TakeClick(m_btnTour)) {
        g_cricket.m_gameMode = MODE_CUSTOM_TOUR;
        return ChangeScreen(SCREEN_CUSTOM_TOUR_SETUP);
    }
    if (TakeClick(m_btnLeague)) {
        g_cricket.m_gameMode = MODE_CUSTOM_LEAGUE;
        return ChangeScreen(SCREEN_CUSTOM_LEAGUE_SETUP);
    }
}

void CCustomGameScreen::Render() {
    DrawFullScreenFrame("Setup Custom Game");
    g_system->mp_controlList->Draw();
}

void CCustomGameScreen::Leave() {
    m_controls.Free();
    m_btnBack = m_btnTour = m_btnLeague = nullptr;
}

void CCustomLeagueScreen::Enter() {
    m_controls.Begin();
    m_btnBack = m_controls.Add<CButton>(10, 720, 160, 30, "Back");
    m_btnPlay = m_controls.Add<CButton>(900, 720, 110, 30, "Play");
    m_btnAdd = m_controls.Add<CButton>(400, 310, 110, 30, "Add");
    m_btnRemove = m_controls.Add<CButton>(600, 310, 110, 30, "Remove");
    m_allSides = m_controls.Add<CListPanel>(30, 230, 250, 300);
    m_chosen = m_controls.Add<CListPanel>(700, 230, 250, 300);
    mv_allLines.clear();
    for (const Team& t : g_world.mv_teams) {
        ListItem& line = mv_allLines.emplace_back();
        line.SetText(t.m_name);
        line.m_value = t.m_id;
        m_allSides->mv_lines.push_back(&line);
    }
    m_allSides->UpdateScrollRange();
    m_choice = {};
    FillChosenList(-1);
    g_game->mb_screenFrame = 0;
}

void CCustomLeagueScreen::Update() {
    if (TakeClick(m_btnBack)) return ChangeScreen(SCREEN_CUSTOM_GAME);
    if (TakeClick(m_btnPlay) && m_choice.mv_sides.size() >= 2) {
        CreateCustomLeague(m_choice.mv_sides);
        return ChangeScreen(SCREEN_CUSTOM_LEAGUE_TABLE);
    }
    if (TakeClick(m_btnAdd)) {
        const int line = m_allSides->GetSelection();
        if (line >= 0 && static_cast<size_t>(line) < m_allSides->mv_lines.size() &&
            m_choice.Add(m_allSides->mv_lines[static_cast<size_t>(line)]->m_value))
            FillChosenList(static_cast<int>(m_choice.mv_sides.size()) - 1);
    }
    if (TakeClick(m_btnRemove)) {
        const int line = m_chosen->GetSelection();
        if (line >= 0 && static_cast<size_t>(line) < m_chosen->mv_lines.size() &&
            m_choice.Remove(m_chosen->mv_lines[static_cast<size_t>(line)]->m_value))
            FillChosenList(std::min(line, static_cast<int>(m_choice.mv_sides.size()) - 1));
    }
}

void CCustomLeagueScreen::Render() {
    DrawFullScreenFrame("Setup Custom League");
    g_system->mp_controlList->Draw();
}

void CCustomLeagueScreen::Leave() {
    m_controls.Free();
    mv_allLines.clear();
    mv_chosenLines.clear();
    m_btnBack = m_btnPlay = m_btnAdd = m_btnRemove = nullptr;
    m_allSides = m_chosen = nullptr;
}

void CCustomLeagueTableScreen::Enter() {
    m_controls.Begin();
    m_btnContinue = m_controls.Add<CButton>(250, 70, 110, 30, "Continue");
    m_btnExit = m_controls.Add<CButton>(370, 70, 110, 30, "Exit");
    g_game->mb_screenFrame = 0;
    if (CustomTour()) SetEnabled(m_btnContinue, TourMatchesLeft());
    RebuildRows();
}

void CCustomLeagueTableScreen::Update() {
    if (TakeClick(m_btnExit)) {
        g_game->m_running = false;
        return;
    }
    if (!TakeClick(m_btnContinue)) return;
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
    const int count = static_cast<int>(mv_rows.size());
    int next = 0;
    while (next < count && mv_rows[static_cast<size_t>(next)].m_kind != ROW_SCHEDULED) ++next;
    const int first = std::max(0, std::min(next - RESULT_ROWS / 3, count - RESULT_ROWS));
    for (int k = first; k < count && k < first + RESULT_ROWS; ++k) {
        const FixtureListEntry& row = mv_rows[static_cast<size_t>(k)];
        g_system->DrawText(640, TABLE_TOP + ROW_STEP * (k - first), ALIGN_CENTRE, TEXT_WHITE, font, "%s - %s",
                           GroundText(row).c_str(), RowResult(row).c_str());
    }
    g_system->mp_controlList->Draw();
}

void CCustomLeagueTableScreen::Leave() {
    m_controls.Free();
    m_btnContinue = m_btnExit = nullptr;
}

}  // namespace ravel
