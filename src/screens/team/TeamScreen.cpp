#include "screens/team/TeamScreen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "season/Coaches.h"
#include "season/Finance.h"
#include "season/News.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using TS = CTeamScreen;

namespace {

constexpr int SMALL_BUTTON = 1;

struct TacticsOrderRow {
    int32_t order;
    const char* text;
    int32_t value;
    SortKey key;
    bool descending;
};

constexpr TacticsOrderRow TACTICS_ORDERS[] = {
    {TACTICS_NAME_AND_FORM, "Name and Form", 1, SortKey::SURNAME, false},
    {TACTICS_BATTING, "Batting Skill Average", 2, SortKey::BAT_WITH_FORM, true},
    {TACTICS_BOWLING, "Bowling Skill Average", 3, SortKey::BOWL_WITH_FORM, true},
    {TACTICS_FITNESS, "Fitness", 7, SortKey::CONDITION, false},
};

SideRecord ClubRecord(int32_t id) {
    Team* team = TeamById(id);
    if (!team) return {};
    return {team->m_id, team->m_name, team->m_coach, team->m_human, &team->m_xi, &team->mv_applications};
}

const SideKind CLUB = {
    .screen = SCREEN_TEAM,
    .firstSide = 1101,
    .tacticsPage = TEAM_PAGE_TACTICS,
    .pages = {TEAM_PAGE_SQUAD, TEAM_PAGE_FIXTURES, TEAM_PAGE_INFO, TEAM_PAGE_TACTICS, TEAM_PAGE_FINANCES},
    // Tactics and Finances are the coach's own; nobody lands on another side's.
    .coachPages = {TEAM_PAGE_TACTICS, TEAM_PAGE_FINANCES},
    .choices = &UserCoach::m_teamPage,

    .listPage = ListPage::CLUB,
    .slotNames = SlotNames::INITIALS,
    .national = false,
    .listRows = TEAM_SQUAD_ROWS,
    .rowSpots = TEAM_ROW_SPOTS,
    .fixtureRows = TEAM_FIXTURE_ROWS,
    .positionOnSquad = true,
    .rightSelects = true,
    .orderNeedsHuman = false,
    .tourOpensHome = false,
    .seriesBetweenCountries = false,
    .venueIsGround = true,
    .seasonsNewestFirst = true,
    // Columns wide enough for a ground's name and a result in words.
    .fixtureColumns = {{{"Date", 230}, {"Opposition", 340}, {"Venue", 490}, {"Comp", 670}, {"Result", 760}}},
    .tabX = {223, 378, 533},
    .tabY = 106,
    .tabWidth = 150,
    .fixturesTooltip = "View this season's matches",
    .orderButtonWidth = 60,
    .autoTooltip = "Ask your assistant to select the team",
    .find = ClubRecord,
    .applyForJob =
        [](int32_t id, int staffId) {
            if (Team* team = TeamById(id)) ApplyForJob(*team, staffId);
        },
    .userIsCoach =
        [](int32_t id) {
            const StaffMember* user = CurrentUserStaff();
            const Team* team = TeamById(id);
            return user && team && team->m_coach == user->m_id;
        },
    .nextMatch = [](int32_t id) { return FindNextMatch(id, 0); },
};

}  // namespace

TS::CTeamScreen() : CSideScreen(CLUB) {}

void TS::Reset() {
    CSideScreen::Reset();
    m_teamKept = {};
}

std::array<ScreenControls::ButtonRow, 9> TS::Buttons() {
    return {OrderRow(true),
            OrderRow(false),
            AutoRow(),
            ApplyRow(),
            TabRow(0),
            TabRow(1),
            TabRow(2),
            {&m_btnFinances, "Finances", "View financial statements", 688, 106, 150},
            {&m_btnInfo, "General Info", "View background information", 843, 106, 155}};
}

void TS::FitRowSpots() {
    if (m_page == TEAM_PAGE_FIXTURES)
        FitRows(static_cast<int>(mv_fixtures.size()), TEAM_FIXTURE_ROWS);
    else if (OnListPage())
        FitRows(static_cast<int>(mv_squad.size()), TEAM_SQUAD_ROWS);
    else
        FitRows(0, 0);
}

