#include "ui/decimal_text.h"

namespace kelbo {

std::wstring DecimalText(long long value, int minDigits) {
  // Worked on the magnitude as unsigned, so that the most negative value
  // has one too.
  unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (static_cast<int>(digits.size()) < minDigits)
    digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), L'0');
  return value < 0 ? L"-" + digits : digits;
}

}  // namespace kelbo
