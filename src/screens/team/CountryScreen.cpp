#include "screens/team/CountryScreen.h"

#include <algorithm>
#include <iterator>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenTable.h"
#include "screens/team/CoachProfileScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Coaches.h"
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

namespace {

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

SideRecord NationRecord(int32_t id) {
    Country* country = CountryById(id);
    if (!country) return {};
    return {country->m_id,    country->m_name, country->m_coach,
            country->m_human, &country->m_xi,  &country->mv_applications};
}

const SideKind NATION = {
    .screen = SCREEN_COUNTRY,
    .firstSide = 0,
    .tacticsPage = COUNTRY_PAGE_TACTICS,
    .pages = {COUNTRY_PAGE_SQUAD, COUNTRY_PAGE_POOL, COUNTRY_PAGE_FIXTURES, COUNTRY_PAGE_TACTICS},
    // Pool and Tactics are the national coach's own.
    .coachPages = {COUNTRY_PAGE_POOL, COUNTRY_PAGE_TACTICS},
    .choices = &UserCoach::m_countryPage,

    .listPage = ListPage::COUNTRY,
    .slotNames = SlotNames::SURNAMES,
    .national = true,
    .listRows = COUNTRY_LIST_ROWS,
    .rowSpots = COUNTRY_ROW_SPOTS,
    .fixtureRows = COUNTRY_FIXTURE_ROWS,
    .positionOnSquad = false,
    .rightSelects = false,
    .orderNeedsHuman = true,
    .tourOpensHome = true,
    .seriesBetweenCountries = true,
    .venueIsGround = false,
    .seasonsNewestFirst = false,
    .fixtureColumns = {{{"Date", 230}, {"Opposition", 390}, {"Venue", 600}, {"Comp", 680}, {"Result", 740}}},
    .tabX = {214, 614, 814},
    .tabY = 108,
    .tabWidth = 195,
    .fixturesTooltip = "View matches",
    .orderButtonWidth = 70,
    .autoTooltip = "Get your assistant to select the team",
    .find = NationRecord,
    .applyForJob =
        [](int32_t id, int staffId) {
            if (Country* country = CountryById(id)) ApplyForJob(*country, staffId);
        },
    .userIsCoach =
        [](int32_t id) {
            const StaffMember* user = CurrentUserStaff();
            return user && user->m_nationalJob > 0 && user->m_nationalJob == id && CountryById(id);
        },
    .nextMatch = [](int32_t id) { return FindNextMatch(0, id); },
};

}  // namespace

CC::CCountryScreen() : CSideScreen(NATION) {}

std::array<ScreenControls::ButtonRow, 12> CC::Buttons() {
    return {TabRow(0),
            {&m_btnPool, "Pool", "View available players", 414, 108, 195},
            TabRow(1),
            TabRow(2),
            {&m_btnFilters, "Filters", nullptr, 230, 650, 200},
            {&m_btnFind, "Find", nullptr, 800, 650, 150},
            ApplyRow(),
            {&m_btnAutoSquad, "Auto select squad", "Selects a squad automatically", 230, 650, 150},
            {&m_btnClearSquad, "Clear squad", "Clear the squad of all players", 450, 650, 200},
            OrderRow(true),
            OrderRow(false),
            AutoRow()};
}

bool CC::OnListPage() const {
    return m_page == COUNTRY_PAGE_SQUAD || m_page == COUNTRY_PAGE_POOL || m_page == COUNTRY_PAGE_TACTICS;
}

void CC::ChangePage(int32_t page) {
    m_page = page;
    Layout();
}

// Re-sorts the list of the tab being left before the tab changes.
// The new tab's list is sorted by the key the "Sort by" drop-down shows.
void CC::SwitchTab(int32_t page) {
    const bool changed = m_page != page;
    ChangePage(page);
    if (changed && m_comboSort) SortPlayerList(m_view, m_comboSort->GetSelectedValue());
}

void CC::FitRowSpots() {
    if (m_page == COUNTRY_PAGE_FIXTURES)
        FitRows(static_cast<int>(mv_fixtures.size()), COUNTRY_FIXTURE_ROWS);
    else if (OnListPage())
        FitRows(static_cast<int>(ShownList().size()), COUNTRY_LIST_ROWS);
}

bool CC::Listed(int32_t id) const {
    Country* country = CountryById(Side());
    if (!country) return false;
    const std::vector<int32_t>& list = SquadList(*country, m_squadKind);
    return std::find(list.begin(), list.end(), id) != list.end();
}

// The list's player on the row from the scroll position; 0 for none.
int32_t CC::PlayerOnRow(int row) const {
    const int entry = ScrollPosition() + row;
    const std::vector<int32_t>& list = ShownList();
    return row >= 0 && entry >= 0 && entry < static_cast<int>(list.size()) ? list[static_cast<size_t>(entry)]
                                                                           : 0;
}

