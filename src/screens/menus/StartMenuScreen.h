// Screen 103: the start menu. New Game resets the world's date, lets the
// clubs pick their elevens and opens the set-up; Network Game opens the
// network test mode; Custom Game the custom games; Exit ends the run. The
// saved-game list is labelled from the saves' headers; loading a whole game
// is not part of the game, so its button stays disabled.
#pragma once

#include <string>
#include <vector>

#include "world/SaveGame.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;

class CMainMenuScreen {
public:
    static void Enter();
    static void Update();
    static void Tick();
    static void Render();
    static void Leave();

    // Fills the dialog's drop-down from the saves folder.
    static void BuildSavedGameList();
    static void DrawLoadGameDialog();

    static CButton* s_btnNewGame;
    static CButton* s_btnLoadGame;
    static CButton* s_btnExit;
    static CButton* s_btnNetworkGame;
    static CButton* s_btnCustomGame;
    static CDialog* s_dlgLoad;
    static CComboBox* s_comboSaves;
    static CButton* s_btnLoad;
    static CButton* s_btnCancel;
    static std::vector<std::string> sv_saveFiles;
    static int s_chosenSave;
    static bool sb_mouseReleased;
};

// The drop-down's label of a save; the autosave's carries "(Autosave) ".
std::string SavedGameLabel(const std::string& fileName, const SaveGameHeader& header, bool autosaveMark);

// The new career's world: the clock back to the first morning, every club
// with a squad picks its eleven, the weather moves on a day, career mode. Any
// earlier game's coaches are handed to the computer.
void StartNewCareer();

}  // namespace ravel
