// Screen 130, the match player: plays the highlights file "test.tvc" of the
// output folder in the Highlights window, clip by clip, showing which clip
// and which tick is playing; Exit ends the program. The command line's word
// "player" opens it after the intro.
#pragma once

namespace ravel {

class CButton;

inline constexpr char PLAYER_FILE[] = "test.tvc";

struct CMatchPlayerScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Tick();
    static void Leave();

    static CButton* s_stop;
    static CButton* s_rewind;
    static CButton* s_play;
    static CButton* s_forward;
    static CButton* s_exit;
};

}  // namespace ravel
