// match_view_bench: draws the busiest frames of the live match view headless
// and prints milliseconds per frame for each: every info page and the
// bowlers' side panel late in a long fourth innings of a Test between two
// sides of the built world, and the Highlights window mid-ball at the
// fastest speed. Each scene is also kept as match_view_<scene>.png. Run it
// from the runtime folder (build/release/bin).
//
//   match_view_bench [--frames N] [--seed S]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../common/Nations.h"
#include "match/AnimScript.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/ScreenTable.h"
#include "season/Career.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/ShellServices.h"
#include "shell/platform/System.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/World.h"

using namespace ravel;

namespace {

using MV = CMatchViewScreen;

constexpr int LONG_INNINGS_BALLS = 480;  // eighty overs into the fourth innings
constexpr int SEEDS_TRIED = 60;
int g_replayedBall = -1;  // the script the Highlights scene plays over and over

bool LoadWorldHere() {
    SetDatabaseFolder("std");
    SetDatabaseRoot(".");
    if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS))) return false;
    if (const auto fault = LoadWorld()) {
        std::fprintf(stderr, "match_view_bench: %s: %s\n", fault->Where().c_str(), fault->m_problem.c_str());
        return false;
    }
    return true;
}

// A Test, or with oneDay a one-day international, between two countries.
std::unique_ptr<Match> NewTest(int home, int away, bool oneDay = false) {
    auto m = std::make_unique<Match>();
    const Country* country = CountryById(home);
    m->Setup(NextMatchId(), oneDay ? FIRST_TOUR_SERIES_ID : FIRST_TOUR_SERIES_ID + 1,
             country ? country->m_homeGround : 1, home, away, g_cricket.m_date.m_day,
             g_cricket.m_date.m_month, g_cricket.m_date.m_year, 0);
    m->mi_sideKind = SIDES_COUNTRIES;
    m->SelectComputerTeam(1, true, oneDay);
    m->SelectComputerTeam(2, true, oneDay);
    m->Start();
    m->mb_sliced = 1;      // a few balls a step, as the day's other matches are played
    m->mb_humanMatch = 1;  // every ball recorded, as in the user's match
    return m;
}

// Plays until the state is reached, or the match ends.
template <class F>
void PlayUntil(Match& m, F reached) {
    for (int steps = 0; steps < 200000 && m.mi_playState != PLAY_MATCH_OVER; ++steps) {
        if (reached(m)) return;
        m.mi_decision = DECISION_NONE;
        m.Step();
        if (m.mi_playState == PLAY_SLICE_USED) m.mi_playState = PLAY_IN_PLAY;
        if (m.mi_playState == PLAY_CLOSE) {
            g_cricket.m_date.NextDay();
            m.mi_playState = PLAY_IN_PLAY;
        }
    }
}

bool LateFourthInnings(const Match& m) {
    return m.mi_currentInnings == 3 && m.m_innings[3].mi_legalBalls >= LONG_INNINGS_BALLS;
}

// The first seed whose Test reaches a long fourth innings.
std::unique_ptr<Match> LongFourthInnings(unsigned long seed, int home, int away) {
    const GameDate start = g_cricket.m_date;
    for (int tries = 0; tries < SEEDS_TRIED; ++tries) {
        SeedRand(seed + tries);
        g_cricket.m_date = start;
        auto m = NewTest(home, away);
        PlayUntil(*m, LateFourthInnings);
        if (m->mi_currentInnings == 3 && m->m_innings[3].mi_legalBalls >= LONG_INNINGS_BALLS &&
            m->mi_playState != PLAY_MATCH_OVER) {
            std::printf("match_view_bench: seed %lu, fourth innings %d balls\n", seed + tries,
                        static_cast<int>(m->m_innings[3].mv_balls.size()));
            m->mi_playState = PLAY_IN_PLAY;
            return m;
        }
    }
    return nullptr;
}

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

struct Scene {
    const char* name;
    int32_t tab;
    int32_t panel;
    bool highlights;
};

// Times frames of a scene; between frames the ball of the Highlights window
// moves on as a tick moves it.
void Measure(const Scene& scene, int frames, double& worst) {
    MatchView().m_kept.mv_infoTab = scene.tab;
    MatchView().m_kept.mv_panelMode = scene.panel;
    MatchView().mv_chartTick = CHART_TICKS;
    for (int i = 0; i < 10; ++i) g_game->RenderFrame();  // glyph caches fill here
    std::vector<double> times;
    double cpuInFrames = 0.0;
    for (int i = 0; i < frames; ++i) {
        if (scene.highlights) {
            if (!HighlightsWindowShown()) StartBallAnimation(*g_currentMatches[0], g_replayedBall);
            MatchView().Tick();
        }
        const double c0 = CpuMs();
        const auto t0 = std::chrono::steady_clock::now();
        g_game->RenderFrame();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        cpuInFrames += CpuMs() - c0;
    }
    std::sort(times.begin(), times.end());
    double total = 0.0;
    for (double t : times) total += t;
    const double cpu = cpuInFrames / frames;
    worst = std::max(worst, cpu);
    std::printf(
        "match_view_bench: %-15s %.3f ms per frame (median %.3f, 95th percentile %.3f), CPU %.3f ms\n",
        scene.name, total / frames, times[times.size() / 2], times[times.size() * 95 / 100], cpu);
    g_system->SaveScreenshot(std::string("match_view_") + scene.name + ".png");
}

