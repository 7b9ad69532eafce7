// Screen 102, the club team page: one club side under five tabs (Squad,
// Fixtures, Tactics, Finances, General Info). Its coach picks the eleven,
// the batting order and the four roles there; any user may apply for a
// vacant post. Actions and state here, drawing in TeamScreenDraw.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "season/DayMachine.h"
#include "season/Fixtures.h"
#include "season/Lists.h"
#include "shell/Screens.h"
#include "shell/platform/Sprite.h"

namespace ravel {

class CButton;
class CComboBox;
class CHotSpot;
class CPopupMenu;
class CScrollBar;

enum TeamPage : int32_t {
    TEAM_PAGE_SQUAD = 5001,
    TEAM_PAGE_FIXTURES = 5002,
    TEAM_PAGE_FINANCES = 5004,
    TEAM_PAGE_INFO = 5021,
    TEAM_PAGE_TACTICS = 5041,
};

// Orders of the Tactics tab's squad list.
enum TacticsOrder : int32_t {
    TACTICS_NAME_AND_FORM = 201,
    TACTICS_BATTING = 202,
    TACTICS_BOWLING = 203,
    TACTICS_FITNESS = 207,
};

inline constexpr int TEAM_LIST_TOP = 180;  // the squad list's heading line
inline constexpr int TEAM_ROW_HEIGHT = 20;
inline constexpr int TEAM_SQUAD_ROWS = 22;
inline constexpr int TEAM_FIXTURE_ROWS = 25;
inline constexpr int TEAM_ROW_SPOTS = 25;
inline constexpr int TEAM_FIXTURE_TOP = 170;

struct CTeamScreen {
    static void Enter();
    // The subject: m_id, the club's id.
    static void SetSubject(const ScreenSubject& subject) { g_screenSubjects.m_teamId = subject.m_id; }
    static ScreenSubject Subject() { return {g_screenSubjects.m_teamId}; }
    static void Update();
    static void Leave();
    static void Render();
    // Shows, hides and places the controls for the page shown.
    static void Layout();
    // The day machine's call: the side's Tactics is shown at once on an open
    // page, else when the page next opens (at once when `open`).
    static void ShowForDay(int32_t side, bool open);
    // The page the next Enter opens on, over the saved one (the match view's
    // way back to Tactics).
    static void RequestPage(int32_t page);

    static void LoadFixtures(int season);
    static void FillSeasonList();
    static void SetSquadListColumns(int view);
    static void SortTeamPlayerList(int view, int value);
    static void SortTacticsList(int order);
    static void MoveBattingOrderUp();
    static void MoveBattingOrderDown();
    static void AutoSelect();
    // The contract of the shown side's hemisphere (1 northern, 2 southern).
    static int Hemisphere();
    // The user coaches the shown side (Tactics and Finances are his).
    static bool UserIsCoach();
    static bool IsOpen() { return s_open; }

    static int32_t s_side;
    static int32_t s_page;
    static bool s_pageRequested;  // a caller chose the page; Enter keeps it
    static int32_t s_view;
    static int32_t s_tacticsOrder;
    static NextMatch s_next;  // the side's next match, for the Next Match box
    static int32_t s_battingSlot;
    static int32_t s_roleRow;
    static int32_t s_positionPlayer;
    static std::vector<int32_t> sv_squad;
    static int32_t s_wageBill;
    static int32_t s_budgetLeft;
    static std::vector<FixtureListEntry> sv_fixtures;
    static CSprite s_picture;
    static bool s_pictureLoaded;
    static bool s_open;

    static CComboBox* s_comboView;
    static CComboBox* s_comboSort;
    static CComboBox* s_comboSeason;
    static CComboBox* s_comboOrder;
    static CPopupMenu* s_menuPosition;
    static CPopupMenu* s_menuRole;
    static CButton* s_btnUp;
    static CButton* s_btnDown;
    static CButton* s_btnAuto;
    static CButton* s_btnApply;
    static CButton* s_btnSquad;
    static CButton* s_btnFixtures;
    static CButton* s_btnTactics;
    static CButton* s_btnFinances;
    static CButton* s_btnInfo;
    static CHotSpot* s_rows[TEAM_ROW_SPOTS];
    static CHotSpot* s_coachSpot;
    static CHotSpot* s_profileSpot;
    static CScrollBar* s_scroll;
};

}  // namespace ravel
