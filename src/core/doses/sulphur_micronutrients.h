#pragma once

namespace bulbicalc {

// The soil group of the S dose (RadioButton21, RadioButton22).
enum class SoilGroup { Sandy, Clayey };

// The S dose in kg/ha by soil group and S content (mg/dm³): sandy soils take
// 60 up to 15 and 30 up to 20; clayey soils 30 up to 10; otherwise none.
double sulphurDose(SoilGroup group, double sulphur);

// Micronutrient advice by content (mg/dm³): one text at or below the
// threshold (Zn 3,0; B 0,6; Mn 5,0), another above it.
const char* zincAdvice(double zinc);
const char* boronAdvice(double boron);
const char* manganeseAdvice(double manganese);

} // namespace bulbicalc
