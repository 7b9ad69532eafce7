#include "screens/menus/NewGameScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/Coaches.h"
#include "season/DayMachine.h"
#include "season/News.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"
#include "shell/platform/System.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"
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
// England's clubs, whose season is the one the game opens on.
constexpr int32_t ENGLAND_CLUBS_FIRST = 1300, ENGLAND_CLUBS_LAST = 1399;
constexpr int32_t COACH_BIRTH_YEAR = 1960;
constexpr float NEW_COACH_RATING = 50.0f;

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

const char* ListedName(int32_t id) {
    if (SG::s_filter == FILTER_NATIONAL) {
        const Country* country = NationalSideById(id);
        return country ? country->m_name : "";
    }
    const Team* team = ClubById(id);
    return team ? team->m_name : "";
}

bool SideTakenByHuman(int32_t sideId) {
    return std::any_of(g_userCoaches.begin(), g_userCoaches.end(),
                       [&](const UserCoach& coach) { return coach.m_staff.m_clubJob == sideId; });
}

StaffMember NewCoach(bool national, int32_t sideId) {
    StaffMember coach;
    coach.m_id = static_cast<int32_t>(g_world.mv_staff.size()) + 1;
    if (SG::s_editFirstName->m_caption[0]) {
        CopyText(coach.m_firstName, sizeof coach.m_firstName, SG::s_editFirstName->m_caption);
    } else {
        CopyText(coach.m_firstName, sizeof coach.m_firstName, "Mr");
    }
    if (SG::s_editSurname->m_caption[0]) {
        CopyText(coach.m_surname, sizeof coach.m_surname, SG::s_editSurname->m_caption);
    } else {
        std::snprintf(coach.m_surname, sizeof coach.m_surname, "Player %d", UserCoachCount() + 1);
    }
    coach.m_birthDay = 1;
    coach.m_birthMonth = 1;
    coach.m_birthYear = COACH_BIRTH_YEAR;
    coach.m_reputation = NEW_COACH_RATING;
    coach.m_skill = NEW_COACH_RATING;
    coach.m_human = 1;
    if (national)
        coach.m_nationalJob = sideId;
    else
        coach.m_clubJob = sideId;
    return coach;
}

}  // namespace

void CreatePlayerHistoryFiles() {
    const std::string& folder = SavesFolder();
    auto path = [&](const char* name) { return folder.empty() ? std::string(name) : folder + "/" + name; };
    std::ofstream data(path(PLAYER_HISTORY_DATA), std::ios::binary | std::ios::trunc);
    std::ofstream index(path(PLAYER_HISTORY_INDEX), std::ios::binary | std::ios::trunc);
    // A file that cannot be made is left out: the histories then read as empty.
    if (!index) return;
    const int32_t none = -1;
    index.write(reinterpret_cast<const char*>(&none), sizeof none);
}

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
                     [](int32_t a, int32_t b) { return std::strcmp(ListedName(a), ListedName(b)) < 0; });

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
    if (s_chosenSide < 0 || SideTakenByHuman(s_chosenSide)) return false;
    const bool national = s_filter == FILTER_NATIONAL;

    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    g_cricket.m_startDay = utc.tm_mday;
    g_cricket.m_startMonth = utc.tm_mon + 1;
    g_cricket.m_startYear = Rand() % 770 + 7;

    const StaffMember coach = NewCoach(national, s_chosenSide);
    g_world.mv_staff.push_back(coach);
    UserCoach profile;
    profile.m_staff = coach;
    g_userCoaches.push_back(profile);
    g_cricket.m_coachIndex = 0;

    s_btnBack->Disable();
    if (national) {
        if (Country* country = NationalSideById(s_chosenSide)) AppointCoach(*country, coach.m_id);
    } else if (Team* team = ClubById(s_chosenSide)) {
        AppointCoach(*team, coach.m_id);
    }
    const GameDate& today = g_cricket.m_date;
    for (UserCoach& each : g_userCoaches) each.DeliverPendingNews(today.m_day, today.m_month, today.m_year);

    const StaffMember& first = g_userCoaches.front().m_staff;
    g_cricket.m_team = first.m_clubJob > 0 ? first.m_clubJob : first.m_nationalJob;
    CreatePlayerHistoryFiles();
    g_cricket.m_autoSimulate = false;

    const int32_t side = g_cricket.m_team;
    if (side >= 1000 && (side < ENGLAND_CLUBS_FIRST || side > ENGLAND_CLUBS_LAST)) {
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
    game.m_background.Draw(0, 0);
    sys.ShadeRect(4, 103, 1019, 695);
    game.m_topBarMatch.Draw(0, 0);
    game.m_bottomBar.Draw(0, 704);

    CFont* text = game.m_fontText.get();
    sys.DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, game.m_fontTitle.get(), "Setup Game");
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
                     ListedName(sv_sides[at]));
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
