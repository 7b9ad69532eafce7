#include "shell/gui/ScrollBar.h"

#include <algorithm>

#include "shell/Skin.h"

namespace ravel {

namespace {
constexpr int ARROW_SIZE = 16;  // drawn arrows; the track lies between them
constexpr int TRACK_MARGIN = 34;
}  // namespace

void CScrollBar::SetMin(int value) {
    if (value < m_max) m_min = value;
}

void CScrollBar::SetMax(int value) {
    if (value > m_min) m_max = value;
}

void CScrollBar::SetPosition(int value) {
    if (m_min <= value && value <= m_max) m_position = value;
}

void CScrollBar::Step(int delta) {
    m_position = std::clamp(m_position + delta, m_min, m_max);
}

// The position under a point of the track, measured from the bar's start; the
// arrows are not part of the track.
int CScrollBar::PositionAt(int offset) const {
    int track = Length() - TRACK_MARGIN;
    if (track <= 0) return m_min;
    long long steps = static_cast<long long>(m_max) - m_min + 1;
    long long along = std::max(0, offset - ARROW_SIZE);
    long long position = m_min + along * steps / track;
    return static_cast<int>(std::clamp<long long>(position, m_min, m_max));
}

int CScrollBar::HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) {
    if (mb_disabled || !mb_visible) return 0;
    if (!leftDown && !rightDown) {
        m_state = STATE_NORMAL;
        m_latch = 0;
        return 0;
    }
    // Panels pass the mouse on wherever it is.
    if (!Contains(x, y)) return 0;
    int along = mb_horizontal ? x - m_x : y - m_y;
    bool across = mb_horizontal ? (m_y < y && y < m_y + m_height) : (m_x < x && x < m_x + m_width);
    bool nearStart = along < ArrowZone();
    bool nearEnd = along > Length() - ArrowZone() && along <= Length();
    if (rightDown && across) {
        // Held on an arrow: keeps scrolling on every tick.
        m_state = STATE_CLICKED;
        if (nearStart) Step(-5);
        if (nearEnd) Step(5);
    }
    if (leftDown && m_latch == 0) {
        m_latch = 1;
        m_hoverStart = NO_HOVER;
        if (!across) return 0;
        m_state = STATE_CLICKED;
        if (nearStart) {
            Step(-1);
        } else if (nearEnd) {
            Step(1);
        } else {
            m_position = PositionAt(along);
        }
    }
    return 0;
}

void CScrollBar::Draw() {
    if (!mb_visible) return;
    int track = Length() - TRACK_MARGIN;
    float step = track > 0 ? static_cast<float>(track) / (m_max - m_min + 1) : 0.0f;
    float start = (m_position - m_min) * step;
    if (mb_horizontal) {
        DrawSkin(SKIN_HSCROLL_LEFT, m_x, m_y);
        DrawSkin(SKIN_HSCROLL_RIGHT, m_x + m_width - ARROW_SIZE, m_y);
        for (int i = 0; i < m_width - 33; ++i) DrawSkin(SKIN_HSCROLL_TRACK, m_x + ARROW_SIZE + i, m_y);
        if (mb_disabled || step <= 0.0f) return;
        int thumb = static_cast<int>(std::max(step, 2.0f));
        for (int i = 0; i < thumb; ++i) {
            DrawSkin(SKIN_HSCROLL_THUMB, static_cast<int>(start + m_x + ARROW_SIZE + i), m_y);
        }
    } else {
        DrawSkin(SKIN_VSCROLL_TOP, m_x, m_y);
        DrawSkin(SKIN_VSCROLL_BOTTOM, m_x, m_y + m_height - ARROW_SIZE);
        for (int i = 0; i <= m_height - TRACK_MARGIN; ++i) {
            DrawSkin(SKIN_VSCROLL_TRACK, m_x, m_y + ARROW_SIZE + i);
        }
        if (mb_disabled || step <= 0.0f) return;
        for (int i = 0; i < step; i += 2) {
            DrawSkin(SKIN_VSCROLL_THUMB, m_x, static_cast<int>(start + m_y + ARROW_SIZE + i));
        }
    }
}

}  // namespace ravel
