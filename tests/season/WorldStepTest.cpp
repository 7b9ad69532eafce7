#include <filesystem>
#include <memory>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/DayMachine.h"
#include "season/Squads.h"
#include "season/WorldStep.h"
#include "world/PlayerHistory.h"
#include "world/SaveGame.h"
#include "world/Services.h"

namespace ravel {
namespace {

class WorldStep : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        InstallServices(nullptr);
        InstallDayScreenServices(nullptr);
        m_saves = std::filesystem::temp_directory_path() /
                  ("ravel_worldstep_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_saves);
        SetSavesFolder(m_saves.string());
    }
    void TearDown() override {
        ResetMatchLists();
        SetSavesFolder("");
        std::filesystem::remove_all(m_saves);
    }

    static void AddEvent(int season, int type, int day, int competition) {
        CompetitionEvent e;
        e.m_season = season;
        e.m_type = type;
        e.m_dayOfSeason = day;
        e.m_competition = competition;
        g_world.mv_events.push_back(e);
    }

    static void SetDay(int season, int day) {
        g_cricket.m_date.m_season = season;
        g_cricket.m_date.m_dayOfSeason = day;
    }

    std::filesystem::path m_saves;
};

TEST_F(WorldStep, EventSeasons) {
    struct Case {
        int event;
        int season;
        bool fires;
    };
    const Case cases[] = {
        {EVERY_EVEN_SEASON, 362, true},
        {EVERY_EVEN_SEASON, 363, false},
        {EVERY_ODD_SEASON, 363, true},
        {EVERY_ODD_SEASON, 364, false},
        {364, 364, true},
        {364, 366, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EventSeasonMatches(c.event, c.season), c.fires) << c.event << " " << c.season;
}

TEST_F(WorldStep, EvenSeasonEventFiresOnceAndIsReArmedAtTheTurn) {
    AddLeague(3, 4);
    AddEvent(EVERY_EVEN_SEASON, EVENT_START_SEASON, 5, 3);
    AddEvent(EVERY_EVEN_SEASON, EVENT_NEW_SEASON, 182, 0);
    SetDay(362, 5);
    FireCompetitionEvents();
    EXPECT_EQ(CompetitionById(3)->m_status, COMP_RUNNING);
    EXPECT_TRUE(g_world.mv_events[0].m_fired);
    const size_t fixtures = g_world.mv_fixtures.size();
    FireCompetitionEvents();
    EXPECT_EQ(g_world.mv_fixtures.size(), fixtures) << "fired once";

    SetDay(362, 182);
    FireCompetitionEvents();
    EXPECT_EQ(g_cricket.m_date.m_season, 363);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, -1);
    EXPECT_FALSE(g_world.mv_events[0].m_fired);
    EXPECT_FALSE(g_world.mv_events[1].m_fired);

    SetDay(363, 5);
    FireCompetitionEvents();
    EXPECT_FALSE(g_world.mv_events[0].m_fired) << "not in an odd season";
}

TEST_F(WorldStep, NewSeasonClosesTheOldOne) {
    AddTeam(1001);
    AddTeam(1002);
    Player& p = AddPlayer();
    p.m_birthYear = 1985;
    p.m_potential = 10;
    p.m_stats[STATS_SEASON_FC].m_matches = 3;
    p.m_stats[STATS_SEASON_FC].m_runs = 150;
    p.m_stats[STATS_CAREER_FC].m_runs = 900;
    Fixture f;
    f.m_home = 1001;
    f.m_away = 1002;
    f.m_id = 1;
    f.m_match = 42;
    f.m_state = FIXTURE_IN_PROGRESS;
    g_world.mv_fixtures.push_back(f);
    auto m = std::make_unique<Match>();
    m->mi_id = 42;
    m->mi_resultKind = RESULT_WON_BOWLING_LAST;
    m->mi_margin = 30;
    m->mi_winner = 1002;
    g_completedMatches.push_back(std::move(m));
    g_world.mv_records.assign(1, RecordsTable());
    RecordEntry& e = g_world.mv_records[0].Section(REC_HIGHEST_TOTAL)[0];
    e.m_team = 1001;
    e.m_value = 500;

    SetDay(362, 182);
    StartNewSeason();
    EXPECT_EQ(g_cricket.m_date.m_season, 363);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, -1);
    EXPECT_NE(g_almanackTitle.find("363"), std::string::npos);
    const Fixture& played = g_world.mv_fixtures[0];
    EXPECT_EQ(played.m_state, FIXTURE_PLAYED);
    EXPECT_EQ(played.m_match, -1);
    EXPECT_EQ(played.m_result[0], RESULT_WON_BOWLING_LAST);
    EXPECT_EQ(played.m_result[1], 30);
    EXPECT_EQ(played.m_result[2], 1002);
    EXPECT_TRUE(g_completedMatches.empty());
    EXPECT_EQ(e.m_team, -1) << "records frozen";
    EXPECT_STREQ(e.TeamText(), "Club 1001");

