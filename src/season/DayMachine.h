// The day machine: one screen-visible step of the game's day per Continue (or
// per tick of auto-simulation). A day runs: the world step, today's fixtures,
// the day's matches, the scoreboard, then the end of the day.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "world/GameDate.h"
#include "world/Records.h"

namespace ravel {

// CricketData::m_dayPhase.
enum DayPhase : int32_t {
    DAY_PHASE_START = 0,
    DAY_PHASE_FIXTURES = 1,
    DAY_PHASE_COMPUTER_MATCHES = 2,
    DAY_PHASE_AGAIN = DAY_PHASE_COMPUTER_MATCHES,  // the step just run wants another at once
    DAY_PHASE_HUMAN_PLAYS = 3,
    DAY_PHASE_CHECK_XI = 4,
    DAY_PHASE_MATCH_READY = 5,
    DAY_PHASE_MATCH_PLAYING = 7,
    DAY_PHASE_MATCH_ENDED = 8,
    DAY_PHASE_CLOSE_OF_PLAY = 9,
    DAY_PHASE_SCOREBOARD = 10,
    DAY_PHASE_END = 15,
};

// TodaysFixtures copies use their state word for the day's bookkeeping.
enum TodayState : int32_t {
    TODAY_MATCH_CREATED = 1,
    TODAY_SKIPPED = 3,
    TODAY_HUMAN = 4,
};

// StartAutoSimulation stop rules.
inline constexpr int32_t AUTO_TO_NEXT_SEASON = -5;
inline constexpr int32_t AUTO_CAREER_OVER = 24782;

// What the day machine shares with the pages it opens: the auto-simulation's
// stop rule and the scoreboard's day.
struct DayScreenState {
    int32_t m_autoStopRule = 0;
    bool m_dateChanged = false;   // today differs from the scoreboard's day
    bool m_fixturesSeen = false;  // today's fixtures were shown or skipped
    GameDate m_scoreboardDate{};  // day, month and year only
};
extern DayScreenState g_dayScreenState;

// The pages the day takes the user to. The screens decide what shows each.
enum class DayPage : int32_t {
    NONE,  // none of these
    NEWS,
    SELECTION,  // the eleven of a side: its club or country page
    TODAYS_FIXTURES,
    PRE_MATCH,
    MATCH_VIEW,
    SCOREBOARD,
    SCORECARD,
    AUTO_SIMULATION,
};

// What the day machine and the careers ask of the screens. The plain version
// only remembers the page it was asked for (the tests of the logic read it);
// the screens install their own.
class CDayScreenServices {
public:
    virtual ~CDayScreenServices() = default;
    // Takes the user to a page of the day (SELECTION: see ShowSelection).
    virtual void ShowPage(DayPage page);
    // The selection page of a side is laid out for its eleven afresh, and
    // opened when `open` (else it shows so when next opened).
    virtual void ShowSelection(int32_t side, bool open);
    // Whether the user is on that page (SELECTION: that side's).
    virtual bool Showing(DayPage page, int32_t side = 0) const;
    // An earlier day's scoreboard is no place to go back to.
    virtual void ForgetScoreboard() {}
    // Sets the stop rule and the auto-simulation flag and shows the
    // auto-simulation page.
    virtual void StartAutoSimulation(int stopRule);
    // The user's coach took or left a post: what follows his side is rebuilt.
    virtual void UserSideChanged() {}
    // What the screens keep between visits goes back to a fresh run's: a new
    // career or a fresh game state.
    virtual void ResetScreens();

private:
    DayPage m_shown = DayPage::NONE;
    int32_t m_shownSide = 0;
};

void InstallDayScreenServices(CDayScreenServices* services);
CDayScreenServices& DayScreens();
void StartAutoSimulation(int stopRule);
void SetScoreboardDate(const GameDate& date);

// One entry of the day's record events (see RecordsUpdate.h for the words).
using RecordEvent = std::array<int32_t, 8>;

extern std::vector<Fixture> g_todaysFixtures;
extern std::vector<int32_t> g_humanSidesToday;
extern std::vector<RecordEvent> g_recordEvents;

void AdvanceDay();

// The first inbox message of a human coach, in coach order then message
// order, that needs an answer and has not been handled: its index in that
// coach's inbox. False when there is none.
bool FindUnansweredMessage(int* messageIndex);

// Whether an eleven may take the field: eleven fit players (club sides: none
// unavailable either), the four role ids set and two different opening bowlers.
bool XiComplete(const int32_t (&xi)[XI_SIZE], bool clubSide);

// The news item of a record event (headline code 0 for kinds that make none).
int RecordNewsCode(int kind);

}  // namespace ravel
