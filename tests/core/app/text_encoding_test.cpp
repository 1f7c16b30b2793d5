#include "core/app/text_encoding.h"

#include <gtest/gtest.h>

namespace bulbicalc {
namespace {

TEST(Windows1252, LatinLettersMapToTheirSingleBytes)
{
    EXPECT_EQ(utf8ToWindows1252("Matrícula São José"), "Matr\xED"
                                                       "cula S\xE3"
                                                       "o Jos\xE9");
    EXPECT_EQ(windows1252ToUtf8("Matr\xED"
                                "cula S\xE3"
                                "o Jos\xE9"),
              "Matrícula São José");
}

TEST(Windows1252, TheHighControlBlockUsesTheCodePageTable)
{
    EXPECT_EQ(utf8ToWindows1252("€ “x” – …"), "\x80 \x93"
                                              "x\x94 \x96 \x85");
    EXPECT_EQ(windows1252ToUtf8("\x80\x8A\x9F"), "€ŠŸ");
}

TEST(Windows1252, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToWindows1252("m³ Ω 日"), "m\xB3 ? ?");
    // A malformed UTF-8 byte is no character of the code page either.
    EXPECT_EQ(utf8ToWindows1252("a\xFF"
                                "b"),
              "a?b");
}

TEST(Windows1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(CodePoints, DecodeAndEncode)
{
    EXPECT_EQ(utf8ToCodePoints("aé€"), std::u32string(U"aé€"));
    EXPECT_EQ(codePointToUtf8(U'ç'), "ç");
}

// Found by catalogue_fuzz: an overlong form decoded to its character, so a
// catalogue name holding it was taken for valid UTF-8 and did not encode back
// to itself. Decoding is strict now.
TEST(CodePoints, OnlyTheShortestFormOfAScalarValueDecodes)
{
    const std::u32string bad = U"\uFFFD\uFFFD";
    EXPECT_EQ(utf8ToCodePoints("\xC0\xAF"), bad);                 // overlong '/'
    EXPECT_EQ(utf8ToCodePoints("\xC1\xBF"), bad);                 // overlong U+007F
    EXPECT_EQ(utf8ToCodePoints("\xE0\x9F\xBF"), bad + U"\uFFFD"); // overlong U+07FF
    EXPECT_EQ(utf8ToCodePoints("\xF0\x8F\xBF\xBF"), bad + bad);   // overlong U+FFFF
    EXPECT_EQ(utf8ToCodePoints("\xED\xA0\x80"), bad + U"\uFFFD"); // surrogate U+D800
    EXPECT_EQ(utf8ToCodePoints("\xED\xBF\xBF"), bad + U"\uFFFD"); // surrogate U+DFFF
    EXPECT_EQ(utf8ToCodePoints("\xF4\x90\x80\x80"), bad + bad);   // U+110000
    EXPECT_EQ(utf8ToCodePoints("\xF5\x80\x80\x80"), bad + bad);   // no lead byte
    EXPECT_EQ(utf8ToCodePoints("a\x80"
                               "b"),
              U"a\uFFFDb");                       // a stray continuation byte
    EXPECT_EQ(utf8ToCodePoints("\xE2\x82"), bad); // cut short
    // The limits of each length still decode.
    EXPECT_EQ(utf8ToCodePoints("\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"),
              std::u32string(U"\u0080\u07FF\u0800\uD7FF\uE000\uFFFF"));
    EXPECT_EQ(utf8ToCodePoints("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), std::u32string(U"\U00010000\U0010FFFF"));
    // And a malformed byte is no character of the code page.
    EXPECT_EQ(utf8ToWindows1252("\xC1\xA9"), "??");
}

TEST(CodePoints, WhatIsNoScalarValueEncodesAsTheReplacementCharacter)
{
    EXPECT_EQ(codePointToUtf8(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(codePointToUtf8(0x110000), "\xEF\xBF\xBD");
    EXPECT_EQ(codePointToUtf8(0xFFFFFFFF), "\xEF\xBF\xBD");
    EXPECT_EQ(codePointToUtf8(0x10FFFF), "\xF4\x8F\xBF\xBF");
}

} // namespace
} // namespace bulbicalc
