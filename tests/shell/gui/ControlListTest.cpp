#include <cstring>
#include <string>
#include <vector>

#include "shell/gui/Button.h"
#include "shell/gui/GuiFixture.h"
#include "shell/gui/PopupMenu.h"
#include "shell/platform/Clock.h"

namespace ravel {
namespace {

// Records what the list hands it; can take the press or stay open.
class Probe : public CControl {
public:
    explicit Probe(std::vector<std::string>* drawLog = nullptr, const char* name = "")
        : mp_drawLog(drawLog), m_name(name) {}
    void Draw() override {
        if (mp_drawLog) mp_drawLog->push_back(m_name);
    }
    int HandleMouse(int, int, uint8_t leftDown, uint8_t) override {
        ++m_mouseCalls;
        return mb_consume && leftDown ? MOUSE_CONSUMED : 0;
    }
    void HandleKey(int key, int shift) override {
        if (key != NO_KEY) mv_keys.push_back(key);
        m_shift = shift;
    }
    void MouseOutside(uint8_t, uint8_t) override { ++m_outsideCalls; }

    std::vector<std::string>* mp_drawLog;
    const char* m_name;
    bool mb_consume = false;
    int m_mouseCalls = 0;
    int m_outsideCalls = 0;
    int m_shift = 0;
    std::vector<int> mv_keys;
};

class ControlListTest : public GuiTest {};

TEST_F(ControlListTest, ShiftCodeAndKeyPriority) {
    struct Case {
        std::vector<int> held;
        int key;
        int shift;
    };
    const Case cases[] = {
        {{}, NO_KEY, SHIFT_UP},
        {{DIK_A}, DIK_A, SHIFT_UP},
        {{DIK_LSHIFT, DIK_A}, DIK_A, SHIFT_DOWN},
        {{DIK_RSHIFT}, NO_KEY, SHIFT_DOWN},
        {{DIK_B, DIK_A}, DIK_A, SHIFT_UP},  // A comes first in the table
        {{DIK_Z, DIK_RETURN}, DIK_RETURN, SHIFT_UP},
        {{DIK_ESCAPE, DIK_LEFT}, NO_KEY, SHIFT_UP},  // never passed to controls
    };
    for (const Case& c : cases) {
        Probe first, second;
        m_list.mv_controls.clear();
        m_list.AddControl(&first);
        m_list.AddControl(&second);
        m_system->HeadlessInput()->ReleaseAllKeys();
        Tick(900, 700, false);  // the last case's keys go up first
        for (int key : c.held) Press(key);
        Tick(900, 700, false);
        for (Probe* p : {&first, &second}) {
            EXPECT_EQ(p->m_shift, c.shift);
            if (c.key == NO_KEY) {
                EXPECT_TRUE(p->mv_keys.empty());
            } else {
                EXPECT_EQ(p->mv_keys, std::vector<int>{c.key});
            }
        }
    }
}

TEST_F(ControlListTest, MouseGoesOnlyToControlsUnderThePointer) {
    Probe inside, outside;
    inside.SetRect(10, 10, 50, 20);
    outside.SetRect(200, 10, 50, 20);
    m_list.AddControl(&inside);
    m_list.AddControl(&outside);
    Tick(60, 30, false);  // the far corner: edges are inside
    EXPECT_EQ(inside.m_mouseCalls, 1);
    EXPECT_EQ(outside.m_mouseCalls, 0);
    EXPECT_EQ(outside.m_outsideCalls, 1);
    EXPECT_NE(inside.m_hoverStart, NO_HOVER);
    EXPECT_EQ(outside.m_hoverStart, NO_HOVER);
}

TEST_F(ControlListTest, ConsumedPressSilencesEveryoneUntilRelease) {
    Probe taker, later;
    taker.mb_consume = true;
    taker.SetRect(0, 0, 100, 100);
    later.SetRect(0, 0, 100, 100);
    m_list.AddControl(&taker);
    m_list.AddControl(&later);
    Tick(50, 50, true);
    EXPECT_EQ(later.m_mouseCalls, 0);
    Tick(50, 50, true);  // still held: nobody hears anything
    EXPECT_EQ(taker.m_mouseCalls, 1);
    Tick(50, 50, false);
    EXPECT_EQ(taker.m_mouseCalls, 2);
    EXPECT_EQ(later.m_mouseCalls, 1);
}

TEST_F(ControlListTest, SkippedControlsKeepTheirState) {
    CButton hidden, disabled;
    hidden.SetRect(0, 0, 100, 30);
    disabled.SetRect(0, 0, 100, 30);
    hidden.m_state = STATE_CLICKED;
    hidden.mb_visible = 0;
    disabled.m_state = STATE_HOVER;
    disabled.Disable();
    m_list.AddControl(&hidden);
    m_list.AddControl(&disabled);
    Click(50, 15);
    EXPECT_EQ(hidden.m_state, STATE_CLICKED);
    EXPECT_EQ(disabled.m_state, STATE_NORMAL);
}

TEST_F(ControlListTest, TheOpenControlOnTopTakesTheInput) {
    std::vector<std::string> drawn;
    Probe plain(&drawn, "plain"), openFirst(&drawn, "openFirst"), openLast(&drawn, "openLast");
    for (Probe* p : {&openFirst, &plain, &openLast}) {
        p->SetRect(0, 0, 100, 100);
        m_list.AddControl(p);
    }
    openFirst.mb_expanded = 1;
    openLast.mb_expanded = 1;
    m_list.Draw();
    Tick(50, 50, false);
    EXPECT_EQ(drawn.back(), "openLast");
    EXPECT_EQ(openLast.m_mouseCalls, 1);
    EXPECT_EQ(openFirst.m_mouseCalls, 0);
    EXPECT_EQ(plain.m_mouseCalls, 0);
}

TEST_F(ControlListTest, OpenOverlayMakesTheScreenDeaf) {
    ControlList sideBar;
    sideBar.mb_isOverlay = 1;
    m_list.mp_overlay = &sideBar;
    Probe screenControl;
    screenControl.SetRect(0, 0, 100, 100);
    m_list.AddControl(&screenControl);
    CPopupMenu menu;
    menu.AddListItem("One", 1);
    sideBar.AddControl(&menu);
    menu.Open(500, 100);
    Tick(50, 50, false);
    EXPECT_EQ(screenControl.m_mouseCalls, 0);
    menu.Close();
    Tick(50, 50, false);
    EXPECT_EQ(screenControl.m_mouseCalls, 1);
}

TEST_F(ControlListTest, ListWithoutSkinDrawsNothing) {
    std::vector<std::string> drawn;
    Probe probe(&drawn, "probe");
    m_list.AddControl(&probe);
    m_list.mp_skin = nullptr;
    m_list.Draw();
    EXPECT_TRUE(drawn.empty());
}

TEST_F(ControlListTest, TooltipPlacementAndDelay) {
    constexpr uint32_t FILL = 0xff5d61f7;
    struct Case {
        int x;
        const char* tooltip;
        int expectedLeft;  // -1: no tooltip
    };
    const Case cases[] = {
        {300, "Allow time to pass", 289},
        {2, "Main menu", 5},
        {1000, "A long tooltip near the right edge", -2},  // 1004 - width
        {300, "OK", -1},
        {300, "", -1},
    };
    for (const Case& c : cases) {
        CButton button;
        button.SetRect(c.x, 300, 20, 30);
        button.SetTooltip(c.tooltip);
        m_list.mv_controls.clear();
        m_list.AddControl(&button);
        QueryPerformanceCounter(&m_system->m_presentTime);  // the frame before the hover
        Tick(c.x + 5, 310, false);
        AdvanceClock(100000);  // not yet long enough
        QueryPerformanceCounter(&m_system->m_presentTime);
        m_system->Clear(0xff000000);
        m_list.Draw();
        EXPECT_NE(m_system->Screen().Pixel(std::max(c.x - 9, 7), 300), FILL) << c.tooltip;
        AdvanceClock(400000);
        QueryPerformanceCounter(&m_system->m_presentTime);
        m_list.Draw();
        if (c.expectedLeft == -1) {
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                ASSERT_NE(m_system->Screen().Pixel(x, 300), FILL) << c.tooltip;
            }
            continue;
        }
        int left = c.expectedLeft == -2 ? SCREEN_WIDTH - 20 - button.m_tooltipWidth : c.expectedLeft;
        EXPECT_EQ(m_system->Screen().Pixel(left, 300), 0xff000000u) << c.tooltip;
        EXPECT_EQ(m_system->Screen().Pixel(left + 1, 300), FILL) << c.tooltip;
        EXPECT_EQ(m_system->Screen().Pixel(left + button.m_tooltipWidth + 10, 300), FILL);
        EXPECT_EQ(m_system->Screen().Pixel(left + button.m_tooltipWidth + 11, 300), 0xff000000u);
    }
}

TEST(CopyTextTest, CutsAndTerminates) {
    char small[5];
    EXPECT_EQ(CopyText(small, sizeof small, "abcdefgh"), 4u);
    EXPECT_STREQ(small, "abcd");
    EXPECT_EQ(CopyText(small, sizeof small, nullptr), 0u);
    EXPECT_STREQ(small, "");
    CControl control;
    std::string longCaption(150, 'x');
    control.SetCaption(longCaption.c_str());
    EXPECT_EQ(control.m_captionLength, CAPTION_SIZE - 1);
    EXPECT_EQ(std::strlen(control.m_caption), size_t(CAPTION_SIZE - 1));
}

}  // namespace
}  // namespace ravel
