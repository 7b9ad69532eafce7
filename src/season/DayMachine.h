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

// View words the day machine gives the team and country pages.
inline constexpr int32_t TEAM_VIEW_SELECT = 5041;
inline constexpr int32_t COUNTRY_VIEW_SELECT = 5504;

// StartAutoSimulation stop rules.
inline constexpr int32_t AUTO_TO_NEXT_SEASON = -5;
inline constexpr int32_t AUTO_CAREER_OVER = 24782;

// What the day machine shares with the pages it opens: their subjects and
// views, the auto-simulation's stop rule and the scoreboard's day.
struct DayScreenState {
    int32_t m_teamSubject = 0;
    int32_t m_teamView = 0;
    int32_t m_countrySubject = 0;
    int32_t m_countryView = 0;
    int32_t m_autoStopRule = 0;
    bool m_dateChanged = false;   // today differs from the scoreboard's day
    bool m_fixturesSeen = false;  // today's fixtures were shown or skipped
    GameDate m_scoreboardDate{};  // day, month and year only
};
extern DayScreenState g_dayScreenState;

// What the day machine and the careers ask of the team, country, menu and
// auto-simulation screens. The plain version places nothing; the screens
// install their own.
class CDayScreenServices {
public:
    virtual ~CDayScreenServices() = default;
    // Reset and place the page's controls for the subject and view in
    // g_dayScreenState.
    virtual void LayoutTeamPage() {}
    virtual void LayoutCountryPage() {}
    // Sets the stop rule and the auto-simulation flag and opens screen 128.
    virtual void StartAutoSimulation(int stopRule);
    // The user's coach took or left a post: what follows his side is rebuilt.
    virtual void UserSideChanged() {}
    // What the screens keep between visits goes back to a fresh run's: a new
    // career or a fresh game state.
    virtual void ResetScreens() {}
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
