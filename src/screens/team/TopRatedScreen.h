// Screen 109, the top-rated players: the best batsmen or bowlers of the
// world still playing, by the player lists' "Bat Rating" and "Bowl Rating"
// orderings. A row opens the player's details.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class CHotSpot;

enum TopRatedList : int32_t {
    TOP_RATED_BATSMEN = 5501,
    TOP_RATED_BOWLERS = 5502,
};

inline constexpr int TOP_RATED_ROWS = 25;

class CTopRatedScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    void Reset() override { m_kept = {}; }

    int32_t List() const { return m_kept.list; }
    const std::vector<int32_t>& Players() const { return mv_players; }

    // Made by Enter, freed by Leave.
    CButton* m_btnBatsmen = nullptr;
    CButton* m_btnBowlers = nullptr;
    CHotSpot* m_rows[TOP_RATED_ROWS] = {};

private:
    // Kept between visits: the list last shown.
    struct Kept {
        int32_t list = TOP_RATED_BATSMEN;
    } m_kept;

    std::vector<int32_t> mv_players;  // the rows shown
    ScreenControls m_controls;

    void ShowList(int32_t list);
};

// The ids of the `count` best players not retired from all cricket by the
// list's rating, best first, ties by surname.
std::vector<int32_t> TopRatedPlayers(int list, int count);

}  // namespace ravel
