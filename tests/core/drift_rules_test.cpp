#include "idle/drift_rules.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

// A 2670-twip window on a 15360 x 11520 twip screen, at home.
constexpr DriftView kHome{8350, 12690, 2670, 2670, 15360, 11520};

DriftView At(float top, float left) {
  DriftView v = kHome;
  v.top = top;
  v.left = left;
  return v;
}

TEST(DriftRules, EachEdgeMirrorsWhatHeadsIntoIt) {
  const DriftView top = At(10, 5000), left = At(5000, 10), right = At(5000, 12690),
                  bottom = At(8850, 5000), middle = At(5000, 5000);
  const struct {
    const char* edge;
    DriftView view;
    int before, after;
  } cases[] = {
      {"top", top, 1, 5},       {"top", top, 8, 6},       {"top", top, 2, 4},
      {"top", top, 4, 4},       {"top", top, 3, 3},       {"left", left, 2, 8},
      {"left", left, 3, 7},     {"left", left, 4, 6},     {"left", left, 8, 8},
      {"right", right, 6, 4},   {"right", right, 7, 3},   {"right", right, 8, 2},
      {"right", right, 2, 2},   {"bottom", bottom, 4, 2}, {"bottom", bottom, 5, 1},
      {"bottom", bottom, 6, 8}, {"bottom", bottom, 8, 8}, {"middle", middle, 2, 2},
      {"middle", middle, 6, 6},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApplyEdgeRules(c.before, c.view), c.after) << c.edge << " " << c.before;
}

TEST(DriftRules, FiftyTwipsAwayIsNotCloseButJustUnderIs) {
  EXPECT_EQ(ApplyEdgeRules(2, At(50, 5000)), 2);
  EXPECT_EQ(ApplyEdgeRules(2, At(49.99f, 5000)), 4);
  EXPECT_EQ(ApplyEdgeRules(4, At(5000, 50)), 4);
  EXPECT_EQ(ApplyEdgeRules(4, At(5000, 49.99f)), 6);
  EXPECT_EQ(ApplyEdgeRules(6, At(5000, 12640)), 6);  // 15360 - (2670 + 12640) = 50
  EXPECT_EQ(ApplyEdgeRules(6, At(5000, 12640.01f)), 4);
  EXPECT_EQ(ApplyEdgeRules(6, At(8800, 5000)), 6);  // 11520 - (2670 + 8800) = 50
  EXPECT_EQ(ApplyEdgeRules(6, At(8800.01f, 5000)), 8);
}

TEST(DriftRules, TheFirstCloseEdgeDecidesAlone) {
  // From home the right edge is touched: 2 stays 2, and the window goes up-left.
  EXPECT_EQ(ApplyEdgeRules(2, kHome), 2);
  // Top and left at once while moving up-left: only the top rule runs.
  EXPECT_EQ(ApplyEdgeRules(2, At(20, 20)), 4);
  // Top close while already moving down: nothing changes and the left rule is
  // skipped, though 4 heads into the left edge.
  EXPECT_EQ(ApplyEdgeRules(4, At(20, 20)), 4);
  EXPECT_EQ(ApplyEdgeRules(6, At(20, 12690)), 6);
  // Once away from the top the left rule turns 4 into 6.
  EXPECT_EQ(ApplyEdgeRules(4, At(50, 20)), 6);
  // Right and bottom at once (home corner moved down): the right rule decides.
  EXPECT_EQ(ApplyEdgeRules(6, At(8850, 12690)), 4);
}

TEST(DriftRules, StepsTenTwipsPerAxis) {
  const struct {
    int direction;
    float top, left;
  } cases[] = {
      {1, -10, 0}, {2, -10, -10}, {3, 0, -10},  {4, 10, -10}, {5, 10, 0},
      {6, 10, 10}, {7, 0, 10},    {8, -10, 10}, {0, 0, 0},    {9, 0, 0},
  };
  for (const auto& c : cases) {
    const DriftStep step = StepFor(c.direction);
    EXPECT_EQ(step.top, c.top) << c.direction;
    EXPECT_EQ(step.left, c.left) << c.direction;
  }
}

}  // namespace
}  // namespace kelbo
