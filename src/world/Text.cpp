#include "world/Text.h"

#include <cstdarg>
#include <cstdio>
#include <sstream>

namespace ravel {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<size_t>(length));
    }
    va_end(again);
    return out;
}

std::string Ordinal(int n) {
    const int tens = n % 100;
    const char* suffix = tens >= 11 && tens <= 13 ? "th"
                         : n % 10 == 1            ? "st"
                         : n % 10 == 2            ? "nd"
                         : n % 10 == 3            ? "rd"
                                                  : "th";
    return std::to_string(n) + suffix;
}

std::string IntToString(int value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

}  // namespace ravel
