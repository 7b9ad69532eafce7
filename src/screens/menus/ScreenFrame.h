// The standard frame of the framed screens (shaded content area, the four
// skin bars, the date and clock) and the small texts the screens share.
#pragma once

#include <cstdint>
#include <string>

namespace ravel {

class CFont;

// Text colours the menu screens share.
inline constexpr uint32_t TEXT_WHITE = 0xffffffffu;
inline constexpr uint32_t TEXT_YELLOW = 0xffffff00u;
inline constexpr uint32_t TEXT_ORANGE = 0xfff05a00u;

// Shaded content area, top, side and bottom bars; the game date and clock
// while CGame's show-date flag is set; the coach's name when asked.
void DrawScreenFrame(bool withCoachName);
// The frame of the screens without a side bar (the menus before a game, the
// custom games): background, shaded panel, top and bottom bars and the title.
void DrawFullScreenFrame(const char* title);
// The current human coach's "first surname", centred under the top bar.
void DrawCoachName();
// "05 Mar 2007": two-digit day, English month, year; "" for a month outside
// 1..12.
std::string FormatDate(int day, int month, int year);
// "1st" .. "24th"; "-" for anything else.
const char* OrdinalText(int n);
// The text as it fits in width pixels of the font: whole, or cut and ended
// with ".".
std::string CutToWidth(CFont* font, const char* text, int width);

}  // namespace ravel
