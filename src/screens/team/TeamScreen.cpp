#include "screens/team/TeamScreen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "screens/team/ElevenMenus.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/PlayerLists.h"
#include "season/Coaches.h"
#include "season/Eleven.h"
#include "season/Finance.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "world/GameDate.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using TS = CTeamScreen;

int32_t TS::s_side = 1101;
int32_t TS::s_page = TEAM_PAGE_SQUAD;
bool TS::s_pageRequested = false;
int32_t TS::s_view = VIEW_BASIC;
int32_t TS::s_tacticsOrder = TACTICS_NAME_AND_FORM;
NextMatch TS::s_next;
int32_t TS::s_battingSlot = 0;
int32_t TS::s_roleRow = -1;
int32_t TS::s_positionPlayer = 0;
std::vector<int32_t> TS::sv_squad;
int32_t TS::s_wageBill = 0;
int32_t TS::s_budgetLeft = 0;
std::vector<FixtureListEntry> TS::sv_fixtures;
CSprite TS::s_picture;
bool TS::s_pictureLoaded = false;
bool TS::s_open = false;
CComboBox* TS::s_comboView = nullptr;
CComboBox* TS::s_comboSort = nullptr;
CComboBox* TS::s_comboSeason = nullptr;
CComboBox* TS::s_comboOrder = nullptr;
CPopupMenu* TS::s_menuPosition = nullptr;
CPopupMenu* TS::s_menuRole = nullptr;
CButton* TS::s_btnUp = nullptr;
CButton* TS::s_btnDown = nullptr;
CButton* TS::s_btnAuto = nullptr;
CButton* TS::s_btnApply = nullptr;
CButton* TS::s_btnSquad = nullptr;
CButton* TS::s_btnFixtures = nullptr;
CButton* TS::s_btnTactics = nullptr;
CButton* TS::s_btnFinances = nullptr;
CButton* TS::s_btnInfo = nullptr;
CHotSpot* TS::s_rows[TEAM_ROW_SPOTS] = {};
CHotSpot* TS::s_coachSpot = nullptr;
CHotSpot* TS::s_profileSpot = nullptr;
CScrollBar* TS::s_scroll = nullptr;

