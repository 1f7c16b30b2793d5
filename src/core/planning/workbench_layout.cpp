#include "core/planning/workbench_layout.h"

#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/planning/fertiliser_grid.h"
#include "core/planning/planning_controls.h"

#include <string>
#include <string_view>

namespace bulbicalc {

void layoutParcelaColumns(WindowState& window, int parcelas)
{
    const std::string_view byParcela[] = {doses::rstgaRecomenda, planning::rstgaAplica, doses::RstgaFalta};
    for (std::string_view name : byParcela)
        window.grid(name).setColCount(parcelas + 1);
    Grid& fertilisers = window.grid(planning::rStgaMeusAdubos);
    fertilisers.setColCount(parcelaColumn(parcelas) + 1);
    for (int p = 1; p <= parcelas; ++p) {
        const std::string title = "Par. " + std::to_string(p);
        for (std::string_view name : byParcela)
            window.grid(name).column(p).titleCaption = title;
        // Once the catalogue is transferred the fertiliser grid has no fixed
        // row and shows its row-0 cells, so the heading goes there as well.
        fertilisers.column(parcelaColumn(p)).titleCaption = title;
        fertilisers.setCell(parcelaColumn(p), 0, title);
    }
}

} // namespace bulbicalc
