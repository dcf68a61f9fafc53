#include "clock/binary_digits.h"

namespace kelbo {

void IntToBin(std::int16_t n, std::string& buffer) {
  // Work on the 16-bit pattern so that a negative value cannot loop forever;
  // the clock only ever passes 0 to 59.
  auto v = static_cast<std::uint16_t>(n);
  do {
    buffer.insert(buffer.begin(), static_cast<char>('0' + v % 2));
    v /= 2;
  } while (v != 0);
  if (buffer.size() < 6) buffer.insert(0, 6 - buffer.size(), '0');
}

}  // namespace kelbo
