// The value checks of the loaded world: the built world passes them, and a
// file damaged in one value (written, then read back as the game reads it)
// is refused with the file, the record and what is wrong.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "DbTestSupport.h"
#include "world/DatabaseChecks.h"
#include "world/GameDate.h"
#include "world/Random.h"

namespace ravel {
namespace {

class DatabaseChecks : public ScratchDbTest {
protected:
    static void SetUpTestSuite() {
        ResetWorld();
        SetDatabaseDirectory(BuiltDatabaseDir());
        SeedRand(1);
        s_fault = LoadDatabase();
        s_built = g_world;
    }
    static void TearDownTestSuite() { s_built = World{}; }
    void SetUp() override {
        ScratchDbTest::SetUp();
        for (int number : DB_FILES)
            std::filesystem::copy_file(BuiltDatabaseDir() + "/" + DbFileName(number),
                                       Path(DbFileName(number)));
        SetDatabaseDirectory(m_dir);
        g_world = s_built;
    }
    // Writes the world's table into the scratch file and reads it back with
    // its loader, as the intro would.
    static void Reload(int number) {
        ASSERT_TRUE(WriteDatabaseFile(number, DatabaseFilePath(number)));
        LoadFile(number);
    }
    static void LoadFile(int number) {
        for (const DbLoader& l : DB_LOADERS)
            if (l.m_number == number) l.m_load();
    }
    // The file's built bytes changed by `damage`, read by its loader, and
    // the whole world checked; the file is put back and read again after.
    static std::optional<DatabaseFault> CheckDamagedFile(
        int number, const std::function<void(std::vector<uint8_t>&)>& damage) {
        const std::string path = DatabaseFilePath(number);
        const std::vector<uint8_t> built = ReadBytes(path);
        std::vector<uint8_t> bytes = built;
        damage(bytes);
        WriteBytes(path, bytes);
        LoadFile(number);
        std::optional<DatabaseFault> fault = CheckDatabase();
        WriteBytes(path, built);
        LoadFile(number);
        g_world = s_built;
        return fault;
    }

