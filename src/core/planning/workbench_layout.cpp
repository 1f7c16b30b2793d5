#include "core/planning/workbench_layout.h"

#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/planning/planning_controls.h"

#include <string>
#include <string_view>

namespace bulbicalc {

void layoutParcelaColumns(WindowState& window, int parcelas)
{
    constexpr int kFertiliserColumns = 6; // name, N, P, K, S, price
    const std::string_view byParcela[] = {doses::rstgaRecomenda, planning::rstgaAplica, doses::RstgaFalta};
    for (std::string_view name : byParcela)
        window.grid(name).setColCount(parcelas + 1);
    Grid& fertilisers = window.grid(planning::rStgaMeusAdubos);
    fertilisers.setColCount(parcelas + kFertiliserColumns);
    for (int p = 1; p <= parcelas; ++p) {
        const std::string title = "Par. " + std::to_string(p);
        for (std::string_view name : byParcela)
            window.grid(name).column(p).titleCaption = title;
        fertilisers.column(p + kFertiliserColumns - 1).titleCaption = title;
    }
}

} // namespace bulbicalc
