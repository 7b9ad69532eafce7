#include "screens/match/MatchViewScreen.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <iterator>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "match/Tactics.h"
#include "screens/match/GroundView.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewDraw.h"
#include "screens/match/MatchViewPlay.h"
#include "screens/match/TacticsEditors.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenTable.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

MatchViewUi& Ui() {
    return MatchView().m_ui;
}
ScreenControls& Controls() {
    return MatchView().m_controls;
}

enum FirstState { SHOWN, HIDDEN, DISABLED };

struct ButtonEntry {
    CButton* MatchViewUi::*slot;
    const char* caption;
    const char* tooltip;
    int x, y, width, height;
    FirstState state;
};

constexpr ButtonEntry SCREEN_BUTTONS[] = {
    {&MatchViewUi::ball, "Ball", "Bowl the next ball", 15, 630, 70, 30, SHOWN},
    {&MatchViewUi::over, "Over", "Complete this over", 90, 630, 70, 30, SHOWN},
    {&MatchViewUi::declare, "Declare", "End this innings prematurely", 15, 550, 150, 30, SHOWN},
    {&MatchViewUi::newBall, "Take new ball", "Accept the offer of a brand new ball", 15, 550, 150, 30,
     HIDDEN},
    {&MatchViewUi::bowler, "Bowler", "Change the bowler", 15, 590, 150, 30, DISABLED},
    {&MatchViewUi::mainScreen, "Main Screen", "Return to the main screen", 895, 720, 110, 30, SHOWN},
    {&MatchViewUi::continueButton, "Continue", "Move on to the next stage of the game", 895, 720, 110, 30,
     HIDDEN},
    {&MatchViewUi::autoplay, "Autoplay", "Fast forward without watching game", 10, 720, 118, 30, SHOWN},
    {&MatchViewUi::options, "Options", nullptr, 138, 720, 120, 30, SHOWN},
};

// The side panel's rows, from the top: the first player's two, the second's two.
constexpr int PANEL_ROW_Y[PANEL_ROWS] = {208, 248, 412, 452};
constexpr int BOWLING_ROW_Y[BOWLING_ROWS] = {150, 175, 215, 240, 265};

struct InningsSpot {
    const char* caption;
    const char* tooltip;
    int x;
};
constexpr InningsSpot INNINGS_SPOTS[4] = {
    {"1", "View innings 1", 275},
    {"2", "View innings 2", 519},
    {"3", "View innings 3", 359},
    {"4", "View innings 4", 603},
};
constexpr int INNINGS_SPOT_WIDTH = 82;
constexpr int ONE_DAY_SPOT_WIDTH = 166;  // one box a side for the limited-overs score

struct Item {
    const char* text;
    int32_t value;
};
constexpr Item SPEED_ITEMS[] = {{"Real Time", 1}, {"Fast", 2}, {"Very Fast", 3}, {"Super Fast", 4}};
constexpr Item FIGURES_ITEMS[] = {
    {"Bowl Skills", 1}, {"Innings Figures", 2}, {"Season Figures", 3}, {"Career Figures", 4}};
constexpr int32_t FIGURES_STATES[] = {FIGURES_BOWL_SKILL, FIGURES_INNINGS, FIGURES_SEASON, FIGURES_CAREER};
constexpr Item BATTING_STATS_ITEMS[] = {{"First Class - Career", 8001}, {"First Class - Season", 8005},
                                        {"List A - Career", 8002},      {"List A - Season", 8006},
                                        {"Test Match - Career", 8003},  {"Test Match - Season", 8007},
                                        {"ODI - Career", 8004},         {"ODI - Season", 8008}};
constexpr Item CHART_ITEMS[] = {{"Spider", 1}, {"Area", 2}, {"Breakdown", 3}, {"Chart", 4}};
constexpr Item BOWLER_STATS_ITEMS[] = {
    {"Confidence / Aggression", 1}, {"vs Batsman", 2}, {"Innings Totals", 3}, {"Health / Form", 4}};

