#include "shell/gui/ComboBox.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

namespace {
constexpr int LIST_LIMIT = 686;  // an unscrolled list must end above this line
constexpr int SCROLLED_LIMIT = 645;
constexpr uint32_t STRIP_COLOUR = 0xff076107;
constexpr uint32_t ITEM_COLOUR = 0xff219721;
constexpr uint32_t HIGHLIGHT = 0xffffff00;
}  // namespace

int ScrollByKeys(int first, int visibleCount, int itemCount) {
    if (g_system->KeyDown(DIK_PRIOR)) first -= 15;
    if (g_system->KeyDown(DIK_NEXT)) first += 15;
    if (g_system->KeyDown(DIK_HOME)) first = 0;
    if (g_system->KeyDown(DIK_END)) first = itemCount - visibleCount;
    if (g_system->m_wheel != 0) {
        int step = g_system->KeyDown(DIK_LCONTROL) ? 6 : 1;
        // Towards the user (negative) shows earlier items.
        first += g_system->m_wheel < 0 ? -step : step;
    }
    return std::clamp(first, 0, std::max(0, itemCount - visibleCount));
}

void DrawScrollStrip(int left, int top, int right, int bottom, uint32_t colour, bool shaded, int textX,
                     int textY, int alignment, const char* glyph) {
    g_system->FillRect(left, top, right, bottom, colour);
    if (shaded) g_system->ShadeRect(left, top, right, bottom);
    g_system->DrawText(textX, textY, alignment, HIGHLIGHT, g_game->m_fontCaption.get(), "%s", glyph);
}

void CComboBox::FitHeight() {
    int list = ShownHeight(m_first, m_visibleCount) + (mb_scrolling ? 2 * SCROLL_STRIP : 0);
    m_height = m_collapsedHeight + list;
}

void CComboBox::Open() {
    int items = ItemCount();
    m_comboState = COMBO_OPEN;
    m_first = 0;
    if (m_collapsedHeight + ITEM_HEIGHT * items + m_y < LIST_LIMIT) {
        mb_scrolling = 0;
        m_visibleCount = items;
    } else {
        mb_scrolling = 1;
        // At least one item, even for a head at the very bottom.
        m_visibleCount =
            std::min(std::max((SCROLLED_LIMIT - m_collapsedHeight - m_y) / ITEM_HEIGHT, 1), items);
    }
    FitHeight();
    mb_expanded = 1;
}

void CComboBox::Collapse() {
    m_comboState = COMBO_CLOSED;
    mb_expanded = 0;
    m_height = m_collapsedHeight;
}

int CComboBox::GetSelectedValue() const {
    if (m_selected < 0 || m_selected >= ItemCount()) return 0;
    return mv_items[m_selected].m_value;
}

void CComboBox::Scroll(int delta) {
    m_first += delta;
    ClampWindow(m_first, m_visibleCount);
    FitHeight();
}

