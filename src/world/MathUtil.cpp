#include "world/MathUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace ravel {

void NormaliseAngle(double& angle) {
    if (angle >= 180.0) {
        angle -= 360.0;
        while (angle > 180.0) angle -= 360.0;
    }
    while (angle < -180.0) angle += 360.0;
}

double CosDegrees(double angle) {
    NormaliseAngle(angle);
    return std::cos(angle * DEGREES_TO_RADIANS);
}

double SinDegrees(double angle) {
    NormaliseAngle(angle);
    return std::sin(angle * DEGREES_TO_RADIANS);
}

int FloatToPercent(double x) {
    return static_cast<int>(x * 100.0);
}

int TruncatedDifference(const float& a, const float& b) {
    return static_cast<int>(a - b);
}

namespace {

inline constexpr size_t FIELD_LIMIT = 255;

int ParseInt(const std::string& text) {
    // atoi's conversion, but saturating instead of overflowing.
    return static_cast<int>(
        std::clamp(std::strtol(text.c_str(), nullptr, 10), long{INT32_MIN}, long{INT32_MAX}));
}

}  // namespace

int ReadIntLine(std::istream& in, char delimiter) {
    std::string text;
    char c;
    // An over-long field is cut, but read to its end so the next field
    // starts in the right place.
    while (in.get(c) && c != delimiter) {
        if (text.size() < FIELD_LIMIT) text.push_back(c);
    }
    return ParseInt(text);
}

int ReadIntLine(std::istream& in) {
    return ReadIntLine(in, '\n');
}

}  // namespace ravel
