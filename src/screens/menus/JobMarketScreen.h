// Screen 122, the job market: the coaching posts that are vacant or
// insecure, least secure first, and every coach by reputation. A row opens
// the side's page or the coach's profile.
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

enum JobMarketPage : int32_t {
    JOBS_AVAILABLE = 4001,
    JOBS_COACHES = 4002,
};

inline constexpr int JOB_ROWS = 25;
// Posts at or above this security are not on the market.
inline constexpr float SECURE_JOB = 85.0f;

struct CJobMarketScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();
    // Rows and scroll bar fitted to the list shown.
    static void UpdateRowButtons();
    // The list of the current page: side ids or coach-table positions.
    static void BuildJobLists();

    static int32_t s_page;
    static std::vector<int32_t> sv_jobs;
};

// The sides without a coach: the first ten countries, then the clubs below
// 3000, as side ids in table order.
std::vector<int32_t> CollectVacantJobs();

}  // namespace ravel
