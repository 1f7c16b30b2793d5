#include "scenario/scenario_runner.h"

#include "core/app/errors.h"
#include "core/app/number_text.h"
#include "core/app/recording_platform.h"
#include "core/app/text_encoding.h"
#include "core/app/window_state.h"
#include "core/program/program.h"
#include "core/reports/file_access.h"
#include "core/reports/pdf_report.h"
#include "core/reports/spreadsheet_report.h"
#include "core/reports/text_report.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace bulbicalc {
namespace {

// Hints are shown for texts that do not fit their column; without a window
// the width of a text is estimated at 7 pixels a character (Tahoma 9 pt).
int estimatedTextWidth(const std::string& text)
{
    return 7 * static_cast<int>(utf8ToCodePoints(text).size());
}

// A failing statement: its message is reported with the file and line.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int toInt(const std::string& word)
{
    try {
        return parseInteger(word);
    } catch (const Error&) {
        throw Failure("'" + word + "' is not a whole number");
    }
}

// Types one character into a masked field: the character fills the next
// blank placeholder of the mask "999.999.999-99".
std::string typeIntoMask(const std::string& text, char32_t key)
{
    if (key < U'0' || key > U'9')
        return text;
    std::string out = text;
    for (char& c : out) {
        if (c == ' ') {
            c = static_cast<char>(key);
            break;
        }
    }
    return out;
}

// A scenario runs in a folder of its own: it is the working directory (where
// the text report goes), and it holds the data folder the window sees, whose
// Laudos is a copy and whose other entries link to the real ones. So what a
// scenario saves reaches neither the data folder nor another scenario run at
// the same time.
class Sandbox {
public:
    explicit Sandbox(const std::filesystem::path& dataDir)
        : root_(createTemporaryFolder("bulbicalc-scenario-")), previous_(std::filesystem::current_path())
    {
        namespace fs = std::filesystem;
        fs::create_directory(root_ / "data");
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(dataDir, error)) {
            const auto target = root_ / "data" / entry.path().filename();
            if (entry.path().filename() == "Laudos" && entry.is_directory())
                fs::copy(entry.path(), target, fs::copy_options::recursive);
            else
                fs::create_symlink(fs::absolute(entry.path()), target);
        }
        fs::create_directory(root_ / "work");
        fs::current_path(root_ / "work");
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    ~Sandbox()
    {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
        std::filesystem::remove_all(root_, error);
    }

    std::filesystem::path dataDir() const { return root_ / "data"; }

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// The first byte where two contents differ, as "byte N, line L".
std::string firstDifference(const std::string& actual, const std::string& expected)
{
    std::size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    const auto line = 1 + std::count(actual.begin(), actual.begin() + static_cast<std::ptrdiff_t>(i), '\n');
    return "byte " + std::to_string(i) + ", line " + std::to_string(line);
}

class Run {
public:
    Run(std::filesystem::path file, const ScenarioOptions& options, std::ostream& out)
        : file_(std::filesystem::absolute(file)), options_(options), out_(out)
    {
    }

    // Runs on a window that already exists (the window's own platform then
    // takes the messages, so expectations about messages do not apply).
    Run(std::filesystem::path file, WindowState& window, std::ostream& out)
        : file_(std::move(file)), options_(noOptions_), out_(out), window_(&window)
    {
    }

    int execute()
    {
        std::ifstream in(file_, std::ios::binary);
        if (!in) {
            out_ << file_.string() << ":0: cannot open the scenario file\n";
            return 1;
        }
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lineNumber_ = number;
            statement(line);
        }
        lineNumber_ = number;
        if (pendingError_)
            fail("the error box showed " + inQuotes(*pendingError_) + " and nothing expected it");
        startWindow();
        for (const auto& message : platform_.messages)
            fail("the message " + inQuotes(message) + " was shown and never expected");
        return failures_;
    }

private:
    std::filesystem::path file_;
    const ScenarioOptions& options_;
    std::ostream& out_;
    static inline const ScenarioOptions noOptions_{};
    RecordingPlatform platform_;
    std::optional<Sandbox> sandbox_;
    std::unique_ptr<WindowState> owned_;
    WindowState* window_ = nullptr;
    std::optional<std::filesystem::path> dataDir_;
    std::optional<std::string> lastError_;    // the error box of the last action
    std::optional<std::string> pendingError_; // not yet expected by the next statement
    int lineNumber_ = 0;
    int failures_ = 0;

