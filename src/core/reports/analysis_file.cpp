#include "core/reports/analysis_file.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/text_encoding.h"
#include "core/app/window_state.h"
#include "core/reports/file_access.h"
#include "core/reports/new_recommendation.h"
#include "core/soil/soil_controls.h"

#include <charconv>
#include <cstddef>
#include <vector>

namespace bulbicalc {

using namespace soil;

namespace {

constexpr std::size_t kKeyWidth = 10;
constexpr std::size_t kYieldWidth = 5;
constexpr std::size_t kAreaWidth = 6;
constexpr std::size_t kValueWidth = 8;
constexpr int kLineCount = 11;
constexpr const char* kEmptyValue = " -9 ";

// The keys of the eleven lines, 10 characters each (in Windows-1252).
constexpr const char* kKeys[kLineCount] = {
    "Produtor  ", "CPF       ", "Local     ", "Municipio ", "UF        ", "Matrícula ",
    "Prod Area ", "Sisteme   ", "Denomina  ", "N Laudo   ", "Argia     ",
};

// The analysis fields in the order of the value line.
constexpr std::string_view kValueFields[kAnalysisValueCount] = {
    EdArgila, EdPH,  EdSMP,      EdP, EdK,  EdMO, EdAL, EdCa, EdMg,
    EdHAl,    EdCTC, EdSatBases, EdS, EdMn, EdZn, EdB,  EdCu, EdFe,
};

// The fields whose leave handlers opening a file runs, in this order; the
// focus ends in the last one.
constexpr std::string_view kFocusWalk[] = {
    EdProducao, EdArgila, EdSMP,      EdP, EdK,  EdMO, EdAL, EdCa,
    EdMg,       EdCTC,    EdSatBases, EdS, EdMn, EdZn, EdB,  EdFe,
};

constexpr std::string_view kSystems[] = {RadioButton10, RadioButton11, RadioButton20};

std::string twoDecimals(double value)
{
    return roundedDecimalText(value, 2);
}

// Right-aligned in `width`; a wider text is written whole.
std::string fixedWidth(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// As fixedWidth, but a text that fills its width or more gets one blank in
// front, so that it never touches the number before it.
std::string separatedWidth(const std::string& text, std::size_t width)
{
    return text.size() >= width ? " " + text : fixedWidth(text, width);
}

// A text value stays on its line: line breaks become blanks.
std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// Blank-separated tokens (every control character counts as a blank).
void appendTokens(std::string_view text, std::vector<std::string_view>& tokens)
{
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > start)
            tokens.push_back(text.substr(start, i - start));
    }
}

[[noreturn]] void readBeyondEnd()
{
    throw FileError(std::string(kReadBeyondEndOfFile));
}

[[noreturn]] void invalidNumber()
{
    throw FileError(std::string(kInvalidNumericInput));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number with a decimal point: optional sign, digits with at most one
// point, an optional exponent.
double fileNumber(std::string_view token)
{
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    const std::size_t mantissa = i;
    int digits = 0;
    bool point = false;
    for (; i < token.size() && (isDigit(token[i]) || (token[i] == '.' && !point)); ++i) {
        if (token[i] == '.')
            point = true;
        else
            ++digits;
    }
    if (digits == 0)
        invalidNumber();
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        const std::size_t exponent = i;
        while (i < token.size() && isDigit(token[i]))
            ++i;
        if (i == exponent)
            invalidNumber();
    }
    if (i != token.size())
        invalidNumber();
    // from_chars takes no '+' and reads whatever the locale, unlike strtod.
    std::string_view text = token.substr(mantissa);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        invalidNumber();
    return token.front() == '-' ? -value : value;
}

int fileInteger(std::string_view token)
{
    std::size_t i = token.empty() || token.front() != '+' ? 0 : 1;
    int value = 0;
    const auto [end, error] = std::from_chars(token.data() + i, token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || i == token.size())
        invalidNumber();
    return value;
}

// The numbers of one line, read in order: a missing one is read beyond the
// end, one that is there must be a number.
class LineNumbers {
public:
    explicit LineNumbers(std::string_view text) { appendTokens(text, tokens_); }

    double number() { return fileNumber(next()); }
    int integer() { return fileInteger(next()); }

private:
    std::vector<std::string_view> tokens_;
    std::size_t next_ = 0;

    std::string_view next()
    {
        if (next_ >= tokens_.size())
            readBeyondEnd();
        return tokens_[next_++];
    }
};

// The state index that the state box shows: its item, or a typed text equal
// to one of its items; -1 for none.
int stateIndex(const Control& uf)
{
    const auto& items = uf.items;
    if (uf.itemIndex >= 0 && uf.itemIndex < static_cast<int>(items.size()) &&
        items[static_cast<std::size_t>(uf.itemIndex)] == uf.text)
        return uf.itemIndex;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == uf.text)
            return static_cast<int>(i);
    return -1;
}

// Selects a state by program: the municipality list is not rebuilt.
void selectState(WindowState& window, int state)
{
    Control& uf = window.control(CbUF);
    const bool known = state >= 0 && state < static_cast<int>(uf.items.size());
    uf.itemIndex = known ? state : -1;
    uf.text = known ? uf.items[static_cast<std::size_t>(state)] : std::string();
}

