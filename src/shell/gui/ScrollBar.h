// Scroll bar: two arrows and a track with a thumb; horizontal or vertical.
#pragma once

#include "shell/gui/Control.h"

namespace ravel {

class CScrollBar : public CControl {
public:
    void Draw() override;
    int HandleMouse(int x, int y, uint8_t leftDown, uint8_t rightDown) override;

    void SetMin(int value);       // only below the maximum
    void SetMax(int value);       // only above the minimum
    void SetPosition(int value);  // only within the range

    int32_t m_min = 0;
    int32_t m_max = 100;
    int32_t m_position = 50;
    uint8_t mb_horizontal = 1;

private:
    int ArrowZone() const { return mb_horizontal ? 20 : 17; }
    int Length() const { return mb_horizontal ? m_width : m_height; }
    void Step(int delta);
    int PositionAt(int offset) const;
};

}  // namespace ravel
