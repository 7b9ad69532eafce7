#include "screens/team/SideScreen.h"

#include <algorithm>
#include <iterator>

#include "screens/menus/CompetitionScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Eleven.h"
#include "season/News.h"
#include "season/Selection.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int COMBO_HEIGHT = 25;
// The position pop-up opens beside the row, from this y.
constexpr int POSITION_MENU_TOP = 200;
constexpr int ROW_HEIGHT = 20;

std::vector<FixtureListEntry> FixturesOf(int side, int season) {
    FixtureFilter filter;
    filter.AddTeam(side);
    filter.AddSeason(season);
    std::vector<FixtureListEntry> rows;
    BuildFixtureList(filter, rows, ORDER_DATE);
    return rows;
}

}  // namespace

void CSideScreen::ShowForDay(int32_t side, bool open) {
    const bool other = side != m_kept.side;
    m_kept.side = side;
    m_kept.requestedPage = m_kind.tacticsPage;
    if (m_open && other) {
        ChangeScreen(m_kind.screen);  // Enter again, for that side
    } else if (m_open) {
        m_page = m_kind.tacticsPage;
        m_kept.requestedPage = 0;
        Layout();
    } else if (open) {
        ChangeScreen(m_kind.screen);
    }
}

int CSideScreen::ScrollPosition() const {
    return m_scroll && !m_scroll->mb_disabled ? m_scroll->m_position : 0;
}

void CSideScreen::BeginVisit() {
    g_game->mb_screenFrame = 1;
    m_controls.Begin();
    m_page = OpeningPage(nullptr);
    m_view = VIEW_BASIC;
    m_roleRow = -1;
    m_positionPlayer = 0;
}

int32_t CSideScreen::OpeningPage(const PageChoices* saved) const {
    if (m_kept.requestedPage) return m_kept.requestedPage;
    return saved ? saved->m_page : SIDE_PAGE_SQUAD;
}

int32_t CSideScreen::CheckedPage(int32_t page) const {
    const auto has = [page](const auto& pages) {
        return std::find(pages.begin(), pages.end(), page) != pages.end();
    };
    if (page == 0 || !has(m_kind.pages) || (has(m_kind.coachPages) && !UserIsCoach())) return SIDE_PAGE_SQUAD;
    return page;
}

const PageChoices* CSideScreen::SavedChoices() const {
    const UserCoach* profile = CurrentProfile();
    const PageChoices* saved = profile ? &(profile->*m_kind.choices) : nullptr;
    return saved && saved->m_saved ? saved : nullptr;
}

void CSideScreen::RestoreListChoices(const PageChoices& saved) {
    CComboBox& view = *m_comboView;
    if (saved.m_viewIndex >= 0 && saved.m_viewIndex < view.ItemCount()) view.m_selected = saved.m_viewIndex;
    if (const ViewEntry* e = ViewEntryByValue(view.GetSelectedValue())) {
        m_view = e->view;
        SetSquadViewTitle(view, view.m_selected);
    }
    FillSortByList(*m_comboSort, m_view, m_kind.listPage);
    CComboBox& sort = *m_comboSort;
    if (saved.m_sortIndex >= 0 && saved.m_sortIndex < sort.ItemCount()) sort.m_selected = saved.m_sortIndex;
}

PageChoices* CSideScreen::SaveChoices() const {
    UserCoach* profile = CurrentProfile();
    if (!profile) return nullptr;
    PageChoices& saved = profile->*m_kind.choices;
    saved.m_saved = 1;
    saved.m_page = m_page;
    saved.m_view = m_view;
    saved.m_viewIndex = m_comboView ? m_comboView->m_selected : 0;
    saved.m_sortIndex = m_comboSort ? m_comboSort->m_selected : 0;
    return &saved;
}

void CSideScreen::EndVisit() {
    m_kept.requestedPage = 0;
    m_next = m_kind.nextMatch(m_kept.side);
    m_kept.battingSlot = std::clamp(m_kept.battingSlot, 0, XI_PLAYERS - 1);
    m_roleRow = -1;
    if (m_kept.side != g_cricket.m_team) m_profileSpot->Disable();
    m_open = true;
}

void CSideScreen::EndControls(std::initializer_list<CComboBox*> combos,
                              std::initializer_list<CPopupMenu*> menus) {
    m_open = false;
    mv_fixtures.clear();
    mv_squad.clear();
    for (CComboBox* combo : combos)
        if (combo) combo->ClearListItems();
    for (CPopupMenu* menu : menus)
        if (menu) menu->ClearListItems();
    m_controls.Free();
    m_comboView = m_comboSort = m_comboSeason = nullptr;
    m_menuPosition = m_menuRole = nullptr;
    m_btnSquad = m_btnFixtures = m_btnTactics = m_btnApply = nullptr;
    m_btnUp = m_btnDown = m_btnAuto = nullptr;
    std::fill(std::begin(m_rows), std::end(m_rows), nullptr);
    m_profileSpot = nullptr;
    m_scroll = nullptr;
}

