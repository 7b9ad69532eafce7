// The live match view's windows while they are open (pop-ups, the ball's
// playback, the follow-on question, the selection window, the highlight
// options, the player window) and the side panel's buttons that steer a
// batsman's aggression or a bowler's plan.
#include <algorithm>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/Highlights.h"
#include "screens/match/Infobox.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewPlay.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/TacticsEditors.h"
#include "screens/menus/ScreenControls.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

MatchViewUi& Ui() {
    return MatchView().m_ui;
}

constexpr float AGGRESSION_STEP = 10.0f;
constexpr float MOST_AGGRESSION = 100.0f;

// The selection window's figures: drop-down value, what is kept, caption.
struct FiguresChoice {
    int32_t value;
    int32_t figures;
    const char* caption;
};
constexpr FiguresChoice FIGURES_CHOICES[] = {
    {1, FIGURES_BOWL_SKILL, "Bowling Skill"},
    {2, FIGURES_INNINGS, "Innings Figures"},
    {3, FIGURES_SEASON, "Season Figures"},
    {4, FIGURES_CAREER, "Career Figures"},
};

// The side panel's rows from the top: whose row it is and against whom.
struct PanelRow {
    int player;    // 0 the first named on the panel, 1 the second
    int opponent;  // 0 the first of the other two, 1 the second
};
constexpr PanelRow PANEL_ROWS_OF[PANEL_ROWS] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};

// A drop-down's chosen item: its value, with its text as the caption; -1
// when nothing was chosen. The drop-down is closed either way.
int32_t TakeChoice(CComboBox* combo) {
    if (combo->m_comboState != COMBO_CHOSEN) return -1;
    const int index = combo->m_selected;
    int32_t value = -1;
    if (index >= 0 && index < combo->ItemCount()) {
        value = combo->mv_items[index].m_value;
        combo->SetCaption(combo->mv_items[index].m_text);
    }
    combo->Collapse();
    return value;
}

bool Clicked(const CControl* control) {
    return control && control->m_state == STATE_CLICKED;
}

int BatsmanPosition(const Match& match, int which) {
    return which == 0 ? match.mi_batsman1 : match.mi_batsman2;
}

int BowlerSlot(const Match& match, int which) {
    return which == 0 ? match.mi_bowler1 : match.mi_bowler2;
}

MatchPlayer* BatsmanAt(Match& match, int position) {
    if (position < 0 || position >= SQUAD_SIZE) return nullptr;
    const int slot = match.CurrentInnings().mi_battingOrder[position];
    return slot >= 0 && slot < SQUAD_SIZE ? &match.BattingSide().m_players[slot] : nullptr;
}

MatchPlayer* BowlerAt(Match& match, int slot) {
    return slot >= 0 && slot < SQUAD_SIZE ? &match.FieldingSide().m_players[slot] : nullptr;
}

void OpenPlayerWindow(int32_t innings, int32_t player, int32_t role, int32_t mode) {
    MatchView().mv_statsInnings = innings;
    MatchView().mv_statsPlayer = player;
    MatchView().mv_statsRole = role;
    MatchView().m_kept.mv_chartKind = 1;
    ShowPlayerStatsWindow(mode);
    HideInfoPanelControls();
}

void CloseSelectWindow() {
    Ui().select.window->Close();
}

}  // namespace

void ChangeAggression(MatchPlayer& batsman, int bowlerSlot, float change, bool sameForAll) {
    if (bowlerSlot < 0 || bowlerSlot >= SQUAD_SIZE) return;
    float& value = batsman.mf_aggression[bowlerSlot];
    value = std::clamp(value + change, 0.0f, MOST_AGGRESSION);
    if (sameForAll) ApplyAggressionToAllBowlers(batsman, bowlerSlot);
}

