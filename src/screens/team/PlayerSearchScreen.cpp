#include "screens/team/PlayerSearchScreen.h"

#include <algorithm>
#include <iterator>

#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/PlayerLists.h"
#include "season/News.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ScrollBar.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using PS = CPlayerSearchScreen;

std::vector<int32_t> PS::sv_results;
PlayerFilter PS::s_request;
int32_t PS::s_page = SEARCH_PAGE;
int32_t PS::s_view = SEARCH_FIRST_STATS + 4;
CHotSpot* PS::s_profileSpot = nullptr;
CDialog* PS::s_dialog = nullptr;
CButton* PS::s_btnApply = nullptr;
CTickBox* PS::s_ticks[SEARCH_SWITCHES] = {};
CComboBox* PS::s_comboCountry = nullptr;
CHotSpot* PS::s_rows[SEARCH_ROWS] = {};
CEditBox* PS::s_editName = nullptr;
CButton* PS::s_btnFind = nullptr;
CComboBox* PS::s_comboSort = nullptr;
CComboBox* PS::s_comboView = nullptr;
CScrollBar* PS::s_scroll = nullptr;
CButton* PS::s_btnEdit = nullptr;

namespace {

ScreenControls s_controls;

constexpr int SMALL_BUTTON = 1;
constexpr int COMBO_HEIGHT = 25;
constexpr int FIRST_VISIT_VIEW = 8109;  // career batting in Tests
constexpr int FIRST_VISIT_SORT = 5;     // its "Average"
constexpr int COUNTRY_X = 310;
constexpr int COUNTRY_Y = 30;

// The dialog's switches in the order they join it, with the request flag
// each one sets.
struct Switch {
    const char* label;
    int tickX, tickY;
    uint8_t& (*flag)(PlayerFilter&);
};

constexpr Switch SWITCHES[SEARCH_SWITCHES] = {
    {"Openers", 5, 30, [](PlayerFilter& f) -> uint8_t& { return f.m_openers; }},
    {"Specialists", 5, 50, [](PlayerFilter& f) -> uint8_t& { return f.m_specialists; }},
    {"All rounders", 5, 70, [](PlayerFilter& f) -> uint8_t& { return f.m_allRounders; }},
    {"Late order", 5, 90, [](PlayerFilter& f) -> uint8_t& { return f.m_lateOrder; }},
    {"Tail enders", 5, 110, [](PlayerFilter& f) -> uint8_t& { return f.m_tailEnders; }},
    {"Fast", 150, 30, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[1]; }},
    {"Fast Medium", 150, 50, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[2]; }},
    {"Medium Fast", 150, 70, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[3]; }},
    {"Medium", 150, 90, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[4]; }},
    {"Off Spin", 150, 110, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[5]; }},
    {"Leg Spin", 150, 130, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[6]; }},
    {"None", 150, 150, [](PlayerFilter& f) -> uint8_t& { return f.m_bowlTypes[0]; }},
    {"Allow injuries", 5, 170, [](PlayerFilter& f) -> uint8_t& { return f.m_injured; }},
    {"Wicket Keepers", 150, 170, [](PlayerFilter& f) -> uint8_t& { return f.m_keepers; }},
    {"Limit to nationality", 310, 30, [](PlayerFilter& f) -> uint8_t& { return f.m_limitNationality; }},
    {"Only available players", 330, 70, [](PlayerFilter& f) -> uint8_t& { return f.m_available; }},
};
constexpr int LIMIT_SWITCH = 14;
constexpr int AVAILABLE_SWITCH = 15;

constexpr struct {
    const char* text;
    int value;
} COUNTRIES[] = {
    {"All", 0},       {"Australia", 1},   {"Bangladesh", 10}, {"England", 2},
    {"India", 3},     {"New Zealand", 4}, {"Pakistan", 5},    {"South Africa", 6},
    {"Sri Lanka", 7}, {"West Indies", 8}, {"Zimbabwe", 9},
};

