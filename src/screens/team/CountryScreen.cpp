#include "screens/team/CountryScreen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "screens/team/ElevenMenus.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/PlayerLists.h"
#include "screens/team/SquadRows.h"
#include "season/Coaches.h"
#include "season/Eleven.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using CC = CCountryScreen;

int32_t CC::s_country = 0;
int32_t CC::s_page = COUNTRY_PAGE_SQUAD;
bool CC::s_pageRequested = false;
int32_t CC::s_view = VIEW_BASIC;
int32_t CC::s_squadKind = SQUAD_HOME_TEST;
std::vector<int32_t> CC::sv_squad;
std::vector<int32_t> CC::sv_pool;
std::vector<FixtureListEntry> CC::sv_fixtures;
PlayerFilter CC::s_request;
int32_t CC::s_menuRow = -1;
int32_t CC::s_battingSlot = 0;
int32_t CC::s_roleRow = -1;
int32_t CC::s_replacing = 0;
NextMatch CC::s_next;
bool CC::s_open = false;
CComboBox* CC::s_comboView = nullptr;
CComboBox* CC::s_comboSort = nullptr;
CComboBox* CC::s_comboSeason = nullptr;
CPopupMenu* CC::s_menuPosition = nullptr;
CPopupMenu* CC::s_menuSquad = nullptr;
CPopupMenu* CC::s_menuRole = nullptr;
CButton* CC::s_btnSquad = nullptr;
CButton* CC::s_btnPool = nullptr;
CButton* CC::s_btnFixtures = nullptr;
CButton* CC::s_btnTactics = nullptr;
CButton* CC::s_btnFilters = nullptr;
CEditBox* CC::s_editSearch = nullptr;
CButton* CC::s_btnFind = nullptr;
CButton* CC::s_btnApply = nullptr;
CButton* CC::s_btnAutoSquad = nullptr;
CButton* CC::s_btnClearSquad = nullptr;
CScrollBar* CC::s_scroll = nullptr;
CButton* CC::s_btnUp = nullptr;
CButton* CC::s_btnDown = nullptr;
CButton* CC::s_btnAuto = nullptr;
CHotSpot* CC::s_rows[COUNTRY_ROW_SPOTS] = {};
CHotSpot* CC::s_profileSpot = nullptr;
CDialog* CC::s_dialog = nullptr;
CTickBox* CC::s_ticks[COUNTRY_SWITCHES] = {};
CButton* CC::s_btnOk = nullptr;

namespace {

ScreenControls s_controls;

constexpr int COMBO_HEIGHT = 25;

using ButtonRow = ScreenControls::ButtonRow;

constexpr ButtonRow BUTTONS[] = {
    {&CC::s_btnSquad, "Squad", "View current squad", 214, 108, 195},
    {&CC::s_btnPool, "Pool", "View available players", 414, 108, 195},
    {&CC::s_btnFixtures, "Fixtures", "View matches", 614, 108, 195},
    {&CC::s_btnTactics, "Tactics", "View team selection", 814, 108, 195},
    {&CC::s_btnFilters, "Filters", nullptr, 230, 650, 200},
    {&CC::s_btnFind, "Find", nullptr, 800, 650, 150},
    {&CC::s_btnApply, "Apply", "Apply for the job of coach", 900, 10, 110},
    {&CC::s_btnAutoSquad, "Auto select squad", "Selects a squad automatically", 230, 650, 150},
    {&CC::s_btnClearSquad, "Clear squad", "Clear the squad of all players", 450, 650, 200},
    {&CC::s_btnUp, "Up", "Move this player up the batting order", 940, 320, 70},
    {&CC::s_btnDown, "Down", "Move this player down the batting order", 940, 360, 70},
    {&CC::s_btnAuto, "Auto Selection", "Get your assistant to select the team", 782, 173, 150},
};

// The filter dialog's tick boxes and the request flag each sets.
struct Switch {
    int x, y;
    uint8_t& (*flag)(PlayerFilter&);
};
constexpr Switch SWITCHES[COUNTRY_SWITCHES] = {
    {5, 30, [](PlayerFilter& f) -> uint8_t& { return f.m_openers; }},
    {5, 50, [](PlayerFilter& f) -> uint8_t& { return f.m_specialists; }},
    {5, 70, [](PlayerFilter& f) -> uint8_t& { return f.m_allRounders; }},
    {5, 90, [](PlayerFilter& f) -> uint8_t& { return f.m_lateOrder; }},
    {5, 110, [](PlayerFilter& f) -> uint8_t& { return f.m_tailEnders; }},
    {150, 30, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[1]; }},
    {150, 50, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[2]; }},
    {150, 70, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[3]; }},
    {150, 90, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[4]; }},
    {150, 110, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[5]; }},
    {150, 130, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[6]; }},
    {150, 150, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[0]; }},
    {150, 170, [](PlayerFilter& f) -> uint8_t& { return f.m_keepers; }},
    {5, 170, [](PlayerFilter& f) -> uint8_t& { return f.m_injured; }},
};

