#include "screens/menus/StartMenuScreen.h"

#include <cstdio>
#include <cstring>

#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/menus/ScreenTable.h"
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

namespace {

constexpr char VERSION[] = "1.64";
constexpr char AUTOSAVE_NAME[] = "autosave.rsg";

struct ButtonRow {
    CButton* CMainMenuScreen::*button;
    int x, y, width, height;
    const char* caption;
    const char* tooltip;
};

// In the order they join the screen's list.
const ButtonRow MENU_BUTTONS[] = {
    {&CMainMenuScreen::m_btnNewGame, 387, 239, 250, 30, "New Game", "Begin a new game"},
    {&CMainMenuScreen::m_btnExit, 387, 379, 250, 30, "Exit", "Exit Ravelstone"},
    {&CMainMenuScreen::m_btnLoadGame, 387, 309, 250, 30, "Load Game", "Load an old game"},
    {&CMainMenuScreen::m_btnNetworkGame, 387, 439, 250, 30, "Network Game", "Begin a new game"},
    {&CMainMenuScreen::m_btnCustomGame, 387, 509, 250, 30, "Custom Game", "Play a custom league or tour"},
};
// Children of the load dialog, placed relative to it.
const ButtonRow DIALOG_BUTTONS[] = {
    {&CMainMenuScreen::m_btnLoad, 75, 165, 150, 30, "Load Game", ""},
    {&CMainMenuScreen::m_btnCancel, 375, 165, 150, 30, "Cancel", ""},
};

CButton* MakeButton(CMainMenuScreen& screen, const ButtonRow& row) {
    CButton* button = new CButton();
    button->SetRect(row.x, row.y, row.width, row.height);
    button->SetCaption(row.caption);
    button->SetTooltip(row.tooltip);
    screen.*row.button = button;
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
    for (const ButtonRow& row : MENU_BUTTONS) list.Add(MakeButton(*this, row));
    m_btnLoadGame->Disable();

    m_dlgLoad = new CDialog();
    m_dlgLoad->SetRect(212, 234, 600, 300);
    m_dlgLoad->SetCaption("Load Game");
    m_dlgLoad->mp_drawCallback = [] { TheScreen<CMainMenuScreen>().DrawLoadGameDialog(); };
    m_dlgLoad->mb_visible = 0;
    m_comboSaves = new CComboBox();
    m_comboSaves->SetRect(20, 60, 560, 30);
    m_dlgLoad->AddChild(m_comboSaves);
    for (const ButtonRow& row : DIALOG_BUTTONS) m_dlgLoad->AddChild(MakeButton(*this, row));

    mv_saveFiles.clear();
    m_chosenSave = 0;
    mb_mouseReleased = false;
    g_game->mb_screenFrame = 0;
    g_game->m_screenMode = SCREEN_MODE_FULL;
    g_game->m_recordOnLeave = false;
}

void CMainMenuScreen::Update() {
    if (!mb_mouseReleased) {
        if (g_system->mb_leftDown || g_system->mb_rightDown) return;
        // A press that began before the menu opened ends here, unheeded.
        mb_mouseReleased = true;
        for (CButton* button : {m_btnNewGame, m_btnLoadGame, m_btnExit, m_btnNetworkGame, m_btnCustomGame})
            button->m_state = STATE_NORMAL;
        return;
    }
    if (m_dlgLoad->mb_visible) {
        if (m_comboSaves->m_comboState == COMBO_CHOSEN) {
            m_chosenSave = m_comboSaves->m_selected;
            if (m_chosenSave >= 0 && m_chosenSave < static_cast<int>(mv_saveFiles.size())) {
                const std::string& file = mv_saveFiles[static_cast<size_t>(m_chosenSave)];
                m_comboSaves->SetCaption(
                    SavedGameLabel(file, ReadSaveGameHeader(file.c_str()), false).c_str());
            }
            m_comboSaves->Collapse();
        }
        if (TakeClick(m_btnCancel)) {
            m_dlgLoad->mb_visible = 0;
            return;
        }
    }
    if (TakeClick(m_btnNewGame)) {
        StartNewCareer();
        g_game->ChangeScreen(SCREEN_NEW_GAME);
    } else if (TakeClick(m_btnLoadGame)) {
        BuildSavedGameList();
        m_btnCancel->m_state = STATE_NORMAL;
        m_dlgLoad->mb_visible = 1;
    } else if (TakeClick(m_btnExit)) {
        g_game->m_running = false;
    } else if (TakeClick(m_btnNetworkGame)) {
        g_game->ChangeScreen(SCREEN_NETWORK);
    } else if (TakeClick(m_btnCustomGame)) {
        g_game->ChangeScreen(SCREEN_CUSTOM_GAME);
    }
}

void CMainMenuScreen::Tick() {
    if (!m_comboSaves || m_comboSaves->m_comboState != COMBO_OPEN) return;
    const int count = static_cast<int>(mv_saveFiles.size());
    m_comboSaves->m_visibleCount = count == 2 ? 2 : 1;
    m_comboSaves->mb_scrolling = count >= 3;
}

void CMainMenuScreen::Render() {
    DrawFullScreenFrame("Ravelstone");
    g_system->DrawText(977, 15, ALIGN_CENTRE, TEXT_YELLOW, g_game->m_fontTitle.get(), "%s", VERSION);
    g_system->mp_controlList->Draw();
}

void CMainMenuScreen::Leave() {
    g_system->mp_controlList->mv_controls.clear();
    for (CButton** button : {&m_btnNewGame, &m_btnLoadGame, &m_btnExit, &m_btnNetworkGame, &m_btnCustomGame,
                             &m_btnLoad, &m_btnCancel}) {
        delete *button;
        *button = nullptr;
    }
    delete m_comboSaves;
    m_comboSaves = nullptr;
    delete m_dlgLoad;
    m_dlgLoad = nullptr;
}

void CMainMenuScreen::BuildSavedGameList() {
    mv_saveFiles.clear();
    m_comboSaves->ClearListItems();
    std::vector<FolderEntry> entries;
    ListFolder(JoinPath(s_savesFolder, "*.rsg"), entries);
    for (const FolderEntry& entry : entries) {
        if (entry.folder) continue;
        mv_saveFiles.push_back(entry.name);
        const std::string label = SavedGameLabel(entry.name, ReadSaveGameHeader(entry.name.c_str()), true);
        m_comboSaves->AddListItem(label.c_str(), static_cast<int>(mv_saveFiles.size()) - 1);
    }
}

void CMainMenuScreen::DrawLoadGameDialog() const {
    const CDialog& dialog = *m_dlgLoad;
    CFont* font = g_game->m_fontText.get();
    g_system->DrawText(dialog.m_x + 20, dialog.m_y + 40, ALIGN_LEFT, TEXT_WHITE, font,
                       "Select a saved game to continue playing");
    g_system->DrawText(dialog.m_x + 420, dialog.m_y + 40, ALIGN_LEFT, TEXT_WHITE, font, "%d games found...",
                       static_cast<int>(mv_saveFiles.size()));
    g_system->DrawTextInRect(
        dialog.m_x + 20, dialog.m_y + 240, dialog.m_x + dialog.m_width - 12, dialog.m_y + dialog.m_height,
        ALIGN_LEFT, TEXT_WHITE, font,
        "Please note: Save game files are stored in the folder %s. You can delete these at any time, each "
        "save game file is around 10mb in size, so it would be a good idea to delete ones you don't require "
        "anymore.",
        NativePath(s_savesFolder).c_str());
}

}  // namespace ravel
