// The shell's side of the services the logic calls: screen changes and the
// histories go to CGame, messages to the message box.
#pragma once

#include "world/Services.h"

namespace ravel {

class CGameServices : public CShellServices {
public:
    void ChangeScreen(int screenId) override;
    int CurrentScreen() const override;
    void ShowMessage(const char* text, int kind) override;
    void RemoveFromHistories(int screenId) override;
};

// Installs them, or with false puts the plain ones back.
void InstallGameServices(bool install);

}  // namespace ravel
