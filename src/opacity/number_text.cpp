#include "opacity/number_text.h"

#include <algorithm>
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

// The number's decimal digits without leading zeros, and where the decimal
// point stands among them: `point` digits lie before it (negative: that many
// zeros stand between the point and the first digit).
struct Digits {
  std::string digits;
  long long point = 0;
};

Digits ReadDigits(std::string_view text) {
  // An exponent larger than the text is long moves the point past every
  // digit, where only zero or overflow is left to decide; any exponent that
  // large decides them alike. So it is counted no further than that, and
  // the point stays exact for text of any length.
  const long long exponentCap = static_cast<long long>(text.size()) + 8;
  Digits number;
  std::size_t i = 0;
  bool seenPoint = false;
  for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i) {
    if (text[i] == '.') {
      seenPoint = true;
    } else {
      if (number.digits.empty() && text[i] == '0') {
        if (seenPoint) --number.point;  // a zero after the point moves the first digit down
        continue;
      }
      number.digits.push_back(text[i]);
      if (!seenPoint) ++number.point;
    }
  }
  if (i < text.size()) {  // the exponent: validated already
    ++i;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    long long exponent = 0;
    for (; i < text.size(); ++i) exponent = std::min(exponentCap, exponent * 10 + (text[i] - '0'));
    number.point += negative ? -exponent : exponent;
  }
  return number;
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

  // Rounded on the decimal digits themselves, so that no digit is lost to a
  // binary fraction on the way: a half is a 5 followed by nothing but zeros.
  const Digits number = ReadDigits(text);
  if (number.digits.empty()) return 0;
  if (number.point > 6) throw OverflowError();  // 1 000 000 or more
  long magnitude = 0;
  for (long long p = 0; p < number.point; ++p) {
    const std::size_t at = static_cast<std::size_t>(p);
    magnitude = magnitude * 10 + (at < number.digits.size() ? number.digits[at] - '0' : 0);
  }
  if (number.point >= 0 && static_cast<std::size_t>(number.point) < number.digits.size()) {
    const std::size_t next = static_cast<std::size_t>(number.point);
    const char first = number.digits[next];
    const bool moreAfter = number.digits.find_first_not_of('0', next + 1) != std::string::npos;
    if (first > '5' || (first == '5' && (moreAfter || magnitude % 2 == 1))) ++magnitude;
  }
  const long value = negative ? -magnitude : magnitude;
  if (value < -32768 || value > 32767) throw OverflowError();
  return static_cast<std::int16_t>(value);
}

}  // namespace kelbo
