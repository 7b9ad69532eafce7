// The live match view's Update: the keys and the open window first, then the
// info panel and the play controls, and what the end of the user's day of
// play does.
#include "match/Match.h"
#include "match/MatchDay.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "screens/match/Highlights.h"
#include "screens/match/Infobox.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewPlay.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/match/TacticsEditors.h"
#include "screens/menus/ScreenControls.h"
#include "season/CustomLeague.h"
#include "season/CustomTour.h"
#include "season/DayMachine.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/Keys.h"
#include "shell/platform/System.h"
#include "world/Records.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

MatchViewUi& UI = MV::s_ui;

bool LatchKeyDown(int latch) {
    switch (latch) {
        case LATCH_RETURN:
            return g_system->KeyDown(DIK_RETURN);
        case LATCH_RIGHT_BUTTON:
            return g_system->mb_rightDown != 0;
        case LATCH_SPACE:
            return g_system->KeyDown(DIK_SPACE);
        case LATCH_LEFT:
            return g_system->KeyDown(DIK_LEFT);
        default:
            return g_system->KeyDown(DIK_RIGHT);
    }
}

bool Shown(const CControl* control) {
    return control && control->mb_visible;
}

bool Usable(const CControl* control) {
    return control && control->mb_visible && !control->mb_disabled;
}

void Enable(CControl* control, bool shown = true) {
    control->mb_disabled = 0;
    if (shown) control->mb_visible = 1;
}

void ChangeHighlightSpeed() {
    const int before = MV::mv_highlightSpeed;
    if (TakeLatched(LATCH_LEFT)) MV::mv_highlightSpeed = std::max(SPEED_REAL_TIME, MV::mv_highlightSpeed - 1);
    if (TakeLatched(LATCH_RIGHT))
        MV::mv_highlightSpeed = std::min(SPEED_SUPER_FAST, MV::mv_highlightSpeed + 1);
    if (MV::mv_highlightSpeed != before) ChooseItem(UI.highlightOptions.speed, MV::mv_highlightSpeed);
}

// A right click ends a ball's playback; with none playing it is used up
// here unless a pop-up is waiting for it.
void RightClick() {
    if (!LatchKeyDown(LATCH_RIGHT_BUTTON) || !MV::mv_latches[LATCH_RIGHT_BUTTON]) return;
    if (Shown(g_highlightsWindow)) {
        TakeLatched(LATCH_RIGHT_BUTTON);
        EndBallAnimation();
    } else if (!Shown(UI.infobox.window)) {
        TakeLatched(LATCH_RIGHT_BUTTON);
    }
}

// The page chosen in the info panel's drop-down.
void ChooseInfoTab() {
    CComboBox* combo = UI.infoTab;
    if (combo->m_comboState != COMBO_CHOSEN) return;
    const int32_t value = combo->GetSelectedValue();
    for (int i = 0; i < INFO_TAB_COUNT; ++i) {
        const InfoTabRow& row = INFO_TABS[i];
        if (row.value != value) continue;
        ShowInfoTab(row.tab);
        if (row.tab == TAB_MANHATTAN || row.tab == TAB_WORM || row.tab == TAB_CUMULATIVE)
            MV::mv_chartTick = 0;
        if (row.tab == TAB_OTHER_SCORES) {
            CScrollBar& bar = *UI.panelScroll;
            const int matches = static_cast<int>(g_currentMatches.size());
            bar.m_min = 0;
            bar.m_position = 0;
            bar.m_max = std::max(0, matches - 2);
            if (matches > 2)
                bar.mb_disabled = 0;
            else
                bar.Disable();
        }
    }
    combo->Collapse();
}

// Replays a recorded ball of the user's match picked from a page.
void ReplayBall(int scriptIndex) {
    Match* match = UserMatch();
    if (!match || scriptIndex < 0 || scriptIndex >= static_cast<int>(match->mv_animScripts.size())) return;
    match->mv_animScripts[scriptIndex].mb_played = 1;
    StartBallAnimation(*match, scriptIndex);
}

int BallScriptAt(int entry) {
    return entry >= 0 && entry < BALL_ICONS ? MV::mv_ballScripts[entry] : -1;
}

