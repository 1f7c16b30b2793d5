// Number text as the user types it: every text either is refused with the
// conversion error or gives a finite number; a number's general text parses
// back to a number with the same text, within the 15 digits it keeps; the
// fixed-decimal texts parse back within their rounding; whole numbers round
// trip exactly. The same text as the UTF-8 that core strings are: decoding
// gives Unicode scalar values only, encoding them gives valid UTF-8 (checked
// here on its own), which is the text itself exactly when the text was valid;
// and Windows-1252 bytes round trip.
#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/text_encoding.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void decimalNumber(std::string_view text)
{
    double value = 0;
    try {
        value = bulbicalc::parseNumber(text);
    } catch (const bulbicalc::ConversionError&) {
        return;
    }
    check(std::isfinite(value));
    const std::string general = bulbicalc::generalFormat(value);
    const double again = bulbicalc::parseNumber(general);
    check(bulbicalc::generalFormat(again) == general);
    check(std::fabs(again - value) <= 1e-14 * std::fabs(value) + 1e-300);
    const std::pair<const char*, double> patterns[] = {
        {"0.", 0.5}, {"0.0", 0.05}, {"0.00", 0.005}, {"0.000", 5e-4}, {"0.0000", 5e-5}};
    for (const auto& [pattern, halfStep] : patterns) {
        const std::string fixed = bulbicalc::formatNumber(value, pattern);
        const double back = bulbicalc::parseNumber(fixed);
        check(std::fabs(back - value) <= halfStep * (1 + 1e-9) + 1e-15 * std::fabs(value));
    }
    static_cast<void>(bulbicalc::formatNumber(value, "0,0"));
}

void wholeNumber(std::string_view text)
{
    int value = 0;
    try {
        value = bulbicalc::parseInteger(text);
    } catch (const bulbicalc::IntegerConversionError&) {
        return;
    }
    check(bulbicalc::parseInteger(bulbicalc::integerText(value)) == value);
}

// Valid UTF-8 (Unicode, table 3-7), decided apart from the decoder.
bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char lead = b(i);
        std::size_t length = 1;
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        else
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char c = b(i + k);
            if (k == 1 ? (c < low || c > high) : (c < 0x80 || c > 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

void encodings(std::string_view text)
{
    const std::u32string decoded = bulbicalc::utf8ToCodePoints(text);
    std::string encoded;
    for (char32_t c : decoded) {
        check(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
        encoded += bulbicalc::codePointToUtf8(c);
    }
    check(isValidUtf8(encoded));
    check(bulbicalc::utf8ToCodePoints(encoded) == decoded);
    check((encoded == text) == isValidUtf8(text));
    check(bulbicalc::utf8ToWindows1252(bulbicalc::windows1252ToUtf8(text)) == text);
    check(bulbicalc::utf8ToWindows1252(text).size() == decoded.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    decimalNumber(text);
    wholeNumber(text);
    encodings(text);
    return 0;
}
