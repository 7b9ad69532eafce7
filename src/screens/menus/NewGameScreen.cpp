#include "screens/menus/NewGameScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/Career.h"
#include "season/DayMachine.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

CEditBox* CSetupGameScreen::s_editFirstName = nullptr;
CEditBox* CSetupGameScreen::s_editSurname = nullptr;
CComboBox* CSetupGameScreen::s_comboFilter = nullptr;
CScrollBar* CSetupGameScreen::s_scroll = nullptr;
CButton* CSetupGameScreen::s_btnBack = nullptr;
CButton* CSetupGameScreen::s_btnContinue = nullptr;
CHotSpot* CSetupGameScreen::s_rows[SETUP_ROWS] = {};
int CSetupGameScreen::s_filter = 0;
std::vector<int32_t> CSetupGameScreen::sv_sides;
int CSetupGameScreen::s_visibleRows = 0;
int32_t CSetupGameScreen::s_chosenSide = -1;
bool CSetupGameScreen::sb_tabHeld = false;

namespace {

using SG = CSetupGameScreen;

constexpr uint32_t ROW_SHADE = 0xff232323u;
constexpr int ROWS_LEFT = 312, ROWS_TOP = 320, ROWS_WIDTH = 400, ROW_HEIGHT = 20;
constexpr int TEXT_X = 322;
// Only the clubs below this id are offered (the rest are not career sides).
constexpr int32_t LAST_CAREER_CLUB = 3000;

struct FilterEntry {
    const char* caption;
    int filter;  // a country id for its clubs, else FILTER_ALL_CLUBS or FILTER_NATIONAL
};
const FilterEntry FILTERS[] = {
    {"All Teams", FILTER_ALL_CLUBS},
    {"Australia", 1},
    {"Bangladesh", 10},
    {"England", 2},
    {"India", 3},
    {"New Zealand", 4},
    {"Pakistan", 5},
    {"South Africa", 6},
    {"Sri Lanka", 7},
    {"West Indies", 8},
    {"Zimbabwe", 9},
    {"International", FILTER_NATIONAL},
};

}  // namespace

void CSetupGameScreen::Enter() {
    g_game->mb_screenFrame = 0;
    s_chosenSide = -1;
    sv_sides.clear();
    s_filter = 0;
    sb_tabHeld = false;
    ControlList& list = *g_system->mp_controlList;

    s_scroll = new CScrollBar();
    s_scroll->mb_horizontal = 0;
    s_scroll->SetRect(716, 320, 17, 320);
    s_scroll->m_min = 0;
    s_scroll->m_max = 50;
    s_scroll->m_position = 0;

    s_btnBack = new CButton();
    s_btnBack->SetRect(15, 720, 110, 30);
    s_btnBack->SetCaption("Back");
    s_btnBack->SetTooltip("Return to Main Menu");
    s_btnContinue = new CButton();
    s_btnContinue->SetRect(895, 720, 110, 30);
    s_btnContinue->SetCaption("Continue");
    s_btnContinue->SetTooltip("Begin game");
    s_btnContinue->Disable();

    s_comboFilter = new CComboBox();
    s_comboFilter->SetRect(457, 275, 273, 25);
    s_comboFilter->SetCaption("England");
    s_comboFilter->SetTooltip("Filter down which teams are shown");
    s_comboFilter->m_collapsedHeight = 25;
    for (size_t i = 0; i < std::size(FILTERS); ++i)
        s_comboFilter->AddListItem(FILTERS[i].caption, static_cast<int>(i) + 1);

    s_editFirstName = new CEditBox();
    s_editFirstName->SetRect(513, 155, 220, 30);
    s_editFirstName->m_maxLength = FIRST_NAME_LIMIT;
    s_editSurname = new CEditBox();
    s_editSurname->SetRect(513, 200, 220, 30);
    s_editSurname->m_maxLength = SURNAME_LIMIT;

    for (CControl* control : std::initializer_list<CControl*>{s_comboFilter, s_editFirstName, s_editSurname,
                                                              s_btnBack, s_scroll, s_btnContinue})
        list.Add(control);
    for (int i = 0; i < SETUP_ROWS; ++i) {
        s_rows[i] = new CHotSpot();
        s_rows[i]->SetRect(ROWS_LEFT, ROWS_TOP + ROW_HEIGHT * i, ROWS_WIDTH, ROW_HEIGHT - 1);
        s_rows[i]->mb_visible = 0;
        list.Add(s_rows[i]);
    }

    s_filter = FILTER_ENGLAND;
    RebuildTeamList();
    g_game->m_screenMode = SCREEN_MODE_FULL;
}

void CSetupGameScreen::RebuildTeamList() {
    sv_sides.clear();
    if (s_filter == FILTER_NATIONAL) {
        for (const Country& country : g_world.mv_countries)
            if (country.m_nationalSide == 1) sv_sides.push_back(country.m_id);
    } else if (s_filter >= 0 && s_filter < FILTER_NATIONAL) {
        for (const Team& team : g_world.mv_teams) {
            if (team.m_id < LAST_CAREER_CLUB && (s_filter == FILTER_ALL_CLUBS || team.m_country == s_filter))
                sv_sides.push_back(team.m_id);
        }
    }
    // Byte order of the names, as the lists elsewhere sort them.
    std::stable_sort(sv_sides.begin(), sv_sides.end(),
                     [](int32_t a, int32_t b) { return std::strcmp(SideName(a), SideName(b)) < 0; });

    const int count = static_cast<int>(sv_sides.size());
    if (count > SETUP_ROWS) {
        s_scroll->SetMax(count - SETUP_ROWS);
        s_scroll->mb_visible = 1;
        s_scroll->mb_disabled = 0;
        s_visibleRows = SETUP_ROWS;
    } else {
        s_scroll->m_position = 0;
        s_scroll->Disable();
        s_visibleRows = count;
    }
}

