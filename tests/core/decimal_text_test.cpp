#include "ui/decimal_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace kelbo {
namespace {

TEST(DecimalText, SignDigitsAndPadding) {
  const struct {
    long long value;
    int minDigits;
    const wchar_t* text;
  } cases[] = {
      {0, 1, L"0"},
      {7, 2, L"07"},
      {59, 2, L"59"},
      {255, 1, L"255"},
      {123, 2, L"123"},
      {-5, 1, L"-5"},
      {-5, 3, L"-005"},
      {0, 0, L"0"},
      {LLONG_MAX, 1, L"9223372036854775807"},
      {LLONG_MIN, 1, L"-9223372036854775808"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value, c.minDigits), c.text) << c.value;
}

}  // namespace
}  // namespace kelbo
