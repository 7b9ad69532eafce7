#include "world/Services.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ravel {

namespace {

CShellServices g_plainServices;
CShellServices* g_services = &g_plainServices;

constexpr char LOG_VARIABLE[] = "RAVEL_LOG";

struct TraceTarget {
    FILE* mp_file = nullptr;
    bool mb_ownFile = false;

    TraceTarget() {
        const char* target = std::getenv(LOG_VARIABLE);
        if (target && *target) Open(std::strcmp(target, "1") == 0 ? "-" : target);
    }
    ~TraceTarget() { Close(); }
    bool Open(const char* target) {
        Close();
        if (!target) return true;
        if (!*target || std::strcmp(target, "-") == 0) {
            mp_file = stderr;
            return true;
        }
        mp_file = std::fopen(target, "a");
        mb_ownFile = mp_file != nullptr;
        return mb_ownFile;
    }
    void Close() {
        if (mb_ownFile) std::fclose(mp_file);
        mp_file = nullptr;
        mb_ownFile = false;
    }
};

TraceTarget& Trace() {
    static TraceTarget target;
    return target;
}

}  // namespace

bool RecordedInHistory(int screenId) {
    return screenId != SCREEN_CONTRACT && screenId != SCREEN_PRE_MATCH && screenId != SCREEN_SCORECARD;
}

void PushHistory(std::vector<int>& history, int screenId) {
    history.push_back(screenId);
    if (history.size() > static_cast<size_t>(HISTORY_LIMIT)) history.erase(history.begin());
}

void CShellServices::ChangeScreen(int screenId) {
    if (m_current != SCREEN_NONE && RecordedInHistory(m_current)) PushHistory(mv_backHistory, m_current);
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

void DebugLog(const char* format, ...) {
    FILE* file = Trace().mp_file;
    if (!file || !format) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    const size_t length = std::strlen(format);
    if (length == 0 || format[length - 1] != '\n') std::fputc('\n', file);
    std::fflush(file);
}

bool OpenDebugLog(const char* target) {
    return Trace().Open(target);
}

bool DebugLogOn() {
    return Trace().mp_file != nullptr;
}

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