// Highlight filter tick boxes stand 30 apart from the top of the window.
constexpr int FILTER_TOP = 10;
constexpr int FILTER_STEP = 30;

void SetFirstState(CControl* control, FirstState state) {
    if (state == HIDDEN) control->mb_visible = 0;
    if (state == DISABLED) control->Disable();
}

CDialog* MakeDialog(const char* caption, int x, int y, int width, int height, bool titleBar = true) {
    CDialog* dialog = Controls().Make<CDialog>(x, y, width, height, caption);
    dialog->mb_visible = 0;
    if (!titleBar) dialog->HideTitleBar();
    return dialog;
}

template <class T>
T* Child(CDialog* dialog, int x, int y, int width, int height, const char* caption = nullptr,
         const char* tooltip = nullptr) {
    T* control = Controls().Make<T>(x, y, width, height, caption, tooltip);
    dialog->AddChild(control);
    return control;
}

template <size_t N>
CComboBox* ChildCombo(CDialog* dialog, int x, int y, int width, int height, const Item (&items)[N],
                      const char* tooltip = nullptr) {
    CComboBox* combo = Child<CComboBox>(dialog, x, y, width, height, items[0].text, tooltip);
    for (const Item& item : items) combo->AddListItem(item.text, item.value);
    return combo;
}

void MakeScreenControls(bool firstClass) {
    for (const ButtonEntry& b : SCREEN_BUTTONS) {
        Ui().*b.slot = Controls().Make<CButton>(b.x, b.y, b.width, b.height, b.caption, b.tooltip);
        SetFirstState(Ui().*b.slot, b.state);
    }
    for (int i = 0; i < 4; ++i) {
        const InningsSpot& s = INNINGS_SPOTS[i];
        const int width = firstClass ? INNINGS_SPOT_WIDTH : ONE_DAY_SPOT_WIDTH;
        Ui().innings[i] = Controls().Make<CHotSpot>(s.x, 103, width, 25, s.caption, s.tooltip);
        if (i >= 2 && !firstClass) Ui().innings[i]->mb_visible = 0;
    }
    Ui().infoTab = Controls().Make<CComboBox>(400, 460, 250, 30, "Recent Overs");
    for (int i = 0; i < INFO_TAB_COUNT; ++i)
        Ui().infoTab->AddListItem(INFO_TABS[i].caption, INFO_TABS[i].value);
    Ui().panelScroll = Controls().Make<CScrollBar>(985, 460, 17, 225);
    Ui().panelScroll->mb_horizontal = 0;
    Ui().panelScroll->m_max = 0;
    Ui().panelScroll->m_position = 0;
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Ui().aggressionDown[r] =
            Controls().Make<CButton>(10, PANEL_ROW_Y[r], 30, 20, "<", "Decrease aggression");
        Ui().aggressionUp[r] =
            Controls().Make<CButton>(150, PANEL_ROW_Y[r], 30, 20, ">", "Increase aggression");
        Ui().planNames[r] = Controls().Make<CHotSpot>(45, PANEL_ROW_Y[r], 100, 20);
        Ui().planNames[r]->mb_visible = MatchView().m_kept.mv_panelMode == PANEL_BOWLING;
    }
    Ui().sameForAllBowlers[0] = Controls().Make<CTickBox>(150, 273, 20, 20);
    Ui().sameForAllBowlers[1] = Controls().Make<CTickBox>(150, 477, 20, 20);
    Ui().sameForAllBowlers[1]->mb_ticked = 1;
    Ui().panelNames[0] = Controls().Make<CHotSpot>(5, 127, 175, 22);
    Ui().panelNames[1] = Controls().Make<CHotSpot>(5, 331, 175, 22);
    for (int i = 0; i < BATTING_ROWS; ++i)
        Ui().battingRows[i] = Controls().Make<CHotSpot>(205, 195 + 20 * i, 478, 19);
    for (int i = 0; i < BOWLING_ROWS; ++i)
        Ui().bowlingRows[i] = Controls().Make<CHotSpot>(689, BOWLING_ROW_Y[i], 327, 24);
    Ui().bowlingScroll = Controls().Make<CScrollBar>(BOWLING_SCROLL_X, BOWLING_ROW_Y[2], 17, 75);
    Ui().bowlingScroll->mb_horizontal = 0;
    Ui().bowlingScroll->m_max = 0;
    Ui().bowlingScroll->m_position = 0;
    Ui().bowlingScroll->mb_visible = 0;
}

