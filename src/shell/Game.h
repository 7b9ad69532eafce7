// CGame: the game object. It holds the current screen and its histories, the
// shared pictures, skin, tiles, fonts and sounds, and the side bar's controls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/Screens.h"
#include "shell/Skin.h"
#include "shell/gui/Control.h"
#include "shell/platform/Font.h"
#include "shell/platform/Sprite.h"
#include "world/Services.h"

namespace ravel {

class SoundObject;

// The start-up work that the rest of the program gives the shell. The plain
// version does nothing (tests of the shell alone); CSideBarStartup builds the
// side bar; the game's screens add theirs (screens/menus/ScreenTable.h).
class CStartupHooks {
public:
    virtual ~CStartupHooks() = default;
    // Once per run, before the command line is read: one-time tables.
    virtual void InitOnce() {}
    virtual void RegisterScreens() {}
    // The side bar's buttons, menus and options dialog; then its controls in
    // the side-bar list, once the message box exists.
    virtual void BuildSideBar() {}
    virtual void AddSideBarControls() {}
};

class CSideBarStartup : public CStartupHooks {
public:
    void BuildSideBar() override;
    void AddSideBarControls() override;
};

using ScreenCallback = void (*)();

inline constexpr int SKIN_NAME_SIZE = 50;  // 49 characters
inline constexpr int SCREEN_MODE_FULL = 1;
inline constexpr int SCREEN_MODE_FRAMED = 2;

// What one pass of the main loop did.
enum class LoopPass { ENDED, MESSAGE, TICK, FRAME, IDLE };

class CGame {
public:
    CGame();
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // Pictures, skin, fonts, tiles, the message box and the sounds; false
    // (after an error box) when the game cannot run.
    bool CreateGameResources();
    bool CreateGraphics();
    bool ReleaseGraphics();
    bool LoadTile(const char* fileName);
    // The tile of a sprite-table slot; nullptr outside the table.
    CSprite* Tile(int index) const;
    bool LoadSounds();
    void FreeSounds();
    void SetSkinName(const char* name);  // cut to 49 characters
    // Releases what CreateGameResources made, and the match objects.
    void ShutdownGame();

    // The main loop: Play runs BeginPlay, passes until the game ends, then
    // EndPlay. Headless drivers run the passes themselves on a manual clock.
    void Play();
    void BeginPlay();
    LoopPass PlayPass();
    void EndPlay();
    // How long an idle pass may sleep: until the next tick or frame is due.
    uint32_t IdleMilliseconds() const;
    // Whether this frame slot is drawn (see STILL_FRAMES); Still: the
    // picture has stood still with no input since.
    bool FrameWanted();
    bool Still() const;
    void GameTick();
    void RenderFrame();

    // The screen table. A record without a screen gets the empty one; a
    // screen's controls get the side bar as overlay and the skin.
    void RegisterScreen(const ScreenRecord& record);
    const ScreenRecord* FindScreen(int32_t id) const;
    void ChangeScreen(int32_t newId);
    // Hands the screen its subject, then changes to it.
    void OpenScreen(int32_t id, const ScreenSubject& subject);
    void NavigateHistory(int direction);
    // Back and Forward buttons enabled as their histories allow.
    void UpdateHistoryButtons();

    int32_t m_screenId = 0;
    bool m_running = false;
    bool m_paused = false;
    bool m_skipHistory = false;
    bool m_busy = false;
    std::vector<int32_t> mv_backHistory;
    std::vector<int32_t> mv_forwardHistory;
    bool m_recordOnLeave = false;
    // Where the intro leads: the start menu, or the match player when the
    // command line asks for it.
    int32_t m_afterIntro = SCREEN_START_MENU;

