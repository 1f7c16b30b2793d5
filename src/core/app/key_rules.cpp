#include "core/app/key_rules.h"

#include "core/app/number_text.h"

#include <array>

namespace bulbicalc {
namespace {

struct Entry {
    std::string_view field;
    bool decimal;
    std::string_view next;
    bool enterAction = false;
};

// The Enter chain: text fields (rule T) and decimal fields (rules D and N).
constexpr std::array kRules = {
    Entry{"EdNomeProdutor", false, "mkEdCPF"},
    Entry{"mkEdCPF", false, "EdLocal"},
    Entry{"EdLocal", false, "CBMuni"},
    Entry{"CBMuni", false, "EdMatricula"},
    Entry{"EdMatricula", false, "EdDenomina"},
    Entry{"EdDenomina", false, "EdLaudo"},
    Entry{"EdLaudo", false, "EdArgila"},
    Entry{"EdArgila", true, "EdPH"},
    Entry{"EdPH", true, "EdSMP"},
    Entry{"EdSMP", true, "EdP"},
    Entry{"EdP", true, "EdK"},
    Entry{"EdK", true, "EdMO"},
    Entry{"EdMO", true, "EdAL"},
    Entry{"EdAL", true, "EdCa"},
    Entry{"EdCa", true, "EdMg"},
    Entry{"EdMg", true, "EdHAl"},
    Entry{"EdHAl", true, "EdCTC"},
    Entry{"EdCTC", true, "EdSatBases"},
    Entry{"EdSatBases", true, "EdS"},
    Entry{"EdS", true, "EdMn"},
    Entry{"EdMn", true, "EdZn"},
    Entry{"EdZn", true, "EdB"},
    Entry{"EdB", true, "EdCu"},
    Entry{"EdCu", true, "EdFe"},
    Entry{"EdFe", true, "EdProducao"},
    Entry{"EdProducao", true, "EdArea"},
    Entry{"EdArea", true, "EdDenomina"},
    Entry{"EdArgila2", true, "EdPm3"},
    Entry{"EdPm3", true, "EdKm3"},
    Entry{"EdKm3", true, "EdMO"},
    // Dose fields and split-grid editors: rule D only.
    Entry{"Edit16", true, ""},
    Entry{"Edit18", true, ""},
    Entry{"Edit19", true, ""},
    Entry{"Edit22", true, ""},
    Entry{"rstga1", true, ""},
    Entry{"rstga2", true, ""},
    // The fertiliser grid's editor: Enter recomputes the column (rule E).
    Entry{"rStgaMeusAdubos", false, "", true},
};

} // namespace

std::optional<KeyRule> keyRuleOf(std::string_view control)
{
    for (const auto& entry : kRules)
        if (entry.field == control)
            return KeyRule{entry.decimal, std::string(entry.next), entry.enterAction};
    return std::nullopt;
}

char32_t applyDecimalRule(char32_t key)
{
    return key == U'.' || key == U',' ? static_cast<char32_t>(kDecimalSeparator) : key;
}

std::string defaultButtonOfTab(std::string_view tab)
{
    if (tab == "TabSheet2")
        return "BitBtn6";
    if (tab == "TabSheet10")
        return "BitBtn97";
    return {};
}

} // namespace bulbicalc
