#include <algorithm>
#include <cstring>

#include "LaunchFixture.h"
#include "screens/menus/ScreenFrame.h"
#include "season/News.h"

namespace ravel {

namespace {

TEST(FormatDateTest, TwoDigitDayEnglishMonth) {
    struct Case {
        int day, month, year;
        const char* text;
    } const cases[] = {
        {5, 3, 2007, "05 Mar 2007"},   {15, 3, 2007, "15 Mar 2007"}, {1, 1, 2006, "01 Jan 2006"},
        {31, 12, 2010, "31 Dec 2010"}, {9, 10, 1999, "09 Oct 1999"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDate(c.day, c.month, c.year), c.text) << c.text;
}

TEST(FormatDateTest, MonthOutOfRangeGivesNoText) {
    FormatDate(12, 6, 2008);
    EXPECT_EQ(FormatDate(3, 0, 2009), "");
    EXPECT_EQ(FormatDate(3, 13, 2009), "");
}

TEST(OrdinalTextTest, PlacesOneToTwentyFour) {
    struct Case {
        int n;
        const char* text;
    } const cases[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {11, "11th"}, {12, "12th"},
        {13, "13th"}, {20, "20th"}, {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {24, "24th"},
        {0, "-"},     {25, "-"},    {-1, "-"},    {1000, "-"},
    };
    for (const Case& c : cases) EXPECT_STREQ(OrdinalText(c.n), c.text) << c.n;
}

class ScreenFrameTest : public LaunchTest {
protected:
    void Draw(bool showDate, bool withCoachName) {
        m_system->Clear(0xff808080u);
        m_game->mb_screenFrame = showDate;
        DrawScreenFrame(withCoachName);
    }
    int WhitePixels(int left, int top, int right, int bottom) const {
        return CountNear(left, top, right, bottom, 0xffffffffu);
    }
    // The date and clock corner with the bars alone, for comparison.
    int CornerWithoutText() {
        Draw(false, false);
        return WhitePixels(8, 8, 200, 60);
    }
};

TEST_F(ScreenFrameTest, ShadesTheContentAndDrawsTheBars) {
    Draw(false, false);
    // The content area is darkened; outside it, beyond the bars, the screen is untouched.
    EXPECT_LT(Pixel(600, 400) & 0xff, 0x80u);
    EXPECT_EQ(Pixel(1021, 400), 0xff808080u);
    // Each bar covers its corner of the screen.
    for (const auto& [x, y] : {std::pair{5, 5}, {5, 200}, {5, 600}, {500, 720}}) {
        EXPECT_NE(Pixel(x, y), 0xff808080u) << x << "," << y;
    }
}

TEST_F(ScreenFrameTest, DateAndClockOnlyWithTheFlag) {
    const int bare = CornerWithoutText();
    g_cricket.m_date.m_day = 3;
    g_cricket.m_date.m_month = 4;
    Draw(true, false);
    EXPECT_GT(WhitePixels(8, 8, 200, 28), 20 + bare);  // "03 Apr 2006"
    EXPECT_GT(WhitePixels(8, 30, 200, 52), 10);        // "07:00"
}

TEST_F(ScreenFrameTest, CoachNameWhenAskedAndACoachExists) {
    Draw(false, false);
    const int bare = WhitePixels(312, 48, 712, 75);
    Draw(false, true);  // no profile yet: nothing
    EXPECT_EQ(WhitePixels(312, 48, 712, 75), bare);

    UserCoach coach;
    std::strcpy(coach.m_staff.m_firstName, "Alfred");
    std::strcpy(coach.m_staff.m_surname, "Mannering");
    g_userCoaches = {coach};
    g_cricket.m_coachIndex = 0;
    Draw(false, true);
    EXPECT_GT(WhitePixels(312, 48, 712, 75), bare + 50);
    // Centred on 512: as much text left of the middle as right of it, give or take a letter.
    int left = 712, right = 312;
    for (int x = 312; x < 712; ++x) {
        if (WhitePixels(x, 48, x + 1, 75) == 0) continue;
        left = std::min(left, x);
        right = std::max(right, x);
    }
    EXPECT_NEAR((left + right) / 2, 512, 6);
    g_userCoaches.clear();
}

}  // namespace

}  // namespace ravel
