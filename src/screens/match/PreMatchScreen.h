// Screen 117, before the user's match of the day: both elevens, the pitch
// and the weather, the toss and the winner's choice to bat or bowl; Continue
// goes on to the live match view, Main Menu back to the news page.
#pragma once

#include <cstdint>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class Match;

// What the toss has settled while the screen is open.
enum TossCode : int32_t {
    TOSS_NOT_MADE = 501,
    TOSS_FIRST_TEAM = 502,
    TOSS_SECOND_TEAM = 503,
};
enum ChoiceCode : int32_t {
    CHOICE_NOT_MADE = 510,
    CHOICE_BAT = 511,
    CHOICE_BOWL = 512,
};

class CPreMatchScreen : public CScreen {
public:
    void Enter() override;
    void Render() override;
    void Tick() override;
    void Leave() override;

    // Set fresh by Enter.
    int32_t mi_toss = TOSS_NOT_MADE;      // TossCode
    int32_t mi_choice = CHOICE_NOT_MADE;  // ChoiceCode
    // Made by Enter, freed by Leave.
    CButton* m_btnContinue = nullptr;
    CButton* m_btnMainMenu = nullptr;
    CButton* m_btnCoinToss = nullptr;
    CButton* m_btnBat = nullptr;
    CButton* m_btnBowl = nullptr;

private:
    ScreenControls m_controls;

    void DrawToss(const Match& match) const;
    void Choose(Match& match, int32_t choice);
    void Toss(Match& match);
};

}  // namespace ravel
