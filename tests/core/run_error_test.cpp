#include "app/run_error.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

TEST(RunError, ReportTextJoinsDescriptionAndSource) {
  EXPECT_EQ(ErrorReportText(OverflowError()), "Overflow Source : KelboTime");
  EXPECT_EQ(ErrorReportText(TypeMismatchError()), "Type mismatch Source : KelboTime");
  EXPECT_EQ(ErrorReportText(RunError(5, "Bad call", "Here")), "Bad call Source : Here");
}

}  // namespace
}  // namespace kelbo
