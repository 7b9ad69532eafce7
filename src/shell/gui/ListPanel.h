// A scrolling list of text lines with a vertical scroll bar and one selected
// line.
#pragma once

#include <vector>

#include "shell/gui/Control.h"
#include "shell/gui/ListItem.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {

class CListPanel : public CControl {
public:
    CListPanel();
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;

    void SetRect(int x, int y, int width, int height);
    void SetSelection(int index);  // only an existing line
    int GetSelection() const { return m_selected; }
    const char* GetSelectedText() const;  // "" without a selected line
    void UpdateScrollRange();
    // Deletes the lines (for fillers that allocate them with new).
    void FreeLines();

    CScrollBar m_scrollBar;
    std::vector<ListItem*> mv_lines;  // not owned
    int32_t m_selected = 0;
    int32_t m_top = 0;
    int32_t m_visibleLines = 0;

private:
    void ShareList() { m_scrollBar.mp_list = mp_list; }
};

}  // namespace ravel
