// Binary digits of the clock face: no Windows here, so the native build tests it.
#pragma once

#include <cstdint>
#include <string>

namespace kelbo {

// Lamp colours as 0x00BBGGRR values.
inline constexpr std::uint32_t kLitColour = 0x00FF8080;    // R 128, G 128, B 255
inline constexpr std::uint32_t kUnlitColour = 0x00404080;  // R 128, G 64, B 64

// Puts the binary text of n in front of what `buffer` holds, then pads the
// buffer with leading zeros to at least six characters. Longer results are
// not cut. Zero gives a single "0" digit before the padding.
void IntToBin(std::int16_t n, std::string& buffer);

// The two colours the lamps are painted in: the face's own, or a
// high-contrast theme's.
struct LampColours {
  std::uint32_t lit, unlit;
};
inline constexpr LampColours kLampColours{kLitColour, kUnlitColour};

// Colour of the lamp showing one binary digit: lit for '1', unlit otherwise.
constexpr std::uint32_t LampColour(char digit, const LampColours& colours = kLampColours) {
  return digit == '1' ? colours.lit : colours.unlit;
}

}  // namespace kelbo
