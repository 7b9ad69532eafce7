#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "season/GameState.h"
#include "world/DbFile.h"
#include "world/GameDate.h"
#include "world/Player.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {
namespace {

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

TEST_F(PlayerTest, BattingWords) {
    const struct {
        int m_position;
        const char* m_code;
        const char* m_text;
    } roles[] = {
        {0, "?", "?"},
        {1, "OP", "Opener"},
        {2, "OP", "Opener"},
        {3, "MO", "Middle Order"},
        {5, "MO", "Middle Order"},
        {6, "AR", "All Rounder"},
        {7, "AR", "All Rounder"},
        {8, "LO", "Late Order"},
        {9, "LO", "Late Order"},
        {10, "TE", "Tail Ender"},
        {11, "TE", "Tail Ender"},
        {12, "?", "?"},
        {-1, "?", "?"},
    };
    Player p;
    for (const auto& r : roles) {
        p.m_batPosition = r.m_position;
        EXPECT_STREQ(p.BattingPositionCode(), r.m_code) << r.m_position;
        EXPECT_STREQ(p.BattingPositionText(), r.m_text) << r.m_position;
    }
    const struct {
        int m_hand;
        const char* m_code;
        const char* m_text;
    } hands[] = {{0, "RHB", "Right"}, {1, "LHB", "Left"}, {2, " ", " "}};
    for (const auto& h : hands) {
        p.m_batHand = h.m_hand;
        EXPECT_STREQ(p.BattingHandCode(), h.m_code);
        EXPECT_STREQ(p.BattingHandText(), h.m_text);
    }
}

TEST_F(PlayerTest, BowlingAndFieldingWords) {
    const struct {
        int m_keeper, m_arm, m_type, m_fieldPosition;
        const char* m_code;
        const char* m_text;
        const char* m_fielding;
    } cases[] = {
        {1, 0, 3, 0, "WK", "Wicket Keeper", "Wicket Keeper"},
        {2, 0, 0, 1, "-", "None", "Occ. Wicket Keeper"},
        {0, 0, 0, 0, "-", "None", "Mid/Covers"},
        {0, 0, 1, 1, "RF", "Right Arm Fast", "Slips"},
        {0, 0, 2, 2, "RFM", "Right Arm Fast Medium", "Boundary"},
        {0, 0, 3, 3, "RMF", "Right Arm Medium Fast", "None"},
        {0, 0, 4, 0, "RM", "Right Arm Medium", "Mid/Covers"},
        {0, 0, 5, 0, "OS", "Right Arm Off Spin", "Mid/Covers"},
        {0, 0, 6, 0, "LS", "Right Arm Leg Spin", "Mid/Covers"},
        {0, 1, 1, 0, "LF", "Left Arm Fast", "Mid/Covers"},
        {0, 1, 2, 0, "LFM", "Left Arm Fast Medium", "Mid/Covers"},
        {0, 1, 3, 0, "LMF", "Left Arm Medium Fast", "Mid/Covers"},
        {0, 1, 4, 0, "LM", "Left Arm Medium", "Mid/Covers"},
        {0, 1, 5, 0, "SLA", "Slow Left Arm", "Mid/Covers"},
        {0, 1, 6, 0, "CHI", "Left Arm Chinaman", "Mid/Covers"},
        {0, 0, 7, 0, " ", " ", "Mid/Covers"},
        {0, 1, -1, 0, " ", " ", "Mid/Covers"},
    };
    Player p;
    for (const auto& c : cases) {
        p.m_keeper = c.m_keeper;
        p.m_bowlArm = c.m_arm;
        p.m_bowlType = c.m_type;
        p.m_fieldPosition = c.m_fieldPosition;
        SCOPED_TRACE(c.m_text);
        EXPECT_STREQ(p.BowlingTypeCode(), c.m_code);
        EXPECT_STREQ(p.BowlingTypeText(), c.m_text);
        EXPECT_STREQ(p.FieldingText(), c.m_fielding);
    }
}

TEST_F(PlayerTest, MoraleAndAbilityBands) {
    const struct {
        int m_morale;
        const char* m_text;
    } morale[] = {{-5, "Rock bottom"}, {9, "Rock bottom"}, {10, "Very poor"}, {24, "Very poor"},
                  {25, "Poor"},        {49, "Poor"},       {50, "Ok"},        {60, "Good"},
                  {70, "Very good"},   {80, "Excellent"},  {89, "Excellent"}, {90, "Superb"},
                  {100, "Superb"}};
    Player p;
    for (const auto& m : morale) {
        p.m_morale = m.m_morale;
        EXPECT_STREQ(p.MoraleText(), m.m_text) << m.m_morale;
    }
    // Each morale word has a colour of its own, the same across its band.
    const auto colourAt = [&p](int value) {
        p.m_morale = value;
        return p.MoraleColour();
    };
    EXPECT_EQ(colourAt(25), colourAt(49));
    EXPECT_NE(colourAt(49), colourAt(50));
    EXPECT_EQ(colourAt(-5), colourAt(9));
    const struct {
        int m_rating;
        const char* m_word;
    } ability[] = {{0, "Bad"},          {19, "Bad"},         {20, "Poor"}, {39, "Poor"},  {40, "Mediocre"},
                   {59, "Mediocre"},    {60, "Good"},        {74, "Good"}, {75, "Great"}, {87, "Great"},
                   {88, "World Class"}, {99, "World Class"}, {100, "Bad"}, {-3, "Bad"}};
    for (const auto& a : ability) EXPECT_STREQ(AbilityWord(a.m_rating), a.m_word) << a.m_rating;
}

TEST_F(PlayerTest, RatingWordsUseTruncatedMeans) {
    Player p;
    // Batting: (88 + 88 + 88 + 87) / 4 = 87.75, truncated to 87.
    const int bat[7] = {88, 88, 88, 87, 1, 1, 1};
    std::memcpy(p.m_batSkill, bat, sizeof bat);
    EXPECT_STREQ(p.BattingRatingWord(), "Great");
    // The word's colour is its band's, from the same truncated mean.
    EXPECT_EQ(p.BattingRatingColour(), AbilityColour(75));
    EXPECT_NE(p.BattingRatingColour(), AbilityColour(88));
    p.m_batSkill[3] = 88;
    EXPECT_STREQ(p.BattingRatingWord(), "World Class");
    EXPECT_EQ(p.BattingRatingColour(), AbilityColour(99));
    EXPECT_EQ(AbilityColour(100), AbilityColour(0)) << "past the scale reads Bad";

    const int bowl[4] = {40, 40, 40, 39};
    std::memcpy(p.m_bowlSkill, bowl, sizeof bowl);
    p.m_keepSkill[0] = 80;
    p.m_keepSkill[1] = 70;
    EXPECT_STREQ(p.BowlingRatingWord(), "Poor");
    p.m_keeper = 2;  // keepers are rated by their keeping
    EXPECT_STREQ(p.BowlingRatingWord(), "Great");
    p.m_keeper = 1;
    EXPECT_STREQ(p.BowlingRatingWord(), "Great");
    EXPECT_EQ(p.BowlingRatingColour(), AbilityColour(75));
}

TEST_F(PlayerTest, InjuryLengthWords) {
    const struct {
        int m_days;
        const char* m_text;
    } cases[] = {
        {-4, "-4 days"},
        {0, "a few days"},
        {1, "a day"},
        {2, "two days"},
        {5, "five days"},
        {6, "about a week"},
        {8, "about a week"},
        {9, "about ten days"},
        {10, "about ten days"},
        {11, "about two weeks"},
        {14, "about two weeks"},
        {16, "nearly three weeks"},
        {18, "about three weeks"},
        {24, "nearly four weeks"},
        {30, "nearly four weeks"},
        {31, "about a month"},
        {38, "about six weeks"},
        {52, "about two months"},
        {66, "about ten weeks"},
        {78, "about three months"},
        {104, "about three months"},
        {105, "about four months"},
        {131, "about five months"},
        {165, "about six months"},
        {200, "about seven months"},
        {230, "about eight months"},
        {260, "about nine months"},
        {290, "about ten months"},
        {320, "about eleven months"},
        {349, "about eleven months"},
        {350, "about a year"},
        {384, "about a year"},
        {385, "over a year"},
    };
    Player p;
    for (const auto& c : cases) {
        p.m_daysOut = c.m_days;
        EXPECT_EQ(p.InjuryLengthText(), c.m_text) << c.m_days;
    }
}

TEST_F(PlayerTest, AgeOnTheGameDate) {
    Player p;
    p.m_birthDay = 15;
    p.m_birthMonth = 6;
    p.m_birthYear = 1980;
    const struct {
        int m_day, m_month, m_year, m_age;
    } cases[] = {
        {14, 6, 2006, 25}, {15, 6, 2006, 26}, {1, 5, 2006, 25}, {1, 7, 2006, 26}, {31, 12, 2006, 26}};
    for (const auto& c : cases) {
        g_cricket.m_date.m_day = c.m_day;
        g_cricket.m_date.m_month = c.m_month;
        g_cricket.m_date.m_year = c.m_year;
        EXPECT_EQ(p.Age(), c.m_age) << c.m_day << "/" << c.m_month;
    }
}

TEST_F(PlayerTest, CurrentClubByHemisphereSeason) {
    const struct {
        int m_north, m_south, m_month, m_club;
    } cases[] = {
        {1001, 1500, 4, 1001}, {1001, 1500, 9, 1001}, {1001, 1500, 10, 1500}, {1001, 1500, 3, 1500},
        {0, 1500, 6, 1500},    {1001, 0, 12, 1001},   {0, 0, 6, 0},           {-1, -1, 1, 0},
    };
    Player p;
    for (const auto& c : cases) {
        p.m_northClub = c.m_north;
        p.m_southClub = c.m_south;
        g_cricket.m_date.m_month = c.m_month;
        EXPECT_EQ(p.CurrentClub(), c.m_club) << c.m_north << " " << c.m_south << " " << c.m_month;
    }
}

TEST_F(PlayerTest, ShortNameCutsWithAFullStop) {
    Player p;
    std::strcpy(p.m_surname, "Fairweather");
    const struct {
        int m_width;
        const char* m_text;
    } cases[] = {{999, "Fairweather"},
                 {11, "Fairweather"},
                 {10, "Fairweat."},
                 {5, "Fai."},
                 {2, "."},
                 {1, "."},
                 {0, "."},
                 {-7, "."}};
    for (const auto& c : cases) EXPECT_EQ(p.ShortName(c.m_width), c.m_text) << c.m_width;

    // A surname filling its whole field has no terminator of its own.
    std::memset(p.m_surname, 'x', sizeof p.m_surname);
    EXPECT_EQ(p.ShortName(20), std::string(18, 'x') + ".");
    EXPECT_EQ(p.ShortName(9999), std::string(sizeof p.m_surname, 'x'));
}

TEST_F(PlayerTest, ContractEndDates) {
    const struct {
        int m_month, m_kind, m_seasons;
        const char* m_text;
    } cases[] = {
        {4, 1, 2, "Apr 30 2007"},  {5, 1, 2, "Apr 30 2008"},  {1, 1, 1, "Apr 30 2006"},
        {10, 2, 1, "Oct 31 2006"}, {11, 2, 1, "Oct 31 2007"}, {6, 2, 3, "Oct 31 2008"},
    };
    for (const auto& c : cases) {
        g_cricket.m_date.m_month = c.m_month;
        g_cricket.m_date.m_year = 2006;
        EXPECT_EQ(ContractEndDateText(c.m_kind, c.m_seasons), c.m_text);
    }
}

TEST_F(PlayerTest, CountryEligibility) {
    g_world.mv_countries.resize(3);
    g_world.mv_countries[0].m_id = 2;
    g_world.mv_countries[1].m_id = 7;
    g_world.mv_countries[2].m_id = 9;
    g_world.mv_countries[2].m_group = 4;

    const struct {
        int m_country, m_country2, m_for;
        bool m_ok;
    } cases[] = {
        {2, 0, 2, true}, {7, 0, 7, true},  {7, 2, 2, true},  {7, 0, 2, false}, {9, 0, 2, true},
        {7, 9, 2, true}, {7, 2, 9, false}, {9, 0, 7, false}, {7, 5, 2, false},  // 5 is no country
    };
    Player p;
    for (const auto& c : cases) {
        p.m_country = c.m_country;
        p.m_country2 = c.m_country2;
        EXPECT_EQ(p.IsEligibleFor(c.m_for), c.m_ok)
            << c.m_country << "/" << c.m_country2 << " for " << c.m_for;
    }
    // An unknown nationality never borrows the first country's group.
    g_world.mv_countries[0].m_group = 4;
    p.m_country = 5;
    p.m_country2 = 0;
    EXPECT_FALSE(p.IsEligibleFor(2));
    EXPECT_TRUE(p.IsOfCountry(5));
    EXPECT_FALSE(p.IsOfCountry(2));
}

TEST_F(PlayerTest, ContractsAndRatings) {
    Player p;
    p.m_northClub = 1001;
    p.m_southClub = 1500;
    p.m_northWage = 30000;
    p.m_northSeasons = 2;
    p.m_southWage = 20000;
    p.m_southSeasons = 3;
    p.ClearContract(1500);
    EXPECT_EQ(p.m_southWage, 0);
    EXPECT_EQ(p.m_southSeasons, 0);
    EXPECT_EQ(p.m_northWage, 30000);
    p.ClearContract(1001);
    EXPECT_EQ(p.m_northWage, 0);
    EXPECT_EQ(p.m_northSeasons, 0);

    const int bat[7] = {50, 60, 70, 80, 30, 10, 99};
    std::memcpy(p.m_batSkill, bat, sizeof bat);
    const int bowl[4] = {40, 20, 20, 20};
    std::memcpy(p.m_bowlSkill, bowl, sizeof bowl);
    p.m_keepSkill[0] = 5;
    p.m_keepSkill[1] = 15;
    EXPECT_EQ(p.OverallRating(), 300);
    EXPECT_FLOAT_EQ(p.SkillMean(), 38.0f);
    EXPECT_FLOAT_EQ(p.BattingMean(), 50.0f);

    const struct {
        int m_type;
        float m_pace, m_spin;
    } values[] = {{0, 40.0f, 20.0f},  {1, 260.0f, 20.0f},  {2, 250.0f, 20.0f}, {3, 250.0f, 20.0f},
                  {4, 230.0f, 20.0f}, {5, 120.0f, 360.0f}, {6, 120.0f, 360.0f}};
    for (const auto& v : values) {
        p.m_bowlType = v.m_type;
        EXPECT_FLOAT_EQ(p.PaceValue(), v.m_pace) << v.m_type;
        EXPECT_FLOAT_EQ(p.SpinValue(), v.m_spin) << v.m_type;
    }

    Player empty;
    EXPECT_FLOAT_EQ(empty.SkillMean(), 1.0f);
}

TEST_F(PlayerTest, ResetStatsKeepsTheBlocksIdentity) {
    Player p;
    for (int b = 0; b < STATS_BLOCKS; ++b) {
        PlayerStats& s = p.m_stats[b];
        s.m_team = 1001;
        s.m_player = 12;
        s.m_season = 362;
        s.m_kind = b % 4 + 1;
        s.m_matches = 9;
        s.m_runs = 400;
        s.m_highestNotOut = 1;
        s.m_wickets = 20;
        s.m_bestMatchRuns = 55;
        s.m_haulsB = 2;
        s.m_battingAverage = 44.4;
        s.m_economy = 3.1;
    }
    p.ResetStats();
    for (const PlayerStats& s : p.m_stats) {
        EXPECT_EQ(s.m_team, 1001);
        EXPECT_EQ(s.m_player, 12);
        EXPECT_EQ(s.m_season, 362);
        EXPECT_EQ(s.m_matches, 0);
        EXPECT_EQ(s.m_runs, 0);
        EXPECT_EQ(s.m_highestNotOut, 0);
        EXPECT_EQ(s.m_wickets, 0);
        EXPECT_EQ(s.m_bestMatchRuns, 0);
        EXPECT_EQ(s.m_haulsB, 0);
        EXPECT_EQ(s.m_battingAverage, 0.0);
        EXPECT_EQ(s.m_economy, 0.0);
    }
    EXPECT_EQ(p.m_stats[5].m_kind, 2);
}

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset) {
    const uint8_t* p = bytes.data() + offset;
    return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

TEST_F(PlayerTest, FileRecordFieldByField) {
    Player p;
    p.m_id = 4711;
    std::strcpy(p.m_firstName, "Tom");
    std::strcpy(p.m_surname, "Ashdown");
    p.m_birthYear = 1981;
    p.m_southClub = 1502;
    p.m_potential = 61;
    p.m_batSkill[6] = 77;
    p.m_bowlType = 5;
    p.m_keepSkill[1] = 33;
    p.m_condition = 87.5f;
    p.m_injured = 1;
    p.m_daysOut = 12;
    p.m_intlDuty = 1;
    p.m_generated = 1;
    p.m_reserved520[3] = 0xab;  // bytes of no known meaning travel too
    p.m_stats[STATS_SEASON_ODI].m_kind = KIND_ODI;
    p.m_stats[STATS_SEASON_ODI].m_maidens = 9;
    p.m_stats[STATS_CAREER_FC].m_highestNotOut = 1;
    p.m_stats[STATS_CAREER_FC].m_bowlingAverage = NO_BOWLING_AVERAGE;

    DbWriter w;
    IoPlayerRecord(w, p);
    const std::vector<uint8_t>& bytes = w.Bytes();
    ASSERT_EQ(bytes.size(), sizeof(Player));
    const struct {
        size_t m_offset;
        int32_t m_value;
    } ints[] = {{0, 4711},
                {340, 1981},
                {356, 1502},
                {408, 61},
                {448, 77},
                {460, 5},
                {508, 33},
                {548, 12},
                {576 + 7 * 152 + 148, KIND_ODI},
                {576 + 7 * 152 + 64, 9}};
    for (const auto& f : ints) EXPECT_EQ(Int32At(bytes, f.m_offset), f.m_value) << f.m_offset;
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[4]), "Tom");
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[30]), "Ashdown");
    const int32_t condition = Int32At(bytes, 536);
    float read = 0.0f;
    std::memcpy(&read, &condition, 4);
    EXPECT_EQ(read, 87.5f);
    EXPECT_EQ(bytes[540], 1);
    EXPECT_EQ(bytes[553], 1);
    EXPECT_EQ(bytes[569], 1);
    EXPECT_EQ(bytes[523], 0xab);
    EXPECT_EQ(bytes[576 + 28], 1);

    DbReader r(bytes);
    Player back;
    IoPlayerRecord(r, back);
    EXPECT_FALSE(r.Bad());
    EXPECT_EQ(std::memcmp(&back, &p, sizeof p), 0);
}