void TS::ShowTabs() {
    const bool coach = UserIsCoach();
    for (CButton* tab : {m_btnTactics, m_btnFinances}) {
        if (!tab) continue;
        if (coach)
            tab->mb_disabled = 0;
        else
            tab->Disable();
    }
}

void TS::ChangePage(int32_t page) {
    m_page = page;
    Layout();
}

// The squad's players in squad order, their figures worked out afresh.
void TS::BuildSquadList() {
    mv_squad.clear();
    const Team* team = TeamById(Side());
    if (!team) return;
    for (int32_t id : team->m_squad) {
        Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) continue;
        for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
        mv_squad.push_back(id);
    }
}

void TS::TakeTacticsOrder() {
    CComboBox& combo = *m_comboOrder;
    if (combo.m_comboState != COMBO_CHOSEN) return;
    const int value = combo.GetSelectedValue();
    for (const TacticsOrderRow& o : TACTICS_ORDERS)
        if (o.value == value) SortTacticsList(o.order);
    combo.Collapse();
}

void TS::MakeControls() {
    m_comboView = AddCombo(330, 140, 250, "Basic", "Select data to view");
    m_comboSort = AddCombo(745, 140, 250, "Name", "Sort players by");
    m_comboSeason = AddCombo(800, 140, 150, nullptr, "Select season");
    m_comboOrder = AddCombo(210, 140, 300, "Name and Form", nullptr);
    m_menuPosition = m_controls.Add<CPopupMenu>(1, 1, 350, 20);
    m_menuRole = m_controls.Add<CPopupMenu>(1, 1, 150, 20);
    FillRoleMenu(*m_menuRole);
    m_controls.AddButtons(Buttons(), SMALL_BUTTON);
    for (CHotSpot*& row : m_rows) row = m_controls.Add<CHotSpot>(220, 200, 760, 19);
    m_coachSpot = m_controls.Add<CHotSpot>(300, 220, 300, 19);
    m_profileSpot = m_controls.Add<CHotSpot>(382, 51, 260, 20, nullptr, "Visit profile page");
    m_scroll = m_controls.Add<CScrollBar>(978, 120, 17, 550);
    m_scroll->mb_horizontal = 0;
    ShowRow(m_scroll, false);
    ShowRow(m_btnAuto, false);
    for (const TacticsOrderRow& o : TACTICS_ORDERS) m_comboOrder->AddListItem(o.text, o.value);
    FillViewList(*m_comboView, ListPage::CLUB);
}

int TS::Hemisphere() const {
    const Team* team = TeamById(Side());
    return team ? HemisphereOf(*team) : HEMI_SOUTH;
}

void TS::SetSquadListColumns(int view) {
    if (m_comboSort) FillSortByList(*m_comboSort, view, ListPage::CLUB);
}

void TS::SortTeamPlayerList(int view, int value) {
    const SortColumn* column = SortByColumn(mv_squad, view, value, ListPage::CLUB, Hemisphere());
    if (column && m_comboSort) m_comboSort->SetCaption(SortCaption(*column, view, ListPage::CLUB));
}

void TS::SortTacticsList(int order) {
    for (const TacticsOrderRow& o : TACTICS_ORDERS) {
        if (o.order != order) continue;
        m_teamKept.tacticsOrder = order;
        SortPlayers(mv_squad, o.key, 0, o.descending);
        if (m_comboOrder) m_comboOrder->SetCaption(o.text);
    }
}

