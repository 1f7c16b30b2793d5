#pragma once

#include <string>

namespace bulbicalc {

class WindowState;

// The target pH of a liming method, chosen by the method's radio buttons.
enum class TargetPh { Ph55, Ph60, Ph65 };

// ---- Rules ----

// The key of the SMP table: the index truncated to tenths, as a whole number
// of tenths (5,3 gives 53; 5,35 and 5,39 give 53; -5,3 gives -53). A value
// with one decimal gives exactly its tenths even when its binary value lies
// just below. Indices beyond ±100 give ±1000, so that no value out of the
// range of an int is ever converted.
int smpKey(double smp);

// The lime need by the SMP table, in t/ha: keys of 44 or less read the first
// row (4,4), keys beyond the end of the column give 0.
double limeNeedBySmp(int key, TargetPh ph);

// The lime need of poorly buffered soils from organic matter (%) and Al
// (cmolc/dm³), in t/ha; a negative result is kept.
double limeNeedPoorlyBuffered(double organicMatter, double al, TargetPh ph);

// The formula shown in Label23 for a target pH.
const char* poorlyBufferedFormula(TargetPh ph);

// The lime need by base saturation: (V2 − V1) × CTC ÷ 100, in t/ha.
double limeNeedByBaseSaturation(double ctc, double v1, double v2);

// The desired base saturation V2, in %, for a target pH.
const char* desiredBaseSaturation(TargetPh ph);

// The need of a commercial lime of the given PRNT (%) for a need at PRNT
// 100 %; a PRNT of 0 raises the division error.
double commercialLimeNeed(double needAtPrnt100, double prnt);

// Calcitic or dolomitic lime from the Ca/Mg relation and the Ca saturation (%).
const char* limeTypeAdvice(double caMgRelation, double caSaturation);

// ---- Handlers of the "Calagem" tab ----

// The SMP lookup: Edit1 into Edit2, by the target pH of RadioButton1..3.
// Nothing happens while Edit1 is empty.
void CalcarioSMP(WindowState& window);
// "&Calcular" of the poorly buffered soils (Edit3, Edit4 into Edit5).
void BitBtn8Click(WindowState& window);
// "&Calcular" of the base saturation (Edit6, Edit7, Edit8 into Edit9).
void BitBtn6Click(WindowState& window);
// "&Calcular" of the PRNT and area correction (Edit10, Edit11, EdArea into
// Edit12 and Edit26).
void BitBtn9Click(WindowState& window);
// The lime-type advice into Edit15, when Edit13 and Edit14 are given.
void LimeTypeAdvice(WindowState& window);

// Registers the handlers of the tab: the SMP lookup on every change of Edit1
// and on its pH buttons, the formula label and V2 on the other pH buttons,
// the three "&Calcular" and three "&Adotar" buttons, and the lime-type
// advice on every change of its eight trigger fields.
void registerLimingHandlers(WindowState& window);

} // namespace bulbicalc
