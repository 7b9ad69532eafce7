#include <string>
#include <vector>

#include "shell/gui/EditBox.h"
#include "shell/gui/GuiFixture.h"

namespace ravel {
namespace {

class EditBoxTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_box.SetRect(100, 100, 300, 30);
        m_list.AddControl(&m_box);
        Click(150, 110);  // focus
    }
    // Holds the keys for one tick, then lets them go for one.
    void Type(std::vector<int> keys) {
        for (int key : keys) Press(key);
        Tick(150, 110, false);
        for (int key : keys) Release(key);
        Tick(150, 110, false);
    }

    CEditBox m_box;
};

TEST_F(EditBoxTest, TypingTable) {
    struct Case {
        std::vector<int> keys;  // pressed together
        const char* typed;
    };
    const Case cases[] = {
        {{DIK_A}, "a"},
        {{DIK_LSHIFT, DIK_A}, "A"},
        {{DIK_RSHIFT, DIK_Z}, "Z"},
        {{DIK_1}, "1"},
        {{DIK_LSHIFT, DIK_3}, "\xa3"},
        {{DIK_LSHIFT, DIK_5}, "5"},
        {{DIK_LSHIFT, DIK_APOSTROPHE}, "@"},
        {{DIK_SLASH}, "\\"},
        {{DIK_BACKSLASH}, "/"},
        {{DIK_LSHIFT, DIK_SLASH}, "|"},
        {{DIK_LSHIFT, DIK_MINUS}, "-"},
        {{DIK_LSHIFT, DIK_LBRACKET}, "{"},
        {{DIK_SPACE}, " "},
        {{DIK_NUMPAD7}, "7"},
        {{DIK_DIVIDE}, "/"},
        {{DIK_NUMPADEQUALS}, "="},
        {{DIK_DELETE}, ""},
        {{DIK_F1}, ""},
    };
    for (const Case& c : cases) {
        m_box.SetCaption("");
        Type(c.keys);
        EXPECT_STREQ(m_box.m_caption, c.typed);
        EXPECT_EQ(m_box.m_captionLength, static_cast<int>(std::string(c.typed).size()));
    }
}

TEST_F(EditBoxTest, HeldKeyTypesOnce) {
    Press(DIK_K);
    for (int i = 0; i < 10; ++i) Tick(150, 110, false);
    Release(DIK_K);
    Tick(150, 110, false);
    Press(DIK_K);
    Tick(150, 110, false);
    EXPECT_STREQ(m_box.m_caption, "kk");
}

TEST_F(EditBoxTest, BackspaceAndReturn) {
    Type({DIK_A});
    Type({DIK_B});
    Type({DIK_BACK});
    EXPECT_STREQ(m_box.m_caption, "a");
    Type({DIK_BACK});
    Type({DIK_BACK});
    EXPECT_STREQ(m_box.m_caption, "");
    Type({DIK_C});
    Type({DIK_RETURN});
    EXPECT_EQ(m_box.mb_focus, 0);
    EXPECT_STREQ(m_box.m_caption, "c");
    Type({DIK_D});
    EXPECT_STREQ(m_box.m_caption, "c");
}

TEST_F(EditBoxTest, FocusComesAndGoesWithTheMouse) {
    EXPECT_EQ(m_box.mb_focus, 1);
    Tick(600, 600, true);  // a press elsewhere
    EXPECT_EQ(m_box.mb_focus, 0);
    Tick(600, 600, false);
    Type({DIK_A});
    EXPECT_STREQ(m_box.m_caption, "");
    Click(150, 110);
    EXPECT_EQ(m_box.mb_focus, 1);
}

TEST_F(EditBoxTest, TextStopsAtTheLimitOrTheCaptionSize) {
    struct Case {
        int maxLength;
        int kept;
    };
    for (Case c : {Case{3, 3}, Case{254, CAPTION_SIZE - 1}}) {
        m_box.SetCaption("");
        m_box.m_maxLength = c.maxLength;
        for (int i = 0; i < CAPTION_SIZE + 5; ++i) Type({i % 2 ? DIK_X : DIK_Y});
        EXPECT_EQ(m_box.m_captionLength, c.kept);
        Type({DIK_BACK});  // still served at the limit
        EXPECT_EQ(m_box.m_captionLength, c.kept - 1);
    }
}

}  // namespace
}  // namespace ravel
