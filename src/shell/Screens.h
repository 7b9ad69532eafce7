// The screen registry: each screen object is registered under a fixed id
// (the ids are in world/Services.h). CGame::ChangeScreen makes one current;
// the Back and Forward histories remember where the user has been.
#pragma once

#include <cstdint>
#include <vector>

#include "shell/Screen.h"

namespace ravel {

class ControlList;

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

inline constexpr int HISTORY_LIMIT = 5;

// The negotiation, pre-match and scorecard screens are never returned to.
bool RecordedInHistory(int screenId);
// Appends a screen to a history, which keeps its HISTORY_LIMIT newest.
void PushHistory(std::vector<int32_t>& history, int screenId);

// The game's current screen changes (CGame::ChangeScreen); SCREEN_NONE
// without a game.
void ChangeScreen(int screenId);
int CurrentScreen();

struct ScreenRecord {
    int32_t m_id = 0;
    int32_t m_mode = 0;            // SCREEN_MODE_FULL or SCREEN_MODE_FRAMED
    CScreen* mp_screen = nullptr;  // not owned; nullptr: a screen that does nothing
    ControlList* mp_controls = nullptr;
};

// NavigateHistory directions.
enum HistoryDirection : int {
    HISTORY_FORWARD = 10,
    HISTORY_BACK = 11,
};

// The records screen on a section of a table (kind 1..4; another kind keeps
// the table shown last).
void OpenRecordsScreen(int kind, int section);

// The screen of an empty slot, which does nothing.
CScreen& EmptyScreen();

// Opens a screen on a subject (see CScreen::SetSubject).
void OpenScreen(int32_t id, const ScreenSubject& subject);

// Makes the empty screen current, with no controls: nothing is called on a
// stale screen before the first screen change.
void ClearCurrentScreen();

}  // namespace ravel
