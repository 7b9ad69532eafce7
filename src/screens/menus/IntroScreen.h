// Screen 100: the opening picture, then the world loaded from the database one
// table per tick under a progress bar, then the start menu.
#pragma once

#include <cstdint>
#include <optional>

#include "world/DatabaseChecks.h"

namespace ravel {

class CSprite;

// Where the intro stands.
enum IntroStep : int32_t {
    INTRO_LOGO = -3,            // the waiting picture, before loading
    INTRO_CHECK_WORLD = 16,     // the loaded values are checked
    INTRO_COMPLETE_WORLD = 17,  // the last loading step
    INTRO_IDLE_FIRST = 18,      // idle ticks that keep the full bar on screen
    INTRO_DONE = 30,            // the start menu opens
};
// Ticks of the waiting picture before loading starts on its own.
inline constexpr int INTRO_LOGO_TICKS = 150;
// The tick counter once loading has started by time.
inline constexpr int INTRO_COUNTER_STOPPED = -100;

class CIntroScreen {
public:
    static void Enter();
    static void Update();
    static void Tick();
    static void Render();
    static void Leave();
    static void UnloadTextures();
    static void LoadTextures();

    static int32_t s_step;
    static int32_t s_tickCounter;
    static int32_t s_percent;
    static const char* s_message;  // the table that loads next
    // What made the world unplayable; loading stops there and the screen
    // says so until the player closes the game.
    static std::optional<DatabaseFault> s_fault;
    static CSprite* s_logo;
    static CSprite* s_waiting;
};

}  // namespace ravel
