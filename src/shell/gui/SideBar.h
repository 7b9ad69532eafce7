// The side bar: the navigation buttons down the left, Back, Forward and
// Continue along the bottom, the World Cricket, Competitions and records
// menus, and the Game Options dialog. It lives in CGame's side-bar list and
// is drawn and fed the mouse only on framed screens.
#pragma once

#include <cstdint>

namespace ravel {

class CButton;
class CComboBox;
class CDialog;
class CPopupMenu;
class CTickBox;

inline constexpr int32_t QUESTION_NONE = 0;
inline constexpr int32_t QUESTION_EXIT = 7001;

// World Cricket menu values besides competition ids.
enum WorldCricketValue : int32_t {
    WORLD_DOMESTIC = -1,
    WORLD_RECORDS = -2,
    WORLD_TOUR_BASE = 600,         // + the tour's index in the tour table
    WORLD_TOURNAMENT_BASE = 4000,  // + the tournament's competition id
    WORLD_TOURNAMENT_END = 8000,
};

struct CSideBar {
    static CButton* s_btnMain;
    static CButton* s_btnSquad;
    static CButton* s_btnCompetitions;
    static CButton* s_btnPlayerSearch;
    static CButton* s_btnWorldCricket;
    static CButton* s_btnOptions;
    static CButton* s_btnJobs;
    static CButton* s_btnExit;
    static CButton* s_btnBack;
    static CButton* s_btnForward;
    static CButton* s_btnContinue;

    static CPopupMenu* s_menuWorldCricket;
    static CPopupMenu* s_menuCompetitions;
    static CPopupMenu* s_menuDomestic;
    static CPopupMenu* s_menuRecords;
    static CPopupMenu* s_menuFirstClassRecords;
    static CPopupMenu* s_menuListARecords;
    static CPopupMenu* s_menuTestRecords;
    static CPopupMenu* s_menuOdiRecords;

    static CDialog* s_dlgOptions;
    static CButton* s_btnOptionsDone;
    static CTickBox* s_tickAutosave;
    static CTickBox* s_tickSounds;
    static CComboBox* s_comboSkin;

    static int32_t s_pendingQuestion;
};

// Makes the buttons, menus and the options dialog (the skin list read from
// gfx\gui); AddSideBarControls puts them into CGame's side-bar list in their
// drawing order. ReleaseSideBar destroys them.
void BuildSideBar();
void AddSideBarControls();
void ReleaseSideBar();

// The side bar's share of a game tick, after the screen's Update.
void HandleSideBar();

// A screen that must be left by its own buttons holds the side bar from its
// Enter to its Leave: every button is disabled and Back and Forward no longer
// follow the histories. Letting go gives each button the state it had and
// Back and Forward the state of their histories. A second hold is ignored.
void HoldSideBar();
void LetGoSideBar();
bool SideBarHeld();

// Asks "Are you sure you wish to exit?"; the answer is read by the game tick.
void ConfirmExit();
void HideSideBarButtons();
void ShowSideBarButtons();  // the options dialog stays hidden
void DrawOptionsLabels();

}  // namespace ravel
