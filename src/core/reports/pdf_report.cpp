#include "core/reports/pdf_report.h"

#include "core/app/date.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/liming/liming_controls.h"
#include "core/planning/planning_controls.h"
#include "core/reports/recommendations_text.h"
#include "core/reports/reports_controls.h"
#include "core/soil/soil_controls.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string>
#include <utility>

namespace bulbicalc {

using namespace soil;
using namespace liming;

namespace {

using Style = TemplateText::Style;

constexpr double kMargin = 10;
constexpr double kLogoX = 3;
constexpr double kLogoWidth = 25;
constexpr double kLogoHeight = 22;

constexpr int kRecommendationRows = 8;
constexpr int kParcelaSummaryRows = 12;
constexpr int kTotalSummaryRows = 7;

constexpr double kRecommendationRowY[kRecommendationRows] = {90.7,  95.4,  100.1, 104.8,
                                                             109.5, 115.0, 120.0, 125.0};
constexpr double kParcelaSummaryRowY[kParcelaSummaryRows] = {88.8,  93.3,  97.8,  102.4, 106.9, 111.4,
                                                             115.9, 120.5, 125.0, 129.5, 134.1, 138.6};
constexpr double kTotalSummaryRowY[kTotalSummaryRows] = {158.0, 163.1, 168.3, 173.5, 178.7, 183.9, 189.1};

// The value boxes of a table row: variable prefix, x, width, style.
struct RowBox {
    const char* prefix;
    double x;
    double width;
    Style style;
};

constexpr RowBox kRecommendationBoxes[] = {
    {"P", 2.0, 10.0, Style::Regular},  {"Epc", 13.6, 15.0, Style::Regular}, {"N", 30.8, 11.0, Style::Regular},
    {"F", 43.4, 11.0, Style::Regular}, {"K", 55.5, 11.0, Style::Regular},   {"S", 69.0, 7.0, Style::Regular},
};
constexpr RowBox kParcelaSummaryBoxes[] = {
    {"par", 99.4, 11.0, Style::Regular},
    {"Ad", 113.3, 46.0, Style::Regular},
    {"q", 161.0, 10.0, Style::Right},
    {"qt", 174.2, 14.0, Style::Right},
};
constexpr RowBox kTotalSummaryBoxes[] = {
    {"It", 2.2, 14.0, Style::Regular}, {"Tipo", 18.0, 43.0, Style::Regular},
    {"D", 64.1, 15.0, Style::Right},   {"Tt", 90.5, 20.0, Style::Right},
    {"r", 113.0, 10.0, Style::Right},  {"rt", 125.0, 14.0, Style::Right},
};

// The fixed part of the page and its single value boxes, section by section.
const TemplateText kFixedTexts[] = {
    // Heading.
    {40.0, 1.0, 81.0, "Programa Bulbicalc - Versão 1.0 {em Testes}", Style::Title},
    {47.0, 8.0, 122.0, "Indicação de calagem a adubação para a cultura da cebola", Style::Bold},
    // Producer.
    {6.0, 24.2, 25.0, "Produtor:", Style::Bold},
    {34.0, 24.2, 25.0, "[PRODUTOR]"},
    {134.0, 24.2, 10.0, "CPF:", Style::Bold},
    {146.0, 24.2, 45.0, "[CPF]"},
    {6.0, 31.2, 21.0, "Localidade:", Style::Bold},
    {28.0, 31.2, 71.0, "[LOCAL]"},
    {104.0, 31.2, 20.0, "Município:", Style::Bold},
    {123.0, 31.2, 47.0, "[MUNI]"},
    {171.0, 31.2, 9.0, "UF:", Style::Bold},
    {180.7, 31.2, 8.0, "[UF]"},
    // Soil analysis.
    {3.0, 37.2, 47.0, "Análise do solo   laudo nº:", Style::Bold},
    {52.0, 37.2, 25.0, "[LAUDO]"},
    {133.0, 37.0, 19.0, "Matrícula:", Style::Bold},
    {154.0, 37.0, 35.0, "[matricula]"},
    {5.0, 47.6, 5.0, "%", Style::Bold},
    {38.0, 47.6, 25.0, "-----mg/dm³-------", Style::Bold},
    {64.0, 47.6, 5.0, "%", Style::Bold},
    // Its box ends where the "%" of the base saturation begins, which it
    // would otherwise run into.
    {80.0, 47.8, 33.5, "----------------- Cmolc/dm³------------------", Style::Bold},
    {114.0, 47.8, 5.0, "%", Style::Bold},
    {127.0, 46.6, 61.0, "-------------------mg/dm³-----------------------", Style::Bold},
    // Crop.
    {2.0, 60.5, 36.0, "Sistema de Cultivo:", Style::Bold},
    {39.0, 60.4, 52.0, "[TIPOCULTIVO]"},
    {92.0, 60.3, 50.0, "Rendimento esperado (t/ha): ", Style::Bold},
    {143.0, 60.1, 15.0, "[RENDIMENTO]"},
    {159.0, 60.8, 50.0, "Área (ha): ", Style::Bold},
    {176.0, 60.6, 11.0, "[Area]"},
    // Liming.
    {2.0, 67.0, 51.0, "Recomendação de Calagem:", Style::Bold},
    {2.0, 72.2, 13.0, "Dose:", Style::Bold},
    {16.0, 72.2, 15.0, "[QuantCal]"},
    {32.0, 72.2, 8.0, "t/ha", Style::Bold},
    {49.0, 72.2, 18.0, "PRTN (%)", Style::Bold},
    {68.0, 72.2, 13.0, "[PRNT]"},
    {83.0, 72.2, 29.0, "Comercial (t/ha)", Style::Bold},
    {112.0, 72.2, 25.0, "[CalcComer]"},
    {140.0, 71.8, 29.0, "Total na área (t):", Style::Bold},
    {175.0, 71.8, 25.0, "[TCalc]"},
    // Recommendation per parcela.
    {2.0, 79.7, 71.0, "Recomendação de Adubação (kg/ha)", Style::Bold},
    {2.0, 85.4, 15.0, "Parc.", Style::Bold},
    {14.0, 85.4, 15.0, "Epoca", Style::Bold},
    {31.0, 85.4, 11.0, "N", Style::Bold},
    {43.9, 85.4, 11.0, "P205", Style::Bold},
    {56.1, 86.4, 11.0, "K2O", Style::Bold},
    {69.2, 85.4, 11.0, "S", Style::Bold},
    // Fertilisers per parcela.
    {100.0, 78.7, 51.0, "Adubos usados:", Style::Bold},
    {161.1, 77.8, 21.0, "Quantidade", Style::Bold},
    {100.5, 82.3, 15.0, "Parcela", Style::Bold},
    {116.7, 82.8, 35.0, "Adubo", Style::Bold},
    {160.0, 83.0, 11.0, "kg/ha", Style::BoldRight},
    {177.0, 82.0, 11.0, "kg", Style::BoldRight},
    // All fertilisers.
    {2.0, 147.0, 51.0, "Quantitativos", Style::Bold},
    {3.0, 153.1, 9.0, "Item", Style::Bold},
    {19.0, 153.1, 15.0, "Tipo", Style::Bold},
    {68.1, 152.1, 11.0, "kg/ha", Style::BoldRight},
    {98.5, 153.1, 11.0, "Kg", Style::BoldRight},
    {115.0, 153.0, 11.0, "R$/ha", Style::Bold},
    {131.0, 153.0, 11.0, "R$", Style::Bold},
    // Recommendations and signature.
    {2.0, 197.0, 184.0, "[Recomenda]", Style::Regular, 59.0},
    {11.0, 265.0, 68.0, "[Resp]"},
    {148.0, 265.0, 25.0, "[Data]"},
};

// The seventeen columns of the analysis: heading, x, heading width, value
// box, value width; headings at y 42.6, values at y 53.2.
struct AnalysisColumn {
    const char* heading;
    double x;
    double headingWidth;
    const char* value;
    double valueWidth;
};

constexpr AnalysisColumn kAnalysisColumns[] = {
    {"Argila", 1.9, 11.0, "[ARG]", 11.0}, {"pH", 14.2, 9.0, "[PH]", 9.0},
    {"SMP", 23.5, 10.0, "[SMP]", 10.0},   {"P", 35.4, 11.0, "[P]", 11.0},
    {"K", 46.5, 10.0, "[K]", 10.0},       {"MO", 57.7, 9.0, "[MO]", 9.0},
    {"Al", 68.9, 8.0, "[AL]", 10.0},      {"Ca", 80.0, 10.0, "[CA]", 10.0},
    {"Mg", 91.2, 10.0, "[MG]", 11.0},     {"CTC", 102.4, 12.0, "[CTC]", 11.0},
    {"V", 113.5, 10.0, "[SATB]", 11.0},   {"S", 124.7, 10.0, "[S]", 11.0},
    {"Mn", 135.9, 10.0, "[Mn]", 11.0},    {"Zn", 147.0, 10.0, "[Zn]", 11.0},
    {"B", 158.2, 10.0, "[B]", 11.0},      {"Cu", 169.4, 10.0, "[Cu]", 11.0},
    {"Fe", 180.5, 10.0, "[Fe]", 11.0},
};

std::vector<TemplateText> buildTemplateTexts()
{
    std::vector<TemplateText> texts(std::begin(kFixedTexts), std::end(kFixedTexts));
    for (const AnalysisColumn& c : kAnalysisColumns) {
        texts.push_back({c.x, 42.6, c.headingWidth, c.heading, Style::Bold});
        texts.push_back({c.x, 53.2, c.valueWidth, c.value});
    }
    auto rows = [&](std::span<const RowBox> boxes, std::span<const double> ys) {
        for (std::size_t row = 0; row < ys.size(); ++row)
            for (const RowBox& b : boxes)
                texts.push_back({b.x, ys[row], b.width,
                                 "[" + std::string(b.prefix) + std::to_string(row + 1) + "]", b.style});
    };
    rows(kRecommendationBoxes, kRecommendationRowY);
    rows(kParcelaSummaryBoxes, kParcelaSummaryRowY);
    rows(kTotalSummaryBoxes, kTotalSummaryRowY);
    // The box of the first parcela's N alone is 4 mm high.
    for (TemplateText& t : texts)
        if (t.text == "[N1]")
            t.height = 4;
    return texts;
}

const std::vector<TemplateRule> kRules = {
    {1.0, 23.0, 186.0},       // under the heading
    {5.0, 37.0, 186.0},       // under the producer
    {1.0, 59.0, 186.0},       // under the analysis
    {2.0, 66.0, 186.0},       // under the crop
    {2.0, 78.1, 186.0},       // under the liming
    {90.0, 80.0, 64.0, true}, // between the two tables
    {1.0, 90.4, 89.0},        // under the headings of the left table
    {2.0, 133.0, 79.0},       // closing the left table
    {100.1, 87.8, 87.0},      // under the headings of the right table
    {93.0, 145.0, 95.0},      // closing the right table
    {1.0, 147.1, 186.0},      // over the quantities
    {-31.9, 158.0, 186.0},    // under their headings; it begins left of the printable area
    {1.0, 196.0, 186.0},      // closing the quantities
    {-1.0, 258.0, 186.0},     // under the recommendations
    {1.0, 265.0, 66.0},       // for the signature
};

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Every "[name]" of a variable replaced by its value; other brackets stay.
std::string substitute(std::string_view text, const std::vector<ReportVariable>& variables)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto open = text.find('[', i);
        const auto close = open == std::string_view::npos ? open : text.find(']', open);
        if (close == std::string_view::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        if (const std::string* value = findVariable(variables, text.substr(open + 1, close - open - 1)))
            out += *value;
        else
            out += text.substr(open, close - open + 1);
        i = close + 1;
    }
    return out;
}

class Variables {
public:
    explicit Variables(const WindowState& window) : window_(window) {}