constexpr struct {
    const char* text;
    int value;
    int view;
} VIEWS[] = {
    {"Basic", 1, 8101},
    {"Contract", 2, 8102},
    {"Bat Skills", 3, 8103},
    {"Bowl Skills", 4, 8104},
    {"Career Batting First Class", 6, 8105},
    {"Career Batting List A", 7, 8107},
    {"Career Batting Tests", 8, 8109},
    {"Career Batting One Day", 9, 8111},
    {"Career Bowling First Class", 10, 8106},
    {"Career Bowling List A", 11, 8108},
    {"Career Bowling Tests", 12, 8110},
    {"Career Bowling One Day", 13, 8112},
    {"Season Batting First Class", 14, 8113},
    {"Season Batting List A", 15, 8115},
    {"Season Batting Tests", 16, 8117},
    {"Season Batting One Day", 17, 8119},
    {"Season Bowling First Class", 18, 8114},
    {"Season Bowling List A", 19, 8116},
    {"Season Bowling Tests", 20, 8118},
    {"Season Bowling One Day", 21, 8120},
};

int ResultCount() {
    return static_cast<int>(PS::sv_results.size());
}

int UserClub() {
    const StaffMember* user = CurrentUserStaff();
    return user && user->m_clubJob > 0 ? user->m_clubJob : 0;
}

// The scroll range follows the result count: no rows past the last result.
void FitScroll() {
    if (PS::s_scroll) FitScrollBar(*PS::s_scroll, ResultCount(), SEARCH_ROWS, false);
}

void FitRows() {
    const int rows = ResultCount() - PS::ScrollPosition();
    for (int i = 0; i < SEARCH_ROWS; ++i) ShowRow(PS::s_rows[i], i < rows);
}

// The view drop-down's entry at that position: its caption and the view.
void SelectView(int index) {
    CComboBox& combo = *PS::s_comboView;
    if (index < 0 || index >= combo.ItemCount()) return;
    combo.m_selected = index;
    const int value = combo.GetSelectedValue();
    for (const auto& v : VIEWS) {
        if (v.value != value) continue;
        PS::s_view = v.view;
        combo.SetCaption(v.text);
    }
}

void SelectIndex(CComboBox& combo, int index) {
    if (index >= 0 && index < combo.ItemCount()) combo.m_selected = index;
}

void SelectCountry(int index) {
    CComboBox& combo = *PS::s_comboCountry;
    SelectIndex(combo, index);
    if (combo.ItemCount() > 0) combo.SetCaption(COUNTRIES[combo.m_selected].text);
}

void MakeDialog() {
    CDialog* dialog = s_controls.Add<CDialog>(311, 234, 600, 300, "Filter Search");
    dialog->mp_drawCallback = PS::PlayerSearchFilterPanel;
    dialog->mb_visible = 0;
    PS::s_dialog = dialog;
    PS::s_btnApply = s_controls.Make<CButton>(150, 220, 100, 30, "Apply");
    dialog->AddChild(PS::s_btnApply);
    for (int i = 0; i < SEARCH_SWITCHES; ++i) {
        CTickBox* tick = s_controls.Make<CTickBox>(SWITCHES[i].tickX, SWITCHES[i].tickY, 20, 20);
        tick->mb_ticked = 1;
        dialog->AddChild(tick);
        PS::s_ticks[i] = tick;
    }
    PS::s_ticks[LIMIT_SWITCH]->mb_visible = 0;
    PS::s_ticks[AVAILABLE_SWITCH]->mb_ticked = 0;
    if (!UserClub()) PS::s_ticks[AVAILABLE_SWITCH]->Disable();
    CComboBox* country = s_controls.Make<CComboBox>(COUNTRY_X, COUNTRY_Y, 120, COMBO_HEIGHT, "Country");
    country->m_collapsedHeight = COMBO_HEIGHT;
    for (const auto& c : COUNTRIES) country->AddListItem(c.text, c.value);
    dialog->AddChild(country);
    PS::s_comboCountry = country;
}

