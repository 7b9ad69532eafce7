// Screen 126, contract talks: the user's coach puts a wage and a length to a
// player, his own (a renewal) or another club's or a free agent (an
// approach), against the player's demand and the board's wage allowance.
#pragma once

#include <cstdint>

#include "season/Contracts.h"

namespace ravel {

class CButton;

inline constexpr int WAGE_STEP = 500;
inline constexpr int LONGEST_CONTRACT = 5;

// The talks with the player for the club; a new offer (team -1) gets his
// demand, a resumed one keeps its terms. The side bar waits until they end.
void OpenContractScreen(int playerId, int teamId, ContractOffer offer);

struct CContractScreen {
    static void Enter();
    static void Update();
    static void Leave();
    static void Render();

    static int32_t s_player;
    static int32_t s_team;
    static ContractOffer s_offer;
    static int32_t s_allowance;

    static CButton* s_btnWageUp;
    static CButton* s_btnWageDown;
    static CButton* s_btnLengthUp;
    static CButton* s_btnLengthDown;
    static CButton* s_btnCancel;
    static CButton* s_btnOffer;
};

}  // namespace ravel
