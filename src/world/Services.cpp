#include "world/Services.h"

#include <algorithm>

namespace ravel {

namespace {

CShellServices g_plainServices;
CShellServices* g_services = &g_plainServices;

// The negotiation, pre-match and scorecard screens are never returned to.
bool RecordedInHistory(int screenId) {
    return screenId != SCREEN_NONE && screenId != SCREEN_CONTRACT && screenId != SCREEN_PRE_MATCH &&
           screenId != SCREEN_SCORECARD;
}

}  // namespace

void CShellServices::ChangeScreen(int screenId) {
    if (RecordedInHistory(m_current)) {
        mv_backHistory.push_back(m_current);
        if (mv_backHistory.size() > static_cast<size_t>(HISTORY_LIMIT))
            mv_backHistory.erase(mv_backHistory.begin());
    }
    m_current = screenId;
}

void CShellServices::ShowMessage(const char* text, int kind) {
    std::erase_if(mv_messages, [](const MessageRequest& m) { return m.m_shown; });
    MessageRequest message;
    message.m_text = std::string(text ? text : "").substr(0, MESSAGE_TEXT_LIMIT);
    message.m_kind = kind;
    mv_messages.push_back(std::move(message));
}

void CShellServices::RemoveFromHistories(int screenId) {
    const bool hadBack = !mv_backHistory.empty();
    const bool hadForward = !mv_forwardHistory.empty();
    std::erase(mv_backHistory, screenId);
    std::erase(mv_forwardHistory, screenId);
    if (hadBack && mv_backHistory.empty()) OnHistoryEmptied(true);
    if (hadForward && mv_forwardHistory.empty()) OnHistoryEmptied(false);
}

void InstallServices(CShellServices* services) {
    g_services = services ? services : &g_plainServices;
}

CShellServices& Services() {
    return *g_services;
}

void DebugLog(const char* /*format*/, ...) {}

void ShowMessage(const char* text, int kind) {
    g_services->ShowMessage(text, kind);
}

void ChangeScreen(int screenId) {
    g_services->ChangeScreen(screenId);
}

int CurrentScreen() {
    return g_services->CurrentScreen();
}

}  // namespace ravel
