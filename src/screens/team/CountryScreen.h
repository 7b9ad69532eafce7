// Screen 123, the country page: one national side under four tabs (Squad,
// Pool, Fixtures, Tactics). Its coach picks the squad from the pool of the
// country's players, then the eleven, the batting order and the four roles;
// any user may apply for a vacant post. Actions and state here, drawing in
// CountryScreenDraw.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "season/DayMachine.h"
#include "season/Fixtures.h"
#include "season/Lists.h"
#include "season/PlayerSearch.h"
#include "shell/Screens.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;
class CEditBox;
class CHotSpot;
class CPopupMenu;
class CScrollBar;
class CTickBox;

enum CountryPage : int32_t {
    COUNTRY_PAGE_SQUAD = 5001,
    COUNTRY_PAGE_FIXTURES = 5002,
    COUNTRY_PAGE_POOL = 5035,
    COUNTRY_PAGE_TACTICS = 5504,
};

inline constexpr int COUNTRY_LIST_TOP = 210;
inline constexpr int COUNTRY_LIST_ROWS = 18;
inline constexpr int COUNTRY_ROW_SPOTS = 20;
inline constexpr int COUNTRY_FIXTURE_TOP = 170;
inline constexpr int COUNTRY_FIXTURE_ROWS = 20;
inline constexpr int COUNTRY_SWITCHES = 14;

enum SquadMenuItem : int32_t { SQUAD_MENU_ADD = 0, SQUAD_MENU_REMOVE = 1, SQUAD_MENU_CANCEL = 2 };

struct CCountryScreen {
    static void Enter();
    // The subject: m_id, the country's id.
    static void SetSubject(const ScreenSubject& subject) { g_screenSubjects.m_countryId = subject.m_id; }
    static ScreenSubject Subject() { return {g_screenSubjects.m_countryId}; }
    static void Update();
    static void Leave();
    static void Render();
    // Shows, hides and places the controls for the tab shown.
    static void Layout();
    // The day machine's call: its tab and country, now or at the next Enter.
    static void ShowForDay(int32_t side, bool open);

    // The pool: the country's players that pass the filter.
    static void ApplyFilter();
    // The squad list of the squad kind, in stored order (sorted on Squad).
    static void RebuildSquadList();
    static void SortPlayerList(int view, int value);
    static void LoadFixtures(int season);
    static void FillSeasonList();
    static void DrawSquadFilterLabels();
    static void AutoSelect();
    // The user coaches the shown country.
    static bool UserIsCoach();
    // The squad kind's list may not change.
    static bool SquadLocked();
    static int ScrollPosition();
    // The list the rows show: the pool on Pool, else the squad.
    static const std::vector<int32_t>& ShownList();
    static bool IsOpen() { return s_open; }

    static int32_t s_country;
    static int32_t s_page;
    static bool s_pageRequested;
    static int32_t s_view;
    static int32_t s_squadKind;
    static std::vector<int32_t> sv_squad;
    static std::vector<int32_t> sv_pool;
    static std::vector<FixtureListEntry> sv_fixtures;
    static PlayerFilter s_request;
    static int32_t s_menuRow;
    static int32_t s_battingSlot;
    static int32_t s_roleRow;
    static int32_t s_replacing;
    static NextMatch s_next;  // the side's next match, for the Next Match box
    static bool s_open;

    static CComboBox* s_comboView;
    static CComboBox* s_comboSort;
    static CComboBox* s_comboSeason;
    static CPopupMenu* s_menuPosition;
    static CPopupMenu* s_menuSquad;
    static CPopupMenu* s_menuRole;
    static CButton* s_btnSquad;
    static CButton* s_btnPool;
    static CButton* s_btnFixtures;
    static CButton* s_btnTactics;
    static CButton* s_btnFilters;
    static CEditBox* s_editSearch;
    static CButton* s_btnFind;
    static CButton* s_btnApply;
    static CButton* s_btnAutoSquad;
    static CButton* s_btnClearSquad;
    static CScrollBar* s_scroll;
    static CButton* s_btnUp;
    static CButton* s_btnDown;
    static CButton* s_btnAuto;
    static CHotSpot* s_rows[COUNTRY_ROW_SPOTS];
    static CHotSpot* s_profileSpot;
    static CDialog* s_dialog;
    static CTickBox* s_ticks[COUNTRY_SWITCHES];
    static CButton* s_btnOk;
};

}  // namespace ravel
