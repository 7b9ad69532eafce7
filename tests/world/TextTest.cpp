#include <gtest/gtest.h>

#include <string>

#include "world/Text.h"

namespace ravel {
namespace {

TEST(Format, WholeTextWhateverItsLength) {
    EXPECT_EQ(Format("%s approach %s", "Kent", "J. Smith"), "Kent approach J. Smith");
    EXPECT_EQ(Format("%d-%02d", 7, 5), "7-05");
    EXPECT_EQ(Format("%s", ""), "");
    const std::string longText(2000, 'x');
    EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(Ordinal, TeensTakeTh) {
    struct Case {
        int n;
        const char* text;
    };
    const Case cases[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},     {4, "4th"},     {10, "10th"},
                          {11, "11th"}, {12, "12th"}, {13, "13th"},   {20, "20th"},   {21, "21st"},
                          {22, "22nd"}, {23, "23rd"}, {101, "101st"}, {111, "111th"}, {112, "112th"}};
    for (const Case& c : cases) EXPECT_EQ(Ordinal(c.n), c.text) << c.n;
}

}  // namespace
}  // namespace ravel
