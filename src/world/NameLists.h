// Per-country lists of first names and surnames:
// "db\<folder>\names\<Country>_fnames.csv" and "..._snames.csv", a count on the
// first line, then one name per line. England's lists stand in for a
// country without its own. The lists are read with the world, once; drawing
// a name reads no file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravel {

// One list: the count its first line declares (0 when none) and its names.
struct NameList {
    long m_declared = 0;
    std::vector<std::string> mv_names;
};

// The two lists of a country, by the country's name.
struct CountryNameLists {
    std::string m_country;
    NameList m_first;
    NameList m_surnames;
};

// A list file's text as a list. A count above the number of names, CRLF
// line ends, blank lines and NUL bytes are tolerated.
NameList ParseNameList(std::string_view text);
// The list of a file; an empty one when the file is missing.
NameList ReadNameList(const std::string& path);

// Reads the lists of every country of the world and England's into the
// world (g_world.mv_nameLists); a country without files has empty lists.
void LoadNameLists();

// A random name of the country; "-" when neither the country's nor England's
// list gives one. Each call draws one random number, whatever the lists hold,
// so that a seeded world runs the same with or without them.
std::string RandomFirstName(int countryId);
std::string RandomSurname(int countryId);

}  // namespace ravel
