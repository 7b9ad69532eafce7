// Screen 103: the start menu. New Game resets the world's date, lets the
// clubs pick their elevens and opens the set-up; Network Game opens the
// network test mode; Custom Game the custom games; Exit ends the run. The
// saved-game list is labelled from the saves' headers; loading a whole game
// is not part of the game, so its button stays disabled.
#pragma once

#include <string>
#include <vector>

#include "shell/Screen.h"
#include "world/SaveGame.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;

class CMainMenuScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Tick() override;
    void Render() override;
    void Leave() override;

    // Fills the dialog's drop-down from the saves folder.
    void BuildSavedGameList();

    const std::vector<std::string>& SaveFiles() const { return mv_saveFiles; }

    // Made by Enter, freed by Leave.
    CButton* m_btnNewGame = nullptr;
    CButton* m_btnLoadGame = nullptr;
    CButton* m_btnExit = nullptr;
    CButton* m_btnNetworkGame = nullptr;
    CButton* m_btnCustomGame = nullptr;
    CDialog* m_dlgLoad = nullptr;
    CComboBox* m_comboSaves = nullptr;
    CButton* m_btnLoad = nullptr;
    CButton* m_btnCancel = nullptr;

private:
    std::vector<std::string> mv_saveFiles;
    int m_chosenSave = 0;
    bool mb_mouseReleased = false;

    void DrawLoadGameDialog() const;
};

// The drop-down's label of a save; the autosave's carries "(Autosave) ".
std::string SavedGameLabel(const std::string& fileName, const SaveGameHeader& header, bool autosaveMark);

// The new career's world: the clock back to the first morning, every club
// with a squad picks its eleven, the weather moves on a day, career mode. Any
// earlier game's coaches are handed to the computer.
void StartNewCareer();

}  // namespace ravel