namespace {

ScreenControls s_controls;

constexpr int SMALL_BUTTON = 1;
constexpr int COMBO_HEIGHT = 25;

using ButtonRow = ScreenControls::ButtonRow;

constexpr ButtonRow BUTTONS[] = {
    {&TS::s_btnUp, "Up", "Move this player up the batting order", 940, 320, 60},
    {&TS::s_btnDown, "Down", "Move this player down the batting order", 940, 360, 60},
    {&TS::s_btnAuto, "Auto Selection", "Ask your assistant to select the team", 782, 173, 150},
    {&TS::s_btnApply, "Apply", "Apply for the job of coach", 900, 10, 110},
    {&TS::s_btnSquad, "Squad", "View current squad", 223, 106, 150},
    {&TS::s_btnFixtures, "Fixtures", "View this season's matches", 378, 106, 150},
    {&TS::s_btnTactics, "Tactics", "View team selection", 533, 106, 150},
    {&TS::s_btnFinances, "Finances", "View financial statements", 688, 106, 150},
    {&TS::s_btnInfo, "General Info", "View background information", 843, 106, 155},
};

struct ComboRow {
    CComboBox** combo;
    const char* caption;
    const char* tooltip;
    int x, y, width;
};

constexpr ComboRow COMBOS[] = {
    {&TS::s_comboView, "Basic", "Select data to view", 330, 140, 250},
    {&TS::s_comboSort, "Name", "Sort players by", 745, 140, 250},
    {&TS::s_comboSeason, nullptr, "Select season", 800, 140, 150},
    {&TS::s_comboOrder, "Name and Form", nullptr, 210, 140, 300},
};

struct OrderRow {
    int32_t order;
    const char* text;
    int32_t value;
    SortKey key;
    bool descending;
};

constexpr OrderRow TACTICS_ORDERS[] = {
    {TACTICS_NAME_AND_FORM, "Name and Form", 1, SortKey::SURNAME, false},
    {TACTICS_BATTING, "Batting Skill Average", 2, SortKey::BAT_WITH_FORM, true},
    {TACTICS_BOWLING, "Bowling Skill Average", 3, SortKey::BOWL_WITH_FORM, true},
    {TACTICS_FITNESS, "Fitness", 7, SortKey::CONDITION, false},
};

Team* ShownTeam() {
    return TeamById(TS::s_side);
}

// The shown side's eleven; none without a side.
int32_t (*ShownEleven())[XI_SIZE] {
    Team* team = ShownTeam();
    return team ? &team->m_xi : nullptr;
}

bool OnListPage() {
    return TS::s_page == TEAM_PAGE_SQUAD || TS::s_page == TEAM_PAGE_TACTICS;
}

int ScrollPosition() {
    return TS::s_scroll && !TS::s_scroll->mb_disabled ? TS::s_scroll->m_position : 0;
}

void Hide(CControl* control) {
    ShowRow(control, false);
}

// The squad's players in squad order, their figures worked out afresh.
void BuildSquadList() {
    TS::sv_squad.clear();
    const Team* team = ShownTeam();
    if (!team) return;
    for (int32_t id : team->m_squad) {
        Player* p = id > 0 ? PlayerById(id) : nullptr;
        if (!p) continue;
        for (PlayerStats& block : p->m_stats) block.RecomputeAverages();
        TS::sv_squad.push_back(id);
    }
}

int SquadCount() {
    return static_cast<int>(TS::sv_squad.size());
}

// Row hot spots follow the rows that hold an entry.
void FitRowSpots() {
    if (TS::s_page == TEAM_PAGE_FIXTURES) {
        const int rows = static_cast<int>(TS::sv_fixtures.size()) - ScrollPosition();
        for (int i = 0; i < TEAM_ROW_SPOTS; ++i) ShowRow(TS::s_rows[i], i < rows && i < TEAM_FIXTURE_ROWS);
    } else if (OnListPage()) {
        const int rows = SquadCount() - ScrollPosition();
        for (int i = 0; i < TEAM_ROW_SPOTS; ++i) ShowRow(TS::s_rows[i], i < rows && i < TEAM_SQUAD_ROWS);
    } else {
        for (CHotSpot* row : TS::s_rows) Hide(row);
    }
}

void PlaceRowSpots(int top, int width) {
    for (int i = 0; i < TEAM_ROW_SPOTS; ++i)
        if (TS::s_rows[i]) TS::s_rows[i]->SetRect(220, top + TEAM_ROW_HEIGHT * i, width, 19);
}

void PlaceScroll(int x, int y, int width, int height, int entries, int rows) {
    CScrollBar& bar = *TS::s_scroll;
    bar.SetRect(x, y, width, height);
    bar.m_position = 0;
    FitScrollBar(bar, entries, rows, true);
}

std::vector<FixtureListEntry> FixturesOf(int side, int season) {
    FixtureFilter filter;
    filter.AddTeam(side);
    filter.AddSeason(season);
    std::vector<FixtureListEntry> rows;
    BuildFixtureList(filter, rows, ORDER_DATE);
    return rows;
}

void ShowTabs() {
    const bool coach = TS::UserIsCoach();
    for (CButton* tab : {TS::s_btnTactics, TS::s_btnFinances}) {
        if (!tab) continue;
        if (coach)
            tab->mb_disabled = 0;
        else
            tab->Disable();
    }
}

void ChangePage(int32_t page) {
    TS::s_page = page;
    TS::Layout();
}

void OpenPositionMenu(int row, int32_t playerId) {
    const Team* team = ShownTeam();
    const Player* player = PlayerById(playerId);
    if (!team || !player) return;
    TS::s_positionPlayer = playerId;
    OpenPositionMenu(*TS::s_menuPosition, team->m_xi, *player, SlotNames::INITIALS, 220,
                     TEAM_LIST_TOP + TEAM_ROW_HEIGHT * (row + 1));
}

// Update step 9: a row of the squad list clicked.
bool HandleSquadRows() {
    if (!OnListPage()) return false;
    for (int i = 0; i < TEAM_ROW_SPOTS; ++i) {
        CHotSpot* spot = TS::s_rows[i];
        if (!spot || (spot->m_state != STATE_CLICKED && spot->m_state != STATE_RIGHT_CLICKED)) continue;
        const bool right = spot->m_state == STATE_RIGHT_CLICKED;
        spot->m_state = STATE_NORMAL;
        const int entry = ScrollPosition() + i;
        if (entry < 0 || entry >= SquadCount()) return false;
        const int32_t id = TS::sv_squad[static_cast<size_t>(entry)];
        if (!right) {
            OpenPlayerDetails(id);
            return true;
        }
        const Team* team = ShownTeam();
        if (team && team->m_human && TS::s_menuPosition->m_menuState == MENU_CLOSED) OpenPositionMenu(i, id);
        return false;
    }
    return false;
}

void HandleTacticsOrder() {
    CComboBox& combo = *TS::s_comboOrder;
    if (combo.m_comboState != COMBO_CHOSEN) return;
    const int value = combo.GetSelectedValue();
    for (const OrderRow& o : TACTICS_ORDERS)
        if (o.value == value) TS::SortTacticsList(o.order);
    combo.Collapse();
}

void OpenSeriesOf(int seriesId) {
    const TourSeries* s = TourSeriesById(seriesId);
    if (!s) return;
    OpenSeriesOverview(seriesId, false);
}

// Update step 14: the season drop-down and the fixture rows.
bool HandleFixtures() {
    CComboBox& combo = *TS::s_comboSeason;
    if (combo.m_comboState == COMBO_CHOSEN) {
        TS::LoadFixtures(combo.GetSelectedValue());
        combo.Collapse();
        TS::Layout();
        return false;
    }
    for (int i = 0; i < TEAM_ROW_SPOTS; ++i) {
        if (!TakeClick(TS::s_rows[i])) continue;
        const int entry = ScrollPosition() + i;
        if (entry < 0 || static_cast<size_t>(entry) >= TS::sv_fixtures.size()) return false;
        const FixtureListEntry& row = TS::sv_fixtures[static_cast<size_t>(entry)];
        const int c = row.m_competition;
        if (row.m_match != -1) {
            OpenScorecardOfMatch(row.m_match);
        } else if (c < COMP_TEST_CHAMPIONSHIP || (c >= COMP_FIRST_TOURNAMENT && c <= COMP_LAST_TOURNAMENT)) {
            OpenCompetition(c);
        } else if (c >= FIRST_TOUR_SERIES_ID) {
            OpenSeriesOf(c);
        } else if (c >= COMP_TOUR_THREE_DAY && c <= COMP_TOUR_FOUR_DAY) {
            OpenSide(row.m_away);
        } else {
            return false;  // Tests and one-day internationals have no page of their own
        }
        return true;
    }
    return false;
}

void Apply() {
    Team* team = ShownTeam();
    const StaffMember* user = CurrentUserStaff();
    if (!team || !user) return;
    ApplyForJob(*team, user->m_id);
    ShowMessage("You have applied for this job", MSG_OK);
    TS::s_btnApply->Disable();
}

bool HasApplied(const Team& team, int staffId) {
    return std::any_of(team.mv_applications.begin(), team.mv_applications.end(),
                       [staffId](const Application& a) { return a.second == staffId; });
}

// Saved drop-down positions come back only where they still name an item.
void RestoreChoices(const PageChoices& saved) {
    CComboBox& view = *TS::s_comboView;
    if (saved.m_viewIndex >= 0 && saved.m_viewIndex < view.ItemCount()) view.m_selected = saved.m_viewIndex;
    if (const ViewEntry* e = ViewEntryByValue(view.GetSelectedValue())) {
        TS::s_view = e->view;
        view.SetCaption(e->title);
    }
    TS::SetSquadListColumns(TS::s_view);
    CComboBox& sort = *TS::s_comboSort;
    if (saved.m_sortIndex >= 0 && saved.m_sortIndex < sort.ItemCount()) sort.m_selected = saved.m_sortIndex;
    TS::SortTeamPlayerList(TS::s_view, sort.GetSelectedValue());
    if (!TS::s_pageRequested) TS::s_page = saved.m_page;
}

void MakeControls() {
    s_controls.Begin();
    for (const ComboRow& row : COMBOS) {
        CComboBox* combo =
            s_controls.Add<CComboBox>(row.x, row.y, row.width, COMBO_HEIGHT, row.caption, row.tooltip);
        combo->m_collapsedHeight = COMBO_HEIGHT;
        *row.combo = combo;
    }
    TS::s_menuPosition = s_controls.Add<CPopupMenu>(1, 1, 350, 20);
    TS::s_menuRole = s_controls.Add<CPopupMenu>(1, 1, 150, 20);
    FillRoleMenu(*TS::s_menuRole);
    s_controls.AddButtons(BUTTONS, SMALL_BUTTON);
    for (CHotSpot*& row : TS::s_rows) row = s_controls.Add<CHotSpot>(220, 200, 760, 19);
    TS::s_coachSpot = s_controls.Add<CHotSpot>(300, 220, 300, 19);
    TS::s_profileSpot = s_controls.Add<CHotSpot>(382, 51, 260, 20, nullptr, "Visit profile page");
    TS::s_scroll = s_controls.Add<CScrollBar>(978, 120, 17, 550);
    TS::s_scroll->mb_horizontal = 0;
    Hide(TS::s_scroll);
    Hide(TS::s_btnAuto);
    for (const OrderRow& o : TACTICS_ORDERS) TS::s_comboOrder->AddListItem(o.text, o.value);
    FillViewList(*TS::s_comboView, ListPage::CLUB);
}

void ShowApply() {
    const Team* team = ShownTeam();
    const StaffMember* user = CurrentUserStaff();
    const bool vacant = team && team->m_coach < 1 && user;
    ShowRow(TS::s_btnApply, vacant);
    if (vacant && HasApplied(*team, user->m_id)) TS::s_btnApply->Disable();
}

}  // namespace

