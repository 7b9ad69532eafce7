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

void CShellServices::ShowMessage(const char* text, int kind) {
    std::erase_if(mv_messages, [](const MessageRequest& m) { return m.m_shown; });
    MessageRequest message;
    message.m_text = std::string(text ? text : "").substr(0, MESSAGE_TEXT_LIMIT);
    message.m_kind = kind;
    mv_messages.push_back(std::move(message));
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

}  // namespace ravel
