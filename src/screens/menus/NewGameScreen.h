// Screen 104: the new-game set-up. The user names his coach, picks a club or
// national side and Continue starts the career: his coach record and profile,
// the appointment, the player-history files, then the first day (or the rest
// of a season his side does not play in, auto-simulated).
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

class CButton;
class CComboBox;
class CEditBox;
class CHotSpot;
class CScrollBar;

inline constexpr int SETUP_ROWS = 16;
inline constexpr int FILTER_ALL_CLUBS = 0;
inline constexpr int FILTER_ENGLAND = 2;
inline constexpr int FILTER_NATIONAL = 11;
inline constexpr int FIRST_NAME_LIMIT = 11;
inline constexpr int SURNAME_LIMIT = 13;

class CSetupGameScreen {
public:
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();
    // Refills the side list from the filter value.
    static void RebuildTeamList();
    // Starts the career on the chosen side; false (nothing changed) when a
    // human coach already has it.
    static bool Continue();

    static CEditBox* s_editFirstName;
    static CEditBox* s_editSurname;
    static CComboBox* s_comboFilter;
    static CScrollBar* s_scroll;
    static CButton* s_btnBack;
    static CButton* s_btnContinue;
    static CHotSpot* s_rows[SETUP_ROWS];
    static int s_filter;
    static std::vector<int32_t> sv_sides;
    static int s_visibleRows;
    static int32_t s_chosenSide;
    static bool sb_tabHeld;
};

}  // namespace ravel