CComboBox* CSideScreen::AddCombo(int x, int y, int width, const char* caption, const char* tooltip) {
    CComboBox* combo = m_controls.Add<CComboBox>(x, y, width, COMBO_HEIGHT, caption, tooltip);
    combo->m_collapsedHeight = COMBO_HEIGHT;
    return combo;
}

ScreenControls::ButtonRow CSideScreen::TabRow(int tab) {
    const ScreenControls::ButtonRow rows[] = {
        {&m_btnSquad, "Squad", "View current squad", 0, 0, 0},
        {&m_btnFixtures, "Fixtures", m_kind.fixturesTooltip, 0, 0, 0},
        {&m_btnTactics, "Tactics", "View team selection", 0, 0, 0},
    };
    ScreenControls::ButtonRow row = rows[tab];
    row.x = m_kind.tabX[static_cast<size_t>(tab)];
    row.y = m_kind.tabY;
    row.width = m_kind.tabWidth;
    return row;
}

ScreenControls::ButtonRow CSideScreen::ApplyRow() {
    return {&m_btnApply, "Apply", "Apply for the job of coach", 900, 10, 110};
}

ScreenControls::ButtonRow CSideScreen::OrderRow(bool up) {
    if (up)
        return {&m_btnUp, "Up", "Move this player up the batting order", 940, 320, m_kind.orderButtonWidth};
    return {&m_btnDown, "Down", "Move this player down the batting order", 940, 360, m_kind.orderButtonWidth};
}

ScreenControls::ButtonRow CSideScreen::AutoRow() {
    return {&m_btnAuto, "Auto Selection", m_kind.autoTooltip, 782, 173, 150};
}

void CSideScreen::ShowApply() {
    const SideRecord side = Shown();
    const StaffMember* user = CurrentUserStaff();
    const bool vacant = side && side.coach < 1 && user;
    ShowRow(m_btnApply, vacant);
    if (!vacant) return;
    const auto& applications = *side.applications;
    if (std::any_of(applications.begin(), applications.end(),
                    [user](const Application& a) { return a.second == user->m_id; }))
        m_btnApply->Disable();
}

void CSideScreen::Apply() {
    const StaffMember* user = CurrentUserStaff();
    if (!Shown() || !user) return;
    m_kind.applyForJob(m_kept.side, user->m_id);
    ShowMessage("You have applied for this job", MSG_OK);
    m_btnApply->Disable();
}

void CSideScreen::PlaceScroll(int x, int y, int width, int height, int entries, int rows) {
    CScrollBar& bar = *m_scroll;
    bar.SetRect(x, y, width, height);
    bar.m_position = 0;
    FitScrollBar(bar, entries, rows, true);
}

void CSideScreen::PlaceRows(int x, int top, int width) {
    for (int i = 0; i < m_kind.rowSpots; ++i)
        if (m_rows[i]) m_rows[i]->SetRect(x, top + ROW_HEIGHT * i, width, 19);
}

void CSideScreen::FitRows(int entries, int rows) {
    const int filled = entries - ScrollPosition();
    for (int i = 0; i < m_kind.rowSpots; ++i) ShowRow(m_rows[i], i < filled && i < rows);
}

void CSideScreen::FillSeasonList() {
    CComboBox& combo = *m_comboSeason;
    combo.ClearListItems();
    combo.m_selected = 0;
    const int current = g_cricket.m_date.m_season;
    const auto add = [&](const Season& s) {
        if (s.m_season < FIRST_SEASON || s.m_season > current) return;
        if (m_kind.seasonsNewestFirst && FixturesOf(m_kept.side, s.m_season).empty()) return;
        combo.AddListItem(s.m_label, s.m_season);
    };
    if (m_kind.seasonsNewestFirst) {
        std::for_each(g_world.mv_seasons.rbegin(), g_world.mv_seasons.rend(), add);
    } else {
        std::for_each(g_world.mv_seasons.begin(), g_world.mv_seasons.end(), add);
        combo.m_selected = std::max(0, combo.ItemCount() - 1);
    }
    if (combo.ItemCount() > 0)
        combo.SetCaption(combo.mv_items[static_cast<size_t>(combo.m_selected)].m_text);
    else
        ShowRow(&combo, false);
}

void CSideScreen::LoadFixtures(int season) {
    mv_fixtures = FixturesOf(m_kept.side, season);
    if (m_comboSeason && m_comboSeason->ItemCount() > 0)
        m_comboSeason->SetCaption(
            m_comboSeason->mv_items[static_cast<size_t>(m_comboSeason->m_selected)].m_text);
}