Country* Shown() {
    return CountryById(CC::s_country);
}

// The shown side's eleven; none without a side.
int32_t (*ShownEleven())[XI_SIZE] {
    Country* country = Shown();
    return country ? &country->m_xi : nullptr;
}

bool OnListPage() {
    return CC::s_page == COUNTRY_PAGE_SQUAD || CC::s_page == COUNTRY_PAGE_POOL ||
           CC::s_page == COUNTRY_PAGE_TACTICS;
}

int ListCount() {
    return static_cast<int>(CC::ShownList().size());
}

void Hide(CControl* control) {
    ShowRow(control, false);
}

void ChangePage(int32_t page) {
    CC::s_page = page;
    CC::Layout();
}

bool Listed(int32_t id) {
    Country* country = Shown();
    if (!country) return false;
    const std::vector<int32_t>& list = SquadList(*country, CC::s_squadKind);
    return std::find(list.begin(), list.end(), id) != list.end();
}

// The list's player on the row from the scroll position; 0 for none.
int32_t PlayerOnRow(int row) {
    const int entry = CC::ScrollPosition() + row;
    const std::vector<int32_t>& list = CC::ShownList();
    return row >= 0 && entry >= 0 && entry < static_cast<int>(list.size()) ? list[static_cast<size_t>(entry)]
                                                                           : 0;
}

void PlaceRows(int x, int top, int width) {
    for (int i = 0; i < COUNTRY_ROW_SPOTS; ++i) CC::s_rows[i]->SetRect(x, top + 20 * i, width, 19);
}

// Row hot spots follow the rows that hold an entry.
void FitRows() {
    if (!OnListPage() && CC::s_page != COUNTRY_PAGE_FIXTURES) return;
    const bool fixtures = CC::s_page == COUNTRY_PAGE_FIXTURES;
    const int entries = fixtures ? static_cast<int>(CC::sv_fixtures.size()) : ListCount();
    const int rows = entries - CC::ScrollPosition();
    for (int i = 0; i < COUNTRY_ROW_SPOTS; ++i)
        ShowRow(CC::s_rows[i], i < rows && i < (fixtures ? COUNTRY_FIXTURE_ROWS : COUNTRY_LIST_ROWS));
}

void PlaceScroll(int x, int y, int height, int entries, int rows) {
    CScrollBar& bar = *CC::s_scroll;
    bar.SetRect(x, y, 17, height);
    bar.m_position = 0;
    FitScrollBar(bar, entries, rows, true);
}

void Apply() {
    Country* country = Shown();
    const StaffMember* user = CurrentUserStaff();
    if (!country || !user) return;
    ApplyForJob(*country, user->m_id);
    ShowMessage("You have applied for this job", MSG_OK);
    CC::s_btnApply->Disable();
}

bool HasApplied(const Country& country, int staffId) {
    return std::any_of(country.mv_applications.begin(), country.mv_applications.end(),
                       [staffId](const Application& a) { return a.second == staffId; });
}

