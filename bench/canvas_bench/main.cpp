// canvas_bench: draws a busy frame (full-screen background, 50 sprites, 200
// lines of text in several fonts, shaded panels) many times on the headless
// canvas and prints milliseconds per frame, then where the time went by
// stage. Run from the runtime folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "shell/platform/System.h"

using namespace ravel;

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 600;
    CSystem system;
    system.SetupHeadless();

    CSprite background;
    if (!background.LoadFromFile("gfx\\pics\\background.bmp")) {
        std::fprintf(stderr, "canvas_bench: run it from the folder that holds gfx\\\n");
        return 1;
    }
    const char* spriteFiles[] = {"gfx\\sprites\\player.bmp",       "gfx\\sprites\\playerb1.bmp",
                                 "gfx\\sprites\\ball1.bmp",        "gfx\\tiles\\outcomes\\RUN4.bmp",
                                 "gfx\\pics\\flags\\2.bmp",        "gfx\\tiles\\weather\\norm\\4-SUNNY.bmp",
                                 "gfx\\tiles\\ball\\BALL-new.bmp", "gfx\\sprites\\icon_bat.bmp"};
    std::vector<std::unique_ptr<CSprite>> sprites;
    for (const char* f : spriteFiles) {
        sprites.push_back(std::make_unique<CSprite>());
        if (!sprites.back()->LoadFromFile(f)) {
            std::fprintf(stderr, "canvas_bench: cannot load %s\n", f);
            return 1;
        }
    }
    struct FontDef {
        int height, weight;
        bool italic;
    } wanted[] = {{21, 400, false}, {17, 700, false}, {15, 660, false}, {14, 700, false}, {18, 700, false}};
    std::vector<std::unique_ptr<CFont>> fonts;
    for (const FontDef& s : wanted) fonts.push_back(CFont::Create(s.height, s.weight, s.italic));

    // Stage times of the measured frames, summed.
    enum { STAGE_BACKGROUND, STAGE_SHADE, STAGE_SPRITES, STAGE_TEXT, STAGE_COUNT };
    const char* const stageNames[STAGE_COUNT] = {"background", "shade", "sprites", "text"};
    double stageMs[STAGE_COUNT] = {};
    auto stamp = std::chrono::steady_clock::now();
    auto endStage = [&](int stage) {
        const auto now = std::chrono::steady_clock::now();
        stageMs[stage] += std::chrono::duration<double, std::milli>(now - stamp).count();
        stamp = now;
    };

    auto frame = [&](int n) {
        stamp = std::chrono::steady_clock::now();
        system.Clear(0xff000000u);
        background.Draw(0, 0);
        endStage(STAGE_BACKGROUND);
        system.ShadeRect(200, 110, 1010, 690);
        endStage(STAGE_SHADE);
        for (int i = 0; i < 50; ++i) {
            const CSprite& s = *sprites[size_t(i) % sprites.size()];
            s.Draw(210 + (i * 97 + n) % 760, 120 + (i * 53) % 540);
        }
        endStage(STAGE_SPRITES);
        for (int line = 0; line < 200; ++line) {
            CFont* font = fonts[size_t(line) % fonts.size()].get();
            const int x = line < 100 ? 210 : 610;
            const int y = 115 + (line % 100) * 5;
            system.DrawText(x, y, line % 3 == 0 ? ALIGN_CENTRE : ALIGN_LEFT,
                            line % 2 ? 0xffffffffu : 0xffffff00u, font,
                            "%d. J. Smith c Jones b Brown %d (%d)", line, 40 + line % 60, 50 + n % 30);
        }
        endStage(STAGE_TEXT);
        system.Present();
    };
    for (int i = 0; i < 20; ++i) frame(i);  // glyph caches fill here
    std::fill(std::begin(stageMs), std::end(stageMs), 0.0);
    // CPU time of this thread too: the machine is shared, wall time wanders.
    auto cpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
    };
    const double cpuStart = cpuMs();
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        frame(i);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    const double cpu = (cpuMs() - cpuStart) / frames;
    std::sort(times.begin(), times.end());
    double total = 0;
    for (double t : times) total += t;
    std::printf(
        "canvas_bench: %d frames, %.3f ms per frame (median %.3f, 95th percentile %.3f), "
        "CPU %.3f ms per frame\n",
        frames, total / frames, times[times.size() / 2], times[times.size() * 95 / 100], cpu);
    std::printf("canvas_bench: mean ms per stage:");
    for (int stage = 0; stage < STAGE_COUNT; ++stage)
        std::printf(" %s %.3f", stageNames[stage], stageMs[stage] / frames);
    std::printf("\n");
    system.SaveScreenshot("canvas_bench.png");
    system.CloseSystem();
    return 0;
}
