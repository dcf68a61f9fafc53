#include "clock/second_timing.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(DelayToNextSecond, AimsJustPastTheNextWholeSecond) {
  const struct {
    const char* when;
    int millisecond;
    unsigned delay;
  } cases[] = {
      {"on the second", 0, 1000 + kTickSlack},
      {"a hair before the next", 999, 1 + kTickSlack},
      {"a tick right on time", kTickSlack, 1000},
      {"a tick 1.7 s late lands at x.700", 700, 300 + kTickSlack},
      {"a clock set back an hour to x.250", 250, 750 + kTickSlack},
      {"out of range below", -5, 1000 + kTickSlack},
      {"out of range above (a leap second's 1000)", 1000, 1 + kTickSlack},
  };
  for (const auto& c : cases) EXPECT_EQ(DelayToNextSecond(c.millisecond), c.delay) << c.when;
}

}  // namespace
}  // namespace kelbo