void TS::Layout() {
    if (!m_open) return;
    ShowTabs();
    for (CControl* c : std::initializer_list<CControl*>{m_comboView, m_comboSort, m_comboSeason, m_btnAuto,
                                                        m_coachSpot, m_btnUp, m_btnDown, m_scroll})
        ShowRow(c, false);
    for (CHotSpot* row : m_rows) ShowRow(row, false);
    const bool tactics = m_page == TEAM_PAGE_TACTICS;
    const int squad = static_cast<int>(mv_squad.size());
    if (OnListPage()) {
        ShowRow(m_comboView, !tactics);
        ShowRow(m_comboSort, !tactics);
        ShowRow(m_btnAuto, tactics);
        ShowRow(m_btnUp, tactics);
        ShowRow(m_btnDown, tactics);
        PlaceScroll(tactics ? 530 : 980, TEAM_LIST_TOP + 20, 30, 440, squad, TEAM_SQUAD_ROWS);
        PlaceRows(220, TEAM_LIST_TOP + 20, tactics ? 200 : 760);
    }
    ShowRow(m_comboOrder, tactics);
    if (m_page == TEAM_PAGE_FIXTURES) {
        ShowRow(m_comboSeason, m_comboSeason->ItemCount() > 0);
        PlaceScroll(990, TEAM_FIXTURE_TOP, 30, 500, static_cast<int>(mv_fixtures.size()), TEAM_FIXTURE_ROWS);
        PlaceRows(220, TEAM_FIXTURE_TOP, 760);
    }
    ShowRow(m_coachSpot, m_page == TEAM_PAGE_INFO);
    FitRowSpots();
}

void TS::Enter() {
    BeginVisit();
    m_wageBill = TeamWageBill(Side());
    const Team* team = TeamById(Side());
    m_budgetLeft = (team ? team->m_salaryBudget : 0) - m_wageBill;
    MakeControls();
    ShowApply();
    FillSeasonList();
    LoadFixtures(m_comboSeason->ItemCount() > 0 ? m_comboSeason->GetSelectedValue()
                                                : g_cricket.m_date.m_season);
    BuildSquadList();
    char path[128];
    std::snprintf(path, sizeof path, "gfx/pics/teams/%s.bmp", team ? team->m_name : "");
    m_pictureLoaded = team && m_picture.LoadFromFile(path);
    SetSquadListColumns(VIEW_BASIC);
    SortTeamPlayerList(VIEW_BASIC, 1);
    const PageChoices* saved = SavedChoices();
    if (saved) {
        RestoreListChoices(*saved);
        SortList(m_view, m_comboSort->GetSelectedValue());
    }
    m_page = CheckedPage(OpeningPage(saved));

    for (const TacticsOrderRow& o : TACTICS_ORDERS)
        if (o.order == m_teamKept.tacticsOrder) m_comboOrder->SetCaption(o.text);
    EndVisit();
    Layout();
}

void TS::Update() {
    if (m_scroll) WheelScroll(*m_scroll);
    FitRowSpots();
    if (TakeClick(m_profileSpot)) return OpenUserProfile();
    if (TakeClick(m_btnSquad)) return ChangePage(TEAM_PAGE_SQUAD);
    if (TakeClick(m_btnFixtures)) return ChangePage(TEAM_PAGE_FIXTURES);
    if (TakeClick(m_btnTactics)) return ChangePage(TEAM_PAGE_TACTICS);
    if (TakeClick(m_btnFinances)) return ChangePage(TEAM_PAGE_FINANCES);
    TakeViewChoice();
    TakeSortChoice();
    if (TakeClick(m_btnInfo)) return ChangePage(TEAM_PAGE_INFO);
    if (TakeClick(m_coachSpot)) {
        const Team* team = TeamById(Side());
        if (team && team->m_coach >= 1 && StaffMemberById(team->m_coach))
            return OpenCoachProfile(team->m_coach);
    }
    // The position pop-up's choice, then the rows.
    TakePositionChoice(*m_menuPosition, Eleven(), m_positionPlayer);
    if (TakeListRow(OnListPage())) return;
    if (m_page == TEAM_PAGE_TACTICS) {
        TakeTacticsOrder();
        TakeTactics();
    }
    if (m_page == TEAM_PAGE_FIXTURES && TakeFixtures()) return;
    if (TakeClick(m_btnApply)) Apply();
    if (m_page == TEAM_PAGE_TACTICS && TakeClick(m_btnAuto)) AutoSelect();
}

void TS::Leave() {
    SaveChoices();

    EndControls({m_comboView, m_comboSort, m_comboSeason, m_comboOrder}, {m_menuPosition, m_menuRole});
    m_comboOrder = nullptr;
    m_btnFinances = m_btnInfo = nullptr;
    m_coachSpot = nullptr;
    m_picture.Release();
    m_pictureLoaded = false;
}

}  // namespace ravel
