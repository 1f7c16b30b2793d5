#pragma once

namespace bulbicalc {

class WindowState;

// How the CTC is shared among K, Al, Ca, Mg and H, and the Ca/Mg, Ca/K and
// Mg/K relations, written to their fields on the liming tab. Ca, Mg, Al, H+Al
// and CTC are in cmolc/dm³; K is given in mg/dm³ and converted (391 mg/dm³
// per cmolc/dm³). A zero divisor raises the division error.
inline constexpr double kPotassiumMgPerCmol = 391;

void writeCaSaturation(WindowState& window, double ca, double ctc);
void writeMgSaturation(WindowState& window, double mg, double ctc);
void writeAlSaturation(WindowState& window, double al, double ctc);
void writeKSaturation(WindowState& window, double kMg, double ctc);
// H is H+Al minus Al; the pattern is "0.0" or "0.00".
void writeHSaturation(WindowState& window, double hAl, double al, double ctc, const char* pattern);

void writeCaMgRelation(WindowState& window, double ca, double mg);
void writeCaKRelation(WindowState& window, double ca, double kMg);
void writeMgKRelation(WindowState& window, double mg, double kMg);

} // namespace bulbicalc
