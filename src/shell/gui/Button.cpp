#include "shell/gui/Button.h"

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

bool TrackPress(CControl& control, int x, int y, uint8_t leftDown) {
    bool inside = control.Contains(x, y);
    if (!inside) {
        control.m_state = STATE_NORMAL;
        control.m_pressState = PRESS_IDLE;
    }
    if (control.mb_disabled || control.mb_visible != 1 || !inside) return false;
    if (leftDown) {
        control.m_state = STATE_PRESSED;
        control.m_pressState = PRESS_LEFT;
        return false;
    }
    if (control.m_pressState == PRESS_LEFT) {
        control.m_hoverStart = NO_HOVER;
        control.m_state = STATE_CLICKED;
        control.m_pressState = PRESS_IDLE;
        return true;
    }
    control.m_state = STATE_HOVER;
    return false;
}

static void ResetPress(CControl& control) {
    control.m_state = STATE_NORMAL;
    control.m_pressState = PRESS_IDLE;
}

int CButton::HandleMouse(int x, int y, uint8_t leftDown, uint8_t) {
    TrackPress(*this, x, y, leftDown);
    return 0;
}

void CButton::MouseOutside(uint8_t, uint8_t) {
    ResetPress(*this);
}

void CButton::Draw() {
    if (!mb_visible) return;
    if (m_state != STATE_NORMAL && m_state != STATE_HOVER && m_state != STATE_PRESSED) return;
    int first = (m_style == 1 ? SKIN_BUTTON2_LEFT : SKIN_BUTTON_LEFT) + 3 * (m_state - STATE_NORMAL);
    DrawSkin(first, m_x, m_y);
    for (int i = 0; i < m_width - 20; i += 5) DrawSkin(first + 1, m_x + 10 + i, m_y);
    DrawSkin(first + 2, m_x + m_width - 10, m_y);

    uint32_t colour = mb_disabled ? BUTTON_CAPTION_GREY : BUTTON_CAPTION;
    int x = m_x + m_width / 2;
    int y = m_y + m_height / 2 - 10;
    if (m_state == STATE_HOVER) {
        colour = BUTTON_CAPTION_HOVER;
    } else if (m_state == STATE_PRESSED) {
        colour = BUTTON_CAPTION_PRESSED;
        x += 2;
        y += 2;
    }
    CFont* font = m_style == 1 ? g_game->m_fontCaptionItalic.get() : g_game->m_fontCaption.get();
    g_system->DrawText(x, y, ALIGN_CENTRE, colour, font, "%s", m_caption);
}

int CHotSpot::HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) {
    if (!Contains(x, y)) {
        ResetPress(*this);
        return 0;
    }
    if (mb_disabled || !mb_visible) return 0;
    if (leftDown || rightDown) {
        m_hoverStart = NO_HOVER;
        m_state = STATE_PRESSED;
        m_pressState = leftDown ? PRESS_HOTSPOT_LEFT : PRESS_HOTSPOT_RIGHT;
    } else if (m_pressState == PRESS_HOTSPOT_LEFT) {
        m_state = STATE_CLICKED;
        m_pressState = PRESS_IDLE;
    } else if (m_pressState == PRESS_HOTSPOT_RIGHT) {
        m_state = STATE_RIGHT_CLICKED;
        m_pressState = PRESS_IDLE;
    } else {
        m_state = STATE_HOVER;
    }
    return 0;
}

void CHotSpot::MouseOutside(uint8_t, uint8_t) {
    ResetPress(*this);
}

void CHotSpot::Draw() {
    if (mb_disabled || !mb_visible) return;
    uint32_t colour;
    switch (m_state) {
        case STATE_HOVER:
            colour = 0xff050505;
            break;
        case STATE_PRESSED:
            colour = 0xff020202;
            break;
        case STATE_CLICKED:
            colour = 0xff000000;
            break;
        default:
            return;
    }
    g_system->FillRectBlended(m_x, m_y, m_x + m_width, m_y + m_height, colour);
}

int CTickBox::HandleMouse(int x, int y, uint8_t leftDown, uint8_t) {
    if (TrackPress(*this, x, y, leftDown)) mb_ticked = !mb_ticked;
    return 0;
}

void CTickBox::MouseOutside(uint8_t, uint8_t) {
    ResetPress(*this);
}

void CTickBox::Draw() {
    if (!mb_visible) return;
    int sprite;
    switch (m_state) {
        case STATE_HOVER:
            sprite = mb_ticked ? SKIN_TICKED_OVER : SKIN_TICK_OVER;
            break;
        case STATE_PRESSED:
            sprite = mb_ticked ? SKIN_TICKED_CLICKED : SKIN_TICK_CLICKED;
            break;
        default:
            sprite = mb_ticked ? SKIN_TICKED : SKIN_TICK;
            break;
    }
    DrawSkin(sprite, m_x, m_y);
}

}  // namespace ravel
