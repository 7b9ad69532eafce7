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

MatchViewUi& Ui() {
    return MatchView().m_ui;
}

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
    const int before = MatchView().m_kept.mv_highlightSpeed;
    if (TakeLatched(LATCH_LEFT))
        MatchView().m_kept.mv_highlightSpeed =
            std::max(SPEED_REAL_TIME, MatchView().m_kept.mv_highlightSpeed - 1);
    if (TakeLatched(LATCH_RIGHT))
        MatchView().m_kept.mv_highlightSpeed =
            std::min(SPEED_SUPER_FAST, MatchView().m_kept.mv_highlightSpeed + 1);
    if (MatchView().m_kept.mv_highlightSpeed != before)
        ChooseItem(Ui().highlightOptions.speed, MatchView().m_kept.mv_highlightSpeed);
}

// A right click ends a ball's playback; with none playing it is used up
// here unless a pop-up is waiting for it.
void RightClick() {
    if (!LatchKeyDown(LATCH_RIGHT_BUTTON) || !MatchView().mv_latches[LATCH_RIGHT_BUTTON]) return;
    if (Shown(g_highlightsWindow)) {
        TakeLatched(LATCH_RIGHT_BUTTON);
        EndBallAnimation();
    } else if (!Shown(Ui().infobox.window)) {
        TakeLatched(LATCH_RIGHT_BUTTON);
    }
}

