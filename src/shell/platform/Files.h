// Folders and files: the documents folder, making folders, listing a folder
// by pattern, and the error boxes shown before the game's own message box
// exists.
#pragma once

#include <string>
#include <vector>

namespace ravel {

// The user's documents folder (XDG documents folder, else ~/Documents, made
// when missing); empty when there is none.
std::string DocumentsFolder();

enum class MakeFolderResult { CREATED, EXISTS, FAILED };
MakeFolderResult MakeFolder(const std::string& nativePath);

struct FolderEntry {
    std::string name;
    bool folder = false;
    bool readOnly = false;
};
// Entries of the folder whose names match the pattern's last component
// ("gfx\gui\*.*", "saves\*.sav"; '*' and '?' wildcards, case-sensitive);
// "." and ".." included for folders as the listing reports them. Sorted by
// name. false when the folder cannot be listed.
bool ListFolder(const std::string& gamePattern, std::vector<FolderEntry>& out);

// Message box flags.
enum BoxIcon { BOX_PLAIN = 0, BOX_ERROR = 1, BOX_WARNING = 2 };
// A blocking box with an OK button when a display is there; always also on
// stderr. Headless runs only record it (LastSystemBox).
void SystemMessageBox(const char* text, const char* caption, BoxIcon icon);
struct SystemBox {
    std::string text, caption;
    BoxIcon icon = BOX_PLAIN;
};
const std::vector<SystemBox>& ShownSystemBoxes();
void ClearShownSystemBoxes();

}  // namespace ravel
