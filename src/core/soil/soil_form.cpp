#include "core/soil/soil_form.h"

#include "core/app/chart_data.h"
#include "core/app/form_builder.h"
#include "core/app/window_state.h"
#include "core/soil/municipalities.h"
#include "core/soil/soil_controls.h"

#include <string>
#include <utility>

namespace bulbicalc {
namespace {

using namespace soil;

void addDataEntryTab(FormBuilder& b)
{
    b.tab(TabSheet1);
    // Producer.
    b.edit(EdNomeProdutor, "");
    b.add(mkEdCPF, ControlKind::MaskEdit, "   .   .   -  ");
    b.edit(EdLocal, "");
    Control& uf = b.add(CbUF, ControlKind::ComboBox, "SC");
    uf.items = {"RS", "SC", "PR", "outro"};
    uf.itemIndex = 1;
    // Before a state is chosen the municipality box holds its own SC list.
    b.add(CBMuni, ControlKind::ComboBox).items = startupMunicipalities();
    b.edit(EdMatricula, "");
    // Soil analysis.
    b.edits({EdDenomina,  EdLaudo,    EdArgila, EdClasseArgila, EdPH, EdSMP, EdP,   EdClasseP,
             EdK,         EdClasseK,  EdMO,     EdAL,           EdCa, EdMg,  EdHAl, EdCTC,
             EdClasseCTC, EdSatBases, EdS,      EdMn,           EdZn, EdB,   EdCu,  EdFe});
    // Production.
    b.edit(EdProducao, "30");
    b.edit(EdArea, "1,0");
    // Cultivation system.
    b.radio(RadioButton10, "sistema", "Sistema de Transplante", true);
    b.radio(RadioButton11, "sistema", "Sistema de Semeadura Direta");
    b.radio(RadioButton20, "sistema", "Sistema de  Plantio Direto consolidado (>4 anos)");
    // Mehlich-3 conversion.
    b.edits({EdArgila2, EdPm3, EdKm3});
    b.button(BtObs1, "");
    // Files.
    b.button(BitBtn42, "&Abrir Laudo");
    b.button(BitBtn13, "&Salvar Laudo");
}

void addInterpretationOutputs(FormBuilder& b)
{
    b.tab(TabSheet2);
    b.edits({Edit1, Edit3, Edit4, Edit6, Edit7});
    b.edits({Edit42, Edit43, Edit14, Edit46, Edit47, Edit13, Edit32, Edit41});
}

// The Enter chain of the tab: text fields (rule T) and decimal fields (rules
// D and N). H+Al comes between Mg and CTC for Enter.
void addKeyRules(WindowState& window)
{
    const std::pair<std::string_view, std::string_view> textChain[] = {
        {EdNomeProdutor, mkEdCPF}, {mkEdCPF, EdLocal},    {EdLocal, CBMuni},   {CBMuni, EdMatricula},
        {EdMatricula, EdDenomina}, {EdDenomina, EdLaudo}, {EdLaudo, EdArgila},
    };
    for (const auto& [field, next] : textChain)
        window.setKeyRule(field, KeyRule{false, std::string(next), false});
    const std::pair<std::string_view, std::string_view> decimalChain[] = {
        {EdArgila, EdPH},   {EdPH, EdSMP},      {EdSMP, EdP},         {EdP, EdK},
        {EdK, EdMO},        {EdMO, EdAL},       {EdAL, EdCa},         {EdCa, EdMg},
        {EdMg, EdHAl},      {EdHAl, EdCTC},     {EdCTC, EdSatBases},  {EdSatBases, EdS},
        {EdS, EdMn},        {EdMn, EdZn},       {EdZn, EdB},          {EdB, EdCu},
        {EdCu, EdFe},       {EdFe, EdProducao}, {EdProducao, EdArea}, {EdArea, EdDenomina},
        {EdArgila2, EdPm3}, {EdPm3, EdKm3},     {EdKm3, EdMO},
    };
    for (const auto& [field, next] : decimalChain)
        window.setKeyRule(field, KeyRule{true, std::string(next), false});
}

ChartData pieChart()
{
    ChartData chart;
    chart.title = "% Saturação na CTC";
    chart.series.push_back(ChartSeries{SeriesKind::Pie, "", colours::kBlack, {}});
    return chart;
}

ChartData barChart()
{
    ChartData chart;
    chart.legendVisible = true;
    chart.legendAtTop = true;
    chart.vertical = ChartAxis{0, 100, 10, "Saturação na CTC (%)", true, 0, false};
    const std::pair<const char*, Colour> series[] = {
        {"K", colours::kFuchsia},    {"Al", colours::kSilver},     {"Ca", colours::kGreen},
        {"Mg", Colour{128, 255, 0}}, {"H", Colour{128, 128, 255}},
    };
    for (const auto& [title, colour] : series)
        chart.series.push_back(ChartSeries{SeriesKind::Bar, title, colour, {}});
    return chart;
}

} // namespace

void addSoilControls(WindowState& window)
{
    FormBuilder b(window);
    addDataEntryTab(b);
    addInterpretationOutputs(b);
    addKeyRules(window);
    window.addChart(std::string(Chart3), pieChart());
    window.addChart(std::string(Chart2), barChart());
}

void writeMehlichNote(WindowState& window)
{
    window.setText(BtObs1, std::string("Obs: Converte automaticamente para ") + '\r' + "o método  Mehlich-1");
}

} // namespace bulbicalc
