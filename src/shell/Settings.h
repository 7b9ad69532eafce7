// The game's folders under the documents folder and config.ini: the skin
// name and the nine highlight filters of the live match view.
#pragma once

#include <cstdint>
#include <string>

namespace ravel {

inline constexpr int FOLDER_BUFFER = 520;
inline constexpr int SKIN_NAME_LENGTH = 49;

// Paths in the game's notation ("...\Ravelstone\Saves"), or the relative
// "saves", "output" and "options" when there is no documents folder.
extern char s_documentsFolder[FOLDER_BUFFER];
extern char s_savesFolder[FOLDER_BUFFER];
extern char s_outputFolder[FOLDER_BUFFER];
extern char s_optionsFolder[FOLDER_BUFFER];
extern char s_skinName[SKIN_NAME_LENGTH + 1];

// The highlight filters, 1 on and 0 off, with their start values.
struct HighlightFilters {
    uint8_t everything = 0;
    uint8_t dotBalls = 0;
    uint8_t singles = 0;
    uint8_t twosThreesFives = 0;
    uint8_t fours = 1;
    uint8_t sixes = 1;
    uint8_t chances = 1;
    uint8_t wickets = 1;
    uint8_t celebrations = 1;
};
extern HighlightFilters g_highlightFilters;

// Finds the documents folder, makes the folder tree and reads config.ini,
// writing the default file when it is missing.
void SetupFolders();
// Reads config.ini into s_skinName and the filters; false when it cannot be opened.
bool ReadConfig(const char* nativePath);
// Writes the skin name and the nine filters; false when it cannot be written.
bool WriteConfig(const char* nativePath, const char* skinName, const HighlightFilters& filters);
bool WriteDefaultConfig(const char* nativePath);
// The exit writer: config.ini in the options folder from the current values.
bool WriteSettingsAtExit(const char* skinName);
// Where config.ini lives: "<options folder>\config.ini" as a native path.
const char* ConfigPath();

// Everything SetupFolders and the config file set, so that it can be put back
// as it was (a test that points the folders at a home of its own).
struct GameFolders {
    char documents[FOLDER_BUFFER] = "";
    char saves[FOLDER_BUFFER] = "";
    char output[FOLDER_BUFFER] = "";
    char options[FOLDER_BUFFER] = "";
    char skinName[SKIN_NAME_LENGTH + 1] = "";
    HighlightFilters filters;
    std::string configPath;
    std::string savesNative;
};
GameFolders CurrentFolders();
void RestoreFolders(const GameFolders& folders);

// The desktop's accessibility shortcut keys are left to the desktop on
// Linux: saving and restoring them are no-ops kept for their call sites.
void SaveAccessibilityKeys();
void AllowAccessibilityShortcuts(bool allow);

}  // namespace ravel
