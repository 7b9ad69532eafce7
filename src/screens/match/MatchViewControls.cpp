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

MatchViewUi& UI = MV::s_ui;

// Every control of the screen exists from Enter to Leave; outside it the
// groups have nothing to switch.
bool Entered() {
    return UI.ball != nullptr;
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
    MV::mv_panelMode = PANEL_BOWLING;
    Show(UI.bowler, true);
    Enable(UI.bowler, match.CurrentInnings().mi_legalBalls % 6 == 0);
    if (stopped) {
        UI.bowler->Disable();
        UI.ball->Disable();
    }
    for (CHotSpot* h : UI.planNames) Show(h, true);
    for (CTickBox* t : UI.sameForAllBowlers) Show(t, false);
    UI.declare->Disable();
    Show(UI.declare, false);
    if (match.mb_newBallOffered) Show(UI.newBall, true);
    UI.ball->SetCaption("Bowl");
}

void SetBattingPanel() {
    MV::mv_panelMode = PANEL_BATTING;
    for (CHotSpot* h : UI.planNames) Show(h, false);
    for (CTickBox* t : UI.sameForAllBowlers) Show(t, true);
    UI.bowler->Disable();
    Show(UI.bowler, false);
    Show(UI.declare, true);
    Enable(UI.declare, true);
    // The new ball is the fielding side's to take, never his batting side's.
    Show(UI.newBall, false);
    UI.ball->SetCaption("Ball");
}

// The selection window shown on top, with its title and mode.
void ShowSelectWindow(const char* title, int32_t mode) {
    if (g_highlightsWindow) g_highlightsWindow->mb_visible = 0;
    CDialog* window = UI.select.window;
    window->SetCaption(title);
    window->mb_visible = 1;
    window->mb_expanded = 1;
    MV::mv_selectMode = mode;
    Show(UI.select.ok, false);
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
        MV::mv_infoTab = tab;
        if (!Entered()) return;
        ChooseItem(UI.infoTab, row.value);
        Show(UI.panelScroll, row.scrolls);
        return;
    }
}

void HideBatsmenPanelControls() {
    if (!Entered()) return;
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Show(UI.aggressionDown[r], false);
        Show(UI.aggressionUp[r], false);
        Show(UI.planNames[r], false);
    }
    for (int k = 0; k < PANEL_PLAYERS; ++k) {
        Show(UI.panelNames[k], false);
        Show(UI.sameForAllBowlers[k], false);
    }
}

void ShowBatsmenPanelControls() {
    if (!Entered()) return;
    for (int r = 0; r < PANEL_ROWS; ++r) {
        Show(UI.aggressionDown[r], true);
        Show(UI.aggressionUp[r], true);
    }
    for (CHotSpot* h : UI.panelNames) Show(h, true);
    if (MV::mv_panelMode == PANEL_BATTING) {
        for (CTickBox* t : UI.sameForAllBowlers) Show(t, true);
    } else {
        for (CHotSpot* h : UI.planNames) Show(h, true);
    }
}

void HideInfoPanelControls() {
    if (!Entered()) return;
    for (CHotSpot* h : UI.innings) Show(h, false);
    Show(UI.infoTab, false);
    Show(UI.panelScroll, false);
    for (CHotSpot* h : UI.battingRows) Show(h, false);
    for (CHotSpot* h : UI.bowlingRows) Show(h, false);
}

void ShowInfoPanelControls() {
    if (!Entered()) return;
    Show(UI.infoTab, true);
    Show(UI.panelScroll, true);
    Show(UI.innings[0], true);
    Show(UI.innings[1], true);
    const Match* match = UserMatch();
    const bool firstClass = match && match->IsFirstClass();
    Show(UI.innings[2], firstClass);
    Show(UI.innings[3], firstClass);
    for (CHotSpot* h : UI.battingRows) Show(h, true);
    for (CHotSpot* h : UI.bowlingRows) Show(h, true);
}