void ShowApply() {
    const Country* country = Shown();
    const StaffMember* user = CurrentUserStaff();
    const bool vacant = country && country->m_coach < 1 && user;
    ShowRow(CC::s_btnApply, vacant);
    if (vacant && HasApplied(*country, user->m_id)) CC::s_btnApply->Disable();
}

void HandleViewChoice() {
    CComboBox& combo = *CC::s_comboView;
    if (combo.m_comboState != COMBO_CHOSEN) return;
    const int index = combo.m_selected;
    if (const ViewEntry* e = ViewEntryByValue(combo.GetSelectedValue())) {
        CC::s_view = e->view;
        SetSquadViewTitle(combo, index);
    }
    FillSortByList(*CC::s_comboSort, CC::s_view, ListPage::COUNTRY);
    combo.Collapse();
}

void OpenPositionMenu(int row, int32_t playerId) {
    const Country* country = Shown();
    const Player* player = PlayerById(playerId);
    if (!country || !player) return;
    CC::s_replacing = playerId;
    OpenPositionMenu(*CC::s_menuPosition, country->m_xi, *player, SlotNames::SURNAMES, 220,
                     COUNTRY_LIST_TOP - 10 + 20 * row);
}

// Update step 8: rows that open a player, and the Tactics right click.
bool HandleRows() {
    if (CC::s_page != COUNTRY_PAGE_SQUAD && CC::s_page != COUNTRY_PAGE_TACTICS) return false;
    for (int i = 0; i < COUNTRY_LIST_ROWS; ++i) {
        CHotSpot* spot = CC::s_rows[i];
        if (!spot || (spot->m_state != STATE_CLICKED && spot->m_state != STATE_RIGHT_CLICKED)) continue;
        const bool right = spot->m_state == STATE_RIGHT_CLICKED;
        spot->m_state = STATE_NORMAL;
        const int32_t id = PlayerOnRow(i);
        if (id <= 0) return false;
        if (!right) {
            OpenPlayerDetails(id);
            return true;
        }
        const Country* country = Shown();
        if (CC::s_page == COUNTRY_PAGE_TACTICS && country && country->m_human &&
            CC::s_menuPosition->m_menuState == MENU_CLOSED)
            OpenPositionMenu(i, id);
        return false;
    }
    return false;
}

// The squad menu at the pointer for a row of the list shown (Squad or Pool).
void OfferSquadMenu(bool pool) {
    const CSystem& sys = *g_system;
    CPopupMenu& menu = *CC::s_menuSquad;
    const Country* country = Shown();
    if (!country || !country->m_human || !CC::UserIsCoach() || CC::SquadLocked()) return;
    if (menu.m_menuState != MENU_CLOSED || (!pool && MessageBoxOpen())) return;
    const int x = sys.m_mouseX;
    const int y = sys.m_mouseY;
    if (x < 231 || x > 929 || y < 211 || y > 579 || !sys.mb_rightDown) return;
    const int row = (y - COUNTRY_LIST_TOP) / 20;
    if (row < 0 || row >= COUNTRY_LIST_ROWS) return;
    const int32_t id = PlayerOnRow(row);
    if (id <= 0) return;
    CC::s_menuRow = row;
    const bool listed = Listed(id);
    menu.mv_items[SQUAD_MENU_ADD].mb_greyed = listed ? 1 : 0;
    menu.mv_items[SQUAD_MENU_REMOVE].mb_greyed = listed ? 0 : 1;
    menu.Open(x, y);
}

void HandleSquadMenu() {
    CPopupMenu& menu = *CC::s_menuSquad;
    if (menu.m_menuState != MENU_CHOSEN) return;
    const int choice = menu.GetChosenValue();
    menu.Close();
    Country* country = Shown();
    const int32_t id = PlayerOnRow(CC::s_menuRow);
    if (!country || id <= 0 || choice == SQUAD_MENU_CANCEL) return;
    if (choice == SQUAD_MENU_ADD)
        AddToSquad(*country, id);
    else if (choice == SQUAD_MENU_REMOVE)
        RemoveFromSquad(*country, id);
    CC::RebuildSquadList();
    CC::Layout();
}