void CSideScreen::TakeViewChoice() {
    CComboBox& combo = *m_comboView;
    if (combo.m_comboState != COMBO_CHOSEN) return;
    if (const ViewEntry* e = ViewEntryByValue(combo.GetSelectedValue())) {
        m_view = e->view;
        SetSquadViewTitle(combo, combo.m_selected);
        FillSortByList(*m_comboSort, m_view, m_kind.listPage);
    }
    combo.Collapse();
}

void CSideScreen::TakeSortChoice() {
    CComboBox& combo = *m_comboSort;
    if (combo.m_comboState != COMBO_CHOSEN) return;
    SortList(m_view, combo.GetSelectedValue());
    combo.Collapse();
}

void CSideScreen::OpenPositionMenu(int row, int32_t playerId) {
    const SideRecord side = Shown();
    const Player* player = PlayerById(playerId);
    if (!side || !player) return;
    m_positionPlayer = playerId;
    ravel::OpenPositionMenu(*m_menuPosition, *side.xi, *player, m_kind.slotNames, 220,
                            POSITION_MENU_TOP + ROW_HEIGHT * row);
}

bool CSideScreen::TakeListRow(bool onList) {
    if (!onList) return false;
    for (int i = 0; i < m_kind.listRows; ++i) {
        CHotSpot* spot = m_rows[i];
        if (!spot || (spot->m_state != STATE_CLICKED && spot->m_state != STATE_RIGHT_CLICKED)) continue;
        const bool right = spot->m_state == STATE_RIGHT_CLICKED;
        spot->m_state = STATE_NORMAL;
        const int entry = ScrollPosition() + i;
        if (entry < 0 || entry >= static_cast<int>(mv_squad.size())) return false;
        const int32_t id = mv_squad[static_cast<size_t>(entry)];
        if (!right) {
            OpenPlayerDetails(id);
            return true;
        }
        const bool placing = m_page == m_kind.tacticsPage || m_kind.positionOnSquad;
        if (placing && Shown().human && m_menuPosition->m_menuState == MENU_CLOSED) OpenPositionMenu(i, id);
        return false;
    }
    return false;
}

void CSideScreen::TakeTactics() {
    const SideRecord side = Shown();
    const bool editable = side && (side.human || !m_kind.orderNeedsHuman);
    if (editable) {
        if (TakeClick(m_btnUp)) MoveUpBattingOrder(*side.xi, m_kept.battingSlot);
        if (TakeClick(m_btnDown)) MoveDownBattingOrder(*side.xi, m_kept.battingSlot);
    }
    TrackElevenPanel(*m_menuRole, editable ? side.xi : nullptr, m_kind.rightSelects, m_kept.battingSlot,
                     m_roleRow);
    TakeRoleChoice(*m_menuRole, side.xi, m_roleRow);
}

bool CSideScreen::TakeFixtures() {
    CComboBox& combo = *m_comboSeason;
    if (combo.m_comboState == COMBO_CHOSEN) {
        LoadFixtures(combo.GetSelectedValue());
        combo.Collapse();
        Layout();
        return false;
    }
    for (int i = 0; i < m_kind.fixtureRows; ++i) {
        if (!TakeClick(m_rows[i])) continue;
        const int entry = ScrollPosition() + i;
        if (entry < 0 || static_cast<size_t>(entry) >= mv_fixtures.size()) return false;
        const FixtureListEntry& row = mv_fixtures[static_cast<size_t>(entry)];
        const int c = row.m_competition;
        if (row.m_match != -1) {
            OpenScorecardOfMatch(row.m_match);
        } else if (c < COMP_TEST_CHAMPIONSHIP || (c >= COMP_FIRST_TOURNAMENT && c <= COMP_LAST_TOURNAMENT)) {
            OpenCompetition(c);
        } else if (c >= FIRST_TOUR_SERIES_ID) {
            if (TourSeriesById(c)) OpenSeriesOverview(c, m_kind.seriesBetweenCountries);
        } else if (c >= COMP_TOUR_THREE_DAY && c <= COMP_TOUR_FOUR_DAY) {
            OpenSide(m_kind.tourOpensHome ? row.m_home : row.m_away);
        } else {
            return false;  // Tests and one-day internationals have no page of their own
        }
        return true;
    }
    return false;
}

void CSideScreen::AutoSelect() {
    const SideRecord side = Shown();
    if (!side) return;
    int ground = 0;
    if (m_next.m_fixture >= 0 && static_cast<size_t>(m_next.m_fixture) < g_world.mv_fixtures.size())
        ground = g_world.mv_fixtures[static_cast<size_t>(m_next.m_fixture)].m_ground;
    if (!StoreAutoSelection(ChooseXI(m_kept.side, m_kind.national, OneDayCricket(), ground), *side.xi))
        ShowMessage("Your assistant could not find eleven fit players, so the team is as it was", MSG_OK);
}

}  // namespace ravel
