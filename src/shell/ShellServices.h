// The shell's side of the services the logic calls: messages go to the
// message box.
#pragma once

#include "world/Services.h"

namespace ravel {

class CGameServices : public CShellServices {
public:
    void ShowMessage(const char* text, int kind) override;
};

// Installs them, or with false puts the plain ones back.
void InstallGameServices(bool install);

}  // namespace ravel
