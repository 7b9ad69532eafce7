// Windows bitmap files: uncompressed 8-, 24- and 32-bit pictures are read,
// 24-bit ones written. Every size and offset is checked against the file, so
// a damaged file fails cleanly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/platform/Canvas.h"

namespace ravel {

// Decodes a bitmap held in memory into opaque ARGB pixels; false when damaged.
bool DecodeBmp(const std::vector<uint8_t>& bytes, CCanvas& out);
// Reads a file by native path; false when missing or damaged.
bool LoadBmp(const std::string& nativePath, CCanvas& out);
// Writes the picture as a 24-bit bitmap (alpha dropped).
bool SaveBmp(const CCanvas& image, const std::string& nativePath);

bool ReadWholeFile(const std::string& nativePath, std::vector<uint8_t>& out);

}  // namespace ravel
