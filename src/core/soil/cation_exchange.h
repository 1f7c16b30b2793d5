#pragma once

namespace bulbicalc {

class WindowState;

// How the CTC is shared among K, Al, Ca, Mg and H, and the Ca/Mg, Ca/K and
// Mg/K relations. Ca, Mg, Al, H+Al and CTC are in cmolc/dm³; K is given in
// mg/dm³ and converted (391 mg/dm³ per cmolc/dm³). A zero divisor raises the
// division error.
inline constexpr double kPotassiumMgPerCmol = 391;

// ---- Rules ----

// K in cmolc/dm³ from K in mg/dm³.
double potassiumCmol(double kMg);
// The share of the CTC held by `amount`, in %.
double saturation(double amount, double ctc);
double potassiumSaturation(double kMg, double ctc);
// H is H+Al minus Al.
double hydrogenSaturation(double hAl, double al, double ctc);
double caMgRelation(double ca, double mg);
double caKRelation(double ca, double kMg);
double mgKRelation(double mg, double kMg);

// ---- Writing the outputs on "Calagem" ----
// Saturations with one decimal, relations with two; the H saturation with
// the pattern it is given ("0.0" or "0.00"). Writing a field runs its change
// handler (the lime-type advice).

void writeCaSaturation(WindowState& window, double ca, double ctc);
void writeMgSaturation(WindowState& window, double mg, double ctc);
void writeAlSaturation(WindowState& window, double al, double ctc);
void writeKSaturation(WindowState& window, double kMg, double ctc);
void writeHSaturation(WindowState& window, double hAl, double al, double ctc, const char* pattern);

void writeCaMgRelation(WindowState& window, double ca, double mg);
void writeCaKRelation(WindowState& window, double ca, double kMg);
void writeMgKRelation(WindowState& window, double mg, double kMg);

} // namespace bulbicalc
