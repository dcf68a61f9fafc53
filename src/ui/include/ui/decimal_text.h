// Whole numbers as text for the screen, without the C library's formatted
// printing, which would more than double the size of the clock's code.
#pragma once

#include <string>

namespace kelbo {

// `value` in decimal, with a minus sign when negative, padded with leading
// zeros to at least `minDigits` digits: (7, 2) is "07", (-5) is "-5".
std::wstring DecimalText(long long value, int minDigits = 1);

}  // namespace kelbo
