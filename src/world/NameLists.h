// Per-country lists of first names and surnames:
// "db\<folder>\names\<Country>_fnames.csv" and "..._snames.csv", a count on the
// first line, then one name per line. England's lists stand in for a
// country without its own.
#pragma once

#include <string>

namespace ravel {

// A random name of the country; "-" when neither the country's nor England's
// list gives one.
std::string RandomFirstName(int countryId);
std::string RandomSurname(int countryId);

// A random line of one list file; false (and `out` untouched) when the file
// is missing or holds no name. A count above the number of names, CRLF line
// ends and blank lines are tolerated.
bool RandomNameFromFile(const std::string& path, std::string& out);

}  // namespace ravel