bool TS::UserIsCoach() {
    const StaffMember* user = CurrentUserStaff();
    const Team* team = ShownTeam();
    return user && team && team->m_coach == user->m_id;
}

int TS::Hemisphere() {
    const Team* team = ShownTeam();
    return team ? HemisphereOf(*team) : HEMI_SOUTH;
}

void TS::SetSquadListColumns(int view) {
    if (s_comboSort) FillSortByList(*s_comboSort, view, ListPage::CLUB);
}

void TS::SortTeamPlayerList(int view, int value) {
    const SortColumn* column = SortByColumn(sv_squad, view, value, ListPage::CLUB, Hemisphere());
    if (column && s_comboSort) s_comboSort->SetCaption(SortCaption(*column, view, ListPage::CLUB));
}

void TS::SortTacticsList(int order) {
    for (const OrderRow& o : TACTICS_ORDERS) {
        if (o.order != order) continue;
        s_tacticsOrder = order;
        SortPlayers(sv_squad, o.key, 0, o.descending);
        if (s_comboOrder) s_comboOrder->SetCaption(o.text);
    }
}

void TS::MoveBattingOrderUp() {
    if (Team* team = ShownTeam()) MoveUpBattingOrder(team->m_xi, s_battingSlot);
}

void TS::MoveBattingOrderDown() {
    if (Team* team = ShownTeam()) MoveDownBattingOrder(team->m_xi, s_battingSlot);
}

