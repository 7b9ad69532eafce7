#include "shell/gui/SideBar.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

#include "season/DayMachine.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/platform/Files.h"
#include "shell/platform/System.h"
#include "world/Competitions.h"
#include "world/GameDate.h"
#include "world/RecordsTable.h"
#include "world/World.h"

namespace ravel {

CButton* CSideBar::s_btnMain = nullptr;
CButton* CSideBar::s_btnSquad = nullptr;
CButton* CSideBar::s_btnCompetitions = nullptr;
CButton* CSideBar::s_btnPlayerSearch = nullptr;
CButton* CSideBar::s_btnWorldCricket = nullptr;
CButton* CSideBar::s_btnOptions = nullptr;
CButton* CSideBar::s_btnJobs = nullptr;
CButton* CSideBar::s_btnExit = nullptr;
CButton* CSideBar::s_btnBack = nullptr;
CButton* CSideBar::s_btnForward = nullptr;
CButton* CSideBar::s_btnContinue = nullptr;
CPopupMenu* CSideBar::s_menuWorldCricket = nullptr;
CPopupMenu* CSideBar::s_menuCompetitions = nullptr;
CPopupMenu* CSideBar::s_menuDomestic = nullptr;
CPopupMenu* CSideBar::s_menuRecords = nullptr;
CPopupMenu* CSideBar::s_menuFirstClassRecords = nullptr;
CPopupMenu* CSideBar::s_menuListARecords = nullptr;
CPopupMenu* CSideBar::s_menuTestRecords = nullptr;
CPopupMenu* CSideBar::s_menuOdiRecords = nullptr;
CDialog* CSideBar::s_dlgOptions = nullptr;
CButton* CSideBar::s_btnOptionsDone = nullptr;
CTickBox* CSideBar::s_tickAutosave = nullptr;
CTickBox* CSideBar::s_tickSounds = nullptr;
CComboBox* CSideBar::s_comboSkin = nullptr;
int32_t CSideBar::s_pendingQuestion = QUESTION_NONE;

namespace {

using SB = CSideBar;

constexpr int BUTTON_HEIGHT = 30;
constexpr int RECORDS_ICON_TILE = 35;  // the bat
constexpr uint32_t LABEL_COLOUR = 0xffffffff;
constexpr const char* DEFAULT_SKIN = "std";
constexpr int32_t SQUAD_COUNTRY_LIMIT = 1000;  // Squad takes a side id up to this as a country
constexpr const char* EXIT_QUESTION = "Are you sure you wish to exit?";

struct ButtonDef {
    CButton** button;
    const char* caption;
    const char* tooltip;
    int x, y, width;
};

// In the order they are destroyed.
constexpr ButtonDef BUTTONS[] = {
    {&SB::s_btnExit, "Exit", "Return to the desktop", 10, 720, 165},
    {&SB::s_btnContinue, "Continue", "Allow time to pass", 895, 720, 110},
    {&SB::s_btnOptions, "Options", "Configure your game experience", 10, 580, 165},
    {&SB::s_btnMain, "Main", "View latest news", 10, 120, 165},
    {&SB::s_btnSquad, "Squad", "View team details", 10, 160, 165},
    {&SB::s_btnWorldCricket, "World Cricket", "View worldwide competitions", 10, 280, 165},
    {&SB::s_btnCompetitions, "Competitions", "View local competitions", 10, 200, 165},
    {&SB::s_btnPlayerSearch, "Player Search", "Perform a detailed search for players", 10, 240, 165},
    {&SB::s_btnJobs, "Jobs", "", 10, 620, 165},
    {&SB::s_btnBack, "<", "", 654, 720, 60},
    {&SB::s_btnForward, ">", "", 724, 720, 60},
};

struct MenuDef {
    CPopupMenu** menu;
    int width;
    CPopupMenu** parent;
};

// In the order they are destroyed; parents before their children.
constexpr MenuDef MENUS[] = {
    {&SB::s_menuWorldCricket, 300, nullptr},
    {&SB::s_menuCompetitions, 500, nullptr},
    {&SB::s_menuDomestic, 500, &SB::s_menuWorldCricket},
    {&SB::s_menuRecords, 300, &SB::s_menuWorldCricket},
    {&SB::s_menuFirstClassRecords, 350, &SB::s_menuRecords},
    {&SB::s_menuListARecords, 350, &SB::s_menuRecords},
    {&SB::s_menuTestRecords, 350, &SB::s_menuRecords},
    {&SB::s_menuOdiRecords, 350, &SB::s_menuRecords},
};

struct MenuItem {
    const char* text;
    int value;
};

constexpr MenuItem RECORDS_KINDS[] = {
    {"First Class Records", -1},
    {"List-A Limited Overs Records", -2},
    {"Test Match Records", -3},
    {"One Day International Records", -4},
};

// The sections of a records table; the limited-overs menus leave out the
// ones that only a match over several days can have.
struct RecordsSection {
    const char* text;
    int code;
    bool limitedOvers;
};
constexpr RecordsSection RECORDS_SECTIONS[] = {
    {"Highest Winning Margin By An Innings", 120, false},
    {"Highest Winning Margin By Runs", 121, true},
    {"Narrowest Winning Margin By Runs", 122, true},
    {"Closest Draws By Runs Remaining", 123, false},
    {"Highest Innings Total", 104, true},
    {"Highest Fourth Innings Total To Win", 105, false},
    {"Highest Match Aggregate", 108, true},
    {"Lowest Completed Innings Total", 106, true},
    {"Lowest Match Aggregate", 107, true},
    {"Highest Individual Score", 101, true},
    {"Highest Partnerships", 100, true},
    {"Fastest 50 (by balls)", 102, true},
    {"Fastest 100 (by balls)", 103, true},
    {"Best Bowling (Innings)", 110, false},
    {"Best Bowling (Match)", 111, true},
};

struct RecordsMenu {
    CPopupMenu** menu;
    int32_t kind;
    int chooserValue;  // its line in the Records menu
};
constexpr RecordsMenu RECORDS_MENUS[] = {
    {&SB::s_menuFirstClassRecords, RECORDS_FIRST_CLASS, -1},
    {&SB::s_menuListARecords, RECORDS_LIST_A, -2},
    {&SB::s_menuTestRecords, RECORDS_TEST, -3},
    {&SB::s_menuOdiRecords, RECORDS_ODI, -4},
};

struct Label {
    const char* text;
    int x, y;
};
constexpr Label OPTION_LABELS[] = {
    {"Autosave", 65, 75},
    {"Play Match View Sounds", 65, 115},
    {"Select a different skin", 160, 155},
};

// Takes a click: the control is drawn normal again on the next frame, since
// Draw skips the one-tick clicked state.
bool Clicked(CControl* control) {
    if (!control || control->m_state != STATE_CLICKED) return false;
    control->m_state = STATE_NORMAL;
    return true;
}

bool Chosen(const CPopupMenu* menu) {
    return menu && menu->m_menuState == MENU_CHOSEN;
}

// Closes a menu, chosen or hovered, so that nothing of it acts again until
// it is opened anew.
void Settle(CPopupMenu* menu) {
    menu->Close();
    menu->m_state = STATE_NORMAL;
    menu->m_hoverStart = NO_HOVER;
}

// Escape closes whatever menu of the side bar is open.
void CloseMenusOnEscape() {
    if (!g_system->KeyDown(DIK_ESCAPE)) return;
    for (const MenuDef& def : MENUS) {
        if ((*def.menu)->m_menuState != MENU_CLOSED) Settle(*def.menu);
    }
}

bool ExitQuestionQueued() {
    for (const QueuedMessage& message : CMessageBox::s_messageQueue) {
        if (!message.answered && std::strcmp(message.text, EXIT_QUESTION) == 0) return true;
    }
    return false;
}

// A sub-menu opens level with the line of its parent that led to it.
void OpenBeside(CPopupMenu* sub, const CPopupMenu* menu) {
    const int line = menu->m_chosen > 0 ? menu->m_chosen : 0;
    sub->Open(menu->m_x + menu->m_width + 1, menu->m_y + ITEM_HEIGHT * line);
}

void Change(int32_t screenId) {
    g_game->ChangeScreen(screenId);
}

CSprite* RecordsIcon() {
    return g_game->Tile(RECORDS_ICON_TILE);
}

void FillRecordsMenus() {
    for (const MenuItem& item : RECORDS_KINDS) SB::s_menuRecords->AddListItem(item.text, item.value);
    for (const RecordsMenu& records : RECORDS_MENUS) {
        const bool limited = records.kind == RECORDS_LIST_A || records.kind == RECORDS_ODI;
        CPopupMenu* menu = *records.menu;
        for (const RecordsSection& section : RECORDS_SECTIONS) {
            if (limited && !section.limitedOvers) continue;
            menu->AddListItem(section.text, section.code, RecordsIcon());
        }
    }
}

void ListSkins(CComboBox& combo) {
    std::vector<FolderEntry> entries;
    if (!ListFolder("gfx/gui/*.*", entries)) return;
    int value = 0;
    for (const FolderEntry& entry : entries) {
        if (!entry.folder || entry.name == "." || entry.name == "..") continue;
        combo.AddListItem(entry.name.c_str(), value++);
    }
}

bool LoadBars(const char* skin) {
    CGame& game = *g_game;
    bool loaded = true;
    for (auto [sprite, file] :
         {std::pair{&game.m_sideBar, "sidebar.bmp"}, std::pair{&game.m_sideBarBottom, "sidebarbot.bmp"},
          std::pair{&game.m_bottomBar, "botbar.bmp"}, std::pair{&game.m_topBarMatch, "topbarmatch.bmp"}}) {
        char path[256];
        std::snprintf(path, sizeof path, "gfx/gui/%s/%s", skin, file);
        sprite->Release();
        if (!sprite->LoadFromFile(path)) loaded = false;
    }
    return loaded;
}

// The skin drop-down's new choice. Whatever happens, the controls, the bars
// and the name that config.ini will keep stay one skin.
void SwitchSkin() {
    CGame& game = *g_game;
    CComboBox& combo = *SB::s_comboSkin;
    const int chosen = combo.GetSelectedValue();
    if (chosen < 0 || chosen >= combo.ItemCount()) {
        combo.Collapse();
        return;
    }
    const char* name = combo.mv_items[chosen].m_text;
    if (std::strcmp(name, game.m_skinName) != 0) {
        game.m_skin.ReleaseSkin();
        const int error = game.m_skin.LoadSkin(name);
        if (error > 0) {
            game.m_skin.ReleaseSkin();
            game.m_skin.LoadSkin(DEFAULT_SKIN);
            LoadBars(DEFAULT_SKIN);
            game.SetSkinName(DEFAULT_SKIN);
            combo.SetCaption(DEFAULT_SKIN);
            combo.Collapse();
            char text[MESSAGE_TEXT_SIZE];
            std::snprintf(text, sizeof text, "Error loading new skin: Error code %d", error);
            ShowMessage(text, MSG_OK);
            SB::s_dlgOptions->Close();
            return;
        }
        if (!LoadBars(name)) {
            // A skin without its bars is not taken: the one shown before stays.
            game.m_skin.ReleaseSkin();
            game.m_skin.LoadSkin(game.m_skinName);
            LoadBars(game.m_skinName);
            combo.SetCaption(game.m_skinName);
            combo.Collapse();
            return;
        }
        game.SetSkinName(name);
        combo.SetCaption(game.m_skinName);
    }
    combo.Collapse();
}

// True when the tick ends: a failed switch has closed the dialog.
bool HandleOptionsDialog() {
    if (SB::s_comboSkin->m_comboState == COMBO_CHOSEN) {
        SwitchSkin();
        if (!SB::s_dlgOptions->mb_visible) return true;
    }
    if (Clicked(SB::s_btnOptionsDone)) {
        g_cricket.m_matchViewSounds = SB::s_tickSounds->mb_ticked != 0;
        g_cricket.m_autosave = SB::s_tickAutosave->mb_ticked != 0;
        SB::s_dlgOptions->Close();
    }
    return false;
}

void Continue() {
    CGame& game = *g_game;
    game.mv_backHistory.clear();
    game.mv_forwardHistory.clear();
    game.UpdateHistoryButtons();
    if (!g_cricket.m_autoSimulate) {
        // The screens the day machine opens are not places to go back to.
        game.m_skipHistory = true;
        AdvanceDay();
        if (g_cricket.m_dayPhase == DAY_PHASE_AGAIN) {
            game.m_skipHistory = true;
            AdvanceDay();
        }
        game.m_skipHistory = false;
    }
    int message = -1;
    if (FindUnansweredMessage(&message)) {
        OpenScreen(SCREEN_NEWS, {message});
    } else if (g_cricket.m_autoSimulate) {
        Change(SCREEN_AUTO_SIM);
    }
}

// The World Cricket menu and the menus below it; true when the tick ends.
bool HandleWorldCricketMenus() {
    CPopupMenu* world = SB::s_menuWorldCricket;
    if (world->m_state == STATE_MENU_HOVER && world->m_hoverStart != NO_HOVER &&
        g_system->m_presentTime - static_cast<int64_t>(world->m_hoverStart) > HoverDelay() &&
        world->GetChosenValue() == WORLD_DOMESTIC && world->m_chosen >= 0) {
        OpenBeside(SB::s_menuDomestic, world);
        // The hover is used up; left standing it would open the sub-menu
        // again on every tick and swallow its clicks.
        Settle(world);
    }
    if (Chosen(world)) {
        const int v = world->GetChosenValue();
        if (v == WORLD_DOMESTIC) {
            OpenBeside(SB::s_menuDomestic, world);
            Settle(world);
        } else if (v == WORLD_RECORDS) {
            OpenBeside(SB::s_menuRecords, world);
            Settle(world);
            return true;
        } else if (v >= COMP_TEST_CHAMPIONSHIP && v < WORLD_TOUR_BASE) {
            Settle(world);
            OpenScreen(SCREEN_COMPETITION, {v});
            return true;
        } else if (v >= WORLD_TOUR_BASE && v < WORLD_TOURNAMENT_BASE) {
            Settle(world);
            const size_t index = static_cast<size_t>(v - WORLD_TOUR_BASE);
            if (index < g_world.mv_tours.size()) {
                const Tour& tour = g_world.mv_tours[index];
                OpenScreen(SCREEN_SERIES, {tour.m_series, tour.m_kind});
            }
            return true;
        } else if (v >= WORLD_TOURNAMENT_BASE && v < WORLD_TOURNAMENT_END) {
            Settle(world);
            OpenScreen(SCREEN_COMPETITION, {v - WORLD_TOURNAMENT_BASE});
            return true;
        }
    }
    if (Chosen(SB::s_menuRecords)) {
        CPopupMenu* records = SB::s_menuRecords;
        const int v = records->GetChosenValue();
        for (const RecordsMenu& entry : RECORDS_MENUS) {
            if (entry.chooserValue != v) continue;
            OpenBeside(*entry.menu, records);
            Settle(records);
        }
    }
    for (const RecordsMenu& entry : RECORDS_MENUS) {
        CPopupMenu* menu = *entry.menu;
        if (!Chosen(menu)) continue;
        const int section = menu->GetChosenValue();
        Settle(menu);
        OpenRecordsScreen(entry.kind, section);
        return true;
    }
    return false;
}

// The hold of a screen that must be left by its own buttons, with whether
// each button was disabled before it.
struct SideBarHold {
    bool held = false;
    uint8_t wasDisabled[std::size(BUTTONS)] = {};
};
SideBarHold s_hold;

// The Competitions and Domestic menus; true when the tick ends.
bool HandleCompetitionMenus() {
    CPopupMenu* competitions = SB::s_menuCompetitions;
    if (Chosen(competitions)) {
        const int v = competitions->GetChosenValue();
        if (v == WORLD_DOMESTIC) {
            OpenBeside(SB::s_menuDomestic, competitions);
            Settle(competitions);
        } else {
            Settle(competitions);
            OpenScreen(SCREEN_COMPETITION, {v});
            return true;
        }
    }
    if (Chosen(SB::s_menuDomestic)) {
        const int v = SB::s_menuDomestic->GetChosenValue();
        Settle(SB::s_menuDomestic);
        OpenScreen(SCREEN_COMPETITION, {v});
        return true;
    }
    return false;
}

}  // namespace

void BuildSideBar() {
    s_hold = {};
    for (const ButtonDef& def : BUTTONS) {
        auto* button = new CButton;
        button->SetCaption(def.caption);
        if (*def.tooltip) button->SetTooltip(def.tooltip);
        button->SetRect(def.x, def.y, def.width, BUTTON_HEIGHT);
        *def.button = button;
    }
    // Nothing to go back or forward to yet.
    SB::s_btnBack->mb_disabled = 1;
    SB::s_btnForward->mb_disabled = 1;
    for (const MenuDef& def : MENUS) {
        auto* menu = new CPopupMenu;
        menu->m_width = def.width;
        *def.menu = menu;
        if (def.parent) menu->SetParent(*def.parent);
    }
    FillRecordsMenus();

    auto* dialog = new CDialog;
    dialog->SetCaption("Game Options");
    dialog->SetRect(262, 234, 500, 250);
    dialog->mb_visible = 0;
    dialog->mp_drawCallback = DrawOptionsLabels;
    SB::s_dlgOptions = dialog;
    SB::s_btnOptionsDone = new CButton;
    SB::s_btnOptionsDone->SetCaption("Done");
    SB::s_btnOptionsDone->SetRect(190, 190, 120, 30);
    SB::s_tickAutosave = new CTickBox;
    SB::s_tickAutosave->SetRect(20, 50, 30, 30);
    SB::s_tickSounds = new CTickBox;
    SB::s_tickSounds->SetRect(20, 90, 30, 30);
    SB::s_comboSkin = new CComboBox;
    SB::s_comboSkin->SetRect(20, 130, 120, 30);
    SB::s_comboSkin->m_collapsedHeight = 30;
    SB::s_comboSkin->SetCaption(g_game->m_skinName);
    ListSkins(*SB::s_comboSkin);
    for (CControl* child : std::initializer_list<CControl*>{SB::s_btnOptionsDone, SB::s_tickAutosave,
                                                            SB::s_tickSounds, SB::s_comboSkin}) {
        dialog->AddChild(child);
    }
}

void AddSideBarControls() {
    ControlList& list = g_game->m_sideBarList;
    for (CControl* control :
         std::initializer_list<CControl*>{SB::s_dlgOptions,       SB::s_btnMain,
                                          SB::s_btnWorldCricket,  SB::s_btnSquad,
                                          SB::s_btnCompetitions,  SB::s_btnPlayerSearch,
                                          SB::s_btnJobs,          SB::s_btnBack,
                                          SB::s_btnForward,       SB::s_menuWorldCricket,
                                          SB::s_menuCompetitions, SB::s_menuDomestic,
                                          SB::s_menuRecords,      SB::s_menuFirstClassRecords,
                                          SB::s_menuListARecords, SB::s_menuTestRecords,
                                          SB::s_menuOdiRecords,   SB::s_btnContinue,
                                          SB::s_btnOptions,       SB::s_btnExit}) {
        if (control) list.AddControl(control);
    }
}

void ReleaseSideBar() {
    if (g_game) {
        // The list must not keep pointers to what is destroyed here.
        auto& controls = g_game->m_sideBarList.mv_controls;
        std::erase_if(controls, [](CControl* control) {
            for (const ButtonDef& def : BUTTONS)
                if (control == *def.button) return true;
            for (const MenuDef& def : MENUS)
                if (control == *def.menu) return true;
            return control == SB::s_dlgOptions;
        });
    }
    for (const ButtonDef& def : BUTTONS) {
        delete *def.button;
        *def.button = nullptr;
    }
    for (const MenuDef& def : MENUS) {
        if (*def.menu) (*def.menu)->ClearListItems();
        delete *def.menu;
        *def.menu = nullptr;
    }
    delete SB::s_btnOptionsDone;
    delete SB::s_dlgOptions;
    delete SB::s_tickAutosave;
    delete SB::s_tickSounds;
    if (SB::s_comboSkin) SB::s_comboSkin->ClearListItems();
    delete SB::s_comboSkin;
    SB::s_btnOptionsDone = nullptr;
    SB::s_dlgOptions = nullptr;
    SB::s_tickAutosave = nullptr;
    SB::s_tickSounds = nullptr;
    SB::s_comboSkin = nullptr;
    SB::s_pendingQuestion = QUESTION_NONE;
    s_hold = {};
}

void HoldSideBar() {
    if (s_hold.held) return;
    s_hold.held = true;
    for (size_t i = 0; i < std::size(BUTTONS); ++i) {
        CButton* button = *BUTTONS[i].button;
        if (!button) continue;
        s_hold.wasDisabled[i] = button->mb_disabled;
        button->mb_disabled = 1;
        button->m_state = STATE_NORMAL;
    }
}

void LetGoSideBar() {
    if (!s_hold.held) return;
    s_hold.held = false;
    for (size_t i = 0; i < std::size(BUTTONS); ++i) {
        if (CButton* button = *BUTTONS[i].button) {
            button->mb_disabled = s_hold.wasDisabled[i];
            button->m_state = STATE_NORMAL;
        }
    }
    if (g_game) g_game->UpdateHistoryButtons();
}

bool SideBarHeld() {
    return s_hold.held;
}

void HandleSideBar() {
    CGame& game = *g_game;
    if (!SB::s_btnMain) return;
    if (Clicked(SB::s_btnMain)) return Change(SCREEN_NEWS);
    if (Clicked(SB::s_btnSquad)) {
        return OpenScreen(g_cricket.m_team <= SQUAD_COUNTRY_LIMIT ? SCREEN_COUNTRY : SCREEN_TEAM,
                          {g_cricket.m_team});
    }
    CloseMenusOnEscape();
    if (Clicked(SB::s_btnWorldCricket)) {
        SB::s_menuWorldCricket->Open(SB::s_btnWorldCricket->m_x, SB::s_btnWorldCricket->m_y + BUTTON_HEIGHT);
    }
    if (HandleWorldCricketMenus()) return;
    if (HandleCompetitionMenus()) return;
    if (Clicked(SB::s_btnCompetitions) && SB::s_menuCompetitions->m_menuState == MENU_CLOSED) {
        CButton* button = SB::s_btnCompetitions;
        SB::s_menuCompetitions->Open(button->m_x, button->m_y + button->m_height);
    }
    if (Clicked(SB::s_btnPlayerSearch)) return Change(SCREEN_PLAYER_SEARCH);
    if (Clicked(SB::s_btnJobs)) return Change(SCREEN_JOBS);
    const int32_t before = game.m_screenId;
    if (Clicked(SB::s_btnBack)) game.NavigateHistory(HISTORY_BACK);
    if (Clicked(SB::s_btnForward)) game.NavigateHistory(HISTORY_FORWARD);
    if (game.m_screenId != before) return;
    if (Clicked(SB::s_btnExit)) {
        ConfirmExit();
        return;
    }
    if (Clicked(SB::s_btnOptions)) {
        SB::s_tickAutosave->mb_ticked = g_cricket.m_autosave ? 1 : 0;
        SB::s_tickSounds->mb_ticked = g_cricket.m_matchViewSounds ? 1 : 0;
        SB::s_comboSkin->SetCaption(game.m_skinName);
        SB::s_dlgOptions->mb_visible = 1;
        SB::s_dlgOptions->mb_expanded = 1;
    }
    if (SB::s_dlgOptions->mb_visible && HandleOptionsDialog()) return;
    if (Clicked(SB::s_btnContinue)) {
        const int32_t screen = game.m_screenId;
        Continue();
        if (game.m_screenId != screen) return;
    }
    game.m_busy = false;
}

void ConfirmExit() {
    SB::s_pendingQuestion = QUESTION_EXIT;
    // A second close before the question shows must not ask it twice.
    if (MessageBoxOpen() || ExitQuestionQueued()) return;
    // The answer to an earlier question must not stand for this one.
    CMessageBox::s_messageAnswer = 0;
    ShowMessage(EXIT_QUESTION, MSG_YES_NO);
}

void HideSideBarButtons() {
    for (const ButtonDef& def : BUTTONS) {
        if (*def.button) (*def.button)->mb_visible = 0;
    }
    if (SB::s_dlgOptions) SB::s_dlgOptions->mb_visible = 0;
}

void ShowSideBarButtons() {
    for (const ButtonDef& def : BUTTONS) {
        if (*def.button) (*def.button)->mb_visible = 1;
    }
}

void DrawOptionsLabels() {
    const CDialog* dialog = SB::s_dlgOptions;
    if (!dialog || !g_game) return;
    for (const Label& label : OPTION_LABELS) {
        g_system->DrawText(dialog->m_x + label.x, dialog->m_y + label.y, ALIGN_LEFT, LABEL_COLOUR,
                           g_game->m_fontText.get(), "%s", label.text);
    }
}

}  // namespace ravel
