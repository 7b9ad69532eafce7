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

TEST_F(EditBoxTest, TakesTheCharactersAsTyped) {
    struct Case {
        const char* name;
        const char* utf8;  // what the platform's text input gives in one tick
        const char* kept;
        bool refused;
    };
    const Case cases[] = {
        {"a German layout", "Zimmer", "Zimmer", false},
        {"a French layout", "Amandine", "Amandine", false},
        {"ten characters in one tick", "abcdefghij", "abcdefghij", false},
        {"letters beyond ASCII", "Zo\xc3\xab \xc3\x86\xc3\xb8", "Zo\xeb \xc6\xf8", false},
        {"the euro sign", "\xe2\x82\xac", "\x80", false},
        {"a letter the game cannot write",
         "\xc5\x81\xc3\xb3"
         "d\xc5\xba",
         "\xf3"
         "d",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_box.SetCaption("");
        m_box.m_refusedUntil = 0.0f;
        m_system->HeadlessInput()->TypeText(c.utf8);
        Tick(150, 110, false);
        EXPECT_STREQ(m_box.m_caption, c.kept);
        EXPECT_EQ(m_box.m_captionLength, static_cast<int>(std::string(c.kept).size()));
        EXPECT_EQ(m_box.Refusing(), c.refused);
    }
}

TEST_F(EditBoxTest, KeysTypeThroughTheLayout) {
    Type({DIK_LSHIFT, DIK_A});
    Type({DIK_1});
    Type({DIK_SPACE});
    Type({DIK_F1});
    Type({DIK_DELETE});
    EXPECT_STREQ(m_box.m_caption, "A1 ");
}

TEST_F(EditBoxTest, BackspaceKeepsItsPlaceAmongTheCharacters) {
    CHeadless& input = *m_system->HeadlessInput();
    input.TypeText("ab");
    input.TapKey(DIK_BACK);
    input.TypeText("c");
    input.TapKey(DIK_RETURN);
    input.TypeText("d");  // after Return: no longer for this box
    for (int i = 0; i < 6; ++i) Tick(150, 110, false);
    EXPECT_STREQ(m_box.m_caption, "ac");
    EXPECT_EQ(m_box.mb_focus, 0);
}

TEST_F(EditBoxTest, RefusalIsShownForHalfASecond) {
    m_system->HeadlessInput()->TypeText("\xe6\x97\xa5");
    Tick(150, 110, false);
    EXPECT_TRUE(m_box.Refusing());
    m_box.Draw();
    const uint32_t frame = m_system->Screen().Pixel(m_box.m_x, m_box.m_y + 10);
    m_system->m_clockSeconds += 0.51f;
    EXPECT_FALSE(m_box.Refusing());
    m_system->Clear(0xff000000u);
    m_box.Draw();
    EXPECT_NE(m_system->Screen().Pixel(m_box.m_x, m_box.m_y + 10), frame) << "the frame shows the refusal";
}

TEST_F(EditBoxTest, LettersBeyondAsciiAreDrawn) {
    // Each byte is one character: the width is the font's for that letter,
    // and the letter is drawn with its accent.
    m_game->m_fontCaption = CFont::Create(20, 700, false);
    ASSERT_TRUE(m_game->m_fontCaption);
    m_box.mb_focus = 0;
    const auto inked = [&](const char* text) {
        m_box.SetCaption(text);
        m_system->Clear(0xff000000u);
        m_box.Draw();
        int count = 0;
        for (int y = m_box.m_y; y < m_box.m_y + m_box.m_height; ++y)
            for (int x = m_box.m_x + 4; x < m_box.m_x + 40; ++x)
                if (m_system->Screen().Pixel(x, y) != m_system->Screen().Pixel(m_box.m_x + 200, y)) ++count;
        return count;
    };
    const int plain = inked("e");
    const int accented = inked("\xeb");
    EXPECT_GT(plain, 0);
    EXPECT_GT(accented, plain);
    m_box.SetCaption("\xeb");
    EXPECT_EQ(m_box.m_captionLength, 1);
    EXPECT_EQ(m_box.m_captionWidth, CSystem::TextWidth(m_game->m_fontCaption.get(), "e"));
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
        m_box.m_refusedUntil = 0.0f;
        for (int i = 0; i < CAPTION_SIZE + 5; ++i) Type({i % 2 ? DIK_X : DIK_Y});
        EXPECT_EQ(m_box.m_captionLength, c.kept);
        EXPECT_TRUE(m_box.Refusing()) << "a full box shows that it refuses";
        Type({DIK_BACK});  // still served at the limit
        EXPECT_EQ(m_box.m_captionLength, c.kept - 1);
    }
}

}  // namespace
}  // namespace ravel
