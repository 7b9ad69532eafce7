#include "shell/gui/ListPanel.h"

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

CListPanel::CListPanel() {
    m_scrollBar.mb_horizontal = 0;
    m_scrollBar.SetMin(0);
    m_scrollBar.SetMax(100);
}

void CListPanel::SetRect(int x, int y, int width, int height) {
    CControl::SetRect(x, y, width, height);
    m_scrollBar.CControl::SetRect(x + width - 18, y + 1, 17, height - height % 5 - 2);
    m_visibleLines = height / ITEM_HEIGHT;
    m_scrollBar.m_position = 0;
    m_top = 0;
}

void CListPanel::SetSelection(int index) {
    if (index >= 0 && index < static_cast<int>(mv_lines.size())) m_selected = index;
}

const char* CListPanel::GetSelectedText() const {
    if (m_selected < 0 || m_selected >= static_cast<int>(mv_lines.size())) return "";
    return mv_lines[m_selected]->m_text;
}

void CListPanel::UpdateScrollRange() {
    int range = static_cast<int>(mv_lines.size()) - m_visibleLines;
    if (range > m_scrollBar.m_min) m_scrollBar.SetMax(range);
}

void CListPanel::FreeLines() {
    for (ListItem* line : mv_lines) delete line;
    mv_lines.clear();
}

int CListPanel::HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) {
    if (mb_disabled) return 0;
    ShareList();
    m_scrollBar.HandleMouse(x, y, leftDown, rightDown);
    m_top = m_scrollBar.m_position;
    // The file dialog passes the mouse on wherever it is.
    if (!leftDown || !Contains(x, y)) {
        m_state = STATE_NORMAL;
        return 0;
    }
    m_state = STATE_CLICKED;
    m_hoverStart = NO_HOVER;
    int dx = x - m_x;
    int dy = y - m_y;
    if (0 <= dx && dx < m_width - 30 && 0 <= dy && dy < m_height) {
        int lines = static_cast<int>(mv_lines.size());
        int line = m_top + dy / ITEM_HEIGHT;
        // Below the last line picks the last line.
        m_selected = line >= lines || line < 0 ? lines - 1 : line;
    }
    return 0;
}

void CListPanel::Draw() {
    ShareList();
    g_system->FillRect(m_x, m_y, m_x + m_width, m_y + m_height, 0xffdc0000);
    g_system->FillRect(m_x + 1, m_y + 1, m_x + m_width - 1, m_y + m_height - 1, 0xff787878);
    int lines = static_cast<int>(mv_lines.size());
    for (int i = 0; m_top + i < lines && ITEM_HEIGHT * i + ITEM_HEIGHT < m_height; ++i) {
        if (m_top + i < 0) continue;
        int row = m_y + ITEM_HEIGHT * i;
        if (m_top + i == m_selected) {
            g_system->FillRect(m_x + 3, row + 5, m_x + m_width - 10, row + 24, 0xff000064);
        }
        const ListItem* line = mv_lines[m_top + i];
        g_system->DrawTextInRect(m_x + 5, row + 5, m_x + m_width - 1, row + 24, ALIGN_LEFT,
                                 static_cast<uint32_t>(line->m_value2), g_game->m_fontCaption.get(), "%s",
                                 line->m_text);
    }
    m_scrollBar.Draw();
}

}  // namespace ravel