// A click on the panel's page; true when it opened another screen.
bool ClickPanelPage() {
    if (UI.infoTab->m_comboState != COMBO_CLOSED || !g_system->mb_leftDown) return false;
    const int x = g_system->m_mouseX, y = g_system->m_mouseY;
    constexpr int TOP = 510, BOTTOM = 700, CELL = 40, ROWS = 4;
    if (MV::mv_infoTab == TAB_RECENT_OVERS) {
        // Ball j of an over stands in column j; wides and no balls take an
        // over to a ninth and tenth ball, columns 9 and 10 at the right edge.
        constexpr int LEFT = 450, RIGHT = 890;
        if (x <= LEFT || x >= RIGHT || y <= TOP || y >= BOTTOM) return false;
        const int column = (x - LEFT) / CELL, row = (y - TOP) / CELL;
        if (row < ROWS) ReplayBall(BallScriptAt(ROWS * column + row - 1));
        return false;
    }
    if (x <= 203 || x >= 980 || y <= TOP || y >= BOTTOM) return false;
    if (MV::mv_infoTab == TAB_RECENT_BALLS) {
        const int row = (y - TOP) / CELL;
        if (row < ROWS) ReplayBall(BallScriptAt(row));
        return false;
    }
    if (MV::mv_infoTab != TAB_OTHER_SCORES) return false;
    constexpr int SECOND_MATCH_Y = 601;
    const int index = MV::mv_otherScoresTop + (y < SECOND_MATCH_Y ? 0 : 1);
    if (index < 0 || index >= static_cast<int>(g_currentMatches.size())) return false;
    OpenScorecard(MATCH_LIST_IN_PROGRESS, index);
    return true;
}

// In a career the user's own page with fresh histories; a custom tour or
// league ends here. The match stays in the list for later.
void LeaveToMainScreen() {
    if (g_cricket.m_gameMode != MODE_CAREER) {
        g_game->m_running = false;
        return;
    }
    g_game->mv_backHistory.clear();
    g_game->mv_forwardHistory.clear();
    DayScreens().ShowSelection(g_cricket.m_team, true);
}

void StepFromButton(bool completeOver) {
    Match* match = UserMatch();
    if (!match) return;
    match->mb_completeOver = completeOver ? 1 : 0;
    AdvanceMatches();
}

void TakeNewBall(Match& match) {
    match.mb_newBallOffered = 0;
    match.AnswerNewBall(true);
    UI.newBall->m_state = STATE_NORMAL;
    UI.newBall->mb_visible = 0;
}

// The assistant plays the user's match and the day's other matches to close
// of play or their end; only Continue is left.
void RunAutoplay(Match& match) {
    UI.autoplayNotice.yes->m_state = STATE_NORMAL;
    g_game->m_busy = true;
    g_game->RenderFrame();
    AutoplayMatch(match);
    PlayComputerMatchesToClose();
    ClearInfoboxes();
    for (CButton* b : {UI.ball, UI.over, UI.bowler, UI.declare, UI.mainScreen, UI.autoplay}) b->Disable();
    UI.mainScreen->mb_visible = 0;
    Enable(UI.continueButton);
    UI.autoplayNotice.window->mb_visible = 0;
    UI.autoplayNotice.window->mb_expanded = 0;
    for (int i = 0; i < 4; ++i) {
        if (i <= match.mi_currentInnings)
            UI.innings[i]->mb_disabled = 0;
        else
            UI.innings[i]->Disable();
    }
    g_game->m_busy = false;
    UpdateMatchControls(true);
    // The panel's layout must not bring back what only Continue may follow.
    SettleStoppedControls(match);
    UI.autoplay->Disable();
}

void BackToPlay(Match& match) {
    UI.continueButton->Disable();
    UI.continueButton->mb_visible = 0;
    for (CButton* b : {UI.ball, UI.over, UI.mainScreen}) Enable(b);
    MV::mv_viewInnings = Match::InningsIndex(match.mi_currentInnings);
}

// The user's part of the day is over: another human's match still to play
// leads to today's fixtures; else the day's other matches are played out and
// his match's scorecard opens, from which the day machine goes on.
void EndUsersDay(Match& match) {
    g_game->m_busy = true;
    g_game->RenderFrame();
    if (HumanMatchInPlay()) {
        ClearInfoboxes();
        g_cricket.m_dayPhase = DAY_PHASE_HUMAN_PLAYS;
        g_game->m_busy = false;
        ChangeScreen(SCREEN_TODAYS_FIXTURES);
        return;
    }
    PlayComputerMatchesToClose();
    UI.continueButton->Disable();
    UI.continueButton->mb_visible = 0;
    Enable(UI.mainScreen);
    g_game->m_busy = false;
    ClearInfoboxes();
    SetScoreboardDate(g_cricket.m_date);
    HandOverUserMatchEnd(true);
    OpenScorecardByMatchId(match.mi_id);
}