// A wage-setting fixture: one club with money, a player aged 30 on the
// game date, and figures set per case.
class SetWageTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        g_world.mv_teams.resize(2);
        g_world.mv_teams[0].m_id = 1001;
        g_world.mv_teams[1].m_id = 1002;
        g_world.mv_teams[1].m_money = 800000.0f;  // bonus 10000
        m_player.m_birthYear = 1976;
        m_player.m_birthMonth = 1;
        m_player.m_birthDay = 1;
        m_player.m_northClub = 1002;
        m_player.m_southClub = 1500;
        for (int i = 0; i < 4; ++i) {
            m_player.m_batSkill[i] = 50;
            m_player.m_bowlSkill[i] = 50;
        }
        m_player.m_keepSkill[0] = 50;
        m_player.m_keepSkill[1] = 50;  // ten-skill mean 50
        m_player.m_stats[STATS_CAREER_FC].m_matches = 40;
    }

    // The value before the random deduction, from the deduction Rand() picks.
    int ValueBeforeDeduction(int sideId, int* seasons = nullptr) {
        SeedRand(77);
        const int roll = Rand();
        const int next = Rand();
        SeedRand(77);
        const int wage = m_player.SetWage(sideId);
        static const int DEDUCTIONS[3] = {1000, 1500, 2000};
        if (seasons) *seasons = next % 4 + 1;
        return wage + DEDUCTIONS[roll % 3];
    }

    Player m_player;
};

