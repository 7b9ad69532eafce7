// The game clock and calendar, and the world-state object that holds them.
// The calendar has no leap years. Season s begins in year (s - 50) / 2 + 1850,
// on 1 April when s is even and on 1 October when it is odd.
#pragma once

#include <cstdint>
#include <string>

namespace ravel {

inline constexpr int FIRST_SEASON = 362;  // the 2006 season, from 1 April 2006
// The last season a career runs; the turn into the next one ends it.
inline constexpr int LAST_CAREER_SEASON = 422;
inline constexpr int SEASON_DAYS = 364;  // days of season run 0..363

struct GameDate {
    int32_t m_second = 0;
    int32_t m_minute = 0;
    int32_t m_hour = 0;
    int32_t m_reserved = 0;  // every date the world builds keeps this 0
    int32_t m_day = 1;
    int32_t m_month = 1;
    int32_t m_year = 2006;
    int32_t m_season = 0;
    int32_t m_dayOfSeason = 0;

    // Moves on one day (time untouched); returns the new day of season.
    int NextDay();
    static GameDate FromSeasonDay(int dayOfSeason, int season);
    static GameDate FromCurrentSeasonDay(int dayOfSeason);
    // "01 Apr 2006": zero-padded day, English month name.
    std::string DateText() const;
    // "hh:mm".
    std::string ClockText() const;

    bool SameDay(const GameDate& other) const {
        return m_day == other.m_day && m_month == other.m_month && m_year == other.m_year;
    }
};

// "03 Apr 2006".
std::string DateLongText(int day, int month, int year);
// English three-letter month name, "???" outside 1..12.
const char* MonthShortName(int month);
// Days in a month of the game's calendar (February always 28).
int DaysInMonth(int month);
int SeasonFirstYear(int season);
// "2006" for a northern (even) season, "2006/07" for a southern one; "-" for
// no season (0 or below).
std::string SeasonLabel(int season);
// Calendar days from one date to another; negative when `to` is earlier.
int DaysBetween(const GameDate& from, const GameDate& to);
// Days from a season's first day to the next season's: 183 from 1 April,
// 182 from 1 October.
int SeasonLength(int season);

enum GameMode : int32_t {
    MODE_CAREER = 1,
    MODE_CUSTOM_TOUR = 2,
    MODE_CUSTOM_LEAGUE = 3,
};

// The world state: clock, user's side and coach, day-machine phase, options.
// Its fields in this order make the 92 bytes of a saved-game header.
struct CricketData {
    int32_t m_gameMode = 0;
    int32_t m_lead2 = 0;
    int32_t m_lead3 = 0;
    GameDate m_date;
    int32_t m_reserved56 = 0;
    // Real-world date stamped when the new game was made.
    int32_t m_startDay = 0;
    int32_t m_startMonth = 0;
    int32_t m_startYear = 0;
    int32_t m_team = 0;  // user's side: club id (1000+) or country id
    int32_t m_reserved76 = 0;
    int32_t m_coachIndex = 0;    // current UserCoach
    int32_t m_climateMonth = 0;  // month - 1 last written by the daily world step
    int32_t m_pendingMessage = -1;
    int32_t m_dayPhase = 0;
    bool m_autoSimulate = false;
    bool m_option1 = false;
    bool m_autosave = false;
    bool m_matchViewSounds = false;

    CricketData();
};

// The one world-state object of the process.
extern CricketData g_cricket;

}  // namespace ravel
