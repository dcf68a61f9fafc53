#include "app/opacity_level.h"

#include <gtest/gtest.h>

#include "app/run_error.h"

namespace kelbo {
namespace {

TEST(AlphaFromLevel, TakesZeroToTwoFiftyFiveAndOverflowsOtherwise) {
  for (int level : {0, 1, 128, 225, 255})
    EXPECT_EQ(AlphaFromLevel(static_cast<std::int16_t>(level)), level);
  for (int level : {-32768, -1, 256, 32767}) {
    try {
      AlphaFromLevel(static_cast<std::int16_t>(level));
      ADD_FAILURE() << level << " did not overflow";
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), 6);
      EXPECT_EQ(std::string(e.what()), "Overflow");
    }
  }
}

}  // namespace
}  // namespace kelbo
