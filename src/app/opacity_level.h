// The shared opacity level as a layered window takes it. Portable: the
// window effects apply it.
#pragma once

#include <cstdint>

namespace kelbo {

// An opacity level as the byte a layered window takes; outside 0..255 it is
// an overflow.
std::uint8_t AlphaFromLevel(std::int16_t level);

}  // namespace kelbo
