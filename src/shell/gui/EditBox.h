// One-line text entry. Its text is the caption; keys type once per press.
#pragma once

#include "shell/gui/Control.h"

namespace ravel {

class CEditBox : public CControl {
public:
    CEditBox();
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void HandleKey(int key, int shift) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;

    uint32_t m_textColour = 0xffffffff;
    uint32_t m_hoverTextColour = 0xffffffff;
    int32_t m_align = 1;        // 1 from the left, 3 centred
    int32_t m_maxLength = 254;  // the caption holds 99 at most, whatever this says
    uint8_t mb_focus = 0;
};

// The character a key types, by shift code; 0 when the key types nothing.
// latch: the key's slot in m_keyLatch (-1 for none).
char TypedChar(int key, int shift, int* latch);

}  // namespace ravel
