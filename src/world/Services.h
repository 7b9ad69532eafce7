// What the game logic asks of the shell: trace output, the modal message
// box, screen changes and the back/forward histories. The logic owns this
// interface; the plain implementation here is what tests run against, and
// the shell installs its own at start-up.
#pragma once

#include <string>
#include <vector>

namespace ravel {

// The one registry of screen ids.
enum ScreenId : int {
    SCREEN_NONE = 0,
    SCREEN_INTRO = 100,
    SCREEN_MATCH_VIEW = 101,
    SCREEN_TEAM = 102,
    SCREEN_START_MENU = 103,
    SCREEN_NEW_GAME = 104,
    SCREEN_NEWS = 105,
    SCREEN_PLAYER = 106,
    SCREEN_PLAYER_SEARCH = 108,
    SCREEN_TOP_PLAYERS = 109,
    SCREEN_COMPETITION = 110,
    SCREEN_TODAYS_FIXTURES = 113,
    SCREEN_TODAYS_SCOREBOARD = 114,
    SCREEN_SCORECARD = 115,
    SCREEN_COACH = 116,
    SCREEN_PRE_MATCH = 117,
    SCREEN_CUSTOM_LEAGUE_SETUP = 118,
    SCREEN_CUSTOM_TOUR_SETUP = 119,
    SCREEN_CUSTOM_GAME = 120,
    SCREEN_CUSTOM_LEAGUE_TABLE = 121,
    SCREEN_JOBS = 122,
    SCREEN_COUNTRY = 123,
    SCREEN_CONTRACT = 126,
    SCREEN_SERIES = 127,
    SCREEN_AUTO_SIM = 128,
    SCREEN_MATCH_PLAYER = 130,
    SCREEN_RECORDS = 131,
    SCREEN_NETWORK = 140,
};

// Message box kinds and answers.
enum MessageBoxKind : int {
    MSG_OK = 201,
    MSG_YES_NO = 202,
    MSG_OK_CANCEL = 203,
};

inline constexpr int HISTORY_LIMIT = 5;

// The negotiation, pre-match and scorecard screens are never returned to.
bool RecordedInHistory(int screenId);
// Appends a screen to a history, which keeps its HISTORY_LIMIT newest.
void PushHistory(std::vector<int>& history, int screenId);
inline constexpr int MESSAGE_TEXT_LIMIT = 255;

struct MessageRequest {
    std::string m_text;
    int m_kind = MSG_OK;
    bool m_shown = false;
};

class CShellServices {
public:
    virtual ~CShellServices() = default;

    // Leaves the current screen and enters the given one, keeping the back
    // history. The new screen is current when this returns.
    virtual void ChangeScreen(int screenId);
    virtual int CurrentScreen() const { return m_current; }
    // Drops the queued messages already shown, then queues this one.
    virtual void ShowMessage(const char* text, int kind);
    // Removes a screen from both histories and disables the Back or Forward
    // button whose list becomes empty.
    virtual void RemoveFromHistories(int screenId);
    // The Back and Forward buttons are disabled while their list is empty.
    virtual void OnHistoryEmptied(bool /*back*/) {}

    std::vector<int> mv_backHistory;
    std::vector<int> mv_forwardHistory;
    std::vector<MessageRequest> mv_messages;

protected:
    int m_current = SCREEN_NONE;
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
void ChangeScreen(int screenId);
int CurrentScreen();

}  // namespace ravel
