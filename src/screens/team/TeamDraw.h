// Drawing helpers of the team and player screens: the texts of their tables
// and the icons of the game's sprite table.
#pragma once

#include <cstdint>

#include "screens/menus/ScreenFrame.h"

namespace ravel {

// Colours of the player lists.
inline constexpr uint32_t TEXT_LIGHT_GREY = 0xffdcdcdcu;  // hints and labels
inline constexpr uint32_t TEXT_PLAYED = 0xffc8c8c8u;      // played fixtures
inline constexpr uint32_t TEXT_NOTE = 0xff9b9b9bu;        // notes on empty lists
inline constexpr uint32_t TEXT_SELECTED = 0xff00c800u;    // players in the eleven
inline constexpr uint32_t TEXT_INJURED = 0xffc3c314u;
inline constexpr uint32_t TEXT_UNAVAILABLE = 0xff97f9f9u;
inline constexpr uint32_t TEXT_RED = 0xffff0000u;
inline constexpr uint32_t TEXT_BRIGHT_GREEN = 0xff00ff00u;

// A sprite-table slot at x, y; nothing for a slot the table lacks.
void DrawTile(int index, int x, int y);
// Row text in the table font, from x or centred on it.
void TableText(int x, int y, uint32_t colour, const char* format, ...) __attribute__((format(printf, 4, 5)));
void TableTextCentred(int x, int y, uint32_t colour, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Headings and labels in the heading font.
void HeadingText(int x, int y, uint32_t colour, const char* text);
void HeadingTextCentred(int x, int y, uint32_t colour, const char* text);

}  // namespace ravel
