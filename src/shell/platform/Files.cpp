#include "shell/platform/Files.h"

#include <SDL2/SDL.h>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "shell/platform/System.h"
#include "world/Paths.h"

namespace ravel {

namespace {

std::vector<SystemBox> s_boxes;

// XDG_DOCUMENTS_DIR from user-dirs.dirs, with $HOME expanded.
std::string XdgDocuments(const std::string& home) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string file =
        (config && *config ? std::string(config) : home + "/.config") + "/user-dirs.dirs";
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DOCUMENTS_DIR=";
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0) value = home + value.substr(5);
        if (!value.empty() && value.front() == '/') return value;
    }
    return {};
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string DocumentsFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    std::string folder = XdgDocuments(home);
    if (folder.empty()) folder = std::string(home) + "/Documents";
    if (!IsFolder(folder) && mkdir(folder.c_str(), 0755) != 0 && !IsFolder(folder)) return {};
    return folder;
}

MakeFolderResult MakeFolder(const std::string& nativePath) {
    if (mkdir(nativePath.c_str(), 0755) == 0) return MakeFolderResult::CREATED;
    if (errno == EEXIST && IsFolder(nativePath)) return MakeFolderResult::EXISTS;
    return MakeFolderResult::FAILED;
}

bool ListFolder(const std::string& gamePattern, std::vector<FolderEntry>& out) {
    out.clear();
    const std::string native = NativePath(gamePattern);
    const size_t slash = native.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : native.substr(0, slash);
    std::string pattern = slash == std::string::npos ? native : native.substr(slash + 1);
    // "*.*" means every entry, as on the system the names come from.
    if (pattern == "*.*") pattern = "*";
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return false;
    while (dirent* e = readdir(dir)) {
        if (fnmatch(pattern.c_str(), e->d_name, 0) != 0) continue;
        FolderEntry entry;
        entry.name = e->d_name;
        const std::string full = folder + "/" + entry.name;
        entry.folder = IsFolder(full);
        entry.readOnly = access(full.c_str(), W_OK) != 0;
        out.push_back(entry);
    }
    closedir(dir);
    std::sort(out.begin(), out.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return true;
}

void SystemMessageBox(const char* text, const char* caption, BoxIcon icon) {
    s_boxes.push_back(SystemBox{text ? text : "", caption ? caption : "", icon});
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
    // Only with a display; headless runs, tests and tools show none.
    const bool headless = !g_system || g_system->Headless();
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!headless && display) {
        const Uint32 flags = icon == BOX_ERROR     ? SDL_MESSAGEBOX_ERROR
                             : icon == BOX_WARNING ? SDL_MESSAGEBOX_WARNING
                                                   : SDL_MESSAGEBOX_INFORMATION;
        SDL_ShowSimpleMessageBox(flags, caption, text, nullptr);
    }
}

const std::vector<SystemBox>& ShownSystemBoxes() {
    return s_boxes;
}
void ClearShownSystemBoxes() {
    s_boxes.clear();
}

}  // namespace ravel
