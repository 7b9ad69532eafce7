// Drop-down list: a head with the current choice that opens a list of items
// over the other controls.
#pragma once

#include "shell/gui/Control.h"
#include "shell/gui/ListItem.h"

namespace ravel {

enum ComboState : int32_t {
    COMBO_CLOSED = 101,
    COMBO_OPEN = 102,
    COMBO_PRESSED = 103,
    COMBO_CHOSEN = 104,  // waiting for the screen to read the choice
};

// Scroll-bar hover and press state of an open drop-down or menu.
enum ArrowState : int32_t {
    ARROW_NONE = 0,
    ARROW_UP_HOVER = 1,
    ARROW_UP_PRESSED = 2,
    ARROW_DOWN_HOVER = 3,
    ARROW_DOWN_PRESSED = 4,
};

inline constexpr int SCROLL_STRIP = 20;  // height of the up and the down strip

class CComboBox : public CControl, public ItemList {
public:
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;

    void Open();
    void Collapse();
    int GetSelectedValue() const;

    int32_t m_unused1 = 0, m_unused2 = 0, m_unused3 = 0;
    int32_t m_collapsedHeight = 25;
    int32_t m_comboState = COMBO_CLOSED;
    int32_t m_selected = 0;
    uint8_t mb_pressLatch = 0;
    uint8_t mb_scrolling = 0;
    int32_t m_first = 0;
    int32_t m_visibleCount = 0;
    int32_t m_arrowState = ARROW_NONE;

private:
    void Scroll(int delta);
    void FitHeight();
};

// Page keys and the wheel over an open scrolling list: the new first item.
int ScrollByKeys(int first, int visibleCount, int itemCount);
// The up or down strip of a scrolling list, shaded while hovered or pressed.
void DrawScrollStrip(int left, int top, int right, int bottom, uint32_t colour, bool shaded, int textX,
                     int textY, int alignment, const char* glyph);

}  // namespace ravel
