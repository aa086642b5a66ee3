#include "glyph/char_codes.h"

#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(CharCodes, CodeOfOneCharacterText) {
    const struct {
        const char* utf8;
        int code;
    } cases[] = {
        {"A", 65},   {"ｱ", 0xB1}, {"あ", 33440}, {"漢", 35519},
        {" ", 0x20}, {"ab", 0},   {"abc", 0},    {"", 0},
    };
    for (const auto& c : cases) {
        const auto bytes = cp932::FromUtf8(c.utf8);
        ASSERT_TRUE(bytes) << c.utf8;
        EXPECT_EQ(CodeFromCharText(*bytes), c.code) << c.utf8;
    }
    // Any trail byte after a lead byte counts; a lead byte alone is one byte.
    EXPECT_EQ(CodeFromCharText("\x81\x7F"), 0x817F);
    EXPECT_EQ(CodeFromCharText("\xFF\xFE"), 0);
}

TEST(CharCodes, TextOfCode) {
    EXPECT_EQ(CharTextFromCode(65), "A");
    EXPECT_EQ(CharTextFromCode(0x8ABF), "\x8A\xBF");
    EXPECT_EQ(CharTextFromCode(0xFFFE), "\xFF\xFE");
    EXPECT_EQ(DisplayTextFromCode(0x8ABF), "漢");
    EXPECT_EQ(DisplayTextFromCode(0x4142), "AB");
    EXPECT_EQ(DisplayTextFromCode(0x20), " ");
}

TEST(CharCodes, ReadDecimalLikeStrtol) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"12", 12},
        {"  42x", 42},
        {"-5", -5},
        {"+7", 7},
        {"1500", 1500},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDecimal(c.text), c.value) << c.text;
}

TEST(CharCodes, CodeDisplayWhileTyping) {
    EXPECT_EQ(CodeHexText("256"), "(0x0100)");
    EXPECT_EQ(CodeHexText(""), "(0x0000)");
    EXPECT_EQ(CodeHexText("33440"), "(0x82A0)");
    EXPECT_EQ(CodeHexText("99999999999"), "(0x7FFFFFFF)");
}

} // namespace
} // namespace lumina
