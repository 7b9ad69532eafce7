// ravelstone: the game. "ravelstone window" runs it in a window; with no
// word, full screen; "ravelstone headless ticks=N shot=T:file.png ..." runs it
// without a window on a manual clock (see shell/MainLoop.h).
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "screens/menus/ScreenTable.h"
#include "shell/Game.h"

int main(int argc, char** argv) {
    // The game's files (db, gfx, sound) lie beside the program; it works
    // from there wherever it is started, as a desktop launcher would.
    std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::error_code error;
    const std::filesystem::path started = std::filesystem::current_path(error);
    // Screenshots named on the command line are taken where it was given.
    for (std::string& word : words) {
        const size_t colon = word.find(':');
        if (word.rfind("shot=", 0) != 0 || colon == std::string::npos) continue;
        const std::filesystem::path file = word.substr(colon + 1);
        if (file.is_relative()) word = word.substr(0, colon + 1) + (started / file).string();
    }
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) std::filesystem::current_path(self.parent_path(), error);

    ravel::CGameScreens screens;
    return ravel::GameMain(words, screens);
}
