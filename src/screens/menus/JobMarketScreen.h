// Screen 122, the job market: the coaching posts that are vacant or
// insecure, least secure first, and every coach by reputation. A row opens
// the side's page or the coach's profile. It keeps the page last shown.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class CHotSpot;
class CScrollBar;

enum JobMarketPage : int32_t {
    JOBS_AVAILABLE = 4001,
    JOBS_COACHES = 4002,
};

inline constexpr int JOB_ROWS = 25;
// Posts at or above this security are not on the market.
inline constexpr float SECURE_JOB = 85.0f;

class CJobMarketScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    void Reset() override { m_kept = {}; }

    int32_t Page() const { return m_kept.page; }
    // Side ids or coach-table positions, as the page lists them.
    const std::vector<int32_t>& Jobs() const { return mv_jobs; }

    // Made by Enter, freed by Leave.
    CHotSpot* m_profile = nullptr;
    CButton* m_btnAvailable = nullptr;
    CButton* m_btnCoaches = nullptr;
    CHotSpot* m_rows[JOB_ROWS] = {};
    CScrollBar* m_scroll = nullptr;

private:
    // Kept between visits.
    struct Kept {
        int32_t page = JOBS_AVAILABLE;
    } m_kept;

    std::vector<int32_t> mv_jobs;
    ScreenControls m_controls;

    // Rows and scroll bar fitted to the list shown.
    void UpdateRowButtons();
    // The list of the current page.
    void BuildJobLists();
    void SwitchPage(int32_t page);
    int ScrollPosition() const;
};

// The sides without a coach: the first ten countries, then the clubs below
// 3000, as side ids in table order.
std::vector<int32_t> CollectVacantJobs();

}  // namespace ravel