    void fail(const std::string& message)
    {
        ++failures_;
        out_ << file_.string() << ':' << lineNumber_ << ": " << message << '\n';
    }

    void startWindow()
    {
        if (window_)
            return;
        sandbox_.emplace(dataDir_ ? *dataDir_ : options_.defaultDataDir);
        owned_ = createWindowState(platform_, sandbox_->dataDir());
        window_ = owned_.get();
        if (window_->startupError())
            lastError_ = pendingError_ = window_->startupError();
    }

    WindowState& window()
    {
        startWindow();
        return *window_;
    }

    void statement(const std::string& line)
    {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            return;
        std::vector<std::string> words;
        try {
            words = splitStatement(line);
        } catch (const std::invalid_argument& error) {
            fail(error.what());
            return;
        }
        const std::string& verb = words.front();
        if (verb != "data" && verb != "today")
            startWindow();
        const bool isExpectError = verb == "expect-error";
        if (pendingError_ && !isExpectError) {
            fail("the error box showed " + inQuotes(*pendingError_) +
                 " and the next statement did not expect it");
            pendingError_.reset();
        }
        try {
            if (verb.rfind("expect", 0) == 0) {
                expectation(words);
            } else {
                lastError_.reset();
                pendingError_.reset();
                try {
                    action(words);
                } catch (const Error& error) {
                    lastError_ = pendingError_ = std::string(error.what());
                }
            }
        } catch (const Failure& failure) {
            fail(failure.what());
        } catch (const std::out_of_range& error) {
            fail(error.what());
        } catch (const std::exception& error) {
            // Anything but the user's errors is a defect of the program.
            fail(std::string("defect: ") + error.what());
        }
    }

    static void arity(const std::vector<std::string>& words, std::size_t count)
    {
        if (words.size() != count)
            throw Failure(words.front() + " takes " + std::to_string(count - 1) + " argument(s), not " +
                          std::to_string(words.size() - 1));
    }

    void requireControl(const std::string& name)
    {
        if (!window().controls().contains(name))
            throw Failure("there is no control named " + name);
    }

    void requireGrid(const std::string& name)
    {
        if (!window().hasGrid(name))
            throw Failure("there is no grid named " + name);
    }

