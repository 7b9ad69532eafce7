#include "shell/Game.h"

#include "shell/gui/Control.h"

namespace ravel {

CGame* g_game = nullptr;

CGame::CGame() = default;

CGame::~CGame() = default;

void CGame::SetSkinName(const char* name) {
    CopyText(m_skinName, sizeof m_skinName, name);
}

}  // namespace ravel