void MakeHighlightOptions() {
    auto& d = Ui().highlightOptions;
    d.window = MakeDialog("Highlights Options", 372, 180, 280, 470);
    d.window->mp_drawCallback = HighlightOptionsDialog;
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k) {
        d.filters[k] = Child<CTickBox>(d.window, 10, FILTER_TOP + FILTER_STEP * k, 100, 30);
    }
    d.done = Child<CButton>(d.window, 90, 390, 100, 30, "Done", "Return to match");
    d.selectAll = Child<CButton>(d.window, 10, 355, 120, 30, "Select All", "View all highlights");
    d.selectNone = Child<CButton>(d.window, 145, 355, 120, 30, "Select None", "View no highlights");
    d.speed = ChildCombo(d.window, 10, 305, 200, 25, SPEED_ITEMS);
}

void MakeQuestions() {
    auto& a = Ui().autoplayNotice;
    a.window = MakeDialog("Autoplay", 372, 180, 280, 395);
    a.window->mp_drawCallback = DrawAutoplayNotice;
    a.yes = Child<CButton>(a.window, 30, 290, 100, 30, "Yes", "Do autoplay");
    a.no = Child<CButton>(a.window, 140, 290, 100, 30, "No", "Return to match without autoplay");
    auto& f = Ui().followOn;
    f.window = MakeDialog("Enforce the follow on?", 300, 480, 540, 160);
    f.yes = Child<CButton>(f.window, 120, 90, 100, 30, "Yes",
                           "Enforce the batting team to bat again immediately");
    f.no = Child<CButton>(f.window, 320, 90, 100, 30, "No", "Do not force them to bat again immediately");
    auto& i = Ui().infobox;
    i.window = MakeDialog("Ravelstone", 300, 480, 540, 160);
    i.window->mp_drawCallback = DrawInfobox;
    i.ok = Child<CButton>(i.window, 10, 95, 80, 30, "OK");
}

void MakeSelectWindow() {
    auto& s = Ui().select;
    s.window = MakeDialog("Select Bowler", 233, 153, 756, 442);
    s.window->mp_drawCallback = DrawSelectionList;
    s.ok = Child<CButton>(s.window, 273, 370, 100, 30, "OK");
    s.figures = ChildCombo(s.window, 450, 10, 200, 30, FIGURES_ITEMS);
    s.declare = Child<CButton>(s.window, 350, 370, 100, 30, "Declare", "Declare the innings");
    for (int i = 0; i < BATTING_ROWS; ++i) s.rows[i] = Child<CHotSpot>(s.window, 5, 65 + 25 * i, 746, 24);
}

void MakeFieldEditor() {
    auto& f = Ui().fieldEditor;
    f.window = MakeDialog("Field", 0, 0, 1024, 768, false);
    f.window->mp_drawCallback = DrawFieldEditor;
    f.done = Child<CButton>(f.window, 833, 133, 100, 30, "Done", "Select this field");
    f.create =
        Child<CButton>(f.window, 253, 133, 100, 30, "New", "Create a new field based upon the current one");
    f.name = Child<CEditBox>(f.window, 253, 603, 180, 30);
    f.name->m_maxLength = FIELD_NAME_LENGTH;
    f.positions = Child<CPopupMenu>(f.window, 0, 0, 150, 25);
    for (size_t p = 0; p < g_world.mv_fieldPositions.size(); ++p) {
        f.positions->AddListItem(g_world.mv_fieldPositions[p].m_name, static_cast<int>(p));
    }
}

