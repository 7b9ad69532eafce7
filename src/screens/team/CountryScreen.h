// Screen 123, the country page: one national side under four tabs (Squad,
// Pool, Fixtures, Tactics). Its coach picks the squad from the pool of the
// country's players, then the eleven, the batting order and the four roles;
// any user may apply for a vacant post. Actions and state here, drawing in
// CountryScreenDraw.cpp; what it shares with the club page in SideScreen.h.
#pragma once

#include <cstdint>
#include <vector>

#include "screens/team/SideScreen.h"
#include "season/PlayerSearch.h"

namespace ravel {

class CDialog;
class CEditBox;
class CTickBox;

enum CountryPage : int32_t {
    COUNTRY_PAGE_SQUAD = SIDE_PAGE_SQUAD,
    COUNTRY_PAGE_FIXTURES = SIDE_PAGE_FIXTURES,
    COUNTRY_PAGE_POOL = 5035,
    COUNTRY_PAGE_TACTICS = 5504,
};

inline constexpr int COUNTRY_LIST_TOP = 210;
inline constexpr int COUNTRY_LIST_ROWS = 18;
inline constexpr int COUNTRY_ROW_SPOTS = 20;
inline constexpr int COUNTRY_FIXTURE_TOP = 170;
inline constexpr int COUNTRY_FIXTURE_ROWS = 20;
inline constexpr int COUNTRY_SWITCHES = 14;

enum SquadMenuItem : int32_t { SQUAD_MENU_ADD = 0, SQUAD_MENU_REMOVE = 1, SQUAD_MENU_CANCEL = 2 };

class CCountryScreen final : public CSideScreen {
public:
    CCountryScreen();
    void Enter() override;
    void Update() override;
    void Leave() override;
    void Render() override;
    void Layout() override;
    void SortList(int view, int value) override { SortPlayerList(view, value); }

    // The pool: the country's players that pass the filter.
    void ApplyFilter();
    // The squad list of the squad kind, in stored order (sorted on Squad).
    void RebuildSquadList();
    void SortPlayerList(int view, int value);
    // The squad kind's list may not change.
    bool SquadLocked() const;
    // The list the rows show: the pool on Pool, else the squad.
    const std::vector<int32_t>& ShownList() const;
    // The filter dialog's labels beside its tick boxes.
    void DrawFilterLabels() const;

    // Set fresh by Enter.
    int32_t m_squadKind = SQUAD_HOME_TEST;
    std::vector<int32_t> mv_pool;
    PlayerFilter m_request;
    int32_t m_menuRow = -1;

    // Made by Enter, freed by Leave.
    CPopupMenu* m_menuSquad = nullptr;
    CButton* m_btnPool = nullptr;
    CButton* m_btnFilters = nullptr;
    CEditBox* m_editSearch = nullptr;
    CButton* m_btnFind = nullptr;
    CButton* m_btnAutoSquad = nullptr;
    CButton* m_btnClearSquad = nullptr;
    CDialog* m_dialog = nullptr;
    CTickBox* m_ticks[COUNTRY_SWITCHES] = {};
    CButton* m_btnOk = nullptr;

private:
    bool OneDayCricket() const override { return IsOneDaySquadKind(m_squadKind); }
    bool OnListPage() const;
    void ChangePage(int32_t page);
    void SwitchTab(int32_t page);
    void FitRowSpots();
    bool Listed(int32_t id) const;
    int32_t PlayerOnRow(int row) const;
    void MakeControls();
    void RestoreChoices(const PageChoices& saved);
    std::array<ScreenControls::ButtonRow, 12> Buttons();
    void OfferSquadMenu(bool pool);
    void TakeSquadMenu();
    void AutoSquad();
    void TakeSquadPage();
    bool TakePoolPage();
};

}  // namespace ravel
