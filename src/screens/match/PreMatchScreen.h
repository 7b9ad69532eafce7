// Screen 117, before the user's match of the day: both elevens, the pitch
// and the weather, the toss and the winner's choice to bat or bowl; Continue
// goes on to the live match view, Main Menu back to the news page.
#pragma once

#include <cstdint>

namespace ravel {

class CButton;

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

struct CPreMatchScreen {
    static void Enter();
    static void Render();
    static void Tick();
    static void Leave();

    static int32_t s_toss;    // TossCode
    static int32_t s_choice;  // ChoiceCode
    static CButton* s_btnContinue;
    static CButton* s_btnMainMenu;
    static CButton* s_btnCoinToss;
    static CButton* s_btnBat;
    static CButton* s_btnBowl;
};

}  // namespace ravel
