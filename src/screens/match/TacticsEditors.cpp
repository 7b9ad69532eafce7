// The bowl plan editor and the field editor of the live match view: opening
// them, and Update's answers to their buttons while one is open.
#include "screens/match/TacticsEditors.h"

#include "match/Match.h"
#include "match/MatchServices.h"
#include "match/Tactics.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/ScreenControls.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

MatchViewUi& Ui() {
    return MatchView().m_ui;
}
constexpr int MENU_OFFSET = 5;  // the position menu opens this far right of and below the fielder

constexpr PlanField FIELD_ROWS[PLAN_FIELDS] = {PLAN_SIDE, PLAN_LENGTH, PLAN_MOVEMENT, PLAN_FIELD,
                                               PLAN_EFFORT};

int BattingPosition(const Match& match, int batsman) {
    return batsman == 0 ? match.mi_batsman1 : match.mi_batsman2;
}

MatchPlayer* EditedBowler(Match& match) {
    const int slot = MatchView().mv_statsPlayer;
    return slot >= 0 && slot < SQUAD_SIZE ? &match.FieldingSide().m_players[slot] : nullptr;
}

void ShowModal(CDialog* window, bool shown) {
    window->mb_visible = shown ? 1 : 0;
    window->mb_expanded = shown ? 1 : 0;
}

// Ten rows for the first balls; a scroll bar when there are more.
void RefreshBallRows() {
    auto& e = Ui().planEditor;
    const int balls = MatchView().mv_editor.BallCount();
    FitScrollBar(*e.ballScroll, balls, PLAN_ROWS, true);
    for (int k = 0; k < PLAN_ROWS; ++k) ShowRow(e.ballRows[k], k < balls);
}

void ShowPlanName() {
    Ui().planEditor.name->SetCaption(MatchView().mv_editor.m_plan.m_name);
}

// Back to the player window, or to the match with the panels' controls.
void LeavePlanEditor() {
    ShowModal(Ui().planEditor.window, false);
    if (MatchView().mv_editorFromStats) {
        ShowPlayerStatsWindow(PANEL_BOWLING);
        return;
    }
    ShowInfoPanelControls();
    ShowBatsmenPanelControls();
}

void PlanDone() {
    Match* match = UserMatch();
    MatchPlayer* bowler = match ? EditedBowler(*match) : nullptr;
    if (bowler)
        MatchView().mv_editor.Done(Ui().planEditor.name->m_caption, *bowler,
                                   BattingPosition(*match, MatchView().mv_editorBatsman));
    LeavePlanEditor();
}

void OpenFieldEditor() {
    auto& f = Ui().fieldEditor;
    ShowModal(Ui().planEditor.window, false);
    MatchView().mv_editor.OpenField();
    f.name->SetCaption(MatchView().mv_editor.m_field.m_name);
    f.positions->Close();
    ShowModal(f.window, true);
}

// A right click on a fielder opens the position menu beside him.
void ChooseFielder() {
    CPopupMenu* menu = Ui().fieldEditor.positions;
    TacticsEditor& editor = MatchView().mv_editor;
    if (menu->m_menuState == MENU_OPEN) return;
    if (g_system->mb_leftDown) editor.mb_fielderMenuOpen = 0;
    if (!g_system->mb_rightDown) return;
    const int fielder = FielderAt(editor.m_field, g_system->m_mouseX, g_system->m_mouseY);
    if (fielder < 0) return;
    editor.mi_fielder = fielder;
    editor.mb_fielderMenuOpen = 1;
    const CDialog* window = Ui().fieldEditor.window;
    const ScreenPoint at = FielderPoint(editor.m_field.m_positions[fielder]);
    menu->Open(at.x + MENU_OFFSET - window->m_x, at.y + MENU_OFFSET - window->m_y - window->m_titleHeight);
}

}  // namespace

int PlanListTop() {
    const CScrollBar* bar = Ui().planEditor.ballScroll;
    return bar && bar->mb_visible ? bar->m_position : 0;
}

bool PlayerWindowSteersPlans() {
    const Match* match = UserMatch();
    if (!match || MatchView().m_kept.mv_panelMode != PANEL_BOWLING) return false;
    const int innings = MatchView().mv_statsInnings;
    if (innings < 0 || innings > 3) return false;
    return match->m_innings[innings].mi_bowlingTeam == match->CurrentInnings().mi_bowlingTeam;
}

void OpenPlanEditor(int32_t innings, int32_t bowlerSlot, int batsman, bool fromStats) {
    Match* match = UserMatch();
    if (!match || !Ui().planEditor.window || bowlerSlot < 0 || bowlerSlot >= SQUAD_SIZE) return;
    MatchView().mv_statsInnings = innings;
    MatchView().mv_statsPlayer = bowlerSlot;
    MatchView().mv_editorBatsman = batsman;
    MatchView().mv_editorFromStats = fromStats ? 1 : 0;
    if (fromStats)
        Ui().playerWindow.window->Close();
    else
        HideInfoPanelControls();
    MatchView().mv_editor.Open(*EditedBowler(*match), BattingPosition(*match, batsman));
    ShowPlanName();
    Ui().planEditor.ballScroll->m_position = 0;
    RefreshBallRows();
    ShowModal(Ui().planEditor.window, true);
}

void ServePlanEditor() {
    auto& e = Ui().planEditor;
    TacticsEditor& editor = MatchView().mv_editor;
    if (TakeClick(e.done)) return PlanDone();
    if (TakeClick(e.cancel)) return LeavePlanEditor();
    if (TakeClick(e.createNew)) {
        editor.CreateNew();
        ShowPlanName();
        e.ballScroll->m_position = 0;
        RefreshBallRows();
    }
    if (TakeClick(e.up)) editor.Up();
    if (TakeClick(e.down)) editor.Down();
    if (TakeClick(e.add)) {
        editor.Add();
        RefreshBallRows();
    }
    if (TakeClick(e.remove)) {
        editor.Remove();
        RefreshBallRows();
    }
    for (int k = 0; k < PLAN_FIELDS; ++k) {
        if (TakeClick(e.fieldDown[k])) editor.Step(FIELD_ROWS[k], -1);
        if (TakeClick(e.fieldUp[k])) editor.Step(FIELD_ROWS[k], 1);
    }
    if (TakeClick(e.fieldEditor)) return OpenFieldEditor();
    for (int k = 0; k < PLAN_ROWS; ++k) {
        if (TakeClick(e.ballRows[k])) editor.SelectBall(PlanListTop() + k);
    }
}

void ServeFieldEditor() {
    auto& f = Ui().fieldEditor;
    TacticsEditor& editor = MatchView().mv_editor;
    if (TakeClick(f.done)) {
        f.positions->Close();
        if (editor.FieldDone(f.name->m_caption)) {
            if (Match* match = UserMatch()) match->m_ball.ForgetField();
            ShowModal(f.window, false);
            ShowModal(Ui().planEditor.window, true);
        }
        return;
    }
    if (TakeClick(f.create)) {
        editor.FieldNew();
        f.name->SetCaption(editor.m_field.m_name);
    }
    ChooseFielder();
    if (f.positions->m_menuState == MENU_CHOSEN) {
        editor.MoveFielder(editor.mi_fielder, f.positions->GetChosenValue());
        f.positions->Close();
        editor.mb_fielderMenuOpen = 0;
    }
}

}  // namespace ravel
