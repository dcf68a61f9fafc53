#include "clock/binary_digits.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(IntToBin, WritesSixDigitsAtLeast) {
  const struct {
    std::int16_t n;
    const char* digits;
  } cases[] = {
      {0, "000000"},  {1, "000001"},  {5, "000101"},  {23, "010111"},
      {32, "100000"}, {59, "111011"}, {63, "111111"}, {64, "1000000"},  // longer is not cut
  };
  for (const auto& c : cases) {
    std::string buffer;
    IntToBin(c.n, buffer);
    EXPECT_EQ(buffer, c.digits) << c.n;
  }
}

TEST(IntToBin, PutsDigitsInFrontOfWhatTheBufferHolds) {
  std::string buffer = "xy";
  IntToBin(5, buffer);
  EXPECT_EQ(buffer, "0101xy");  // "101xy" is five long, so one zero pads it to six
}

TEST(LampColour, OnlyADigitOneIsLit) {
  EXPECT_EQ(LampColour('1'), kLitColour);
  for (char other : {'0', ' ', '2', '\0'}) EXPECT_EQ(LampColour(other), kUnlitColour) << int(other);
}

}  // namespace
}  // namespace kelbo
