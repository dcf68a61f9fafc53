#include "idle/idle_time.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(IdleTime, RoundsToWholeSecondsAndNeedsMoreThanSixty) {
  const struct {
    std::uint32_t idleMs;
    double seconds;
    bool idle;
  } cases[] = {
      {0, 0, false},       {59'499, 59, false},     {59'500, 60, false},
      {60'000, 60, false}, {60'499, 60, false},     {60'500, 61, true},
      {61'000, 61, true},  {3'600'000, 3600, true}, {4'294'907'295u, 4'294'907, true},
  };
  // The last: the longest idle time there is, a minute short of the wrap.
  for (const auto& c : cases) {
    EXPECT_EQ(RoundedIdleSeconds(c.idleMs), c.seconds) << c.idleMs;
    EXPECT_EQ(IsIdleTime(1000, 1000 + c.idleMs), c.idle) << c.idleMs;
  }
}

TEST(IdleTime, StaysRightAcrossTheTickCountBoundaries) {
  const struct {
    std::uint32_t lastInput, now, idleMs;
  } cases[] = {
      // Across 2^31: a signed subtraction would overflow here.
      {0x7FFF'F000u, 0x8000'0FFFu, 0x1FFF},
      {0x7FFF'FFFFu, 0x8000'EC43u, 60'484},
      {0x0000'0000u, 0x8000'0000u, 0x8000'0000u},
      // Across 2^32: the count wraps to 0 about 49.7 days after start.
      {0xFFFF'F000u, 0x0000'0FFFu, 0x1FFF},
      {0xFFFF'0000u, 0x0000'EC44u, 0xEC44u + 0x1'0000u},
  };
  for (const auto& c : cases) EXPECT_EQ(IdleMilliseconds(c.lastInput, c.now), c.idleMs) << c.now;

  EXPECT_FALSE(IsIdleTime(0xFFFF'8000u, 0xFFFF'8000u + 60'499u));
  EXPECT_TRUE(IsIdleTime(0xFFFF'8000u, 0xFFFF'8000u + 60'500u));  // wraps to 0x6C4
  EXPECT_FALSE(IsIdleTime(0x7FFF'8000u, 0x7FFF'8000u + 60'000u));
  EXPECT_TRUE(IsIdleTime(0x7FFF'8000u, 0x7FFF'8000u + 60'500u));
}

TEST(IdleTime, ALastInputJustAfterNowIsNoIdleTime) {
  const struct {
    std::uint32_t lastInput, now, idleMs;
  } cases[] = {
      {1'001, 1'000, 0},                                // input between the two reads
      {0x0000'0005u, 0xFFFF'FFF0u, 0},                  // ... across the wrap
      {1'000 + 60'000, 1'000, 0},                       // as far ahead as that can be
      {1'000 + 60'001, 1'000, 0xFFFF'FFFFu - 60'000u},  // beyond: nearly 49.7 days idle
  };
  for (const auto& c : cases)
    EXPECT_EQ(IdleMilliseconds(c.lastInput, c.now), c.idleMs) << c.lastInput;
  EXPECT_FALSE(IsIdleTime(1'001, 1'000));
}

}  // namespace
}  // namespace kelbo
