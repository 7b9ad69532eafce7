#include "world/Database.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <map>
#include <type_traits>

#include "world/DbFile.h"
#include "world/GameDate.h"
#include "world/NameLists.h"
#include "world/Paths.h"
#include "world/Random.h"
#include "world/World.h"

// Values the rules need that the core layouts leave unnamed travel in these
// fields:
//   teams      the int32 between country and coach: the home ground id;
//              the last int32: the side's money in whole pounds.
//   countries  the int32 after the group: the national-side flag (1);
//              the two int32 after the id: the overseas-player limit and the
//              home ground id.
//   grounds    the two int32 after the climate id: country id, capacity;
//              texts: town, region (25 each), the names of the two ends (22
//              each); the four int32: bounce and turn in tenths, the year
//              the ground was founded, the order key; the last int32: the
//              pitch figure in tenths.
//   climates   the six int32: five ascending thresholds against which a roll
//              of 0..100 picks the day's weather (below the first sunny ...
//              at or above the fifth rain), then the rain class 0 (dry) to
//              100 (wet); the monthly pairs: average high in degrees, rain
//              days.
//   coaches    the eleven int32: birth day, month, year, nationality, second
//              nationality, club job, national job, then reputation, skill
//              (0..100) and two further attributes.
//   players    the captaincy value at byte 392 (between the bases and the
//              potential).

