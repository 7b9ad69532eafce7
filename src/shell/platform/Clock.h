// Time: a high-resolution counter, a millisecond clock, sleeps and the local
// time. Under a manual clock (tests, tools) time stands still until advanced,
// and a sleep advances it instead of waiting.
#pragma once

#include <cstdint>

namespace ravel {

// Counts per second of PerformanceCounter; false when there is no counter.
bool QueryPerformanceFrequency(int64_t* frequency);
bool QueryPerformanceCounter(int64_t* counter);
uint32_t TimeGetTime();  // milliseconds
void Sleep(uint32_t milliseconds);

struct LocalTime {
    int year, month, day;  // month 1-12
    int hour, minute, second, millisecond;
};
LocalTime GetLocalTime();

void UseManualClock(bool manual);
bool ManualClock();
void AdvanceClock(uint64_t microseconds);
// The local time the manual clock reports.
void SetManualLocalTime(const LocalTime& time);

}  // namespace ravel
