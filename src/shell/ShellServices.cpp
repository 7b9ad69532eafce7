#include "shell/ShellServices.h"

#include "shell/gui/MessageBox.h"

namespace ravel {

void CGameServices::ShowMessage(const char* text, int kind) {
    QueueMessage(text, kind);
}

void InstallGameServices(bool install) {
    static CGameServices services;
    InstallServices(install ? &services : nullptr);
}

}  // namespace ravel