    void field(const char* name, std::string_view control) { set(name, window_.text(control)); }
    void set(std::string name, std::string value) { list_.push_back({std::move(name), std::move(value)}); }

    // Rows 1 to `rows` of a grid: the variables of the columns of each row,
    // empty for a row the grid does not have. A column of -1 stays empty.
    void gridRows(std::string_view gridName, int rows,
                  std::initializer_list<std::pair<const char*, int>> columns)
    {
        const Grid& grid = window_.grid(gridName);
        for (int row = 1; row <= rows; ++row)
            for (const auto& [prefix, col] : columns)
                set(prefix + std::to_string(row),
                    row < grid.rowCount() && col >= 0 ? grid.cell(col, row) : "");
    }

    std::vector<ReportVariable> list() && { return std::move(list_); }

private:
    const WindowState& window_;
    std::vector<ReportVariable> list_;
};

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    return text;
}

} // namespace

const std::vector<TemplateText>& pdfTemplateTexts()
{
    static const std::vector<TemplateText> texts = buildTemplateTexts();
    return texts;
}

const std::vector<TemplateRule>& pdfTemplateRules()
{
    return kRules;
}

std::vector<ReportVariable> pdfReportVariables(const WindowState& window, const Date& today)
{
    Variables v(window);
    v.field("PRODUTOR", EdNomeProdutor);
    v.field("CPF", mkEdCPF);
    v.field("LOCAL", EdLocal);
    v.field("MUNI", CBMuni);
    v.field("UF", CbUF);
    v.field("Matricula", EdMatricula);
    v.field("LAUDO", EdLaudo);
    v.field("ARG", EdArgila);
    v.field("PH", EdPH);
    v.field("SMP", EdSMP);
    v.field("P", EdP);
    v.field("K", EdK);
    v.field("MO", EdMO);
    v.field("AL", EdAL);
    v.field("CA", EdCa);
    v.field("MG", EdMg);
    v.field("CTC", EdCTC);
    v.field("SATB", EdSatBases);
    v.field("S", EdS);
    v.field("Mn", EdMn);
    v.field("Zn", EdZn);
    v.field("B", EdB);
    v.field("Cu", EdCu);
    v.field("Fe", EdFe);
    // Consolidated no-till has a dose of its own (three quarters of the
    // transplant's N): the page the producer keeps names it, as the
    // spreadsheet does, rather than calling it direct seeding (in a shorter
    // text: the box holds one line of 52 mm).
    v.set("TIPOCULTIVO", window.isChecked(RadioButton10)   ? "Sistema de transplante"
                         : window.isChecked(RadioButton20) ? "Plantio Direto Consolidado"
                                                           : "Sistema de Semeadura direta");
    v.field("RENDIMENTO", EdProducao);
    v.field("area", EdArea);
    v.field("QuantCal", Edit10);
    v.field("PRNT", Edit11);
    v.field("CalcComer", Edit12);
    v.field("Tcalc", Edit26);
    v.gridRows(doses::rstga3, kRecommendationRows,
               {{"P", 0}, {"Epc", 1}, {"N", 2}, {"F", 3}, {"K", 4}, {"S", 5}});
    v.gridRows(planning::RstgaResumoParcela, kParcelaSummaryRows,
               {{"par", 0}, {"Ad", 1}, {"q", 2}, {"qt", 3}});
    const bool prices = window.isChecked(planning::RadioButton23);
    v.gridRows(
        planning::rstgaResumoTotal, kTotalSummaryRows,
        {{"It", 0}, {"Tipo", 1}, {"D", 2}, {"Tt", 4}, {"r", prices ? 3 : -1}, {"rt", prices ? 5 : -1}});
    v.set("Recomenda", joinedLines(recommendationLines(window)));
    v.set("Data", shortDateText(today));
    v.field("Resp", reports::Edit21);
    return std::move(v).list();
}