// The squad menu at the pointer for a row of the list shown (Squad or Pool).
void CC::OfferSquadMenu(bool pool) {
    const CSystem& sys = *g_system;
    CPopupMenu& menu = *m_menuSquad;
    const Country* country = CountryById(Side());
    if (!country || !country->m_human || !UserIsCoach() || SquadLocked()) return;
    if (menu.m_menuState != MENU_CLOSED || (!pool && MessageBoxOpen())) return;
    const int x = sys.m_mouseX;
    const int y = sys.m_mouseY;
    if (x < 231 || x > 929 || y < 211 || y > 579 || !sys.mb_rightDown) return;
    const int row = (y - COUNTRY_LIST_TOP) / 20;
    if (row < 0 || row >= COUNTRY_LIST_ROWS) return;
    const int32_t id = PlayerOnRow(row);
    if (id <= 0) return;
    m_menuRow = row;
    const bool listed = Listed(id);
    menu.mv_items[SQUAD_MENU_ADD].mb_greyed = listed ? 1 : 0;
    menu.mv_items[SQUAD_MENU_REMOVE].mb_greyed = listed ? 0 : 1;
    menu.Open(x, y);
}

void CC::TakeSquadMenu() {
    CPopupMenu& menu = *m_menuSquad;
    if (menu.m_menuState != MENU_CHOSEN) return;
    const int choice = menu.GetChosenValue();
    menu.Close();
    Country* country = CountryById(Side());
    const int32_t id = PlayerOnRow(m_menuRow);
    if (!country || id <= 0 || choice == SQUAD_MENU_CANCEL) return;
    if (choice == SQUAD_MENU_ADD)
        AddToSquad(*country, id);
    else if (choice == SQUAD_MENU_REMOVE)
        RemoveFromSquad(*country, id);
    RebuildSquadList();
    Layout();
}

