#include "common/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace harvelux;

TEST(Utf8, LengthsInUtf16UnitsAndValidation) {
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("caf\xC3\xA9"), 4u);
    EXPECT_EQ(utf16Length("\xE2\x82\xAC"), 1u);
    EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2u);
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    std::string s;
    appendUtf8(s, 0x20AC);
    appendUtf8(s, 0xD800);
    EXPECT_EQ(s, "\xE2\x82\xAC\xEF\xBF\xBD");
}

}  // namespace