void TS::AutoSelect() {
    Team* team = ShownTeam();
    if (!team) return;
    int ground = 0;
    if (s_next.m_fixture >= 0 && static_cast<size_t>(s_next.m_fixture) < g_world.mv_fixtures.size())
        ground = g_world.mv_fixtures[static_cast<size_t>(s_next.m_fixture)].m_ground;
    if (!StoreAutoSelection(ChooseXI(team->m_id, false, false, ground), team->m_xi))
        ShowMessage("Your assistant could not find eleven fit players, so the team is as it was", MSG_OK);
}

void TS::LoadFixtures(int season) {
    sv_fixtures = FixturesOf(s_side, season);
    if (s_comboSeason && s_comboSeason->ItemCount() > 0)
        s_comboSeason->SetCaption(SeasonLabel(s_comboSeason->GetSelectedValue()).c_str());
}

void TS::FillSeasonList() {
    CComboBox& combo = *s_comboSeason;
    combo.ClearListItems();
    combo.m_selected = 0;
    const int current = g_cricket.m_date.m_season;
    for (auto it = g_world.mv_seasons.rbegin(); it != g_world.mv_seasons.rend(); ++it) {
        if (it->m_season < FIRST_SEASON || it->m_season > current) continue;
        if (!FixturesOf(s_side, it->m_season).empty()) combo.AddListItem(it->m_label, it->m_season);
    }
    if (combo.ItemCount() > 0)
        combo.SetCaption(SeasonLabel(combo.GetSelectedValue()).c_str());
    else
        Hide(&combo);
}

