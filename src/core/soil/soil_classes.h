#pragma once

namespace bulbicalc {

// Clay class from the clay content in %: "Classe 1" (60 or more) to
// "Classe 4" (20 or less).
const char* clayClass(double clay);

// CTC class from the CTC in cmolc/dm³: "Baixa" (up to 7,5), "Média" (up to
// 15), "Alta" (up to 30) and "Muito alta".
const char* ctcClass(double ctc);

// Mehlich-3 results converted to Mehlich-1, in mg/dm³. The P conversion
// depends on the clay content in %; a clay of 100 makes its divisor zero and
// raises the division error.
double mehlich1Phosphorus(double pMehlich3, double clay);
double mehlich1Potassium(double kMehlich3);

} // namespace bulbicalc
