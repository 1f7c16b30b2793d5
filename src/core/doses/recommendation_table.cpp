#include "core/doses/recommendation_table.h"

#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"

namespace bulbicalc {

int parcelaViewColumn(Nutrient nutrient)
{
    return static_cast<int>(nutrient) + 1;
}

void writeRecommendation(WindowState& window, Nutrient nutrient, int parcela, const std::string& amount)
{
    const int row = static_cast<int>(nutrient);
    window.grid(doses::rstgaRecomenda).setCell(parcela, row, amount);
    window.grid(doses::RstgaFalta).setCell(parcela, row, amount);
}

void publishFirstParcelaDose(WindowState& window, Nutrient nutrient, const std::string& amount)
{
    window.grid(doses::rstga3).setCell(parcelaViewColumn(nutrient), 1, amount);
    writeRecommendation(window, nutrient, 1, amount);
}

} // namespace bulbicalc
