// The test card: every primitive, every font and the game's pictures on one
// screen, to check the drawing by eye and by key pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

class CSystem;
class CFont;
class CSprite;

struct TestCardFont {
    CFont* font;
    std::string label;
};

struct TestCardArt {
    std::vector<TestCardFont> fonts;
    std::vector<CSprite*> sprites;  // drawn keyed, then scaled up three times
    std::vector<CSprite*> tiles;    // by index, in a grid
};

// Places that the test checks.
inline constexpr int CARD_RAMP_X = 10, CARD_RAMP_Y = 30, CARD_RAMP_CELL = 40, CARD_RAMP_STEPS = 16;
inline constexpr int CARD_RAMP_HALF = 25;  // plain above, shaded below
inline constexpr int CARD_FILL_X = 670, CARD_FILL_STEP = 57;
inline constexpr uint32_t CARD_FILLS[6] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu,
                                           0xffffff00u, 0xffff00ffu, 0xff00ffffu};
inline constexpr uint32_t CARD_BLENDS[6] = {0xff131313u, 0xff404040u, 0xff808080u,
                                            0xffc04040u, 0xff40c040u, 0xff4040c0u};
inline constexpr uint32_t CARD_BLEND_UNDER = 0xff808080u;
inline constexpr int CARD_SPRITE_X = 660, CARD_SPRITE_Y = 96;
inline constexpr int CARD_TILE_X = 10, CARD_TILE_Y = 420, CARD_TILE_CELL = 46, CARD_TILE_COLUMNS = 22;
inline constexpr unsigned CARD_BACKGROUND = 0xff303440u;
inline constexpr unsigned CARD_CHECK_DARK = 0xff505050u, CARD_CHECK_LIGHT = 0xff707070u;

uint32_t CardRampGrey(int step);
void DrawTestCard(CSystem& system, const TestCardArt& art);

}  // namespace ravel
