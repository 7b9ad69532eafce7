// The player search: which players of the world match a request of a part
// of surname, a country and switches for batting-order groups, bowling
// types, keepers, injuries, retirements and players a club may sign now.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

struct PlayerFilter {
    int32_t m_sortIndex = 0;    // kept for the caller
    int32_t m_viewIndex = 0;    // kept for the caller
    std::string m_name;         // part of a surname; empty for any
    int32_t m_nationality = 0;  // first country; 0 or below for any
    int32_t m_team = 0;         // the club that searches, for m_available
    uint8_t m_testRetired = 0;  // each switch at 0 leaves out the players it names
    uint8_t m_odiRetired = 0;
    uint8_t m_openers = 0;        // favourite positions 1, 2
    uint8_t m_specialists = 0;    // 3..6
    uint8_t m_allRounders = 0;    // 6, 7
    uint8_t m_lateOrder = 0;      // 8, 9
    uint8_t m_tailEnders = 0;     // 10, 11
    uint8_t m_bowlTypes[7] = {};  // by bowling type; 0 no bowling
    uint8_t m_keepers = 0;
    uint8_t m_injured = 0;
    uint8_t m_limitNationality = 0;  // the caller's switch; m_nationality alone limits
    uint8_t m_available = 0;         // 1: only players m_team may sign now

    // Any country and every group, type, keeper and injury switch on; the
    // caller's integers, the name, the team and the retirement and
    // availability switches stay.
    void Reset();
};

// Ids of the players that pass the request, in table order. A club that
// does not exist may sign nobody.
void SearchPlayers(PlayerFilter request, std::vector<int32_t>& result);

}  // namespace ravel