void AutoSquad() {
    Country* country = Shown();
    if (!country || CC::SquadLocked()) return;
    switch (CC::s_squadKind) {
        case SQUAD_HOME_TEST:
            SelectTestSquadB(*country, 1);
            break;
        case SQUAD_TOUR_TEST:
            SelectTestSquad(*country, 1);
            break;
        default:
            SelectOneDaySquad(*country, 1);
            break;
    }
}

void HandleSquadPage() {
    if (TakeClick(CC::s_btnAutoSquad)) {
        AutoSquad();
    } else if (TakeClick(CC::s_btnClearSquad)) {
        if (Country* country = Shown()) ClearSquad(*country);
    } else {
        OfferSquadMenu(false);
        HandleSquadMenu();
        return;
    }
    CC::RebuildSquadList();
    CC::Layout();
}

bool HandlePoolPage() {
    if (TakeClick(CC::s_btnFind)) {
        CC::ApplyFilter();
        CC::Layout();
        return false;
    }
    OfferSquadMenu(true);
    HandleSquadMenu();
    for (int i = 0; i < COUNTRY_LIST_ROWS; ++i) {
        if (!TakeClick(CC::s_rows[i])) continue;
        const int32_t id = PlayerOnRow(i);
        if (id <= 0) return false;
        OpenPlayerDetails(id);
        return true;
    }
    return false;
}

void HandleTactics() {
    Country* country = Shown();
    const bool human = country && country->m_human;
    if (human) {
        if (TakeClick(CC::s_btnUp)) MoveUpBattingOrder(country->m_xi, CC::s_battingSlot);
        if (TakeClick(CC::s_btnDown)) MoveDownBattingOrder(country->m_xi, CC::s_battingSlot);
    }
    TrackElevenPanel(*CC::s_menuRole, human ? &country->m_xi : nullptr, false, CC::s_battingSlot,
                     CC::s_roleRow);
    TakeRoleChoice(*CC::s_menuRole, ShownEleven(), CC::s_roleRow);
}

// Update step 12: the season drop-down and the fixture rows.
bool HandleFixtures() {
    CComboBox& combo = *CC::s_comboSeason;
    if (combo.m_comboState == COMBO_CHOSEN) {
        CC::LoadFixtures(combo.GetSelectedValue());
        combo.Collapse();
        CC::Layout();
        return false;
    }
    for (int i = 0; i < COUNTRY_FIXTURE_ROWS; ++i) {
        if (!TakeClick(CC::s_rows[i])) continue;
        const int entry = CC::ScrollPosition() + i;
        if (entry < 0 || static_cast<size_t>(entry) >= CC::sv_fixtures.size()) return false;
        const FixtureListEntry& row = CC::sv_fixtures[static_cast<size_t>(entry)];
        const int c = row.m_competition;
        if (row.m_match != -1) {
            OpenScorecardOfMatch(row.m_match);
        } else if (c < COMP_TEST_CHAMPIONSHIP || (c >= COMP_FIRST_TOURNAMENT && c <= COMP_LAST_TOURNAMENT)) {
            OpenCompetition(c);
        } else if (c >= FIRST_TOUR_SERIES_ID) {
            OpenSeriesOverview(c, true);
        } else if (c >= COMP_TOUR_THREE_DAY && c <= COMP_TOUR_FOUR_DAY) {
            OpenSide(row.m_home);
        } else {
            return false;
        }
        return true;
    }
    return false;
}

// Re-sorts the list of the tab being left before the tab changes.
// The new tab's list is sorted by the key the "Sort by" drop-down shows.
void SwitchTab(int32_t page) {
    const bool changed = CC::s_page != page;
    ChangePage(page);
    if (changed && CC::s_comboSort) CC::SortPlayerList(CC::s_view, CC::s_comboSort->GetSelectedValue());
}