namespace ravel {

static_assert(std::endian::native == std::endian::little, "player records are copied whole");
static_assert(std::is_trivially_copyable_v<Player>);

const int DB_FILES[23] = {
    DB_PLAYERS,      DB_TEAMS,       DB_COUNTRIES,         DB_GROUNDS,      DB_CLIMATES,
    DB_SEASONS,      DB_STAFF,       DB_COMPETITIONS,      DB_TOURNAMENTS,  DB_TOURNAMENT_VENUES,
    DB_ROUNDS,       DB_CONDITIONS,  DB_HISTORY,           DB_EVENTS,       DB_INJURIES,
    DB_TOURS,        DB_TOUR_SERIES, DB_TEST_RANKINGS,     DB_ODI_RANKINGS, DB_FIELD_POSITIONS,
    DB_FIELD_SETUPS, DB_BOWL_PLANS,  DB_TOURNAMENT_STAGES,
};

namespace {

std::string g_folder = "std";
std::string g_root;
std::string g_directory;

// Nested lists are capped well above anything the game makes, so a corrupt
// count can't ask for a huge allocation.
constexpr int32_t MAX_LIST = 4096;

template <class A, class F>
void IoTenths(A& a, F& value) {
    auto v = static_cast<int32_t>(std::lround(value * 10.0f));
    a.I32(v);
    if constexpr (A::READING) value = static_cast<float>(v) / 10.0f;
}

template <class A, class F>
void IoWhole(A& a, F& value) {
    auto v = static_cast<int32_t>(value);
    a.I32(v);
    if constexpr (A::READING) value = static_cast<float>(v);
}

template <class A, class R>
void IoPlayer(A& a, R& p) {
    a.Raw(&p, sizeof(Player));
}

template <class A, class R>
void IoTeam(A& a, R& t) {
    a.Text(t.m_name, 40);
    a.Text(t.m_shortName, 6);
    a.I32(t.m_id);
    a.I32(t.m_country);
    a.I32(t.m_ground);
    a.I32(t.m_coach);
    IoWhole(a, t.m_money);
}

template <class A, class R>
void IoCountry(A& a, R& c) {
    a.Text(c.m_name, 19);
    a.Text(c.m_shortName, 5);
    a.Text(c.m_nationality, 19);
    a.Text(c.m_nationalityShort, 5);
    a.I32(c.m_group);
    a.I32(c.m_nationalSide);
    a.I32(c.m_id);
    a.I32(c.m_overseasLimit);
    a.I32(c.m_homeGround);
}

template <class A, class R>
void IoGround(A& a, R& g) {
    a.I32(g.m_id);
    a.Text(g.m_name, 60);
    a.I32(g.m_climate);
    a.I32(g.m_country);
    a.I32(g.m_capacity);
    a.Text(g.m_town, 25);
    a.Text(g.m_region, 25);
    a.Text(g.m_end1, 22);
    a.Text(g.m_end2, 22);
    IoTenths(a, g.m_bounce);
    IoTenths(a, g.m_turn);
    a.I32(g.m_established);
    a.I32(g.m_orderKey);
    a.I32(g.m_international);
}

template <class A, class R>
void IoClimate(A& a, R& c) {
    a.I32(c.m_id);
    a.Text(c.m_name, 49);
    for (auto& v : c.m_thresholds) a.I32(v);
    for (auto& month : c.m_monthly) {
        a.I32(month[0]);
        a.I32(month[1]);
    }
}

template <class A, class R>
void IoFieldPosition(A& a, R& f) {
    a.I32(f.m_number);
    a.Text(f.m_name, 39);
    a.Byte(f.m_close);
    a.Byte(f.m_boundary);
    a.I32(f.m_x);
    a.I32(f.m_y);
    a.I32(f.m_value);
}

template <class A, class R>
void IoFieldSetup(A& a, R& f) {
    a.Text(f.m_name, 49);
    a.Text(f.m_description, 254);
    a.Byte(f.m_userCreated);
    a.Byte(f.m_keeperUp);
    for (auto& p : f.m_positions) a.I32(p);
}

template <class A, class R>
void IoStaff(A& a, R& s) {
    a.I32(s.m_id);
    a.Text(s.m_firstName, 19);
    a.Text(s.m_surname, 19);
    a.I32(s.m_birthDay);
    a.I32(s.m_birthMonth);
    a.I32(s.m_birthYear);
    a.I32(s.m_country);
    a.I32(s.m_country2);
    a.I32(s.m_clubJob);
    a.I32(s.m_nationalJob);
    for (auto& v : s.m_attributes) a.I32(v);
}

template <class A, class R>
void IoSeason(A& a, R& s) {
    a.I32(s.m_season);
    a.Text(s.m_label, 10);
}

template <class A, class R>
void IoInjury(A& a, R& i) {
    a.I32(i.m_id);
    a.Text(i.m_description, 28);
    a.I32(i.m_days);
}

template <class A, class R>
void IoCompetition(A& a, R& c) {
    a.I32(c.m_id);
    a.Text(c.m_name, 40);
    a.Text(c.m_shortName, 10);
    a.I32(c.m_country);
    a.I32(c.m_kind);
    a.I32(c.m_format);
    a.I32(c.m_length);
    a.I32(c.m_doubleRound);
    a.Byte(c.m_noDraw);
    a.I32(c.m_newsCompetition);
    a.I32(c.m_promotion);
    a.I32(c.m_relegation);
    a.I32(c.m_upper);
    a.I32(c.m_lower);
    for (auto& p : c.m_points) a.I32(p);
    a.I32(c.m_bonusRule);
    a.I32(c.m_historyId);
    IoIntList(a, c.mv_teams, 64);
    IoIntList(a, c.mv_feeders, 16);
}

template <class A, class R>
void IoConditions(A& a, R& c) {
    a.I32(c.m_competition);
    a.I32(c.m_day);
    for (auto& t : c.m_times) {
        a.I32(t.m_hour);
        a.I32(t.m_minute);
    }
    a.I32(c.m_maxOversPerBowler);
    a.I32(c.m_oversForDay);
    a.I32(c.m_newBallOvers);
    a.I32(c.m_restrictionOvers);
    a.I32(c.m_minOversPerHour);
    a.I32(c.m_extraMinutes);
}

// History entries travel with the history id they belong to.
struct HistoryRecord {
    int32_t m_historyId = 0;
    HistoryEntry m_entry;
};

template <class A, class R>
void IoHistory(A& a, R& h) {
    a.I32(h.m_historyId);
    a.I32(h.m_entry.m_season);
    a.I32(h.m_entry.m_winner);
    a.I32(h.m_entry.m_runnerUp);
}

template <class A, class R>
void IoRound(A& a, R& r) {
    a.I32(r.m_round);
    a.I32(r.m_competition);
    a.I32(r.m_dayOfSeason);
}

template <class A, class R>
void IoEvent(A& a, R& e) {
    a.I32(e.m_season);
    a.I32(e.m_type);
    a.I32(e.m_dayOfSeason);
    a.I32(e.m_competition);
    a.Byte(e.m_fired);
    a.Skip(3);
}

template <class A, class R>
void IoStandingsRow(A& a, R& r) {
    a.I32(r.m_team);
    a.I32(r.m_competition);
    a.I32(r.m_position);
    a.I32(r.m_previousPosition);
    a.I32(r.m_won);
    a.I32(r.m_drawn);
    a.I32(r.m_tied);
    a.I32(r.m_lost);
    a.I32(r.m_points);
    a.I32(r.m_bonus1);
    a.I32(r.m_bonus2);
    a.I32(r.m_winRun);
    a.I32(r.m_loseRun);
    a.I32(r.m_winlessRun);
    a.I32(r.m_unbeatenRun);
    a.F32(r.m_netRunRate);
    a.I32(r.m_testPoints);
    a.I32(r.m_odiPoints);
    a.I32(r.m_testCount);
    a.I32(r.m_odiCount);
    a.I32(r.m_runsFor);
    a.I32(r.m_ballsFaced);
    a.I32(r.m_runsAgainst);
    a.I32(r.m_ballsBowled);
    a.I32(r.m_extra[0]);
    a.I32(r.m_extra[1]);
}

// A tournament's groups are stored as lists of side ids; the rows are made
// on load.
template <class A, class R>
void IoTournament(A& a, R& t) {
    a.I32(t.m_kind);
    a.I32(t.m_id);
    a.I32(t.m_competition);
    a.Text(t.m_name, 40);
    a.I32(t.m_year);
    a.I32(t.m_season);
    a.I32(t.m_host);
    a.I32(t.m_qualifiers);
    a.Byte(t.m_superEight);
    a.I32(t.m_startDay);
    if constexpr (A::READING) {
        std::vector<std::vector<int32_t>> groups;
        IoList(a, groups, 4, 16, [](A& aa, std::vector<int32_t>& g) { IoIntList(aa, g, 32); });
        t.mv_groups.clear();
        for (const auto& g : groups) {
            std::vector<StandingsRow> rows;
            for (int32_t side : g) rows.emplace_back(side, t.m_competition);
            t.mv_groups.push_back(std::move(rows));
        }
        t.m_groupCount = static_cast<int32_t>(t.mv_groups.size());
    } else {
        auto n = static_cast<int32_t>(t.mv_groups.size());
        a.I32(n);
        for (const auto& g : t.mv_groups) {
            auto m = static_cast<int32_t>(g.size());
            a.I32(m);
            for (const auto& row : g) a.I32(row.m_team);
        }
    }
}

template <class A, class R>
void IoVenue(A& a, R& v) {
    a.I32(v.m_tournament);
    a.I32(v.m_stage);
    a.I32(v.m_ground);
}

template <class A, class R>
void IoStage(A& a, R& s) {
    a.I32(s.m_tournament);
    a.I32(s.m_stage);
    a.I32(s.m_firstDay);
    a.I32(s.m_dayStep);
    a.I32(s.m_matchesPerDay);
}

template <class A, class R>
void IoTour(A& a, R& t) {
    a.I32(t.m_id);
    a.I32(t.m_state);
    a.I32(t.m_kind);
    a.I32(t.m_visitor);
    a.I32(t.m_host);
    a.I32(t.m_third);
    a.I32(t.m_season);
    a.I32(t.m_series);
    IoList(a, t.mv_steps, 8, 64, [](A& aa, auto& s) {
        aa.I32(s.m_dayOfSeason);
        aa.I32(s.m_action);
    });
}

template <class A, class R>
void IoTourSeries(A& a, R& s) {
    a.I32(s.m_id);
    a.I32(s.m_competition);
    a.I32(s.m_season);
    a.I32(s.m_home);
    a.I32(s.m_away);
    a.I32(s.m_matches);
    a.I32(s.m_startDay);
    a.I32(s.m_startMonth);
    a.I32(s.m_startYear);
    a.I32(s.m_startDayOfSeason);
    a.I32(s.m_dayStep);
    a.Byte(s.m_finished);
    a.I32(s.m_series);
    a.I32(s.m_homeWins);
    a.I32(s.m_awayWins);
    a.I32(s.m_draws);
    a.I32(s.m_ties);
    a.I32(s.m_homeCount);
    a.I32(s.m_homePoints);
    a.I32(s.m_awayCount);
    a.I32(s.m_awayPoints);
}

template <class A, class R>
void IoBowlPlan(A& a, R& p) {
    a.I32(p.m_id);
    a.Text(p.m_name, 30);
    a.Text(p.m_description, 100);
    IoList(a, p.mv_balls, 24, MAX_LIST, [](A& aa, auto& b) {
        aa.I32(b.m_field);
        aa.I32(b.m_side);
        aa.I32(b.m_length);
        aa.I32(b.m_movement);
        aa.I32(b.m_pace);
        aa.I32(b.m_effort);
    });
    a.Byte(p.m_pace);
    a.Byte(p.m_spin);
    a.Byte(p.m_manyInField);
    a.Byte(p.m_userCreated);
    a.F32(p.m_effortTotal);
}

// The smallest size of each file's record, which bounds a count read from a
// corrupt file.
constexpr size_t PLAYER_SIZE = sizeof(Player);

#define RAVEL_IO(fn) [](auto& a, auto& r) { fn(a, r); }

// Per file, the first record of its last read that named an owner no table
// holds, and what was wrong with its length or counts.
std::map<int, int32_t> g_firstOrphan;
std::map<int, TableFault> g_readFault;

// Records that live inside an owner's list (a competition's rounds, a
// tournament's stages) are stored in one file, each naming its owner by id;
// one whose owner doesn't exist is dropped, and the first such is noted.
template <class Rec, class Owner, class F>
void ReadIntoOwners(int number, const std::string& path, size_t minSize, F io, std::vector<Owner>& owners,
                    std::vector<Rec> Owner::*list, int32_t Rec::*ownerId) {
    for (Owner& o : owners) (o.*list).clear();
    g_firstOrphan.erase(number);
    int32_t position = 0;
    for (const Rec& r : ReadTable<Rec>(path, minSize, io, g_readFault[number])) {
        bool placed = false;
        for (Owner& o : owners)
            if (o.m_id == r.*ownerId) {
                (o.*list).push_back(r);
                placed = true;
                break;
            }
        if (!placed) g_firstOrphan.emplace(number, position);
        ++position;
    }
}

// A new table of owners has empty lists: what its files left out or could
// not read no longer counts.
void ForgetOrphans(std::initializer_list<int> numbers) {
    for (int number : numbers) {
        g_firstOrphan.erase(number);
        g_readFault.erase(number);
    }
}

template <class Rec, class Owner, class F>
bool WriteFromOwners(const std::string& path, F io, const std::vector<Owner>& owners,
                     std::vector<Rec> Owner::*list) {
    std::vector<Rec> all;
    for (const Owner& o : owners) all.insert(all.end(), (o.*list).begin(), (o.*list).end());
    return WriteTable(path, all, io);
}

void ReadRankings(int number, int competition) {
    auto rows =
        ReadTable<StandingsRow>(DatabaseFilePath(number), 104, RAVEL_IO(IoStandingsRow), g_readFault[number]);
    Competition* c = CompetitionById(competition);
    g_firstOrphan.erase(number);
    if (!c) {
        if (!rows.empty()) g_firstOrphan.emplace(number, 0);
        return;
    }
    c->mv_standings = std::move(rows);
}

bool WriteRankings(const std::string& path, int competition) {
    Competition* c = CompetitionById(competition);
    std::vector<StandingsRow> none;
    return WriteTable(path, c ? c->mv_standings : none, RAVEL_IO(IoStandingsRow));
}

}  // namespace

void SetDatabaseFolder(const std::string& name) {
    g_folder = name;
}
const std::string& DatabaseFolder() {
    return g_folder;
}
void SetDatabaseRoot(const std::string& root) {
    g_root = root;
}
const std::string& DatabaseRoot() {
    return g_root;
}

void SetDatabaseDirectory(const std::string& directory) {
    g_directory = directory;
}
const std::string& DatabaseDirectory() {
    return g_directory;
}

std::string DatabaseFilePath(const std::string& name) {
    if (!g_directory.empty()) return NativePath(JoinPath(g_directory, name));
    return NativePath(JoinPath(g_root, JoinPath(JoinPath("db", g_folder), name)));
}

std::string DatabaseFilePath(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "db%06d.dbj", number);
    return DatabaseFilePath(std::string(name));
}

