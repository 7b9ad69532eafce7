// Screen 109, the top-rated players: the best batsmen or bowlers of the
// world still playing, by the player lists' "Bat Rating" and "Bowl Rating"
// orderings. A row opens the player's details.
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

class CButton;
class CHotSpot;

enum TopRatedList : int32_t {
    TOP_RATED_BATSMEN = 5501,
    TOP_RATED_BOWLERS = 5502,
};

inline constexpr int TOP_RATED_ROWS = 25;

struct CTopRatedScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();

    static int32_t s_list;  // kept across visits
    static std::vector<int32_t> sv_players;
    static CButton* s_btnBatsmen;
    static CButton* s_btnBowlers;
    static CHotSpot* s_rows[TOP_RATED_ROWS];
};

// The ids of the `count` best players not retired from all cricket by the
// list's rating, best first, ties by surname.
std::vector<int32_t> TopRatedPlayers(int list, int count);

}  // namespace ravel
