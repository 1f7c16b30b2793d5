#include "core/app/number_text.h"

#include "core/app/errors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace bulbicalc {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Exact decimal expansion of a finite double: every double has a finite
// decimal expansion with at most 1074 fractional digits, so printing with more
// fractional digits than that gives the exact value, padded with zeros.
std::string exactDecimal(double value)
{
    std::string buffer(1400, '\0');
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 1080);
    buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
    return buffer;
}

std::string groupThousands(const std::string& digits)
{
    std::string grouped;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += kThousandsSeparator;
        grouped += digits[i];
    }
    return grouped;
}

struct Pattern {
    int decimals = 0;
    bool grouping = false;
};

Pattern readPattern(std::string_view pattern)
{
    Pattern p;
    const auto point = pattern.find('.');
    if (point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < pattern.size() && pattern[i] == '0'; ++i)
            ++p.decimals;
    }
    p.grouping = pattern.find(',') != std::string_view::npos;
    return p;
}

} // namespace

std::string roundedDecimalText(double value, int decimals)
{
    if (!std::isfinite(value))
        throw InvalidOperationError();
    std::string exact = exactDecimal(std::fabs(value));
    const auto point = exact.find('.');
    std::string integerPart = exact.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : exact.substr(point + 1);
    fraction.resize(static_cast<std::size_t>(decimals) + 1, '0');

    // The first dropped digit decides: 5 or more rounds the magnitude up. Since
    // the expansion is exact, a 5 followed by zeros is a true half, which goes
    // away from zero as well.
    const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
    std::string digits = integerPart + fraction.substr(0, static_cast<std::size_t>(decimals));
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0; --i) {
            if (digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0)
            digits.insert(digits.begin(), '1');
    }
    const std::size_t integerDigits = digits.size() - static_cast<std::size_t>(decimals);
    std::string text = digits.substr(0, integerDigits);
    if (decimals > 0)
        text += "." + digits.substr(integerDigits);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !isZero)
        text.insert(text.begin(), '-');
    return text;
}

std::string formatNumber(double value, std::string_view pattern)
{
    const Pattern p = readPattern(pattern);
    std::string text = roundedDecimalText(value, p.decimals);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.erase(text.begin());
    const auto point = text.find('.');
    std::string integerPart = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (p.grouping)
        integerPart = groupThousands(integerPart);
    std::string result = negative ? "-" : "";
    result += integerPart;
    if (!fraction.empty())
        result += kDecimalSeparator + fraction;
    return result;
}

std::string generalFormat(double value)
{
    if (!std::isfinite(value))
        throw InvalidOperationError();
    if (value == 0.0)
        return "0";
    std::array<char, 64> buffer{};
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    std::string text(buffer.data(), result.ptr);
    const auto e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    std::string mantissa = text.substr(0, e);
    const bool negative = mantissa.front() == '-';
    if (negative)
        mantissa.erase(mantissa.begin());
    std::string digits;
    for (char c : mantissa)
        if (isDigit(c))
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += kDecimalSeparator + digits.substr(1);
        out += "E" + std::to_string(exponent);
        return out;
    }
    if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + kDecimalSeparator + digits.substr(integerDigits);
        }
    } else {
        out += "0";
        out += kDecimalSeparator;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

double parseNumber(std::string_view text)
{
    const std::string original(text);
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::string normal;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            normal += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    int integerDigitsBeforeFirstNonZero = 0; // decimal magnitude of the mantissa
    bool nonZeroSeen = false;
    int leadingFractionZeros = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            ++mantissaDigits;
            normal += c;
            if (c != '0' && !nonZeroSeen)
                nonZeroSeen = true;
            if (!separatorSeen && nonZeroSeen)
                ++integerDigitsBeforeFirstNonZero;
            if (separatorSeen && !nonZeroSeen)
                ++leadingFractionZeros;
        } else if (c == kDecimalSeparator && !separatorSeen) {
            separatorSeen = true;
            normal += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        throw ConversionError(original);
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i) {
            ++exponentDigits;
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0)
            throw ConversionError(original);
        if (negativeExponent)
            exponent = -exponent;
        normal += 'e' + std::to_string(exponent);
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        throw ConversionError(original);

    double value = 0.0;
    const char* first = normal.data();
    const char* last = normal.data() + normal.size();
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (!nonZeroSeen)
            return 0.0;
        // Out of range either way: above the largest double is a conversion
        // error (never an infinite value); below the smallest is zero.
        const long long magnitude = integerDigitsBeforeFirstNonZero > 0
                                        ? integerDigitsBeforeFirstNonZero + exponent
                                        : -leadingFractionZeros + exponent;
        if (magnitude > 0) {
            // The general text of the largest double rounds it up to 15
            // digits (1,79769313486232E308): a text no further above it than
            // that rounding is read as the largest double, so that every
            // number the program writes reads back.
            const std::string mantissa = normal.substr(0, normal.find('e'));
            double tenth = 0;
            const std::string scaled = mantissa + 'e' + std::to_string(exponent - 1);
            const auto down = std::from_chars(scaled.data(), scaled.data() + scaled.size(), tenth,
                                              std::chars_format::general);
            if (down.ec == std::errc() && std::fabs(tenth) <= 1.79769313486232e307)
                return tenth < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
            throw ConversionError(original);
        }
        return normal.front() == '-' ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        throw ConversionError(original);
    return value;
}

int parseInteger(std::string_view text)
{
    const std::string original(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == text.size())
        throw IntegerConversionError(original);
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            throw IntegerConversionError(original);
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            throw IntegerConversionError(original);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw IntegerConversionError(original);
    return static_cast<int>(value);
}

std::string integerText(long long value)
{
    return std::to_string(value);
}

} // namespace bulbicalc