    const Player& after = g_world.mv_players[1];
    EXPECT_EQ(after.m_stats[STATS_SEASON_FC].m_runs, 0);
    EXPECT_EQ(after.m_stats[STATS_SEASON_FC].m_season, 363);
    EXPECT_EQ(after.m_stats[STATS_CAREER_FC].m_runs, 900);

    std::vector<PlayerStats> history;
    ReadPlayerHistory(history, 1);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].m_season, 362);
    EXPECT_EQ(history[0].m_kind, KIND_FIRST_CLASS);
    EXPECT_EQ(history[0].m_runs, 150);
    EXPECT_TRUE(DayScreens().Showing(DayPage::AUTO_SIMULATION)) << "nobody coaches a side this season";
    EXPECT_EQ(g_dayScreenState.m_autoStopRule, AUTO_TO_NEXT_SEASON);
    EXPECT_TRUE(g_cricket.m_autoSimulate);
}

TEST_F(WorldStep, HistoriesMergeSeasonBySeason) {
    AddPlayer();
    AddPlayer();
    g_world.mv_players[1].m_stats[STATS_SEASON_ODI].m_matches = 2;
    g_world.mv_players[2].m_stats[STATS_SEASON_TEST].m_matches = 1;
    ASSERT_TRUE(MergePlayerHistories(362));
    g_world.mv_players[1].m_stats[STATS_SEASON_ODI].m_matches = 4;
    g_world.mv_players[2].m_stats[STATS_SEASON_TEST].m_matches = 0;
    ASSERT_TRUE(MergePlayerHistories(363));
    std::vector<PlayerStats> history;
    ReadPlayerHistory(history, 1);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].m_season, 362);
    EXPECT_EQ(history[0].m_matches, 2);
    EXPECT_EQ(history[1].m_season, 363);
    EXPECT_EQ(history[1].m_matches, 4);
    EXPECT_EQ(history[1].m_kind, KIND_ODI);
    ReadPlayerHistory(history, 2);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].m_kind, KIND_TEST);
    EXPECT_EQ(ReadAllPlayerHistories().size(), 3u);
}

TEST_F(WorldStep, CoachWithAJobThisSeasonKeepsControl) {
    struct Case {
        int national;
        int clubCountry;  // 0: no club job
        int newSeason;
        bool autoSim;
    };
    const Case cases[] = {
        {3, 0, 363, false},  // a national job always counts
        {0, 2, 364, false},  // a northern club in an even season
        {0, 2, 363, true},   // ... is idle in an odd one
        {0, 5, 363, false},  // a southern club in an odd season
        {0, 0, 364, true},   // no job
    };
    for (const Case& c : cases) {
        ResetGameState();
        g_world.mv_players.resize(1);
        Team& club = AddTeam(1001);
        club.m_country = c.clubCountry;
        g_userCoaches.assign(1, UserCoach{});
        g_userCoaches[0].m_staff.m_nationalJob = c.national;
        g_userCoaches[0].m_staff.m_clubJob = c.clubCountry ? 1001 : 0;
        SetDay(c.newSeason - 1, 182);
        StartNewSeason();
        EXPECT_EQ(g_cricket.m_autoSimulate, c.autoSim)
            << c.national << " " << c.clubCountry << " " << c.newSeason;
    }
}