// The view of a match in a state, kept as match_view_state_<name>.png.
void Snap(std::unique_ptr<Match>& slot, std::unique_ptr<Match> match, const char* name, int32_t tab) {
    slot = std::move(match);
    slot->mi_playState = slot->mi_playState == PLAY_MATCH_OVER ? PLAY_MATCH_OVER : PLAY_IN_PLAY;
    MatchView().m_kept.mv_infoTab = tab;
    MatchView().mv_chartTick = CHART_TICKS;
    g_game->ChangeScreen(SCREEN_MATCH_VIEW);  // entered afresh for this match
    for (int i = 0; i < 3; ++i) g_game->RenderFrame();
    g_system->SaveScreenshot(std::string("match_view_state_") + name + ".png");
}

// Pictures of the view at the states of a match that matter.
void SnapStates(int home, int away) {
    std::unique_ptr<Match>& slot = g_currentMatches[0];
    SeedRand(7);
    Snap(slot, NewTest(home, away, true), "odi_start", TAB_RECENT_OVERS);
    auto mid = NewTest(home, away, true);
    PlayUntil(*mid, [](const Match& m) { return m.m_innings[0].mi_legalBalls >= 150; });
    Snap(slot, std::move(mid), "odi_mid_innings", TAB_RECENT_BALLS);
    auto chase = NewTest(home, away, true);
    PlayUntil(*chase,
              [](const Match& m) { return m.mi_currentInnings == 1 && m.m_innings[1].mi_legalBalls >= 200; });
    Snap(slot, std::move(chase), "odi_chase", TAB_WORM);
    auto day3 = NewTest(home, away);
    PlayUntil(*day3, [](Match& m) { return m.mi_dayIndex == 2 && m.CurrentSession().mi_balls >= 60; });
    Snap(slot, std::move(day3), "test_day3", TAB_MANHATTAN);
    auto rain = NewTest(home, away);
    PlayUntil(*rain, [](Match& m) { return m.mi_dayIndex == 1 && m.CurrentSession().mi_balls >= 60; });
    rain->mi_condition = CONDITION_RAIN;
    rain->mf_rainLevel = 40.0f;
    rain->mi_checkHour = 14;
    rain->mi_checkMinute = 5;
    Snap(slot, std::move(rain), "rain", TAB_PITCH_ANALYSIS);
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 300;
    unsigned long seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--frames")
            frames = std::max(1, std::atoi(argv[i + 1]));
        else if (arg == "--seed")
            seed = std::strtoul(argv[i + 1], nullptr, 10);
    }
    g_sliceBudget = 240;
    CGameScreens startup;
    startup.InitOnce();
    if (!LoadWorldHere()) {
        std::fprintf(stderr, "match_view_bench: run it from the folder that holds db\\ and gfx\\\n");
        return 1;
    }
    const std::vector<int> nations = NationsByDepth();
    if (nations.size() < 2) return 1;
    const int home = nations[0], away = nations[1];
    std::unique_ptr<Match> test = LongFourthInnings(seed, home, away);
    if (!test) {
        std::fprintf(stderr, "match_view_bench: no long fourth innings in %d seeds\n", SEEDS_TRIED);
        return 1;
    }
    g_currentMatches.push_back(std::move(test));
    g_userMatch = 0;
    // Two more matches of the day for the other scores.
    for (int k = 0; k < 2; ++k) {
        auto other = NewTest(away, home);
        for (int s = 0; s < 3; ++s) other->Step();
        g_currentMatches.push_back(std::move(other));
    }

    CSystem system;
    g_system = &system;
    system.SetupHeadless();
    CGame game;
    g_game = &game;
    game.m_sideBarList.mb_isOverlay = 1;
    game.mp_startup = &startup;
    InstallGamePlatformHooks(true);
    InstallGameServices(true);
    if (!game.CreateGameResources()) return 1;
    MatchView().m_kept.mv_firstStepDone = 1;
    game.ChangeScreen(SCREEN_MATCH_VIEW);
    MatchView().m_kept.mv_highlightSpeed = SPEED_SUPER_FAST;

    const Scene scenes[] = {
        {"recent_overs", TAB_RECENT_OVERS, PANEL_BATTING, false},
        {"recent_balls", TAB_RECENT_BALLS, PANEL_BATTING, false},
        {"pitch", TAB_PITCH_ANALYSIS, PANEL_BATTING, false},
        {"other_scores", TAB_OTHER_SCORES, PANEL_BATTING, false},
        {"partnership", TAB_PARTNERSHIP, PANEL_BATTING, false},
        {"manhattan", TAB_MANHATTAN, PANEL_BATTING, false},
        {"worm", TAB_WORM, PANEL_BATTING, false},
        {"cumulative", TAB_CUMULATIVE, PANEL_BATTING, false},
        {"bowlers", TAB_RECENT_OVERS, PANEL_BOWLING, false},
    };
    double worst = 0.0;
    for (const Scene& scene : scenes) Measure(scene, frames, worst);

    // The longest of the last balls: the busiest playback.
    Match& match = *g_currentMatches[0];
    const int count = static_cast<int>(match.mv_animScripts.size());
    for (int k = std::max(0, count - 60); k < count; ++k) {
        if (g_replayedBall < 0 || match.mv_animScripts[static_cast<size_t>(k)].mi_length >
                                      match.mv_animScripts[static_cast<size_t>(g_replayedBall)].mi_length)
            g_replayedBall = k;
    }
    match.mv_animScripts[static_cast<size_t>(g_replayedBall)].mb_played = 1;
    StartBallAnimation(match, g_replayedBall);
    for (int i = 0; i < 8; ++i) MatchView().Tick();  // into the ball
    Measure({"highlights", TAB_RECENT_OVERS, PANEL_BATTING, true}, frames, worst);
    std::printf("match_view_bench: busiest frame %.3f ms of CPU\n", worst);
    EndBallAnimation();
    SnapStates(home, away);

    game.ShutdownGame();
    InstallGameServices(false);
    InstallGamePlatformHooks(false);
    system.CloseSystem();
    return 0;
}
