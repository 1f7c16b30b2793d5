#pragma once

#include <string_view>

// The controls of the soil analysis: the record typed on "Entrada de dados",
// the outputs of its interpretation (some of which sit on "Calagem", where the
// liming methods read them) and its two charts.
namespace bulbicalc::soil {

inline constexpr std::string_view TabSheet1 = "TabSheet1"; // "Entrada de dados"
inline constexpr std::string_view TabSheet2 = "TabSheet2"; // "Calagem"

// Producer.
inline constexpr std::string_view EdNomeProdutor = "EdNomeProdutor"; // producer's name
inline constexpr std::string_view mkEdCPF = "mkEdCPF";               // CPF, masked "999.999.999-99"
inline constexpr std::string_view EdLocal = "EdLocal";               // locality
inline constexpr std::string_view CbUF = "CbUF";                     // state: "RS", "SC", "PR", "outro"
inline constexpr std::string_view CBMuni = "CBMuni";                 // municipality
inline constexpr std::string_view EdMatricula = "EdMatricula";       // registration

// Soil analysis.
inline constexpr std::string_view EdDenomina = "EdDenomina";         // plot name
inline constexpr std::string_view EdLaudo = "EdLaudo";               // report number
inline constexpr std::string_view EdArgila = "EdArgila";             // clay, %
inline constexpr std::string_view EdClasseArgila = "EdClasseArgila"; // clay class (output)
inline constexpr std::string_view EdPH = "EdPH";                     // pH in water
inline constexpr std::string_view EdSMP = "EdSMP";                   // SMP index
inline constexpr std::string_view EdP = "EdP";                       // P, mg/dm³ (Mehlich-1)
inline constexpr std::string_view EdClasseP = "EdClasseP";           // P class, written by the doses
inline constexpr std::string_view EdK = "EdK";                       // K, mg/dm³ (Mehlich-1)
inline constexpr std::string_view EdClasseK = "EdClasseK";           // K class, written by the doses
inline constexpr std::string_view EdMO = "EdMO";                     // organic matter, %
inline constexpr std::string_view EdAL = "EdAL";                     // Al, cmolc/dm³
inline constexpr std::string_view EdCa = "EdCa";                     // Ca, cmolc/dm³
inline constexpr std::string_view EdMg = "EdMg";                     // Mg, cmolc/dm³
inline constexpr std::string_view EdHAl = "EdHAl";                   // H+Al, cmolc/dm³
inline constexpr std::string_view EdCTC = "EdCTC";                   // CTC, cmolc/dm³
inline constexpr std::string_view EdClasseCTC = "EdClasseCTC";       // CTC class (output)
inline constexpr std::string_view EdSatBases = "EdSatBases";         // base saturation V, %
inline constexpr std::string_view EdS = "EdS";                       // S, mg/dm³
inline constexpr std::string_view EdMn = "EdMn";                     // Mn, mg/dm³
inline constexpr std::string_view EdZn = "EdZn";                     // Zn, mg/dm³
inline constexpr std::string_view EdB = "EdB";                       // B, mg/dm³
inline constexpr std::string_view EdCu = "EdCu";                     // Cu, mg/dm³
inline constexpr std::string_view EdFe = "EdFe";                     // Fe, mg/dm³

// Production.
inline constexpr std::string_view EdProducao = "EdProducao"; // expected yield, t/ha
inline constexpr std::string_view EdArea = "EdArea";         // area, ha

// Cultivation system: one of three radio buttons.
inline constexpr std::string_view RadioButton10 = "RadioButton10"; // transplant
inline constexpr std::string_view RadioButton11 = "RadioButton11"; // direct seeding
inline constexpr std::string_view RadioButton20 = "RadioButton20"; // consolidated no-till

// Mehlich-3 conversion.
inline constexpr std::string_view EdArgila2 = "EdArgila2"; // clay of the P conversion (copy of EdArgila)
inline constexpr std::string_view EdPm3 = "EdPm3";         // P by Mehlich-3
inline constexpr std::string_view EdKm3 = "EdKm3";         // K by Mehlich-3
inline constexpr std::string_view BtObs1 = "BtObs1";       // the note on the conversion

// Files.
inline constexpr std::string_view BitBtn42 = "BitBtn42"; // "&Abrir Laudo"
inline constexpr std::string_view BitBtn13 = "BitBtn13"; // "&Salvar Laudo"

// Interpretation outputs on "Calagem": the shares of the CTC, in %.
inline constexpr std::string_view Edit42 = "Edit42"; // K saturation
inline constexpr std::string_view Edit43 = "Edit43"; // Al saturation
inline constexpr std::string_view Edit14 = "Edit14"; // Ca saturation
inline constexpr std::string_view Edit46 = "Edit46"; // Mg saturation
inline constexpr std::string_view Edit47 = "Edit47"; // H saturation
// The relations.
inline constexpr std::string_view Edit13 = "Edit13"; // Ca/Mg
inline constexpr std::string_view Edit32 = "Edit32"; // Ca/K
inline constexpr std::string_view Edit41 = "Edit41"; // Mg/K
// Copies of analysis values that the liming methods start from.
inline constexpr std::string_view Edit1 = "Edit1"; // SMP index (copy of EdSMP)
inline constexpr std::string_view Edit3 = "Edit3"; // organic matter (copy of EdMO)
inline constexpr std::string_view Edit4 = "Edit4"; // Al (copy of EdAL)
inline constexpr std::string_view Edit6 = "Edit6"; // CTC (copy of EdCTC)
inline constexpr std::string_view Edit7 = "Edit7"; // base saturation V1 (copy of EdSatBases)

// Charts.
inline constexpr std::string_view Chart3 = "Chart3"; // pie of the saturations, "Entrada de dados"
inline constexpr std::string_view Chart2 = "Chart2"; // bars of the saturations, "Calagem"

} // namespace bulbicalc::soil