bool ReadDatabaseFile(int number) {
    const std::string path = DatabaseFilePath(number);
    World& w = g_world;
    TableFault& fault = g_readFault[number];
    switch (number) {
        case DB_PLAYERS:
            w.mv_players = ReadTable<Player>(path, PLAYER_SIZE, RAVEL_IO(IoPlayer), fault);
            return true;
        case DB_TEAMS:
            w.mv_teams = ReadTable<Team>(path, 66, RAVEL_IO(IoTeam), fault);
            return true;
        case DB_COUNTRIES:
            w.mv_countries = ReadTable<Country>(path, 68, RAVEL_IO(IoCountry), fault);
            return true;
        case DB_GROUNDS:
            w.mv_grounds = ReadTable<Ground>(path, 190, RAVEL_IO(IoGround), fault);
            for (Ground& g : w.mv_grounds) g.m_pitch = GroundPitchFigure(g.m_bounce, g.m_turn);
            return true;
        case DB_CLIMATES:
            w.mv_climates = ReadTable<Climate>(path, 173, RAVEL_IO(IoClimate), fault);
            return true;
        case DB_SEASONS:
            w.mv_seasons = ReadTable<Season>(path, 14, RAVEL_IO(IoSeason), fault);
            return true;
        case DB_STAFF:
            w.mv_staff = ReadTable<StaffMember>(path, 86, RAVEL_IO(IoStaff), fault);
            return true;
        case DB_INJURIES:
            w.mv_injuryTypes = ReadTable<InjuryType>(path, 36, RAVEL_IO(IoInjury), fault);
            return true;
        case DB_FIELD_POSITIONS:
            w.mv_fieldPositions = ReadTable<FieldPosition>(path, 57, RAVEL_IO(IoFieldPosition), fault);
            return true;
        case DB_FIELD_SETUPS:
            w.mv_fieldSetups = ReadTable<FieldSetup>(path, 341, RAVEL_IO(IoFieldSetup), fault);
            for (size_t i = 0; i < w.mv_fieldSetups.size(); ++i)
                w.mv_fieldSetups[i].m_id = static_cast<int32_t>(i);
            return true;
        case DB_COMPETITIONS:
            w.mv_competitions = ReadTable<Competition>(path, 127, RAVEL_IO(IoCompetition), fault);
            ForgetOrphans({DB_ROUNDS, DB_CONDITIONS, DB_HISTORY, DB_TEST_RANKINGS, DB_ODI_RANKINGS});
            return true;
        case DB_CONDITIONS:
            ReadIntoOwners(number, path, 80, RAVEL_IO(IoConditions), w.mv_competitions,
                           &Competition::mv_conditions, &PlayingConditions::m_competition);
            return true;
        case DB_ROUNDS:
            ReadIntoOwners(number, path, 12, RAVEL_IO(IoRound), w.mv_competitions, &Competition::mv_rounds,
                           &RoundDate::m_competition);
            return true;
        case DB_HISTORY: {
            for (auto& c : w.mv_competitions) c.mv_history.clear();
            auto all = ReadTable<HistoryRecord>(path, 16, RAVEL_IO(IoHistory), fault);
            g_firstOrphan.erase(number);
            for (size_t i = 0; i < all.size(); ++i) {
                bool placed = false;
                for (auto& c : w.mv_competitions)
                    if (c.m_historyId == all[i].m_historyId) {
                        c.mv_history.push_back(all[i].m_entry);
                        placed = true;
                    }
                if (!placed) g_firstOrphan.emplace(number, static_cast<int32_t>(i));
            }
            return true;
        }
        case DB_EVENTS:
            w.mv_events = ReadTable<CompetitionEvent>(path, 20, RAVEL_IO(IoEvent), fault);
            return true;
        case DB_TEST_RANKINGS:
            ReadRankings(number, COMP_TEST_CHAMPIONSHIP);
            return true;
        case DB_ODI_RANKINGS:
            ReadRankings(number, COMP_ODI_CHAMPIONSHIP);
            return true;
        case DB_TOURNAMENTS:
            w.mv_tournaments = ReadTable<InternationalTournament>(path, 77, RAVEL_IO(IoTournament), fault);
            ForgetOrphans({DB_TOURNAMENT_VENUES, DB_TOURNAMENT_STAGES});
            return true;
        case DB_TOURNAMENT_VENUES:
            ReadIntoOwners(number, path, 12, RAVEL_IO(IoVenue), w.mv_tournaments,
                           &InternationalTournament::mv_venues, &TournamentVenue::m_tournament);
            return true;
        case DB_TOURNAMENT_STAGES:
            ReadIntoOwners(number, path, 20, RAVEL_IO(IoStage), w.mv_tournaments,
                           &InternationalTournament::mv_stages, &TournamentStage::m_tournament);
            return true;
        case DB_TOURS:
            w.mv_tours = ReadTable<Tour>(path, 36, RAVEL_IO(IoTour), fault);
            return true;
        case DB_TOUR_SERIES:
            w.mv_tourSeries = ReadTable<TourSeries>(path, 81, RAVEL_IO(IoTourSeries), fault);
            return true;
        case DB_BOWL_PLANS: {
            auto all = ReadTable<BowlPlan>(path, 146, RAVEL_IO(IoBowlPlan), fault);
            w.mv_pacePlans.clear();
            w.mv_spinPlans.clear();
            for (auto& p : all) (p.m_pace ? w.mv_pacePlans : w.mv_spinPlans).push_back(std::move(p));
            return true;
        }
        default:
            return false;
    }
}

