// The settings every window of the program shares. They live only in memory:
// every start begins from the same values.
#pragma once

#include <cstdint>

namespace kelbo::settings {

inline constexpr std::int16_t kStartTransparency = 225;
inline constexpr bool kStartAlwaysOnTop = true;

// Opacity of the main window, 0 (invisible) to 255 (opaque).
extern std::int16_t TransparencyLevel;
// Whether the main window stays in the topmost band.
extern bool AlwaysOnTop;

}  // namespace kelbo::settings
