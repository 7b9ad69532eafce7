// The game's screen table: every screen under its id, registered in order.
#pragma once

namespace ravel {

void RegisterGameScreens();

}  // namespace ravel
