#pragma once

#include <string>
#include <string_view>

namespace bulbicalc {

// Files the program reads and writes are Windows-1252. Core strings are UTF-8.
// A character that the code page lacks is written as "?"; a byte that the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) reads as the C1 control
// of the same value, as Windows does.
std::string utf8ToWindows1252(std::string_view utf8);
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 text as code points and back. Decoding is strict: only the shortest
// form of a Unicode scalar value is a character, and every other byte (of an
// overlong form, a surrogate, a value above U+10FFFF, a stray continuation
// byte, a cut sequence) reads as U+FFFD. So encoding what was decoded always
// gives valid UTF-8, and gives valid UTF-8 back unchanged. A code point that
// is no Unicode scalar value is encoded as U+FFFD.
std::u32string utf8ToCodePoints(std::string_view utf8);
std::string codePointToUtf8(char32_t codePoint);

} // namespace bulbicalc
