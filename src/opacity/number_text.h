// Typed text to a 16-bit integer, for the opacity prompt. Portable.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelbo {

// Reads `text` as a number and rounds it to a 16-bit integer.
//
// Accepted: blanks (spaces, tabs) around the number; one leading + or -;
// decimal digits with an optional fractional part after a '.' (at least one
// digit in all, so "12.", ".5" are fine); an optional exponent, "1e3" or
// "2.5E-1". The value is rounded to the nearest whole number, an exact half to
// the even neighbour (12.5 is 12, 13.5 is 14). Rounding and the range are
// decided on the decimal digits as typed, however many there are: only a 5
// followed by nothing but zeros is a half.
//
// Not accepted, so that nothing is taken for a number it is not: thousands
// separators, a ',' as decimal separator (it could be either), hexadecimal,
// words such as "inf", and any other character, NUL and control characters
// included. Such text, and the empty text, throw a type mismatch; a number
// outside -32768..32767 after rounding throws an overflow.
std::int16_t TextToInteger16(std::string_view text);

}  // namespace kelbo