void ForgetDatabaseReads() {
    g_firstOrphan.clear();
    g_readFault.clear();
}

TableFault LastReadFault(int number) {
    const auto it = g_readFault.find(number);
    return it == g_readFault.end() ? TableFault{} : it->second;
}

int32_t FirstRecordWithoutOwner(int number) {
    auto it = g_firstOrphan.find(number);
    return it == g_firstOrphan.end() ? -1 : it->second;
}

bool WriteDatabaseFile(int number, const std::string& path) {
    const World& w = g_world;
    switch (number) {
        case DB_PLAYERS:
            return WriteTable(path, w.mv_players, RAVEL_IO(IoPlayer));
        case DB_TEAMS:
            return WriteTable(path, w.mv_teams, RAVEL_IO(IoTeam));
        case DB_COUNTRIES:
            return WriteTable(path, w.mv_countries, RAVEL_IO(IoCountry));
        case DB_GROUNDS:
            return WriteTable(path, w.mv_grounds, RAVEL_IO(IoGround));
        case DB_CLIMATES:
            return WriteTable(path, w.mv_climates, RAVEL_IO(IoClimate));
        case DB_SEASONS:
            return WriteTable(path, w.mv_seasons, RAVEL_IO(IoSeason));
        case DB_STAFF:
            return WriteTable(path, w.mv_staff, RAVEL_IO(IoStaff));
        case DB_INJURIES:
            return WriteTable(path, w.mv_injuryTypes, RAVEL_IO(IoInjury));
        case DB_FIELD_POSITIONS:
            return WriteTable(path, w.mv_fieldPositions, RAVEL_IO(IoFieldPosition));
        case DB_FIELD_SETUPS:
            return WriteTable(path, w.mv_fieldSetups, RAVEL_IO(IoFieldSetup));
        case DB_COMPETITIONS:
            return WriteTable(path, w.mv_competitions, RAVEL_IO(IoCompetition));
        case DB_CONDITIONS:
            return WriteFromOwners(path, RAVEL_IO(IoConditions), w.mv_competitions,
                                   &Competition::mv_conditions);
        case DB_ROUNDS:
            return WriteFromOwners(path, RAVEL_IO(IoRound), w.mv_competitions, &Competition::mv_rounds);
        case DB_HISTORY: {
            // Competitions that share a history id share one list; it is
            // written once.
            std::vector<HistoryRecord> all;
            std::vector<int32_t> done;
            for (const auto& c : w.mv_competitions) {
                bool seen = false;
                for (int32_t id : done) seen = seen || id == c.m_historyId;
                if (seen) continue;
                done.push_back(c.m_historyId);
                for (const auto& e : c.mv_history) all.push_back({c.m_historyId, e});
            }
            return WriteTable(path, all, RAVEL_IO(IoHistory));
        }
        case DB_EVENTS:
            return WriteTable(path, w.mv_events, RAVEL_IO(IoEvent));
        case DB_TEST_RANKINGS:
            return WriteRankings(path, COMP_TEST_CHAMPIONSHIP);
        case DB_ODI_RANKINGS:
            return WriteRankings(path, COMP_ODI_CHAMPIONSHIP);
        case DB_TOURNAMENTS:
            return WriteTable(path, w.mv_tournaments, RAVEL_IO(IoTournament));
        case DB_TOURNAMENT_VENUES:
            return WriteFromOwners(path, RAVEL_IO(IoVenue), w.mv_tournaments,
                                   &InternationalTournament::mv_venues);
        case DB_TOURNAMENT_STAGES:
            return WriteFromOwners(path, RAVEL_IO(IoStage), w.mv_tournaments,
                                   &InternationalTournament::mv_stages);
        case DB_TOURS:
            return WriteTable(path, w.mv_tours, RAVEL_IO(IoTour));
        case DB_TOUR_SERIES:
            return WriteTable(path, w.mv_tourSeries, RAVEL_IO(IoTourSeries));
        case DB_BOWL_PLANS: {
            std::vector<BowlPlan> all(w.mv_pacePlans);
            all.insert(all.end(), w.mv_spinPlans.begin(), w.mv_spinPlans.end());
            return WriteTable(path, all, RAVEL_IO(IoBowlPlan));
        }
        default:
            return false;
    }
}