    static inline std::optional<DatabaseFault> s_fault;
    static inline World s_built;
};

TEST_F(DatabaseChecks, TheBuiltWorldPassesThem) {
    EXPECT_FALSE(s_fault.has_value()) << s_fault->Where() << ": " << s_fault->m_problem;
    EXPECT_FALSE(CheckDatabase().has_value());
}

struct Damage {
    const char* m_what;
    int m_file;
    std::function<void(World&)> m_damage;
    int32_t m_record;
    const char* m_problem;
};

Player& NthPlayer(World& w, size_t n) {
    return w.mv_players[n];
}

// The faults the loaders let through before, then one of each kind of check.
const Damage DAMAGES[] = {
    {"a player id beyond the table", DB_PLAYERS, [](World& w) { NthPlayer(w, 5).m_id = 3000; }, 5,
     "id 3000 is not the player's place in the table"},
    {"the largest player id", DB_PLAYERS, [](World& w) { NthPlayer(w, 9).m_id = INT32_MAX; }, 9,
     "id 2147483647 is not the player's place in the table"},
    {"a player id just past the end", DB_PLAYERS,
     [](World& w) { NthPlayer(w, 9).m_id = static_cast<int32_t>(w.mv_players.size()); }, 9, nullptr},
    {"a player of no country", DB_PLAYERS, [](World& w) { NthPlayer(w, 4).m_country = 99; }, 4,
     "nationality 99 names no country"},
    {"a skill out of range", DB_PLAYERS, [](World& w) { NthPlayer(w, 7).m_bowlSkill[2] = 500; }, 7,
     "a bowling skill of 500"},
    {"a career figure near the int32 limit", DB_PLAYERS,
     [](World& w) { NthPlayer(w, 3).m_stats[STATS_CAREER_FC].m_runs = INT32_MAX - 10; }, 3,
     "a statistics figure of 2147483637"},
    {"two clubs with one id", DB_TEAMS,
     [](World& w) { w.mv_teams.insert(w.mv_teams.begin(), w.mv_teams[1]); }, 2, nullptr},
    {"a club at no ground", DB_TEAMS, [](World& w) { w.mv_teams[2].m_ground = 9999; }, 2,
     "ground 9999 names no ground"},
    {"a country named like a path", DB_COUNTRIES,
     [](World& w) { std::snprintf(w.mv_countries[1].m_name, 20, "../../x"); }, 1, "country name \"../../x\""},
    {"a ground in no climate", DB_GROUNDS, [](World& w) { w.mv_grounds[6].m_climate = 77; }, 6,
     "climate 77 names no climate"},
    {"weather thresholds out of order", DB_CLIMATES, [](World& w) { w.mv_climates[1].m_thresholds[2] = 5; },
     1, "weather threshold 3 of 5 is out of order"},
    {"a coach in a job at no club", DB_STAFF, [](World& w) { w.mv_staff[0].m_clubJob = 1; }, 0,
     "club job 1 names no club"},
    {"a side twice in a competition", DB_COMPETITIONS,
     [](World& w) { w.mv_competitions[0].mv_teams[1] = w.mv_competitions[0].mv_teams[0]; }, 0, nullptr},
    {"the Test rules' competition missing", DB_COMPETITIONS,
     [](World& w) { std::erase_if(w.mv_competitions, [](const Competition& c) { return c.m_id == 500; }); },
     -1, "there is no competition 500"},
    {"overs for the day that overflow", DB_CONDITIONS,
     [](World& w) { w.mv_competitions[0].mv_conditions[0].m_oversForDay = 0x40000068; }, 0,
     "1073741928 overs for the day"},
    {"a start of play whose minutes overflow", DB_CONDITIONS,
     [](World& w) { w.mv_competitions[0].mv_conditions[0].m_times[TIME_START].m_hour = INT32_MAX; }, 0,
     "session time 2147483647:00 is out of order"},
    {"close of play before the start", DB_CONDITIONS,
     [](World& w) { w.mv_competitions[0].mv_conditions[0].m_times[TIME_CLOSE].m_hour = 9; }, 0,
     "session time 9:30 is out of order"},
    {"rules of no competition", DB_CONDITIONS,
     [](World& w) {
         PlayingConditions stray = w.mv_competitions[0].mv_conditions[0];
         stray.m_competition = 9999;
         w.mv_competitions[0].mv_conditions.insert(w.mv_competitions[0].mv_conditions.begin(), stray);
     },
     0, "it belongs to no record of its owner's table"},
    {"a round after the season", DB_ROUNDS,
     [](World& w) { w.mv_competitions[0].mv_rounds[1].m_dayOfSeason = 400; }, 1,
     "round on day 400 of the season"},
    {"a winner that never was", DB_HISTORY,
     [](World& w) {
         for (Competition& c : w.mv_competitions)
             if (!c.mv_history.empty()) {
                 c.mv_history[0].m_winner = 7777;
                 break;
             }
     },
     0, nullptr},
    {"no events at all", DB_EVENTS, [](World& w) { w.mv_events.clear(); }, -1,
     "season 362 has no roll-over event"},
    {"a roll-over mid-season", DB_EVENTS,
     [](World& w) {
         CompetitionEvent early;
         early.m_season = EVERY_EVEN_SEASON;
         early.m_type = EVENT_NEW_SEASON;
         early.m_dayOfSeason = 100;
         w.mv_events.insert(w.mv_events.begin(), early);
     },
     0, "the season rolls over on day 100, not its last"},
    {"an event in the last season an int holds", DB_EVENTS,
     [](World& w) { w.mv_events[0].m_season = INT32_MAX; }, 0, "season 2147483647"},
    {"an injury of no days", DB_INJURIES, [](World& w) { w.mv_injuryTypes[2].m_days = 0; }, 2,
     "an injury of 0 days"},
    {"a tournament in the first season an int holds", DB_TOURNAMENTS,
     [](World& w) { w.mv_tournaments[0].m_season = INT32_MIN; }, 0, "season -2147483648"},
    {"a tour at home", DB_TOURS, [](World& w) { w.mv_tours[0].m_visitor = w.mv_tours[0].m_host; }, 0,
     nullptr},
    {"a series of no matches", DB_TOUR_SERIES, [](World& w) { w.mv_tourSeries[4].m_matches = 0; }, 4,
     "0 matches"},
    {"a ranking of no country", DB_TEST_RANKINGS,
     [](World& w) {
         for (Competition& c : w.mv_competitions)
             if (c.m_id == COMP_TEST_CHAMPIONSHIP) c.mv_standings[3].m_team = 99;
     },
     3, "side 99 names no country"},
    {"a fielder at no position", DB_FIELD_SETUPS, [](World& w) { w.mv_fieldSetups[2].m_positions[4] = 999; },
     2, "fielding position 999 names no position"},
    {"an effort that overflows", DB_BOWL_PLANS,
     [](World& w) { w.mv_pacePlans[1].mv_balls[3].m_effort = INT32_MAX; }, 1, "effort 2147483647"},
    {"a stage without days between matches", DB_TOURNAMENT_STAGES,
     [](World& w) { w.mv_tournaments[0].mv_stages[1].m_dayStep = 0; }, 1, "0 days between match days"},
};

TEST_F(DatabaseChecks, ADamagedValueIsRefusedWithItsFileAndRecord) {
    for (const Damage& d : DAMAGES) {
        g_world = s_built;
        d.m_damage(g_world);
        Reload(d.m_file);
        const std::optional<DatabaseFault> fault = CheckDatabase();
        ASSERT_TRUE(fault.has_value()) << d.m_what;
        EXPECT_EQ(fault->m_file, DbFileName(d.m_file)) << d.m_what << ": " << fault->m_problem;
        EXPECT_EQ(fault->m_record, d.m_record) << d.m_what << ": " << fault->m_problem;
        EXPECT_EQ(fault->m_problem, d.m_problem ? d.m_problem : fault->m_problem) << d.m_what;
        EXPECT_FALSE(fault->m_problem.empty()) << d.m_what;
        // The scratch file back as built, for the next case.
        g_world = s_built;
        Reload(d.m_file);
    }
}

// Cut short or with a count that can't be, the events file is refused under
// its own name instead of reading as no events and never turning its season.
TEST_F(DatabaseChecks, EventsFileCutShortIsRefused) {
    for (auto damage : {std::function<void(std::vector<uint8_t>&)>([](auto& b) { b.resize(b.size() / 3); }),
                        std::function<void(std::vector<uint8_t>&)>([](auto& b) { b.resize(3); }),
                        std::function<void(std::vector<uint8_t>&)>([](auto& b) { b[3] = 0x80; })}) {
        const std::optional<DatabaseFault> fault = CheckDamagedFile(DB_EVENTS, damage);
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->m_file, DbFileName(DB_EVENTS)) << fault->m_problem;
        EXPECT_FALSE(fault->m_problem.empty());
    }
}

// The field settings sum their positions' values as they load, before the
// values are checked: any value sums safely and the world is refused.
TEST_F(DatabaseChecks, FieldPositionValueNearTheLimitIsRefused) {
    for (FieldPosition& f : g_world.mv_fieldPositions) f.m_value = INT32_MAX;
    Reload(DB_FIELD_POSITIONS);
    LoadFieldSetups();
    EXPECT_EQ(g_world.mv_fieldSetups[0].m_total, INT32_MAX);
    const std::optional<DatabaseFault> fault = CheckDatabase();
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Where(), DbFileName(DB_FIELD_POSITIONS) + ", record 0");
    EXPECT_EQ(fault->m_problem, "value 2147483647");
}

