#include "world/NameLists.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "world/Database.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr size_t MAX_NAME = 255;

// A name ends at a NUL byte, as it will in the player's record, and at the
// line's trailing blanks.
void TrimLineEnd(std::string& line) {
    line.resize(std::min(line.find('\0'), std::min(line.size(), MAX_NAME)));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
}

const char* RandomName(int countryId, const char* suffix) {
    static char s_buffer[MAX_NAME + 1];
    std::strcpy(s_buffer, "-");
    std::string name;
    bool found = false;
    for (const Country& c : g_world.mv_countries) {
        if (c.m_id != countryId) continue;
        found = RandomNameFromFile(DatabaseFilePath("names\\" + std::string(c.m_name) + suffix), name);
        break;
    }
    if (!found) found = RandomNameFromFile(DatabaseFilePath(std::string("names\\England") + suffix), name);
    if (found) std::snprintf(s_buffer, sizeof s_buffer, "%s", name.c_str());
    return s_buffer;
}

}  // namespace

bool RandomNameFromFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    if (!std::getline(in, line)) return false;
    long declared = std::strtol(line.c_str(), nullptr, 10);
    std::vector<std::string> names;
    while (std::getline(in, line)) {
        TrimLineEnd(line);
        if (!line.empty()) names.push_back(line);
    }
    if (names.empty()) return false;
    auto actual = static_cast<long>(names.size());
    long count = declared > 0 ? declared : actual;
    long k = Rand() % count;
    out = names[static_cast<size_t>(k % actual)];
    return true;
}

const char* RandomFirstName(int countryId) {
    return RandomName(countryId, "_fnames.csv");
}
const char* RandomSurname(int countryId) {
    return RandomName(countryId, "_snames.csv");
}

}  // namespace ravel