void MakeControls() {
    s_controls.Begin();
    const struct {
        CComboBox** combo;
        const char* caption;
        const char* tooltip;
        int x, width;
    } combos[] = {{&CC::s_comboView, "Basic", "Select data to view", 330, 250},
                  {&CC::s_comboSort, "Name", "Sort players by", 745, 250},
                  {&CC::s_comboSeason, nullptr, "Select season", 800, 150}};
    for (const auto& row : combos) {
        CComboBox* combo =
            s_controls.Add<CComboBox>(row.x, 140, row.width, COMBO_HEIGHT, row.caption, row.tooltip);
        combo->m_collapsedHeight = COMBO_HEIGHT;
        *row.combo = combo;
    }
    CC::s_menuPosition = s_controls.Add<CPopupMenu>(1, 1, 350, 20);
    CC::s_menuPosition->m_width = 350;
    CC::s_menuSquad = s_controls.Add<CPopupMenu>(1, 1, 250, 20);
    CC::s_menuSquad->m_width = 250;
    CC::s_menuSquad->AddListItem("Add to squad", SQUAD_MENU_ADD);
    CC::s_menuSquad->AddListItem("Remove from squad", SQUAD_MENU_REMOVE);
    CC::s_menuSquad->AddListItem("Cancel", SQUAD_MENU_CANCEL);
    s_controls.AddButtons(BUTTONS, 1);
    CC::s_editSearch = s_controls.Add<CEditBox>(600, 650, 180, 30);
    CC::s_scroll = s_controls.Add<CScrollBar>(990, 210, 17, 400);
    CC::s_scroll->mb_horizontal = 0;
    CC::s_menuRole = s_controls.Add<CPopupMenu>(1, 1, 150, 20);
    CC::s_menuRole->m_width = 150;
    FillRoleMenu(*CC::s_menuRole);
    for (CHotSpot*& row : CC::s_rows) row = s_controls.Add<CHotSpot>(210, 210, 770, 19);
    CC::s_profileSpot = s_controls.Add<CHotSpot>(382, 51, 260, 20, nullptr, "Visit profile page");
    CC::s_dialog = s_controls.Add<CDialog>(212, 234, 600, 300, "Filter options");
    CC::s_dialog->mb_visible = 0;
    CC::s_dialog->mp_drawCallback = CC::DrawSquadFilterLabels;
    for (int i = 0; i < COUNTRY_SWITCHES; ++i) {
        CTickBox* tick = s_controls.Make<CTickBox>(SWITCHES[i].x, SWITCHES[i].y, 20, 20);
        tick->mb_ticked = 1;
        CC::s_dialog->AddChild(tick);
        CC::s_ticks[i] = tick;
    }
    CC::s_btnOk = s_controls.Make<CButton>(150, 220, 100, 30, "Ok");
    CC::s_dialog->AddChild(CC::s_btnOk);
    FillViewList(*CC::s_comboView, ListPage::COUNTRY);
    FillSortByList(*CC::s_comboSort, VIEW_BASIC, ListPage::COUNTRY);
}

// Saved positions come back only where they still name an item.
void RestoreChoices(const PageChoices& saved) {
    CComboBox& view = *CC::s_comboView;
    if (saved.m_viewIndex >= 0 && saved.m_viewIndex < view.ItemCount()) view.m_selected = saved.m_viewIndex;
    if (const ViewEntry* e = ViewEntryByValue(view.GetSelectedValue())) {
        CC::s_view = e->view;
        SetSquadViewTitle(view, view.m_selected);
    }
    FillSortByList(*CC::s_comboSort, CC::s_view, ListPage::COUNTRY);
    CComboBox& sort = *CC::s_comboSort;
    if (saved.m_sortIndex >= 0 && saved.m_sortIndex < sort.ItemCount()) sort.m_selected = saved.m_sortIndex;
    CC::s_request = saved.m_search;
    for (int i = 0; i < COUNTRY_SWITCHES; ++i)
        CC::s_ticks[i]->mb_ticked = SWITCHES[i].flag(CC::s_request) ? 1 : 0;
    CC::s_editSearch->SetCaption(CC::s_request.m_name.c_str());
    if (!CC::s_pageRequested) CC::s_page = saved.m_page;
    CC::ApplyFilter();
    CC::SortPlayerList(CC::s_view, sort.GetSelectedValue());
}

}  // namespace

