// Screen 130, the match player: plays the highlights file "test.tvc" of the
// output folder in the Highlights window, clip by clip, showing which clip
// and which tick is playing; Exit ends the program. The command line's word
// "player" opens it after the intro.
#pragma once

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;

inline constexpr char PLAYER_FILE[] = "test.tvc";

class CMatchPlayerScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Tick() override;
    void Leave() override;

    // Made by Enter, freed by Leave.
    CButton* m_stop = nullptr;
    CButton* m_rewind = nullptr;
    CButton* m_play = nullptr;
    CButton* m_forward = nullptr;
    CButton* m_exit = nullptr;

private:
    ScreenControls m_controls;
};

}  // namespace ravel