const std::string* findVariable(const std::vector<ReportVariable>& variables, std::string_view name)
{
    const std::string wanted = lower(name);
    for (const ReportVariable& v : variables)
        if (lower(v.name) == wanted)
            return &v.value;
    return nullptr;
}

PrintedPage pdfReportPage(const std::vector<ReportVariable>& variables, const std::filesystem::path& logo)
{
    PrintedPage page;
    page.documentName = kPdfReportName;
    page.pictures.push_back({kMargin + kLogoX, kMargin, kLogoWidth, kLogoHeight, logo});
    for (const TemplateRule& r : pdfTemplateRules()) {
        const double x = kMargin + r.x;
        const double y = kMargin + r.y;
        page.lines.push_back(r.vertical ? PageLine{x, y, x, y + r.length} : PageLine{x, y, x + r.length, y});
    }
    for (const TemplateText& t : pdfTemplateTexts()) {
        PageText text;
        text.x = kMargin + t.x;
        text.y = kMargin + t.y;
        text.width = t.width;
        text.height = t.height;
        text.text = substitute(t.text, variables);
        text.pointSize = t.style == Style::Title ? 12 : 10;
        text.bold = t.style == Style::Title || t.style == Style::Bold || t.style == Style::BoldRight;
        text.alignRight = t.style == Style::Right || t.style == Style::BoldRight;
        // The fixed texts are drawn on the one line they were laid out on.
        text.singleLine = t.text.find('[') == std::string::npos;
        page.texts.push_back(std::move(text));
    }
    return page;
}

void BitBtn105Click(WindowState& window)
{
    const auto variables = pdfReportVariables(window, window.platform().today());
    const auto page = pdfReportPage(variables, window.dataDir() / "Imagens" / "logo_bulbicalc.png");
    window.platform().previewPage(page);
}

} // namespace bulbicalc