bool CC::UserIsCoach() {
    const StaffMember* user = CurrentUserStaff();
    return user && user->m_nationalJob > 0 && user->m_nationalJob == s_country && Shown();
}

bool CC::SquadLocked() {
    Country* country = Shown();
    const uint8_t* lock = country ? SquadLock(*country, s_squadKind) : nullptr;
    return lock && *lock;
}

int CC::ScrollPosition() {
    return s_scroll && !s_scroll->mb_disabled ? s_scroll->m_position : 0;
}

const std::vector<int32_t>& CC::ShownList() {
    return s_page == COUNTRY_PAGE_POOL ? sv_pool : sv_squad;
}

void CC::ApplyFilter() {
    sv_pool.clear();
    s_request.m_name = s_editSearch ? s_editSearch->m_caption : "";
    s_request.m_nationality = s_country;
    for (int i = 0; i < COUNTRY_SWITCHES; ++i)
        if (s_ticks[i]) SWITCHES[i].flag(s_request) = s_ticks[i]->mb_ticked ? 1 : 0;
    // Players retired from the squad's format could never join it.
    const bool oneDay = IsOneDaySquadKind(s_squadKind);
    s_request.m_odiRetired = oneDay ? 0 : 1;
    s_request.m_testRetired = oneDay ? 1 : 0;
    s_request.m_available = 0;
    SearchPlayers(s_request, sv_pool);
    for (int32_t id : sv_pool)
        if (Player* p = PlayerById(id))
            for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
    if (s_page == COUNTRY_PAGE_POOL && s_comboSort) SortPlayerList(s_view, s_comboSort->GetSelectedValue());
}

void CC::RebuildSquadList() {
    sv_squad.clear();
    Country* country = Shown();
    if (!country) return;
    for (int32_t id : SquadList(*country, s_squadKind)) {
        Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) continue;
        for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
        sv_squad.push_back(id);
    }
    if (s_page == COUNTRY_PAGE_SQUAD && s_comboSort) SortPlayerList(s_view, s_comboSort->GetSelectedValue());
}

void CC::SortPlayerList(int view, int value) {
    std::vector<int32_t>& list = s_page == COUNTRY_PAGE_POOL ? sv_pool : sv_squad;
    const SortColumn* column = SortByColumn(list, view, value, ListPage::COUNTRY);
    if (column && s_comboSort) s_comboSort->SetCaption(SortCaption(*column, view, ListPage::COUNTRY));
}

void CC::AutoSelect() {
    Country* country = Shown();
    if (!country) return;
    int ground = 0;
    if (s_next.m_fixture >= 0 && static_cast<size_t>(s_next.m_fixture) < g_world.mv_fixtures.size())
        ground = g_world.mv_fixtures[static_cast<size_t>(s_next.m_fixture)].m_ground;
    if (!StoreAutoSelection(ChooseXI(country->m_id, true, IsOneDaySquadKind(s_squadKind), ground),
                            country->m_xi))
        ShowMessage("Your assistant could not find eleven fit players, so the team is as it was", MSG_OK);
}

void CC::LoadFixtures(int season) {
    FixtureFilter filter;
    filter.AddTeam(s_country);
    filter.AddSeason(season);
    sv_fixtures.clear();
    BuildFixtureList(filter, sv_fixtures, ORDER_DATE);
    if (!s_comboSeason) return;
    for (const ListItem& item : s_comboSeason->mv_items)
        if (item.m_value == season) s_comboSeason->SetCaption(item.m_text);
}

void CC::FillSeasonList() {
    CComboBox& combo = *s_comboSeason;
    combo.ClearListItems();
    const int current = g_cricket.m_date.m_season;
    for (const Season& s : g_world.mv_seasons)
        if (s.m_season >= FIRST_SEASON && s.m_season <= current) combo.AddListItem(s.m_label, s.m_season);
    combo.m_selected = std::max(0, combo.ItemCount() - 1);
}

