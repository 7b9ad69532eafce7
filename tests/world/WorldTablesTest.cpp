#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "season/GameState.h"
#include "world/World.h"

namespace ravel {
namespace {

class WorldTablesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

// Fills each table with ids {10, 20, 20, 30} in order, so 20 is held twice.
void FillTables() {
    for (int id : {10, 20, 20, 30}) {
        g_world.mv_teams.push_back(Team{});
        g_world.mv_teams.back().m_id = id;
        g_world.mv_countries.push_back(Country{});
        g_world.mv_countries.back().m_id = id;
        g_world.mv_grounds.push_back(Ground{});
        g_world.mv_grounds.back().m_id = id;
        g_world.mv_climates.push_back(Climate{});
        g_world.mv_climates.back().m_id = id;
        g_world.mv_seasons.push_back(Season{});
        g_world.mv_seasons.back().m_season = id;
        g_world.mv_staff.push_back(StaffMember{});
        g_world.mv_staff.back().m_id = id;
        g_world.mv_injuryTypes.push_back(InjuryType{});
        g_world.mv_injuryTypes.back().m_id = id;
        g_world.mv_competitions.push_back(Competition{});
        g_world.mv_competitions.back().m_id = id;
        g_world.mv_tournaments.push_back(InternationalTournament{});
        g_world.mv_tournaments.back().m_kind = 30;  // the kind is never matched
        g_world.mv_tournaments.back().m_id = id;
        g_world.mv_fieldSetups.push_back(FieldSetup{});
        g_world.mv_fieldSetups.back().m_id = id;
        g_world.mv_tours.push_back(Tour{});
        g_world.mv_tours.back().m_id = id;
        g_world.mv_tourSeries.push_back(TourSeries{});
        g_world.mv_tourSeries.back().m_id = id;
        g_world.mv_series.push_back(Series{});
        g_world.mv_series.back().m_id = id;
        g_world.mv_fixtures.push_back(Fixture{});
        g_world.mv_fixtures.back().m_id = id;
    }
}

// The position a record look-up points at; -1 for nullptr, so the look-ups
// and the position searches are held to one table of cases.
template <typename Record>
int PositionOf(const std::vector<Record>& table, const Record* record) {
    return record ? static_cast<int>(record - table.data()) : -1;
}

struct Finder {
    const char* m_name;
    std::function<int(int)> m_find;
};

const Finder FINDERS[] = {
    {"team", FindTeamIndex},
    {"country", FindCountryIndex},
    {"ground", FindGroundIndex},
    {"climate", FindClimateIndex},
    {"season", FindSeasonIndex},
    {"staff", FindStaffMemberIndex},
    {"injury", FindInjuryTypeIndex},
    {"competition", FindCompetitionIndex},
    {"tournament", FindInternationalTournamentIndex},
    {"field setup", FindFieldSetupIndex},
    {"tour", FindTourIndex},
    {"tour series", FindTourSeriesIndex},
    {"series", FindSeriesIndex},
    {"fixture", FindFixtureIndex},
    {"team record", [](int id) { return PositionOf(g_world.mv_teams, TeamById(id)); }},
    {"country record", [](int id) { return PositionOf(g_world.mv_countries, CountryById(id)); }},
    {"ground record", [](int id) { return PositionOf(g_world.mv_grounds, GroundById(id)); }},
    {"climate record", [](int id) { return PositionOf(g_world.mv_climates, ClimateById(id)); }},
    {"staff record", [](int id) { return PositionOf(g_world.mv_staff, StaffMemberById(id)); }},
    {"injury record", [](int id) { return PositionOf(g_world.mv_injuryTypes, InjuryTypeById(id)); }},
    {"competition record", [](int id) { return PositionOf(g_world.mv_competitions, CompetitionById(id)); }},
    {"field setup record", [](int id) { return PositionOf(g_world.mv_fieldSetups, FieldSetupById(id)); }},
    {"tour record", [](int id) { return PositionOf(g_world.mv_tours, TourById(id)); }},
    {"tour series record", [](int id) { return PositionOf(g_world.mv_tourSeries, TourSeriesById(id)); }},
    {"series record", [](int id) { return PositionOf(g_world.mv_series, SeriesById(id)); }},
    {"fixture record", [](int id) { return PositionOf(g_world.mv_fixtures, FixtureById(id)); }},
};

TEST_F(WorldTablesTest, LookupsFindTheFirstHolderOfTheIdOrNothing) {
    FillTables();
    for (const Finder& f : FINDERS) {
        SCOPED_TRACE(f.m_name);
        EXPECT_EQ(f.m_find(10), 0);
        EXPECT_EQ(f.m_find(20), 1);  // the lower of two equal ids
        EXPECT_EQ(f.m_find(30), 3);
        // An unknown id is never turned into the first record.
        EXPECT_EQ(f.m_find(99), -1);
        EXPECT_EQ(f.m_find(0), -1);
        EXPECT_EQ(f.m_find(-1), -1);
    }
}

TEST_F(WorldTablesTest, LookupsOnEmptyTablesFindNothing) {
    for (const Finder& f : FINDERS) {
        SCOPED_TRACE(f.m_name);
        EXPECT_EQ(f.m_find(10), -1);
        EXPECT_EQ(f.m_find(0), -1);
    }
}

TEST_F(WorldTablesTest, TeamIdAtStaysInsideTheTable) {
    FillTables();
    const struct {
        int m_position;
        int m_id;
    } cases[] = {{-1, 0}, {0, 10}, {3, 30}, {4, 0}, {1000, 0}};
    for (const auto& c : cases) EXPECT_EQ(TeamIdAt(c.m_position), c.m_id) << c.m_position;
    ResetWorld();
    EXPECT_EQ(TeamIdAt(0), 0);
}

TEST_F(WorldTablesTest, PositionLookupsNeverLeaveTheTable) {
    EXPECT_EQ(PlayerById(0), nullptr);
    EXPECT_EQ(CountryAt(0), nullptr);
    FillTables();
    g_world.mv_players.resize(3);
    EXPECT_EQ(PlayerById(2), &g_world.mv_players[2]);
    EXPECT_EQ(PlayerById(3), nullptr);
    EXPECT_EQ(PlayerById(-1), nullptr);
    EXPECT_EQ(CountryAt(3), &g_world.mv_countries[3]);
    EXPECT_EQ(CountryAt(4), nullptr);
    EXPECT_EQ(CountryAt(-1), nullptr);
}

TEST_F(WorldTablesTest, SideNamesComeOnlyFromTheRecordWithTheId) {
    for (int id : {1001, 1002}) {
        g_world.mv_teams.push_back(Team{});
        g_world.mv_teams.back().m_id = id;
        std::snprintf(g_world.mv_teams.back().m_name, sizeof(Team::m_name), "Club %d", id);
        std::snprintf(g_world.mv_teams.back().m_shortName, sizeof(Team::m_shortName), "C%d", id);
    }
    for (int id : {1, 2}) {
        g_world.mv_countries.push_back(Country{});
        g_world.mv_countries.back().m_id = id;
        std::snprintf(g_world.mv_countries.back().m_name, sizeof(Country::m_name), "Land %d", id);
        std::snprintf(g_world.mv_countries.back().m_shortName, sizeof(Country::m_shortName), "L%d", id);
    }
    const struct {
        int m_id;
        const char* m_name;
        const char* m_short;
    } cases[] = {{1002, "Club 1002", "C1002"},
                 {2, "Land 2", "L2"},
                 {1999, "", ""},
                 {0, "", ""},
                 {-1, "", ""},
                 {3, "", ""}};
    for (const auto& c : cases) {
        EXPECT_STREQ(SideName(c.m_id), c.m_name) << c.m_id;
        EXPECT_STREQ(SideShortName(c.m_id), c.m_short) << c.m_id;
    }
}

TEST_F(WorldTablesTest, ResetEmptiesEveryTable) {
    FillTables();
    g_world.mv_players.resize(2);
    ResetWorld();
    EXPECT_TRUE(g_world.mv_teams.empty());
    EXPECT_TRUE(g_world.mv_players.empty());
    EXPECT_TRUE(g_world.mv_fixtures.empty());
}

}  // namespace
}  // namespace ravel
