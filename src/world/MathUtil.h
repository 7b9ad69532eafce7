// Angle and number helpers of the match engine and the screens, and the
// integer reader of the comma-separated tables.
#pragma once

#include <istream>

namespace ravel {

inline constexpr double DEGREES_TO_RADIANS = 0.017453292519943295;

// Brings an angle in degrees into -180..180 in place; 180 becomes -180.
void NormaliseAngle(double& angle);
double CosDegrees(double angle);
double SinDegrees(double angle);
// Integer part of x * 100, for factors in 0..1.
int FloatToPercent(double x);
// Integer part of a - b.
int TruncatedDifference(const float& a, const float& b);

// Reads up to the delimiter (at most 255 characters) and converts the text
// as a decimal number: blanks skipped, digits up to the first other
// character, 0 when there are none. The delimiter is consumed.
int ReadIntLine(std::istream& in, char delimiter);
// The same up to the end of the line.
int ReadIntLine(std::istream& in);

}  // namespace ravel
