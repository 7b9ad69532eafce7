// Screen 104: the new-game set-up. The user names his coach, picks a club or
// national side and Continue starts the career: his coach record and profile,
// the appointment, the player-history files, then the first day (or the rest
// of a season his side does not play in, auto-simulated).
#pragma once

#include <cstdint>
#include <vector>

#include "shell/Screen.h"

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

class CSetupGameScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    // Starts the career on the chosen side; false (nothing changed) when a
    // human coach already has it.
    bool Continue();

    int Filter() const { return m_filter; }
    // The listed sides, sorted by name.
    const std::vector<int32_t>& Sides() const { return mv_sides; }
    int32_t ChosenSide() const { return m_chosenSide; }
    int VisibleRows() const { return m_visibleRows; }

    // Made by Enter, freed by Leave.
    CEditBox* m_editFirstName = nullptr;
    CEditBox* m_editSurname = nullptr;
    CComboBox* m_comboFilter = nullptr;
    CScrollBar* m_scroll = nullptr;
    CButton* m_btnBack = nullptr;
    CButton* m_btnContinue = nullptr;
    CHotSpot* m_rows[SETUP_ROWS] = {};

private:
    int m_filter = 0;
    std::vector<int32_t> mv_sides;
    int m_visibleRows = 0;
    int32_t m_chosenSide = -1;
    bool mb_tabHeld = false;

    // Refills the side list from the filter value.
    void RebuildTeamList();
};

}  // namespace ravel
