#include "screens/match/MatchViewControls.h"

#include <algorithm>
#include <initializer_list>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {

using MV = CMatchViewScreen;

const InfoTabRow INFO_TABS[] = {
    {1, TAB_RECENT_OVERS, "Recent Overs", true},      {2, TAB_RECENT_BALLS, "Recent Balls", true},
    {3, TAB_PITCH_ANALYSIS, "Pitch Analysis", false}, {4, TAB_PARTNERSHIP, "Partnership", false},
    {31, TAB_MANHATTAN, "Manhatten", false},          {32, TAB_WORM, "Worm", false},
    {33, TAB_CUMULATIVE, "Culmative", false},         {5, TAB_OTHER_SCORES, "Other Scores", true},
};
const int INFO_TAB_COUNT = static_cast<int>(std::size(INFO_TABS));

using HF = HighlightFilters;
const FilterRow HIGHLIGHT_FILTER_ROWS[HIGHLIGHT_FILTERS] = {
    {&HF::everything, "Watch everything"},
    {&HF::dotBalls, "Watch dot balls?"},
    {&HF::singles, "Watch singles?"},
    {&HF::twosThreesFives, "Watch 2's, 3's and 5's?"},
    {&HF::fours, "Watch fours?"},
    {&HF::sixes, "Watch sixes?"},
    {&HF::chances, "Watch chances?"},
    {&HF::wickets, "Watch wickets?"},
    {&HF::celebrations, "Watch celebrations?"},
};

namespace {

MatchViewUi& Ui() {
    return MatchView().m_ui;
}

// Every control of the screen exists from Enter to Leave; outside it the
// groups have nothing to switch.
bool Entered() {
    return Ui().ball != nullptr;
}

void Show(CControl* control, bool shown) {
    control->mb_visible = shown ? 1 : 0;
}

void Enable(CControl* control, bool enabled) {
    if (enabled)
        control->mb_disabled = 0;
    else
        control->Disable();  // back to the normal state too
}

bool Stopped(const Match& match) {
    const int32_t state = match.mi_playState;
    return state == PLAY_INNINGS_BREAK || state == PLAY_MATCH_OVER || state == PLAY_CLOSE;
}

bool UserBowls(const Match& match) {
    const int32_t bowling = match.CurrentInnings().mi_bowlingTeam;
    return (bowling == match.mi_team1 && match.mb_team1Human) ||
           (bowling == match.mi_team2 && match.mb_team2Human);
}

void SetBowlingPanel(Match& match, bool stopped) {
    MatchView().m_kept.mv_panelMode = PANEL_BOWLING;
    Show(Ui().bowler, true);
    Enable(Ui().bowler, match.CurrentInnings().mi_legalBalls % 6 == 0);
    if (stopped) {
        Ui().bowler->Disable();
        Ui().ball->Disable();
    }
    for (CHotSpot* h : Ui().planNames) Show(h, true);
    for (CTickBox* t : Ui().sameForAllBowlers) Show(t, false);
    Ui().declare->Disable();
    Show(Ui().declare, false);
    Ui().ball->SetCaption("Bowl");
}

void SetBattingPanel() {
    MatchView().m_kept.mv_panelMode = PANEL_BATTING;
    for (CHotSpot* h : Ui().planNames) Show(h, false);
    for (CTickBox* t : Ui().sameForAllBowlers) Show(t, true);
    Ui().bowler->Disable();
    Show(Ui().bowler, false);
    Show(Ui().declare, true);
    Enable(Ui().declare, true);
    Ui().ball->SetCaption("Ball");
}

// The selection window shown on top, with its title and mode.
void ShowSelectWindow(const char* title, int32_t mode) {
    if (g_highlightsWindow) g_highlightsWindow->mb_visible = 0;
    CDialog* window = Ui().select.window;
    window->SetCaption(title);
    window->mb_visible = 1;
    window->mb_expanded = 1;
    MatchView().m_kept.mv_selectMode = mode;
    Show(Ui().select.ok, false);
}

}  // namespace

void ChooseItem(CComboBox* combo, int32_t value) {
    for (int i = 0; i < combo->ItemCount(); ++i) {
        if (combo->mv_items[i].m_value != value) continue;
        combo->m_selected = i;
        combo->SetCaption(combo->mv_items[i].m_text);
        return;
    }
}

void ShowInfoTab(int32_t tab) {
    for (const InfoTabRow& row : INFO_TABS) {
        if (row.tab != tab) continue;
        MatchView().m_kept.mv_infoTab = tab;
        if (!Entered()) return;
        ChooseItem(Ui().infoTab, row.value);
        Show(Ui().panelScroll, row.scrolls);
        return;
    }
}

void HideBatsmenPanelControls() {
    if (!Entered()) return;
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Show(Ui().aggressionDown[r], false);
        Show(Ui().aggressionUp[r], false);
        Show(Ui().planNames[r], false);
    }
    for (int k = 0; k < PANEL_PLAYERS; ++k) {
        Show(Ui().panelNames[k], false);
        Show(Ui().sameForAllBowlers[k], false);
    }
}

void ShowBatsmenPanelControls() {
    if (!Entered()) return;
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Show(Ui().aggressionDown[r], true);
        Show(Ui().aggressionUp[r], true);
    }
    for (CHotSpot* h : Ui().panelNames) Show(h, true);
    if (MatchView().m_kept.mv_panelMode == PANEL_BATTING) {
        for (CTickBox* t : Ui().sameForAllBowlers) Show(t, true);
    } else {
        for (CHotSpot* h : Ui().planNames) Show(h, true);
    }
}