bool WriteDatabase(const std::string& folder) {
    bool ok = true;
    for (int number : DB_FILES) {
        char name[32];
        std::snprintf(name, sizeof name, "/db%06d.dbj", number);
        ok = WriteDatabaseFile(number, folder + name) && ok;
    }
    return ok;
}

void LoadPlayers() {
    ReadDatabaseFile(DB_PLAYERS);
    const int season = g_cricket.m_date.m_season;
    const bool even = season % 2 == 0;
    static const int32_t KINDS[4] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    for (Player& p : g_world.mv_players) {
        p.m_batForm = static_cast<float>(Rand() % 30 - 15);
        p.m_bowlForm = static_cast<float>(Rand() % 30 - 15);
        for (int k = 0; k < 4; ++k) {
            PlayerStats& s = p.m_stats[STATS_SEASON_FC + k];
            s.m_player = p.m_id;
            s.m_season = season;
            s.m_kind = KINDS[k];
            if (k < 2) s.m_team = even ? p.m_northClub : p.m_southClub;
        }
    }
}

void RebuildSquadsFromPlayers() {
    for (Team& t : g_world.mv_teams) {
        int n = 0;
        for (int32_t& slot : t.m_squad) slot = 0;
        for (const Player& p : g_world.mv_players) {
            if (p.m_id <= 0 || p.m_retired) continue;
            if ((p.m_northClub == t.m_id || p.m_southClub == t.m_id) && n < SQUAD_SLOTS)
                t.m_squad[n++] = p.m_id;
        }
    }
}

