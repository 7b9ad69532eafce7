#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "DbTestSupport.h"
#include "world/DbFile.h"
#include "world/GameDate.h"
#include "world/Random.h"

namespace ravel {
namespace {

using DatabaseFiles = ScratchDbTest;

TEST_F(DatabaseFiles, BuiltFilesReadAndWriteBackByteForByte) {
    SetDatabaseDirectory(BuiltDatabaseDir());
    for (int number : DB_FILES) ASSERT_TRUE(ReadDatabaseFile(number)) << number;
    ASSERT_TRUE(WriteDatabase(m_dir));
    for (int number : DB_FILES) {
        std::vector<uint8_t> built = ReadBytes(BuiltDatabaseDir() + "/" + DbFileName(number));
        std::vector<uint8_t> again = ReadBytes(Path(DbFileName(number)));
        ASSERT_GE(built.size(), 4u) << number;
        EXPECT_TRUE(built == again) << "file " << number << " differs after a round trip";
    }
}

// The builder makes the same world every time: a second run writes every
// file byte for byte as the build did.
TEST_F(DatabaseFiles, TheBuilderIsDeterministic) {
    const std::string command =
        std::string(RAVEL_RUNTIME_DIR) + "/dbbuild --data " + RAVEL_SOURCE_DIR + "/data --out " + m_dir;
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (int number : DB_FILES)
        EXPECT_TRUE(ReadBytes(BuiltDatabaseDir() + "/" + DbFileName(number)) ==
                    ReadBytes(Path(DbFileName(number))))
            << "file " << number;
    for (const char* csv : {"fcrecs.csv", "names/India_fnames.csv", "names/West Indies_snames.csv"})
        EXPECT_TRUE(ReadBytes(BuiltDatabaseDir() + "/" + csv) == ReadBytes(Path(csv))) << csv;
}

TEST_F(DatabaseFiles, UnknownFileNumberIsRefused) {
    EXPECT_FALSE(ReadDatabaseFile(123456));
    EXPECT_FALSE(WriteDatabaseFile(123456, Path("x.dbj")));
}

// A rough size of the world: the sum of its table lengths.
size_t WorldRecords() {
    const World& w = g_world;
    size_t n = w.mv_players.size() + w.mv_teams.size() + w.mv_countries.size() + w.mv_grounds.size() +
               w.mv_climates.size() + w.mv_seasons.size() + w.mv_staff.size() + w.mv_injuryTypes.size() +
               w.mv_competitions.size() + w.mv_tournaments.size() + w.mv_fieldSetups.size() +
               w.mv_fieldPositions.size() + w.mv_tours.size() + w.mv_tourSeries.size() + w.mv_events.size() +
               w.mv_pacePlans.size() + w.mv_spinPlans.size();
    for (const auto& c : w.mv_competitions)
        n += c.mv_rounds.size() + c.mv_conditions.size() + c.mv_history.size() + c.mv_standings.size();
    for (const auto& t : w.mv_tournaments) n += t.mv_stages.size() + t.mv_venues.size();
    return n;
}

// Truncated and randomly damaged copies of every file: the loaders keep
// what they read whole, never read past the end and never hang.
TEST_F(DatabaseFiles, DamagedFilesNeverBreakTheLoaders) {
    for (int number : DB_FILES)
        std::filesystem::copy_file(BuiltDatabaseDir() + "/" + DbFileName(number), Path(DbFileName(number)));
    SetDatabaseDirectory(m_dir);
    LoadDatabase();
    // A few dozen players say as much about the format as the whole file.
    g_world.mv_players.resize(60);
    ASSERT_TRUE(WriteDatabaseFile(DB_PLAYERS, Path(DbFileName(DB_PLAYERS))));
    LoadDatabase();
    const size_t whole = WorldRecords();
    SeedRand(7);

    for (auto [number, load] : DB_LOADERS) {
        const std::string file = Path(DbFileName(number));
        const std::vector<uint8_t> original = ReadBytes(file);
        std::vector<std::vector<uint8_t>> damaged;
        for (size_t cut : {size_t{0}, size_t{3}, size_t{4}, size_t{5}, original.size() / 3,
                           original.size() / 2, original.size() - 1})
            damaged.emplace_back(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(cut));
        for (int32_t count : {-5, 0x7fffffff, 1 << 20}) {
            std::vector<uint8_t> bytes = original;
            std::memcpy(bytes.data(), &count, 4);
            damaged.push_back(bytes);
        }
        const int rounds = 40;
        for (int r = 0; r < rounds; ++r) {
            std::vector<uint8_t> bytes = original;
            for (int flips = 1 + Rand() % 8; flips > 0; --flips)
                bytes[Rand() % bytes.size()] = static_cast<uint8_t>(Rand());
            damaged.push_back(bytes);
        }
        for (const auto& bytes : damaged) {
            WriteBytes(file, bytes);
            load();
            // Damage can make a record read as garbage but never conjure
            // more records than the file's bytes can hold.
            EXPECT_LE(WorldRecords(), whole + bytes.size() / 4) << "file " << number;
        }
        WriteBytes(file, original);
        load();
    }
}

// A cut inside a record is noted as the file's fault, and no record is made
// up from the bytes after the cut.
TEST_F(DatabaseFiles, TruncationIsNotedAndMakesUpNoRecord) {
    for (int number : {DB_PLAYERS, DB_INJURIES, DB_EVENTS, DB_SEASONS})
        std::filesystem::copy_file(BuiltDatabaseDir() + "/" + DbFileName(number), Path(DbFileName(number)));
    SetDatabaseDirectory(m_dir);
    struct Case {
        int m_number;
        size_t m_recordSize;
        std::function<size_t()> m_count;
    };
    const Case cases[] = {
        {DB_PLAYERS, sizeof(Player), [] { return g_world.mv_players.size(); }},
        {DB_INJURIES, 36, [] { return g_world.mv_injuryTypes.size(); }},
        {DB_EVENTS, 20, [] { return g_world.mv_events.size(); }},
        {DB_SEASONS, 14, [] { return g_world.mv_seasons.size(); }},
    };
    for (const Case& c : cases) {
        const std::string file = Path(DbFileName(c.m_number));
        const std::vector<uint8_t> original = ReadBytes(file);
        for (size_t records : {size_t{0}, size_t{1}, size_t{3}}) {
            size_t cut = 4 + records * c.m_recordSize + c.m_recordSize / 2;
            WriteBytes(file, std::vector<uint8_t>(original.begin(),
                                                  original.begin() + static_cast<std::ptrdiff_t>(cut)));
            ReadDatabaseFile(c.m_number);
            EXPECT_LE(c.m_count(), records) << "file " << c.m_number;
            EXPECT_FALSE(LastReadFault(c.m_number).m_problem.empty()) << "file " << c.m_number;
        }
        WriteBytes(file, original);
        ReadDatabaseFile(c.m_number);
        EXPECT_EQ(LastReadFault(c.m_number).m_problem, "") << "file " << c.m_number;
    }
}

class DatabaseLoaders : public ScratchDbTest {
protected:
    void SetUp() override {
        ScratchDbTest::SetUp();
        SetDatabaseDirectory(m_dir);
    }
    void Write(int number) { ASSERT_TRUE(WriteDatabaseFile(number, Path(DbFileName(number)))); }