void MakeControls() {
    s_controls.Begin();
    PS::s_profileSpot = s_controls.Add<CHotSpot>(382, 51, 260, 20, nullptr, "Visit profile page");
    MakeDialog();
    for (int r = 0; r < SEARCH_ROWS; ++r)
        PS::s_rows[r] = s_controls.Add<CHotSpot>(220, SEARCH_ROW_TOP + 20 * r, 765, 19);
    PS::s_editName = s_controls.Add<CEditBox>(750, 130, 180, 30);
    PS::s_btnFind = s_controls.Add<CButton>(940, 130, 70, 20, "Find");
    PS::s_btnFind->m_style = SMALL_BUTTON;
    PS::s_comboSort = s_controls.Add<CComboBox>(750, 175, 180, COMBO_HEIGHT, "Name", "Sort players by");
    PS::s_comboView =
        s_controls.Add<CComboBox>(310, 175, 250, COMBO_HEIGHT, "Career Batting Tests", "Select data to view");
    for (CComboBox* combo : {PS::s_comboSort, PS::s_comboView}) combo->m_collapsedHeight = COMBO_HEIGHT;
    for (const auto& v : VIEWS) PS::s_comboView->AddListItem(v.text, v.value);
    PS::s_comboView->m_selected = 6;
    PS::s_scroll = s_controls.Add<CScrollBar>(990, SEARCH_ROW_TOP, 30, 400);
    PS::s_scroll->mb_horizontal = 0;
    PS::s_scroll->m_position = 0;
    PS::s_btnEdit = s_controls.Add<CButton>(490, 130, 70, 20, "Edit");
    PS::s_btnEdit->m_style = SMALL_BUTTON;
}

void RestoreRequest(const PageChoices& saved) {
    PS::s_page = SEARCH_PAGE;
    PS::s_request = saved.m_search;
    for (int i = 0; i < SEARCH_SWITCHES; ++i)
        PS::s_ticks[i]->mb_ticked = SWITCHES[i].flag(PS::s_request) ? 1 : 0;
    if (!UserClub()) PS::s_ticks[AVAILABLE_SWITCH]->mb_ticked = 0;
    SelectCountry(saved.m_search.m_nationality);
    PS::s_editName->SetCaption(saved.m_search.m_name.c_str());
}

void RestoreList(const PageChoices& saved) {
    PS::s_view = FIRST_VISIT_VIEW;  // the view drop-down's own choice, unless the saved one is there
    SelectView(saved.m_viewIndex);
    PS::SetPlayerListColumns(PS::s_view);
    SelectIndex(*PS::s_comboSort, saved.m_sortIndex);
    PS::FillPlayerSearchList(PS::s_comboSort->GetSelectedValue());
    CScrollBar& bar = *PS::s_scroll;
    if (saved.m_scroll >= bar.m_min && saved.m_scroll <= bar.m_max) bar.m_position = saved.m_scroll;
}

// The search run again, its players in the order the "Sort by" drop-down
// names.
void SearchAndSort() {
    PS::RebuildPlayerSearch();
    PS::FillPlayerSearchList(PS::s_comboSort->GetSelectedValue());
}

void ApplyFilter() {
    PS::s_dialog->Close();
    SearchAndSort();
}

void HandleDialog() {
    if (!PS::s_dialog->mb_visible) return;
    if (TakeClick(PS::s_btnApply)) return ApplyFilter();
    CComboBox& country = *PS::s_comboCountry;
    if (country.m_comboState != COMBO_CHOSEN) return;
    SelectCountry(country.m_selected);
    country.Collapse();
    country.SetRect(COUNTRY_X, COUNTRY_Y, 120, COMBO_HEIGHT);
}

bool HandleRows() {
    for (int r = 0; r < SEARCH_ROWS; ++r) {
        if (!TakeClick(PS::s_rows[r])) continue;
        const int entry = PS::ScrollPosition() + r;
        if (entry >= ResultCount()) return false;
        OpenPlayerDetails(PS::sv_results[static_cast<size_t>(entry)]);
        return true;
    }
    return false;
}

}  // namespace

int PS::ScrollPosition() {
    return s_scroll && !s_scroll->mb_disabled ? s_scroll->m_position : 0;
}

