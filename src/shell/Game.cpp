#include "shell/Game.h"

#include <algorithm>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "shell/MainLoop.h"
#include "shell/Settings.h"
#include "shell/ShellServices.h"
#include "shell/gui/Control.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Files.h"
#include "shell/platform/Sound.h"
#include "shell/platform/System.h"
#include "world/Database.h"
#include "world/GameDate.h"
#include "world/Services.h"

namespace ravel {

CGame* g_game = nullptr;

CGame::CGame() = default;

CGame::~CGame() = default;

void CGame::SetSkinName(const char* name) {
    CopyText(m_skinName, sizeof m_skinName, name);
}

void CGame::ShutdownGame() {
    ReleaseGraphics();
    if (!g_system->mb_soundOff) FreeSounds();
    ReleaseSideBar();
    g_currentMatches.clear();
    g_completedMatches.clear();
    ReleaseMessageBox();
}

namespace {

constexpr int SHOW_NORMAL = 1;
// A word of the command line that sends the trace to standard error.
constexpr char LOG_WORD[] = "log";
// A word of the command line that leads the intro to the match player.
constexpr char PLAYER_WORD[] = "player";

class CGamePlatformHooks : public CPlatformHooks {
public:
    void SetPaused(bool paused) override {
        if (g_game) g_game->m_paused = paused;
    }
    void ConfirmExit() override { ravel::ConfirmExit(); }
    void ReleaseGraphics() override {
        if (g_game) g_game->ReleaseGraphics();
    }
    void CreateGraphics() override {
        if (g_game) g_game->CreateGraphics();
    }
    void UnloadScreenTextures() override {
        if (g_game) g_game->mp_screen->UnloadTextures();
    }
    void LoadScreenTextures() override {
        if (g_game) g_game->mp_screen->LoadTextures();
    }
    void RenderFrame() override {
        if (g_game) g_game->RenderFrame();
    }
    bool MatchViewSoundsOn() const override { return g_cricket.m_matchViewSounds; }
};

}  // namespace

void CSideBarStartup::BuildSideBar() {
    ravel::BuildSideBar();
}

void CSideBarStartup::AddSideBarControls() {
    ravel::AddSideBarControls();
}

void InstallGamePlatformHooks(bool install) {
    static CGamePlatformHooks hooks;
    InstallPlatformHooks(install ? &hooks : nullptr);
}

int GameMain(const std::vector<std::string>& words, CStartupHooks& startup) {
    SetDatabaseFolder("std");
    startup.InitOnce();
    // The world state is one process-wide object that exists before main.
    const std::string first = words.empty() ? std::string() : words[0];
    if (std::find(words.begin(), words.end(), std::string(LOG_WORD)) != words.end()) OpenDebugLog("-");
    const bool headless = first == "headless";
    HeadlessScript script;
    if (headless) {
        std::string bad;
        std::vector<std::string> steps(words.begin() + 1, words.end());
        std::erase(steps, std::string(LOG_WORD));
        std::erase(steps, std::string(PLAYER_WORD));
        if (!ParseHeadlessScript(steps, script, bad)) {
            SystemMessageBox(("Unknown headless step: " + bad).c_str(), "Ravelstone", BOX_ERROR);
            return 1;
        }
    }
    const bool windowed = ParseCommandLine(first.c_str());
    DebugLog("Bootup: Dealt with command line arguments.......");

    auto system = std::make_unique<CSystem>();
    g_system = system.get();
    DebugLog(windowed ? "Bootup: Running in windowed mode......."
                      : "Bootup: Running in full screen mode.......");
    SaveAccessibilityKeys();
    const bool set = headless ? system->SetupHeadless()
                              : system->Setup_System(SHOW_NORMAL, SCREEN_WIDTH, SCREEN_HEIGHT, windowed);
    if (!set) {
        DebugLog("Bootup: Setup_System failed and now about to quit.......");
        system.reset();
        g_system = nullptr;
        return 1;
    }
    SetupFolders();
    DebugLog("Bootup: Initialised save folder location.......");
    ClearCurrentScreen();

    auto game = std::make_unique<CGame>();
    g_game = game.get();
    game->m_paused = false;
    game->SetSkinName(s_skinName);
    game->m_sideBarList.mb_isOverlay = 1;
    game->mp_startup = &startup;
    if (std::find(words.begin(), words.end(), std::string(PLAYER_WORD)) != words.end())
        game->m_afterIntro = SCREEN_MATCH_PLAYER;
    InstallGamePlatformHooks(true);
    InstallGameServices(true);

    bool shotsWritten = true;
    if (game->CreateGameResources()) {
        DebugLog("Bootup: Game launched succesfully...\n\n");
        if (headless) {
            shotsWritten = RunHeadless(*game, script);
        } else {
            game->Play();
        }
    } else {
        DebugLog("Bootup: Failed to create game resources so exiting...");
    }

    game->ShutdownGame();
    AllowAccessibilityShortcuts(true);
    WriteSettingsAtExit(game->m_skinName);
    DebugLog("\nClose: About to shut down system...");
    system->CloseSystem();
    InstallGameServices(false);
    InstallGamePlatformHooks(false);
    game.reset();
    g_game = nullptr;
    system.reset();
    g_system = nullptr;
    DebugLog("\nSuccesfully reached end of program");
    return shotsWritten ? 0 : 1;
}

}  // namespace ravel
