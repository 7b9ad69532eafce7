// One-line text entry. Its text is the caption, in the game's code page; it
// takes what the player types through the platform's text input, so every
// keyboard layout types its own letters.
#pragma once

#include "shell/gui/Control.h"

namespace ravel {

class CEditBox : public CControl {
public:
    CEditBox();
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void HandleText(const std::string& typed) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;
    // True while the box shows that it refused a character.
    bool Refusing() const;

    uint32_t m_textColour = 0xffffffff;
    uint32_t m_hoverTextColour = 0xffffffff;
    int32_t m_align = 1;        // 1 from the left, 3 centred
    int32_t m_maxLength = 254;  // the caption holds 99 at most, whatever this says
    uint8_t mb_focus = 0;
    // Game clock (seconds) until which the frame shows a refusal: a
    // character the field has no room for, or one the game cannot write.
    float m_refusedUntil = 0.0f;
};

}  // namespace ravel
