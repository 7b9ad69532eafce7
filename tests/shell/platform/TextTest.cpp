#include <gtest/gtest.h>

#include <string>

#include "PlatformFixture.h"

namespace ravel {
namespace {

constexpr uint32_t BLACK = 0xff000000u;
constexpr uint32_t BACKGROUND = 0xff4080c0u;
constexpr uint32_t WHITE = 0xffffffffu;

class TextTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        g_fontsFailed = false;
        m_font = CFont::Create(21, 400, false);
        ASSERT_NE(m_font, nullptr);
        Screen().Clear(BACKGROUND);
    }
    void TearDown() override {
        g_fontsFailed = false;
        HeadlessTest::TearDown();
    }
    int Count(uint32_t colour, int left = 0, int top = 0, int right = 1024, int bottom = 768) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += Screen().Pixel(x, y) == colour;
        return n;
    }
    // Bounding box of every pixel that is not the background.
    TextRect Ink() {
        TextRect r{1024, 768, -1, -1};
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                if (Screen().Pixel(x, y) != BACKGROUND) {
                    r.left = std::min(r.left, x);
                    r.top = std::min(r.top, y);
                    r.right = std::max(r.right, x + 1);
                    r.bottom = std::max(r.bottom, y + 1);
                }
        return r;
    }
    std::unique_ptr<CFont> m_font;
};

TEST_F(TextTest, FontsKeepTheirCellHeightAndMeasureBySummedAdvances) {
    struct Case {
        int height, weight;
        bool italic;
    } cases[] = {{21, 400, false}, {17, 700, false}, {15, 660, false}, {20, 800, false},
                 {32, 700, true},  {14, 700, false}, {18, 700, false}, {15, 700, true}};
    for (const Case& c : cases) {
        auto font = CFont::Create(c.height, c.weight, c.italic);
        ASSERT_NE(font, nullptr);
        EXPECT_LE(font->LineHeight(), c.height);
        EXPECT_GE(font->LineHeight(), c.height - 2);
        const int ab = font->TextWidth("AB");
        EXPECT_EQ(ab, font->TextWidth("A") + font->TextWidth("B"));
        EXPECT_GT(font->TextWidth("Wide text"), font->TextWidth("Wide"));
    }
    auto bold = CFont::Create(21, 700, false);
    EXPECT_GT(bold->TextWidth("Continue"), m_font->TextWidth("Continue"));
    EXPECT_EQ(m_font->TextWidth(""), 0);
    EXPECT_EQ(CFont::Create(0, 400, false), nullptr);
}

TEST_F(TextTest, ShadowUnlessTheColourIsOpaqueBlack) {
    m_system->DrawText(100, 100, ALIGN_LEFT, WHITE, m_font.get(), "%s", "Shadow");
    EXPECT_GT(Count(WHITE), 0);
    EXPECT_GT(Count(BLACK), 0);

    // Nearly black still casts one; the shadow sits one pixel right and down.
    Screen().Clear(BACKGROUND);
    m_system->DrawText(100, 100, ALIGN_LEFT, 0xff010101u, m_font.get(), "I");
    const TextRect withShadow = Ink();
    Screen().Clear(BACKGROUND);
    m_system->DrawText(100, 100, ALIGN_LEFT, BLACK, m_font.get(), "I");
    const TextRect plain = Ink();
    EXPECT_EQ(withShadow.right, plain.right + 1);
    EXPECT_EQ(withShadow.bottom, plain.bottom + 1);
    EXPECT_EQ(withShadow.left, plain.left);
}

TEST_F(TextTest, AlignmentsOfDrawText) {
    m_system->DrawText(200, 50, ALIGN_LEFT, WHITE, m_font.get(), "Score %d/%d", 145, 3);
    const CCanvas left = Screen();
    const TextRect leftInk = Ink();
    EXPECT_GE(leftInk.left, 199);
    EXPECT_LE(leftInk.left, 203);

    Screen().Clear(BACKGROUND);
    m_system->DrawText(200, 50, ALIGN_LEFT2, WHITE, m_font.get(), "Score %d/%d", 145, 3);
    EXPECT_EQ(Screen().Pixels(), left.Pixels());

    for (int alignment : {0, 4, -1}) {
        Screen().Clear(BACKGROUND);
        m_system->DrawText(200, 50, alignment, WHITE, m_font.get(), "Nothing");
        EXPECT_EQ(Ink().right, -1) << alignment;
    }

    Screen().Clear(BACKGROUND);
    m_system->DrawText(500, 50, ALIGN_CENTRE, WHITE, m_font.get(), "Centred");
    const TextRect centred = Ink();
    const int middle = (centred.left + centred.right - 1) / 2;  // the shadow adds one
    EXPECT_NEAR(middle, 500, 2);
}

TEST_F(TextTest, DrawTextDoesNotClipAndDrawsLineBreaks) {
    m_system->DrawText(10, 10, ALIGN_LEFT, WHITE, m_font.get(), "one\ntwo\nthree");
    const TextRect ink = Ink();
    EXPECT_GT(ink.bottom - ink.top, 2 * m_font->LineHeight());
    // Far past the 100-pixel box: still drawn.
    Screen().Clear(BACKGROUND);
    std::string many;
    for (int i = 0; i < 8; ++i) many += "line\n";
    m_system->DrawText(10, 10, ALIGN_LEFT, WHITE, m_font.get(), "%s", many.c_str());
    EXPECT_GT(Ink().bottom, 10 + 100);
}

