#include "screens/match/MatchPlayerScreen.h"

#include "match/HighlightsFile.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/platform/System.h"

namespace ravel {

using MP = CMatchPlayerScreen;

namespace {

constexpr int BUTTON_Y = 520, BUTTON_WIDTH = 60, BUTTON_HEIGHT = 30;

struct PlayerButton {
    CButton* MP::*button;
    const char* caption;
    const char* tooltip;
    int x;
};
// The four transport buttons have no action.
constexpr PlayerButton BUTTONS[] = {
    {&MP::m_stop, "||", "Stop video", 200},
    {&MP::m_rewind, "<<", "Rewind", 300},
    {&MP::m_play, "|>", "Play", 400},
    {&MP::m_forward, ">>", "Forward", 500},
    {&MP::m_exit, "Exit", "Quit the video player", 600},
};

}  // namespace

void MP::Enter() {
    m_controls.Begin();
    CreateHighlightsList();
    ReadReplayFile(HighlightsFilePath(PLAYER_FILE).c_str());
    StartHighlightsPlayback();
    for (const PlayerButton& b : BUTTONS)
        this->*b.button =
            m_controls.Add<CButton>(b.x, BUTTON_Y, BUTTON_WIDTH, BUTTON_HEIGHT, b.caption, b.tooltip);
}

void MP::Update() {
    if (TakeClick(m_exit)) g_game->m_running = false;
}

void MP::Tick() {
    PlayHighlightsTick(MatchView().m_kept.mv_highlightSpeed);
}

void MP::Render() {
    g_game->m_background.Draw(0, 0);
    CFont* font = g_game->m_fontText.get();
    const HighlightsList& list = g_highlightsList;
    g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, font, "Ravelstone Match Player");
    g_system->DrawText(512, 65, ALIGN_CENTRE, TEXT_WHITE, font, "%d of %d", list.mi_currentClip,
                       static_cast<int>(list.mv_scripts.size()));
    const int clip = list.mi_currentClip;
    const bool held = clip >= 0 && clip < static_cast<int>(list.mv_scripts.size());
    const BallAnimScript* script = held ? &list.mv_scripts[static_cast<size_t>(clip)] : nullptr;
    g_system->DrawText(512, 80, ALIGN_CENTRE, TEXT_WHITE, font, "%d of %d", script ? script->mi_clock : 0,
                       script ? script->mi_length : 0);
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void MP::Leave() {
    m_controls.Free();
    FreeHighlightsList();
    for (const PlayerButton& b : BUTTONS) this->*b.button = nullptr;
}

}  // namespace ravel
