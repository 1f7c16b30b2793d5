// The PDF report's variables and its page built from the template.
#include "core/reports/pdf_report.h"
#include "reports_window.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace bulbicalc {
namespace {

using test::ReportsWindow;

const Date kToday{2024, 3, 7};

std::map<std::string, std::string> variablesOf(const WindowState& window)
{
    std::map<std::string, std::string> map;
    for (const ReportVariable& v : pdfReportVariables(window, kToday))
        map[v.name] = v.value;
    return map;
}

TEST(PdfReportVariables, All172AreSetEveryTimeInTheirOrder)
{
    ReportsWindow t;
    const auto variables = pdfReportVariables(t.window, kToday);
    ASSERT_EQ(variables.size(), 172u);
    std::set<std::string> names;
    for (const auto& v : variables)
        names.insert(v.name);
    EXPECT_EQ(names.size(), 172u);
    EXPECT_EQ(variables.front().name, "PRODUTOR");
    EXPECT_EQ(variables[30].name, "Tcalc");
    EXPECT_EQ(variables[31].name, "P1");
    EXPECT_EQ(variables[37].name, "P2");
    EXPECT_EQ(variables[79].name, "par1");
    EXPECT_EQ(variables[127].name, "It1");
    EXPECT_EQ(variables[169].name, "Recomenda");
    EXPECT_EQ(variables.back().name, "Resp");
}

struct VariableCase {
    const char* name;
    const char* value;
};

TEST(PdfReportVariables, AWholeRecommendationWithPricesShown)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    const auto v = variablesOf(t.window);
    const VariableCase cases[] = {
        {"PRODUTOR", "João da Silva"},
        {"CPF", "123.456.789-09"},
        {"LOCAL", "Linha Bela Vista"},
        {"MUNI", "Ituporanga"},
        {"UF", "SC"},
        {"Matricula", "4512"},
        {"LAUDO", "2024/0815"},
        {"ARG", "35"},
        {"PH", "5,4"},
        {"SMP", "5,6"},
        {"P", "8,5"},
        {"K", "96"},
        {"MO", "3,2"},
        {"AL", "0,4"},
        {"CA", "4,1"},
        {"MG", "1,6"},
        {"CTC", "11,45"},
        {"SATB", "52"},
        {"S", "6,5"},
        {"Mn", "12"},
        {"Zn", "1,2"},
        {"B", "0,3"},
        {"Cu", "0,8"},
        {"Fe", "45"},
        {"TIPOCULTIVO", "Sistema de transplante"},
        {"RENDIMENTO", "40"},
        {"area", "2,5"},
        {"QuantCal", "5,4"},
        {"PRNT", "75"},
        {"CalcComer", "7,200"},
        {"Tcalc", "18,000"},
        // The table by parcela: four parcelas, rows 5 to 8 empty.
        {"P1", "1"},
        {"Epc1", "Plantio"},
        {"N1", "21"},
        {"F1", "230"},
        {"K1", "60"},
        {"S1", "60,0"},
        {"Epc2", "35"},
        {"K2", ""},
        {"F2", ""},
        {"N3", "49"},
        {"K3", "30"},
        {"P4", "4"},
        {"K4", "30"},
        {"P5", ""},
        {"Epc8", ""},
        // Eight fertilisers per parcela, rows 9 to 12 empty.
        {"par1", "1"},
        {"Ad1", "Superfosfato triplo"},
        {"q1", "500,0"},
        {"qt1", "1250,0"},
        {"Ad8", "Ureia"},
        {"qt8", "194,5"},
        {"par9", ""},
        {"Ad12", ""},
        // Three fertilisers in all, with their prices.
        {"It1", "1"},
        {"Tipo1", "Superfosfato triplo"},
        {"D1", "500,0"},
        {"r1", "1400,00"},
        {"Tt1", "1250,0"},
        {"rt1", "3500,00"},
        {"Tipo3", "Ureia"},
        {"rt3", "2295,10"},
        {"It4", ""},
        {"rt7", ""},
        {"Data", "07/03/2024"},
        {"Resp", "Eng. Agr. Maria Souza CREA-SC 12345"},
    };
    for (const auto& [name, value] : cases) {
        ASSERT_TRUE(v.contains(name)) << name;
        EXPECT_EQ(v.at(name), value) << name;
    }
    // The recommendations text whole, its lines separated by CR LF.
    const std::string& text = v.at("Recomenda");
    EXPECT_EQ(text.substr(0, 17), "Recomendações\r\n");
    EXPECT_NE(text.find("\r\nSobre a adubação de Manganes: "), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
}

TEST(PdfReportVariables, PricesHiddenLeaveOnlyThePricesEmpty)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    test::fillWorkbenchSummaries(t.window);
    t.window.click("RadioButton24");
    const auto v = variablesOf(t.window);
    for (int row = 1; row <= 3; ++row) {
        const std::string n = std::to_string(row);
        EXPECT_EQ(v.at("r" + n), "") << row;
        EXPECT_EQ(v.at("rt" + n), "") << row;
        EXPECT_NE(v.at("Tt" + n), "") << row;
        EXPECT_NE(v.at("D" + n), "") << row;
    }
    EXPECT_EQ(v.at("Tipo2"), "Cloreto de potássio");
}

