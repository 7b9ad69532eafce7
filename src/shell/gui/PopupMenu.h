// Pop-up menu of items; an item with a negative value opens a sub-menu,
// which keeps its parent drawn behind it.
#pragma once

#include "shell/gui/ComboBox.h"
#include "shell/gui/Control.h"
#include "shell/gui/ListItem.h"

namespace ravel {

enum MenuState : int32_t {
    MENU_CLOSED = 201,
    MENU_OPEN = 203,
    MENU_CHOSEN = 205,
};

class CPopupMenu : public CControl, public ItemList {
public:
    CPopupMenu();
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;

    void Open(int x, int y);
    void Close();
    void SetParent(CPopupMenu* menu);
    int GetChosenValue() const;

    int32_t m_homeX = 1, m_homeY = 1;
    int32_t m_openWidth = 0;
    int32_t m_menuHeight = 25;
    CPopupMenu* mp_parent = nullptr;
    int32_t m_menuState = MENU_CLOSED;
    int32_t m_chosen = 0;
    uint8_t mb_scrolling = 0;
    int32_t m_first = 0;
    int32_t m_visibleCount = 0;
    int32_t m_arrowState = ARROW_NONE;
    uint8_t mb_pressLatch = 0;

private:
    void FitHeight();
};

}  // namespace ravel
