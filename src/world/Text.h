// printf-style formatting into a std::string, for texts built from several
// parts (news stories, scorecards) that fixed buffers would cut.
#pragma once

#include <string>

namespace ravel {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A signed integer in decimal.
std::string IntToString(int value);
// "1st", "2nd", "3rd", "4th" .. "11th", "12th", "13th" .. "21st".
std::string Ordinal(int n);

}  // namespace ravel
