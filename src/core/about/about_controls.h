#pragma once

#include <array>
#include <string_view>

// The controls of the tabs "Fotos" and "Sobre".
namespace bulbicalc::about {

inline constexpr std::string_view TabSheet8 = "TabSheet8"; // "Fotos"
inline constexpr std::string_view TabSheet7 = "TabSheet7"; // "Sobre"

// The gallery: one frame per photograph, one shown at a time.
inline constexpr std::array<std::string_view, 8> kPhotoFrames = {"Image3", "Image4", "Image5", "Image6",
                                                                 "Image7", "Image8", "Image9", "Image10"};
inline constexpr std::string_view Label48 = "Label48"; // "Fotos 1/8" at start, then "Foto p/8"
inline constexpr std::string_view Label66 = "Label66"; // the caption of the photograph shown
inline constexpr std::string_view UpDown3 = "UpDown3"; // the photograph's number, 1 to 8
inline constexpr std::string_view Edit27 = "Edit27";   // its edit

inline constexpr std::string_view RichEdit2 = "RichEdit2"; // the about text

} // namespace bulbicalc::about
