#include "shell/gui/EditBox.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

namespace {
constexpr float REFUSAL_SECONDS = 0.5f;
constexpr uint32_t REFUSAL_COLOUR = 0xffffa000u;
constexpr int REFUSAL_FRAME = 2;
}  // namespace

CEditBox::CEditBox() {
    m_captionLength = 0;
    m_captionWidth = 0;
}

int CEditBox::HandleMouse(int x, int y, uint8_t leftDown, uint8_t) {
    if (mb_disabled || mb_visible != 1 || !Contains(x, y)) return 0;
    if (leftDown && !mb_focus) {
        m_hoverStart = NO_HOVER;
        mb_focus = 1;
        MeasureCaption();
    } else if (!leftDown) {
        m_state = STATE_HOVER;
    }
    return 0;
}

void CEditBox::MouseOutside(uint8_t leftDown, uint8_t) {
    if (leftDown) mb_focus = 0;
}

void CEditBox::HandleText(const std::string& typed) {
    if (!mb_focus || mb_visible != 1 || mb_disabled) return;
    const int limit = std::min<int>(m_maxLength, CAPTION_SIZE - 1);
    for (const char c : typed) {
        if (c == TYPED_RETURN) {
            // What follows Return was not typed into this box.
            mb_focus = 0;
            break;
        }
        if (c == TYPED_BACKSPACE) {
            if (m_captionLength > 0) m_caption[--m_captionLength] = '\0';
        } else if (c == UNTYPABLE || m_captionLength >= limit) {
            m_refusedUntil = g_system->m_clockSeconds + REFUSAL_SECONDS;
        } else {
            m_caption[m_captionLength++] = c;
            m_caption[m_captionLength] = '\0';
        }
    }
    MeasureCaption();
}

bool CEditBox::Refusing() const {
    return g_system && g_system->m_clockSeconds < m_refusedUntil;
}

void CEditBox::Draw() {
    if (!mb_visible) return;
    uint32_t textColour = m_textColour;
    if (mb_focus) {
        g_system->FillRect(m_x + 2, m_y + 2, m_x + m_width - 2, m_y + m_height - 2, 0xff646464);
        g_system->FillRect(m_x + m_captionWidth + 5, m_y + 2, m_x + m_captionWidth + 7, m_y + 28, 0xffff0000);
    } else if (m_state == STATE_HOVER) {
        g_system->FillRectBlended(m_x, m_y, m_x + m_width, m_y + m_height, 0xffff0000);
        g_system->FillRectBlended(m_x + 2, m_y + 2, m_x + m_width - 2, m_y + m_height - 2, 0xffffffff);
        textColour = m_hoverTextColour;
    } else {
        g_system->FillRectBlended(m_x, m_y, m_x + m_width, m_y + m_height, 0xffffffff);
    }
    if (Refusing()) {
        const int l = m_x, t = m_y, r = m_x + m_width, b = m_y + m_height;
        g_system->FillRect(l, t, r, t + REFUSAL_FRAME, REFUSAL_COLOUR);
        g_system->FillRect(l, b - REFUSAL_FRAME, r, b, REFUSAL_COLOUR);
        g_system->FillRect(l, t, l + REFUSAL_FRAME, b, REFUSAL_COLOUR);
        g_system->FillRect(r - REFUSAL_FRAME, t, r, b, REFUSAL_COLOUR);
    }
    CFont* font = g_game->m_fontCaption.get();
    if (m_align == 1) {
        g_system->DrawText(m_x + 5, m_y + m_height / 2 - 8, ALIGN_LEFT, textColour, font, "%s", m_caption);
    } else if (m_align == 3) {
        g_system->DrawText(m_x + m_width / 2 - 8, m_y, ALIGN_CENTRE, textColour, font, "%s", m_caption);
    }
    DrawTooltip();
}

}  // namespace ravel