void LoadTeams() {
    ReadDatabaseFile(DB_TEAMS);
    RebuildSquadsFromPlayers();
}

void LoadCountries() {
    ReadDatabaseFile(DB_COUNTRIES);
}
void LoadGrounds() {
    ReadDatabaseFile(DB_GROUNDS);
}
void LoadClimates() {
    ReadDatabaseFile(DB_CLIMATES);
}
void LoadSeasons() {
    ReadDatabaseFile(DB_SEASONS);
}

void LoadStaffMembers() {
    ReadDatabaseFile(DB_STAFF);
    for (StaffMember& s : g_world.mv_staff) {
        s.m_reputation = static_cast<float>(s.m_attributes[0]);
        s.m_skill = static_cast<float>(s.m_attributes[1]);
        if (s.m_nationalJob > 0)
            for (Country& c : g_world.mv_countries)
                if (c.m_id == s.m_nationalJob) c.m_coach = s.m_id;
    }
}

void LoadCompetitions() {
    ReadDatabaseFile(DB_COMPETITIONS);
}
void LoadInternationalTournaments() {
    ReadDatabaseFile(DB_TOURNAMENTS);
}
void LoadTournamentAmendments() {
    ReadDatabaseFile(DB_TOURNAMENT_VENUES);
}
void LoadRounds() {
    ReadDatabaseFile(DB_ROUNDS);
}
void LoadConditions() {
    ReadDatabaseFile(DB_CONDITIONS);
}
void LoadCompetitionHistory() {
    ReadDatabaseFile(DB_HISTORY);
}
void LoadCompetitionEvents() {
    ReadDatabaseFile(DB_EVENTS);
}
void LoadInjuryTypes() {
    ReadDatabaseFile(DB_INJURIES);
}

