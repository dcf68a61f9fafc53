#include "opacity/number_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "app/run_error.h"

namespace kelbo {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Skips digits from `i`; returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i - start;
}

// True when the whole of `text` (no sign) is digits[.digits][e[sign]digits].
bool IsUnsignedNumber(std::string_view text) {
  std::size_t i = 0;
  std::size_t digits = SkipDigits(text, i);
  if (i < text.size() && text[i] == '.') {
    ++i;
    digits += SkipDigits(text, i);
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (SkipDigits(text, i) == 0) return false;
  }
  return i == text.size();
}

}  // namespace

std::int16_t TextToInteger16(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!IsUnsignedNumber(text)) throw TypeMismatchError();

  // The program never sets a locale, so strtod reads '.' as the decimal
  // point; the text holds nothing but digits, '.', an exponent and signs now.
  const std::string number(text);
  const double value = std::strtod(number.c_str(), nullptr);
  // Too large gives HUGE_VAL and overflows below; too small gives 0 or a
  // denormal, which rounds to 0 as it should.
  const double rounded = std::nearbyint(negative ? -value : value);  // halves to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw OverflowError();
  return static_cast<std::int16_t>(rounded);
}

}  // namespace kelbo
