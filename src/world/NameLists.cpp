#include "world/NameLists.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "world/Database.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr size_t MAX_NAME = 255;
constexpr char FALL_BACK_COUNTRY[] = "England";

// A name ends at a NUL byte, as it will in the player's record, and at the
// line's trailing blanks.
std::string_view TrimLineEnd(std::string_view line) {
    line = line.substr(0, std::min(line.find('\0'), std::min(line.size(), MAX_NAME)));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        text.append(chunk, static_cast<size_t>(in.gcount()));
    return true;
}

CountryNameLists ReadCountryLists(const std::string& country) {
    CountryNameLists lists;
    lists.m_country = country;
    lists.m_first = ReadNameList(DatabaseFilePath("names/" + country + "_fnames.csv"));
    lists.m_surnames = ReadNameList(DatabaseFilePath("names/" + country + "_snames.csv"));
    return lists;
}

const CountryNameLists* ListsOf(const std::string& country) {
    for (const CountryNameLists& lists : g_world.mv_nameLists)
        if (lists.m_country == country) return &lists;
    return nullptr;
}

// The list of the country, or England's when the country has none.
const NameList* ListFor(int countryId, NameList CountryNameLists::*which) {
    const Country* c = CountryById(countryId);
    const CountryNameLists* own = c ? ListsOf(c->m_name) : nullptr;
    if (own && !(own->*which).mv_names.empty()) return &(own->*which);
    const CountryNameLists* fallBack = ListsOf(FALL_BACK_COUNTRY);
    if (fallBack && !(fallBack->*which).mv_names.empty()) return &(fallBack->*which);
    return nullptr;
}

std::string RandomName(int countryId, NameList CountryNameLists::*which) {
    // One draw whatever the lists hold: names never change the numbers.
    const int draw = Rand();
    const NameList* list = ListFor(countryId, which);
    if (!list) return "-";
    const auto actual = static_cast<long>(list->mv_names.size());
    const long count = list->m_declared > 0 ? list->m_declared : actual;
    return list->mv_names[static_cast<size_t>(draw % count % actual)];
}

}  // namespace

NameList ParseNameList(std::string_view text) {
    NameList list;
    if (text.empty()) return list;
    const size_t countEnd = std::min(text.find('\n'), text.size());
    list.m_declared = std::max(0L, std::strtol(std::string(text.substr(0, countEnd)).c_str(), nullptr, 10));
    for (size_t at = countEnd + 1; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view name = TrimLineEnd(text.substr(at, end - at));
        if (!name.empty()) list.mv_names.emplace_back(name);
        at = end + 1;
    }
    return list;
}

NameList ReadNameList(const std::string& path) {
    std::string text;
    return ReadText(path, text) ? ParseNameList(text) : NameList{};
}

void LoadNameLists() {
    g_world.mv_nameLists.clear();
    for (const Country& c : g_world.mv_countries)
        if (!ListsOf(c.m_name)) g_world.mv_nameLists.push_back(ReadCountryLists(c.m_name));
    if (!ListsOf(FALL_BACK_COUNTRY)) g_world.mv_nameLists.push_back(ReadCountryLists(FALL_BACK_COUNTRY));
}

std::string RandomFirstName(int countryId) {
    return RandomName(countryId, &CountryNameLists::m_first);
}
std::string RandomSurname(int countryId) {
    return RandomName(countryId, &CountryNameLists::m_surnames);
}

}  // namespace ravel
