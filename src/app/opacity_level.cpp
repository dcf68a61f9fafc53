#include "app/opacity_level.h"

#include "app/run_error.h"

namespace kelbo {

std::uint8_t AlphaFromLevel(std::int16_t level) {
  if (level < 0 || level > 255) throw OverflowError();
  return static_cast<std::uint8_t>(level);
}

}  // namespace kelbo
