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

MatchViewUi& UI = MV::s_ui;
constexpr int MENU_OFFSET = 5;  // the position menu opens this far right of and below the fielder

constexpr PlanField FIELD_ROWS[PLAN_FIELDS] = {PLAN_SIDE, PLAN_LENGTH, PLAN_MOVEMENT, PLAN_FIELD,
                                               PLAN_EFFORT};

int BattingPosition(const Match& match, int batsman) {
    return batsman == 0 ? match.mi_batsman1 : match.mi_batsman2;
}

MatchPlayer* EditedBowler(Match& match) {
    const int slot = MV::mv_statsPlayer;
    return slot >= 0 && slot < SQUAD_SIZE ? &match.FieldingSide().m_players[slot] : nullptr;
}

void ShowModal(CDialog* window, bool shown) {
    window->mb_visible = shown ? 1 : 0;
    window->mb_expanded = shown ? 1 : 0;
}

// Ten rows for the first balls; a scroll bar when there are more.
void RefreshBallRows() {
    auto& e = UI.planEditor;
    const int balls = MV::mv_editor.BallCount();
    FitScrollBar(*e.ballScroll, balls, PLAN_ROWS, true);
    for (int k = 0; k < PLAN_ROWS; ++k) ShowRow(e.ballRows[k], k < balls);
}

void ShowPlanName() {
    UI.planEditor.name->SetCaption(MV::mv_editor.m_plan.m_name);
}

// Back to the player window, or to the match with the panels' controls.
void LeavePlanEditor() {
    ShowModal(UI.planEditor.window, false);
    if (MV::mv_editorFromStats) {
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
        MV::mv_editor.Done(UI.planEditor.name->m_caption, *bowler,
                           BattingPosition(*match, MV::mv_editorBatsman));
    LeavePlanEditor();
}

void OpenFieldEditor() {
    auto& f = UI.fieldEditor;
    ShowModal(UI.planEditor.window, false);
    MV::mv_editor.OpenField();
    f.name->SetCaption(MV::mv_editor.m_field.m_name);
    f.positions->Close();
    ShowModal(f.window, true);
}

// A right click on a fielder opens the position menu beside him.
void ChooseFielder() {
    CPopupMenu* menu = UI.fieldEditor.positions;
    TacticsEditor& editor = MV::mv_editor;
    if (menu->m_menuState == MENU_OPEN) return;
    if (g_system->mb_leftDown) editor.mb_fielderMenuOpen = 0;
    if (!g_system->mb_rightDown) return;
    const int fielder = FielderAt(editor.m_field, g_system->m_mouseX, g_system->m_mouseY);
    if (fielder < 0) return;
    editor.mi_fielder = fielder;
    editor.mb_fielderMenuOpen = 1;
    const CDialog* window = UI.fieldEditor.window;
    const ScreenPoint at = FielderPoint(editor.m_field.m_positions[fielder]);
    menu->Open(at.x + MENU_OFFSET - window->m_x, at.y + MENU_OFFSET - window->m_y - window->m_titleHeight);
}

}  // namespace

int PlanListTop() {
    const CScrollBar* bar = UI.planEditor.ballScroll;
    return bar && bar->mb_visible ? bar->m_position : 0;
}

bool PlayerWindowSteersPlans() {
    const Match* match = UserMatch();
    if (!match || MV::mv_panelMode != PANEL_BOWLING) return false;
    const int innings = MV::mv_statsInnings;
    if (innings < 0 || innings > 3) return false;
    return match->m_innings[innings].mi_bowlingTeam == match->CurrentInnings().mi_bowlingTeam;
}

void OpenPlanEditor(int32_t innings, int32_t bowlerSlot, int batsman, bool fromStats) {
    Match* match = UserMatch();
    if (!match || !UI.planEditor.window || bowlerSlot < 0 || bowlerSlot >= SQUAD_SIZE) return;
    MV::mv_statsInnings = innings;
    MV::mv_statsPlayer = bowlerSlot;
    MV::mv_editorBatsman = batsman;
    MV::mv_editorFromStats = fromStats ? 1 : 0;
    if (fromStats)
        UI.playerWindow.window->Close();
    else
        HideInfoPanelControls();
    MV::mv_editor.Open(*EditedBowler(*match), BattingPosition(*match, batsman));
    ShowPlanName();
    UI.planEditor.ballScroll->m_position = 0;
    RefreshBallRows();
    ShowModal(UI.planEditor.window, true);
}

void ServePlanEditor() {
    auto& e = UI.planEditor;
    TacticsEditor& editor = MV::mv_editor;
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
    auto& f = UI.fieldEditor;
    TacticsEditor& editor = MV::mv_editor;
    if (TakeClick(f.done)) {
        f.positions->Close();
        if (editor.FieldDone(f.name->m_caption)) {
            if (Match* match = UserMatch()) match->m_ball.ForgetField();
            ShowModal(f.window, false);
            ShowModal(UI.planEditor.window, true);
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