    void action(const std::vector<std::string>& w)
    {
        const std::string& verb = w.front();
        if (verb == "data") {
            arity(w, 2);
            if (window_)
                throw Failure("data must come before the first action");
            dataDir_ = file_.parent_path() / w[1];
            return;
        }
        if (verb == "today") {
            arity(w, 2);
            if (window_)
                throw Failure("today must come before the first action");
            try {
                platform_.todayDate = parseShortDate(w[1]);
            } catch (const Error& error) {
                throw Failure(error.what());
            }
            return;
        }
        WindowState& state = window();
        if (verb == "type") {
            arity(w, 3);
            requireControl(w[1]);
            state.type(w[1], w[2]);
        } else if (verb == "keys") {
            arity(w, 3);
            requireControl(w[1]);
            keys(w[1], w[2]);
        } else if (verb == "leave") {
            arity(w, 2);
            requireControl(w[1]);
            state.leave(w[1]);
        } else if (verb == "enter") {
            arity(w, 2);
            requireControl(w[1]);
            state.enter(w[1]);
        } else if (verb == "click") {
            arity(w, 2);
            requireControl(w[1]);
            const auto& c = state.control(w[1]);
            if (c.kind != ControlKind::RadioButton && c.kind != ControlKind::CheckBox &&
                !state.hasClickHandler(w[1]))
                throw Failure("unsupported: clicking " + w[1] + " does nothing yet");
            state.click(w[1]);
        } else if (verb == "spin") {
            arity(w, 3);
            requireControl(w[1]);
            if (state.control(w[1]).kind != ControlKind::SpinButton)
                throw Failure(w[1] + " is not a spin control");
            state.spin(w[1], toInt(w[2]));
        } else if (verb == "cell") {
            arity(w, 5);
            requireGrid(w[1]);
            state.editCell(w[1], toInt(w[2]), toInt(w[3]), w[4]);
        } else if (verb == "gridenter") {
            arity(w, 4);
            requireGrid(w[1]);
            state.gridEnter(w[1], toInt(w[2]), toInt(w[3]));
        } else if (verb == "check") {
            arity(w, 4);
            requireControl(w[1]);
            if (w[3] != "on" && w[3] != "off")
                throw Failure("check takes on or off, not " + w[3]);
            if (!state.hasClickHandler(w[1]))
                throw Failure("unsupported: ticking " + w[1] + " does nothing yet");
            state.check(w[1], toInt(w[2]), w[3] == "on");
        } else if (verb == "select") {
            arity(w, 3);
            requireControl(w[1]);
            state.select(w[1], toInt(w[2]));
        } else if (verb == "date") {
            arity(w, 3);
            requireControl(w[1]);
            Date date;
            try {
                date = parseShortDate(w[2]);
            } catch (const Error& error) {
                throw Failure(error.what());
            }
            state.pickDate(w[1], date);
        } else if (verb == "menu") {
            arity(w, 5);
            requireGrid(w[1]);
            if (!state.hasMenuCommand(w[1], w[4]))
                throw Failure("unsupported: " + w[1] + " has no popup command " + inQuotes(w[4]));
            state.menu(w[1], toInt(w[2]), toInt(w[3]), w[4]);
        } else if (verb == "open") {
            arity(w, 2);
            if (!state.hasClickHandler("BitBtn42"))
                throw Failure("unsupported: opening an analysis file is not built yet");
            if (w[1] == "-")
                platform_.fileToOpen.reset();
            else
                platform_.fileToOpen = file_.parent_path() / w[1];
            state.click("BitBtn42");
        } else {
            throw Failure("unsupported statement " + verb);
        }
    }

    void keys(const std::string& field, const std::string& text)
    {
        WindowState& state = window();
        state.focus(field);
        std::string current = field;
        for (char32_t key : utf8ToCodePoints(text)) {
            if (key == U'\n')
                key = U'\r';
            const char32_t typed = state.keyPress(current, key);
            if (key == U'\r') {
                if (!state.focused().empty())
                    current = state.focused();
                continue;
            }
            if (typed == U'\0' || !state.controls().contains(current))
                continue;
            const auto& c = state.control(current);
            const std::string next = c.kind == ControlKind::MaskEdit ? typeIntoMask(c.text, typed)
                                                                     : c.text + codePointToUtf8(typed);
            state.type(current, next);
        }
    }

    static std::string colourName(const CellStyle& style)
    {
        if (!style.font || *style.font == colours::kBlack)
            return "normal";
        if (*style.font == colours::kRed)
            return "red";
        if (*style.font == colours::kBlue)
            return "blue";
        return "other";
    }

    std::string textOf(const std::string& name)
    {
        requireControl(name);
        const Control& c = window().control(name);
        if (c.kind == ControlKind::Memo || c.kind == ControlKind::RichEdit) {
            std::string joined;
            for (std::size_t i = 0; i < c.items.size(); ++i)
                joined += (i ? "\r\n" : "") + c.items[i];
            return joined;
        }
        if (c.kind == ControlKind::SpinButton)
            return std::to_string(c.position);
        if (c.kind == ControlKind::DatePicker)
            return shortDateText(c.date);
        return c.text;
    }

