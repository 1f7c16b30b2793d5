#include "core/planning/planning_form.h"

#include "core/app/form_builder.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/planning/planning_controls.h"

namespace bulbicalc {

using namespace planning;

namespace {

void addWorkbenchTab(FormBuilder& b)
{
    b.tab(TabSheet10);
    Grid& applied = b.grid(rstgaAplica, 5, 5, 1, 1, {60, 50, 50, 50, 50});
    applied.rowHeight = 18;
    applied.hintsEnabled = true;

    Grid& mine = b.grid(rStgaMeusAdubos, 11, 5, 1, 1, {180, 30, 30, 30, 30, 50, 50, 50, 50, 50, 90});
    mine.nextRowAfterReturn = true;
    mine.hintsEnabled = true;
    setColumnTitles(mine,
                    {"Adubo", "N", "P", "K", "S", "RS/kg", "Par 1", "Par 2", "Parc 3", "Par 4", "Par 5"});

    b.spin(UpDown4, Edit31, 1, 1, 100);
    b.button(BitBtn97, "&Limpar a parcela");
    b.button(BitBtn111, "&Limpar todas parcelas");
    b.button(BtOtimizarParcela, "&Otimizar a parcela");
    b.button(BtOtimizarTodas, "Otimizar &todas parcelas");
    b.add(CkSacosInteiros, ControlKind::CheckBox, "Arredondar para sacos inteiros");
    b.label(LabelOtimizacao, "");

    Grid& perParcela = b.grid(RstgaResumoParcela, 4, 5, 1, 1, {45, 180, 60, 80});
    perParcela.editing = false;
    perParcela.rowHeight = 20;
    perParcela.hintsEnabled = true;
    setColumnTitles(perParcela, {"Parcela", "Adubo", "Kg/ha", "total (Kg)"});
    perParcela.column(0).alignment = Alignment::Center;
    perParcela.column(2).alignment = Alignment::Right;
    perParcela.column(3).alignment = Alignment::Right;

    Grid& total = b.grid(rstgaResumoTotal, 6, 5, 1, 1, {35, 180, 60, 80, 90, 90});
    total.editing = false;
    total.rowHeight = 20;
    setColumnTitles(total, {"Item", "Adubo", "kg/ha", "RS/ha", "Total (kg)", "Total (R$)"});
    total.column(0).alignment = Alignment::Center;
    for (int col = 2; col < 6; ++col)
        total.column(col).alignment = Alignment::Right;

    b.edits({Edit44, Edit45});
    // The price display hides the cost fields with their labels.
    b.label(LabelCustoHa, "Custo por ha (R$)");
    b.label(LabelCustoArea, "Custo na área total (R$)");
    b.radio(RadioButton23, "preco", "Exibir", true);
    b.radio(RadioButton24, "preco", "Ocultar");
}

void addSelectionTab(FormBuilder& b)
{
    b.tab(TabSheet9);
    b.grid(StgaAdubos, 6, 2, 0, 1, {200, 64, 64, 64, 64, 64});
    b.add(rCheckListBox1, ControlKind::CheckListBox);
}

} // namespace

void addPlanningControls(WindowState& window)
{
    FormBuilder b(window);
    addWorkbenchTab(b);
    addSelectionTab(b);
    // The fertiliser grid's editor: Enter recomputes the column (rule E).
    window.setKeyRule(rStgaMeusAdubos, KeyRule{false, "", true});
    window.setDefaultButton(TabSheet10, BitBtn97);
}

void writeCatalogueHeadings(WindowState& window)
{
    Grid& g = window.grid(StgaAdubos);
    writeRow(g, 0, {"Adubo", "N(%)", "P2O5(%)", "K2O(%)", "S(%)", "R$"});
    g.column(0).width = 200;
}

void writeWorkbenchHeadings(WindowState& window)
{
    for (std::string_view name : {doses::rstgaRecomenda, rstgaAplica, doses::RstgaFalta}) {
        Grid& g = window.grid(name);
        setColumnTitles(g, {"Nutriente", "Par. 1", "Par. 2", "Par. 3", "Par. 4"});
        writeColumn(g, 0, {"N", "P2O5", "K2O", "S"});
    }
}

void writeFertiliserGridHeadings(WindowState& window)
{
    writeRow(window.grid(rStgaMeusAdubos), 0,
             {"Adubo", "N", "P", "K", "S", "R$/Kg", "Par 1", "Par 2", "Par 3", "Par 4"});
}

void writeAppliedZeros(WindowState& window)
{
    Grid& g = window.grid(rstgaAplica);
    for (int col = 1; col <= 4; ++col)
        for (int row = 1; row <= 4; ++row)
            g.setCell(col, row, "0,0");
}

} // namespace bulbicalc
