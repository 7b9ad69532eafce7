#include <vector>

#include "shell/gui/Button.h"
#include "shell/gui/GuiFixture.h"

namespace ravel {
namespace {

struct Step {
    int x, y;
    bool left, right;
    int state;  // expected after the tick
};

// The control sits at (100, 100), 100 x 30; (50, 50) is outside it.
struct Script {
    const char* name;
    std::vector<Step> steps;
};

const std::vector<Script> BUTTON_SCRIPTS = {
    {"hover", {{150, 110, false, false, STATE_HOVER}, {50, 50, false, false, STATE_NORMAL}}},
    {"click",
     {{150, 110, true, false, STATE_PRESSED},
      {150, 110, false, false, STATE_CLICKED},
      {150, 110, false, false, STATE_HOVER}}},
    {"press, leave, release outside, come back",
     {{150, 110, true, false, STATE_PRESSED},
      {50, 50, true, false, STATE_NORMAL},
      {50, 50, false, false, STATE_NORMAL},
      {150, 110, false, false, STATE_HOVER}}},
    {"held press carried onto the button counts",
     {{50, 50, true, false, STATE_NORMAL},
      {150, 110, true, false, STATE_PRESSED},
      {150, 110, false, false, STATE_CLICKED}}},
    {"right button does nothing",
     {{150, 110, false, true, STATE_HOVER}, {150, 110, false, false, STATE_HOVER}}},
};

class ButtonTest : public GuiTest {
protected:
    void Run(CControl& control, const Script& script) {
        control.SetRect(100, 100, 100, 30);
        m_list.mv_controls.clear();
        m_list.AddControl(&control);
        int n = 0;
        for (const Step& step : script.steps) {
            Tick(step.x, step.y, step.left, step.right);
            EXPECT_EQ(control.m_state, step.state) << script.name << ", step " << n;
            ++n;
        }
    }
};

TEST_F(ButtonTest, PressTracking) {
    for (const Script& script : BUTTON_SCRIPTS) {
        CButton button;
        Run(button, script);
    }
}

TEST_F(ButtonTest, DisabledButtonNeverClicks) {
    CButton button;
    button.Disable();
    Run(button, {"disabled", {{150, 110, true, false, STATE_NORMAL}}});
    m_list.mv_controls.clear();
    m_list.AddControl(&button);
    Tick(150, 110, false);
    EXPECT_EQ(button.m_state, STATE_NORMAL);
}

TEST_F(ButtonTest, HotSpotReportsLeftAndRightClicks) {
    const std::vector<Script> scripts = {
        {"left", {{150, 110, true, false, STATE_PRESSED}, {150, 110, false, false, STATE_CLICKED}}},
        {"right", {{150, 110, false, true, STATE_PRESSED}, {150, 110, false, false, STATE_RIGHT_CLICKED}}},
        {"both: left wins", {{150, 110, true, true, STATE_PRESSED}, {150, 110, false, false, STATE_CLICKED}}},
        {"leaving cancels",
         {{150, 110, false, true, STATE_PRESSED},
          {50, 50, false, false, STATE_NORMAL},
          {150, 110, false, false, STATE_HOVER}}},
    };
    for (const Script& script : scripts) {
        CHotSpot spot;
        Run(spot, script);
    }
}

TEST_F(ButtonTest, TickBoxTogglesOncePerClick) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        uint8_t ticked;
    };
    const Case cases[] = {
        {"one click",
         {{150, 110, true, false, STATE_PRESSED},
          {150, 110, true, false, STATE_PRESSED},
          {150, 110, false, false, STATE_CLICKED},
          {150, 110, false, false, STATE_HOVER}},
         1},
        {"two clicks",
         {{150, 110, true, false, STATE_PRESSED},
          {150, 110, false, false, STATE_CLICKED},
          {150, 110, true, false, STATE_PRESSED},
          {150, 110, false, false, STATE_CLICKED}},
         0},
        {"a press taken off the box is cancelled",
         {{150, 110, true, false, STATE_PRESSED},
          {50, 50, true, false, STATE_NORMAL},
          {50, 50, false, false, STATE_NORMAL},
          {150, 110, false, false, STATE_HOVER}},
         0},
    };
    for (const Case& c : cases) {
        CTickBox box;
        Run(box, {c.name, c.steps});
        EXPECT_EQ(box.mb_ticked, c.ticked) << c.name;
    }
}

TEST_F(ButtonTest, ClickRestartsTheTooltipDelay) {
    CButton button;
    button.SetRect(100, 100, 100, 30);
    m_list.AddControl(&button);
    m_system->m_presentTime = 5000;
    Tick(150, 110, false);
    EXPECT_EQ(button.m_hoverStart, 5000u);
    Tick(150, 110, true);
    Tick(150, 110, false);
    EXPECT_EQ(button.m_hoverStart, NO_HOVER);
}

}  // namespace
}  // namespace ravel