TEST_F(WorldStep, CareerEndsAfterTheLastSeason) {
    AddEvent(EVERY_EVEN_SEASON, EVENT_NEW_SEASON, 182, 0);
    AddEvent(EVERY_EVEN_SEASON, EVENT_CLOSE, 182, 3);
    AddLeague(3, 4);
    SetDay(LAST_CAREER_SEASON, 182);
    FireCompetitionEvents();
    EXPECT_EQ(g_cricket.m_date.m_season, LAST_CAREER_SEASON + 1);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, 182) << "the turn stops at once";
    EXPECT_FALSE(g_world.mv_events[1].m_fired) << "no further event";
    EXPECT_EQ(g_dayScreenState.m_autoStopRule, AUTO_CAREER_OVER);
    EXPECT_TRUE(DayScreens().Showing(DayPage::AUTO_SIMULATION));
}

// Without its roll-over event a season still ends on its last day: the next
// morning's world step turns it.
TEST_F(WorldStep, SeasonWithoutItsRollOverTurnsTheDayAfterItsEnd) {
    struct Case {
        int season, lastDay;
        int day, month, year;  // the first day of the next season
    };
    for (Case c : {Case{362, 182, 1, 10, 2006}, Case{363, 181, 1, 4, 2007}}) {
        g_world.mv_events.clear();
        g_cricket.m_date = GameDate::FromSeasonDay(c.lastDay, c.season);
        DailyWorldStep();
        EXPECT_EQ(g_cricket.m_date.m_season, c.season) << "the last day is still the season's";
        g_cricket.m_date.NextDay();
        DailyWorldStep();
        EXPECT_EQ(g_cricket.m_date.m_season, c.season + 1);
        EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, 0);
        EXPECT_EQ(g_cricket.m_date.m_day, c.day);
        EXPECT_EQ(g_cricket.m_date.m_month, c.month);
        EXPECT_EQ(g_cricket.m_date.m_year, c.year);
    }
}

TEST_F(WorldStep, DailyStepKeepsTheWorldStateAndRebuildsTheTablesFrom2010) {
    Competition table;
    table.m_id = COMP_TEST_CHAMPIONSHIP;
    table.m_status = COMP_RUNNING;
    table.mv_standings = {StandingsRow(1, COMP_TEST_CHAMPIONSHIP)};
    g_world.mv_competitions.push_back(table);
    TourSeries series;
    series.m_id = 601;
    series.m_home = 1;
    series.m_away = 2;
    series.m_startYear = 2008;
    series.m_homeCount = 4;
    series.m_homePoints = 480;
    g_world.mv_tourSeries.push_back(series);
    Tour other;
    other.m_series = 601;
    other.m_season = 360;
    other.mv_steps = {{92, TOUR_START}};
    g_world.mv_tours.push_back(other);
    g_userCoaches.resize(1);
    g_userCoaches[0].m_staff.m_nationalJob = 4;
    g_userCoaches[0].m_staff.m_clubJob = 1001;
    g_userCoaches[0].m_daily[DAILY_DAY_STARTED] = 1;

    struct Case {
        int year;
        bool rebuilt;
    };
    for (const Case c : {Case{2009, false}, Case{2010, true}}) {
        CompetitionById(COMP_TEST_CHAMPIONSHIP)->mv_standings[0].m_testCount = 0;
        g_cricket.m_date.m_day = 1;
        g_cricket.m_date.m_month = 1;
        g_cricket.m_date.m_year = c.year;
        SetDay(363, 92);
        DailyWorldStep();
        EXPECT_EQ(CompetitionById(COMP_TEST_CHAMPIONSHIP)->mv_standings[0].m_testCount, c.rebuilt ? 4 : 0)
            << c.year;
    }
    EXPECT_EQ(g_cricket.m_climateMonth, 0);
    EXPECT_EQ(g_cricket.m_team, 4) << "a national job comes first";
    EXPECT_EQ(g_userCoaches[0].m_daily[DAILY_DAY_STARTED], 0);
    EXPECT_EQ(g_world.mv_tours[0].m_state, TOUR_NOT_STARTED) << "a tour of another season is left alone";
}

