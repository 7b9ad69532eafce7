#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "world/MathUtil.h"

namespace ravel {
namespace {

TEST(MathUtilTest, NormaliseAngleBringsIntoRange) {
    const struct {
        double m_in;
        double m_out;
    } cases[] = {
        {540.0, 180.0},   {180.0, -180.0}, {-190.0, 170.0}, {0.0, 0.0},    {179.5, 179.5},
        {-180.0, -180.0}, {360.0, 0.0},    {900.0, 180.0},  {-720.0, 0.0}, {-540.0, -180.0},
    };
    for (const auto& c : cases) {
        double angle = c.m_in;
        NormaliseAngle(angle);
        EXPECT_DOUBLE_EQ(angle, c.m_out) << c.m_in;
    }
}

TEST(MathUtilTest, SineAndCosineInDegrees) {
    EXPECT_NEAR(SinDegrees(90.0), 1.0, 1e-12);
    EXPECT_NEAR(CosDegrees(180.0), -1.0, 1e-12);
    EXPECT_NEAR(SinDegrees(30.0 + 720.0), 0.5, 1e-12);
    EXPECT_NEAR(CosDegrees(-60.0), 0.5, 1e-12);
}

TEST(MathUtilTest, PercentAndDifferenceTruncateTowardZero) {
    EXPECT_EQ(FloatToPercent(0.999), 99);
    EXPECT_EQ(FloatToPercent(0.5), 50);
    EXPECT_EQ(FloatToPercent(0.0), 0);
    EXPECT_EQ(FloatToPercent(-0.019), -1);
    float a = 10.75f, b = 3.0f;
    EXPECT_EQ(TruncatedDifference(a, b), 7);
    EXPECT_EQ(TruncatedDifference(b, a), -7);
}

TEST(MathUtilTest, ReadIntLineConvertsLikeDecimalConversion) {
    const struct {
        const char* m_text;
        int m_value;
    } cases[] = {
        {"42", 42}, {"  17", 17}, {"-5", -5}, {"12abc", 12},
        {"abc", 0}, {"", 0},      {"7\r", 7}, {"99999999999", 2147483647},
    };
    for (const auto& c : cases) {
        std::istringstream line(std::string(c.m_text) + "\n");
        EXPECT_EQ(ReadIntLine(line), c.m_value) << c.m_text;
        std::istringstream field(std::string(c.m_text) + ",");
        EXPECT_EQ(ReadIntLine(field, ','), c.m_value) << c.m_text;
    }
}

TEST(MathUtilTest, ReadIntLineWalksFieldsAndLines) {
    std::istringstream in("1,22,333\n4,5\n6");
    EXPECT_EQ(ReadIntLine(in, ','), 1);
    EXPECT_EQ(ReadIntLine(in, ','), 22);
    EXPECT_EQ(ReadIntLine(in), 333);
    EXPECT_EQ(ReadIntLine(in, ','), 4);
    EXPECT_EQ(ReadIntLine(in), 5);
    EXPECT_EQ(ReadIntLine(in), 6);  // last line without an end
    EXPECT_EQ(ReadIntLine(in), 0);  // nothing left
}

TEST(MathUtilTest, ReadIntLineCutsLongFieldButKeepsItsPlace) {
    std::istringstream in("12" + std::string(400, '3') + ",8\n");
    ReadIntLine(in, ',');
    EXPECT_EQ(ReadIntLine(in), 8);
}

}  // namespace
}  // namespace ravel
