#include "world/DatabaseChecks.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>

#include "world/Database.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

namespace {

// Ranges a cricket world can hold, wide enough for any real career and far
// enough from the int32 limits that a season's figures can't overflow them.
constexpr int MIN_SKILL = -2;  // a generated player's lowest
constexpr int MAX_SKILL = 99;
constexpr int MAX_RATING = 100;
constexpr int MAX_FIGURE = 1000000;  // career counters: runs, balls, wickets
constexpr int MAX_WAGE = 10000000;
constexpr int MAX_CONTRACT_SEASONS = 10;
constexpr int MAX_INJURY_DAYS = 999;
constexpr int YOUNGEST_AT_START = 14;
constexpr int OLDEST_AT_START = 70;
constexpr int MAX_BATTING_POSITION = 11;
constexpr int MAX_BOWLING_TYPE = BOWL_WRIST_SPIN;
constexpr int MAX_FIELDING_POSITION = 2;
constexpr int MAX_KEEPER = 2;
constexpr float MAX_MONEY = 1.0e9f;
constexpr int MAX_CLUB_ID = 999999;
constexpr int MAX_CAPACITY = 250000;
constexpr float MAX_PITCH_FIGURE = 10.0f;
constexpr int MAX_WEATHER_ROLL = 101;
constexpr int MIN_MONTHLY_HIGH = -30, MAX_MONTHLY_HIGH = 55;
constexpr int MAX_MATCH_DAYS = 5;
constexpr int MAX_OVERS = 100;      // overs per side of a limited-overs match
constexpr int MAX_DAY_OVERS = 150;  // overs in a day
constexpr int MAX_OVERS_PER_HOUR = 30;
constexpr int MAX_EXTRA_MINUTES = 240;
constexpr int MAX_POINTS = 100;
constexpr int MAX_TOUR_MATCHES = 20;
constexpr int MAX_DAY_STEP = 60;
constexpr int MAX_MATCHES_PER_DAY = 16;
constexpr int MAX_GROUND_PIXEL = 2048;
constexpr int MAX_POSITION_VALUE = 1000;
constexpr int MAX_SEASON = FIRST_SEASON + 1000;

// Collects the first fault of one file.
class Checker {
public:
    explicit Checker(std::string file) { m_fault.m_file = std::move(file); }

    bool Failed() const { return mb_failed; }
    // Records the fault when `ok` is false and nothing failed before.
    bool Need(bool ok, int32_t record, const char* format, ...) __attribute__((format(printf, 4, 5))) {
        if (ok || mb_failed) return ok;
        char text[256];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        mb_failed = true;
        m_fault.m_record = record;
        m_fault.m_problem = text;
        return false;
    }
    std::optional<DatabaseFault> Result() const {
        if (!mb_failed) return std::nullopt;
        return m_fault;
    }

private:
    DatabaseFault m_fault;
    bool mb_failed = false;
};

bool Within(int64_t v, int64_t lo, int64_t hi) {
    return v >= lo && v <= hi;
}
bool WithinF(double v, double lo, double hi) {
    return std::isfinite(v) && v >= lo && v <= hi;
}
bool Named(const char* text) {
    return text[0] != '\0';
}

template <class T, class F>
std::set<int32_t> IdsOf(const std::vector<T>& table, F id) {
    std::set<int32_t> ids;
    for (const T& r : table) ids.insert(id(r));
    return ids;
}

// The ids other tables are checked against, gathered once per check.
struct Ids {
    std::set<int32_t> countries = IdsOf(g_world.mv_countries, [](const Country& c) { return c.m_id; });
    std::set<int32_t> clubs = IdsOf(g_world.mv_teams, [](const Team& t) { return t.m_id; });
    std::set<int32_t> grounds = IdsOf(g_world.mv_grounds, [](const Ground& g) { return g.m_id; });
    std::set<int32_t> climates = IdsOf(g_world.mv_climates, [](const Climate& c) { return c.m_id; });
    std::set<int32_t> coaches = IdsOf(g_world.mv_staff, [](const StaffMember& s) { return s.m_id; });
    std::set<int32_t> competitions =
        IdsOf(g_world.mv_competitions, [](const Competition& c) { return c.m_id; });
    std::set<int32_t> injuries = IdsOf(g_world.mv_injuryTypes, [](const InjuryType& i) { return i.m_id; });
    std::set<int32_t> setups = IdsOf(g_world.mv_fieldSetups, [](const FieldSetup& f) { return f.m_id; });
    std::set<int32_t> tourSeries = IdsOf(g_world.mv_tourSeries, [](const TourSeries& s) { return s.m_id; });
    std::set<int32_t> seasons = IdsOf(g_world.mv_seasons, [](const Season& s) { return s.m_season; });

