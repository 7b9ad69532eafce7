// The custom games reached from the start menu's Custom Game: the menu (120)
// choosing a tour or a league; the league set-up (118) picking its club sides; and
// the league table (121) that plays its matches one Continue at a time,
// with the table and the results. Exit ends the run.
#pragma once

#include <cstdint>
#include <vector>

#include "season/CustomLeague.h"
#include "season/Lists.h"
#include "shell/gui/ListItem.h"

namespace ravel {

class CButton;
class CControl;
class CListPanel;

void SetEnabled(CControl* control, bool enabled);

struct CCustomGameScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();

    static CButton* s_btnBack;
    static CButton* s_btnTour;
    static CButton* s_btnLeague;
};

struct CCustomLeagueScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();

    static CButton* s_btnBack;
    static CButton* s_btnPlay;
    static CButton* s_btnAdd;
    static CButton* s_btnRemove;
    static CListPanel* s_allSides;
    static CListPanel* s_chosen;
    static CustomLeagueChoice s_choice;
};

struct CCustomLeagueTableScreen {
    static void Enter();
    static void Update();
    static void Render();
    static void Leave();

    static CButton* s_btnContinue;
    static CButton* s_btnExit;
    static std::vector<FixtureListEntry> sv_rows;
};

}  // namespace ravel
