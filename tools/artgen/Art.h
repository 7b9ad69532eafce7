// The art generator's parts: each writes its files below the runtime folder.
#pragma once

#include <string>

#include "Paint.h"

namespace ravel::art {

// Palette shared by every picture, so screens, tiles and skins match.
inline constexpr uint32_t NAVY = 0xff16213au;
inline constexpr uint32_t NAVY_LIGHT = 0xff24365cu;
inline constexpr uint32_t GOLD = 0xfff0b429u;
inline constexpr uint32_t CREAM = 0xfff6efd9u;
inline constexpr uint32_t GRASS = 0xff2f7d32u;
inline constexpr uint32_t GRASS_DARK = 0xff23632au;
inline constexpr uint32_t PITCH = 0xffc9b27au;
inline constexpr uint32_t BALL_RED = 0xffb3202au;
inline constexpr uint32_t WILLOW = 0xffe6cf98u;
inline constexpr uint32_t PANEL = 0xff1d1f24u;  // matte for icons: the shaded panels

// "gfx\tiles\x.bmp" under the output folder, folders made on the way.
std::string OutPath(const std::string& gamePath);
void SetOutputRoot(const std::string& root);
int Failures();
void Save(const Picture& p, const std::string& gamePath, uint32_t matte = PANEL);

void MakePictures();
// A crest "gfx\pics\teams\<name>.bmp" for every club of the club list.
void MakeCrests(const std::string& teamsJson);
void MakeTiles();
void MakeSkins();
void MakeSounds();

}  // namespace ravel::art
