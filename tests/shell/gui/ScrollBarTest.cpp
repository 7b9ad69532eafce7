#include <vector>

#include "shell/gui/GuiFixture.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {
namespace {

class ScrollBarTest : public GuiTest {};

struct BarPress {
    int along;  // pixels from the bar's start
    bool left, right;
};

struct Case {
    const char* name;
    bool horizontal;
    int length;  // width of a horizontal bar, height of a vertical one
    int max;
    int position;
    std::vector<BarPress> presses;
    int expected;
};

// Bars of length 234 have a 200-pixel track between 16-pixel arrows.
const Case CASES[] = {
    {"left arrow", true, 234, 99, 50, {{5, true, false}}, 49},
    {"right arrow", true, 234, 99, 50, {{230, true, false}}, 51},
    {"held left press moves once",
     true,
     234,
     99,
     50,
     {{5, true, false}, {5, true, false}, {5, true, false}},
     49},
    {"two clicks move twice", true, 234, 99, 50, {{5, true, false}, {5, false, false}, {5, true, false}}, 48},
    {"right held scrolls by five a tick",
     true,
     234,
     99,
     50,
     {{5, false, true}, {5, false, true}, {5, false, true}},
     35},
    {"right held stops at the end", true, 234, 99, 97, {{230, false, true}, {230, false, true}}, 99},
    {"track middle", true, 234, 99, 0, {{116, true, false}}, 50},
    {"track end", true, 234, 99, 0, {{214, true, false}}, 99},
    {"track just past the arrow zone", true, 234, 99, 50, {{20, true, false}}, 2},
    {"empty range fills the track", true, 234, 0, 0, {{150, true, false}}, 0},
    {"track narrower than the range", true, 45, 99, 5, {{22, true, false}}, 54},
    {"no track between the arrows", false, 34, 10, 5, {{17, true, false}}, 0},
    {"vertical top arrow", false, 234, 99, 50, {{3, true, false}}, 49},
    {"vertical bottom arrow", false, 234, 99, 50, {{230, true, false}}, 51},
    {"vertical track", false, 234, 99, 0, {{116, true, false}}, 50},
    {"vertical right held", false, 234, 99, 50, {{3, false, true}, {3, false, true}}, 40},
};

TEST_F(ScrollBarTest, PressesMoveThePosition) {
    for (const Case& c : CASES) {
        CScrollBar bar;
        bar.mb_horizontal = c.horizontal;
        if (c.horizontal) {
            bar.SetRect(100, 100, c.length, 20);
        } else {
            bar.SetRect(100, 100, 17, c.length);
        }
        bar.m_max = c.max;
        bar.m_position = c.position;
        m_list.mv_controls.clear();
        m_list.AddControl(&bar);
        for (size_t i = 0; i < c.presses.size(); ++i) {
            const BarPress& p = c.presses[i];
            if (c.horizontal) {
                Tick(100 + p.along, 110, p.left, p.right);
            } else {
                Tick(108, 100 + p.along, p.left, p.right);
            }
            if (i == 0) {
                EXPECT_EQ(bar.m_state, STATE_CLICKED) << c.name;
            }
        }
        EXPECT_EQ(bar.m_position, c.expected) << c.name;
        m_system->Clear(0xff000000);
        bar.Draw();  // any range and size draws without fault
    }
}

TEST_F(ScrollBarTest, SettersKeepTheRangeWhole) {
    CScrollBar bar;
    bar.SetMin(100);  // not below the maximum
    EXPECT_EQ(bar.m_min, 0);
    bar.SetMax(0);
    EXPECT_EQ(bar.m_max, 100);
    bar.SetMax(20);
    EXPECT_EQ(bar.m_max, 20);
    bar.SetPosition(21);
    EXPECT_EQ(bar.m_position, 50);
    bar.SetPosition(-1);
    EXPECT_EQ(bar.m_position, 50);
    bar.SetPosition(20);
    EXPECT_EQ(bar.m_position, 20);
}

}  // namespace
}  // namespace ravel
