// What the game logic asks of the shell: trace output and the modal message
// box. The logic owns this interface; the plain implementation here is what
// tests run against, and the shell installs its own at start-up. (The pages
// of the day are asked of the screens through CDayScreenServices.)
#pragma once

#include <string>
#include <vector>

namespace ravel {

// Message box kinds and answers.
enum MessageBoxKind : int {
    MSG_OK = 201,
    MSG_YES_NO = 202,
    MSG_OK_CANCEL = 203,
};

inline constexpr int MESSAGE_TEXT_LIMIT = 255;

struct MessageRequest {
    std::string m_text;
    int m_kind = MSG_OK;
    bool m_shown = false;
};

class CShellServices {
public:
    virtual ~CShellServices() = default;

    // Drops the queued messages already shown, then queues this one.
    virtual void ShowMessage(const char* text, int kind);

    std::vector<MessageRequest> mv_messages;
};

// Installs the services the logic calls (nullptr restores the plain ones).
void InstallServices(CShellServices* services);
CShellServices& Services();

// printf-style trace, one line per call. Off unless RAVEL_LOG is set in the
// environment ("1" or "-": standard error; else a file it appends to) or the
// game is started with the word "log" (standard error). Off, it returns
// before formatting anything.
void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Sends the trace to a file (appended), or to standard error for "" or "-";
// nullptr switches it off. False when the file cannot be opened.
bool OpenDebugLog(const char* target);
bool DebugLogOn();
void ShowMessage(const char* text, int kind);

}  // namespace ravel
