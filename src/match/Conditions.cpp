#include "match/Conditions.h"

#include <algorithm>
#include <cmath>

#include "match/Match.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

GameDate ClockAt(int hour, int minute) {
    GameDate time{};
    time.m_hour = hour;
    time.m_minute = minute;
    return time;
}

// Five bands of two points each over 0..10.
int Band(float value) {
    return std::clamp(static_cast<int>(value / 2.0f), 0, 4);
}

}  // namespace

int32_t WeatherCodeForClimate(const Climate* climate, int32_t roll) {
    static const int32_t codes[] = {WEATHER_SUNNY,  WEATHER_FINE,    WEATHER_OVERCAST,
                                    WEATHER_CLOUDY, WEATHER_SHOWERS, WEATHER_RAIN};
    if (!climate) return WEATHER_FINE;
    int band = 0;
    while (band < 5 && roll >= climate->m_thresholds[band]) ++band;
    return codes[band];
}

int32_t WeatherCode(const Ground& ground, int32_t roll) {
    return WeatherCodeForClimate(ClimateById(ground.m_climate), roll);
}

int32_t WeatherIcon(const Ground& ground, int32_t roll, bool flag) {
    return (flag ? 113 : 104) + WeatherCode(ground, roll);
}

const char* WeatherText(int32_t code) {
    switch (code) {
        case WEATHER_OVERCAST:
            return "Overcast";
        case WEATHER_CLOUDY:
            return "Cloudy";
        case WEATHER_SHOWERS:
            return "Showers";
        case WEATHER_FINE:
            return "Fine";
        case WEATHER_SUNNY:
            return "Sunny";
        case WEATHER_RAIN:
            return "Rain";
        default:
            return "Unknown";
    }
}

int32_t RainClass(const Climate* climate, int month) {
    if (!climate || month < 1 || month > 12) return 0;
    const float high = static_cast<float>(climate->m_monthly[month - 1][0]);
    const float rainDays = static_cast<float>(climate->m_monthly[month - 1][1]);
    // A rain day of a cool maritime month is hours of drizzle and a wet
    // outfield; one of a hot month is a short storm, often after play: the
    // class per rain day falls from 0.6 at a high of 18 degrees to 0.4 at 30.
    const float perRainDay = 0.6f - 0.2f * std::clamp((high - 18.0f) / 12.0f, 0.0f, 1.0f);
    return std::clamp(static_cast<int32_t>(std::lround(rainDays * perRainDay)), 0, 10);
}

void AdvanceForecast(Climate& climate) {
    if (!climate.mv_outlook.empty()) climate.mv_outlook.erase(climate.mv_outlook.begin());
    while (static_cast<int>(climate.mv_outlook.size()) < OUTLOOK_DAYS)
        climate.mv_outlook.push_back(Rand() % 101);
}

const char* PitchBounceText(float value) {
    static const char* const words[] = {"Very low", "Low", "Even", "Bouncy", "Very bouncy"};
    return words[Band(value)];
}

const char* PitchTurnText(float value) {
    static const char* const words[] = {"No turn", "Little turn", "Some turn", "Turning", "Big turn"};
    return words[Band(value)];
}

int32_t PitchBounceIcon(float value) {
    if (value < 0.0f || value > 10.1f) return ICON_NO_PITCH_FIGURE;
    return 123 + Band(value);
}

int32_t PitchTurnIcon(float value) {
    if (value < 0.0f || value > 10.1f) return ICON_NO_PITCH_FIGURE;
    return 128 + Band(value);
}

int32_t RainIcon(float rainLevel) {
    if (rainLevel < 15.0f) return 111;
    return rainLevel > 60.0f ? 113 : 112;
}

int32_t BallAgeIcon(int32_t overs) {
    constexpr int32_t FROM[] = {10, 20, 35, 50, 65};  // first over of icons 1 to 5
    int32_t icon = 0;
    for (int32_t from : FROM) {
        if (overs >= from) ++icon;
    }
    return icon;
}

const char* PitchWearText(float wear) {
    if (wear < 0.5f) return "Fresh";
    if (wear < 1.5f) return "Good";
    if (wear < 3.0f) return "Slightly worn";
    if (wear < 4.5f) return "Worn";
    if (wear < 6.0f) return "Very worn";
    return "Crumbling";
}

const char* BallAgeText(float ballValue) {
    if (ballValue >= 90.0f) return "New";
    if (ballValue >= 70.0f) return "Fairly new";
    if (ballValue >= 40.0f) return "Used";
    if (ballValue >= 15.0f) return "Old";
    return "Very old";
}

const char* MonthName(int month) {
    static const char* const names[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? names[month - 1] : "";
}

PlayingConditions StandardDayRules(int32_t matchType, int32_t length) {
    // Start, lunch, end of lunch, tea, end of tea, close: a day over days,
    // then a one-day match.
    static const int hours[2][SESSION_TIMES][2] = {
        {{11, 0}, {13, 0}, {13, 40}, {15, 40}, {16, 0}, {18, 0}},
        {{10, 15}, {13, 45}, {14, 30}, {16, 15}, {16, 30}, {18, 0}},
    };
    bool firstClass = IsFirstClassType(matchType);
    PlayingConditions rules{};
    const auto& day = hours[firstClass ? 0 : 1];
    for (int i = 0; i < SESSION_TIMES; ++i) rules.m_times[i] = ClockAt(day[i][0], day[i][1]);
    if (firstClass) {
        rules.m_oversForDay = 90;
        rules.m_newBallOvers = 80;
    } else {
        rules.m_oversForDay = length;
        // A bowler may bowl a fifth of the innings.
        rules.m_maxOversPerBowler = std::max(1, (length + 4) / 5);
        rules.m_restrictionOvers = length >= 40 ? 20 : 6;
    }
    return rules;
}

void Match::UpdatePitch(int kind) {
    switch (kind) {
        case PITCH_OVER:
            mf_pitchWear += mf_wear;
            mf_turn += mf_wear * 0.5f;
            mf_bounce -= mf_wear * 0.15f;
            break;
        case PITCH_AFTER_LUNCH:
        case PITCH_AFTER_TEA:
            mf_turn += mf_wear * 2.0f;
            break;
        case PITCH_OVERNIGHT:
            mf_turn += mf_wear * 10.0f;
            mf_bounce -= mf_wear * 5.0f;
            break;
        default:
            break;
    }
    mf_turn = std::clamp(mf_turn, 0.0f, 9.9f);
    mf_bounce = std::clamp(mf_bounce, 0.0f, 9.9f);
}

}  // namespace ravel
