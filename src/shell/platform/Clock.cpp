#include "shell/platform/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace ravel {

namespace {

bool s_manual = false;
uint64_t s_manualMicros = 0;
LocalTime s_manualLocal{2006, 4, 1, 9, 0, 0, 0};

uint64_t SteadyMicros() {
    using namespace std::chrono;
    return uint64_t(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

bool QueryPerformanceFrequency(int64_t* frequency) {
    if (!frequency) return false;
    *frequency = 1000000;
    return true;
}

bool QueryPerformanceCounter(int64_t* counter) {
    if (!counter) return false;
    *counter = int64_t(s_manual ? s_manualMicros : SteadyMicros());
    return true;
}

uint32_t TimeGetTime() {
    return uint32_t((s_manual ? s_manualMicros : SteadyMicros()) / 1000);
}

void Sleep(uint32_t milliseconds) {
    if (s_manual)
        s_manualMicros += uint64_t(milliseconds) * 1000;
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

LocalTime GetLocalTime() {
    if (s_manual) return s_manualLocal;
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    const int ms = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ms};
}

void UseManualClock(bool manual) {
    s_manual = manual;
}
bool ManualClock() {
    return s_manual;
}
void AdvanceClock(uint64_t microseconds) {
    s_manualMicros += microseconds;
}
void SetManualLocalTime(const LocalTime& time) {
    s_manualLocal = time;
}

}  // namespace ravel