TEST_F(SetWageTest, ValueFromSkillsMoneyAndRecord) {
    // 50 x 400 + 10000 bonus.
    EXPECT_EQ(ValueBeforeDeduction(1002), 30000);
    // No bonus from a side that is not a club.
    EXPECT_EQ(ValueBeforeDeduction(44), 20000);

    m_player.m_stats[STATS_CAREER_FC].m_matches = 29;
    EXPECT_EQ(ValueBeforeDeduction(1002), 15000);
    m_player.m_valueFlag = 1;
    EXPECT_EQ(ValueBeforeDeduction(1002), 12000);  // 11250 lifted to the floor
}

TEST_F(SetWageTest, TestRecordRaisesTheValue) {
    PlayerStats& test = m_player.m_stats[STATS_CAREER_TEST];
    const struct {
        int m_matches, m_innings, m_notOuts, m_runs, m_wickets, m_conceded;
        double m_factor;
    } cases[] = {
        {16, 20, 0, 1020, 0, 0, 1.4},  // batting average 51
        {16, 20, 0, 820, 0, 0, 1.2},   // 41
        {16, 20, 0, 800, 0, 0, 1.0},   // exactly 40
        {15, 20, 0, 2000, 0, 0, 1.0},  // too few Tests
        {16, 2, 2, 0, 16, 384, 1.4},   // bowling average 24
        {16, 2, 2, 0, 16, 464, 1.2},   // 29
        {16, 2, 2, 0, 15, 100, 1.0},   // too few wickets
        {16, 20, 0, 1020, 301, 6020, 1.4 * 1.4 * 1.3},
    };
    for (const auto& c : cases) {
        test.m_matches = c.m_matches;
        test.m_innings = c.m_innings;
        test.m_notOuts = c.m_notOuts;
        test.m_runs = c.m_runs;
        test.m_wickets = c.m_wickets;
        test.m_runsConceded = c.m_conceded;
        EXPECT_NEAR(ValueBeforeDeduction(1002), 30000 * c.m_factor, 1.0)
            << c.m_matches << " " << c.m_runs << " " << c.m_wickets;
    }
}

