// testcard: draws the test card with the game's fonts and pictures, to a PNG
// headless, or in a window when a display is there and "window" is asked.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "shell/Resources.h"
#include "shell/platform/Clock.h"
#include "shell/platform/System.h"
#include "shell/platform/TestCard.h"

using namespace ravel;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: testcard <out.png> [window]   (run from the runtime folder)\n");
        return 2;
    }
    const bool window = argc > 2 && std::strcmp(argv[2], "window") == 0;
    CSystem system;
    if (!(window ? system.Setup_System(0, SCREEN_WIDTH, SCREEN_HEIGHT, true) : system.SetupHeadless()))
        return 1;

    struct Card {
        int height, weight;
        bool italic;
        const char* label;
    } cards[] = {{21, 700, false, "21 bold (system)"}, {21, 400, false, "21 regular"},
                 {17, 700, false, "17 bold"},          {15, 660, false, "15 weight 660"},
                 {20, 800, false, "20 heavy"},         {32, 700, true, "32 bold italic"},
                 {14, 700, false, "14 bold"},          {18, 700, false, "18 bold"},
                 {15, 700, true, "15 bold italic"},    {20, 700, false, "20 bold"},
                 {17, 700, true, "17 bold italic"}};
    std::vector<std::unique_ptr<CFont>> fonts;
    TestCardArt art;
    for (const Card& s : cards) {
        fonts.push_back(CFont::Create(s.height, s.weight, s.italic));
        art.fonts.push_back({fonts.back().get(), s.label});
    }
    std::vector<std::unique_ptr<CSprite>> sprites;
    auto load = [&](const char* file) -> CSprite* {
        sprites.push_back(std::make_unique<CSprite>());
        if (!file || !sprites.back()->LoadFromFile(file)) {
            if (file) std::fprintf(stderr, "testcard: cannot load %s\n", file);
            return nullptr;
        }
        return sprites.back().get();
    };
    for (int slot = 0; slot < GROUND_SPRITES; ++slot)
        if (CSprite* s = load(GroundSpriteFile(slot))) art.sprites.push_back(s);
    art.sprites.push_back(load("gfx\\mouse\\mousepointer.bmp"));
    art.sprites.push_back(load("gfx\\mouse\\mousepointerld.bmp"));
    for (int i = 0; i < TILE_COUNT; ++i) art.tiles.push_back(load(TileFile(i)));

    system.BeginScene();
    DrawTestCard(system, art);
    system.EndScene();
    system.Present();
    if (!system.SaveScreenshot(argv[1])) {
        std::fprintf(stderr, "testcard: cannot write %s\n", argv[1]);
        return 1;
    }
    if (window) {
        // Shown until the window is closed.
        for (bool open = true; open;) {
            WindowMessage msg;
            while (system.PeekMessage(&msg, true))
                if (msg.message == WM_SYSCOMMAND && msg.wParam == SC_CLOSE) open = false;
            system.Present();
            Sleep(16);
        }
    }
    system.CloseSystem();
    return 0;
}
