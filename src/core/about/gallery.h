#pragma once

#include <array>
#include <string>
#include <string_view>

namespace bulbicalc {

class WindowState;

// The gallery of "Fotos": eight pictures of nutrient-deficiency symptoms in the
// onion crop, one shown at a time, browsed with the spin control UpDown3.

inline constexpr int kPhotoCount = 8;

// The caption of each picture (Label66), by position 1 to 8.
inline constexpr std::array<std::string_view, kPhotoCount> kPhotoCaptions = {
    "Deficiência de Manganês", "Deficiência de Nitrogênio", "Deficiência de Fósforo",
    "Deficiência de Potássio", "Deficiência de Cálcio",     "Deficiência de Magnésio",
    "Deficiência de Enxofre",  "Deficiência de Zinco",
};

// The position text of Label48 after a click: "Foto 3/8". (The start text,
// "Fotos 1/8", is the form's own.)
std::string photoPositionText(int position);

// A click of the spin control: shows the picture of the spin's position, hides
// the seven others, and writes its position text and caption.
void UpDown3Click(WindowState& window);

void registerAboutHandlers(WindowState& window);

} // namespace bulbicalc