int CComboBox::HandleMouse(int x, int y, uint8_t leftDown, uint8_t) {
    if (mb_visible != 1 || mb_disabled) return 0;
    if (!leftDown) mb_pressLatch = 0;
    bool fresh = leftDown && !mb_pressLatch;
    if (mb_scrolling && m_comboState != COMBO_CLOSED) {
        m_first = ScrollByKeys(m_first, m_visibleCount, ItemCount());
        FitHeight();
    }
    if (m_x <= x && x < m_x + m_width) {
        int d = y - m_y - m_collapsedHeight;
        if (y >= m_y && d < 0) {
            if (fresh) {
                mb_pressLatch = 1;
                if (m_comboState == COMBO_CLOSED) {
                    m_hoverStart = NO_HOVER;
                    Open();
                } else {
                    Collapse();
                }
            }
        } else if (d > 0 && y < m_y + m_height && m_comboState != COMBO_CLOSED) {
            int index = -1;
            if (mb_scrolling) {
                int itemsHeight = ShownHeight(m_first, m_visibleCount);
                if (d < SCROLL_STRIP || d >= SCROLL_STRIP + itemsHeight) {
                    bool up = d < SCROLL_STRIP;
                    m_selected = -1;
                    if (fresh) {
                        Scroll(up ? -1 : 1);
                        mb_pressLatch = 1;
                        m_arrowState = up ? ARROW_UP_PRESSED : ARROW_DOWN_PRESSED;
                    } else {
                        m_arrowState = up ? ARROW_UP_HOVER : ARROW_DOWN_HOVER;
                    }
                } else {
                    m_arrowState = ARROW_NONE;
                    index = ItemAtOffset(m_first, m_visibleCount, d - SCROLL_STRIP);
                }
            } else {
                index = ItemAtOffset(0, ItemCount(), d);
            }
            if (index >= 0 && !mv_items[index].IsSeparator()) {
                m_selected = index;
                if (fresh) {
                    m_comboState = COMBO_PRESSED;
                    mb_pressLatch = 1;
                }
            }
        }
    }
    if (m_comboState == COMBO_PRESSED && !mb_pressLatch) {
        m_comboState = COMBO_CHOSEN;
        return MOUSE_CONSUMED;
    }
    return 0;
}

void CComboBox::MouseOutside(uint8_t leftDown, uint8_t) {
    if (!leftDown) return;
    // As with a menu, the press that closes the list acts on nothing else.
    if (mb_expanded) g_system->mb_mouseConsumed = 1;
    Collapse();
}

void CComboBox::Draw() {
    if (!mb_visible) return;
    DrawSkin(SKIN_DROPDOWN_LEFT, m_x, m_y);
    for (int i = 0; i <= m_width - 21; ++i) DrawSkin(SKIN_DROPDOWN_MID, m_x + 5 + i, m_y);
    DrawSkin(SKIN_DROPDOWN_BUTTON, m_x + m_width - 20, m_y);
    CFont* font = g_game->m_fontCaption.get();
    g_system->DrawText(m_x + 7, m_y + 2, ALIGN_LEFT, 0xffffffff, font, "%s", m_caption);
    if (m_comboState != COMBO_OPEN && m_comboState != COMBO_CHOSEN) return;

    int top = m_y + m_collapsedHeight;
    int off = 0;
    if (mb_scrolling) {
        bool shaded = m_arrowState == ARROW_UP_HOVER || m_arrowState == ARROW_UP_PRESSED;
        DrawScrollStrip(m_x, top, m_x + m_width, top + SCROLL_STRIP + 1, STRIP_COLOUR, shaded,
                        m_x + m_width / 2, top + 2, ALIGN_CENTRE, "^");
        off = SCROLL_STRIP;
    }
    int end = ForShownItems(m_first, m_visibleCount, top + off, [&](int i, int row) {
        const ListItem& item = mv_items[i];
        g_system->FillRect(m_x + 1, row, m_x + m_width - 1, row + ITEM_HEIGHT, ITEM_COLOUR);
        int indent = 0;
        if (item.mb_hasIcon && item.mp_icon && item.mp_icon->Loaded()) {
            item.mp_icon->DrawTransformed(m_x + 2, row, 16, 16);
            indent = 32;
        }
        uint32_t colour = 0xffffffff;
        if (i == m_selected) {
            g_system->ShadeRect(m_x, row, m_x + m_width, row + ITEM_HEIGHT);
            colour = HIGHLIGHT;
        }
        g_system->DrawText(m_x + indent + 6, row - 1, ALIGN_LEFT, colour, font, "%s", item.m_text);
    });
    if (mb_scrolling) {
        bool shaded = m_arrowState == ARROW_DOWN_HOVER || m_arrowState == ARROW_DOWN_PRESSED;
        DrawScrollStrip(m_x, end - 1, m_x + m_width, end + SCROLL_STRIP, STRIP_COLOUR, shaded,
                        m_x + m_width / 2, end + 2, ALIGN_CENTRE, "v");
    }
}

}  // namespace ravel
