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

} // namespace
} // namespace bulbicalc
