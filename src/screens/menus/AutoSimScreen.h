// Screen 128: the auto-simulation, one whole day of the world per tick until
// the user's side has a fixture or the stop rule is met, with his latest news
// and a progress bar; and the career-over page, left only by Q. It keeps
// its run while the news page answers a message, so as to resume it.
#pragma once

#include <cstdint>

#include "shell/Screen.h"

namespace ravel {

enum AutoSimMode : int32_t {
    AUTO_MODE_SEASON_END = 2,  // until a new season has begun
    AUTO_MODE_DAY = 3,         // until a given day of the season
};

// Days of a season the progress bar spans; later days show a full bar.
inline constexpr float AUTO_BAR_DAYS = 181.0f;
inline constexpr int AUTO_NEWS_LINES = 16;

struct AutoSimState {
    int32_t m_mode = AUTO_MODE_SEASON_END;
    int32_t m_startSeason = 0;
    int32_t m_stopDay = 0;  // AUTO_MODE_DAY: the day of season to stop on
    float m_percent = 0.0f;
    float m_careerOver = 0.0f;  // 1.0 on the career-over page
    int32_t m_tickCount = 0;
};

class CAutoSimScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Tick() override;
    void Render() override;
    void Leave() override;
    void Reset() override { m_kept = {}; }

    const AutoSimState& State() const { return m_kept.state; }

private:
    // Kept between visits.
    struct Kept {
        AutoSimState state;
        // Left for the news page to answer a message; Continue comes back here.
        bool waitingForAnswer = false;
    } m_kept;

    bool StopReached() const;
};

// Whether the user's current side has a fixture today.
bool UserSidePlaysToday();
// The side bar as a running career has it: every button enabled but Back and
// Forward, and Squad named after the user's side ("No team" without one).
void RestoreSideBarAfterAutoSim();

}  // namespace ravel