void ServeInfobox() {
    if (g_highlightsWindow && g_highlightsWindow->mb_visible) {
        if (TakeLatched(LATCH_SPACE)) {
            g_highlightsNext->mb_visible = 0;
            EndBallAnimation();
        }
        return;
    }
    CButton* ok = Ui().infobox.ok;
    const bool answered =
        ok->m_state == STATE_CLICKED || TakeLatched(LATCH_RETURN) || TakeLatched(LATCH_RIGHT_BUTTON);
    if (!answered) return;
    ok->m_state = STATE_CLICKED;
    HandleInfoboxClick();
    ok->m_state = STATE_NORMAL;
    Match* match = UserMatch();
    if (match && !Ui().infobox.window->mb_visible && match->mi_decision == DECISION_INFOBOX)
        match->mi_decision = DECISION_NONE;
}

void ServeHighlightsWindow() {
    const bool next = TakeClick(g_highlightsNext);
    if (TakeLatched(LATCH_SPACE) || next) EndBallAnimation();
}

void ServeFollowOn() {
    auto& question = Ui().followOn;
    const bool yes = TakeClick(question.yes);
    if (!yes && !TakeClick(question.no)) return;
    question.window->mb_visible = 0;
    question.window->mb_expanded = 0;
    Match* match = UserMatch();
    if (!match) return;
    match->AnswerFollowOn(yes);
    SettleStoppedControls(*match);
}

void ServeSelectWindow() {
    Match* match = UserMatch();
    auto& w = Ui().select;
    // The figures list drops over the first rows: a click on it is its own.
    const bool listOpen = w.figures->m_comboState != COMBO_CLOSED;
    for (int i = 0; i < BATTING_ROWS && match; ++i) {
        if (!TakeClick(w.rows[i]) || listOpen) continue;
        if (MatchView().m_kept.mv_selectMode == SELECT_NEXT_BOWLER) {
            if (match->SetBowler(i)) CloseSelectWindow();
        } else {
            match->SwapNextBatsman(i);
            CloseSelectWindow();
        }
        return;
    }
    const int32_t figures = TakeChoice(w.figures);
    for (const FiguresChoice& c : FIGURES_CHOICES) {
        if (c.value != figures) continue;
        MatchView().m_kept.mv_selectStatsView = c.figures;
        w.figures->SetCaption(c.caption);
    }
    if (TakeClick(w.ok)) {
        CloseSelectWindow();
        return;
    }
    if (match && TakeClick(w.declare) && DeclareFromView(*match)) {
        Ui().autoplay->Disable();
        CloseSelectWindow();
    }
}

void ServeHighlightsOptions() {
    auto& d = Ui().highlightOptions;
    if (TakeChoice(d.speed) >= 0) return;
    if (TakeClick(d.done)) {
        ApplyHighlightsOptions();
        return;
    }
    if (TakeClick(d.selectAll)) SelectAllHighlights();
    if (TakeClick(d.selectNone)) SelectNoHighlights();
}

void ServePlayerWindow() {
    auto& w = Ui().playerWindow;
    Match* match = UserMatch();
    MatchPlayer* bowler =
        match && PlayerWindowSteersPlans() ? BowlerAt(*match, MatchView().mv_statsPlayer) : nullptr;
    for (int k = 0; k < 2 && bowler; ++k) {
        const int position = BatsmanPosition(*match, k);
        if (TakeClick(w.planDown[k])) DecreaseBowlPlan(*bowler, position);
        if (TakeClick(w.planUp[k])) IncreaseBowlPlan(*bowler, position);
        if (TakeClick(w.edit[k])) {
            OpenPlanEditor(MatchView().mv_statsInnings, MatchView().mv_statsPlayer, k, true);
            return;
        }
    }
    if (TakeClick(w.ok)) {
        w.window->Close();
        ShowInfoPanelControls();
        ShowBatsmenPanelControls();
        return;
    }
    if (const int32_t v = TakeChoice(w.battingStats); v >= 0) MatchView().m_kept.mv_statsView = v;
    if (const int32_t v = TakeChoice(w.chart); v >= 0) MatchView().m_kept.mv_chartKind = v;
    if (const int32_t v = TakeChoice(w.bowlerStats); v >= 0) MatchView().m_kept.mv_bowlerStatsView = v;
}

