#include "shell/ShellServices.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/gui/MessageBox.h"

namespace ravel {

void CGameServices::ChangeScreen(int screenId) {
    if (g_game) g_game->ChangeScreen(screenId);
}

int CGameServices::CurrentScreen() const {
    return g_game ? g_game->m_screenId : SCREEN_NONE;
}

void CGameServices::ShowMessage(const char* text, int kind) {
    QueueMessage(text, kind);
}

void CGameServices::RemoveFromHistories(int screenId) {
    if (!g_game) return;
    std::erase(g_game->mv_backHistory, screenId);
    std::erase(g_game->mv_forwardHistory, screenId);
    g_game->UpdateHistoryButtons();
}

void InstallGameServices(bool install) {
    static CGameServices services;
    InstallServices(install ? &services : nullptr);
}

}  // namespace ravel
