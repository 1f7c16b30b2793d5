#pragma once

#include <string_view>

namespace bulbicalc {

// The 18 cached analysis values and class limits; all 0 at start and set only
// by the handlers that own them.
struct ModuleNumbers {
    double argila = 0;
    double CTC = 0;
    double MO = 0;
    double Al = 0;
    double Ca = 0;
    double Mg = 0;
    double K = 0;
    double P = 0;
    double S = 0;
    double Producao = 0;
    double Lm1P = 0;
    double Lm2P = 0;
    double Lm3P = 0;
    double Lm4P = 0;
    double Lm1K = 0;
    double Lm2K = 0;
    double Lm3K = 0;
    double Lm4K = 0;

    // The number by its name ("argila", "Lm3P"); nullptr for an unknown name.
    double* byName(std::string_view name);
    const double* byName(std::string_view name) const;
};

} // namespace bulbicalc
