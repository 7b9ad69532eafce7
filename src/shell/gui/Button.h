// The simple controls: push button, invisible hot spot and tick box.
#pragma once

#include "shell/gui/Control.h"
#include "shell/platform/Sprite.h"

namespace ravel {

inline constexpr uint32_t BUTTON_CAPTION = 0xffffffff;
inline constexpr uint32_t BUTTON_CAPTION_HOVER = 0xffffff00;
inline constexpr uint32_t BUTTON_CAPTION_GREY = 0xff9b9b9b;
inline constexpr uint32_t BUTTON_CAPTION_PRESSED = 0xff9b9b00;

class CButton : public CControl {
public:
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;
};

// Invisible until hovered; reports a left click as 14 and a right click as 15.
class CHotSpot : public CControl {
public:
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;
};

class CTickBox : public CControl {
public:
    ~CTickBox() override { m_sprite.Release(); }
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    // A press that leaves the box is cancelled, as on a button.
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;

    CSprite m_sprite;
    uint8_t mb_ticked = 0;
};

// Press tracking shared by buttons and tick boxes; true on the click.
bool TrackPress(CControl& control, int x, int y, uint8_t leftDown);

}  // namespace ravel