TEST_F(WorldStep, WindowShutsOnDayThirtyNorthAndThirtyOneSouth) {
    struct Case {
        int season;
        int day;
        bool shut;
    };
    const Case cases[] = {{363, 30, false}, {363, 31, true}, {362, 30, true}, {362, 31, false}};
    for (const Case& c : cases) {
        ResetGameState();
        g_world.mv_players.resize(1);
        Team& club = AddTeam(1001);
        club.m_country = c.season % 2 == 0 ? NORTHERN_COUNTRY : 5;
        Player& p = AddPlayer();
        ClubIn(p, HemisphereOfSeason(c.season)) = 1001;
        SeasonsIn(p, HemisphereOfSeason(c.season)) = 3;
        club.m_squad[0] = p.m_id;
        SetDay(c.season, c.day);
        DailyWorldStep();
        EXPECT_EQ(SeasonsIn(g_world.mv_players[1], HemisphereOfSeason(c.season)), c.shut ? 2 : 3)
            << "season " << c.season << " day " << c.day;
    }
}

TEST_F(WorldStep, PlayersDevelopWithAgeAndPotential) {
    for (int age : {20, 29, 36}) {
        Player p;
        p.m_potential = 30;
        for (int32_t& s : p.m_batSkill) s = 50;
        p.m_bowlSkill[0] = 50;
        int32_t before = 0, after = 0;
        for (int32_t s : p.m_batSkill) before += s;
        for (int round = 0; round < 6; ++round) DevelopPlayer(p, age);
        for (int32_t s : p.m_batSkill) after += s;
        if (age < 27) {
            EXPECT_GT(after, before) << age;
            EXPECT_LT(p.m_potential, 30) << "growth uses up potential";
        } else if (age < 32) {
            EXPECT_EQ(after, before) << age;
        } else {
            EXPECT_LT(after, before) << age;
        }
        for (int32_t s : p.m_batSkill) {
            EXPECT_GE(s, 1);
            EXPECT_LE(s, 99);
        }
    }
    EXPECT_EQ(RetirementChance(25), 0);
    for (int age = 33; age < 45; ++age) EXPECT_LE(RetirementChance(age), RetirementChance(age + 1)) << age;
    EXPECT_LT(RetirementChance(45), 100);
}

// A youngster realises his potential by the peak age, however late he came
// in: his trade by the whole of it, his fielding too, his other skills by
// half; his scoring speed is his style and stays.
TEST_F(WorldStep, YoungPlayersGrowByTheirPotentialToThePeak) {
    struct Case {
        int batPosition;
        int keeper;
        int startAge;
    };
    const Case cases[] = {{3, 0, 18}, {3, 0, 22}, {3, 0, 26}, {9, 0, 20}, {9, 0, 25}, {6, 1, 21}};
    constexpr int POTENTIAL = 24;
    for (const Case& c : cases) {
        Player p;
        p.m_batPosition = c.batPosition;
        p.m_keeper = c.keeper;
        p.m_potential = POTENTIAL;
        for (int32_t& s : p.m_batSkill) s = 40;
        for (int32_t& s : p.m_bowlSkill) s = 40;
        for (int32_t& s : p.m_fieldSkill) s = 40;
        for (int32_t& s : p.m_keepSkill) s = 40;
        const Player before = p;
        for (int age = c.startAge; age < 27; ++age) {
            DevelopPlayer(p, age);
            DevelopPlayer(p, age);
        }
        const int trade = TradeLevel(p) - TradeLevel(before);
        // A potential of 1 is a player fully grown.
        EXPECT_NEAR(trade, POTENTIAL - 1, 2) << c.startAge;
        int field = 0;
        for (int i = 0; i < 4; ++i) field += p.m_fieldSkill[i] - before.m_fieldSkill[i];
        EXPECT_NEAR(field / 4, POTENTIAL - 1, 4) << c.startAge;
        int other = 0;
        for (int i = 0; i < 4; ++i)
            other += c.batPosition < 7 ? p.m_bowlSkill[i] - before.m_bowlSkill[i]
                                       : p.m_batSkill[i] - before.m_batSkill[i];
        EXPECT_NEAR(other / 4, (POTENTIAL - 1) / 2, 3) << c.startAge;
        EXPECT_EQ(p.m_batSkill[6], before.m_batSkill[6]) << c.startAge;
        EXPECT_EQ(p.m_potential, 1) << "used up, to a value that draws no new one";
        const Player peak = p;
        for (int age = 27; age < 32; ++age) DevelopPlayer(p, age);
        EXPECT_EQ(TradeLevel(p), TradeLevel(peak)) << "no growth past the peak";
    }
}