void CC::Layout() {
    if (!s_open) return;
    for (CControl* c : std::initializer_list<CControl*>{s_btnFilters, s_btnFind, s_editSearch, s_btnAutoSquad,
                                                        s_btnClearSquad, s_comboView, s_comboSort,
                                                        s_comboSeason, s_btnUp, s_btnDown, s_btnAuto})
        Hide(c);
    for (CHotSpot* row : s_rows) Hide(row);
    const int count = ListCount();
    switch (s_page) {
        case COUNTRY_PAGE_SQUAD:
            ShowRow(s_btnAutoSquad, true);
            ShowRow(s_btnClearSquad, true);
            if (!UserIsCoach() || SquadLocked()) {
                s_btnAutoSquad->Disable();
                s_btnClearSquad->Disable();
            }
            ShowRow(s_comboView, true);
            ShowRow(s_comboSort, true);
            PlaceScroll(990, COUNTRY_LIST_TOP, 360, count, COUNTRY_LIST_ROWS);
            PlaceRows(210, COUNTRY_LIST_TOP, 770);
            break;
        case COUNTRY_PAGE_TACTICS:
            ShowRow(s_btnUp, true);
            ShowRow(s_btnDown, true);
            ShowRow(s_btnAuto, true);
            PlaceScroll(530, COUNTRY_LIST_TOP, 400, count, COUNTRY_LIST_ROWS);
            PlaceRows(220, COUNTRY_LIST_TOP, 200);
            break;
        case COUNTRY_PAGE_POOL:
            ShowRow(s_editSearch, true);
            ShowRow(s_btnFind, true);
            ShowRow(s_btnFilters, true);
            ShowRow(s_comboView, true);
            ShowRow(s_comboSort, true);
            PlaceScroll(990, COUNTRY_LIST_TOP, 360, count, COUNTRY_LIST_ROWS);
            PlaceRows(210, COUNTRY_LIST_TOP, 770);
            break;
        case COUNTRY_PAGE_FIXTURES: {
            ShowRow(s_comboSeason, s_comboSeason->ItemCount() > 0);
            const int entries = static_cast<int>(sv_fixtures.size());
            PlaceScroll(990, COUNTRY_FIXTURE_TOP, 400, entries, COUNTRY_FIXTURE_ROWS);
            PlaceRows(210, COUNTRY_FIXTURE_TOP, 770);
            break;
        }
        default:
            break;
    }
    FitRows();
}

void CC::ShowForDay(int32_t side, bool open) {
    s_page = COUNTRY_PAGE_TACTICS;
    s_pageRequested = true;
    g_screenSubjects.m_countryId = side;
    if (s_open && side != s_country) {
        ChangeScreen(SCREEN_COUNTRY);  // Enter again, for that country
    } else if (s_open) {
        Layout();
        s_pageRequested = false;
    } else if (open) {
        ChangeScreen(SCREEN_COUNTRY);
    }
}

void CC::Enter() {
    s_country = g_screenSubjects.m_countryId;
    Country* country = Shown();
    s_squadKind = country ? country->m_squadKind : SQUAD_HOME_TEST;
    g_game->mb_screenFrame = 1;
    MakeControls();
    ShowApply();
    const bool coach = UserIsCoach();
    if (!coach) {
        s_btnPool->Disable();
        s_btnTactics->Disable();
    }
    FillSeasonList();
    LoadFixtures(g_cricket.m_date.m_season);
    s_view = VIEW_BASIC;
    ApplyFilter();
    RebuildSquadList();
    const UserCoach* profile = CurrentProfile();
    const bool saved = profile && profile->m_countryPage.m_saved;
    if (saved) {
        RestoreChoices(profile->m_countryPage);
    } else if (!s_pageRequested) {
        s_page = COUNTRY_PAGE_SQUAD;
    }
    s_pageRequested = false;
    const bool known = s_page == COUNTRY_PAGE_SQUAD || s_page == COUNTRY_PAGE_POOL ||
                       s_page == COUNTRY_PAGE_FIXTURES || s_page == COUNTRY_PAGE_TACTICS;
    // Pool and Tactics are the national coach's own.
    if (!known || ((s_page == COUNTRY_PAGE_POOL || s_page == COUNTRY_PAGE_TACTICS) && !coach))
        s_page = COUNTRY_PAGE_SQUAD;
    s_next = FindNextMatch(0, s_country);
    s_battingSlot = std::clamp(s_battingSlot, 0, XI_PLAYERS - 1);
    s_roleRow = -1;
    if (s_country != g_cricket.m_team) s_profileSpot->Disable();
    s_open = true;
    Layout();
    if (saved && s_page == COUNTRY_PAGE_POOL) {
        CScrollBar& bar = *s_scroll;
        const int position = profile->m_countryPage.m_scroll;
        if (!bar.mb_disabled && position >= bar.m_min && position <= bar.m_max) bar.m_position = position;
        FitRows();
    }
}

