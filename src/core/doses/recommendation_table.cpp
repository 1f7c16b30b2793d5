#include "core/doses/recommendation_table.h"

#include "core/app/window_state.h"

namespace bulbicalc {

int parcelaViewColumn(Nutrient nutrient)
{
    return static_cast<int>(nutrient) + 1;
}

void writeRecommendation(WindowState& window, Nutrient nutrient, int parcela, const std::string& amount)
{
    const int row = static_cast<int>(nutrient);
    window.grid("rstgaRecomenda").setCell(parcela, row, amount);
    window.grid("RstgaFalta").setCell(parcela, row, amount);
}

void publishFirstParcelaDose(WindowState& window, Nutrient nutrient, const std::string& amount)
{
    window.grid("rstga3").setCell(parcelaViewColumn(nutrient), 1, amount);
    writeRecommendation(window, nutrient, 1, amount);
}

void layoutParcelaColumns(WindowState& window, int parcelas)
{
    constexpr int kFertiliserColumns = 6; // name, N, P, K, S, price
    for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"})
        window.grid(name).setColCount(parcelas + 1);
    Grid& fertilisers = window.grid("rStgaMeusAdubos");
    fertilisers.setColCount(parcelas + kFertiliserColumns);
    for (int p = 1; p <= parcelas; ++p) {
        const std::string title = "Par. " + std::to_string(p);
        for (const char* name : {"rstgaRecomenda", "rstgaAplica", "RstgaFalta"})
            window.grid(name).column(p).titleCaption = title;
        fertilisers.column(p + kFertiliserColumns - 1).titleCaption = title;
    }
}

} // namespace bulbicalc
