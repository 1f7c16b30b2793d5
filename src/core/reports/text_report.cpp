#include "core/reports/text_report.h"

#include "core/app/errors.h"
#include "core/app/text_encoding.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/liming/liming_controls.h"
#include "core/planning/planning_controls.h"
#include "core/reports/file_access.h"
#include "core/reports/recommendations_text.h"
#include "core/soil/soil_controls.h"

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <system_error>
#include <utility>

namespace bulbicalc {

using namespace soil;
using namespace liming;

namespace {

// The report is composed as UTF-8 lines; widths count characters, which are
// single bytes once the text is in Windows-1252.
class Report {
public:
    explicit Report(const WindowState& window) : window_(window) {}

    void line(const std::string& text = {}) { text_ += text + "\r\n"; }
    void rule(std::size_t length) { line(std::string(length, '-')); }
    const std::string& field(std::string_view name) const { return window_.text(name); }
    std::string bytes() const { return utf8ToWindows1252(text_); }

private:
    const WindowState& window_;
    std::string text_;
};

std::size_t characters(const std::string& text)
{
    return utf8ToCodePoints(text).size();
}

// The text followed by blanks up to `width` characters; a longer text whole.
std::string pad(const std::string& text, std::size_t width)
{
    const std::size_t length = characters(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

// The first `length` characters.
std::string cut(const std::string& text, std::size_t length)
{
    const std::u32string codePoints = utf8ToCodePoints(text);
    std::string out;
    for (std::size_t i = 0; i < codePoints.size() && i < length; ++i)
        out += codePointToUtf8(codePoints[i]);
    return out;
}

void producer(Report& r)
{
    r.line("Bulbicalc -versão 1.0");
    r.line("Adubação para a cultura da Cebola");
    r.rule(74);
    r.line("Dados do Produtor");
    r.line("Nome: " + r.field(EdNomeProdutor) + "   CPF: " + r.field(mkEdCPF));
    r.line("Localidade:  " + r.field(EdLocal) + "  Município: " + r.field(CBMuni) + " UF " + r.field(CbUF));
    r.line("Matricula:   " + r.field(EdMatricula));
    r.line("Denominação: " + r.field(EdDenomina));
    r.rule(74);
}

void analysis(Report& r)
{
    r.line("Dados da Análise do solo");
    // The left pair of columns of the printed table, then the right pair;
    // magnesium appears in both.
    const std::pair<const char*, std::string_view> values[] = {
        {"Nº laudo        = ", EdLaudo},        {"Argila (%)      = ", EdArgila},
        {"Classe          = ", EdClasseArgila}, {"pH              = ", EdPH},
        {"Indice SMP      = ", EdSMP},          {"P (mg/dm³)      = ", EdP},
        {"Classe          = ", EdClasseP},      {"K (mg/dm³)      = ", EdK},
        {"Classe          = ", EdClasseK},      {"%MO (m/v)       = ", EdMO},
        {"Al(cmol/dm³)    = ", EdAL},           {"Ca (cmol/dm³)   = ", EdCa},
        {"Mg (cmol/dm³)   = ", EdMg},           {"H+Al(comol/dm³) = ", EdHAl},
        {"CTC (cmol/dm³)  = ", EdCTC},          {"Classe          = ", EdClasseCTC},
        {"V -Sat bases(%) = ", EdSatBases},     {"S (mg/dm³)      = ", EdS},
        {"Mg (cmol/dm³)   = ", EdMg},           {"Mn (cmg/dm³)    = ", EdMn},
        {"Zn (mg/dm³)     = ", EdZn},           {"B (mg/dm³)      = ", EdB},
        {"Cu (mg/dm³)     = ", EdCu},           {"Fe (mg/dm³)     = ", EdFe},
        {"Relação Ca/Mg   = ", Edit13},         {"Relação Ca/K    = ", Edit32},
        {"Relação Mg/K    = ", Edit41},
    };
    for (const auto& [label, name] : values)
        r.line(label + r.field(name));
    r.rule(74);
    r.line("Saturação da CTC ");
    const std::pair<const char*, std::string_view> saturations[] = {
        {"Saturação de K  = ", Edit42}, {"Saturação de Al = ", Edit43}, {"Saturação de Ca = ", Edit14},
        {"Saturação de Mg = ", Edit46}, {"Saturação de H  = ", Edit47},
    };
    for (const auto& [label, name] : saturations)
        r.line(label + r.field(name) + " %");
    r.rule(74);
}

void crop(Report& r, const WindowState& window)
{
    r.line("Expectativa de produção : " + r.field(EdProducao) + " t/ha");
    r.line("Área do cultivo         : " + r.field(EdArea) + " ha");
    if (window.isChecked(RadioButton10))
        r.line("Cultivo em Sistem de Transplante");
    else if (window.isChecked(RadioButton11))
        r.line("Cultivo em Sistem de Semeadura Direta");
    else if (window.isChecked(RadioButton20))
        r.line("Cultivo em Sistem de Pllnatio Direto Consolidado");
    r.rule(83);
}

void limingSection(Report& r)
{
    r.line("Recomendação de Calagem ");
    r.line("Necessidade de calagem PRNT 100%  = " + r.field(Edit10) + " t/ha");
    r.line("PRNT do cálcario comercial        = " + r.field(Edit11) + " %");
    r.line("Necessidade de calagem            = " + r.field(Edit12) + " t/ha");
    r.line("Necessidade de calagem total      = " + r.field(Edit26) + " t");
    r.rule(83);
}

// One line per body row: the cells of the columns padded to their widths.
void gridRows(Report& r, const Grid& grid, std::initializer_list<std::pair<int, std::size_t>> columns)
{
    for (int row = 1; row < grid.rowCount(); ++row) {
        std::string text;
        for (const auto& [col, width] : columns)
            text += pad(grid.cell(col, row), width);
        r.line(text);
    }
}

void recommendation(Report& r, const WindowState& window)
{
    r.line("Recomendação de Adubação ");
    r.line("Parcela    Epoca         N (kg/ha)        P205 (kg/ha)    K20 (kg/ha)    S(kg/ha)");
    r.rule(83);
    const Grid& table = window.grid(doses::rstga3);
    for (int row = 1; row < table.rowCount(); ++row)
        r.line(pad(table.cell(0, row), 11) + pad(table.cell(1, row), 16) + pad(table.cell(2, row), 16) +
               pad(table.cell(3, row), 16) + pad(cut(table.cell(4, row), 15), 16) +
               cut(table.cell(5, row), 15));
    r.rule(75);
    r.line();
}

void summaries(Report& r, const WindowState& window)
{
    const bool prices = window.isChecked(planning::RadioButton23);
    r.line("Resumo da adubação por parcela ");
    r.rule(94);
    r.line("Parcela   Adubo                         kg/ha        Total (kg)   ");
    r.rule(94);
    gridRows(r, window.grid(planning::RstgaResumoParcela), {{0, 9}, {1, 33}, {2, 13}, {3, 13}});
    r.line();
    r.rule(88);
    r.line();
    r.line("Resumo e Quantitativo ");
    r.rule(94);
    const Grid& total = window.grid(planning::rstgaResumoTotal);
    if (prices) {
        r.line("Item      Adubo                           kg/ha        R$          Total(kg)    Total (R$)");
        r.rule(88);
        gridRows(r, total, {{0, 9}, {1, 33}, {2, 13}, {3, 13}, {4, 13}, {5, 13}});
    } else {
        r.line("Item      Adubo                           kg/ha        Total(kg)    ");
        r.rule(88);
        gridRows(r, total, {{0, 9}, {1, 33}, {2, 13}, {4, 13}});
    }
    r.rule(74);
    if (prices) {
        r.line("Custo da adubação por hectare    R$ " + r.field(planning::Edit44));
        r.line("Custo da adubação na area total  R$ " + r.field(planning::Edit45));
    }
    r.line();
}

void recommendationsText(Report& r, const WindowState& window)
{
    const auto& lines = recommendationLines(window);
    for (std::size_t i = 0; i < lines.size(); ++i)
        r.line((i == 0 ? "" : " ") + lines[i]);
}

} // namespace

std::string textReport(const WindowState& window)
{
    Report r(window);
    producer(r);
    analysis(r);
    crop(r, window);
    limingSection(r);
    recommendation(r, window);
    summaries(r, window);
    recommendationsText(r, window);
    return r.bytes();
}

void BitBtn80Click(WindowState& window)
{
    const std::string bytes = textReport(window);
    std::error_code error;
    const auto path = std::filesystem::absolute(kTextReportName, error);
    if (error)
        throw FileError(std::string(kFileAccessDenied));
    replaceFile(path, bytes);
    window.platform().openDocument(path);
}

} // namespace bulbicalc
