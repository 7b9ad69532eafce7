#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PlatformFixture.h"
#include "shell/platform/CodePage.h"

namespace ravel {
namespace {

class InputQueueTest : public HeadlessTest {
protected:
    CHeadless& Input() { return *m_system->HeadlessInput(); }
    // What one tick sees: "L" or "-" for the left button, the pointer, the
    // keys of interest that are down and the typed text.
    std::string Tick() {
        m_system->ReadKeyboard();
        m_system->ReadMouse();
        std::string seen = m_system->mb_leftDown ? "L" : "-";
        seen += "@" + std::to_string(m_system->m_mouseX) + "," + std::to_string(m_system->m_mouseY);
        for (const auto& [key, name] :
             {std::pair{DIK_N, "N"}, std::pair{DIK_B, "B"}, std::pair{DIK_BACK, "BS"}}) {
            if (m_system->KeyDown(key)) seen += std::string(" ") + name;
        }
        if (!m_system->TypedText().empty()) seen += " '" + m_system->TypedText() + "'";
        return seen;
    }
};

TEST_F(InputQueueTest, EveryChangeReachesATickInOrder) {
    struct Case {
        const char* name;
        std::function<void(CHeadless&)> script;  // all of it between two ticks
        std::vector<std::string> ticks;
    };
    const Case cases[] = {
        {"a quick click", [](CHeadless& in) { in.Click(100, 200); }, {"L@100,200", "-@100,200"}},
        {"two quick clicks in two places",
         [](CHeadless& in) {
             in.Click(100, 200);
             in.Click(300, 400);
         },
         {"L@100,200", "-@100,200", "L@300,400", "-@300,400"}},
        {"a press is seen where it happened, the drag after it",
         [](CHeadless& in) {
             in.MoveMouse(10, 10);
             in.SetButtons(true, false);
             in.MoveMouse(20, 20);
         },
         {"L@10,10", "L@20,20"}},
        {"ten characters at once",
         [](CHeadless& in) { in.TypeText("abcdefghij"); },
         {"-@512,384 'abcdefghij'"}},
        {"a tapped key", [](CHeadless& in) { in.TapKey(DIK_N); }, {"-@512,384 N 'n'", "-@512,384"}},
        {"the same key twice",
         [](CHeadless& in) {
             in.TapKey(DIK_N);
             in.TapKey(DIK_N);
         },
         {"-@512,384 N 'n'", "-@512,384", "-@512,384 N 'n'", "-@512,384"}},
        {"keys rolled over",
         [](CHeadless& in) {
             in.PressKey(DIK_N);
             in.PressKey(DIK_B);
             in.ReleaseKey(DIK_N);
             in.ReleaseKey(DIK_B);
         },
         {"-@512,384 N B 'nb'", "-@512,384"}},
        {"backspace among the characters",
         [](CHeadless& in) {
             in.TapKey(DIK_N);
             in.TapKey(DIK_BACK);
             in.TypeText("xy");
         },
         {"-@512,384 N 'n'", "-@512,384 BS '\b'", "-@512,384 'xy'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_system->m_mouseX = 512;
        m_system->m_mouseY = 384;
        c.script(Input());
        std::vector<std::string> seen;
        for (size_t i = 0; i < c.ticks.size(); ++i) seen.push_back(Tick());
        EXPECT_EQ(seen, c.ticks);
        EXPECT_FALSE(m_system->InputWaiting());
        Input().SetButtons(false, false);
        Input().ReleaseAllKeys();
        while (m_system->InputWaiting()) Tick();
    }
}

TEST_F(InputQueueTest, WheelAndMovementAddUpWithinATick) {
    Input().TurnWheel(-120);
    Input().TurnWheel(-120);
    Tick();
    EXPECT_EQ(m_system->m_wheel, -240);
    Tick();
    EXPECT_EQ(m_system->m_wheel, 0);
}

TEST_F(InputQueueTest, HeadlessKeyboardTypesAsAUsLayout) {
    struct Case {
        std::vector<int> keys;  // held together, in this order
        const char* typed;
    };
    const Case cases[] = {
        {{DIK_A}, "a"},
        {{DIK_LSHIFT, DIK_A}, "A"},
        {{DIK_RSHIFT, DIK_2}, "@"},
        {{DIK_LSHIFT, DIK_5}, "%"},
        {{DIK_SLASH}, "/"},
        {{DIK_BACKSLASH}, "\\"},
        {{DIK_NUMPAD7}, "7"},
        {{DIK_SPACE}, " "},
        {{DIK_F1}, ""},
        {{DIK_DELETE}, ""},
        {{DIK_TAB}, ""},
    };
    for (const Case& c : cases) {
        for (int key : c.keys) Input().PressKey(key);
        m_system->ReadKeyboard();
        EXPECT_EQ(m_system->TypedText(), c.typed) << c.keys.back();
        Input().ReleaseAllKeys();
        m_system->ReadKeyboard();
    }
}

TEST_F(InputQueueTest, TypedTextIsKeptInTheGamesCodePage) {
    struct Case {
        const char* utf8;  // as the platform's text input gives it
        const char* kept;
    };
    const Case cases[] = {
        {"Zimmer", "Zimmer"},
        {"Zo\xc3\xab", "Zo\xeb"},                // e with diaeresis, Latin-1
        {"Fran\xc3\xa7ois", "Fran\xe7ois"},      // c with cedilla
        {"\xc3\x85sa \xc3\x98", "\xc5sa \xd8"},  // A with ring, O with stroke
        {"\xe2\x82\xac\xc5\x92", "\x80\x8c"},    // euro sign and OE from the 0x80 block
        {"\xc5\x81ukasz",
         "\x1a"
         "ukasz"},                     // L with stroke: no place in the code page
        {"\xe6\x97\xa5", "\x1a"},      // a CJK character
        {"\xf0\x9f\x8f\x8f", "\x1a"},  // four bytes, beyond the basic plane
        {"a\xe6\x97", "a\x1a"},        // cut short
        {"\xc0\xaf", "\x1a\x1a"},      // overlong: each byte spoiled
        {"\xed\xa0\x80", "\x1a"},      // a lone surrogate
        {"tab\there\x7f", "tabhere"},  // control characters are no text
    };
    for (const Case& c : cases) {
        Input().TypeText(c.utf8);
        Tick();
        EXPECT_EQ(m_system->TypedText(), c.kept) << c.utf8;
    }
}

TEST(CodePageTest, EveryCharacterFindsItsWayBack) {
    for (int c = 0x20; c < 0x100; ++c) {
        const uint32_t code = CodePageToUnicode(uint8_t(c));
        if (code >= 0x80 && code < 0xa0) continue;  // the five bytes the code page leaves unused
        EXPECT_EQ(UnicodeToCodePage(code), c) << c;
    }
    EXPECT_EQ(UnicodeToCodePage(0x81), -1);
    EXPECT_EQ(UnicodeToCodePage(0x100), -1);
}

TEST_F(InputQueueTest, OnlyAChangedPictureIsPresented) {
    m_system->Present();
    const uint64_t first = m_system->m_presentCount;
    EXPECT_EQ(first, 1u) << "the first picture is always shown";
    for (int i = 0; i < 5; ++i) m_system->Present();
    EXPECT_EQ(m_system->m_presentCount, first) << "a still picture is not sent again";
    Screen().FillRect(10, 700, 20, 710, 0xffff0000u);
    m_system->Present();
    EXPECT_EQ(m_system->m_presentCount, first + 1);
    m_system->Present();
    EXPECT_EQ(m_system->m_presentCount, first + 1);
    // Back to the earlier picture is a change too.
    Screen().FillRect(10, 700, 20, 710, 0xff000000u);
    m_system->Present();
    EXPECT_EQ(m_system->m_presentCount, first + 2);
    Screen().Pixels()[0] = 0xff010203u;  // the first row
    m_system->Present();
    Screen().Pixels().back() = 0xff010203u;  // the last
    m_system->Present();
    EXPECT_EQ(m_system->m_presentCount, first + 4);
}

}  // namespace
}  // namespace ravel