void CC::AutoSquad() {
    Country* country = CountryById(Side());
    if (!country || SquadLocked()) return;
    switch (m_squadKind) {
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

void CC::TakeSquadPage() {
    if (TakeClick(m_btnAutoSquad)) {
        AutoSquad();
    } else if (TakeClick(m_btnClearSquad)) {
        if (Country* country = CountryById(Side())) ClearSquad(*country);
    } else {
        OfferSquadMenu(false);
        TakeSquadMenu();
        return;
    }
    RebuildSquadList();
    Layout();
}

bool CC::TakePoolPage() {
    if (TakeClick(m_btnFind)) {
        ApplyFilter();
        Layout();
        return false;
    }
    OfferSquadMenu(true);
    TakeSquadMenu();
    for (int i = 0; i < COUNTRY_LIST_ROWS; ++i) {
        if (!TakeClick(m_rows[i])) continue;
        const int32_t id = PlayerOnRow(i);
        if (id <= 0) return false;
        OpenPlayerDetails(id);
        return true;
    }
    return false;
}

void CC::MakeControls() {
    m_comboView = AddCombo(330, 140, 250, "Basic", "Select data to view");
    m_comboSort = AddCombo(745, 140, 250, "Name", "Sort players by");
    m_comboSeason = AddCombo(800, 140, 150, nullptr, "Select season");
    m_menuPosition = m_controls.Add<CPopupMenu>(1, 1, 350, 20);
    m_menuPosition->m_width = 350;
    m_menuSquad = m_controls.Add<CPopupMenu>(1, 1, 250, 20);
    m_menuSquad->m_width = 250;
    m_menuSquad->AddListItem("Add to squad", SQUAD_MENU_ADD);
    m_menuSquad->AddListItem("Remove from squad", SQUAD_MENU_REMOVE);
    m_menuSquad->AddListItem("Cancel", SQUAD_MENU_CANCEL);
    m_controls.AddButtons(Buttons(), 1);
    m_editSearch = m_controls.Add<CEditBox>(600, 650, 180, 30);
    m_scroll = m_controls.Add<CScrollBar>(990, 210, 17, 400);
    m_scroll->mb_horizontal = 0;
    m_menuRole = m_controls.Add<CPopupMenu>(1, 1, 150, 20);
    m_menuRole->m_width = 150;
    FillRoleMenu(*m_menuRole);
    for (int i = 0; i < COUNTRY_ROW_SPOTS; ++i) m_rows[i] = m_controls.Add<CHotSpot>(210, 210, 770, 19);
    m_profileSpot = m_controls.Add<CHotSpot>(382, 51, 260, 20, nullptr, "Visit profile page");
    m_dialog = m_controls.Add<CDialog>(212, 234, 600, 300, "Filter options");
    m_dialog->mb_visible = 0;
    m_dialog->mp_drawCallback = [] { TheScreen<CCountryScreen>().DrawFilterLabels(); };
    for (int i = 0; i < COUNTRY_SWITCHES; ++i) {
        CTickBox* tick = m_controls.Make<CTickBox>(SWITCHES[i].x, SWITCHES[i].y, 20, 20);
        tick->mb_ticked = 1;
        m_dialog->AddChild(tick);
        m_ticks[i] = tick;
    }
    m_btnOk = m_controls.Make<CButton>(150, 220, 100, 30, "Ok");
    m_dialog->AddChild(m_btnOk);
    FillViewList(*m_comboView, ListPage::COUNTRY);
    FillSortByList(*m_comboSort, VIEW_BASIC, ListPage::COUNTRY);
}

// The saved drop-downs, tab and search; the search runs again.
void CC::RestoreChoices(const PageChoices& saved) {
    RestoreListChoices(saved);
    m_request = saved.m_search;
    for (int i = 0; i < COUNTRY_SWITCHES; ++i) m_ticks[i]->mb_ticked = SWITCHES[i].flag(m_request) ? 1 : 0;
    m_editSearch->SetCaption(m_request.m_name.c_str());
    m_page = OpeningPage(&saved);
    ApplyFilter();
    SortPlayerList(m_view, m_comboSort->GetSelectedValue());
}

bool CC::SquadLocked() const {
    Country* country = CountryById(Side());
    const uint8_t* lock = country ? SquadLock(*country, m_squadKind) : nullptr;
    return lock && *lock;
}

const std::vector<int32_t>& CC::ShownList() const {
    return m_page == COUNTRY_PAGE_POOL ? mv_pool : mv_squad;
}

void CC::ApplyFilter() {
    mv_pool.clear();
    m_request.m_name = m_editSearch ? m_editSearch->m_caption : "";
    m_request.m_nationality = Side();
    for (int i = 0; i < COUNTRY_SWITCHES; ++i)
        if (m_ticks[i]) SWITCHES[i].flag(m_request) = m_ticks[i]->mb_ticked ? 1 : 0;
    // Players retired from the squad's format could never join it.
    const bool oneDay = IsOneDaySquadKind(m_squadKind);
    m_request.m_odiRetired = oneDay ? 0 : 1;
    m_request.m_testRetired = oneDay ? 1 : 0;
    m_request.m_available = 0;
    SearchPlayers(m_request, mv_pool);
    for (int32_t id : mv_pool)
        if (Player* p = PlayerById(id))
            for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
    if (m_page == COUNTRY_PAGE_POOL && m_comboSort) SortPlayerList(m_view, m_comboSort->GetSelectedValue());
}

void CC::RebuildSquadList() {
    mv_squad.clear();
    Country* country = CountryById(Side());
    if (!country) return;
    for (int32_t id : SquadList(*country, m_squadKind)) {
        Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) continue;
        for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
        mv_squad.push_back(id);
    }
    if (m_page == COUNTRY_PAGE_SQUAD && m_comboSort) SortPlayerList(m_view, m_comboSort->GetSelectedValue());
}

void CC::SortPlayerList(int view, int value) {
    std::vector<int32_t>& list = m_page == COUNTRY_PAGE_POOL ? mv_pool : mv_squad;
    const SortColumn* column = SortByColumn(list, view, value, ListPage::COUNTRY);
    if (column && m_comboSort) m_comboSort->SetCaption(SortCaption(*column, view, ListPage::COUNTRY));
}

void CC::Layout() {
    if (!m_open) return;
    for (CControl* c : std::initializer_list<CControl*>{m_btnFilters, m_btnFind, m_editSearch, m_btnAutoSquad,
                                                        m_btnClearSquad, m_comboView, m_comboSort,
                                                        m_comboSeason, m_btnUp, m_btnDown, m_btnAuto})
        ShowRow(c, false);
    for (CHotSpot* row : m_rows) ShowRow(row, false);
    const int count = static_cast<int>(ShownList().size());
    switch (m_page) {
        case COUNTRY_PAGE_SQUAD:
            ShowRow(m_btnAutoSquad, true);
            ShowRow(m_btnClearSquad, true);
            if (!UserIsCoach() || SquadLocked()) {
                m_btnAutoSquad->Disable();
                m_btnClearSquad->Disable();
            }
            ShowRow(m_comboView, true);
            ShowRow(m_comboSort, true);
            PlaceScroll(990, COUNTRY_LIST_TOP, 17, 360, count, COUNTRY_LIST_ROWS);
            PlaceRows(210, COUNTRY_LIST_TOP, 770);
            break;
        case COUNTRY_PAGE_TACTICS:
            ShowRow(m_btnUp, true);
            ShowRow(m_btnDown, true);
            ShowRow(m_btnAuto, true);
            PlaceScroll(530, COUNTRY_LIST_TOP, 17, 400, count, COUNTRY_LIST_ROWS);
            PlaceRows(220, COUNTRY_LIST_TOP, 200);
            break;
        case COUNTRY_PAGE_POOL:
            ShowRow(m_editSearch, true);
            ShowRow(m_btnFind, true);
            ShowRow(m_btnFilters, true);
            ShowRow(m_comboView, true);
            ShowRow(m_comboSort, true);
            PlaceScroll(990, COUNTRY_LIST_TOP, 17, 360, count, COUNTRY_LIST_ROWS);
            PlaceRows(210, COUNTRY_LIST_TOP, 770);
            break;
        case COUNTRY_PAGE_FIXTURES:
            ShowRow(m_comboSeason, m_comboSeason->ItemCount() > 0);
            PlaceScroll(990, COUNTRY_FIXTURE_TOP, 17, 400, static_cast<int>(mv_fixtures.size()),
                        COUNTRY_FIXTURE_ROWS);
            PlaceRows(210, COUNTRY_FIXTURE_TOP, 770);
            break;
        default:
            break;
    }
    FitRowSpots();
}

void CC::Enter() {
    BeginVisit();
    const Country* country = CountryById(Side());
    m_squadKind = country ? country->m_squadKind : SQUAD_HOME_TEST;
    m_request = {};
    m_menuRow = -1;
    MakeControls();
    ShowApply();
    const bool coach = UserIsCoach();
    if (!coach) {
        m_btnPool->Disable();
        m_btnTactics->Disable();
    }
    FillSeasonList();
    LoadFixtures(g_cricket.m_date.m_season);
    ApplyFilter();
    RebuildSquadList();
    const PageChoices* saved = SavedChoices();
    if (saved) RestoreChoices(*saved);
    m_page = CheckedPage(m_page);

    EndVisit();
    Layout();
    if (saved && m_page == COUNTRY_PAGE_POOL) {
        CScrollBar& bar = *m_scroll;
        const int position = saved->m_scroll;
        if (!bar.mb_disabled && position >= bar.m_min && position <= bar.m_max) bar.m_position = position;
        FitRowSpots();
    }
}

void CC::Update() {
    if (m_dialog->mb_visible && TakeClick(m_btnOk)) {
        ApplyFilter();
        Layout();
        m_dialog->Close();
        return;
    }
    if (TakeClick(m_btnApply)) return Apply();
    if (TakeClick(m_profileSpot)) return OpenUserProfile();
    if (m_scroll->mb_visible) WheelScroll(*m_scroll);
    FitRowSpots();
    TakeViewChoice();
    TakePositionChoice(*m_menuPosition, Eleven(), m_positionPlayer);
    TakeSortChoice();
    if (TakeListRow(m_page == COUNTRY_PAGE_SQUAD || m_page == COUNTRY_PAGE_TACTICS)) return;
    if (m_page == COUNTRY_PAGE_SQUAD) TakeSquadPage();
    if (m_page == COUNTRY_PAGE_POOL && TakePoolPage()) return;
    if (m_page == COUNTRY_PAGE_TACTICS) TakeTactics();
    if (m_page == COUNTRY_PAGE_FIXTURES && TakeFixtures()) return;
    if (TakeClick(m_btnSquad)) return SwitchTab(COUNTRY_PAGE_SQUAD);
    if (TakeClick(m_btnFixtures)) return ChangePage(COUNTRY_PAGE_FIXTURES);
    if (TakeClick(m_btnPool)) return SwitchTab(COUNTRY_PAGE_POOL);
    if (TakeClick(m_btnFilters)) m_dialog->mb_visible = 1;
    if (TakeClick(m_btnTactics)) return ChangePage(COUNTRY_PAGE_TACTICS);
    if (m_page == COUNTRY_PAGE_TACTICS && TakeClick(m_btnAuto)) AutoSelect();
}

void CC::Leave() {
    if (PageChoices* saved = SaveChoices()) {
        saved->m_scroll = ScrollPosition();
        saved->m_search = m_request;
    }
    mv_pool.clear();
    EndControls({m_comboView, m_comboSort, m_comboSeason}, {m_menuPosition, m_menuSquad, m_menuRole});
    m_menuSquad = nullptr;
    m_btnPool = m_btnFilters = m_btnFind = m_btnAutoSquad = m_btnClearSquad = m_btnOk = nullptr;
    m_editSearch = nullptr;
    std::fill(std::begin(m_ticks), std::end(m_ticks), nullptr);
    m_dialog = nullptr;
}

}  // namespace ravel