TEST(PdfReportVariables, EachSystemAndAnEmptyRecommendationsText)
{
    ReportsWindow t;
    EXPECT_EQ(variablesOf(t.window).at("TIPOCULTIVO"), "Sistema de transplante");
    t.window.click("RadioButton11");
    EXPECT_EQ(variablesOf(t.window).at("TIPOCULTIVO"), "Sistema de Semeadura direta");
    // Not direct seeding: consolidated no-till has its own N dose.
    t.window.click("RadioButton20");
    EXPECT_EQ(variablesOf(t.window).at("TIPOCULTIVO"), "Plantio Direto Consolidado");
    EXPECT_EQ(variablesOf(t.window).at("Recomenda"), "Recomendações");
    t.window.click("BitBtn11");
    EXPECT_EQ(variablesOf(t.window).at("Recomenda"), "");
}

TEST(PdfReportVariables, GridRowsBeyondThePageAreNotShownAndApostrophesStay)
{
    ReportsWindow t;
    t.window.type("EdNomeProdutor", "Ana D'Ávila 'Nena'");
    Grid& total = t.window.grid("rstgaResumoTotal");
    total.setRowCount(10);
    for (int row = 1; row < 10; ++row)
        total.setCell(1, row, "Adubo " + std::to_string(row));
    const auto variables = pdfReportVariables(t.window, kToday);
    const auto v = variablesOf(t.window);
    EXPECT_EQ(v.at("PRODUTOR"), "Ana D'Ávila 'Nena'");
    EXPECT_EQ(v.at("Tipo7"), "Adubo 7");
    EXPECT_FALSE(v.contains("Tipo8"));
    // The start-up table by parcela has four empty rows.
    EXPECT_EQ(v.at("Epc1"), "");
    EXPECT_EQ(*findVariable(variables, "tcalc"), "");
    EXPECT_EQ(findVariable(variables, "TCALC"), findVariable(variables, "Tcalc"));
    EXPECT_EQ(findVariable(variables, "nothing"), nullptr);
}

const PageText* textAt(const PrintedPage& page, double x, double y)
{
    for (const PageText& t : page.texts)
        if (std::abs(t.x - x) < 1e-9 && std::abs(t.y - y) < 1e-9)
            return &t;
    return nullptr;
}

