#pragma once

#include <cstdint>

namespace bulbicalc {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kGreen{0, 128, 0};
inline constexpr Colour kPurple{128, 0, 128};
inline constexpr Colour kSilver{192, 192, 192};
inline constexpr Colour kTeal{0, 128, 128};
inline constexpr Colour kLime{0, 255, 0};
inline constexpr Colour kFuchsia{255, 0, 255};
inline constexpr Colour kLightYellow{255, 255, 151};
// The system's hot-light colour (a link blue on the platforms the program targets).
inline constexpr Colour kHotLight{0, 102, 204};
} // namespace colours

} // namespace bulbicalc