TEST_F(DatabaseChecks, RecordsTableNamingNoPlayerIsRefused) {
    const std::string path = Path("bad.csv");
    std::ofstream(path) << "Highest Individual Score\n"
                        << s_built.mv_players.size() << ",-1,1301,5,250,0,0,1,a,b,c,d,e,f\n";
    g_world.mv_records[2].LoadCsvFrom(path);
    const std::optional<DatabaseFault> fault = CheckDatabase();
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Where(), "larecs.csv");
    EXPECT_EQ(fault->m_problem, "\"Highest Individual Score\" entry 1: player " +
                                    std::to_string(s_built.mv_players.size()) + " names no player");
}

// Each file cut by one byte, lengthened by one record's worth of stray
// bytes, or with a count one more than its records: every file is refused
// under its own name, before any other file's references to it are looked at.
TEST_F(DatabaseChecks, AFileWhoseLengthDisagreesWithItsCountIsRefusedUnderItsOwnName) {
    struct LengthDamage {
        const char* m_what;
        std::function<void(std::vector<uint8_t>&)> m_damage;
        const char* m_problem;  // a part of the problem's text
    };
    const LengthDamage damages[] = {
        {"cut by one byte", [](std::vector<uint8_t>& b) { b.pop_back(); }, nullptr},
        {"four stray bytes at the end", [](std::vector<uint8_t>& b) { b.insert(b.end(), 4, 0); },
         "the count disagrees with the length"},
        {"a count one too many",
         [](std::vector<uint8_t>& b) {
             ++b[0];
             if (b[0] == 0) ++b[1];
         },
         nullptr},
        {"only three bytes", [](std::vector<uint8_t>& b) { b.resize(3); }, "too short for its record count"},
    };
    for (const LengthDamage& d : damages) {
        for (int number : DB_FILES) {
            const std::optional<DatabaseFault> fault = CheckDamagedFile(number, d.m_damage);
            ASSERT_TRUE(fault.has_value()) << DbFileName(number) << " " << d.m_what;
            EXPECT_EQ(fault->m_file, DbFileName(number)) << d.m_what << ": " << fault->m_problem;
            if (d.m_problem) {
                EXPECT_NE(fault->m_problem.find(d.m_problem), std::string::npos)
                    << DbFileName(number) << " " << d.m_what << ": " << fault->m_problem;
            }
        }
    }
    EXPECT_FALSE(CheckDatabase().has_value());
}