// Twenty years of turns, retirements and newcomers: the level of the players
// at their peak stays where it was, for each country and trade.
TEST_F(WorldStep, SkillsStayStationaryOverACareer) {
    struct Nation {
        int id;
        int classLevel;
    };
    const Nation nations[] = {{1, 70}, {2, 50}};
    g_cricket.m_date.m_day = 30;
    g_cricket.m_date.m_month = 9;
    g_cricket.m_date.m_year = 2006;
    for (const Nation& n : nations) {
        for (int i = 0; i < 160; ++i) {
            Player& p = AddPlayer();
            p.m_country = n.id;
            p.m_batPosition = i % 2 == 0 ? 3 : 9;
            const int age = 18 + i % 20;
            p.m_birthYear = 2006 - age;
            p.m_birthMonth = 1 + i % 12;
            p.m_birthDay = 1;
            // At his class from the peak on, short of it by his potential
            // before, and past it by the fade after.
            const int level = n.classLevel + i % 11 - 5;
            p.m_potential = std::max(2 * (27 - age), 0) + 1;
            const int now = level - (p.m_potential - 1) - (age > 31 ? 2 * (age - 31) : 0);
            const bool batsman = i % 2 == 0;
            for (int32_t& s : p.m_batSkill) s = batsman ? now : 15;
            for (int32_t& s : p.m_bowlSkill) s = batsman ? 15 : now;
            for (int32_t& s : p.m_fieldSkill) s = 60;
            for (int32_t& s : p.m_keepSkill) s = 5;
        }
    }
    auto peakLevel = [](int country, Trade trade) {
        int sum = 0, count = 0;
        for (const Player& p : g_world.mv_players) {
            const int age = p.Age();
            if (p.m_id <= 0 || p.m_country != country || TradeOf(p) != trade || age < 27 || age > 31)
                continue;
            sum += TradeLevel(p);
            ++count;
        }
        return count > 0 ? sum / count : 0;
    };
    int replaced = 0;
    for (int turn = 0; turn < 40; ++turn) {
        if (turn % 2 == 0) {
            g_cricket.m_date.m_month = 3;
            ++g_cricket.m_date.m_year;
        } else {
            g_cricket.m_date.m_month = 9;
        }
        replaced += SeasonTurnover().m_newPlayers;
    }
    EXPECT_GT(replaced, 160) << "most of the first players have retired";
    for (const Nation& n : nations)
        for (Trade trade : {TRADE_BATTING, TRADE_BOWLING})
            // Within what a cohort of a score of players wanders by chance.
            EXPECT_NEAR(peakLevel(n.id, trade), n.classLevel, 7) << "country " << n.id << " trade " << trade;
}

TEST_F(WorldStep, RetiringPlayerLeavesHisSidesForANewOne) {
    Team& club = AddTeam(1001);
    Country& country = AddCountry(3, "Country");
    Player& p = AddPlayer();
    p.m_retiring = 1;
    p.m_country = 3;
    p.m_northClub = 1001;
    p.m_birthYear = 1990;
    const int id = p.m_id;
    club.m_squad[0] = id;
    country.mv_testSquad = {id};
    country.m_xi[XI_CAPTAIN] = id;
    Player& settled = AddPlayer();
    settled.m_birthYear = 1976;  // settled: his drawn potential is not used up
    settled.m_potential = 0;
    const TurnoverCounts counts = SeasonTurnover();
    EXPECT_EQ(counts.m_retired, 1);
    EXPECT_EQ(counts.m_newPlayers, 1);
    const Player& replaced = g_world.mv_players[static_cast<size_t>(id)];
    EXPECT_EQ(replaced.m_northClub, 0);
    EXPECT_TRUE(replaced.m_generated);
    EXPECT_LE(TeamById(1001)->m_squad[0], 0);
    EXPECT_TRUE(CountryById(3)->mv_testSquad.empty());
    EXPECT_EQ(CountryById(3)->m_xi[XI_CAPTAIN], -1);
    EXPECT_GE(g_world.mv_players[2].m_potential, 1) << "a missing potential is drawn";
}

}  // namespace
}  // namespace ravel