void loadRecord(WindowState& window, const AnalysisRecord& record)
{
    window.setText(EdNomeProdutor, record.producer);
    window.setText(mkEdCPF, record.cpf);
    window.setText(EdLocal, record.locality);
    window.control(CBMuni).itemIndex = -1;
    window.setText(CBMuni, record.municipality);
    selectState(window, record.state);
    window.setText(EdMatricula, record.registration);
    window.setText(EdProducao, formatNumber(record.yield, "0.00"));
    window.setText(EdArea, formatNumber(record.area, "0.00"));
    // Selecting a system that is not selected yet runs its switch.
    if (record.system >= 1 && record.system <= 3)
        window.setChecked(kSystems[record.system - 1]);
    window.setText(EdDenomina, record.denomination);
    window.setText(EdLaudo, record.reportNumber);
    for (int i = 0; i < kAnalysisValueCount; ++i) {
        const auto& value = record.values[static_cast<std::size_t>(i)];
        window.setText(kValueFields[i], value ? formatNumber(*value, "0.00") : std::string());
    }
}

} // namespace

std::string analysisFileBytes(const AnalysisRecord& record)
{
    std::string values;
    for (const auto& value : record.values)
        values += value ? separatedWidth(twoDecimals(*value), kValueWidth) : kEmptyValue;
    const std::string lines[kLineCount] = {
        oneLine(record.producer),
        oneLine(record.cpf),
        oneLine(record.locality),
        oneLine(record.municipality),
        integerText(record.state),
        oneLine(record.registration),
        fixedWidth(twoDecimals(record.yield), kYieldWidth) +
            separatedWidth(twoDecimals(record.area), kAreaWidth),
        fixedWidth(integerText(record.system), 2),
        oneLine(record.denomination),
        oneLine(record.reportNumber),
        values,
    };
    std::string bytes;
    for (int i = 0; i < kLineCount; ++i)
        bytes += utf8ToWindows1252(std::string(kKeys[i]) + lines[i]) + "\r\n";
    return bytes;
}

AnalysisRecord parseAnalysisFile(std::string_view bytes)
{
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.size() < kLineCount)
        readBeyondEnd();
    auto value = [&](int line) {
        const std::string_view text = lines[static_cast<std::size_t>(line - 1)];
        return text.substr(std::min(kKeyWidth, text.size()));
    };
    auto text = [&](int line) { return windows1252ToUtf8(value(line)); };

    AnalysisRecord record;
    record.producer = text(1);
    record.cpf = text(2);
    record.locality = text(3);
    record.municipality = text(4);
    record.state = LineNumbers(value(5)).integer();
    record.registration = text(6);
    LineNumbers crop(value(7));
    record.yield = crop.number();
    record.area = crop.number();
    record.system = LineNumbers(value(8)).integer();
    record.denomination = text(9);
    record.reportNumber = text(10);

    // The values may run on over the following lines.
    std::vector<std::string_view> tokens;
    appendTokens(value(11), tokens);
    for (std::size_t line = kLineCount; line < lines.size() && tokens.size() < kAnalysisValueCount; ++line)
        appendTokens(lines[line], tokens);
    if (tokens.size() < kAnalysisValueCount)
        readBeyondEnd();
    for (std::size_t i = 0; i < kAnalysisValueCount; ++i) {
        const double number = fileNumber(tokens[i]);
        if (number >= 0)
            record.values[i] = number;
    }
    return record;
}

AnalysisRecord analysisRecordOf(const WindowState& window)
{
    AnalysisRecord record;
    record.producer = window.text(EdNomeProdutor);
    record.cpf = window.text(mkEdCPF);
    record.locality = window.text(EdLocal);
    record.municipality = window.text(CBMuni);
    record.state = stateIndex(window.control(CbUF));
    record.registration = window.text(EdMatricula);
    record.yield = window.number(EdProducao);
    record.area = window.number(EdArea);
    record.system = window.isChecked(RadioButton11) ? 2 : window.isChecked(RadioButton20) ? 3 : 1;
    record.denomination = window.text(EdDenomina);
    record.reportNumber = window.text(EdLaudo);
    for (int i = 0; i < kAnalysisValueCount; ++i)
        if (!window.isEmpty(kValueFields[i]))
            record.values[static_cast<std::size_t>(i)] = window.number(kValueFields[i]);
    return record;
}

void BitBtn13Click(WindowState& window)
{
    const std::string bytes = analysisFileBytes(analysisRecordOf(window));
    const auto path = window.writableDir() / "Laudos" / "Laudo.txt";
    replaceFile(path, bytes);
    window.platform().openDocument(path);
}

void BitBtn42Click(WindowState& window)
{
    // The dialog starts where "&Salvar Laudo" writes.
    const auto chosen = window.platform().chooseFileToOpen(window.writableDir() / "Laudos");
    if (!chosen)
        return;
    const AnalysisRecord record = parseAnalysisFile(readFileBytes(*chosen));
    startNewRecommendation(window);
    loadRecord(window, record);
    for (std::string_view field : kFocusWalk)
        window.focus(field);
}

} // namespace bulbicalc