void LoadTours() {
    ReadDatabaseFile(DB_TOURS);
    ReadDatabaseFile(DB_TOUR_SERIES);
}

void LoadTestRankings() {
    ReadDatabaseFile(DB_TEST_RANKINGS);
}
void LoadOneDayRankings() {
    ReadDatabaseFile(DB_ODI_RANKINGS);
}
void LoadFieldPositions() {
    ReadDatabaseFile(DB_FIELD_POSITIONS);
}

void LoadFieldSetups() {
    ReadDatabaseFile(DB_FIELD_SETUPS);
    const auto& positions = g_world.mv_fieldPositions;
    // The values are checked after loading: summed wide and clamped, any can be taken.
    for (FieldSetup& f : g_world.mv_fieldSetups) {
        int64_t total = 0;
        for (int32_t p : f.m_positions)
            if (p >= 0 && static_cast<size_t>(p) < positions.size()) total += positions[p].m_value;
        f.m_total = static_cast<int32_t>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
    }
}

void LoadBowlPlans() {
    ReadDatabaseFile(DB_BOWL_PLANS);
}
void LoadTournamentStages() {
    ReadDatabaseFile(DB_TOURNAMENT_STAGES);
}

void InitTeamBudgets() {
    for (Team& t : g_world.mv_teams)
        if (t.m_id < 5000) t.m_salaryBudget = static_cast<int32_t>(t.m_money / 2.0f);
}