void MakePlayerWindow() {
    auto& w = Ui().playerWindow;
    w.window = MakeDialog("Tactics", 203, 103, 816, 683, false);
    w.window->mp_drawCallback = DrawPlayerWindow;
    w.ok = Child<CButton>(w.window, 745, 530, 65, 30, "OK", "Return to match");
    for (int k = 0; k < 2; ++k) {
        const int y = k == 0 ? 90 : 331;
        w.scroll[k] = Child<CScrollBar>(w.window, 7, k == 0 ? 304 : 544, 700, 30);
        w.planDown[k] = Child<CButton>(w.window, 400, y, 30, 20, "<");
        w.planUp[k] = Child<CButton>(w.window, 700, y, 30, 20, ">");
        w.edit[k] = Child<CButton>(w.window, 300, y, 60, 20, "Edit");
    }
    w.battingStats = ChildCombo(w.window, 236, 413, 220, 30, BATTING_STATS_ITEMS, "Choose stats to view");
    w.chart = ChildCombo(w.window, 636, 61, 160, 30, CHART_ITEMS, "Choose innings analysis to view");
    w.bowlerStats = ChildCombo(w.window, 156, 61, 220, 30, BOWLER_STATS_ITEMS, "Choose bowler stats to view");
}

void MakePlanEditor() {
    auto& e = Ui().planEditor;
    e.window = MakeDialog("Bowl Plan Editor", 203, 103, 816, 683, false);
    e.window->mp_drawCallback = DrawPlanEditor;
    e.done = Child<CButton>(e.window, 700, 520, 100, 30, "Done", "Confirm changes");
    e.cancel = Child<CButton>(e.window, 580, 520, 100, 30, "Cancel", "Cancel all changes");
    e.createNew = Child<CButton>(e.window, 460, 520, 100, 30, "Create New", "Create a new bowl plan");
    e.up = Child<CButton>(e.window, 10, 460, 100, 20, "Up", "Move the selected ball up in the plan");
    e.down = Child<CButton>(e.window, 120, 460, 100, 20, "Down", "Move the selected ball down in the plan");
    e.add = Child<CButton>(e.window, 10, 420, 100, 20, "Add", "Add a new ball to the plan");
    e.remove =
        Child<CButton>(e.window, 120, 420, 100, 20, "Remove", "Remove the selected ball from the plan");
    e.name = Child<CEditBox>(e.window, 10, 50, 200, 30);
    e.name->m_maxLength = PLAN_NAME_LENGTH;
    constexpr int FIELD_ROW_Y[PLAN_FIELDS] = {50, 100, 150, 300,
                                              350};  // side, length, movement, field, effort
    for (int k = 0; k < PLAN_FIELDS; ++k) {
        e.fieldDown[k] = Child<CButton>(e.window, 700, FIELD_ROW_Y[k], 50, 20, "<");
        e.fieldUp[k] = Child<CButton>(e.window, 755, FIELD_ROW_Y[k], 50, 20, ">");
    }
    e.fieldEditor = Child<CButton>(e.window, 700, 270, 100, 20, "Field Editor");
    for (int k = 0; k < PLAN_ROWS; ++k) e.ballRows[k] = Child<CHotSpot>(e.window, 10, 175 + 20 * k, 150, 19);
    e.ballScroll = Child<CScrollBar>(e.window, 260, 177, 17, 200);
    e.ballScroll->mb_horizontal = 0;
    e.ballScroll->mb_visible = 0;
}

