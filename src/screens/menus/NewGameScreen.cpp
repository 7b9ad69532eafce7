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

namespace {

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
    m_chosenSide = -1;
    mv_sides.clear();
    m_filter = 0;
    mb_tabHeld = false;
    ControlList& list = *g_system->mp_controlList;

    m_scroll = new CScrollBar();
    m_scroll->mb_horizontal = 0;
    m_scroll->SetRect(716, 320, 17, 320);
    m_scroll->m_min = 0;
    m_scroll->m_max = 50;
    m_scroll->m_position = 0;

    m_btnBack = new CButton();
    m_btnBack->SetRect(15, 720, 110, 30);
    m_btnBack->SetCaption("Back");
    m_btnBack->SetTooltip("Return to Main Menu");
    m_btnContinue = new CButton();
    m_btnContinue->SetRect(895, 720, 110, 30);
    m_btnContinue->SetCaption("Continue");
    m_btnContinue->SetTooltip("Begin game");
    m_btnContinue->Disable();

    m_comboFilter = new CComboBox();
    m_comboFilter->SetRect(457, 275, 273, 25);
    m_comboFilter->SetCaption("England");
    m_comboFilter->SetTooltip("Filter down which teams are shown");
    m_comboFilter->m_collapsedHeight = 25;
    for (size_t i = 0; i < std::size(FILTERS); ++i)
        m_comboFilter->AddListItem(FILTERS[i].caption, static_cast<int>(i) + 1);

    m_editFirstName = new CEditBox();
    m_editFirstName->SetRect(513, 155, 220, 30);
    m_editFirstName->m_maxLength = FIRST_NAME_LIMIT;
    m_editSurname = new CEditBox();
    m_editSurname->SetRect(513, 200, 220, 30);
    m_editSurname->m_maxLength = SURNAME_LIMIT;

    for (CControl* control : std::initializer_list<CControl*>{m_comboFilter, m_editFirstName, m_editSurname,
                                                              m_btnBack, m_scroll, m_btnContinue})
        list.Add(control);
    for (int i = 0; i < SETUP_ROWS; ++i) {
        m_rows[i] = new CHotSpot();
        m_rows[i]->SetRect(ROWS_LEFT, ROWS_TOP + ROW_HEIGHT * i, ROWS_WIDTH, ROW_HEIGHT - 1);
        m_rows[i]->mb_visible = 0;
        list.Add(m_rows[i]);
    }

    m_filter = FILTER_ENGLAND;
    RebuildTeamList();
    g_game->m_screenMode = SCREEN_MODE_FULL;
}

void CSetupGameScreen::RebuildTeamList() {
    mv_sides.clear();
    if (m_filter == FILTER_NATIONAL) {
        for (const Country& country : g_world.mv_countries)
            if (country.m_nationalSide == 1) mv_sides.push_back(country.m_id);
    } else if (m_filter >= 0 && m_filter < FILTER_NATIONAL) {
        for (const Team& team : g_world.mv_teams) {
            if (team.m_id < LAST_CAREER_CLUB && (m_filter == FILTER_ALL_CLUBS || team.m_country == m_filter))
                mv_sides.push_back(team.m_id);
        }
    }
    // Byte order of the names, as the lists elsewhere sort them.
    std::stable_sort(mv_sides.begin(), mv_sides.end(),
                     [](int32_t a, int32_t b) { return std::strcmp(SideName(a), SideName(b)) < 0; });

    // A side the list no longer shows is no longer chosen.
    if (std::find(mv_sides.begin(), mv_sides.end(), m_chosenSide) == mv_sides.end()) {
        m_chosenSide = -1;
        m_btnContinue->Disable();
    }

    const int count = static_cast<int>(mv_sides.size());
    if (count > SETUP_ROWS) {
        m_scroll->SetMax(count - SETUP_ROWS);
        m_scroll->mb_visible = 1;
        m_scroll->mb_disabled = 0;
        m_visibleRows = SETUP_ROWS;
    } else {
        m_scroll->m_position = 0;
        m_scroll->Disable();
        m_visibleRows = count;
    }
}

void CSetupGameScreen::Update() {
    CSystem& sys = *g_system;
    WheelScroll(*m_scroll);

    if (sys.KeyDown(DIK_TAB)) {
        if (!mb_tabHeld) {
            const bool toSurname = m_editFirstName->mb_focus != 0;
            m_editFirstName->mb_focus = toSurname ? 0 : 1;
            m_editSurname->mb_focus = toSurname ? 1 : 0;
        }
        mb_tabHeld = true;
    } else {
        mb_tabHeld = false;
    }

    if (m_comboFilter->m_comboState == COMBO_CHOSEN) {
        const int index = m_comboFilter->m_selected;
        if (index >= 0 && index < static_cast<int>(std::size(FILTERS))) {
            m_filter = FILTERS[index].filter;
            m_comboFilter->SetCaption(FILTERS[index].caption);
            RebuildTeamList();
        }
        m_comboFilter->Collapse();
    }

    if (TakeClick(m_btnBack)) {
        g_game->ChangeScreen(SCREEN_START_MENU);
        return;
    }
    for (int i = 0; i < m_visibleRows; ++i) {
        if (!TakeClick(m_rows[i])) continue;
        const size_t at = static_cast<size_t>(m_scroll->m_position + i);
        if (at >= mv_sides.size()) continue;
        m_chosenSide = mv_sides[at];
        m_btnContinue->mb_disabled = 0;
    }
    if (TakeClick(m_btnContinue)) Continue();
}

bool CSetupGameScreen::Continue() {
    NewCoachRequest request;
    request.m_firstName = m_editFirstName->m_caption;
    request.m_surname = m_editSurname->m_caption;
    request.m_sideId = m_chosenSide;
    request.m_national = m_filter == FILTER_NATIONAL;
    if (m_chosenSide < 0 || !BeginCareer(request)) return false;
    m_btnBack->Disable();
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
        m_rows[i]->mb_visible = 0;
    }
    for (int i = 0; i < m_visibleRows; ++i) {
        const size_t at = static_cast<size_t>(m_scroll->m_position + i);
        if (at >= mv_sides.size()) break;
        const uint32_t colour = mv_sides[at] == m_chosenSide ? TEXT_YELLOW : TEXT_WHITE;
        sys.DrawText(TEXT_X, ROWS_TOP + ROW_HEIGHT * i, ALIGN_LEFT, colour, text, "%s",
                     SideName(mv_sides[at]));
        m_rows[i]->mb_visible = 1;
    }
    sys.mp_controlList->Draw();
}

void CSetupGameScreen::Leave() {
    g_system->mp_controlList->mv_controls.clear();
    delete m_scroll;
    delete m_btnBack;
    delete m_btnContinue;
    delete m_comboFilter;
    delete m_editFirstName;
    delete m_editSurname;
    m_scroll = nullptr;
    m_btnBack = m_btnContinue = nullptr;
    m_comboFilter = nullptr;
    m_editFirstName = m_editSurname = nullptr;
    for (CHotSpot*& row : m_rows) {
        delete row;
        row = nullptr;
    }
}

}  // namespace ravel
