// Screen 101, the live match view: the user's match of the day, watched and
// steered ball by ball. MatchViewScreen.cpp holds the screen's state and
// builds and frees its controls; MatchViewControls.cpp switches the control
// groups as play goes on and serves the highlight options; MatchViewStep.cpp
// steps the day; MatchViewUpdate.cpp and MatchViewDialogs.cpp answer the
// controls and windows; Infobox.cpp the message pop-ups; Highlights.cpp and
// GroundView.cpp the ball's playback; SelectList.cpp the selection list.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "match/Tactics.h"
#include "screens/match/Infobox.h"
#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"
#include "shell/platform/Sprite.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;
class CEditBox;
class CHotSpot;
class CPopupMenu;
class CScrollBar;
class CTickBox;
class Match;
struct MatchPlayer;

// Pages of the info panel.
enum MatchViewTab : int32_t {
    TAB_NONE = -1,  // the match is over
    TAB_RECENT_OVERS = 5001,
    TAB_RECENT_BALLS = 5002,
    TAB_PITCH_ANALYSIS = 5003,
    TAB_OTHER_SCORES = 5004,
    TAB_PARTNERSHIP = 5005,
    TAB_MANHATTAN = 5020,
    TAB_WORM = 5021,
    TAB_CUMULATIVE = 5022,
};

// What the side panel steers.
enum PanelMode : int32_t {
    PANEL_BATTING = 5101,  // the user's side bats: aggression
    PANEL_BOWLING = 5102,  // it bowls: bowl plans
};

// What the selection window chooses.
inline constexpr int32_t SELECT_NEXT_BOWLER = 61;
inline constexpr int32_t SELECT_NEXT_BATSMAN = 62;

// Figures shown in the selection window's list.
enum SelectFigures : int32_t {
    FIGURES_BOWL_SKILL = 401,
    FIGURES_INNINGS = 402,
    FIGURES_SEASON = 404,
    FIGURES_CAREER = 405,
};

// Key latches: each key acts once per press.
enum MatchViewLatch : int {
    LATCH_RETURN,
    LATCH_RIGHT_BUTTON,
    LATCH_SPACE,
    LATCH_LEFT,
    LATCH_RIGHT,
    LATCH_COUNT,
};

inline constexpr int BALL_ICONS = 40;    // ball icons of the Recent Overs and Recent Balls pages
inline constexpr int BOWLING_ROWS = 5;   // bowler rows of the scoreboard
inline constexpr int BATTING_ROWS = 11;  // batting-order positions
inline constexpr int CHART_TICKS = 12;   // ticks a chart takes to grow
inline constexpr int HIGHLIGHT_FILTERS = 9;
inline constexpr int SPEED_REAL_TIME = 1;
inline constexpr int SPEED_SUPER_FAST = 4;
inline constexpr int PLAN_ROWS = 10;     // ball rows of the bowl plan editor
inline constexpr int PLAN_FIELDS = 5;    // side, length, movement, field, effort
inline constexpr int PANEL_PLAYERS = 2;  // the two players named on the side panel
inline constexpr int PANEL_ROWS = 4;     // their rows against the other two

// Every control and dialog of the screen, made by Enter and freed by Leave.
struct MatchViewUi {
    CButton* ball = nullptr;
    CButton* over = nullptr;
    CButton* declare = nullptr;  // listed only in matches over days
    CButton* newBall = nullptr;
    CButton* bowler = nullptr;
    CButton* mainScreen = nullptr;
    CButton* continueButton = nullptr;
    CButton* autoplay = nullptr;
    CButton* options = nullptr;
    CHotSpot* innings[4] = {};  // "View innings 1" .. "4"
    CComboBox* infoTab = nullptr;
    CScrollBar* panelScroll = nullptr;
    // Side panel, rows 208, 248, 412, 452 from the top.
    CButton* aggressionDown[PANEL_ROWS] = {};
    CButton* aggressionUp[PANEL_ROWS] = {};
    CTickBox* sameForAllBowlers[PANEL_PLAYERS] = {};
    CHotSpot* planNames[PANEL_ROWS] = {};
    CHotSpot* panelNames[PANEL_PLAYERS] = {};
    CHotSpot* battingRows[BATTING_ROWS] = {};
    CHotSpot* bowlingRows[BOWLING_ROWS] = {};
    // Beside the bowling rows below the two current bowlers, shown when more
    // bowlers have bowled than those rows hold.
    CScrollBar* bowlingScroll = nullptr;

    struct {
        CDialog* window = nullptr;
        CTickBox* filters[HIGHLIGHT_FILTERS] = {};  // in the order of their labels
        CButton* done = nullptr;
        CButton* selectAll = nullptr;
        CButton* selectNone = nullptr;
        CComboBox* speed = nullptr;
    } highlightOptions;

    struct Question {
        CDialog* window = nullptr;
        CButton* yes = nullptr;
        CButton* no = nullptr;
    };
    Question autoplayNotice;
    Question followOn;

    struct {
        CDialog* window = nullptr;
        CButton* ok = nullptr;
    } infobox;

    struct {
        CDialog* window = nullptr;
        CButton* ok = nullptr;
        CComboBox* figures = nullptr;
        CButton* declare = nullptr;
        CHotSpot* rows[BATTING_ROWS] = {};
    } select;

