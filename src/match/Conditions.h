// Pitch, ball and weather: the words and icons the screens show, the day's
// weather from a ground's climate, the climate's outlook, and the standard
// hours of play when a competition holds none.
#pragma once

#include <cstdint>

#include "world/Competitions.h"
#include "world/Records.h"

namespace ravel {

// Weather codes, most helpful to the seamers first.
enum WeatherKind : int32_t {
    WEATHER_OVERCAST = 1,
    WEATHER_CLOUDY = 2,
    WEATHER_SHOWERS = 3,
    WEATHER_FINE = 4,
    WEATHER_SUNNY = 5,
    WEATHER_RAIN = 6,
};

inline constexpr int OUTLOOK_DAYS = 7;
inline constexpr int ICON_NO_PITCH_FIGURE = 86;

// A climate's five rising thresholds place a roll of 0..100 from sunny
// (below the first) through fine, overcast, cloudy and showers to rain (at or
// above the fifth); its monthly rain days give the rain model's class.
int32_t WeatherCode(const Ground& ground, int32_t roll);
int32_t WeatherIcon(const Ground& ground, int32_t roll, bool flag);  // 105..110, 114..119 with the flag
int32_t WeatherCodeForClimate(const Climate* climate, int32_t roll);
const char* WeatherText(int32_t code);
// 0 dry .. 10 monsoon, by the month's rain days and how warm it is.
int32_t RainClass(const Climate* climate, int month);

// Moves the climate's seven-day outlook on by a day: today's value drops out
// and a new seventh day is rolled.
void AdvanceForecast(Climate& climate);

const char* PitchBounceText(float value);
const char* PitchTurnText(float value);
int32_t PitchBounceIcon(float value);  // 123..127
int32_t PitchTurnIcon(float value);    // 128..132
// The rain pictures while play is held up: 111 light below 15, 112 up to
// 60, 113 heavy above.
int32_t RainIcon(float rainLevel);
// The ball's wear by the overs bowled with it: 0 new (below 10) .. 5 (65 on).
int32_t BallAgeIcon(int32_t overs);
const char* PitchWearText(float wear);  // the match's wear so far
const char* BallAgeText(float ballValue);
const char* MonthName(int month);  // "January".."December"

// Hours of play for a match whose competition holds no conditions.
PlayingConditions StandardDayRules(int32_t matchType, int32_t length);

}  // namespace ravel