void TS::Layout() {
    if (!s_open) return;
    ShowTabs();
    for (CControl* c : std::initializer_list<CControl*>{s_comboView, s_comboSort, s_comboSeason, s_btnAuto,
                                                        s_coachSpot, s_btnUp, s_btnDown, s_scroll})
        Hide(c);
    for (CHotSpot* row : s_rows) Hide(row);
    const bool tactics = s_page == TEAM_PAGE_TACTICS;
    if (OnListPage()) {
        ShowRow(s_comboView, !tactics);
        ShowRow(s_comboSort, !tactics);
        ShowRow(s_btnAuto, tactics);
        ShowRow(s_btnUp, tactics);
        ShowRow(s_btnDown, tactics);
        if (tactics)
            PlaceScroll(530, TEAM_LIST_TOP + 20, 30, 440, SquadCount(), TEAM_SQUAD_ROWS);
        else
            PlaceScroll(980, TEAM_LIST_TOP + 20, 30, 440, SquadCount(), TEAM_SQUAD_ROWS);
        PlaceRowSpots(TEAM_LIST_TOP + 20, tactics ? 200 : 760);
    }
    ShowRow(s_comboOrder, tactics);
    if (s_page == TEAM_PAGE_FIXTURES) {
        ShowRow(s_comboSeason, s_comboSeason->ItemCount() > 0);
        PlaceScroll(990, TEAM_FIXTURE_TOP, 30, 500, static_cast<int>(sv_fixtures.size()), TEAM_FIXTURE_ROWS);
        PlaceRowSpots(TEAM_FIXTURE_TOP, 760);
    }
    ShowRow(s_coachSpot, s_page == TEAM_PAGE_INFO);
    FitRowSpots();
}

void TS::RequestPage(int32_t page) {
    s_page = page;
    s_pageRequested = true;
}

void TS::ShowForDay(int32_t side, bool open) {
    RequestPage(TEAM_PAGE_TACTICS);
    g_screenSubjects.m_teamId = side;
    if (s_open && side != s_side) {
        ChangeScreen(SCREEN_TEAM);  // Enter again, for that side
    } else if (s_open) {
        Layout();
        s_pageRequested = false;
    } else if (open) {
        ChangeScreen(SCREEN_TEAM);
    }
}

void TS::Enter() {
    s_side = g_screenSubjects.m_teamId;
    s_wageBill = TeamWageBill(s_side);
    const Team* team = ShownTeam();
    s_budgetLeft = (team ? team->m_salaryBudget : 0) - s_wageBill;
    g_game->mb_screenFrame = 1;
    MakeControls();
    ShowApply();
    FillSeasonList();
    LoadFixtures(s_comboSeason->ItemCount() > 0 ? s_comboSeason->GetSelectedValue()
                                                : g_cricket.m_date.m_season);
    BuildSquadList();
    char path[128];
    std::snprintf(path, sizeof path, "gfx/pics/teams/%s.bmp", team ? team->m_name : "");
    s_pictureLoaded = team && s_picture.LoadFromFile(path);
    s_next = FindNextMatch(s_side, 0);
    s_battingSlot = std::clamp(s_battingSlot, 0, XI_PLAYERS - 1);
    s_roleRow = -1;
    SetSquadListColumns(VIEW_BASIC);
    SortTeamPlayerList(VIEW_BASIC, 1);
    const UserCoach* profile = CurrentProfile();
    if (profile && profile->m_teamPage.m_saved) {
        RestoreChoices(profile->m_teamPage);
    } else {
        s_view = VIEW_BASIC;
        if (!s_pageRequested) s_page = TEAM_PAGE_SQUAD;
    }
    s_pageRequested = false;
    // Tactics and Finances are the coach's own; nobody lands on another side's.
    const bool known = s_page == TEAM_PAGE_SQUAD || s_page == TEAM_PAGE_FIXTURES ||
                       s_page == TEAM_PAGE_INFO || s_page == TEAM_PAGE_TACTICS ||
                       s_page == TEAM_PAGE_FINANCES;
    if (!known || ((s_page == TEAM_PAGE_TACTICS || s_page == TEAM_PAGE_FINANCES) && !UserIsCoach()))
        s_page = TEAM_PAGE_SQUAD;
    for (const OrderRow& o : TACTICS_ORDERS)
        if (o.order == s_tacticsOrder) s_comboOrder->SetCaption(o.text);
    if (s_side != g_cricket.m_team) s_profileSpot->Disable();
    s_open = true;
    Layout();
}

