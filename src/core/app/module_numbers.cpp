#include "core/app/module_numbers.h"

#include <utility>

namespace bulbicalc {

double* ModuleNumbers::byName(std::string_view name)
{
    const std::pair<std::string_view, double*> table[] = {
        {"argila", &argila}, {"CTC", &CTC},   {"MO", &MO},     {"Al", &Al},     {"Ca", &Ca},
        {"Mg", &Mg},         {"K", &K},       {"P", &P},       {"S", &S},       {"Producao", &Producao},
        {"Lm1P", &Lm1P},     {"Lm2P", &Lm2P}, {"Lm3P", &Lm3P}, {"Lm4P", &Lm4P}, {"Lm1K", &Lm1K},
        {"Lm2K", &Lm2K},     {"Lm3K", &Lm3K}, {"Lm4K", &Lm4K},
    };
    for (const auto& [key, value] : table)
        if (key == name)
            return value;
    return nullptr;
}

const double* ModuleNumbers::byName(std::string_view name) const
{
    return const_cast<ModuleNumbers*>(this)->byName(name);
}

} // namespace bulbicalc
