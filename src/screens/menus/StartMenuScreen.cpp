#include "screens/menus/StartMenuScreen.h"

#include <cstdio>
#include <cstring>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "season/Career.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/Files.h"
#include "shell/platform/System.h"
#include "world/Paths.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

CButton* CMainMenuScreen::s_btnNewGame = nullptr;
CButton* CMainMenuScreen::s_btnLoadGame = nullptr;
CButton* CMainMenuScreen::s_btnExit = nullptr;
CButton* CMainMenuScreen::s_btnNetworkGame = nullptr;
CButton* CMainMenuScreen::s_btnCustomGame = nullptr;
CDialog* CMainMenuScreen::s_dlgLoad = nullptr;
CComboBox* CMainMenuScreen::s_comboSaves = nullptr;
CButton* CMainMenuScreen::s_btnLoad = nullptr;
CButton* CMainMenuScreen::s_btnCancel = nullptr;
std::vector<std::string> CMainMenuScreen::sv_saveFiles;
int CMainMenuScreen::s_chosenSave = 0;
bool CMainMenuScreen::sb_mouseReleased = false;

namespace {

using MS = CMainMenuScreen;

constexpr char VERSION[] = "1.64";
constexpr char AUTOSAVE_NAME[] = "autosave.rsg";

struct ButtonRow {
    CButton** button;
    int x, y, width, height;
    const char* caption;
    const char* tooltip;
};

// In the order they join the screen's list.
const ButtonRow MENU_BUTTONS[] = {
    {&MS::s_btnNewGame, 387, 239, 250, 30, "New Game", "Begin a new game"},
    {&MS::s_btnExit, 387, 379, 250, 30, "Exit", "Exit Ravelstone"},
    {&MS::s_btnLoadGame, 387, 309, 250, 30, "Load Game", "Load an old game"},
    {&MS::s_btnNetworkGame, 387, 439, 250, 30, "Network Game", "Begin a new game"},
    {&MS::s_btnCustomGame, 387, 509, 250, 30, "Custom Game", "Play a custom league or tour"},
};
// Children of the load dialog, placed relative to it.
const ButtonRow DIALOG_BUTTONS[] = {
    {&MS::s_btnLoad, 75, 165, 150, 30, "Load Game", ""},
    {&MS::s_btnCancel, 375, 165, 150, 30, "Cancel", ""},
};

CButton* MakeButton(const ButtonRow& row) {
    CButton* button = new CButton();
    button->SetRect(row.x, row.y, row.width, row.height);
    button->SetCaption(row.caption);
    button->SetTooltip(row.tooltip);
    *row.button = button;
    return button;
}

}  // namespace

std::string SavedGameLabel(const std::string& fileName, const SaveGameHeader& header, bool autosaveMark) {
    if (header.m_team == SAVE_OTHER_VERSION) return "Incompatible with this version";
    const char* prefix =
        autosaveMark && fileName.find(AUTOSAVE_NAME) != std::string::npos ? "(Autosave) " : "";
    char label[1024];
    if (header.m_team >= 1) {
        std::snprintf(label, sizeof label, "%s%s - %s %d.%d.%d", prefix, header.m_coachName,
                      SideName(header.m_team), header.m_day, header.m_month, header.m_year);
    } else {
        std::snprintf(label, sizeof label, "%s%s - Unemployed %d.%d.%d", prefix, header.m_coachName,
                      header.m_day, header.m_month, header.m_year);
    }
    return label;
}

void StartNewCareer() {
    g_game->m_screenMode = SCREEN_MODE_FRAMED;
    PrepareNewCareer();
}

void CMainMenuScreen::Enter() {
    ControlList& list = *g_system->mp_controlList;
    for (const ButtonRow& row : MENU_BUTTONS) list.Add(MakeButton(row));
    s_btnLoadGame->Disable();

    s_dlgLoad = new CDialog();
    s_dlgLoad->SetRect(212, 234, 600, 300);
    s_dlgLoad->SetCaption("Load Game");
    s_dlgLoad->mp_drawCallback = DrawLoadGameDialog;
    s_dlgLoad->mb_visible = 0;
    s_comboSaves = new CComboBox();
    s_comboSaves->SetRect(20, 60, 560, 30);
    s_dlgLoad->AddChild(s_comboSaves);
    for (const ButtonRow& row : DIALOG_BUTTONS) s_dlgLoad->AddChild(MakeButton(row));

    sb_mouseReleased = false;
    g_game->mb_screenFrame = 0;
    g_game->m_screenMode = SCREEN_MODE_FULL;
    g_game->m_recordOnLeave = false;
}