void CC::Update() {
    if (s_dialog->mb_visible && TakeClick(s_btnOk)) {
        ApplyFilter();
        Layout();
        s_dialog->Close();
        return;
    }
    if (TakeClick(s_btnApply)) return Apply();
    if (TakeClick(s_profileSpot)) return OpenUserProfile();
    if (s_scroll->mb_visible) WheelScroll(*s_scroll);
    FitRows();
    HandleViewChoice();
    TakePositionChoice(*s_menuPosition, ShownEleven(), s_replacing);
    if (s_comboSort->m_comboState == COMBO_CHOSEN) {
        SortPlayerList(s_view, s_comboSort->GetSelectedValue());
        s_comboSort->Collapse();
    }
    if (HandleRows()) return;
    if (s_page == COUNTRY_PAGE_SQUAD) HandleSquadPage();
    if (s_page == COUNTRY_PAGE_POOL && HandlePoolPage()) return;
    if (s_page == COUNTRY_PAGE_TACTICS) HandleTactics();
    if (s_page == COUNTRY_PAGE_FIXTURES && HandleFixtures()) return;
    if (TakeClick(s_btnSquad)) return SwitchTab(COUNTRY_PAGE_SQUAD);
    if (TakeClick(s_btnFixtures)) return ChangePage(COUNTRY_PAGE_FIXTURES);
    if (TakeClick(s_btnPool)) return SwitchTab(COUNTRY_PAGE_POOL);
    if (TakeClick(s_btnFilters)) s_dialog->mb_visible = 1;
    if (TakeClick(s_btnTactics)) return ChangePage(COUNTRY_PAGE_TACTICS);
    if (s_page == COUNTRY_PAGE_TACTICS && TakeClick(s_btnAuto)) AutoSelect();
}

void CC::Leave() {
    if (UserCoach* profile = CurrentProfile()) {
        PageChoices& saved = profile->m_countryPage;
        saved.m_saved = 1;
        saved.m_page = s_page;
        saved.m_view = s_view;
        saved.m_scroll = ScrollPosition();
        saved.m_search = s_request;
        saved.m_viewIndex = s_comboView ? s_comboView->m_selected : 0;
        saved.m_sortIndex = s_comboSort ? s_comboSort->m_selected : 0;
    }
    s_open = false;
    sv_pool.clear();
    for (CComboBox* combo : {s_comboView, s_comboSort, s_comboSeason})
        if (combo) combo->ClearListItems();
    for (CPopupMenu* menu : {s_menuPosition, s_menuSquad, s_menuRole})
        if (menu) menu->ClearListItems();
    s_controls.Free();
    s_comboView = s_comboSort = s_comboSeason = nullptr;
    s_menuPosition = s_menuSquad = s_menuRole = nullptr;
    for (const ButtonRow& row : BUTTONS) *row.button = nullptr;
    s_editSearch = nullptr;
    s_scroll = nullptr;
    std::fill(std::begin(s_rows), std::end(s_rows), nullptr);
    std::fill(std::begin(s_ticks), std::end(s_ticks), nullptr);
    s_profileSpot = nullptr;
    s_dialog = nullptr;
    s_btnOk = nullptr;
}

}  // namespace ravel