    static Player MakePlayer(int id, int north, int south) {
        Player p;
        p.m_id = id;
        p.m_northClub = north;
        p.m_southClub = south;
        return p;
    }
};

TEST_F(DatabaseLoaders, PlayersGetFormsAndSeasonBlocksForTheSeasonsHemisphere) {
    g_world.mv_players = {MakePlayer(0, 0, 0), MakePlayer(1, 1300, 1001), MakePlayer(2, 0, 1002)};
    Write(DB_PLAYERS);
    const int32_t kinds[4] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    for (int season : {362, 363}) {
        g_cricket.m_date.m_season = season;
        LoadPlayers();
        ASSERT_EQ(g_world.mv_players.size(), 3u);
        for (const Player& p : g_world.mv_players) {
            for (float form : {p.m_batForm, p.m_bowlForm}) {
                EXPECT_GE(form, -15.0f);
                EXPECT_LE(form, 14.0f);
                EXPECT_EQ(form, static_cast<float>(static_cast<int>(form)));
            }
            for (int k = 0; k < 4; ++k) {
                const PlayerStats& s = p.m_stats[STATS_SEASON_FC + k];
                EXPECT_EQ(s.m_player, p.m_id);
                EXPECT_EQ(s.m_season, season);
                EXPECT_EQ(s.m_kind, kinds[k]);
            }
            int club = season % 2 == 0 ? p.m_northClub : p.m_southClub;
            EXPECT_EQ(p.m_stats[STATS_SEASON_FC].m_team, club);
            EXPECT_EQ(p.m_stats[STATS_SEASON_LA].m_team, club);
        }
    }
    g_cricket.m_date.m_season = FIRST_SEASON;
}

TEST_F(DatabaseLoaders, SquadsAreRebuiltFromThePlayersClubs) {
    Player retired = MakePlayer(4, 1300, 0);
    retired.m_retired = 1;
    g_world.mv_players = {MakePlayer(0, 1300, 0), MakePlayer(1, 1300, 1001), MakePlayer(2, 0, 1001),
                          MakePlayer(3, 1301, 0), retired};
    Team a, b;
    a.m_id = 1300;
    b.m_id = 1001;
    a.m_squad[5] = 77;  // stale slots are cleared
    g_world.mv_teams = {a, b};
    Write(DB_TEAMS);
    LoadTeams();
    ASSERT_EQ(g_world.mv_teams.size(), 2u);
    auto squad = [](const Team& t) {
        std::vector<int32_t> ids;
        for (int32_t id : t.m_squad)
            if (id > 0) ids.push_back(id);
        return ids;
    };
    EXPECT_EQ(squad(g_world.mv_teams[0]), (std::vector<int32_t>{1}));
    EXPECT_EQ(squad(g_world.mv_teams[1]), (std::vector<int32_t>{1, 2}));
}

TEST_F(DatabaseLoaders, TeamFieldsTravelInTheUnnamedSlots) {
    Team t;
    t.m_id = 1305;
    std::strcpy(t.m_name, "Hampshire");
    t.m_country = 2;
    t.m_ground = 28;
    t.m_coach = 9;
    t.m_money = 1200000.0f;
    g_world.mv_teams = {t};
    Write(DB_TEAMS);
    std::vector<uint8_t> bytes = ReadBytes(Path(DbFileName(DB_TEAMS)));
    ASSERT_EQ(bytes.size(), 4u + 66u);
    int32_t words[5];
    std::memcpy(words, &bytes[4 + 46], sizeof words);
    EXPECT_EQ(words[0], 1305);
    EXPECT_EQ(words[1], 2);
    EXPECT_EQ(words[2], 28);  // between country and coach: the home ground
    EXPECT_EQ(words[3], 9);
    EXPECT_EQ(words[4], 1200000);  // last: the money
    g_world.mv_teams.clear();
    LoadTeams();
    ASSERT_EQ(g_world.mv_teams.size(), 1u);
    EXPECT_STREQ(g_world.mv_teams[0].m_name, "Hampshire");
    EXPECT_EQ(g_world.mv_teams[0].m_ground, 28);
    EXPECT_EQ(g_world.mv_teams[0].m_money, 1200000.0f);
}

TEST_F(DatabaseLoaders, FieldSetupsTakeTheirPositionAsIdAndSumTheirFielders) {
    for (int v : {1, 10, 100}) {
        FieldPosition p;
        p.m_value = v;
        g_world.mv_fieldPositions.push_back(p);
    }
    FieldSetup a, b;
    for (int i = 0; i < FIELDERS; ++i) {
        a.m_positions[i] = i % 3;
        b.m_positions[i] = i == 0 ? 2 : 57;  // a number outside the table counts nothing
    }
    g_world.mv_fieldSetups = {a, b};
    Write(DB_FIELD_POSITIONS);
    Write(DB_FIELD_SETUPS);
    g_world.mv_fieldSetups.clear();
    LoadFieldPositions();
    LoadFieldSetups();
    ASSERT_EQ(g_world.mv_fieldSetups.size(), 2u);
    EXPECT_EQ(g_world.mv_fieldSetups[0].m_id, 0);
    EXPECT_EQ(g_world.mv_fieldSetups[1].m_id, 1);
    EXPECT_EQ(g_world.mv_fieldSetups[0].m_total, 3 * 111);
    EXPECT_EQ(g_world.mv_fieldSetups[1].m_total, 100);
}

TEST_F(DatabaseLoaders, CoachesTakeTheirRatingsAndNationalJobs) {
    Country c;
    c.m_id = 4;
    g_world.mv_countries = {c};
    StaffMember s;
    s.m_id = 12;
    s.m_nationalJob = 4;
    s.m_attributes[0] = 71;
    s.m_attributes[1] = 64;
    g_world.mv_staff = {s};
    Write(DB_STAFF);
    LoadStaffMembers();
    ASSERT_EQ(g_world.mv_staff.size(), 1u);
    EXPECT_EQ(g_world.mv_staff[0].m_reputation, 71.0f);
    EXPECT_EQ(g_world.mv_staff[0].m_skill, 64.0f);
    EXPECT_EQ(g_world.mv_countries[0].m_coach, 12);
}

TEST_F(DatabaseLoaders, BudgetsAreHalfTheMoneyOfClubSides) {
    Team club, other;
    club.m_id = 1300;
    club.m_money = 1000001.0f;
    other.m_id = 5000;
    other.m_money = 800.0f;
    other.m_salaryBudget = 3;
    g_world.mv_teams = {club, other};
    InitTeamBudgets();
    EXPECT_EQ(g_world.mv_teams[0].m_salaryBudget, 500000);
    EXPECT_EQ(g_world.mv_teams[1].m_salaryBudget, 3);
}

TEST_F(DatabaseLoaders, MissingEmptyAndRepeatedFilesGiveTheRightTable) {
    InjuryType i;
    i.m_id = 3;
    g_world.mv_injuryTypes = {i, i};
    LoadInjuryTypes();  // no file
    EXPECT_TRUE(g_world.mv_injuryTypes.empty());

    g_world.mv_injuryTypes = {i, i};
    Write(DB_INJURIES);
    LoadInjuryTypes();
    LoadInjuryTypes();
    EXPECT_EQ(g_world.mv_injuryTypes.size(), 2u);

    WriteBytes(Path(DbFileName(DB_INJURIES)), {0, 0, 0, 0});
    LoadInjuryTypes();
    EXPECT_TRUE(g_world.mv_injuryTypes.empty());
}

TEST_F(DatabaseLoaders, NestedRecordsJoinTheirOwnersAndStrayOnesAreDropped) {
    Competition c;
    c.m_id = 1;
    c.m_historyId = 7;
    c.mv_rounds = {{0, 1, 17}, {1, 1, 26}};
    c.mv_history = {{360, 1311, 1305}};
    c.mv_conditions.resize(2);
    for (auto& pc : c.mv_conditions) pc.m_competition = 1;
    Competition shared = c;  // another division with the same history
    shared.m_id = 2;
    shared.mv_rounds = {{0, 2, 30}};
    shared.mv_conditions.clear();
    g_world.mv_competitions = {c, shared};
    for (int number : {DB_COMPETITIONS, DB_ROUNDS, DB_HISTORY, DB_CONDITIONS}) Write(number);

    // A round of a competition that doesn't exist.
    DbWriter w;
    w.I32(1);
    w.I32(0);
    w.I32(99);
    w.I32(5);
    w.WriteFile(Path(DbFileName(DB_ROUNDS)));

    LoadCompetitions();
    LoadRounds();
    LoadConditions();
    LoadCompetitionHistory();
    ASSERT_EQ(g_world.mv_competitions.size(), 2u);
    EXPECT_TRUE(g_world.mv_competitions[0].mv_rounds.empty());
    EXPECT_EQ(g_world.mv_competitions[0].mv_conditions.size(), 2u);
    EXPECT_EQ(g_world.mv_competitions[0].mv_history.size(), 1u);
    EXPECT_EQ(g_world.mv_competitions[1].mv_history.size(), 1u);
}

TEST(Competition, ConditionsOfADayFallBackToTheLastDay) {
    Competition c;
    EXPECT_EQ(c.Conditions(0).m_oversForDay, 0);
    PlayingConditions first, second;
    first.m_day = 0;
    first.m_oversForDay = 90;
    second.m_day = 1;
    second.m_oversForDay = 96;
    c.mv_conditions = {first, second};
    EXPECT_EQ(c.Conditions(0).m_oversForDay, 90);
    EXPECT_EQ(c.Conditions(1).m_oversForDay, 96);
    EXPECT_EQ(c.Conditions(4).m_oversForDay, 96);
}

}  // namespace
}  // namespace ravel