// True when it left the screen.
bool ContinuePlay(Match& match) {
    const int32_t state = match.mi_playState;
    if (state == PLAY_MATCH_OVER) MV::mv_infoTab = TAB_NONE;
    if (state == PLAY_INNINGS_BREAK) {
        match.mi_playState = PLAY_IN_PLAY;
        BackToPlay(match);
        UI.autoplay->mb_visible = 1;
        UI.newBall->mb_visible = 0;
        UpdateMatchControls(true);
        return false;
    }
    if (state != PLAY_MATCH_OVER && state != PLAY_CLOSE) return false;
    if (state == PLAY_MATCH_OVER && CustomTour()) {
        // The result into the tour's score, and the tour's table.
        UI.continueButton->m_state = STATE_NORMAL;
        FinishCustomTourMatch();
        ChangeScreen(SCREEN_CUSTOM_LEAGUE_TABLE);
        return true;
    }
    if (g_cricket.m_gameMode == MODE_CUSTOM_LEAGUE) {
        // The league's next day: the match goes on, a finished one stays finished.
        ResumeCustomGameMatch(match);
        BackToPlay(match);
        if (state == PLAY_MATCH_OVER) {
            for (CButton* b : {UI.ball, UI.over}) b->Disable();
        } else {
            Enable(UI.autoplay, false);
        }
        return false;
    }
    UI.continueButton->m_state = STATE_NORMAL;
    EndUsersDay(match);
    return true;
}

}  // namespace

bool DeclareFromView(Match& match) {
    if (!match.Declare()) return false;
    for (CButton* b : {UI.ball, UI.over, UI.declare, UI.bowler, UI.mainScreen}) b->Disable();
    UI.mainScreen->mb_visible = 0;
    Enable(UI.continueButton);
    LaunchInfobox(INFOBOX_DECLARED);
    return true;
}

void ArmLatches() {
    for (int latch = 0; latch < LATCH_COUNT; ++latch) {
        if (!LatchKeyDown(latch)) MV::mv_latches[latch] = 1;
    }
}

bool TakeLatched(int latch) {
    if (!LatchKeyDown(latch) || !MV::mv_latches[latch]) return false;
    MV::mv_latches[latch] = 0;
    return true;
}

bool ServeOpenWindow() {
    if (Shown(UI.playerWindow.window)) {
        ServePlayerWindow();
        return true;
    }
    if (Shown(UI.planEditor.window)) {
        ServePlanEditor();
        return true;
    }
    if (Shown(UI.highlightOptions.window)) {
        ServeHighlightsOptions();
        return true;
    }
    if (Shown(UI.fieldEditor.window)) {
        ServeFieldEditor();
        return true;
    }
    if (Shown(UI.select.window)) {
        ServeSelectWindow();
        return true;
    }
    if (Shown(UI.infobox.window)) {
        ServeInfobox();
        return true;
    }
    if (Shown(g_highlightsWindow)) {
        ServeHighlightsWindow();
        return true;
    }
    if (Shown(UI.followOn.window)) {
        ServeFollowOn();
        return true;
    }
    if (!Shown(UI.autoplayNotice.window)) return false;
    auto& notice = UI.autoplayNotice;
    if (TakeClick(notice.no)) {
        notice.window->mb_visible = 0;
        notice.window->mb_expanded = 0;
    } else if (notice.yes->m_state == STATE_CLICKED) {
        if (Match* match = UserMatch()) RunAutoplay(*match);
    }
    return true;
}

// True when it left the screen.
bool ServeInfoPanelControls() {
    WheelScroll(*UI.panelScroll);
    ChooseInfoTab();
    return ClickPanelPage();
}

void CMatchViewScreen::Update() {
    if (!s_ui.ball) return;
    ArmLatches();
    ChangeHighlightSpeed();
    RightClick();
    if (ServeOpenWindow()) return;
    if (ServeInfoPanelControls()) return;

    if (TakeClick(s_ui.autoplay)) {
        s_ui.autoplayNotice.window->mb_visible = 1;
        s_ui.autoplayNotice.window->mb_expanded = 1;
    }
    if (TakeClick(s_ui.bowler)) OpenSelectBowler();
    if (TakeClick(s_ui.options)) OpenHighlightsOptions();
    ServeCardRows();
    ServePanelButtons();
    for (int i = 0; i < 4; ++i) {
        if (s_ui.innings[i]->m_state == STATE_CLICKED) mv_viewInnings = i;
    }
    if (TakeClick(s_ui.mainScreen)) {
        LeaveToMainScreen();
        return;
    }
    Match* match = UserMatch();
    if (!match) return;
    if (TakeClick(s_ui.continueButton) && ContinuePlay(*match)) return;
    // N and B play as Ball and Over do, and only while those can be pressed.
    if (TakeClick(s_ui.ball) || (g_system->KeyDown(DIK_N) && Usable(s_ui.ball))) StepFromButton(false);
    if (TakeClick(s_ui.over) || (g_system->KeyDown(DIK_B) && Usable(s_ui.over))) StepFromButton(true);
    if (TakeClick(s_ui.declare)) DeclareFromView(*match);
    if (TakeClick(s_ui.newBall)) TakeNewBall(*match);
}

}  // namespace ravel
