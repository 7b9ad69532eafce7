// A highlights file from the fuzzer, read as the match player and the
// scoreboard's F4 read it; what was read is written and read back the same,
// and it is played and drawn as the match player shows it: the ground view
// on an off-screen canvas, with the built pictures and the game's fonts.
#include <memory>

#include "FuzzSupport.h"
#include "match/HighlightsFile.h"
#include "screens/match/GroundView.h"
#include "screens/match/Highlights.h"
#include "shell/Game.h"
#include "shell/Resources.h"
#include "shell/platform/Font.h"
#include "shell/platform/System.h"
#include "world/Paths.h"

using namespace ravel;

namespace {

// Enough of each file's balls to reach its places, heights and captions;
// a wild length is not played through.
constexpr int DRAWN_FRAMES = 4;
constexpr int STEPS_PER_FRAME = 150;

std::unique_ptr<CSystem> s_system;
std::unique_ptr<CGame> s_game;

std::string RuntimePath(const char* file) {
    return JoinPath(RAVEL_RUNTIME_DIR, file);
}

void PlayAndDraw() {
    g_highlightsPrepared = 0;
    g_highlightsList.mi_totalTicks = 0;
    StartHighlightsPlayback();
    for (int frame = 0; frame < DRAWN_FRAMES && g_highlightsPrepared; ++frame) {
        PlayHighlightsTick(STEPS_PER_FRAME);
        DrawGroundView(GROUND_VIEW_X, GROUND_VIEW_Y);
    }
    g_highlightsPrepared = 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    s_system = std::make_unique<CSystem>();
    fuzz::Expect(s_system->SetupHeadless(), "no headless canvas");
    g_system = s_system.get();
    s_game = std::make_unique<CGame>();
    g_game = s_game.get();
    for (int slot = 0; slot < GROUND_SPRITES; ++slot) {
        if (!GroundSpriteFile(slot)) continue;
        s_groundSprites[slot] = new CSprite;
        s_groundSprites[slot]->LoadFromFile(RuntimePath(GroundSpriteFile(slot)).c_str());
    }
    fuzz::Expect(s_game->m_pitch.LoadFromFile(RuntimePath("gfx/pics/pitch.bmp").c_str()), "no pitch picture");
    s_game->m_fontText = CFont::Create(21, 400, false);
    s_game->m_fontTiny = CFont::Create(14, 700, false);
    g_groundView.Reset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::ScratchPath("test.tvc");
    fuzz::WriteInput(path, data, size);
    g_highlightsList.mi_currentClip = 3;
    ReadReplayFile(path.c_str());
    fuzz::Expect(g_highlightsList.mi_currentClip == 0, "a read starts at the first clip");
    const size_t scripts = g_highlightsList.mv_scripts.size();
    const std::string content = EncodeReplay(g_highlightsList);
    HighlightsList again;
    fuzz::Expect(DecodeReplay(content, again), "a written list reads whole");
    fuzz::Expect(again.mv_scripts.size() == scripts, "a written list reads back every script");
    fuzz::Expect(EncodeReplay(again) == content, "a written list reads back byte for byte");
    PlayAndDraw();
    return 0;
}