    struct {
        CDialog* window = nullptr;
        CButton* done = nullptr;
        CButton* create = nullptr;
        CEditBox* name = nullptr;
        CPopupMenu* positions = nullptr;
    } fieldEditor;

    struct {
        CDialog* window = nullptr;
        CButton* ok = nullptr;
        CScrollBar* scroll[2] = {};
        CButton* planDown[2] = {};  // pace plan row, spin plan row
        CButton* planUp[2] = {};
        CButton* edit[2] = {};
        CComboBox* battingStats = nullptr;
        CComboBox* chart = nullptr;
        CComboBox* bowlerStats = nullptr;
    } playerWindow;

    struct {
        CDialog* window = nullptr;
        CButton* done = nullptr;
        CButton* cancel = nullptr;
        CButton* createNew = nullptr;
        CButton* up = nullptr;
        CButton* down = nullptr;
        CButton* add = nullptr;
        CButton* remove = nullptr;
        CEditBox* name = nullptr;
        CButton* fieldDown[PLAN_FIELDS] = {};
        CButton* fieldUp[PLAN_FIELDS] = {};
        CButton* fieldEditor = nullptr;
        CHotSpot* ballRows[PLAN_ROWS] = {};
        CScrollBar* ballScroll = nullptr;
    } planEditor;
};

class CMatchViewScreen : public CScreen {
public:
    void Enter() override;
    void Leave() override;
    void Update() override;
    void Render() override;
    void Tick() override;
    void LoadTextures() override;
    void UnloadTextures() override;
    void Reset() override { m_kept = {}; }
    // A new match of the user's: its first visit opens its day and shows its
    // starting bowlers.
    void PrepareForNewMatch();

    MatchViewUi m_ui;

    // Kept from one visit to the next, until a new career.
    struct Kept {
        int32_t mv_infoTab = TAB_RECENT_OVERS;
        int32_t mv_highlightSpeed = SPEED_REAL_TIME;  // animation steps per tick, 1..4
        int32_t mv_selectMode = SELECT_NEXT_BOWLER;
        int32_t mv_panelMode = PANEL_BATTING;
        int32_t mv_statsView = 8001;     // batting statistics of the player window, 8001..8008
        int32_t mv_chartKind = 1;        // 1 Spider, 2 Area, 3 Breakdown, 4 Chart
        int32_t mv_bowlerStatsView = 1;  // 1..4
        int32_t mv_selectStatsView = FIGURES_BOWL_SKILL;  // FIGURES_*
        int32_t mv_statsBlock = 0;            // the player window's figures while its drop-down names none
        uint8_t mv_firstStepDone = 0;         // the opening step of a day has run once
        uint8_t mv_startingBowlersShown = 0;  // "Starting bowlers" comes once
        uint8_t mv_matchCompletedShown = 0;   // "Match Completed" once per finish
    } m_kept;

    // Set while the screen is shown.
    int32_t mv_viewInnings = 0;  // innings on the scoreboard, 0..3
    int32_t mv_otherScoresTop = 0;
    int32_t mv_statsInnings = 0;  // subject of the player window
    int32_t mv_statsPlayer = 0;
    int32_t mv_statsRole = 0;
    uint8_t mv_editorFromStats = 0;
    TacticsEditor mv_editor;       // the plan and field being edited
    int32_t mv_editorBatsman = 0;  // the plan is for batsman 0 or 1 at the crease
    uint8_t mv_latches[LATCH_COUNT] = {};
    int32_t mv_ballScripts[BALL_ICONS] = {};  // script index of each ball icon, -1 none
    int32_t mv_bowlerRowSlots[BOWLING_ROWS] = {};
    int32_t mv_chartTick = 0;  // frame counter of the growing charts
    // "Over" was pressed and its over has balls to come: play that a ball's
    // clip held goes on when the clip ends.
    uint8_t mv_overUnderWay = 0;

    // A bowler or the next batsman is to be chosen once the pop-ups are closed.
    uint8_t mv_bowlerSelectPending = 0;
    uint8_t mv_batsmanSelectPending = 0;

    // The infobox queue; the newest is the one on show.
    std::vector<Infobox> mv_infoboxes;
    int32_t mv_infoboxCurrent = -1;  // -1 none

    // The screen's pictures, loaded once per visit.
    std::unique_ptr<CSprite> mv_scoreboard;
    std::unique_ptr<CSprite> mv_pitchSmall;
    std::unique_ptr<CSprite> mv_pitch;
    std::unique_ptr<CSprite> mv_pitchless;
    std::unique_ptr<CSprite> mv_bottomBar;

    // The screen's controls, made by Enter and freed by Leave.
    ScreenControls m_controls;
};

// The screen table's match view.
CMatchViewScreen& MatchView();

// Bowl plans: a bowler's plan against a batting position, within his table
// (the spin plans for a spinner, else the pace plans); -1 for an empty table.
void DecreaseBowlPlan(MatchPlayer& bowler, int battingPosition);
void IncreaseBowlPlan(MatchPlayer& bowler, int battingPosition);
// The batsman's aggression against one bowler, copied to all eleven.
void ApplyAggressionToAllBowlers(MatchPlayer& batsman, int bowlerSlot);
// The player statistics window, modal, in batting (5101) or bowling (5102) mode.
void ShowPlayerStatsWindow(int32_t mode);
// The selection window's draw callback: the bowlers or the batting order.
void DrawSelectionList();

}  // namespace ravel