void UpdateMatchControls(bool force) {
    Match* match = UserMatch();
    if (!match || !Entered()) return;
    const bool stopped = Stopped(*match);
    if (!stopped) {
        for (int r = 0; r < PANEL_ROWS; ++r) {
            Enable(UI.aggressionDown[r], true);
            Enable(UI.aggressionUp[r], true);
        }
    }
    if (!stopped || force) {
        auto& w = UI.playerWindow;
        for (int k = 0; k < 2; ++k) {
            for (CButton* b : {w.planDown[k], w.planUp[k], w.edit[k]}) Enable(b, true);
        }
        if (UserBowls(*match))
            SetBowlingPanel(*match, stopped);
        else
            SetBattingPanel();
    }

    for (CHotSpot* h : UI.innings) h->Disable();
    const int current = match->mi_currentInnings;
    Enable(UI.innings[0], current >= 0);
    Enable(UI.innings[1], current >= 1);
    Enable(UI.innings[2], match->m_innings[2].mb_started != 0);
    Enable(UI.innings[3], match->m_innings[3].mb_started != 0);

    // The later innings: the engine's rule of when a declaration may be made.
    if (MV::mv_panelMode == PANEL_BATTING && current >= 2) Enable(UI.declare, match->MayDeclare());

    if (HighlightsWindowShown()) {
        HideInfoPanelControls();
        HideBatsmenPanelControls();
    }
}

void OpenHighlightsOptions() {
    if (!Entered()) return;
    auto& d = UI.highlightOptions;
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k)
        d.filters[k]->mb_ticked = g_highlightFilters.*HIGHLIGHT_FILTER_ROWS[k].filter;
    if (g_highlightsWindow) g_highlightsWindow->mb_visible = 0;
    UI.select.window->mb_visible = 0;
    d.window->mb_visible = 1;
    d.window->mb_expanded = 1;
}

void ApplyHighlightsOptions() {
    if (!Entered()) return;
    auto& d = UI.highlightOptions;
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k) {
        g_highlightFilters.*HIGHLIGHT_FILTER_ROWS[k].filter = d.filters[k]->mb_ticked ? 1 : 0;
    }
    MV::mv_highlightSpeed = std::clamp(d.speed->GetSelectedValue(), SPEED_REAL_TIME, SPEED_SUPER_FAST);
    d.window->Close();
}

void SelectAllHighlights() {
    if (!Entered()) return;
    for (CTickBox* t : UI.highlightOptions.filters) t->mb_ticked = 1;
}

void SelectNoHighlights() {
    if (!Entered()) return;
    for (CTickBox* t : UI.highlightOptions.filters) t->mb_ticked = 0;
}

void OpenSelectBowler() {
    Match* match = UserMatch();
    if (!match || !Entered()) return;
    ShowSelectWindow("Select New Bowler", SELECT_NEXT_BOWLER);
    Show(UI.select.declare, false);
    Show(UI.select.figures, true);
    // The bowling side's wicket keeper cannot be given the ball.
    const int keeper = match->FieldingSide().KeeperSlot(match->mi_currentInnings);
    for (int i = 0; i < BATTING_ROWS; ++i) Enable(UI.select.rows[i], i != keeper);
}

void OpenSelectBatsman() {
    Match* match = UserMatch();
    if (!match || !Entered()) return;
    ShowSelectWindow("Select Next Batsman", SELECT_NEXT_BATSMAN);
    Show(UI.select.figures, false);
    const Innings& innings = match->CurrentInnings();
    // The man the engine sent in stays a choice until he has faced.
    const int waiting = match->WaitingBatsman();
    for (int k = 0; k < BATTING_ROWS; ++k) {
        Enable(UI.select.rows[k], innings.m_batsmen[k].mi_howOut == HOWOUT_DID_NOT_BAT || k == waiting);
    }
    Show(UI.select.declare, match->MayDeclare());
}

}  // namespace ravel