TEST(PdfReportPage, TheTemplateWithItsVariablesOnTheA4Paper)
{
    const std::vector<ReportVariable> variables = {{"PRODUTOR", "Fulano [ARG] de Tal"},
                                                   {"area", "2,5"},
                                                   {"Tcalc", "18,000"},
                                                   {"N1", "21"},
                                                   {"Matricula", "77"},
                                                   {"CPF", ""}};
    const PrintedPage page = pdfReportPage(variables, "/logo.png");
    EXPECT_EQ(page.width, 210);
    EXPECT_EQ(page.height, 297);
    EXPECT_EQ(page.fontFamily, "Arial");
    EXPECT_EQ(page.documentName, "Recomendacao");
    // Positions are measured from the printable area, 10 mm in.
    const PageText* producer = textAt(page, 44.0, 34.2);
    ASSERT_TRUE(producer);
    // A value is shown as it is: brackets inside it are not variables.
    EXPECT_EQ(producer->text, "Fulano [ARG] de Tal");
    EXPECT_FALSE(producer->singleLine);
    // Variable names match whatever their letter case.
    EXPECT_EQ(textAt(page, 186.0, 70.6)->text, "2,5");
    EXPECT_EQ(textAt(page, 185.0, 81.8)->text, "18,000");
    EXPECT_EQ(textAt(page, 164.0, 47.0)->text, "77");
    const PageText* n1 = textAt(page, 40.8, 100.7);
    ASSERT_TRUE(n1);
    EXPECT_EQ(n1->text, "21");
    EXPECT_EQ(n1->height, 4);
    // An unset variable leaves its box blank.
    EXPECT_EQ(textAt(page, 156.0, 34.2)->text, "");
    const PageText* title = textAt(page, 50.0, 11.0);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text, "Programa Bulbicalc - Versão 1.0 {em Testes}");
    EXPECT_EQ(title->pointSize, 12);
    EXPECT_TRUE(title->bold);
    EXPECT_TRUE(title->singleLine);
    const PageText* kgha = textAt(page, 170.0, 93.0);
    ASSERT_TRUE(kgha);
    EXPECT_TRUE(kgha->alignRight);
    EXPECT_TRUE(kgha->bold);
    const PageText* recommendations = textAt(page, 12.0, 207.0);
    ASSERT_TRUE(recommendations);
    EXPECT_EQ(recommendations->width, 184);
    EXPECT_EQ(recommendations->height, 59);
    ASSERT_EQ(page.pictures.size(), 1u);
    EXPECT_EQ(page.pictures[0].x, 13);
    EXPECT_EQ(page.pictures[0].y, 10);
    EXPECT_EQ(page.pictures[0].width, 25);
    EXPECT_EQ(page.pictures[0].height, 22);
    EXPECT_EQ(page.pictures[0].file, "/logo.png");
}

TEST(PdfReportPage, EveryVariableHasItsBoxAndEveryBoxItsVariable)
{
    ReportsWindow t;
    const auto variables = pdfReportVariables(t.window, kToday);
    std::set<std::string> boxes;
    for (const TemplateText& text : pdfTemplateTexts())
        if (text.text.front() == '[')
            boxes.insert(text.text.substr(1, text.text.size() - 2));
    EXPECT_EQ(boxes.size(), 172u);
    for (const std::string& box : boxes)
        EXPECT_TRUE(findVariable(variables, box)) << box;
}

TEST(PdfReportPage, TheRulesOfTheTemplate)
{
    const PrintedPage page = pdfReportPage({}, {});
    ASSERT_EQ(page.lines.size(), 15u);
    // The vertical rule between the two tables, and the one that begins to
    // the left of the printable area.
    bool vertical = false;
    bool leftOfTheArea = false;
    for (const PageLine& l : page.lines) {
        vertical = vertical || (l.x1 == 100 && l.x2 == 100 && l.y1 == 90 && l.y2 == 154);
        leftOfTheArea =
            leftOfTheArea || (std::abs(l.x1 + 21.9) < 1e-9 && std::abs(l.x2 - 164.1) < 1e-9 && l.y1 == 168);
    }
    EXPECT_TRUE(vertical);
    EXPECT_TRUE(leftOfTheArea);
}

TEST(PdfReportPreview, TheButtonShowsThePageAndChangesNothing)
{
    ReportsWindow t;
    test::enterFullRecommendation(t);
    t.platform.todayDate = kToday;
    const std::string before = t.window.text("Edit12");
    t.window.click("BitBtn105");
    ASSERT_EQ(t.platform.previewedPages.size(), 1u);
    const PrintedPage& page = t.platform.previewedPages.front();
    EXPECT_EQ(page.documentName, "Recomendacao");
    EXPECT_EQ(textAt(page, 158.0, 275.0)->text, "07/03/2024");
    EXPECT_EQ(page.pictures.front().file, t.window.dataDir() / "Imagens" / "logo_bulbicalc.png");
    EXPECT_EQ(t.window.text("Edit12"), before);
    EXPECT_TRUE(t.platform.openedDocuments.empty());
}

} // namespace
} // namespace bulbicalc