    void expectation(const std::vector<std::string>& w)
    {
        const std::string& verb = w.front();
        WindowState& state = window();
        if (verb == "expect") {
            arity(w, 3);
            const std::string actual = textOf(w[1]);
            if (actual != w[2])
                throw Failure(w[1] + " holds " + inQuotes(actual) + ", expected " + inQuotes(w[2]));
        } else if (verb == "expect-cell" || verb == "expect-shown") {
            arity(w, 5);
            requireGrid(w[1]);
            const Grid& g = state.grid(w[1]);
            const int col = toInt(w[2]);
            const int row = toInt(w[3]);
            const std::string actual = verb == "expect-cell" ? g.cell(col, row) : g.shownText(col, row);
            if (actual != w[4])
                throw Failure(w[1] + " " + w[2] + " " + w[3] +
                              (verb == "expect-cell" ? " holds " : " shows ") + inQuotes(actual) +
                              ", expected " + inQuotes(w[4]));
        } else if (verb == "expect-size") {
            arity(w, 4);
            requireGrid(w[1]);
            const Grid& g = state.grid(w[1]);
            if (g.colCount() != toInt(w[2]) || g.rowCount() != toInt(w[3]))
                throw Failure(w[1] + " has " + std::to_string(g.colCount()) + " columns and " +
                              std::to_string(g.rowCount()) + " rows, expected " + w[2] + " and " + w[3]);
        } else if (verb == "expect-colour") {
            arity(w, 5);
            requireGrid(w[1]);
            const std::string actual = colourName(state.grid(w[1]).cellStyle(toInt(w[2]), toInt(w[3])));
            if (actual != w[4])
                throw Failure(w[1] + " " + w[2] + " " + w[3] + " is " + actual + ", expected " + w[4]);
        } else if (verb == "expect-hint") {
            arity(w, 5);
            requireGrid(w[1]);
            const std::string actual = state.grid(w[1]).hint(toInt(w[2]), toInt(w[3]), estimatedTextWidth);
            if (actual != w[4])
                throw Failure("the hint over " + w[1] + " " + w[2] + " " + w[3] + " is " + inQuotes(actual) +
                              ", expected " + inQuotes(w[4]));
        } else if (verb == "expect-checked") {
            arity(w, 3);
            requireControl(w[1]);
            if (w[2] != "yes" && w[2] != "no")
                throw Failure("expect-checked takes yes or no, not " + w[2]);
            const bool actual = state.isChecked(w[1]);
            if (actual != (w[2] == "yes"))
                throw Failure(w[1] + std::string(actual ? " is" : " is not") + " checked");
        } else if (verb == "expect-number") {
            arity(w, 3);
            const double* value = state.numbers().byName(w[1]);
            if (!value)
                throw Failure("there is no module-level number named " + w[1]);
            double expected = 0;
            try {
                expected = parseNumber(w[2]);
            } catch (const Error& error) {
                throw Failure(error.what());
            }
            if (generalFormat(*value) != generalFormat(expected))
                throw Failure(w[1] + " is " + generalFormat(*value) + ", expected " + w[2]);
        } else if (verb == "expect-message") {
            arity(w, 2);
            if (platform_.messages.empty())
                throw Failure("no message is waiting, expected " + inQuotes(w[1]));
            const std::string actual = platform_.messages.front();
            platform_.messages.pop_front();
            if (actual != w[1])
                throw Failure("the message is " + inQuotes(actual) + ", expected " + inQuotes(w[1]));
        } else if (verb == "expect-no-message") {
            arity(w, 1);
            if (!platform_.messages.empty()) {
                const std::string actual = platform_.messages.front();
                platform_.messages.clear();
                throw Failure("the message " + inQuotes(actual) + " is waiting");
            }
        } else if (verb == "expect-error") {
            arity(w, 2);
            const auto actual = lastError_;
            pendingError_.reset();
            if (!actual)
                throw Failure("no error box, expected " + inQuotes(w[1]));
            if (*actual != w[1])
                throw Failure("the error box showed " + inQuotes(*actual) + ", expected " + inQuotes(w[1]));
        } else if (verb == "expect-file") {
            arity(w, 3);
            fileExpectation(w[1], w[2]);
        } else if (verb == "expect-var") {
            arity(w, 3);
            const auto variables = pdfReportVariables(state, platform_.today());
            const std::string* value = findVariable(variables, w[1]);
            if (!value)
                throw Failure("there is no report variable named " + w[1]);
            if (*value != w[2])
                throw Failure("the report variable " + w[1] + " holds " + inQuotes(*value) + ", expected " +
                              inQuotes(w[2]));
        } else if (verb == "expect-xlsx") {
            arity(w, 3);
            std::optional<std::string> written;
            for (const CellWrite& cell : spreadsheetCells(state))
                if (cell.cell == w[1])
                    written = cell.text;
            if (!written)
                throw Failure("the spreadsheet report writes nothing into " + w[1]);
            if (*written != w[2])
                throw Failure("the spreadsheet report writes " + inQuotes(*written) + " into " + w[1] +
                              ", expected " + inQuotes(w[2]));
        } else if (verb == "expect-chart") {
            arity(w, 5);
            chartExpectation(w[1], toInt(w[2]), w[3], w[4]);
        } else {
            throw Failure("unsupported statement " + verb);
        }
    }

