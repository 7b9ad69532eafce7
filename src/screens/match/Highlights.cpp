#include "screens/match/Highlights.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

#include "match/HighlightsFile.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "screens/match/GroundView.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/Game.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/Keys.h"
#include "shell/platform/Sound.h"
#include "shell/platform/System.h"
#include "world/Paths.h"
#include "world/World.h"

namespace ravel {

CDialog* g_highlightsWindow = nullptr;
CButton* g_highlightsNext = nullptr;
uint8_t g_captionLine = 0;

namespace {

BallSource s_source;
// A script handed over from outside a match's list is kept here.
std::vector<BallAnimScript> s_adopted;
std::unique_ptr<CDialog> s_window;
std::unique_ptr<CButton> s_next;

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t LABEL_COLOUR = 0xffffff00;
constexpr int CAPTION_LINE_X = 560;
constexpr int CAPTION_LINE_Y = 725;

bool Holds(const std::vector<BallAnimScript>& list, const BallAnimScript* script) {
    if (list.empty()) return false;
    std::less_equal<const BallAnimScript*> atOrBefore;
    return atOrBefore(list.data(), script) && atOrBefore(script, &list.back());
}

// The engine hands over each ball of a match with a human side.
class CMatchViewServices : public CMatchScreenServices {
public:
    void StartBallAnimation(Match& match, BallAnimScript* script) override {
        if (!script) return;
        if (Holds(match.mv_animScripts, script)) {
            ravel::StartBallAnimation(match, static_cast<int>(script - match.mv_animScripts.data()));
            return;
        }
        int32_t index = 0;
        if (Holds(s_adopted, script))
            index = static_cast<int32_t>(script - s_adopted.data());
        else
            s_adopted.assign(1, *script);
        ravel::StartBallAnimation(BallSource{-1, &s_adopted, index});
    }
};

CMatchViewServices s_services;

// The highlights list's clip on show in the window; -1 before the first.
int s_shownClip = -1;

BallAnimScript* HighlightsClip() {
    HighlightsList& list = g_highlightsList;
    const int clip = list.mi_currentClip;
    if (clip < 0 || clip >= static_cast<int>(list.mv_scripts.size())) return nullptr;
    return &list.mv_scripts[static_cast<size_t>(clip)];
}

void BeginClip(BallAnimScript& script) {
    script.mi_clock = -1;
    for (AnimEvent& e : script.mv_events) e.mb_active = 0;
    g_groundView.mi_stumpsEnd1 = STUMPS_END1_INTACT;
    g_groundView.mi_stumpsEnd2 = STUMPS_END2_INTACT;
    g_groundView.mb_scoreAfter = 0;
    g_groundView.PlaceFigures(script);
    s_source = BallSource{-1, &g_highlightsList.mv_scripts, g_highlightsList.mi_currentClip};
    s_shownClip = g_highlightsList.mi_currentClip;
    g_captionLine = 1;
}

void StopHighlightsPlayback() {
    g_highlightsPrepared = 0;
    g_highlightsList.mi_currentClip = 0;
    s_shownClip = -1;
    if (g_highlightsWindow) g_highlightsWindow->mb_visible = 0;
}

}  // namespace

void StartHighlightsPlayback() {
    HighlightsList& list = g_highlightsList;
    if (g_highlightsPrepared || list.mv_scripts.empty()) return;
    int64_t total = list.mi_totalTicks;
    for (const BallAnimScript& script : list.mv_scripts) total += script.mi_length;
    list.mi_totalTicks = static_cast<int32_t>(
        std::clamp<int64_t>(total, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    list.mi_currentClip = 0;
    list.mi_elapsedTicks = 0;
    BallAnimScript& first = list.mv_scripts.front();
    first.mi_clock = -1;
    for (AnimEvent& e : first.mv_events) e.mb_active = 0;
    g_groundView.mb_scoreAfter = 0;
    s_shownClip = -1;
    g_highlightsPrepared = 1;
    if (g_game) g_game->mp_highlightKeys = HighlightPlaybackKeys;
}

std::string HighlightsFilePath(const char* name) {
    return NativePath(JoinPath(s_outputFolder, name));
}

void HighlightPlaybackKeys() {
    if (!g_highlightsPrepared || !g_system) return;
    if (g_system->KeyDown(DIK_SPACE)) {
        if (BallAnimScript* clip = HighlightsClip()) clip->mi_clock = clip->mi_length - 1;
    }
    if (g_system->KeyDown(DIK_RETURN)) StopHighlightsPlayback();
}

void PlayHighlightsTick(int steps) {
    HighlightsList& list = g_highlightsList;
    if (!g_highlightsPrepared) {
        s_shownClip = -1;
        return;
    }
    for (int step = 0; step < steps; ++step) {
        BallAnimScript* clip = HighlightsClip();
        if (!clip) {
            StopHighlightsPlayback();
            return;
        }
        if (s_shownClip != list.mi_currentClip) BeginClip(*clip);
        if (g_highlightsWindow) g_highlightsWindow->mb_visible = 1;
        if (clip->mi_clock >= clip->mi_length) {
            ++list.mi_currentClip;
            continue;
        }
        StepFigures();
        if (list.mi_elapsedTicks < std::numeric_limits<int32_t>::max()) ++list.mi_elapsedTicks;
    }
}

bool HighlightsWindowShown() {
    return g_highlightsWindow && g_highlightsWindow->mb_visible;
}

BallAnimScript* CurrentScript() {
    std::vector<BallAnimScript>* list = s_source.mp_list;
    if (s_source.mi_matchId >= 0) {
        Match* match = MatchById(s_source.mi_matchId);
        list = match ? &match->mv_animScripts : nullptr;
    }
    if (!list || s_source.mi_index < 0 || s_source.mi_index >= static_cast<int>(list->size())) return nullptr;
    return &(*list)[s_source.mi_index];
}

bool BallIsShown(const BallAnimScript& s, const HighlightFilters& f) {
    if (s.mb_played == 1 || f.everything) return true;
    if ((s.mb_celebration && f.celebrations) || (s.mb_wicket && f.wickets) || (s.mb_chance && f.chances))
        return true;
    switch (s.mi_runs) {
        case 0:
            return f.dotBalls;
        case 1:
            return f.singles;
        case 2:
        case 3:
        case 5:
            return f.twosThreesFives;
        case 4:
            return f.fours;
        case 6:
            return f.sixes;
        default:
            return false;
    }
}

void StartBallAnimation(const BallSource& source) {
    const BallSource before = s_source;
    s_source = source;
    BallAnimScript* script = CurrentScript();
    if (!script) {
        s_source = before;
        return;
    }
    script->mi_clock = -2;  // two steps before the first tick
    g_groundView.mi_stumpsEnd1 = STUMPS_END1_INTACT;
    g_groundView.mi_stumpsEnd2 = STUMPS_END2_INTACT;
    g_captionLine = 1;
    const bool shown = BallIsShown(*script, g_highlightFilters);
    g_groundView.mb_scoreAfter = 0;
    // Without the window (the match view not open) nothing would play the
    // ball or let the match go on after it.
    if (!shown || !g_highlightsWindow) return;
    for (AnimEvent& e : script->mv_events) e.mb_active = 0;
    g_groundView.PlaceFigures(*script);
    HideInfoPanelControls();
    HideBatsmenPanelControls();
    g_highlightsWindow->mb_visible = 1;
    g_highlightsWindow->mb_expanded = 1;
    g_highlightsNext->mb_visible = 1;
    g_highlightsNext->m_state = STATE_NORMAL;
    Match* user = UserMatch();
    if (user && user->mi_decision == DECISION_NONE) user->mi_decision = DECISION_INFOBOX;
}

void StartBallAnimation(Match& match, int scriptIndex) {
    StartBallAnimation(BallSource{match.mi_id, nullptr, scriptIndex});
}

void StepBallAnimation() {
    BallAnimScript* script = CurrentScript();
    if (!script) {
        // The ball's record has gone (its match finished and was cleared).
        if (HighlightsWindowShown()) EndBallAnimation();
        return;
    }
    StepFigures();
    if (script->mi_clock < script->mi_length) return;
    script->mi_clock = 0;
    script->mb_played = 1;
    EndBallAnimation();
}

void EndBallAnimation() {
    if (g_highlightsWindow) {
        g_highlightsWindow->mb_expanded = 0;
        g_highlightsWindow->Close();
    }
    StopAllSounds();
    ShowInfoPanelControls();
    ShowBatsmenPanelControls();
    Match* user = UserMatch();
    if (user && user->mi_decision == DECISION_INFOBOX) user->mi_decision = DECISION_NONE;
}

void CreateHighlightsList() {
    g_groundView.Init();
    FreeHighlightsList();
    s_window = std::make_unique<CDialog>();
    s_window->SetRect(203, 103, 816, 592);
    s_window->SetCaption("Highlights");
    s_window->mb_visible = 0;
    s_window->HideTitleBar();
    s_window->mp_drawCallback = DrawHighlightsWindow;
    if (g_system && g_system->mp_controlList) g_system->mp_controlList->AddControl(s_window.get());
    // At (863, 360) of the screen, inside the window, beside the ground.
    s_next = std::make_unique<CButton>();
    s_next->SetRect(863 - 203, 360 - 103 - s_window->m_titleHeight, 80, 30);
    s_next->SetCaption(">>");
    s_window->AddChild(s_next.get());
    g_highlightsWindow = s_window.get();
    g_highlightsNext = s_next.get();
}

void FreeHighlightsList() {
    if (s_window && s_window->mp_list) std::erase(s_window->mp_list->mv_controls, s_window.get());
    g_highlightsWindow = nullptr;
    g_highlightsNext = nullptr;
    s_next.reset();
    s_window.reset();
}

void DrawHighlightsWindow() {
    DrawGroundView(GROUND_VIEW_X, GROUND_VIEW_Y);
    const BallAnimScript* script = CurrentScript();
    if (!g_captionLine || !script) return;
    const Player* bowler = PlayerById(script->mi_bowler);
    const Player* striker = PlayerById(script->mi_striker);
    g_system->DrawText(CAPTION_LINE_X, CAPTION_LINE_Y, ALIGN_CENTRE, WHITE, g_game->m_fontText.get(),
                       "%d.%d %s to %s", script->mi_over, script->mi_ball, bowler ? bowler->m_surname : "",
                       striker ? striker->m_surname : "");
}

void HighlightOptionsDialog() {
    const CDialog* window = MatchView().m_ui.highlightOptions.window;
    if (!window) return;
    const int x = window->m_x, y = window->m_y;
    CFont* font = g_game->m_fontText.get();
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k) {
        g_system->DrawText(x + 50, y + 35 + 30 * k, ALIGN_LEFT, LABEL_COLOUR, font, "%s",
                           HIGHLIGHT_FILTER_ROWS[k].label);
    }
    g_system->DrawText(x + 10, y + 305, ALIGN_LEFT, LABEL_COLOUR, font, "Highlight Speed");
}

void InstallMatchViewServices() {
    InstallMatchScreenServices(&s_services);
}

}  // namespace ravel