    bool IsCountry(int32_t id) const { return countries.count(id) > 0; }
    bool IsClub(int32_t id) const { return clubs.count(id) > 0; }
    bool IsSide(int32_t id) const { return IsCountry(id) || IsClub(id); }
    // 0 for none.
    bool IsCountryOrNone(int32_t id) const { return id == 0 || IsCountry(id); }
    bool IsClubOrNone(int32_t id) const { return id == 0 || IsClub(id); }
};

// Every record's id distinct; `what` names the record kind.
template <class T, class F>
void NeedUniqueIds(Checker& c, const std::vector<T>& table, F id, const char* what) {
    std::set<int32_t> seen;
    for (size_t i = 0; i < table.size(); ++i)
        c.Need(seen.insert(id(table[i])).second, static_cast<int32_t>(i), "a second %s with id %d", what,
               id(table[i]));
}

bool ValidDate(int day, int month) {
    return Within(month, 1, 12) && Within(day, 1, DaysInMonth(month));
}

bool ValidBirth(int day, int month, int year) {
    const int startYear = SeasonFirstYear(FIRST_SEASON);
    return ValidDate(day, month) && Within(year, startYear - OLDEST_AT_START, startYear - YOUNGEST_AT_START);
}

void CheckStats(Checker& c, int32_t record, const PlayerStats& s) {
    for (int32_t v :
         {s.m_matches, s.m_innings, s.m_notOuts, s.m_runs, s.m_highest, s.m_hundreds, s.m_fifties,
          s.m_catches, s.m_stumpings, s.m_balls, s.m_runsConceded, s.m_wickets, s.m_bestInnsWickets,
          s.m_bestInnsRuns, s.m_bestMatchWickets, s.m_bestMatchRuns, s.m_haulsA, s.m_haulsB})
        c.Need(Within(v, 0, MAX_FIGURE), record, "a statistics figure of %d", v);
    for (double v : {s.m_battingAverage, s.m_bowlingAverage, s.m_strikeRate, s.m_economy})
        c.Need(std::isfinite(v), record, "an average that is not a number");
}

void CheckPlayer(Checker& c, const Ids& ids, int32_t i, const Player& p) {
    c.Need(Named(p.m_firstName) && Named(p.m_surname), i, "a player without a name");
    c.Need(ValidBirth(p.m_birthDay, p.m_birthMonth, p.m_birthYear), i, "birth date %d/%d/%d", p.m_birthDay,
           p.m_birthMonth, p.m_birthYear);
    c.Need(ids.IsCountry(p.m_country), i, "nationality %d names no country", p.m_country);
    c.Need(ids.IsCountryOrNone(p.m_country2), i, "second nationality %d names no country", p.m_country2);
    c.Need(ids.IsClubOrNone(p.m_northClub), i, "northern club %d names no club", p.m_northClub);
    c.Need(ids.IsClubOrNone(p.m_southClub), i, "southern club %d names no club", p.m_southClub);
    for (int32_t wage : {p.m_northWage, p.m_southWage}) c.Need(Within(wage, 0, MAX_WAGE), i, "wage %d", wage);
    for (int32_t seasons : {p.m_northSeasons, p.m_southSeasons})
        c.Need(Within(seasons, 0, MAX_CONTRACT_SEASONS), i, "a contract of %d seasons", seasons);
    c.Need(Within(p.m_batHand, 0, 1) && Within(p.m_bowlArm, 0, 1), i, "batting hand %d, bowling arm %d",
           p.m_batHand, p.m_bowlArm);
    c.Need(Within(p.m_batPosition, 1, MAX_BATTING_POSITION), i, "batting position %d", p.m_batPosition);
    c.Need(Within(p.m_bowlType, 0, MAX_BOWLING_TYPE), i, "bowling type %d", p.m_bowlType);
    c.Need(Within(p.m_fieldPosition, 0, MAX_FIELDING_POSITION), i, "fielding position %d", p.m_fieldPosition);
    c.Need(Within(p.m_keeper, 0, MAX_KEEPER), i, "keeper status %d", p.m_keeper);
    for (int32_t s : p.m_batSkill) c.Need(Within(s, MIN_SKILL, MAX_SKILL), i, "a batting skill of %d", s);
    for (int32_t s : p.m_bowlSkill) c.Need(Within(s, MIN_SKILL, MAX_SKILL), i, "a bowling skill of %d", s);
    for (int32_t s : p.m_fieldSkill) c.Need(Within(s, MIN_SKILL, MAX_SKILL), i, "a fielding skill of %d", s);
    for (int32_t s : p.m_keepSkill) c.Need(Within(s, MIN_SKILL, MAX_SKILL), i, "a keeping skill of %d", s);
    c.Need(Within(p.m_potential, -MAX_SKILL, MAX_SKILL), i, "potential %d", p.m_potential);
    c.Need(Within(p.m_captaincy, -MAX_RATING, MAX_RATING), i, "captaincy %d", p.m_captaincy);
    c.Need(Within(p.m_morale, 0, MAX_RATING), i, "morale %d", p.m_morale);
    c.Need(WithinF(p.m_condition, 0.0, MAX_RATING), i, "condition %g", static_cast<double>(p.m_condition));
    c.Need(Within(p.m_daysOut, 0, MAX_INJURY_DAYS), i, "%d days out injured", p.m_daysOut);
    c.Need(!p.m_injured || ids.injuries.count(p.m_injuryType) > 0, i, "injury %d names no injury",
           p.m_injuryType);
    for (const PlayerStats& s : p.m_stats) CheckStats(c, i, s);
}

// A player's id is his place in the table: the game looks him up by it.
void CheckPlayers(Checker& c, const Ids& ids) {
    const auto& players = g_world.mv_players;
    for (size_t i = 0; i < players.size() && !c.Failed(); ++i) {
        const Player& p = players[i];
        const auto record = static_cast<int32_t>(i);
        if (!c.Need(p.m_id == record, record, "id %d is not the player's place in the table", p.m_id)) break;
        // The first record stands for nobody.
        if (i == 0)
            c.Need(p.m_country == 0 && p.m_northClub == 0 && p.m_southClub == 0, 0,
                   "the first record is nobody, but has a country or a club");
        else
            CheckPlayer(c, ids, record, p);
    }
}

void CheckTeams(Checker& c, const Ids& ids) {
    const auto& teams = g_world.mv_teams;
    NeedUniqueIds(
        c, teams, [](const Team& t) { return t.m_id; }, "club");
    for (size_t n = 0; n < teams.size(); ++n) {
        const Team& t = teams[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(Within(t.m_id, FIRST_CLUB_ID, MAX_CLUB_ID), i, "club id %d", t.m_id);
        c.Need(Named(t.m_name), i, "a club without a name");
        c.Need(ids.IsCountry(t.m_country), i, "country %d names no country", t.m_country);
        c.Need(ids.grounds.count(t.m_ground) > 0, i, "ground %d names no ground", t.m_ground);
        c.Need(t.m_coach <= 0 || ids.coaches.count(t.m_coach) > 0, i, "coach %d names no coach", t.m_coach);
        c.Need(WithinF(t.m_money, -MAX_MONEY, MAX_MONEY), i, "money %g", static_cast<double>(t.m_money));
    }
}

// A country's name also names its name-list files, so it holds no path.
bool PlainName(const char* name) {
    return Named(name) && !std::strpbrk(name, "/\\.:");
}

void CheckCountries(Checker& c, const Ids& ids) {
    const auto& countries = g_world.mv_countries;
    NeedUniqueIds(
        c, countries, [](const Country& k) { return k.m_id; }, "country");
    for (size_t n = 0; n < countries.size(); ++n) {
        const Country& k = countries[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(Within(k.m_id, 1, FIRST_CLUB_ID - 1), i, "country id %d", k.m_id);
        c.Need(PlainName(k.m_name), i, "country name \"%s\"", k.m_name);
        c.Need(Within(k.m_overseasLimit, 0, XI_PLAYERS), i, "overseas limit %d", k.m_overseasLimit);
        c.Need(ids.grounds.count(k.m_homeGround) > 0, i, "home ground %d names no ground", k.m_homeGround);
    }
}

void CheckGrounds(Checker& c, const Ids& ids) {
    const auto& grounds = g_world.mv_grounds;
    NeedUniqueIds(
        c, grounds, [](const Ground& g) { return g.m_id; }, "ground");
    for (size_t n = 0; n < grounds.size(); ++n) {
        const Ground& g = grounds[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(g.m_id > 0, i, "ground id %d", g.m_id);
        c.Need(Named(g.m_name), i, "a ground without a name");
        c.Need(ids.climates.count(g.m_climate) > 0, i, "climate %d names no climate", g.m_climate);
        c.Need(ids.IsCountry(g.m_country), i, "country %d names no country", g.m_country);
        c.Need(Within(g.m_capacity, 0, MAX_CAPACITY), i, "capacity %d", g.m_capacity);
        for (float v : {g.m_bounce, g.m_turn, g.m_pitch})
            c.Need(WithinF(v, 0.0, MAX_PITCH_FIGURE), i, "a pitch figure of %g", static_cast<double>(v));
    }
}

void CheckClimates(Checker& c, const Ids&) {
    const auto& climates = g_world.mv_climates;
    NeedUniqueIds(
        c, climates, [](const Climate& k) { return k.m_id; }, "climate");
    for (size_t n = 0; n < climates.size(); ++n) {
        const Climate& k = climates[n];
        const auto i = static_cast<int32_t>(n);
        for (int t = 0; t < 5; ++t)
            c.Need(Within(k.m_thresholds[t], t ? k.m_thresholds[t - 1] : 0, MAX_WEATHER_ROLL), i,
                   "weather threshold %d of %d is out of order", t + 1, k.m_thresholds[t]);
        c.Need(Within(k.m_thresholds[5], 0, MAX_RATING), i, "rain class %d", k.m_thresholds[5]);
        for (const auto& month : k.m_monthly) {
            c.Need(Within(month[0], MIN_MONTHLY_HIGH, MAX_MONTHLY_HIGH), i, "average high of %d degrees",
                   month[0]);
            c.Need(Within(month[1], 0, 31), i, "%d rain days in a month", month[1]);
        }
    }
}

void CheckSeasons(Checker& c, const Ids&) {
    const auto& seasons = g_world.mv_seasons;
    NeedUniqueIds(
        c, seasons, [](const Season& s) { return s.m_season; }, "season");
    for (size_t n = 0; n < seasons.size(); ++n) {
        const auto i = static_cast<int32_t>(n);
        c.Need(Within(seasons[n].m_season, FIRST_SEASON, MAX_SEASON), i, "season %d", seasons[n].m_season);
        c.Need(Named(seasons[n].m_label), i, "a season without a label");
    }
}

void CheckStaff(Checker& c, const Ids& ids) {
    const auto& staff = g_world.mv_staff;
    NeedUniqueIds(
        c, staff, [](const StaffMember& s) { return s.m_id; }, "coach");
    for (size_t n = 0; n < staff.size(); ++n) {
        const StaffMember& s = staff[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(s.m_id > 0, i, "coach id %d", s.m_id);
        c.Need(Named(s.m_firstName) && Named(s.m_surname), i, "a coach without a name");
        c.Need(ValidBirth(s.m_birthDay, s.m_birthMonth, s.m_birthYear), i, "birth date %d/%d/%d",
               s.m_birthDay, s.m_birthMonth, s.m_birthYear);
        c.Need(ids.IsCountryOrNone(s.m_country) && ids.IsCountryOrNone(s.m_country2), i,
               "nationality %d or %d names no country", s.m_country, s.m_country2);
        c.Need(s.m_clubJob <= 0 || ids.IsClub(s.m_clubJob), i, "club job %d names no club", s.m_clubJob);
        c.Need(s.m_nationalJob <= 0 || ids.IsCountry(s.m_nationalJob), i, "national job %d names no country",
               s.m_nationalJob);
        for (int32_t v : s.m_attributes) c.Need(Within(v, 0, MAX_RATING), i, "a rating of %d", v);
    }
}

void CheckInjuries(Checker& c, const Ids&) {
    const auto& injuries = g_world.mv_injuryTypes;
    NeedUniqueIds(
        c, injuries, [](const InjuryType& k) { return k.m_id; }, "injury");
    for (size_t n = 0; n < injuries.size(); ++n) {
        const auto i = static_cast<int32_t>(n);
        c.Need(Named(injuries[n].m_description), i, "an injury without a description");
        c.Need(Within(injuries[n].m_days, 1, MAX_INJURY_DAYS), i, "an injury of %d days", injuries[n].m_days);
    }
}

// False for a season outside the world's too: its length can't be worked out.
bool DayOfSeasonIn(int day, int season) {
    return Within(season, FIRST_SEASON, MAX_SEASON) && Within(day, 0, SeasonLength(season) - 1);
}
// A day that comes in every season, odd or even.
bool DayOfAnySeason(int day) {
    return DayOfSeasonIn(day, FIRST_SEASON) && DayOfSeasonIn(day, FIRST_SEASON + 1);
}

bool LimitedOvers(int format) {
    return format % 2 == 0;
}

void CheckCompetition(Checker& c, const Ids& ids, int32_t i, const Competition& k) {
    c.Need(Within(k.m_id, 1, FIRST_TOUR_SERIES_ID - 1), i, "competition id %d", k.m_id);
    c.Need(Named(k.m_name), i, "a competition without a name");
    c.Need(ids.IsCountryOrNone(k.m_country), i, "country %d names no country", k.m_country);
    c.Need(k.m_kind == COMP_LEAGUE || k.m_kind == COMP_KNOCKOUT, i, "kind %d", k.m_kind);
    c.Need(Within(k.m_format, FORMAT_TEST, FORMAT_TWENTY), i, "format %d", k.m_format);
    c.Need(Within(k.m_length, 1, LimitedOvers(k.m_format) ? MAX_OVERS : MAX_MATCH_DAYS), i,
           "a match length of %d", k.m_length);
    c.Need(Within(k.m_doubleRound, 0, 1), i, "double round %d", k.m_doubleRound);
    const int sides = k.TeamCount();
    c.Need(Within(k.m_promotion, 0, sides) && Within(k.m_relegation, 0, sides), i,
           "%d promoted and %d relegated of %d sides", k.m_promotion, k.m_relegation, sides);
    for (int32_t link : {k.m_upper, k.m_lower, k.m_newsCompetition})
        c.Need(link == 0 || ids.competitions.count(link) > 0, i, "competition %d names no competition", link);
    for (int32_t p : k.m_points) c.Need(Within(p, -MAX_POINTS, MAX_POINTS), i, "%d points", p);
    c.Need(Within(k.m_bonusRule, BONUS_NONE, BONUS_RUN_RATE), i, "bonus rule %d", k.m_bonusRule);
    std::set<int32_t> seen;
    for (int32_t side : k.mv_teams) {
        c.Need(ids.IsSide(side), i, "side %d names no club or country", side);
        c.Need(seen.insert(side).second, i, "side %d twice", side);
    }
    for (int32_t feeder : k.mv_feeders)
        c.Need(ids.competitions.count(feeder) > 0, i, "feeder %d names no competition", feeder);
}

// Tests, one-day internationals and tour matches take their rules from these.
const int32_t FIXED_COMPETITIONS[] = {COMP_TEST_CHAMPIONSHIP, COMP_ODI_CHAMPIONSHIP, COMP_TOUR_THREE_DAY,
                                      COMP_TOUR_ONE_DAY, COMP_TOUR_FOUR_DAY};

void CheckCompetitions(Checker& c, const Ids& ids) {
    const auto& competitions = g_world.mv_competitions;
    for (int32_t id : FIXED_COMPETITIONS)
        c.Need(ids.competitions.count(id) > 0, -1, "there is no competition %d", id);
    NeedUniqueIds(
        c, competitions, [](const Competition& k) { return k.m_id; }, "competition");
    for (size_t n = 0; n < competitions.size(); ++n)
        CheckCompetition(c, ids, static_cast<int32_t>(n), competitions[n]);
}

// The records of a file read into its owners' lists, numbered in the
// owners' order (the order the files are written in); first those whose
// owner doesn't exist.
template <class Owner, class Rec, class F>
void CheckOwned(Checker& c, int number, const std::vector<Owner>& owners, std::vector<Rec> Owner::*list,
                F check) {
    const int32_t orphan = FirstRecordWithoutOwner(number);
    c.Need(orphan < 0, orphan, "it belongs to no record of its owner's table");
    int32_t i = 0;
    for (const Owner& o : owners)
        for (const Rec& r : o.*list) check(o, r, i++);
}

void CheckRounds(Checker& c, const Ids&) {
    CheckOwned(c, DB_ROUNDS, g_world.mv_competitions, &Competition::mv_rounds,
               [&](const Competition& k, const RoundDate& r, int32_t i) {
                   const bool knockout = k.m_kind == COMP_KNOCKOUT;
                   c.Need(knockout ? Within(r.m_round, STAGE_QUARTER_FINALS, STAGE_FINAL) : r.m_round >= 0, i,
                          "round %d of competition %d", r.m_round, k.m_id);
                   c.Need(DayOfAnySeason(r.m_dayOfSeason), i, "round on day %d of the season",
                          r.m_dayOfSeason);
               });
}

bool ValidTime(const GameDate& t) {
    return Within(t.m_hour, 0, 23) && Within(t.m_minute, 0, 59);
}
int Minutes(const GameDate& t) {
    return t.m_hour * 60 + t.m_minute;
}

// Valid and in order: each time is compared with the one before only once
// that one passed.
void CheckSessionTimes(Checker& c, int32_t i, const PlayingConditions& p) {
    for (int t = 0; t < SESSION_TIMES; ++t)
        if (!c.Need(ValidTime(p.m_times[t]) && (t == 0 || Minutes(p.m_times[t - 1]) <= Minutes(p.m_times[t])),
                    i, "session time %d:%02d is out of order", p.m_times[t].m_hour, p.m_times[t].m_minute))
            return;
}

void CheckConditions(Checker& c, const Ids&) {
    CheckOwned(c, DB_CONDITIONS, g_world.mv_competitions, &Competition::mv_conditions,
               [&](const Competition& k, const PlayingConditions& p, int32_t i) {
                   c.Need(Within(p.m_day, 0, MAX_MATCH_DAYS - 1), i, "match day %d", p.m_day);
                   CheckSessionTimes(c, i, p);
                   const int most = LimitedOvers(k.m_format) ? MAX_OVERS : MAX_DAY_OVERS;
                   c.Need(Within(p.m_oversForDay, 1, most), i, "%d overs for the day", p.m_oversForDay);
                   c.Need(Within(p.m_maxOversPerBowler, 0, p.m_oversForDay), i, "%d overs a bowler",
                          p.m_maxOversPerBowler);
                   c.Need(Within(p.m_newBallOvers, 0, MAX_DAY_OVERS * MAX_MATCH_DAYS), i,
                          "new ball after %d overs", p.m_newBallOvers);
                   c.Need(Within(p.m_restrictionOvers, 0, p.m_oversForDay), i,
                          "%d overs of fielding restrictions", p.m_restrictionOvers);
                   c.Need(Within(p.m_minOversPerHour, 0, MAX_OVERS_PER_HOUR), i, "%d overs an hour",
                          p.m_minOversPerHour);
                   c.Need(Within(p.m_extraMinutes, 0, MAX_EXTRA_MINUTES), i, "%d extra minutes",
                          p.m_extraMinutes);
               });
}

bool HistorySide(const Ids& ids, int32_t side) {
    return side == 0 || side == HISTORY_NOT_HELD || side == HISTORY_SHARED || ids.IsSide(side);
}

void CheckHistory(Checker& c, const Ids& ids) {
    const int32_t orphan = FirstRecordWithoutOwner(DB_HISTORY);
    c.Need(orphan < 0, orphan, "its history id belongs to no competition");
    int32_t i = 0;
    for (const Competition& k : g_world.mv_competitions)
        for (const HistoryEntry& h : k.mv_history) {
            c.Need(HistorySide(ids, h.m_winner) && HistorySide(ids, h.m_runnerUp), i,
                   "winner %d or runner-up %d names no side", h.m_winner, h.m_runnerUp);
            ++i;
        }
}

bool SeasonMatches(int32_t eventSeason, int season) {
    if (eventSeason == EVERY_EVEN_SEASON) return season % 2 == 0;
    if (eventSeason == EVERY_ODD_SEASON) return season % 2 != 0;
    return eventSeason == season;
}

// Without its roll-over on its last day a season never ends.
void CheckEvents(Checker& c, const Ids& ids) {
    const auto& events = g_world.mv_events;
    for (size_t n = 0; n < events.size(); ++n) {
        const CompetitionEvent& e = events[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(Within(e.m_type, EVENT_START_SEASON, EVENT_NEW_SEASON), i, "event type %d", e.m_type);
        c.Need(e.m_type == EVENT_NEW_SEASON || ids.competitions.count(e.m_competition) > 0, i,
               "competition %d names no competition", e.m_competition);
        const bool everyOther = e.m_season == EVERY_EVEN_SEASON || e.m_season == EVERY_ODD_SEASON;
        if (!c.Need(everyOther || Within(e.m_season, FIRST_SEASON, MAX_SEASON), i, "season %d", e.m_season))
            break;
        const int season = e.m_season == EVERY_EVEN_SEASON  ? FIRST_SEASON
                           : e.m_season == EVERY_ODD_SEASON ? FIRST_SEASON + 1
                                                            : e.m_season;
        c.Need(DayOfSeasonIn(e.m_dayOfSeason, season), i, "day %d of season %d", e.m_dayOfSeason, e.m_season);
        c.Need(e.m_type != EVENT_NEW_SEASON || e.m_dayOfSeason == SeasonLength(season) - 1, i,
               "the season rolls over on day %d, not its last", e.m_dayOfSeason);
    }
    for (int season = FIRST_SEASON; season <= LAST_CAREER_SEASON && !c.Failed(); ++season) {
        int rollOvers = 0;
        for (const CompetitionEvent& e : events)
            rollOvers += e.m_type == EVENT_NEW_SEASON && SeasonMatches(e.m_season, season);
        c.Need(rollOvers > 0, -1, "season %d has no roll-over event", season);
        c.Need(rollOvers < 2, -1, "season %d has %d roll-over events", season, rollOvers);
    }
}

void CheckTournament(Checker& c, const Ids& ids, int32_t i, const InternationalTournament& t) {
    c.Need(Within(t.m_competition, COMP_FIRST_TOURNAMENT, COMP_LAST_TOURNAMENT) &&
               ids.competitions.count(t.m_competition) > 0,
           i, "competition %d", t.m_competition);
    c.Need(Within(t.m_kind, 1, 3), i, "kind %d", t.m_kind);
    c.Need(Named(t.m_name), i, "a tournament without a name");
    c.Need(Within(t.m_season, FIRST_SEASON, MAX_SEASON), i, "season %d", t.m_season);
    c.Need(ids.IsCountry(t.m_host), i, "host %d names no country", t.m_host);
    c.Need(DayOfSeasonIn(t.m_startDay, t.m_season), i, "start on day %d", t.m_startDay);
    c.Need(!t.mv_groups.empty(), i, "a tournament without groups");
    std::set<int32_t> seen;
    for (const auto& group : t.mv_groups) {
        c.Need(Within(t.m_qualifiers, 1, static_cast<int64_t>(group.size())), i,
               "%d qualifiers from a group of %zu", t.m_qualifiers, group.size());
        for (const StandingsRow& row : group) {
            c.Need(ids.IsCountry(row.m_team), i, "side %d names no country", row.m_team);
            c.Need(seen.insert(row.m_team).second, i, "side %d twice", row.m_team);
        }
    }
}

void CheckTournaments(Checker& c, const Ids& ids) {
    const auto& tournaments = g_world.mv_tournaments;
    NeedUniqueIds(
        c, tournaments, [](const InternationalTournament& t) { return t.m_id; }, "tournament");
    for (size_t n = 0; n < tournaments.size(); ++n)
        CheckTournament(c, ids, static_cast<int32_t>(n), tournaments[n]);
}

void CheckVenues(Checker& c, const Ids& ids) {
    CheckOwned(c, DB_TOURNAMENT_VENUES, g_world.mv_tournaments, &InternationalTournament::mv_venues,
               [&](const InternationalTournament&, const TournamentVenue& v, int32_t i) {
                   c.Need(Within(v.m_stage, TSTAGE_GROUPS, TSTAGE_FINAL), i, "stage %d", v.m_stage);
                   c.Need(ids.grounds.count(v.m_ground) > 0, i, "ground %d names no ground", v.m_ground);
               });
}

void CheckStages(Checker& c, const Ids&) {
    CheckOwned(c, DB_TOURNAMENT_STAGES, g_world.mv_tournaments, &InternationalTournament::mv_stages,
               [&](const InternationalTournament& t, const TournamentStage& s, int32_t i) {
                   c.Need(Within(s.m_stage, TSTAGE_GROUPS, TSTAGE_FINAL), i, "stage %d", s.m_stage);
                   c.Need(DayOfSeasonIn(s.m_firstDay, t.m_season), i, "stage starts on day %d", s.m_firstDay);
                   c.Need(Within(s.m_dayStep, 1, MAX_DAY_STEP), i, "%d days between match days", s.m_dayStep);
                   c.Need(Within(s.m_matchesPerDay, 1, MAX_MATCHES_PER_DAY), i, "%d matches a day",
                          s.m_matchesPerDay);
               });
}

void CheckTours(Checker& c, const Ids& ids) {
    const auto& tours = g_world.mv_tours;
    NeedUniqueIds(
        c, tours, [](const Tour& t) { return t.m_id; }, "tour");
    for (size_t n = 0; n < tours.size(); ++n) {
        const Tour& t = tours[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(Within(t.m_state, TOUR_NOT_STARTED, TOUR_OVER), i, "state %d", t.m_state);
        c.Need(Within(t.m_kind, TOUR_TESTS, TOUR_TRIANGULAR), i, "kind %d", t.m_kind);
        c.Need(ids.IsCountry(t.m_host) && ids.IsCountry(t.m_visitor) && t.m_host != t.m_visitor, i,
               "host %d and visitor %d", t.m_host, t.m_visitor);
        c.Need(
            t.m_third == 0 || (ids.IsCountry(t.m_third) && t.m_third != t.m_host && t.m_third != t.m_visitor),
            i, "third country %d", t.m_third);
        c.Need(Within(t.m_season, FIRST_SEASON, MAX_SEASON), i, "season %d", t.m_season);
        c.Need(ids.tourSeries.count(t.m_series) > 0, i, "series %d names no series", t.m_series);
        for (const TourStep& s : t.mv_steps) {
            c.Need(DayOfSeasonIn(s.m_dayOfSeason, t.m_season), i, "a step on day %d", s.m_dayOfSeason);
            c.Need(Within(s.m_action, TOUR_PICK_SQUADS, TOUR_END), i, "step action %d", s.m_action);
        }
    }
}

void CheckTourSeries(Checker& c, const Ids& ids) {
    const auto& series = g_world.mv_tourSeries;
    NeedUniqueIds(
        c, series, [](const TourSeries& s) { return s.m_id; }, "series");
    for (size_t n = 0; n < series.size(); ++n) {
        const TourSeries& s = series[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(Within(s.m_id, FIRST_TOUR_SERIES_ID, MAX_CLUB_ID), i, "series id %d", s.m_id);
        c.Need(ids.competitions.count(s.m_competition) > 0, i, "competition %d names no competition",
               s.m_competition);
        c.Need(Within(s.m_season, FIRST_SEASON, MAX_SEASON), i, "season %d", s.m_season);
        c.Need(ids.IsCountry(s.m_home) && ids.IsCountry(s.m_away) && s.m_home != s.m_away, i,
               "home %d and away %d", s.m_home, s.m_away);
        c.Need(Within(s.m_matches, 1, MAX_TOUR_MATCHES), i, "%d matches", s.m_matches);
        c.Need(ValidDate(s.m_startDay, s.m_startMonth), i, "start date %d/%d", s.m_startDay, s.m_startMonth);
        c.Need(DayOfSeasonIn(s.m_startDayOfSeason, s.m_season), i, "start on day %d", s.m_startDayOfSeason);
        c.Need(Within(s.m_dayStep, 1, MAX_DAY_STEP), i, "%d days between matches", s.m_dayStep);
        for (int32_t v : {s.m_homeWins, s.m_awayWins, s.m_draws, s.m_ties})
            c.Need(Within(v, 0, s.m_matches), i, "%d results of %d matches", v, s.m_matches);
        for (int32_t v : {s.m_homeCount, s.m_homePoints, s.m_awayCount, s.m_awayPoints})
            c.Need(Within(v, 0, MAX_FIGURE), i, "a rating figure of %d", v);
    }
}

void CheckRankings(Checker& c, const Ids& ids, int number, int competition) {
    const int32_t orphan = FirstRecordWithoutOwner(number);
    c.Need(orphan < 0, orphan, "there is no competition %d for its rows", competition);
    const Competition* k = CompetitionById(competition);
    if (!k) return;
    for (size_t n = 0; n < k->mv_standings.size(); ++n) {
        const StandingsRow& r = k->mv_standings[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(ids.IsCountry(r.m_team), i, "side %d names no country", r.m_team);
        for (int32_t v :
             {r.m_won, r.m_drawn, r.m_tied, r.m_lost, r.m_testPoints, r.m_odiPoints, r.m_testCount,
              r.m_odiCount, r.m_runsFor, r.m_ballsFaced, r.m_runsAgainst, r.m_ballsBowled})
            c.Need(Within(v, 0, MAX_FIGURE), i, "a figure of %d", v);
        c.Need(Within(r.m_points, -MAX_FIGURE, MAX_FIGURE), i, "%d points", r.m_points);
        c.Need(std::isfinite(r.m_netRunRate), i, "a net run rate that is not a number");
    }
}

void CheckFieldPositions(Checker& c, const Ids&) {
    const auto& positions = g_world.mv_fieldPositions;
    for (size_t n = 0; n < positions.size(); ++n) {
        const FieldPosition& f = positions[n];
        const auto i = static_cast<int32_t>(n);
        c.Need(Named(f.m_name), i, "a fielding position without a name");
        c.Need(Within(f.m_x, -MAX_GROUND_PIXEL, MAX_GROUND_PIXEL) &&
                   Within(f.m_y, -MAX_GROUND_PIXEL, MAX_GROUND_PIXEL),
               i, "place %d,%d", f.m_x, f.m_y);
        c.Need(Within(f.m_value, -MAX_POSITION_VALUE, MAX_POSITION_VALUE), i, "value %d", f.m_value);
    }
}

void CheckFieldSetups(Checker& c, const Ids&) {
    const auto& setups = g_world.mv_fieldSetups;
    const auto positions = static_cast<int64_t>(g_world.mv_fieldPositions.size());
    for (size_t n = 0; n < setups.size(); ++n) {
        const auto i = static_cast<int32_t>(n);
        c.Need(Named(setups[n].m_name), i, "a field setting without a name");
        for (int32_t p : setups[n].m_positions)
            c.Need(Within(p, 0, positions - 1), i, "fielding position %d names no position", p);
    }
}

void CheckBowlPlans(Checker& c, const Ids& ids) {
    // The file holds the pace plans, then the spin plans.
    int32_t i = 0;
    for (const auto* plans : {&g_world.mv_pacePlans, &g_world.mv_spinPlans})
        for (const BowlPlan& plan : *plans) {
            c.Need(Named(plan.m_name), i, "a bowling plan without a name");
            c.Need(!plan.mv_balls.empty(), i, "a bowling plan without balls");
            c.Need(std::isfinite(plan.m_effortTotal), i, "an effort total that is not a number");
            for (const PlanBall& b : plan.mv_balls) {
                c.Need(ids.setups.count(b.m_field) > 0, i, "field setting %d names no setting", b.m_field);
                c.Need(Within(b.m_side, 0, 1) && Within(b.m_pace, 0, 1), i, "side %d, pace %d", b.m_side,
                       b.m_pace);
                c.Need(Within(b.m_length, LENGTH_GOOD, LENGTH_BOUNCER), i, "length %d", b.m_length);
                c.Need(Within(b.m_movement, MOVE_STRAIGHT, MOVE_SPECIALITY), i, "movement %d", b.m_movement);
                c.Need(Within(b.m_effort, 0, MAX_EFFORT), i, "effort %d", b.m_effort);
            }
            ++i;
        }
}

using TableCheck = void (*)(Checker&, const Ids&);

struct FileCheck {
    int m_number;
    TableCheck m_check;
};

const FileCheck FILE_CHECKS[] = {
    {DB_PLAYERS, CheckPlayers},
    {DB_TEAMS, CheckTeams},
    {DB_COUNTRIES, CheckCountries},
    {DB_GROUNDS, CheckGrounds},
    {DB_CLIMATES, CheckClimates},
    {DB_SEASONS, CheckSeasons},
    {DB_STAFF, CheckStaff},
    {DB_COMPETITIONS, CheckCompetitions},
    {DB_TOURNAMENTS, CheckTournaments},
    {DB_TOURNAMENT_VENUES, CheckVenues},
    {DB_ROUNDS, CheckRounds},
    {DB_CONDITIONS, CheckConditions},
    {DB_HISTORY, CheckHistory},
    {DB_EVENTS, CheckEvents},
    {DB_INJURIES, CheckInjuries},
    {DB_TOURS, CheckTours},
    {DB_TOUR_SERIES, CheckTourSeries},
    {DB_TEST_RANKINGS,
     [](Checker& c, const Ids& ids) { CheckRankings(c, ids, DB_TEST_RANKINGS, COMP_TEST_CHAMPIONSHIP); }},
    {DB_ODI_RANKINGS,
     [](Checker& c, const Ids& ids) { CheckRankings(c, ids, DB_ODI_RANKINGS, COMP_ODI_CHAMPIONSHIP); }},
    {DB_FIELD_POSITIONS, CheckFieldPositions},
    {DB_FIELD_SETUPS, CheckFieldSetups},
    {DB_BOWL_PLANS, CheckBowlPlans},
    {DB_TOURNAMENT_STAGES, CheckStages},
};
static_assert(std::size(FILE_CHECKS) == std::size(DB_FILES));

std::string FileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "db%06d.dbj", number);
    return name;
}

const char* const RECORDS_FILES[] = {"fcrecs.csv", "terecs.csv", "larecs.csv", "odrecs.csv"};

// A file whose length does not add up is refused before its values or its
// references are looked at, so that no other file is blamed for it.
std::optional<DatabaseFault> CheckFileLength(int number) {
    const TableFault fault = LastReadFault(number);
    if (fault.m_problem.empty()) return std::nullopt;
    return DatabaseFault{FileName(number), fault.m_record, fault.m_problem};
}

std::optional<DatabaseFault> CheckFile(int number, const Ids& ids) {
    if (auto fault = CheckFileLength(number)) return fault;
    for (const FileCheck& f : FILE_CHECKS) {
        if (f.m_number != number) continue;
        Checker c(FileName(number));
        f.m_check(c, ids);
        return c.Result();
    }
    return std::nullopt;
}

}  // namespace

std::string DatabaseFault::Where() const {
    if (m_record < 0) return m_file;
    return m_file + ", record " + std::to_string(m_record);
}

std::optional<DatabaseFault> CheckDatabaseFile(int number) {
    return CheckFile(number, Ids{});
}

std::optional<DatabaseFault> CheckRecordsTables() {
    const auto& tables = g_world.mv_records;
    const auto players = static_cast<int64_t>(g_world.mv_players.size());
    for (size_t k = 0; k < tables.size() && k < std::size(RECORDS_FILES); ++k) {
        Checker c(RECORDS_FILES[k]);
        c.Need(tables[k].m_loadFault.empty(), -1, "%s", tables[k].m_loadFault.c_str());
        for (int s = 0; s < RECORD_SECTIONS; ++s) {
            const auto& section = tables[k].mv_sections[s];
            for (size_t n = 0; n < section.size(); ++n) {
                const RecordEntry& e = section[n];
                const char* title = RecordsTable::SectionTitle(s);
                // Below 0 the entry's texts stand alone.
                for (int32_t id : {e.m_player, e.m_player2})
                    c.Need(id < players, -1, "\"%s\" entry %zu: player %d names no player", title, n + 1, id);
                for (int32_t v : {e.m_value, e.m_value2, e.m_wickets})
                    c.Need(Within(v, -MAX_FIGURE, MAX_FIGURE), -1, "\"%s\" entry %zu: a figure of %d", title,
                           n + 1, v);
            }
        }
        if (c.Failed()) return c.Result();
    }
    return std::nullopt;
}

std::optional<DatabaseFault> CheckDatabase() {
    for (int number : DB_FILES)
        if (auto fault = CheckFileLength(number)) return fault;
    const Ids ids;
    for (int number : DB_FILES)
        if (auto fault = CheckFile(number, ids)) return fault;
    return CheckRecordsTables();
}

}  // namespace ravel
