// Number text as the user types it: every text either is refused with the
// conversion error or gives a finite number; a number's general text parses
// back to a number with the same text, within the 15 digits it keeps; the
// fixed-decimal texts parse back within their rounding; whole numbers round
// trip exactly.
#include "core/app/errors.h"
#include "core/app/number_text.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    decimalNumber(text);
    wholeNumber(text);
    return 0;
}
