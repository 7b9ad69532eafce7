// File names in the game's own notation ("db\%s\db240782.dbj",
// "gfx//pics//x.bmp") become native relative paths here, and only here.
#pragma once

#include <string>

namespace ravel {

// Backslashes become '/', runs of separators collapse to one.
std::string NativePath(const std::string& gamePath);

}  // namespace ravel