// A cut inside a record of a table whose records differ in length names the
// record and the count the file promised; a table of records of one length
// cut short has a count more than its bytes hold.
TEST_F(DatabaseChecks, ACutRecordIsNamed) {
    const auto cut = [](std::vector<uint8_t>& b) { b.erase(b.end() - 10, b.end()); };
    const size_t competitions = s_built.mv_competitions.size();
    std::optional<DatabaseFault> fault = CheckDamagedFile(DB_COMPETITIONS, cut);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Where(), DbFileName(DB_COMPETITIONS) + ", record " + std::to_string(competitions - 1));
    EXPECT_NE(fault->m_problem.find("; the file counts " + std::to_string(competitions) + " records"),
              std::string::npos)
        << fault->m_problem;

    const size_t players = s_built.mv_players.size();
    const size_t bytes = ReadBytes(DatabaseFilePath(DB_PLAYERS)).size();
    fault = CheckDamagedFile(DB_PLAYERS, cut);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Where(), DbFileName(DB_PLAYERS));
    EXPECT_EQ(fault->m_problem, "a count of " + std::to_string(players) + " where only " +
                                    std::to_string(bytes - 4 - 10) + " bytes follow");
}

// A partnership row for a wicket outside 1..10 has no place: it is refused
// with its line, and the stands of the other wickets stay as they were
// through a load and a save.
TEST_F(DatabaseChecks, APartnershipForNoWicketIsRefusedAndOverwritesNothing) {
    const std::string path = Path("stands.csv");
    const std::string stands = [] {
        std::string rows;
        for (int wicket = 1; wicket <= 10; ++wicket)
            rows += "-1,-1,-1,-1," + std::to_string(100 + wicket) + ",0," + std::to_string(wicket) +
                    ",0,m,g,s,a,b,t\n";
        return rows;
    }();
    for (int wicket : {0, 11, -3}) {
        std::ofstream(path, std::ios::trunc)
            << "Partnership Records\n-1,-1,-1,-1,999,0," << wicket << ",0,m,g,s,a,b,t\n"
            << stands;
        RecordsTable& table = g_world.mv_records[1];
        table.LoadCsvFrom(path);
        const std::optional<DatabaseFault> fault = CheckDatabase();
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->Where(), "terecs.csv");
        EXPECT_EQ(fault->m_problem, "line 2: a partnership for wicket " + std::to_string(wicket));
        for (int round = 0; round < 2; ++round) {
            const std::vector<RecordEntry>& kept = table.Section(REC_PARTNERSHIPS);
            for (int k = 0; k < 10; ++k) EXPECT_EQ(kept[k].m_value, 101 + k) << "wicket " << wicket;
            ASSERT_TRUE(table.WriteCsv(path));
            table.LoadCsvFrom(path);
            EXPECT_TRUE(table.m_loadFault.empty()) << table.m_loadFault;
        }
        g_world = s_built;
    }
}

}  // namespace
}  // namespace ravel
