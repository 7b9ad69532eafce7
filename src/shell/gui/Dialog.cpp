#include "shell/gui/Dialog.h"

#include <algorithm>

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

namespace {
constexpr int TILE = 64;
constexpr int SLICE = 5;
constexpr int SHADOW = 15;

// Moves a child into screen pixels for the span of a call.
class ChildOffset {
public:
    ChildOffset(CControl& child, int dx, int dy) : m_child(child), m_dx(dx), m_dy(dy) {
        m_child.m_x += dx;
        m_child.m_y += dy;
    }
    ~ChildOffset() {
        m_child.m_x -= m_dx;
        m_child.m_y -= m_dy;
    }
    ChildOffset(const ChildOffset&) = delete;
    ChildOffset& operator=(const ChildOffset&) = delete;

private:
    CControl& m_child;
    int m_dx, m_dy;
};
}  // namespace

void NoCallback() {}

void DrawDialogFrame(const CControl& window, bool background, bool titleBar) {
    int x = window.m_x, y = window.m_y, w = window.m_width, h = window.m_height;
    if (background) {
        g_system->FillRectBlended(x + SHADOW, y + SHADOW, x + w + SHADOW, y + h + SHADOW, 0xff141414);
        g_system->FillRect(x, y, x + w, y + h, 0xff3232c8);
        const CSprite* tile = window.Skin(SKIN_DIALOG_TILE);
        if (tile && tile->Loaded()) {
            for (int c = 0; c <= w / 32; ++c) {
                for (int r = 0; r <= h / 32; ++r) {
                    int tx = x + TILE * c + 1, ty = y + TILE * r + 1;
                    if (tx >= x + w - 1 || ty >= y + h) continue;
                    // Tiles at the edges are cut one pixel inside them.
                    int tw = std::min(TILE, x + w - 1 - tx);
                    int th = std::min(TILE, y + h - 1 - ty);
                    if (tw == TILE && th == TILE) {
                        tile->Draw(tx, ty);
                    } else if (tw > 0 && th > 0) {
                        tile->DrawPart(tx, ty, tw, th);
                    }
                }
            }
        }
    }
    if (titleBar) {
        for (int i = 0; i < w / SLICE; ++i) window.DrawSkin(SKIN_TITLE_SLICE, x + SLICE * i, y);
        g_system->DrawText(x + 3, y + 3, ALIGN_LEFT, 0xffffffff, g_game->m_fontCaption.get(), "%s",
                           window.m_caption);
    }
}

CDialog::CDialog() {
    mb_noTooltip = 1;
}

void CDialog::AddChild(CControl* control) {
    mv_children.push_back(control);
    control->mp_list = mp_list;
}

void CDialog::Close() {
    for (CControl* child : mv_children) child->m_state = STATE_NORMAL;
    m_state = STATE_NORMAL;
    m_closeState = STATE_NORMAL;
    mb_visible = 0;
    mb_expanded = 0;
    m_dragState = DRAG_IDLE;
}

void CDialog::Draw() {
    if (mb_visible != 1) return;
    DrawDialogFrame(*this, mb_background == 1, mb_titleBar != 0);
    mp_drawCallback();
    for (CControl* child : mv_children) {
        // Children added before the dialog joined a list reach the skin now.
        if (!child->mp_list) child->mp_list = mp_list;
        ChildOffset offset(*child, m_x, m_y + m_titleHeight);
        child->Draw();
    }
    for (CControl* child : mv_children) {
        if (child->mb_noTooltip) continue;
        ChildOffset offset(*child, m_x, m_y + m_titleHeight);
        child->DrawTooltip();
    }
}

int CDialog::HandleMouse(int px, int py, uint8_t leftDown, uint8_t rightDown) {
    m_state = STATE_NORMAL;
    m_closeState = STATE_NORMAL;
    if (!mb_visible) return 0;
    if (!leftDown) {
        m_dragState = DRAG_IDLE;
    } else if (m_dragState == DRAG_MOVING && !m_locked) {
        // The whole dialog stays on the screen, so its title bar can always
        // be caught again; one larger than the screen keeps its top left.
        m_x = std::max(0, std::min(px - m_grabX, SCREEN_WIDTH - m_width));
        m_y = std::max(0, std::min(py - m_grabY, SCREEN_HEIGHT - m_height));
    }
    if (!Contains(px, py)) return 0;
    if (py - m_y >= m_titleHeight) {
        m_state = leftDown ? STATE_CLICKED : STATE_HOVER;
        int cx = px - m_x, cy = py - m_y - m_titleHeight;
        for (CControl* child : mv_children) {
            child->m_state = STATE_NORMAL;
            if (child->Contains(cx, cy)) {
                if (child->m_hoverStart == NO_HOVER) {
                    child->m_hoverStart = static_cast<uint64_t>(g_system->m_presentTime);
                }
                child->HandleMouse(cx, cy, leftDown, rightDown);
            } else {
                child->m_hoverStart = NO_HOVER;
                child->MouseOutside(leftDown, rightDown);
            }
        }
    } else if (mb_closeZone && px - m_x >= m_width - CLOSE_ZONE) {
        m_closeState = leftDown ? STATE_PRESSED : STATE_HOVER;
    } else if (leftDown && m_dragState == DRAG_IDLE) {
        m_dragState = DRAG_MOVING;
        m_grabX = px - m_x;
        m_grabY = py - m_y;
    }
    return 0;
}

void CDialog::HandleKey(int key, int shift) {
    for (CControl* child : mv_children) child->HandleKey(key, shift);
}

// The children hear of it too, so that a press carried out of the dialog is
// not taken for a click when the pointer comes back.
void CDialog::MouseOutside(uint8_t leftDown, uint8_t rightDown) {
    m_closeState = STATE_NORMAL;
    for (CControl* child : mv_children) {
        child->m_hoverStart = NO_HOVER;
        child->MouseOutside(leftDown, rightDown);
    }
}

void CDialog::HandleText(const std::string& typed) {
    for (CControl* child : mv_children) child->HandleText(typed);
}

}  // namespace ravel
