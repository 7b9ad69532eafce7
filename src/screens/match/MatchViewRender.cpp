// The match view's frame and its Tick: the growing charts' counter and the
// ball's playback at the chosen speed.
#include "match/AnimScript.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "shell/platform/Sound.h"
#include "shell/platform/System.h"

namespace ravel {

// The panels of the match are drawn over this by their own routines; the
// controls, the open windows and the ground view come through the list.
void CMatchViewScreen::Render() {
    g_game->m_background.Draw(0, 0);
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void CMatchViewScreen::Tick() {
    if (mv_chartTick < CHART_TICKS) ++mv_chartTick;
    if (!HighlightsWindowShown()) return;
    for (int step = 0; step < mv_highlightSpeed; ++step) {
        // A ball that has run to its end (the window still up) plays again.
        BallAnimScript* script = CurrentScript();
        if (script && script->mi_clock >= script->mi_length)
            script->mi_clock = 0;
        else
            StepBallAnimation();
    }
    if (!HighlightsWindowShown()) StopAllSounds();
}

}  // namespace ravel
