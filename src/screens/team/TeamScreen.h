// Screen 102, the club team page: one club side under five tabs (Squad,
// Fixtures, Tactics, Finances, General Info). Its coach picks the eleven,
// the batting order and the four roles there; any user may apply for a
// vacant post. Actions and state here, drawing in TeamScreenDraw.cpp; what
// it shares with the country page in SideScreen.h.
#pragma once

#include <cstdint>

#include "screens/team/SideScreen.h"
#include "shell/platform/Sprite.h"

namespace ravel {

enum TeamPage : int32_t {
    TEAM_PAGE_SQUAD = SIDE_PAGE_SQUAD,
    TEAM_PAGE_FIXTURES = SIDE_PAGE_FIXTURES,
    TEAM_PAGE_FINANCES = 5004,
    TEAM_PAGE_INFO = 5021,
    TEAM_PAGE_TACTICS = 5041,
};

// Orders of the Tactics tab's squad list.
enum TacticsOrder : int32_t {
    TACTICS_NAME_AND_FORM = 201,
    TACTICS_BATTING = 202,
    TACTICS_BOWLING = 203,
    TACTICS_FITNESS = 207,
};

inline constexpr int TEAM_LIST_TOP = 180;  // the squad list's heading line
inline constexpr int TEAM_ROW_HEIGHT = 20;
inline constexpr int TEAM_SQUAD_ROWS = 22;
inline constexpr int TEAM_FIXTURE_ROWS = 25;
inline constexpr int TEAM_ROW_SPOTS = 25;
inline constexpr int TEAM_FIXTURE_TOP = 170;

class CTeamScreen final : public CSideScreen {
public:
    CTeamScreen();
    void Enter() override;
    void Update() override;
    void Leave() override;
    void Render() override;
    void Reset() override;
    void Layout() override;
    void SortList(int view, int value) override { SortTeamPlayerList(view, value); }

    void SetSquadListColumns(int view);
    void SortTeamPlayerList(int view, int value);
    void SortTacticsList(int order);
    // The contract of the shown side's hemisphere (1 northern, 2 southern).
    int Hemisphere() const;

    // Kept between visits, besides the side's.
    struct TeamKept {
        int32_t tacticsOrder = TACTICS_NAME_AND_FORM;
    } m_teamKept;

    // Set fresh by Enter.
    int32_t m_wageBill = 0;
    int32_t m_budgetLeft = 0;
    CSprite m_picture;
    bool m_pictureLoaded = false;

    // Made by Enter, freed by Leave.
    CComboBox* m_comboOrder = nullptr;
    CButton* m_btnFinances = nullptr;
    CButton* m_btnInfo = nullptr;
    CHotSpot* m_coachSpot = nullptr;

private:
    void DrawPicture() const override;
    bool OnListPage() const { return m_page == TEAM_PAGE_SQUAD || m_page == TEAM_PAGE_TACTICS; }
    void ChangePage(int32_t page);
    void FitRowSpots();
    void ShowTabs();
    void BuildSquadList();
    void MakeControls();
    void TakeTacticsOrder();
    std::array<ScreenControls::ButtonRow, 9> Buttons();
};

}  // namespace ravel
