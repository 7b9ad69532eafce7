#include <gtest/gtest.h>

#include <cstring>

#include "match/Conditions.h"
#include "match/StepTestWorld.h"

namespace ravel {
namespace {

using namespace test;

TEST(MatchConditions, WeatherCodeByTheClimateThresholds) {
    BuildWorld();  // thresholds 20, 40, 60, 80, 95
    const Ground& ground = g_world.mv_grounds[0];
    struct Case {
        int roll;
        int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {0, WEATHER_SUNNY, "Sunny"},        {19, WEATHER_SUNNY, "Sunny"},   {20, WEATHER_FINE, "Fine"},
        {45, WEATHER_OVERCAST, "Overcast"}, {79, WEATHER_CLOUDY, "Cloudy"}, {80, WEATHER_SHOWERS, "Showers"},
        {95, WEATHER_RAIN, "Rain"},         {100, WEATHER_RAIN, "Rain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roll);
        EXPECT_EQ(WeatherCode(ground, c.roll), c.code);
        EXPECT_STREQ(WeatherText(WeatherCode(ground, c.roll)), c.text);
        EXPECT_EQ(WeatherIcon(ground, c.roll, false), 104 + c.code);
        EXPECT_EQ(WeatherIcon(ground, c.roll, true), 113 + c.code);
    }
}

TEST(MatchConditions, ForecastMovesOnADayAndKeepsAWeek) {
    SeedRand(3);
    Climate climate;
    climate.mv_outlook = {1, 2, 3, 4, 5, 6, 7};
    AdvanceForecast(climate);
    ASSERT_EQ(climate.mv_outlook.size(), 7u);
    EXPECT_EQ(climate.mv_outlook[0], 2);
    EXPECT_EQ(climate.mv_outlook[5], 7);
    EXPECT_GE(climate.mv_outlook[6], 0);
    EXPECT_LE(climate.mv_outlook[6], 100);

    Climate empty;
    AdvanceForecast(empty);
    EXPECT_EQ(empty.mv_outlook.size(), 7u);
}

TEST(MatchConditions, PitchWordsAndIcons) {
    struct Case {
        float value;
        int32_t bounceIcon, turnIcon;
    };
    const Case cases[] = {{0.0f, 123, 128},  {1.9f, 123, 128}, {2.0f, 124, 129}, {9.9f, 127, 132},
                          {10.1f, 127, 132}, {10.2f, 86, 86},  {-0.1f, 86, 86}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(PitchBounceIcon(c.value), c.bounceIcon);
        EXPECT_EQ(PitchTurnIcon(c.value), c.turnIcon);
        EXPECT_GT(std::strlen(PitchBounceText(c.value)), 0u);
        EXPECT_GT(std::strlen(PitchTurnText(c.value)), 0u);
    }
    EXPECT_STREQ(BallAgeText(100.0f), "New");
    EXPECT_STREQ(BallAgeText(5.0f), "Very old");
    EXPECT_STREQ(PitchWearText(0.0f), "Fresh");
    EXPECT_STREQ(PitchWearText(7.0f), "Crumbling");
    EXPECT_STREQ(MonthName(1), "January");
    EXPECT_STREQ(MonthName(12), "December");
    EXPECT_STREQ(MonthName(13), "");
}

TEST(MatchConditions, RainAndBallAgeIcons) {
    struct Rain {
        float level;
        int32_t icon;
    };
    for (const Rain& c : {Rain{0.0f, 111}, Rain{14.9f, 111}, Rain{15.0f, 112}, Rain{60.0f, 112},
                          Rain{60.1f, 113}, Rain{100.0f, 113}}) {
        EXPECT_EQ(RainIcon(c.level), c.icon) << c.level;
    }
    struct Age {
        int32_t overs, icon;
    };
    for (const Age& c : {Age{0, 0}, Age{9, 0}, Age{10, 1}, Age{19, 1}, Age{20, 2}, Age{34, 2}, Age{35, 3},
                         Age{49, 3}, Age{50, 4}, Age{64, 4}, Age{65, 5}, Age{140, 5}}) {
        EXPECT_EQ(BallAgeIcon(c.overs), c.icon) << c.overs;
    }
}

TEST(MatchConditions, PitchWearsAndTurnsMoreAsTheMatchGoesOn) {
    BuildWorld();
    Match& match = StartComputerMatch(COMP_FC);
    match.mf_turn = 9.8f;
    match.mf_bounce = 0.05f;
    float turn = match.mf_turn;
    for (int over = 0; over < 400; ++over) match.UpdatePitch(PITCH_OVER);
    match.UpdatePitch(PITCH_OVERNIGHT);
    EXPECT_GE(match.mf_turn, turn);
    EXPECT_LE(match.mf_turn, 9.9f);
    EXPECT_GE(match.mf_bounce, 0.0f);
    EXPECT_NEAR(match.mf_pitchWear, 400 * match.mf_wear, 1e-3);
}

TEST(MatchConditions, RainClassFromTheMonthsRainDaysAndWarmth) {
    struct Case {
        int month, high, rainDays;
        int32_t rainClass;
    };
    const Case cases[] = {
        {5, 13, 12, 7},   // a cool maritime May: long rain
        {6, 30, 12, 5},   // as many rain days in a hot month: storms
        {7, 24, 12, 6},   // halfway between
        {8, 40, 3, 1},    // a dry hot month
        {9, 15, 40, 10},  // beyond the scale
        {1, 20, 0, 0},    // no rain days
    };
    Climate climate;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.month);
        climate.m_monthly[c.month - 1][0] = c.high;
        climate.m_monthly[c.month - 1][1] = c.rainDays;
        EXPECT_EQ(RainClass(&climate, c.month), c.rainClass);
    }
    EXPECT_EQ(RainClass(&climate, 13), 0);
    EXPECT_EQ(RainClass(nullptr, 5), 0);
}

TEST(MatchConditions, StandardHoursWhenACompetitionHoldsNone) {
    BuildWorld();
    g_world.mv_competitions[0].mv_conditions.clear();
    Match& match = StartComputerMatch(COMP_FC);
    EXPECT_LT(match.m_rules.m_times[TIME_START].m_hour, match.m_rules.m_times[TIME_LUNCH].m_hour);
    EXPECT_LT(match.m_rules.m_times[TIME_TEA].m_hour, match.m_rules.m_times[TIME_CLOSE].m_hour);
    EXPECT_GT(match.m_rules.m_oversForDay, 0);
}

}  // namespace
}  // namespace ravel