    // The text report is written into the working directory; every other
    // file the program writes lies in the data folder.
    void fileExpectation(const std::string& path, const std::string& golden)
    {
        const auto actualPath =
            path == kTextReportName ? std::filesystem::current_path() / path : window().dataDir() / path;
        std::string actual;
        std::string expected;
        try {
            actual = readFileBytes(actualPath);
        } catch (const Error& error) {
            throw Failure(path + ": " + error.what());
        }
        // With BULBICALC_KEEP_ACTUAL naming a folder, the file written is
        // kept there under the golden's name, for a developer to read (and
        // to take as the golden once read and found right).
        if (const char* keep = std::getenv("BULBICALC_KEEP_ACTUAL"); keep && *keep)
            replaceFile(std::filesystem::path(keep) / std::filesystem::path(golden).filename(), actual);
        try {
            expected = readFileBytes(file_.parent_path() / golden);
        } catch (const Error& error) {
            throw Failure(golden + ": " + error.what());
        }
        if (actual != expected)
            throw Failure(path + " differs from " + golden + " at " + firstDifference(actual, expected));
    }

    void chartExpectation(const std::string& name, int index, const std::string& label,
                          const std::string& value)
    {
        WindowState& state = window();
        if (!state.hasChart(name))
            throw Failure("there is no chart named " + name);
        const ChartData& chart = state.chart(name);
        std::string actualLabel;
        double actualValue = 0;
        const auto item = static_cast<std::size_t>(index);
        if (name == "Chart3") {
            const auto& slices = chart.series.at(0).points;
            if (index < 0 || item >= slices.size())
                throw Failure(name + " has no slice " + std::to_string(index));
            actualLabel = slices[item].label;
            actualValue = slices[item].y;
        } else {
            if (index < 0 || item >= chart.series.size())
                throw Failure(name + " has no series " + std::to_string(index));
            const ChartSeries& series = chart.series[item];
            if (series.points.empty())
                throw Failure(name + " series " + std::to_string(index) + " has no points");
            if (name == "Chart2") {
                actualLabel = series.title;
                actualValue = series.points.front().y;
            } else {
                actualLabel = series.points.front().label;
                actualValue = series.points.front().x;
            }
        }
        if (actualLabel != label || generalFormat(actualValue) != value)
            throw Failure(name + " item " + std::to_string(index) + " is " + inQuotes(actualLabel) + " " +
                          generalFormat(actualValue) + ", expected " + inQuotes(label) + " " + value);
    }
};

} // namespace

std::vector<std::string> splitStatement(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= n)
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    word += c;
                    continue;
                }
                if (i >= n)
                    break;
                const char e = line[i++];
                switch (e) {
                case '"':
                    word += '"';
                    break;
                case '\\':
                    word += '\\';
                    break;
                case 'r':
                    word += '\r';
                    break;
                case 'n':
                    word += '\n';
                    break;
                default:
                    throw std::invalid_argument(std::string("unknown escape \\") + e);
                }
            }
            if (!closed)
                throw std::invalid_argument("unterminated quoted text");
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

int runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& out)
{
    return Run(file, options, out).execute();
}

int runScenarioOn(WindowState& window, const std::filesystem::path& file, std::ostream& out)
{
    return Run(file, window, out).execute();
}

std::string inQuotes(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

} // namespace bulbicalc
