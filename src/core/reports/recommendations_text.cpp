#include "core/reports/recommendations_text.h"

#include "core/app/window_state.h"
#include "core/doses/doses_controls.h"
#include "core/liming/liming_controls.h"
#include "core/reports/reports_controls.h"

#include <string_view>
#include <utility>

namespace bulbicalc {

void BitBtn12Click(WindowState& window)
{
    // From the second line on the prefixes are 30 characters long, so that
    // the advice texts start in one column.
    const std::pair<const char*, std::string_view> lines[] = {
        {"Sobre a calagem: Aplicar calcário a lanço e incorporar na camada de 0 a 20 cm. ", liming::Edit15},
        {"Sobre a adubação de Fósforo : ", doses::BtObsP},
        {"Sobre a adubação de Potássio: ", doses::BtObsK},
        {"Sobre a adubação de Zinco:  : ", doses::BTRZn},
        {"Sobre a adubação de Boro    : ", doses::BTRB},
        {"Sobre a adubação de Manganes: ", doses::BTRMn},
    };
    auto& text = window.control(reports::Memo3).items;
    for (const auto& [prefix, source] : lines)
        text.push_back(prefix + window.text(source));
}

void BitBtn11Click(WindowState& window)
{
    window.control(reports::Memo3).items.clear();
}

void resetRecommendationsText(WindowState& window)
{
    window.control(reports::Memo3).items = {kRecommendationsHeading};
}

const std::vector<std::string>& recommendationLines(const WindowState& window)
{
    return window.control(reports::Memo3).items;
}

} // namespace bulbicalc