TEST_F(SetWageTest, AveragesRecomputedWithNoValueMarks) {
    m_player.m_stats[STATS_CAREER_FC].m_innings = 3;
    m_player.m_stats[STATS_CAREER_FC].m_notOuts = 3;
    m_player.m_stats[STATS_CAREER_FC].m_runs = 120;
    m_player.m_stats[STATS_CAREER_TEST].m_innings = 5;
    m_player.m_stats[STATS_CAREER_TEST].m_notOuts = 1;
    m_player.m_stats[STATS_CAREER_TEST].m_runs = 90;
    m_player.m_stats[STATS_CAREER_TEST].m_wickets = 4;
    m_player.m_stats[STATS_CAREER_TEST].m_runsConceded = 100;
    m_player.SetWage(1002);
    EXPECT_EQ(m_player.m_stats[STATS_CAREER_FC].m_battingAverage, -1.0);
    EXPECT_EQ(m_player.m_stats[STATS_CAREER_FC].m_bowlingAverage, 9999.16015625);
    EXPECT_DOUBLE_EQ(m_player.m_stats[STATS_CAREER_TEST].m_battingAverage, 22.5);
    EXPECT_DOUBLE_EQ(m_player.m_stats[STATS_CAREER_TEST].m_bowlingAverage, 25.0);
}

TEST_F(SetWageTest, ContractGoesToTheSideAndNeverBelowTenThousand) {
    g_cricket.m_date.m_year = 1995;  // aged 18: skills count for little
    for (uint64_t seed = 1; seed < 40; ++seed) {
        SeedRand(seed);
        const int wage = m_player.SetWage(1500);
        EXPECT_GE(wage, 10000);
        EXPECT_LE(wage, 11000);
        EXPECT_EQ(m_player.m_southWage, wage);
        EXPECT_GE(m_player.m_southSeasons, 1);
        EXPECT_LE(m_player.m_southSeasons, 4);
        EXPECT_EQ(m_player.m_northWage, 0);
    }
    int seasons = 0;
    const int value = ValueBeforeDeduction(1002, &seasons);
    EXPECT_EQ(value, 12000);
    EXPECT_EQ(m_player.m_northSeasons, seasons);
    EXPECT_GT(m_player.m_northWage, 0);
}

}  // namespace
}  // namespace ravel
