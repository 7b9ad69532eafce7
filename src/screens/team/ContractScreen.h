// Screen 126, contract talks: the user's coach puts a wage and a length to a
// player, his own (a renewal) or another club's or a free agent (an
// approach), against the player's demand and the board's wage allowance.
#pragma once

#include <cstdint>

#include "screens/menus/ScreenControls.h"
#include "season/Contracts.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;

inline constexpr int WAGE_STEP = 500;
inline constexpr int LONGEST_CONTRACT = 5;

// The talks with the player for the club; a new offer (team -1) gets his
// demand, a resumed one keeps its terms. The side bar waits until they end.
void OpenContractScreen(int playerId, int teamId, ContractOffer offer);

class CContractScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Leave() override;
    void Render() override;
    void Reset() override { m_kept = {}; }

    // The talks of the next visit (OpenContractScreen).
    void SetTalks(int32_t playerId, int32_t teamId, const ContractOffer& offer);
    int32_t PlayerId() const { return m_kept.player; }
    const ContractOffer& Offer() const { return m_kept.offer; }
    ContractOffer& Offer() { return m_kept.offer; }
    int32_t Allowance() const { return m_allowance; }

    // Made by Enter, freed by Leave.
    CButton* m_btnWageUp = nullptr;
    CButton* m_btnWageDown = nullptr;
    CButton* m_btnLengthUp = nullptr;
    CButton* m_btnLengthDown = nullptr;
    CButton* m_btnCancel = nullptr;
    CButton* m_btnOffer = nullptr;

private:
    // The talks: the player, the club and the offer until it is stored.
    struct Kept {
        int32_t player = 0;
        int32_t team = 0;
        ContractOffer offer;
    } m_kept;

    int32_t m_allowance = 0;  // the board's, worked out on entering
    ScreenControls m_controls;

    // The offer may be put while the board allows it.
    void FitOfferButton();
};

}  // namespace ravel
