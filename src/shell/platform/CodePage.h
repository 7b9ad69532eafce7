// The game's texts are single bytes in the Windows western code page: plain
// ASCII, Latin-1 from 0xa0 and a block of typographic signs at 0x80-0x9f.
// These turn that set to and from Unicode for text input and the fonts.
#pragma once

#include <cstdint>
#include <string>

namespace ravel {

// Stands in a typed text for a character that the game's texts cannot hold.
inline constexpr char UNTYPABLE = '\x1a';

// The Unicode character of a byte.
uint32_t CodePageToUnicode(unsigned char c);
// The byte of a Unicode character, or -1 when the code page has none.
int UnicodeToCodePage(uint32_t code);
// The Unicode characters of UTF-8 text, in order; a malformed sequence gives
// U+FFFD for each byte it spoils.
std::u32string DecodeUtf8(const char* text);

}  // namespace ravel