TEST_F(TextTest, DrawTextInRectWrapsBetweenWordsAndCutsAtTheBottom) {
    const char* text = "The new ball is due after eighty overs have been bowled";
    m_system->DrawTextInRect(100, 100, 300, 400, ALIGN_LEFT, WHITE, m_font.get(), "%s", text);
    TextRect ink = Ink();
    EXPECT_LE(ink.right, 301);  // the shadow may add one
    EXPECT_GE(ink.bottom - ink.top, 2 * m_font->LineHeight());

    // A rectangle one line high shows only the first line.
    Screen().Clear(BACKGROUND);
    m_system->DrawTextInRect(100, 100, 300, 100 + m_font->LineHeight(), ALIGN_LEFT, WHITE, m_font.get(), "%s",
                             text);
    ink = Ink();
    EXPECT_LE(ink.bottom, 100 + m_font->LineHeight() + 1);

    // A single word wider than the box stays whole on its line, cut at the right.
    Screen().Clear(BACKGROUND);
    m_system->DrawTextInRect(100, 100, 130, 400, ALIGN_LEFT, WHITE, m_font.get(), "Extraordinarily long");
    ink = Ink();
    EXPECT_LE(ink.right, 131);
    EXPECT_GE(ink.bottom - ink.top, m_font->LineHeight());
}

TEST_F(TextTest, DrawTextInRectAlignments) {
    m_system->DrawTextInRect(100, 100, 500, 200, 2, WHITE, m_font.get(), "Left two");
    EXPECT_EQ(Ink().right, -1);
    m_system->DrawTextInRect(100, 100, 500, 200, ALIGN_CENTRE, WHITE, m_font.get(), "Mid");
    const TextRect ink = Ink();
    EXPECT_NEAR((ink.left + ink.right - 1) / 2, 300, 2);
    // The shadow is always drawn, even for black text.
    Screen().Clear(BACKGROUND);
    m_system->DrawTextInRect(100, 100, 500, 200, ALIGN_LEFT, BLACK, m_font.get(), "I");
    const TextRect black = Ink();
    Screen().Clear(BACKGROUND);
    m_system->DrawText(100, 100, ALIGN_LEFT, BLACK, m_font.get(), "I");
    EXPECT_EQ(black.right, Ink().right + 1);
}

TEST_F(TextTest, NothingIsDrawnOrMeasuredWhenFontsFailed) {
    g_fontsFailed = true;
    m_system->DrawText(100, 100, ALIGN_LEFT, WHITE, m_font.get(), "Hidden");
    m_system->DrawTextInRect(0, 0, 500, 500, ALIGN_LEFT, WHITE, m_font.get(), "Hidden");
    EXPECT_EQ(Ink().right, -1);
    EXPECT_EQ(CSystem::TextWidth(m_font.get(), "Hidden"), 20);
    g_fontsFailed = false;
    m_system->DrawText(100, 100, ALIGN_LEFT, WHITE, nullptr, "No font");
    EXPECT_EQ(Ink().right, -1);
    EXPECT_EQ(CSystem::TextWidth(m_font.get(), "Hidden"), m_font->TextWidth("Hidden"));
}

TEST_F(TextTest, HeadlessFrameKeepsItsDrawnTexts) {
    auto& texts = m_system->HeadlessInput()->mv_texts;
    m_system->Clear(BACKGROUND);
    EXPECT_TRUE(texts.empty());
    m_system->DrawText(512, 40, ALIGN_CENTRE, 0xffffff00u, m_font.get(), "%d runs", 57);
    m_system->DrawTextInRect(650, 580, 1018, 619, ALIGN_LEFT, WHITE, m_font.get(), "Forecast");
    m_system->DrawText(10, 10, 7, WHITE, m_font.get(), "Not drawn");  // no such alignment
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "57 runs");
    EXPECT_EQ(texts[0].x, 512);
    EXPECT_EQ(texts[0].y, 40);
    EXPECT_EQ(texts[0].alignment, ALIGN_CENTRE);
    EXPECT_EQ(texts[0].colour, 0xffffff00u);
    EXPECT_EQ(texts[1].text, "Forecast");
    EXPECT_EQ(texts[1].x, 650);
    EXPECT_EQ(texts[1].y, 580);
    // The next frame starts with none.
    m_system->Clear(BACKGROUND);
    EXPECT_TRUE(texts.empty());
}

TEST_F(TextTest, OverlongTextIsCutNotOverrun) {
    const std::string huge(5000, 'x');
    m_system->DrawText(0, 0, ALIGN_LEFT, WHITE, m_font.get(), "%s", huge.c_str());
    EXPECT_GT(Count(WHITE), 0);
}

TEST_F(TextTest, EveryCharacterOfTheCodePageDraws) {
    std::string all;
    for (int c = 32; c < 256; ++c) all.push_back(char(c));
    m_system->DrawTextInRect(0, 0, 1024, 768, ALIGN_LEFT, WHITE, m_font.get(), "%s", all.c_str());
    EXPECT_GT(m_font->TextWidth("\xa3"), 0);  // the pound sign
    EXPECT_GT(m_font->TextWidth("\x80"), 0);  // the euro sign
}

}  // namespace
}  // namespace ravel
