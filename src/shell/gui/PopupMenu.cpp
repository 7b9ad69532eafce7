#include "shell/gui/PopupMenu.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

namespace {
constexpr int MENU_LIMIT = 685;  // the lowest line a menu reaches
constexpr uint32_t MENU_BACKGROUND = 0xff051419;
constexpr uint32_t STRIP_COLOUR = 0xff235473;
constexpr uint32_t HIGHLIGHT = 0xffffff00;
constexpr uint32_t GREYED = 0xff9b9b9b;
}  // namespace

CPopupMenu::CPopupMenu() {
    SetRect(1, 1, 200, 20);
    mb_visible = 0;
}

void CPopupMenu::FitHeight() {
    m_menuHeight = ShownHeight(m_first, m_visibleCount) + (mb_scrolling ? 2 * SCROLL_STRIP : 0);
    m_height = m_menuHeight;
}

void CPopupMenu::Open(int x, int y) {
    int items = ItemCount();
    m_homeX = x;
    m_homeY = y;
    m_x = x;
    m_y = y;
    m_openWidth = m_width;
    mb_visible = 1;
    m_chosen = -1;
    m_menuState = MENU_OPEN;
    mb_expanded = 1;
    m_first = 0;
    m_arrowState = ARROW_NONE;
    if (ITEM_HEIGHT * items + y < MENU_LIMIT + 1) {
        mb_scrolling = 0;
        m_visibleCount = items;
    } else {
        mb_scrolling = 1;
        m_visibleCount = std::min(std::max((MENU_LIMIT - y) / ITEM_HEIGHT, 1), items);
    }
    FitHeight();
}

void CPopupMenu::Close() {
    m_menuState = MENU_CLOSED;
    mb_visible = 0;
    mb_expanded = 0;
    m_height = 0;
    m_x = m_homeX;
    m_y = m_homeY;
}

void CPopupMenu::SetParent(CPopupMenu* menu) {
    if (menu) mp_parent = menu;
}

int CPopupMenu::GetChosenValue() const {
    if (m_chosen < 0 || m_chosen >= ItemCount()) return 0;
    return mv_items[m_chosen].m_value;
}

int CPopupMenu::HandleMouse(int x, int y, uint8_t leftDown, uint8_t) {
    // Only an open menu is drawn, so only an open menu takes the mouse.
    if (!mb_visible || m_menuState != MENU_OPEN) return 0;
    if (!leftDown) mb_pressLatch = 0;
    bool fresh = leftDown && !mb_pressLatch;
    if (!(m_x < x && x < m_x + m_width && m_y < y && y < m_y + m_height)) return 0;
    int d = y - m_y;
    int index;
    if (mb_scrolling) {
        int itemsHeight = ShownHeight(m_first, m_visibleCount);
        if (d < SCROLL_STRIP || d >= SCROLL_STRIP + itemsHeight) {
            bool up = d < SCROLL_STRIP;
            m_chosen = -1;
            if (fresh) {
                m_first += up ? -1 : 1;
                ClampWindow(m_first, m_visibleCount);
                FitHeight();
                mb_pressLatch = 1;
                m_arrowState = up ? ARROW_UP_PRESSED : ARROW_DOWN_PRESSED;
            } else {
                m_arrowState = up ? ARROW_UP_HOVER : ARROW_DOWN_HOVER;
            }
            return 0;
        }
        m_arrowState = ARROW_NONE;
        index = ItemAtOffset(m_first, m_visibleCount, d - SCROLL_STRIP);
    } else {
        index = ItemAtOffset(0, ItemCount(), d);
    }
    m_chosen = index;
    if (index < 0) return 0;
    const ListItem& item = mv_items[index];
    bool choosable = !item.mb_greyed && !item.IsSeparator();
    if (leftDown) {
        // A press on a greyed item or a separator is used up; the menu stays.
        if (!choosable) return MOUSE_CONSUMED;
        m_hoverStart = NO_HOVER;
        m_menuState = MENU_CHOSEN;
        mb_expanded = 0;
        return MOUSE_CONSUMED;
    }
    if (choosable) m_state = STATE_MENU_HOVER;
    return 0;
}

void CPopupMenu::MouseOutside(uint8_t leftDown, uint8_t) {
    if (!leftDown) return;
    // The press that closes the menu is used up: it must not go on to
    // whatever lies below the menu.
    if (m_menuState == MENU_OPEN) g_system->mb_mouseConsumed = 1;
    Close();
}

void CPopupMenu::Draw() {
    if (m_menuState != MENU_OPEN) return;
    if (mp_parent && mp_parent != this) {
        int saved = mp_parent->m_menuState;
        mp_parent->m_menuState = MENU_OPEN;
        mp_parent->Draw();
        mp_parent->m_menuState = saved;
    }
    int strip = mb_scrolling ? SCROLL_STRIP : 0;
    int itemsHeight = ShownHeight(m_first, m_visibleCount);
    g_system->FillRect(m_x - 2, m_y - 2, m_x + m_width + 4, m_y + itemsHeight + 2 * strip + 4,
                       MENU_BACKGROUND);
    CFont* font = g_game->m_fontCaption.get();
    if (mb_scrolling) {
        bool shaded = m_arrowState == ARROW_UP_HOVER || m_arrowState == ARROW_UP_PRESSED;
        DrawScrollStrip(m_x, m_y, m_x + m_width, m_y + SCROLL_STRIP, STRIP_COLOUR, shaded, m_x + m_width / 2,
                        m_y + 4, ALIGN_LEFT, "^");
    }
    int end = ForShownItems(m_first, m_visibleCount, m_y + strip, [&](int i, int row) {
        const ListItem& item = mv_items[i];
        g_system->FillRect(m_x, row, m_x + m_width, row + ITEM_HEIGHT, item.m_colour);
        int indent = 0;
        if (item.mb_hasIcon && item.mp_icon && item.mp_icon->Loaded()) {
            item.mp_icon->Draw(m_x + 2, row);
            indent = 32;
        }
        uint32_t colour = 0xffffffff;
        if (i == m_chosen) {
            g_system->ShadeRect(m_x, row, m_x + m_width, row + ITEM_HEIGHT);
            colour = HIGHLIGHT;
        }
        if (item.mb_greyed) colour = GREYED;
        g_system->DrawText(m_x + indent + 3, row + 2, ALIGN_LEFT, colour, font, "%s", item.m_text);
        if (item.m_value < 0) {
            g_system->DrawText(m_x + m_width - 30, row + 2, ALIGN_LEFT,
                               item.mb_greyed ? 0xff373700 : 0xff9b9b00, font, ">>>");
        }
    });
    if (mb_scrolling) {
        bool shaded = m_arrowState == ARROW_DOWN_HOVER || m_arrowState == ARROW_DOWN_PRESSED;
        DrawScrollStrip(m_x, end, m_x + m_width, end + SCROLL_STRIP, STRIP_COLOUR, shaded, m_x + m_width / 2,
                        end, ALIGN_LEFT, "v");
    }
}

}  // namespace ravel