void PS::RebuildPlayerSearch() {
    sv_results.clear();
    s_request.Reset();
    s_request.m_name = s_editName ? s_editName->m_caption : "";
    s_request.m_nationality =
        s_comboCountry && s_comboCountry->ItemCount() > 0 ? s_comboCountry->GetSelectedValue() : 0;
    for (int i = 0; i < SEARCH_SWITCHES; ++i)
        if (s_ticks[i]) SWITCHES[i].flag(s_request) = s_ticks[i]->mb_ticked ? 1 : 0;
    s_request.m_team = UserClub();
    s_request.m_testRetired = 1;
    s_request.m_odiRetired = 1;
    SearchPlayers(s_request, sv_results);
    if (s_scroll) s_scroll->m_position = 0;
    FitScroll();
    FitRows();
}

void PS::SetPlayerListColumns(int view) {
    if (s_comboSort) FillSortByList(*s_comboSort, ListViewOfSearch(view), ListPage::SEARCH);
}

void PS::FillPlayerSearchList(int value) {
    const int view = ListViewOfSearch(s_view);
    const SortColumn* column = SortByColumn(sv_results, view, value, ListPage::SEARCH);
    if (!column) return;
    if (s_comboSort) {
        s_comboSort->SetCaption(SortCaption(*column, view, ListPage::SEARCH));
        s_comboSort->Collapse();
    }
    if (s_scroll) s_scroll->m_position = 0;
    FitRows();
}

void PS::Enter() {
    for (Player& p : g_world.mv_players)
        for (PlayerStats& block : p.m_stats) block.RecomputeAverages();
    g_game->mb_screenFrame = 1;
    MakeControls();
    const UserCoach* profile = CurrentProfile();
    const bool saved = profile && profile->m_searchPage.m_saved;
    if (saved) RestoreRequest(profile->m_searchPage);
    RebuildPlayerSearch();
    if (saved) {
        RestoreList(profile->m_searchPage);
    } else {
        s_page = SEARCH_PAGE;
        s_view = FIRST_VISIT_VIEW;
        SetPlayerListColumns(s_view);
        s_comboSort->m_selected = FIRST_VISIT_SORT;
        FillPlayerSearchList(s_comboSort->GetSelectedValue());
    }
    FitRows();
}

void PS::Update() {
    if (TakeClick(s_btnFind)) SearchAndSort();
    if (TakeClick(s_profileSpot)) {
        if (CurrentUserStaff()) return OpenUserProfile();
    }
    WheelScroll(*s_scroll);
    FitRows();
    if (TakeClick(s_btnEdit)) s_dialog->mb_visible = 1;
    HandleDialog();
    if (s_comboSort->m_comboState == COMBO_CHOSEN) FillPlayerSearchList(s_comboSort->GetSelectedValue());
    if (s_comboView->m_comboState == COMBO_CHOSEN) {
        SelectView(s_comboView->m_selected);
        SetPlayerListColumns(s_view);
        s_comboView->Collapse();
    }
    // Rows under the open dialog are not the player's to click.
    if (!s_dialog->mb_visible) HandleRows();
}

void PS::Leave() {
    if (UserCoach* profile = CurrentProfile()) {
        PageChoices& saved = profile->m_searchPage;
        saved.m_saved = 1;
        saved.m_page = s_page;
        saved.m_view = s_view;
        saved.m_sortIndex = s_comboSort->m_selected;
        saved.m_viewIndex = s_comboView->m_selected;
        saved.m_scroll = ScrollPosition();
        s_request.m_sortIndex = saved.m_sortIndex;
        s_request.m_viewIndex = saved.m_viewIndex;
        saved.m_search = s_request;
        saved.m_search.m_nationality = s_comboCountry->m_selected;
    }
    for (CComboBox* combo : {s_comboCountry, s_comboSort, s_comboView}) combo->ClearListItems();
    s_controls.Free();
    s_profileSpot = nullptr;
    s_dialog = nullptr;
    s_btnApply = s_btnFind = s_btnEdit = nullptr;
    std::fill(std::begin(s_ticks), std::end(s_ticks), nullptr);
    std::fill(std::begin(s_rows), std::end(s_rows), nullptr);
    s_comboCountry = s_comboSort = s_comboView = nullptr;
    s_editName = nullptr;
    s_scroll = nullptr;
}

}  // namespace ravel