// The page chosen in the info panel's drop-down.
void ChooseInfoTab() {
    CComboBox* combo = Ui().infoTab;
    if (combo->m_comboState != COMBO_CHOSEN) return;
    const int32_t value = combo->GetSelectedValue();
    for (int i = 0; i < INFO_TAB_COUNT; ++i) {
        const InfoTabRow& row = INFO_TABS[i];
        if (row.value != value) continue;
        ShowInfoTab(row.tab);
        if (row.tab == TAB_MANHATTAN || row.tab == TAB_WORM || row.tab == TAB_CUMULATIVE)
            MatchView().mv_chartTick = 0;
        if (row.tab == TAB_OTHER_SCORES) {
            CScrollBar& bar = *Ui().panelScroll;
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
    return entry >= 0 && entry < BALL_ICONS ? MatchView().mv_ballScripts[entry] : -1;
}

// A click on the panel's page; true when it opened another screen.
bool ClickPanelPage() {
    if (Ui().infoTab->m_comboState != COMBO_CLOSED || !g_system->mb_leftDown) return false;
    const int x = g_system->m_mouseX, y = g_system->m_mouseY;
    constexpr int TOP = 510, BOTTOM = 700, CELL = 40, ROWS = 4;
    if (MatchView().m_kept.mv_infoTab == TAB_RECENT_OVERS) {
        // Ball j of an over stands in column j; wides and no balls take an
        // over to a ninth and tenth ball, columns 9 and 10 at the right edge.
        constexpr int LEFT = 450, RIGHT = 890;
        if (x <= LEFT || x >= RIGHT || y <= TOP || y >= BOTTOM) return false;
        const int column = (x - LEFT) / CELL, row = (y - TOP) / CELL;
        if (row < ROWS) ReplayBall(BallScriptAt(ROWS * column + row - 1));
        return false;
    }
    if (x <= 203 || x >= 980 || y <= TOP || y >= BOTTOM) return false;
    if (MatchView().m_kept.mv_infoTab == TAB_RECENT_BALLS) {
        const int row = (y - TOP) / CELL;
        if (row < ROWS) ReplayBall(BallScriptAt(row));
        return false;
    }
    if (MatchView().m_kept.mv_infoTab != TAB_OTHER_SCORES) return false;
    constexpr int SECOND_MATCH_Y = 601;
    const int index = MatchView().mv_otherScoresTop + (y < SECOND_MATCH_Y ? 0 : 1);
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
    MatchView().mv_overUnderWay = completeOver ? 1 : 0;
    AdvanceMatches();
}

void TakeNewBall(Match& match) {
    match.mb_newBallOffered = 0;
    match.AnswerNewBall(true);
    Ui().newBall->m_state = STATE_NORMAL;
    Ui().newBall->mb_visible = 0;
}

// The assistant plays the user's match and the day's other matches to close
// of play or their end; only Continue is left.
void RunAutoplay(Match& match) {
    Ui().autoplayNotice.yes->m_state = STATE_NORMAL;
    g_game->m_busy = true;
    g_game->RenderFrame();
    AutoplayMatch(match);
    PlayComputerMatchesToClose();
    ClearInfoboxes();
    for (CButton* b : {Ui().ball, Ui().over, Ui().bowler, Ui().declare, Ui().mainScreen, Ui().autoplay})
        b->Disable();
    Ui().mainScreen->mb_visible = 0;
    Enable(Ui().continueButton);
    Ui().autoplayNotice.window->mb_visible = 0;
    Ui().autoplayNotice.window->mb_expanded = 0;
    for (int i = 0; i < 4; ++i) {
        if (i <= match.mi_currentInnings)
            Ui().innings[i]->mb_disabled = 0;
        else
            Ui().innings[i]->Disable();
    }
    g_game->m_busy = false;
    UpdateMatchControls(true);
    // The panel's layout must not bring back what only Continue may follow.
    SettleStoppedControls(match);
    Ui().autoplay->Disable();
}

void BackToPlay(Match& match) {
    Ui().continueButton->Disable();
    Ui().continueButton->mb_visible = 0;
    for (CButton* b : {Ui().ball, Ui().over, Ui().mainScreen}) Enable(b);
    MatchView().mv_viewInnings = Match::InningsIndex(match.mi_currentInnings);
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
    Ui().continueButton->Disable();
    Ui().continueButton->mb_visible = 0;
    Enable(Ui().mainScreen);
    g_game->m_busy = false;
    ClearInfoboxes();
    SetScoreboardDate(g_cricket.m_date);
    HandOverUserMatchEnd(true);
    OpenScorecardByMatchId(match.mi_id);
}

// True when it left the screen.
bool ContinuePlay(Match& match) {
    const int32_t state = match.mi_playState;
    if (state == PLAY_MATCH_OVER) MatchView().m_kept.mv_infoTab = TAB_NONE;
    if (state == PLAY_INNINGS_BREAK) {
        match.mi_playState = PLAY_IN_PLAY;
        BackToPlay(match);
        Ui().autoplay->mb_visible = 1;
        Ui().newBall->mb_visible = 0;
        UpdateMatchControls(true);
        return false;
    }
    if (state != PLAY_MATCH_OVER && state != PLAY_CLOSE) return false;
    if (state == PLAY_MATCH_OVER && CustomTour()) {
        // The result into the tour's score, and the tour's table.
        Ui().continueButton->m_state = STATE_NORMAL;
        FinishCustomTourMatch();
        ChangeScreen(SCREEN_CUSTOM_LEAGUE_TABLE);
        return true;
    }
    if (g_cricket.m_gameMode == MODE_CUSTOM_LEAGUE) {
        // The league's next day: the match goes on, a finished one stays finished.
        ResumeCustomGameMatch(match);
        BackToPlay(match);
        if (state == PLAY_MATCH_OVER) {
            for (CButton* b : {Ui().ball, Ui().over}) b->Disable();
        } else {
            Enable(Ui().autoplay, false);
        }
        return false;
    }
    Ui().continueButton->m_state = STATE_NORMAL;
    EndUsersDay(match);
    return true;
}

}  // namespace

bool DeclareFromView(Match& match) {
    if (!match.Declare()) return false;
    for (CButton* b : {Ui().ball, Ui().over, Ui().declare, Ui().bowler, Ui().mainScreen}) b->Disable();
    Ui().mainScreen->mb_visible = 0;
    Enable(Ui().continueButton);
    LaunchInfobox(INFOBOX_DECLARED);
    return true;
}

void ArmLatches() {
    for (int latch = 0; latch < LATCH_COUNT; ++latch) {
        if (!LatchKeyDown(latch)) MatchView().mv_latches[latch] = 1;
    }
}

bool TakeLatched(int latch) {
    if (!LatchKeyDown(latch) || !MatchView().mv_latches[latch]) return false;
    MatchView().mv_latches[latch] = 0;
    return true;
}

bool ServeOpenWindow() {
    if (Shown(Ui().playerWindow.window)) {
        ServePlayerWindow();
        return true;
    }
    if (Shown(Ui().planEditor.window)) {
        ServePlanEditor();
        return true;
    }
    if (Shown(Ui().highlightOptions.window)) {
        ServeHighlightsOptions();
        return true;
    }
    if (Shown(Ui().fieldEditor.window)) {
        ServeFieldEditor();
        return true;
    }
    if (Shown(Ui().select.window)) {
        ServeSelectWindow();
        return true;
    }
    if (Shown(Ui().infobox.window)) {
        ServeInfobox();
        return true;
    }
    if (Shown(g_highlightsWindow)) {
        ServeHighlightsWindow();
        return true;
    }
    if (Shown(Ui().followOn.window)) {
        ServeFollowOn();
        return true;
    }
    if (!Shown(Ui().autoplayNotice.window)) return false;
    auto& notice = Ui().autoplayNotice;
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
    WheelScroll(*Ui().panelScroll);
    ChooseInfoTab();
    return ClickPanelPage();
}

void CMatchViewScreen::Update() {
    if (!m_ui.ball) return;
    ArmLatches();
    ChangeHighlightSpeed();
    RightClick();
    if (ServeOpenWindow()) return;
    if (ServeInfoPanelControls()) return;

    if (TakeClick(m_ui.autoplay)) {
        m_ui.autoplayNotice.window->mb_visible = 1;
        m_ui.autoplayNotice.window->mb_expanded = 1;
    }
    if (TakeClick(m_ui.bowler)) OpenSelectBowler();
    if (TakeClick(m_ui.options)) OpenHighlightsOptions();
    ServeCardRows();
    ServePanelButtons();
    for (int i = 0; i < 4; ++i) {
        if (m_ui.innings[i]->m_state == STATE_CLICKED) mv_viewInnings = i;
    }
    if (TakeClick(m_ui.mainScreen)) {
        LeaveToMainScreen();
        return;
    }
    Match* match = UserMatch();
    if (!match) return;
    if (TakeClick(m_ui.continueButton) && ContinuePlay(*match)) return;
    ContinueOver();
    // N and B play as Ball and Over do, and only while those can be pressed.
    if (TakeClick(m_ui.ball) || (g_system->KeyDown(DIK_N) && Usable(m_ui.ball))) StepFromButton(false);
    if (TakeClick(m_ui.over) || (g_system->KeyDown(DIK_B) && Usable(m_ui.over))) StepFromButton(true);
    if (TakeClick(m_ui.declare)) DeclareFromView(*match);
    if (TakeClick(m_ui.newBall)) TakeNewBall(*match);
}

}  // namespace ravel
