// The game's shared pictures, fonts, tiles and sounds: file names and the
// ground view's sprites. CGame creates and releases them.
#pragma once

#include "shell/platform/Sprite.h"

namespace ravel {

inline constexpr int GROUND_SPRITES = 16;
inline constexpr int TILE_COUNT = 142;
inline constexpr int SOUND_SLOTS = 18;

// The ground view's figures, ball and stumps by slot; slots 11 and 12 stay
// empty.
extern CSprite* s_groundSprites[GROUND_SPRITES];
enum GroundSpriteSlot : int {
    SPRITE_BOWLER = 0,
    SPRITE_STRIKER = 1,
    SPRITE_NON_STRIKER = 2,
    SPRITE_KEEPER = 3,
    SPRITE_FIELDER = 4,
    SPRITE_BALL1 = 5,  // to SPRITE_BALL1 + 3: the spinning ball's four frames
    SPRITE_BALL_SHADOW = 9,
    SPRITE_UMPIRE_BOWLER = 10,
    SPRITE_STUMPS_INTACT = 13,
    SPRITE_STUMPS_BROKEN = 14,
    SPRITE_UMPIRE_SQUARE = 15,
};

// File of a tile by index, of a ground sprite by slot (null for an empty
// slot) and of a sound by slot.
const char* TileFile(int index);
const char* GroundSpriteFile(int slot);
const char* SoundFile(int slot);

}  // namespace ravel