namespace {

void LoadRecordsTables() {
    static const char* const FILES[] = {"fcrecs.csv", "terecs.csv", "larecs.csv", "odrecs.csv"};
    g_world.mv_records.assign(std::size(FILES), RecordsTable());
    for (size_t k = 0; k < std::size(FILES); ++k) {
        g_world.mv_records[k].LoadCsv(FILES[k]);
        g_world.mv_records[k].m_kind = static_cast<int32_t>(k) + 1;
    }
}

// Later loaders rely on the tables before them.
const DatabaseLoadStep LOAD_STEPS[DATABASE_LOAD_STEPS] = {
    {LoadPlayers, 10, "Loading... teams database"},
    {LoadTeams, 15, "Loading... countries database"},
    {[] {
         LoadCountries();
         LoadNameLists();
     },
     20, "Loading... grounds database"},
    {[] {
         LoadGrounds();
         LoadClimates();
     },
     25, "Loading... seasons database"},
    {LoadSeasons, 30, "Loading... staff database"},
    {LoadStaffMembers, 34, "Loading... competitions database"},
    {[] {
         LoadCompetitions();
         LoadInternationalTournaments();
         LoadTournamentAmendments();
     },
     40, "Loading... rounds database"},
    {LoadRounds, 45, "Loading... conditions database"},
    {LoadConditions, 50, "Loading... competitions history database"},
    {LoadCompetitionHistory, 55, "Loading... competition events database"},
    {LoadCompetitionEvents, 60, "Loading... injuries database"},
    {LoadInjuryTypes, 70, "Loading... tours database"},
    {LoadTours, 75, "Loading... test rankings database"},
    {LoadTestRankings, 80, "Loading... one day rankings database"},
    {[] {
         LoadOneDayRankings();
         LoadRecordsTables();
     },
     100, "Loading... fields database"},
    {[] {
         LoadFieldPositions();
         LoadFieldSetups();
         LoadBowlPlans();
     },
     100, "Loading... AI modules"},
    {nullptr, 100, "Loading... initialising game data"},
};

}  // namespace

const DatabaseLoadStep& DatabaseLoadStepAt(int step) {
    return LOAD_STEPS[std::clamp(step, 0, DATABASE_LOAD_STEPS - 1)];
}

const DbLoader DB_LOADERS[std::size(DB_FILES)] = {
    {DB_PLAYERS, LoadPlayers},
    {DB_TEAMS, LoadTeams},
    {DB_COUNTRIES, LoadCountries},
    {DB_GROUNDS, LoadGrounds},
    {DB_CLIMATES, LoadClimates},
    {DB_SEASONS, LoadSeasons},
    {DB_STAFF, LoadStaffMembers},
    {DB_COMPETITIONS, LoadCompetitions},
    {DB_TOURNAMENTS, LoadInternationalTournaments},
    {DB_TOURNAMENT_VENUES, LoadTournamentAmendments},
    {DB_ROUNDS, LoadRounds},
    {DB_CONDITIONS, LoadConditions},
    {DB_HISTORY, LoadCompetitionHistory},
    {DB_EVENTS, LoadCompetitionEvents},
    {DB_INJURIES, LoadInjuryTypes},
    {DB_TOURS, LoadTours},
    {DB_TOUR_SERIES, LoadTours},
    {DB_TEST_RANKINGS, LoadTestRankings},
    {DB_ODI_RANKINGS, LoadOneDayRankings},
    {DB_FIELD_POSITIONS, LoadFieldPositions},
    {DB_FIELD_SETUPS, LoadFieldSetups},
    {DB_BOWL_PLANS, LoadBowlPlans},
    {DB_TOURNAMENT_STAGES, LoadTournamentStages},
};

std::optional<DatabaseFault> LoadDatabase() {
    for (const DatabaseLoadStep& step : LOAD_STEPS)
        if (step.work) step.work();
    LoadTournamentStages();
    return CheckDatabase();
}

}  // namespace ravel
