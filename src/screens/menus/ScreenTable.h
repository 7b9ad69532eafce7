// The game's screen table: every screen under its id, registered in order.
#pragma once

#include "shell/Game.h"

namespace ravel {

// Registers the one object of each screen class with the game; the objects
// live for the whole run.
void RegisterGameScreens();

// The screen table's object of a screen class: screens reach each other
// through it.
template <class T>
T& TheScreen();

// The game's start-up work: the ground view's tables once per run, the
// screen table and the side bar.
class CGameScreens : public CSideBarStartup {
public:
    void InitOnce() override;
    void RegisterScreens() override { RegisterGameScreens(); }
};

}  // namespace ravel
