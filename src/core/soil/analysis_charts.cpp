#include "core/soil/analysis_charts.h"

#include "core/app/colour.h"
#include "core/app/number_text.h"
#include "core/app/window_state.h"
#include "core/soil/soil_controls.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace bulbicalc {
namespace {

// The saturation fields in chart order: K, Al, Ca, Mg, H.
constexpr std::array<std::string_view, 5> kSaturationFields = {soil::Edit42, soil::Edit43, soil::Edit14,
                                                               soil::Edit46, soil::Edit47};

struct Slice {
    const char* label;
    Colour colour;
};

constexpr std::array<Slice, 5> kSlices = {
    Slice{"K =", colours::kPurple}, Slice{"Al =", colours::kSilver}, Slice{"Ca =", colours::kGreen},
    Slice{"Mg =", colours::kLime},  Slice{"H= ", colours::kTeal},
};

bool isPlaceholder(char c)
{
    return c == '0' || c == '#' || c == '.' || c == ',';
}

// One section of a number pattern: literal text around the number, and what
// the placeholders ask of the number.
struct Section {
    std::string prefix;
    std::string suffix;
    int decimals = 0;         // digit placeholders after the decimal point
    int minDecimals = 0;      // up to the last '0' after the point
    int minIntegerDigits = 0; // from the first '0' before the point
    bool grouping = false;
};

Section readSection(std::string_view text)
{
    Section s;
    std::size_t i = 0;
    while (i < text.size() && !isPlaceholder(text[i]))
        s.prefix += text[i++];
    int digitCount = 0;
    int decimalIndex = -1;
    int firstZero = -1;
    int lastZero = 0;
    for (; i < text.size() && isPlaceholder(text[i]); ++i) {
        switch (text[i]) {
        case '0':
            if (firstZero < 0)
                firstZero = digitCount;
            ++digitCount;
            lastZero = digitCount;
            break;
        case '#':
            ++digitCount;
            break;
        case '.':
            if (decimalIndex < 0)
                decimalIndex = digitCount;
            break;
        default:
            s.grouping = true;
        }
    }
    s.suffix = std::string(text.substr(i));
    for (char c : s.suffix)
        if (isPlaceholder(c))
            throw std::invalid_argument("number pattern with text between its placeholders: " +
                                        std::string(text));
    if (decimalIndex < 0)
        decimalIndex = digitCount;
    s.decimals = digitCount - decimalIndex;
    s.minDecimals = std::max(0, lastZero - decimalIndex);
    s.minIntegerDigits = firstZero < 0 ? 0 : std::max(0, decimalIndex - firstZero);
    return s;
}

std::vector<std::string_view> splitSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    while (true) {
        const auto end = pattern.find(';', start);
        sections.push_back(pattern.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return sections;
        start = end + 1;
    }
}

std::string grouped(const std::string& digits)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += kThousandsSeparator;
        out += digits[i];
    }
    return out;
}

} // namespace

std::string formatSections(double value, std::string_view pattern)
{
    const auto sections = splitSections(pattern);
    std::string_view chosen = sections[0];
    bool writeSign = value < 0;
    if (value < 0 && sections.size() > 1 && !sections[1].empty()) {
        chosen = sections[1];
        writeSign = false;
    } else if (value == 0 && sections.size() > 2 && !sections[2].empty()) {
        chosen = sections[2];
    }
    const Section s = readSection(chosen);

    const std::string rounded = roundedDecimalText(std::fabs(value), s.decimals);
    const auto point = rounded.find('.');
    std::string integerPart = rounded.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : rounded.substr(point + 1);
    while (static_cast<int>(fraction.size()) > s.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    const auto firstSignificant = integerPart.find_first_not_of('0');
    integerPart =
        firstSignificant == std::string::npos ? std::string() : integerPart.substr(firstSignificant);
    if (static_cast<int>(integerPart.size()) < s.minIntegerDigits)
        integerPart.insert(0, static_cast<std::size_t>(s.minIntegerDigits) - integerPart.size(), '0');
    if (s.grouping)
        integerPart = grouped(integerPart);

    const bool isZero = (integerPart + fraction).find_first_not_of("0.") == std::string::npos;
    std::string text = s.prefix;
    if (writeSign && !isZero)
        text += '-';
    text += integerPart;
    if (!fraction.empty())
        text += kDecimalSeparator + fraction;
    return text + s.suffix;
}

Saturations readSaturations(const WindowState& window)
{
    Saturations values{};
    for (std::size_t i = 0; i < kSaturationFields.size(); ++i)
        values[i] = window.isEmpty(kSaturationFields[i]) ? 0.0 : window.number(kSaturationFields[i]);
    return values;
}

void setSaturationBars(ChartData& chart, const Saturations& values)
{
    for (std::size_t i = 0; i < chart.series.size() && i < values.size(); ++i) {
        ChartSeries& series = chart.series[i];
        series.points.clear();
        series.points.push_back(ChartPoint{0, values[i], "", "", series.colour});
    }
}

void setSaturationSlices(ChartData& chart, const Saturations& values)
{
    ChartSeries& pie = chart.series.at(0);
    pie.points.clear();
    for (std::size_t i = 0; i < kSlices.size(); ++i) {
        const Slice& slice = kSlices[i];
        const std::string mark = std::string(slice.label) + " " + formatSections(values[i], kPieMarkPattern);
        pie.points.push_back(ChartPoint{static_cast<double>(i), values[i], slice.label, mark, slice.colour});
    }
}

void Grafico2(WindowState& window)
{
    const Saturations values = readSaturations(window);
    setSaturationBars(window.chart(soil::Chart2), values);
}

void Grafico3(WindowState& window)
{
    const Saturations values = readSaturations(window);
    setSaturationSlices(window.chart(soil::Chart3), values);
}

} // namespace bulbicalc
