#include "world/NameLists.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

#include "world/Database.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr size_t MAX_NAME = 255;

// A name ends at a NUL byte, as it will in the player's record, and at the
// line's trailing blanks.
std::string_view TrimLineEnd(std::string_view line) {
    line = line.substr(0, std::min(line.find('\0'), std::min(line.size(), MAX_NAME)));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

// The whole file in one read: a list is read for every name drawn.
bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        text.append(chunk, static_cast<size_t>(in.gcount()));
    return true;
}

std::string RandomName(int countryId, const char* suffix) {
    std::string name;
    bool found = false;
    if (const Country* c = CountryById(countryId))
        found = RandomNameFromFile(DatabaseFilePath("names\\" + std::string(c->m_name) + suffix), name);
    if (!found) found = RandomNameFromFile(DatabaseFilePath(std::string("names\\England") + suffix), name);
    return found ? name : "-";
}

}  // namespace

bool RandomNameFromFile(const std::string& path, std::string& out) {
    std::string text;
    if (!ReadText(path, text) || text.empty()) return false;
    const size_t countEnd = std::min(text.find('\n'), text.size());
    long declared = std::strtol(text.substr(0, countEnd).c_str(), nullptr, 10);
    std::vector<std::string_view> names;
    for (size_t at = countEnd + 1; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view name = TrimLineEnd(std::string_view(text).substr(at, end - at));
        if (!name.empty()) names.push_back(name);
        at = end + 1;
    }
    if (names.empty()) return false;
    auto actual = static_cast<long>(names.size());
    long count = declared > 0 ? declared : actual;
    long k = Rand() % count;
    out = std::string(names[static_cast<size_t>(k % actual)]);
    return true;
}

std::string RandomFirstName(int countryId) {
    return RandomName(countryId, "_fnames.csv");
}
std::string RandomSurname(int countryId) {
    return RandomName(countryId, "_snames.csv");
}

}  // namespace ravel