void HideInfoPanelControls() {
    if (!Entered()) return;
    for (CHotSpot* h : Ui().innings) Show(h, false);
    Show(Ui().infoTab, false);
    Show(Ui().panelScroll, false);
    Show(Ui().bowlingScroll, false);  // the card's drawing brings it back
    for (CHotSpot* h : Ui().battingRows) Show(h, false);
    for (CHotSpot* h : Ui().bowlingRows) Show(h, false);
}

void ShowInfoPanelControls() {
    if (!Entered()) return;
    Show(Ui().infoTab, true);
    Show(Ui().panelScroll, true);
    Show(Ui().innings[0], true);
    Show(Ui().innings[1], true);
    const Match* match = UserMatch();
    const bool firstClass = match && match->IsFirstClass();
    Show(Ui().innings[2], firstClass);
    Show(Ui().innings[3], firstClass);
    for (CHotSpot* h : Ui().battingRows) Show(h, true);
    for (CHotSpot* h : Ui().bowlingRows) Show(h, true);
}

void UpdateMatchControls(bool force) {
    Match* match = UserMatch();
    if (!match || !Entered()) return;
    const bool stopped = Stopped(*match);
    if (!stopped) {
        for (int r = 0; r < PANEL_ROWS; ++r) {
            Enable(Ui().aggressionDown[r], true);
            Enable(Ui().aggressionUp[r], true);
        }
    }
    if (!stopped || force) {
        auto& w = Ui().playerWindow;
        for (int k = 0; k < 2; ++k) {
            for (CButton* b : {w.planDown[k], w.planUp[k], w.edit[k]}) Enable(b, true);
        }
        if (UserBowls(*match))
            SetBowlingPanel(*match, stopped);
        else
            SetBattingPanel();
    }

    for (CHotSpot* h : Ui().innings) h->Disable();
    const int current = match->mi_currentInnings;
    Enable(Ui().innings[0], current >= 0);
    Enable(Ui().innings[1], current >= 1);
    Enable(Ui().innings[2], match->m_innings[2].mb_started != 0);
    Enable(Ui().innings[3], match->m_innings[3].mb_started != 0);

    // The later innings: the engine's rule of when a declaration may be made.
    if (MatchView().m_kept.mv_panelMode == PANEL_BATTING && current >= 2)
        Enable(Ui().declare, match->MayDeclare());

    // "Take new ball" follows the match's offer to his bowlers alone: gone
    // once anyone has taken it, with the innings and when play stops.
    Show(Ui().newBall, match->mb_newBallAvailable && UserBowls(*match) && !stopped);

    if (HighlightsWindowShown()) {
        HideInfoPanelControls();
        HideBatsmenPanelControls();
    }
}

void OpenHighlightsOptions() {
    if (!Entered()) return;
    auto& d = Ui().highlightOptions;
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k)
        d.filters[k]->mb_ticked = g_highlightFilters.*HIGHLIGHT_FILTER_ROWS[k].filter;
    if (g_highlightsWindow) g_highlightsWindow->mb_visible = 0;
    Ui().select.window->mb_visible = 0;
    d.window->mb_visible = 1;
    d.window->mb_expanded = 1;
}

void ApplyHighlightsOptions() {
    if (!Entered()) return;
    auto& d = Ui().highlightOptions;
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k) {
        g_highlightFilters.*HIGHLIGHT_FILTER_ROWS[k].filter = d.filters[k]->mb_ticked ? 1 : 0;
    }
    MatchView().m_kept.mv_highlightSpeed =
        std::clamp(d.speed->GetSelectedValue(), SPEED_REAL_TIME, SPEED_SUPER_FAST);
    d.window->Close();
}

void SelectAllHighlights() {
    if (!Entered()) return;
    for (CTickBox* t : Ui().highlightOptions.filters) t->mb_ticked = 1;
}

void SelectNoHighlights() {
    if (!Entered()) return;
    for (CTickBox* t : Ui().highlightOptions.filters) t->mb_ticked = 0;
}

void OpenSelectBowler() {
    Match* match = UserMatch();
    if (!match || !Entered()) return;
    ShowSelectWindow("Select New Bowler", SELECT_NEXT_BOWLER);
    Show(Ui().select.declare, false);
    Show(Ui().select.figures, true);
    // The bowling side's wicket keeper cannot be given the ball.
    const int keeper = match->FieldingSide().KeeperSlot(match->mi_currentInnings);
    for (int i = 0; i < BATTING_ROWS; ++i) Enable(Ui().select.rows[i], i != keeper);
}

void OpenSelectBatsman() {
    Match* match = UserMatch();
    if (!match || !Entered()) return;
    ShowSelectWindow("Select Next Batsman", SELECT_NEXT_BATSMAN);
    Show(Ui().select.figures, false);
    const Innings& innings = match->CurrentInnings();
    // The man the engine sent in stays a choice until he has faced.
    const int waiting = match->WaitingBatsman();
    for (int k = 0; k < BATTING_ROWS; ++k) {
        Enable(Ui().select.rows[k], innings.m_batsmen[k].mi_howOut == HOWOUT_DID_NOT_BAT || k == waiting);
    }
    Show(Ui().select.declare, match->MayDeclare());
}

}  // namespace ravel
