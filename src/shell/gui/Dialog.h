// A window on a screen: shadowed, tiled panel, optional title bar, a draw
// callback for the screen's own drawing and child controls placed relative to
// its client area. It can be dragged by its title bar.
#pragma once

#include <vector>

#include "shell/gui/Control.h"

namespace ravel {

using DrawCallback = void (*)();

enum DragState : int32_t { DRAG_IDLE = 1, DRAG_MOVING = 2 };

inline constexpr int TITLE_HEIGHT = 25;
inline constexpr int CLOSE_ZONE = 30;

void NoCallback();

// The panel, tiles and title strip shared by dialogs and the file dialog.
void DrawDialogFrame(const CControl& window, bool background, bool titleBar);

class CDialog : public CControl {
public:
    CDialog();
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;
    void HandleKey(int key, int shift) override;
    void HandleText(const std::string& typed) override;
    void MouseOutside(uint8_t leftDown, uint8_t rightDown) override;

    void AddChild(CControl* control);
    void Close();
    void HideTitleBar() { mb_titleBar = 0; }

    int32_t m_dragState = DRAG_IDLE;
    int32_t m_grabX = 0, m_grabY = 0;
    int32_t m_titleHeight = TITLE_HEIGHT;
    int32_t m_locked = 0;
    int32_t m_closeState = STATE_NORMAL;
    uint8_t mb_titleBar = 1;
    uint8_t mb_closeZone = 1;
    uint8_t mb_background = 1;
    std::vector<CControl*> mv_children;  // not owned
    DrawCallback mp_drawCallback = NoCallback;
    DrawCallback mp_closeCallback = NoCallback;  // kept, never called
};

}  // namespace ravel
