#pragma once

#include "core/app/date.h"
#include "core/app/platform.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bulbicalc {

class WindowState;

// The PDF report: one A4 page, its fixed texts, rules and logo drawn from a
// template, its values from named report variables.

struct ReportVariable {
    std::string name;
    std::string value;
};

// The 172 report variables in the order they are set, each the text a field
// or grid cell shows, or a fixed text; "Data" is `today`. Rows a grid does not
// have are empty; with the fertiliser prices hidden the prices of all
// fertilisers are empty.
std::vector<ReportVariable> pdfReportVariables(const WindowState& window, const Date& today);

// The value of a variable, its name matched without regard to letter case;
// nullptr for a name that is not a variable.
const std::string* findVariable(const std::vector<ReportVariable>& variables, std::string_view name);

// One text box of the page template, in millimetres from the top-left corner
// of the printable area. Its text holds fixed text and variable names in
// square brackets.
struct TemplateText {
    double x;
    double y;
    double width;
    std::string text;
    // Arial 10 pt regular or bold, left- or right-aligned; the title 12 pt bold.
    enum class Style { Regular, Bold, Title, Right, BoldRight } style = Style::Regular;
    double height = 5;
};

struct TemplateRule {
    double x;
    double y;
    double length;
    bool vertical = false;
};

// The page template: every text box and rule of the page; the logo's box.
const std::vector<TemplateText>& pdfTemplateTexts();
const std::vector<TemplateRule>& pdfTemplateRules();

// The template with its variables replaced by their values, on the paper: the
// printable area starts 10 mm in from the left and top edges.
PrintedPage pdfReportPage(const std::vector<ReportVariable>& variables, const std::filesystem::path& logo);

// The name the PDF export proposes.
inline constexpr const char* kPdfReportName = "Recomendacao";

// "Relatório *.&pdf": sets the variables, builds the page and shows it in the
// preview, from which the user prints it or exports it. Changes nothing.
void BitBtn105Click(WindowState& window);

} // namespace bulbicalc