    CSprite m_background;
    CSprite m_topBarMatch;
    CSprite m_sideBar;
    CSprite m_sideBarBottom;
    CSprite m_bottomBar;
    CSprite m_pitch;
    CSprite m_pitchBig;
    SkinBlock m_skin;
    ControlList m_sideBarList;
    int32_t m_screenMode = 0;
    std::vector<CSprite*> mv_tiles;       // owned; released by ReleaseGraphics
    std::vector<SoundObject*> mv_sounds;  // owned; freed at shut-down
    char m_skinName[SKIN_NAME_SIZE] = "std";

    std::unique_ptr<CFont> m_fontText;           // 21, regular
    std::unique_ptr<CFont> m_fontSmallBold;      // 17, bold
    std::unique_ptr<CFont> m_fontTable;          // 15, weight 660
    std::unique_ptr<CFont> m_fontHeading;        // 20, weight 800
    std::unique_ptr<CFont> m_fontTitle;          // 32, bold italic
    std::unique_ptr<CFont> m_fontTiny;           // 14, bold
    std::unique_ptr<CFont> m_fontTooltip;        // 18, bold
    std::unique_ptr<CFont> m_fontSmallItalic;    // 15, bold italic
    std::unique_ptr<CFont> m_fontCaption;        // 20, bold
    std::unique_ptr<CFont> m_fontCaptionItalic;  // 17, bold italic

    uint8_t mb_screenFrame = 0;  // the standard screen frame's flag

    // The start-up work the rest of the program gives it; nullptr runs none.
    CStartupHooks* mp_startup = nullptr;

    std::vector<ScreenRecord> mv_screens;
    // The current screen; never null (the empty screen before the first change).
    CScreen* mp_screen = &EmptyScreen();
    // The highlights playback keys, set while a playback runs.
    ScreenCallback mp_highlightKeys = nullptr;

    // Main loop clock, in units of the performance counter (or milliseconds
    // without one), and what it has run; the next tick lives in CSystem.
    int64_t m_tickPeriod = 0;
    int64_t m_framePeriod = 0;
    int64_t m_nextFrame = 0;
    bool mb_counterClock = true;
    bool mb_quitSeen = false;
    bool mb_altEnterArmed = false;
    uint64_t m_tickCount = 0;
    uint64_t m_frameCount = 0;
    // A picture that has stood still for STILL_FRAMES frames with no input
    // is drawn STILL_FRAMES_PER_SECOND times a second until it changes, and
    // the loop sleeps up to STILL_WAIT_MS at a time meanwhile, waiting for
    // the window's events, with the ticks caught up on waking: an idle game
    // leaves the processor alone. Input or a change brings every frame back.
    static constexpr uint32_t STILL_FRAMES = 30;
    static constexpr int STILL_FRAMES_PER_SECOND = 3;
    static constexpr uint32_t STILL_WAIT_MS = 100;
    uint32_t m_stillFrames = 0;
    int64_t m_nextStillFrame = 0;
    uint64_t m_inputAtFrame = 0;

    // What lay under the pointer when the last tick began; see SceneChanged.
    struct Scene {
        uint64_t screenChanges = 0;
        const CControl* open = nullptr;
        const CControl* sideBarOpen = nullptr;
        bool messageBox = false;
        bool operator==(const Scene&) const = default;
    };
    Scene CurrentScene() const;
    Scene m_scene;
    uint64_t m_screenChanges = 0;

    int GraphicsCount() const { return m_graphicsCount; }

private:
    int m_graphicsCount = 0;  // CreateGraphics minus ReleaseGraphics
};

extern CGame* g_game;

// Lends the platform the game's paused flag, exit question, frame drawing,
// the graphics rebuild around a renderer reset and the match sounds option;
// with false the plain hooks come back.
void InstallGamePlatformHooks(bool install);

// The whole run after the command line has been split into words: start-up,
// the main loop (or, with "headless" first, the scripted headless loop) and
// shut-down, with the start-up work of the rest of the program. Returns the
// exit code.
int GameMain(const std::vector<std::string>& words, CStartupHooks& startup);

}  // namespace ravel