// Drawing order and the order in which the controls get the mouse.
void FillControlList(bool firstClass) {
    for (CDialog* d : {Ui().highlightOptions.window, Ui().followOn.window, Ui().autoplayNotice.window,
                       Ui().infobox.window, Ui().select.window}) {
        Controls().List(d);
    }
    for (int i = 0; i < BATTING_ROWS; ++i) {
        Controls().List(Ui().battingRows[i]);
        if (i < BOWLING_ROWS) Controls().List(Ui().bowlingRows[i]);
    }
    for (CControl* c : std::initializer_list<CControl*>{
             Ui().fieldEditor.window, Ui().playerWindow.window, Ui().planEditor.window, Ui().infoTab,
             Ui().panelNames[0], Ui().panelNames[1], Ui().panelScroll, Ui().bowlingScroll}) {
        Controls().List(c);
    }
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Controls().List(Ui().aggressionUp[r]);
        Controls().List(Ui().aggressionDown[r]);
    }
    for (CTickBox* t : Ui().sameForAllBowlers) Controls().List(t);
    for (CHotSpot* h : Ui().planNames) Controls().List(h);
    Controls().List(Ui().ball);
    Controls().List(Ui().over);
    if (firstClass) Controls().List(Ui().declare);
    for (CControl* c : std::initializer_list<CControl*>{
             Ui().newBall, Ui().mainScreen, Ui().innings[0], Ui().innings[1], Ui().bowler, Ui().innings[2],
             Ui().innings[3], Ui().continueButton, Ui().autoplay, Ui().options}) {
        Controls().List(c);
    }
}

// The drop-downs name the choices kept from the last visit.
void ShowKeptChoices() {
    ShowInfoTab(MatchView().m_kept.mv_infoTab);
    ChooseItem(Ui().highlightOptions.speed, MatchView().m_kept.mv_highlightSpeed);
    for (int i = 0; i < static_cast<int>(std::size(FIGURES_STATES)); ++i) {
        if (FIGURES_STATES[i] == MatchView().m_kept.mv_selectStatsView)
            ChooseItem(Ui().select.figures, FIGURES_ITEMS[i].value);
    }
    ChooseItem(Ui().playerWindow.battingStats, MatchView().m_kept.mv_statsView);
    ChooseItem(Ui().playerWindow.chart, MatchView().m_kept.mv_chartKind);
    ChooseItem(Ui().playerWindow.bowlerStats, MatchView().m_kept.mv_bowlerStatsView);
}

void LoadPicture(std::unique_ptr<CSprite>& holder, const char* path) {
    if (holder) holder->Release();
    holder = std::make_unique<CSprite>();
    holder->LoadFromFile(path);  // a missing picture draws nothing
}

void FreePicture(std::unique_ptr<CSprite>& holder) {
    if (holder) holder->Release();
    holder.reset();
}

// Each loaded once per visit and all freed again.
void LoadPictures() {
    char scoreboard[128];
    std::snprintf(scoreboard, sizeof scoreboard, "gfx/gui/%s/scoreboard.bmp", g_game->m_skinName);
    LoadPicture(MatchView().mv_pitchSmall, "gfx/pics/pitch_small2.bmp");
    LoadPicture(MatchView().mv_scoreboard, scoreboard);
    LoadPicture(MatchView().mv_pitch, "gfx/pics/pitch2.bmp");
    LoadPicture(MatchView().mv_pitchless, "gfx/pics/pitch2_pitchless.bmp");
    LoadPicture(MatchView().mv_bottomBar, "gfx/sprites/bottominfobar.bmp");
}

}  // namespace

CMatchViewScreen& MatchView() {
    return TheScreen<CMatchViewScreen>();
}

void CMatchViewScreen::LoadTextures() {
    LoadPictures();
    GroundView::s_initDone = false;
    g_groundView.Init();
}

void CMatchViewScreen::UnloadTextures() {
    for (std::unique_ptr<CSprite>* holder :
         {&mv_pitchSmall, &mv_scoreboard, &mv_pitch, &mv_pitchless, &mv_bottomBar})
        FreePicture(*holder);
}