void ServeCardRows() {
    Match* match = UserMatch();
    if (!match) return;
    const int current = Match::InningsIndex(match->mi_currentInnings);
    const bool currentShown = MatchView().mv_viewInnings == current;
    for (int i = 0; i < BATTING_ROWS; ++i) {
        if (!TakeClick(Ui().battingRows[i])) continue;
        const bool atCrease = currentShown && MatchView().m_kept.mv_panelMode == PANEL_BATTING &&
                              (i == match->mi_batsman1 || i == match->mi_batsman2);
        const int32_t role = !atCrease                 ? ROLE_OTHER_BATSMAN
                             : i == match->mi_batsman1 ? ROLE_BATSMAN1
                                                       : ROLE_BATSMAN2;
        OpenPlayerWindow(MatchView().mv_viewInnings, i, role, PANEL_BATTING);
        return;
    }
    for (int i = 0; i < BOWLING_ROWS; ++i) {
        if (!TakeClick(Ui().bowlingRows[i])) continue;
        const int32_t slot = MatchView().mv_bowlerRowSlots[i];
        if (slot < 0 || slot >= SQUAD_SIZE) return;
        const bool atEnd = currentShown && (slot == match->mi_bowler1 || slot == match->mi_bowler2);
        const int32_t role = !atEnd                      ? ROLE_OTHER_BOWLER
                             : slot == match->mi_bowler1 ? ROLE_BOWLER1
                                                         : ROLE_BOWLER2;
        OpenPlayerWindow(MatchView().mv_viewInnings, slot, role, PANEL_BOWLING);
        return;
    }
    for (int k = 0; k < PANEL_PLAYERS; ++k) {
        if (!TakeClick(Ui().panelNames[k])) continue;
        if (MatchView().m_kept.mv_panelMode == PANEL_BATTING) {
            const int position = BatsmanPosition(*match, k);
            if (position < 0 || position >= SQUAD_SIZE) return;
            OpenPlayerWindow(current, position, k == 0 ? ROLE_BATSMAN1 : ROLE_BATSMAN2, PANEL_BATTING);
        } else {
            OpenPlayerWindow(current, BowlerSlot(*match, k), k == 0 ? ROLE_BOWLER1 : ROLE_BOWLER2,
                             PANEL_BOWLING);
        }
        return;
    }
}

// Each click acts once: the button's own handling leaves the clicked state
// on the next tick.
void ServePanelButtons() {
    Match* match = UserMatch();
    if (!match) return;
    const bool batting = MatchView().m_kept.mv_panelMode == PANEL_BATTING;
    for (int r = 0; r < PANEL_ROWS; ++r) {
        const PanelRow& row = PANEL_ROWS_OF[r];
        if (!batting && TakeClick(Ui().planNames[r])) {
            OpenPlanEditor(Match::InningsIndex(match->mi_currentInnings), BowlerSlot(*match, row.player),
                           row.opponent, false);
            return;
        }
        for (const bool up : {true, false}) {
            if (!Clicked(up ? Ui().aggressionUp[r] : Ui().aggressionDown[r])) continue;
            if (batting) {
                MatchPlayer* batsman = BatsmanAt(*match, BatsmanPosition(*match, row.player));
                if (!batsman) continue;
                ChangeAggression(*batsman, BowlerSlot(*match, row.opponent),
                                 up ? AGGRESSION_STEP : -AGGRESSION_STEP,
                                 Ui().sameForAllBowlers[row.player]->mb_ticked != 0);
            } else if (MatchPlayer* bowler = BowlerAt(*match, BowlerSlot(*match, row.player))) {
                const int position = BatsmanPosition(*match, row.opponent);
                if (up)
                    IncreaseBowlPlan(*bowler, position);
                else
                    DecreaseBowlPlan(*bowler, position);
            }
        }
    }
}

}  // namespace ravel
