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

}  // namespace
}  // namespace ravel