void CMatchViewScreen::Enter() {
    HideSideBarButtons();
    g_game->mb_screenFrame = 0;
    if (m_kept.mv_infoTab == TAB_NONE) m_kept.mv_infoTab = TAB_RECENT_OVERS;
    mv_overUnderWay = 0;
    LoadPictures();
    Controls().Begin();
    CreateHighlightsList();

    Match* match = UserMatch();
    const bool firstClass = !match || match->IsFirstClass();
    MakeScreenControls(firstClass);
    MakeHighlightOptions();
    MakeQuestions();
    MakeSelectWindow();
    MakeFieldEditor();
    MakePlayerWindow();
    MakePlanEditor();
    FillControlList(firstClass);
    ShowKeptChoices();

    if (match) {
        mv_viewInnings = Match::InningsIndex(match->mi_currentInnings);
        UpdateMatchControls(false);
    }
    if (m_kept.mv_panelMode != PANEL_BOWLING) {
        for (CHotSpot* h : m_ui.planNames) h->mb_visible = 0;
    }
    if (!match) return;
    // A match under way needs no opening step; the run's first visit at the
    // start of a day takes one, which prepares the day.
    if (match->CurrentSession().mi_balls > 0 || match->mi_sessionNumber != 0) {
        m_kept.mv_firstStepDone = 1;
    } else if (!m_kept.mv_firstStepDone) {
        m_kept.mv_firstStepDone = 1;
        AdvanceMatches();
    }
}

void CMatchViewScreen::PrepareForNewMatch() {
    m_kept.mv_firstStepDone = 0;
    m_kept.mv_startingBowlersShown = 0;
    m_kept.mv_matchCompletedShown = 0;
    m_kept.mv_infoTab = TAB_NONE;
}

void CMatchViewScreen::Leave() {
    Controls().Free();
    FreeHighlightsList();
    m_ui = MatchViewUi{};
    UnloadTextures();
    ShowSideBarButtons();
}

void DecreaseBowlPlan(MatchPlayer& bowler, int battingPosition) {
    if (battingPosition < 0 || battingPosition >= SQUAD_SIZE) return;
    int32_t& plan = bowler.mi_bowlPlan[battingPosition];
    // An empty table leaves no plan to point at.
    plan = BowlPlanTable(bowler).empty() ? -1 : std::max(0, plan - 1);
}

void IncreaseBowlPlan(MatchPlayer& bowler, int battingPosition) {
    if (battingPosition < 0 || battingPosition >= SQUAD_SIZE) return;
    int32_t& plan = bowler.mi_bowlPlan[battingPosition];
    const int count = static_cast<int>(BowlPlanTable(bowler).size());
    ++plan;
    if (plan >= count) plan = count - 1;
}

void ApplyAggressionToAllBowlers(MatchPlayer& batsman, int bowlerSlot) {
    if (bowlerSlot < 0 || bowlerSlot >= SQUAD_SIZE) return;
    batsman.mf_aggression.fill(batsman.mf_aggression[bowlerSlot]);
}

void ShowPlayerStatsWindow(int32_t mode) {
    auto& w = MatchView().m_ui.playerWindow;
    if (!w.window) return;
    w.window->mb_visible = 1;
    w.window->mb_expanded = 1;
    const bool batting = mode != PANEL_BOWLING;
    for (CControl* c : {static_cast<CControl*>(w.battingStats), static_cast<CControl*>(w.chart),
                        static_cast<CControl*>(w.bowlerStats)}) {
        c->mb_visible = batting;
    }
    for (int k = 0; k < 2; ++k) {
        for (CControl* c : {static_cast<CControl*>(w.scroll[k]), static_cast<CControl*>(w.planDown[k]),
                            static_cast<CControl*>(w.planUp[k]), static_cast<CControl*>(w.edit[k])}) {
            c->mb_visible = !batting;
        }
    }
    if (batting) {
        MatchView().m_kept.mv_chartKind = 1;
        ChooseItem(w.chart, 1);
        return;
    }
    // Each plan shows from its first ball.
    for (CScrollBar* bar : w.scroll) bar->m_position = 0;
    // Only the user's own bowler of this innings, in play, is steered here.
    const Match* match = UserMatch();
    const bool steers = match && PlayerWindowSteersPlans() && !MatchStopped(*match);
    for (int k = 0; k < 2; ++k) {
        for (CButton* b : {w.planDown[k], w.planUp[k], w.edit[k]}) {
            if (steers)
                b->mb_disabled = 0;
            else
                b->Disable();
        }
    }
}

}  // namespace ravel
