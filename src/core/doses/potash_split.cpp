#include "core/app/window_state.h"
#include "core/doses/dose_handlers.h"
#include "core/doses/doses_controls.h"
#include "core/doses/recommendation_table.h"
#include "core/doses/split_grid.h"

namespace bulbicalc {

void UpDown2Click(WindowState& window)
{
    setApplicationCount(window.grid(doses::rstga2), window.control(doses::UpDown2).position);
}

void BitBtn10Click(WindowState& window)
{
    using namespace split_column;
    Grid& potash = window.grid(doses::rstga2);
    const double dose = window.number(doses::Edit19);
    warnUnlessWholeDose(window, splitDose(potash, dose));

    // Each potash application goes to the N parcela with the same timing text,
    // as the N split published it; an application whose timing matches no
    // parcela is not published, and a parcela no application matches keeps
    // its K2O. An application without timing has no parcela: matching it
    // would hand its potash to parcelas that have no timing yet.
    const int parcelas = applicationCount(window.grid(doses::rstga1));
    Grid& table = window.grid(doses::rstga3);
    table.setRowCount(parcelas + 1);
    const int k2o = parcelaViewColumn(Nutrient::K2O);
    for (int q = 1; q <= applicationCount(potash); ++q) {
        const std::string& timing = potash.cell(kTiming, q);
        if (timing.empty())
            continue;
        for (int r = 1; r <= parcelas; ++r)
            if (table.cell(parcela_view::kTiming, r) == timing)
                table.setCell(k2o, r, potash.cell(kKilograms, q));
    }
    for (int p = 1; p <= parcelas; ++p)
        writeRecommendation(window, Nutrient::K2O, p, table.cell(k2o, p));
}

} // namespace bulbicalc