void CMainMenuScreen::Update() {
    if (!sb_mouseReleased) {
        if (g_system->mb_leftDown || g_system->mb_rightDown) return;
        // A press that began before the menu opened ends here, unheeded.
        sb_mouseReleased = true;
        for (CButton* button : {s_btnNewGame, s_btnLoadGame, s_btnExit, s_btnNetworkGame, s_btnCustomGame})
            button->m_state = STATE_NORMAL;
        return;
    }
    if (s_dlgLoad->mb_visible) {
        if (s_comboSaves->m_comboState == COMBO_CHOSEN) {
            s_chosenSave = s_comboSaves->m_selected;
            if (s_chosenSave >= 0 && s_chosenSave < static_cast<int>(sv_saveFiles.size())) {
                const std::string& file = sv_saveFiles[static_cast<size_t>(s_chosenSave)];
                s_comboSaves->SetCaption(
                    SavedGameLabel(file, ReadSaveGameHeader(file.c_str()), false).c_str());
            }
            s_comboSaves->Collapse();
        }
        if (TakeClick(s_btnCancel)) {
            s_dlgLoad->mb_visible = 0;
            return;
        }
    }
    if (TakeClick(s_btnNewGame)) {
        StartNewCareer();
        g_game->ChangeScreen(SCREEN_NEW_GAME);
    } else if (TakeClick(s_btnLoadGame)) {
        BuildSavedGameList();
        s_btnCancel->m_state = STATE_NORMAL;
        s_dlgLoad->mb_visible = 1;
    } else if (TakeClick(s_btnExit)) {
        g_game->m_running = false;
    } else if (TakeClick(s_btnNetworkGame)) {
        g_game->ChangeScreen(SCREEN_NETWORK);
    } else if (TakeClick(s_btnCustomGame)) {
        g_game->ChangeScreen(SCREEN_CUSTOM_GAME);
    }
}

void CMainMenuScreen::Tick() {
    if (!s_comboSaves || s_comboSaves->m_comboState != COMBO_OPEN) return;
    const int count = static_cast<int>(sv_saveFiles.size());
    s_comboSaves->m_visibleCount = count == 2 ? 2 : 1;
    s_comboSaves->mb_scrolling = count >= 3;
}

void CMainMenuScreen::Render() {
    DrawFullScreenFrame("Ravelstone");
    g_system->DrawText(977, 15, ALIGN_CENTRE, TEXT_YELLOW, g_game->m_fontTitle.get(), "%s", VERSION);
    g_system->mp_controlList->Draw();
}

void CMainMenuScreen::Leave() {
    g_system->mp_controlList->mv_controls.clear();
    for (CButton** button : {&s_btnNewGame, &s_btnLoadGame, &s_btnExit, &s_btnNetworkGame, &s_btnCustomGame,
                             &s_btnLoad, &s_btnCancel}) {
        delete *button;
        *button = nullptr;
    }
    delete s_comboSaves;
    s_comboSaves = nullptr;
    delete s_dlgLoad;
    s_dlgLoad = nullptr;
}

void CMainMenuScreen::BuildSavedGameList() {
    sv_saveFiles.clear();
    s_comboSaves->ClearListItems();
    std::vector<FolderEntry> entries;
    ListFolder(JoinPath(s_savesFolder, "*.rsg"), entries);
    for (const FolderEntry& entry : entries) {
        if (entry.folder) continue;
        sv_saveFiles.push_back(entry.name);
        const std::string label = SavedGameLabel(entry.name, ReadSaveGameHeader(entry.name.c_str()), true);
        s_comboSaves->AddListItem(label.c_str(), static_cast<int>(sv_saveFiles.size()) - 1);
    }
}

void CMainMenuScreen::DrawLoadGameDialog() {
    const CDialog& dialog = *s_dlgLoad;
    CFont* font = g_game->m_fontText.get();
    g_system->DrawText(dialog.m_x + 20, dialog.m_y + 40, ALIGN_LEFT, TEXT_WHITE, font,
                       "Select a saved game to continue playing");
    g_system->DrawText(dialog.m_x + 420, dialog.m_y + 40, ALIGN_LEFT, TEXT_WHITE, font, "%d games found...",
                       static_cast<int>(sv_saveFiles.size()));
    g_system->DrawTextInRect(
        dialog.m_x + 20, dialog.m_y + 240, dialog.m_x + dialog.m_width - 12, dialog.m_y + dialog.m_height,
        ALIGN_LEFT, TEXT_WHITE, font,
        "Please note: Save game files are stored in the folder %s. You can delete these at any time, each "
        "save game file is around 10mb in size, so it would be a good idea to delete ones you don't require "
        "anymore.",
        NativePath(s_savesFolder).c_str());
}

}  // namespace ravel
