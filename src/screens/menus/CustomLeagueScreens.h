// The custom games reached from the start menu's Custom Game: the menu (120)
// choosing a tour or a league; the league set-up (118) picking its club sides; and
// the league table (121) that plays its matches one Continue at a time,
// with the table and the results. Exit ends the run.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "season/CustomLeague.h"
#include "season/Lists.h"
#include "shell/Screen.h"
#include "shell/gui/ListItem.h"

namespace ravel {

class CButton;
class CControl;
class CListPanel;

void SetEnabled(CControl* control, bool enabled);

class CCustomGameScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;

    // Made by Enter, freed by Leave.
    CButton* m_btnBack = nullptr;
    CButton* m_btnTour = nullptr;
    CButton* m_btnLeague = nullptr;

private:
    ScreenControls m_controls;
};

class CCustomLeagueScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;

    const CustomLeagueChoice& Choice() const { return m_choice; }

    // Made by Enter, freed by Leave.
    CButton* m_btnBack = nullptr;
    CButton* m_btnPlay = nullptr;
    CButton* m_btnAdd = nullptr;
    CButton* m_btnRemove = nullptr;
    CListPanel* m_allSides = nullptr;
    CListPanel* m_chosen = nullptr;

private:
    CustomLeagueChoice m_choice;
    ScreenControls m_controls;
    // The lines the lists point at.
    std::deque<ListItem> mv_allLines;
    std::deque<ListItem> mv_chosenLines;

    // The chosen list follows the choice; the line `select` selected.
    void FillChosenList(int select);
};

class CCustomLeagueTableScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;

    // The league's fixtures, or the tour's matches.
    const std::vector<FixtureListEntry>& Rows() const { return mv_rows; }

    // Made by Enter, freed by Leave.
    CButton* m_btnContinue = nullptr;
    CButton* m_btnExit = nullptr;

private:
    std::vector<FixtureListEntry> mv_rows;
    ScreenControls m_controls;

    void RebuildRows();
};

}  // namespace ravel
