// The game's screen table: every screen under its id, registered in order.
#pragma once

#include "shell/Game.h"

namespace ravel {

void RegisterGameScreens();

// The game's start-up work: the ground view's tables once per run, the
// screen table and the side bar.
class CGameScreens : public CSideBarStartup {
public:
    void InitOnce() override;
    void RegisterScreens() override { RegisterGameScreens(); }
};

}  // namespace ravel
