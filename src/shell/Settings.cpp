#include "shell/Settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/platform/Files.h"
#include "world/Paths.h"
#include "world/SaveGame.h"
#include "world/Services.h"

namespace ravel {

char s_documentsFolder[FOLDER_BUFFER] = "";
char s_savesFolder[FOLDER_BUFFER] = "";
char s_outputFolder[FOLDER_BUFFER] = "";
char s_optionsFolder[FOLDER_BUFFER] = "";
char s_skinName[SKIN_NAME_LENGTH + 1] = "";
HighlightFilters g_highlightFilters;

namespace {

// The file's order of the filter lines.
uint8_t HighlightFilters::*const FILE_ORDER[9] = {
    &HighlightFilters::everything, &HighlightFilters::celebrations,    &HighlightFilters::chances,
    &HighlightFilters::dotBalls,   &HighlightFilters::fours,           &HighlightFilters::singles,
    &HighlightFilters::sixes,      &HighlightFilters::twosThreesFives, &HighlightFilters::wickets,
};

std::string s_configPath;

void TraceMake(MakeFolderResult r, const char* created) {
    if (r == MakeFolderResult::CREATED)
        DebugLog("%s", created);
    else if (r == MakeFolderResult::EXISTS)
        DebugLog("Directory already exists no worries");
    else
        DebugLog("Error creating directory for save games");
}

// Reads one line without its line break; false at the end of the file.
bool ReadLine(FILE* f, std::string& line) {
    line.clear();
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n')
        if (line.size() < 4096) line.push_back(char(c));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return c != EOF || !line.empty();
}

// Copies a path into a fixed buffer; false when it does not fit.
bool CopyPath(char* dest, const std::string& path) {
    if (path.size() >= size_t(FOLDER_BUFFER)) return false;
    std::memcpy(dest, path.c_str(), path.size() + 1);
    return true;
}

// The leading decimal digits of a line; 0 when there are none.
long LeadingNumber(const char* line) {
    long value = 0;
    for (; *line >= '0' && *line <= '9'; ++line) {
        value = value * 10 + (*line - '0');
        if (value > 1000000) break;
    }
    return value;
}

// The skin names a folder under gfx\gui: a plain name, never a path out of it.
bool PlainFolderName(const std::string& name) {
    if (name.find("..") != std::string::npos) return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == ':') return false;
    return true;
}

}  // namespace

bool ReadConfig(const char* nativePath) {
    FILE* f = std::fopen(nativePath, "rt");
    if (!f) return false;
    std::string line;
    ReadLine(f, line);
    // A first line too long for the name leaves the filters unread: all off.
    const bool readFlags = line.size() <= size_t(SKIN_NAME_LENGTH);
    if (!PlainFolderName(line)) {
        DebugLog("config.ini: skin \"%.*s\" is no folder name; using \"std\"", SKIN_NAME_LENGTH,
                 line.c_str());
        line = "std";
    }
    std::snprintf(s_skinName, sizeof s_skinName, "%.*s", SKIN_NAME_LENGTH, line.c_str());
    for (auto member : FILE_ORDER) {
        const bool got = readFlags && ReadLine(f, line);
        g_highlightFilters.*member = got && LeadingNumber(line.c_str()) == 1 ? 1 : 0;
    }
    std::fclose(f);
    return true;
}

bool WriteConfig(const char* nativePath, const char* skinName, const HighlightFilters& filters) {
    FILE* f = std::fopen(nativePath, "wt");
    if (!f) return false;
    std::fprintf(f, "%s\n", skinName ? skinName : "");
    for (auto member : FILE_ORDER) std::fputs(filters.*member == 1 ? "1\n" : "0\n", f);
    return std::fclose(f) == 0;
}

bool WriteDefaultConfig(const char* nativePath) {
    HighlightFilters allOn;
    for (auto member : FILE_ORDER) allOn.*member = 1;
    if (!WriteConfig(nativePath, "std", allOn)) return false;
    std::snprintf(s_skinName, sizeof s_skinName, "%s", "std");
    return true;
}

const char* ConfigPath() {
    return s_configPath.c_str();
}

GameFolders CurrentFolders() {
    GameFolders f;
    std::memcpy(f.documents, s_documentsFolder, sizeof f.documents);
    std::memcpy(f.saves, s_savesFolder, sizeof f.saves);
    std::memcpy(f.output, s_outputFolder, sizeof f.output);
    std::memcpy(f.options, s_optionsFolder, sizeof f.options);
    std::memcpy(f.skinName, s_skinName, sizeof f.skinName);
    f.filters = g_highlightFilters;
    f.configPath = s_configPath;
    f.savesNative = SavesFolder();
    return f;
}

void RestoreFolders(const GameFolders& f) {
    std::memcpy(s_documentsFolder, f.documents, sizeof f.documents);
    std::memcpy(s_savesFolder, f.saves, sizeof f.saves);
    std::memcpy(s_outputFolder, f.output, sizeof f.output);
    std::memcpy(s_optionsFolder, f.options, sizeof f.options);
    std::memcpy(s_skinName, f.skinName, sizeof f.skinName);
    g_highlightFilters = f.filters;
    s_configPath = f.configPath;
    SetSavesFolder(f.savesNative);
}

void SetupFolders() {
    std::string documents = DocumentsFolder();
    const std::string base = JoinPath(documents, "Ravelstone");
    // A documents path too long for the folder buffers counts as none.
    if (documents.empty() || !CopyPath(s_documentsFolder, documents) ||
        !CopyPath(s_savesFolder, JoinPath(base, "Saves")) ||
        !CopyPath(s_outputFolder, JoinPath(base, "Output")) ||
        !CopyPath(s_optionsFolder, JoinPath(base, "Options"))) {
        documents.clear();
        s_documentsFolder[0] = 0;
        CopyPath(s_savesFolder, "saves");
        CopyPath(s_outputFolder, "output");
        CopyPath(s_optionsFolder, "options");
    } else {
        TraceMake(MakeFolder(NativePath(base)), "Created root Ravelstone directory in my documents");
    }
    TraceMake(MakeFolder(NativePath(s_savesFolder)), "Created directory");
    TraceMake(MakeFolder(NativePath(s_outputFolder)), "Created directory");
    // Player histories and saved-game headers live in the same saves folder.
    SetSavesFolder(NativePath(s_savesFolder));

    s_configPath = NativePath(JoinPath(s_optionsFolder, "config.ini"));
    const MakeFolderResult options = MakeFolder(NativePath(s_optionsFolder));
    TraceMake(options, "Created directory");
    if (options == MakeFolderResult::CREATED) {
        WriteDefaultConfig(s_configPath.c_str());
    } else if (options == MakeFolderResult::EXISTS) {
        if (!ReadConfig(s_configPath.c_str())) WriteDefaultConfig(s_configPath.c_str());
    } else {
        s_configPath.clear();
    }
}

bool WriteSettingsAtExit(const char* skinName) {
    if (s_configPath.empty()) return false;
    return WriteConfig(s_configPath.c_str(), skinName, g_highlightFilters);
}

void SaveAccessibilityKeys() {}
void AllowAccessibilityShortcuts(bool) {}

}  // namespace ravel
