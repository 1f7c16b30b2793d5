#pragma once

#include <array>
#include <string>
#include <vector>

namespace bulbicalc {

// The classes of a P or K content.
enum class NutrientClass { VeryLow, Low, Medium, High, VeryHigh };

// "Muito baixo", "Baixo", "Médio", "Alto", "Muito alto".
const char* nutrientClassName(NutrientClass nutrientClass);

// Upper limits of the classes "Muito baixo", "Baixo", "Médio" and "Alto", in
// mg/dm³; above the fourth the content is "Muito alto".
using ClassLimits = std::array<double, 4>;

// P limits by clay (%): four bands, 60 belonging to the first.
ClassLimits phosphorusLimits(double clay);
// K limits by CTC (cmolc/dm³): four bands, 7,5 belonging to the first.
ClassLimits potassiumLimits(double ctc);

// The class of a content: the first class whose limit it does not exceed.
NutrientClass nutrientClass(double content, const ClassLimits& limits);

// The doses add 3 kg/ha for every t/ha of yield above 30, also to a zero
// dose; a lower yield never lowers them.
double yieldCorrected(double dose, double yield);

// The P2O5 dose in kg/ha: 280, 200, 160, 120 or 80 by class, none for a content
// above three times the limit of "Médio", then the yield correction.
double phosphateDose(double phosphorus, const ClassLimits& limits, double yield);
// The K2O dose in kg/ha: 210, 150, 120, 90 or 60 by class, the same rules.
double potashDose(double potassium, const ClassLimits& limits, double yield);

// How to apply a P2O5 dose: all at once up to 120 kg/ha, else half broadcast
// and half in the planting row.
const char* phosphateAdvice(double dose);

// The potash split proposed for a K2O dose: three applications (50, 25 and
// 25 %) from 120 kg/ha on, else one; with its advice.
struct PotashSplitProposal {
    int applications;
    std::vector<std::string> shares; // percent of the dose, one per application
    const char* advice;
};
PotashSplitProposal proposedPotashSplit(double dose);

// The shares of the three-application potash split, as the grid shows them
// at start-up and whenever that split is proposed.
inline constexpr std::array<const char*, 3> kThreeApplicationPotashShares = {"50", "25", "25"};

} // namespace bulbicalc