void TS::Update() {
    if (s_scroll) WheelScroll(*s_scroll);
    FitRowSpots();
    if (TakeClick(s_profileSpot)) {
        OpenUserProfile();
        return;
    }
    if (TakeClick(s_btnSquad)) return ChangePage(TEAM_PAGE_SQUAD);
    if (TakeClick(s_btnFixtures)) return ChangePage(TEAM_PAGE_FIXTURES);
    if (TakeClick(s_btnTactics)) return ChangePage(TEAM_PAGE_TACTICS);
    if (TakeClick(s_btnFinances)) return ChangePage(TEAM_PAGE_FINANCES);
    if (s_comboView->m_comboState == COMBO_CHOSEN) {
        const int index = s_comboView->m_selected;
        if (const ViewEntry* e = ViewEntryByValue(s_comboView->GetSelectedValue())) {
            s_view = e->view;
            SetSquadViewTitle(*s_comboView, index);
            SetSquadListColumns(s_view);
        }
        s_comboView->Collapse();
    }
    if (s_comboSort->m_comboState == COMBO_CHOSEN) {
        SortTeamPlayerList(s_view, s_comboSort->GetSelectedValue());
        s_comboSort->Collapse();
    }
    if (TakeClick(s_btnInfo)) return ChangePage(TEAM_PAGE_INFO);
    if (TakeClick(s_coachSpot)) {
        const Team* team = ShownTeam();
        if (team && team->m_coach >= 1 && StaffMemberById(team->m_coach))
            return OpenCoachProfile(team->m_coach);
    }
    // The position pop-up's choice, then the rows.
    TakePositionChoice(*s_menuPosition, ShownEleven(), s_positionPlayer);
    if (HandleSquadRows()) return;
    if (s_page == TEAM_PAGE_TACTICS) {
        HandleTacticsOrder();
        if (TakeClick(s_btnUp)) MoveBattingOrderUp();
        if (TakeClick(s_btnDown)) MoveBattingOrderDown();
        TrackElevenPanel(*s_menuRole, ShownEleven(), true, s_battingSlot, s_roleRow);
        TakeRoleChoice(*s_menuRole, ShownEleven(), s_roleRow);
    }
    if (s_page == TEAM_PAGE_FIXTURES && HandleFixtures()) return;
    if (TakeClick(s_btnApply)) Apply();
    if (s_page == TEAM_PAGE_TACTICS && TakeClick(s_btnAuto)) AutoSelect();
}

void TS::Leave() {
    if (UserCoach* profile = CurrentProfile()) {
        PageChoices& saved = profile->m_teamPage;
        saved.m_viewIndex = s_comboView ? s_comboView->m_selected : 0;
        saved.m_sortIndex = s_comboSort ? s_comboSort->m_selected : 0;
        saved.m_page = s_page;
        saved.m_view = s_view;
        saved.m_saved = 1;
    }
    s_open = false;
    sv_fixtures.clear();
    sv_squad.clear();
    for (CComboBox* combo : {s_comboView, s_comboSort, s_comboSeason, s_comboOrder})
        if (combo) combo->ClearListItems();
    for (CPopupMenu* menu : {s_menuPosition, s_menuRole})
        if (menu) menu->ClearListItems();
    s_controls.Free();
    for (const ComboRow& row : COMBOS) *row.combo = nullptr;
    for (const ButtonRow& row : BUTTONS) *row.button = nullptr;
    std::fill(std::begin(s_rows), std::end(s_rows), nullptr);
    s_menuPosition = s_menuRole = nullptr;
    s_coachSpot = s_profileSpot = nullptr;
    s_scroll = nullptr;
    s_picture.Release();
    s_pictureLoaded = false;
}

}  // namespace ravel
