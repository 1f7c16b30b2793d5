#include "core/doses/doses_form.h"

#include "core/app/form_builder.h"
#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/doses/phosphorus_potassium.h"
#include "core/doses/split_grid.h"
#include "core/doses/split_plan.h"

#include <string>

namespace bulbicalc {

using namespace doses;

namespace {

void addDosesTab(FormBuilder& b)
{
    b.tab(TabSheet3);
    // Nitrogen.
    b.edit(Edit16, "120");
    b.spin(UpDown1, Edit17, 4, 1, 100);
    b.button(BitBtn29, "&Parcelar");
    Grid& n = b.grid(rstga1, 4, 5, 0, 1, repeatedWidths(4, 75));
    n.nextRowAfterReturn = true;
    n.hintsEnabled = true;
    for (int col = 0; col < 4; ++col)
        n.column(col).titleAlignment = Alignment::Center;
    n.column(0).titleColour = colours::kHotLight;
    // Phosphorus and potassium.
    b.edit(Edit18, "80");
    b.button(BtObsP, "");
    b.edit(Edit19, "60");
    b.spin(UpDown2, Edit20, 3, 1, 100);
    b.button(BitBtn10, "&Parcelar");
    b.button(BtObsK, "");
    Grid& k = b.grid(rstga2, 4, 4, 0, 1, repeatedWidths(4, 70));
    k.nextRowAfterReturn = true;
    k.hintsEnabled = true;
    k.rowHeight = 22;
    // Sulphur and micronutrients.
    b.radio(RadioButton21, "solo", "Cambissolos, Argissolos, demais solos arenosos", true);
    b.radio(RadioButton22, "solo", "Latossolos, Nitossolos e demais solos argilosos");
    b.edit(Edit22, "80");
    b.button(BTRZn, "");
    b.button(BTRB, "");
    b.button(BTRMn, "");
}

void addRecommendationTable(FormBuilder& b)
{
    b.tab(TabSheet4);
    Grid& byParcela = b.grid(rstga3, 6, 5, 0, 1, {50, 120, 80, 80, 80, 75});
    byParcela.hintsEnabled = true;
    // The view by nutrient and what is missing sit on the workbench.
    b.tab(TabSheet10);
    for (std::string_view name : {rstgaRecomenda, RstgaFalta}) {
        Grid& g = b.grid(name, 5, 5, 1, 1, {56, 48, 48, 48, 48});
        g.rowHeight = 18;
        g.hintsEnabled = true;
        for (int col = 1; col < 5; ++col)
            g.column(col).alignment = Alignment::Center;
    }
}

// The splits' first columns from a plan: number, timing and share.
void writeSplit(Grid& split, int applications, const char* const* timings, const char* const* shares)
{
    using namespace split_column;
    for (int row = 1; row <= applications; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        split.setCell(kNumber, row, std::to_string(row));
        split.setCell(kTiming, row, timings[i]);
        split.setCell(kPercent, row, shares[i]);
    }
}

} // namespace

void addDosesControls(WindowState& window)
{
    FormBuilder b(window);
    addDosesTab(b);
    addRecommendationTable(b);
    // Dose fields and split-grid editors: rule D only.
    for (std::string_view name : {Edit16, Edit18, Edit19, Edit22, rstga1, rstga2})
        window.setKeyRule(name, KeyRule{true, "", false});
}

void writeNitrogenSplitDefaults(WindowState& window)
{
    Grid& g = window.grid(rstga1);
    setColumnTitles(g, {"Parcela", "Época", "Quant.(%)", "Quant.(kg)"});
    writeSplit(g, kTransplantPlan.applications, kTransplantPlan.timings.data(),
               kTransplantPlan.percents.data());
}

void writePotashSplitDefaults(WindowState& window)
{
    Grid& g = window.grid(rstga2);
    setColumnTitles(g, {"Parcela", "Época", "Quant.(%)", "Quant.(kg)"});
    writeSplit(g, 3, kTransplantPlan.potashTimings.data(), kThreeApplicationPotashShares.data());
}

void writeRecommendationHeadings(WindowState& window)
{
    Grid& g = window.grid(rstga3);
    setColumnTitles(g, {"Parcela", "Época", "N (kg/ha)", "P2O5 (kg/ha)", "K2O (kg/ha)", "S (kg/ha)"});
    int col = 0;
    for (int width : {50, 120, 80, 80, 80, 75})
        g.column(col++).width = width;
}

} // namespace bulbicalc
