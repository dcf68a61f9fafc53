#include "app/run_error.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(RunError, ReportTextJoinsDescriptionAndSource) {
  EXPECT_EQ(ErrorReportText(OverflowError()), "Overflow Source : KelboTime");
  EXPECT_EQ(ErrorReportText(TypeMismatchError()), "Type mismatch Source : KelboTime");
  EXPECT_EQ(ErrorReportText(RunError(5, "Bad call", "Here")), "Bad call Source : Here");
}

TEST(AlphaFromLevel, TakesZeroToTwoFiftyFiveAndOverflowsOtherwise) {
  for (int level : {0, 1, 128, 225, 255})
    EXPECT_EQ(AlphaFromLevel(static_cast<std::int16_t>(level)), level);
  for (int level : {-32768, -1, 256, 32767}) {
    try {
      AlphaFromLevel(static_cast<std::int16_t>(level));
      ADD_FAILURE() << level << " did not overflow";
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), 6);
      EXPECT_EQ(e.description(), "Overflow");
    }
  }
}

}  // namespace
}  // namespace kelbo