void CSetupGameScreen::Update() {
    CSystem& sys = *g_system;
    WheelScroll(*s_scroll);

    if (sys.KeyDown(DIK_TAB)) {
        if (!sb_tabHeld) {
            const bool toSurname = s_editFirstName->mb_focus != 0;
            s_editFirstName->mb_focus = toSurname ? 0 : 1;
            s_editSurname->mb_focus = toSurname ? 1 : 0;
        }
        sb_tabHeld = true;
    } else {
        sb_tabHeld = false;
    }

    if (s_comboFilter->m_comboState == COMBO_CHOSEN) {
        const int index = s_comboFilter->m_selected;
        if (index >= 0 && index < static_cast<int>(std::size(FILTERS))) {
            s_filter = FILTERS[index].filter;
            s_comboFilter->SetCaption(FILTERS[index].caption);
            RebuildTeamList();
        }
        s_comboFilter->Collapse();
    }

    if (TakeClick(s_btnBack)) {
        g_game->ChangeScreen(SCREEN_START_MENU);
        return;
    }
    for (int i = 0; i < s_visibleRows; ++i) {
        if (!TakeClick(s_rows[i])) continue;
        const size_t at = static_cast<size_t>(s_scroll->m_position + i);
        if (at >= sv_sides.size()) continue;
        s_chosenSide = sv_sides[at];
        s_btnContinue->mb_disabled = 0;
    }
    if (TakeClick(s_btnContinue)) Continue();
}

bool CSetupGameScreen::Continue() {
    NewCoachRequest request;
    request.m_firstName = s_editFirstName->m_caption;
    request.m_surname = s_editSurname->m_caption;
    request.m_sideId = s_chosenSide;
    request.m_national = s_filter == FILTER_NATIONAL;
    if (s_chosenSide < 0 || !BeginCareer(request)) return false;
    s_btnBack->Disable();
    if (CareerOpensWithAutoSimulation(g_cricket.m_team)) {
        StartAutoSimulation(AUTO_TO_NEXT_SEASON);
        return true;
    }
    AdvanceDay();
    CGame& game = *g_game;
    game.m_screenMode = SCREEN_MODE_FRAMED;
    game.ChangeScreen(SCREEN_NEWS);
    game.mv_backHistory.clear();
    game.mv_forwardHistory.clear();
    game.UpdateHistoryButtons();
    return true;
}

void CSetupGameScreen::Render() {
    CGame& game = *g_game;
    CSystem& sys = *g_system;
    DrawFullScreenFrame("Setup Game");
    CFont* text = game.m_fontText.get();
    sys.DrawText(TEXT_X, 120, ALIGN_LEFT, TEXT_YELLOW, text, "Enter Personal Details");
    sys.DrawText(TEXT_X, 160, ALIGN_LEFT, TEXT_WHITE, text, "First Name");
    sys.DrawText(TEXT_X, 200, ALIGN_LEFT, TEXT_WHITE, text, "Surname");
    sys.DrawText(TEXT_X, 240, ALIGN_LEFT, TEXT_YELLOW, text, "Choose Team to Coach");
    sys.DrawText(TEXT_X, 278, ALIGN_LEFT, TEXT_ORANGE, text, "Filter");

    for (int i = 0; i < SETUP_ROWS; ++i) {
        const int y = ROWS_TOP + ROW_HEIGHT * i;
        sys.FillRectBlended(ROWS_LEFT, y, ROWS_LEFT + ROWS_WIDTH, y + ROW_HEIGHT - 1, ROW_SHADE);
        s_rows[i]->mb_visible = 0;
    }
    for (int i = 0; i < s_visibleRows; ++i) {
        const size_t at = static_cast<size_t>(s_scroll->m_position + i);
        if (at >= sv_sides.size()) break;
        const uint32_t colour = sv_sides[at] == s_chosenSide ? TEXT_YELLOW : TEXT_WHITE;
        sys.DrawText(TEXT_X, ROWS_TOP + ROW_HEIGHT * i, ALIGN_LEFT, colour, text, "%s",
                     SideName(sv_sides[at]));
        s_rows[i]->mb_visible = 1;
    }
    sys.mp_controlList->Draw();
}

void CSetupGameScreen::Leave() {
    g_system->mp_controlList->mv_controls.clear();
    delete s_scroll;
    delete s_btnBack;
    delete s_btnContinue;
    delete s_comboFilter;
    delete s_editFirstName;
    delete s_editSurname;
    s_scroll = nullptr;
    s_btnBack = s_btnContinue = nullptr;
    s_comboFilter = nullptr;
    s_editFirstName = s_editSurname = nullptr;
    for (CHotSpot*& row : s_rows) {
        delete row;
        row = nullptr;
    }
}

}  // namespace ravel
