#include "idle/drift_rules.h"

#include <gtest/gtest.h>

namespace kelbo {
namespace {

using D = Direction;

// A 2670-twip window on a 15360 x 11520 twip screen, at home.
constexpr DriftView kHome{.window = {.left = 12690, .top = 8350, .width = 2670, .height = 2670},
                          .screen = {.width = 15360, .height = 11520}};

DriftView At(float top, float left) {
  DriftView v = kHome;
  v.window.top = top;
  v.window.left = left;
  return v;
}

TEST(DriftRules, EachEdgeMirrorsWhatHeadsIntoIt) {
  const DriftView top = At(10, 5000), left = At(5000, 10), right = At(5000, 12690),
                  bottom = At(8850, 5000), middle = At(5000, 5000);
  const struct {
    const char* edge;
    DriftView view;
    Direction before, after;
  } cases[] = {
      {"top", top, D::Up, D::Down},
      {"top", top, D::UpRight, D::DownRight},
      {"top", top, D::UpLeft, D::DownLeft},
      {"top", top, D::DownLeft, D::DownLeft},
      {"top", top, D::Left, D::Left},
      {"left", left, D::UpLeft, D::UpRight},
      {"left", left, D::Left, D::Right},
      {"left", left, D::DownLeft, D::DownRight},
      {"left", left, D::UpRight, D::UpRight},
      {"right", right, D::DownRight, D::DownLeft},
      {"right", right, D::Right, D::Left},
      {"right", right, D::UpRight, D::UpLeft},
      {"right", right, D::UpLeft, D::UpLeft},
      {"bottom", bottom, D::DownLeft, D::UpLeft},
      {"bottom", bottom, D::Down, D::Up},
      {"bottom", bottom, D::DownRight, D::UpRight},
      {"bottom", bottom, D::UpRight, D::UpRight},
      {"middle", middle, D::UpLeft, D::UpLeft},
      {"middle", middle, D::DownRight, D::DownRight},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApplyEdgeRules(c.before, c.view), c.after)
        << c.edge << " " << static_cast<int>(c.before);
}

TEST(DriftRules, FiftyTwipsAwayIsNotCloseButJustUnderIs) {
  EXPECT_EQ(ApplyEdgeRules(D::UpLeft, At(50, 5000)), D::UpLeft);
  EXPECT_EQ(ApplyEdgeRules(D::UpLeft, At(49.99f, 5000)), D::DownLeft);
  EXPECT_EQ(ApplyEdgeRules(D::DownLeft, At(5000, 50)), D::DownLeft);
  EXPECT_EQ(ApplyEdgeRules(D::DownLeft, At(5000, 49.99f)), D::DownRight);
  EXPECT_EQ(ApplyEdgeRules(D::DownRight, At(5000, 12640)),
            D::DownRight);  // 15360 - (2670 + 12640) = 50
  EXPECT_EQ(ApplyEdgeRules(D::DownRight, At(5000, 12640.01f)), D::DownLeft);
  EXPECT_EQ(ApplyEdgeRules(D::DownRight, At(8800, 5000)),
            D::DownRight);  // 11520 - (2670 + 8800) = 50
  EXPECT_EQ(ApplyEdgeRules(D::DownRight, At(8800.01f, 5000)), D::UpRight);
}

TEST(DriftRules, TheFirstCloseEdgeDecidesAlone) {
  // From home the right edge is touched: 2 stays 2, and the window goes up-left.
  EXPECT_EQ(ApplyEdgeRules(D::UpLeft, kHome), D::UpLeft);
  // Top and left at once while moving up-left: only the top rule runs.
  EXPECT_EQ(ApplyEdgeRules(D::UpLeft, At(20, 20)), D::DownLeft);
  // Top close while already moving down: nothing changes and the left rule is
  // skipped, though 4 heads into the left edge.
  EXPECT_EQ(ApplyEdgeRules(D::DownLeft, At(20, 20)), D::DownLeft);
  EXPECT_EQ(ApplyEdgeRules(D::DownRight, At(20, 12690)), D::DownRight);
  // Once away from the top the left rule turns 4 into 6.
  EXPECT_EQ(ApplyEdgeRules(D::DownLeft, At(50, 20)), D::DownRight);
  // Right and bottom at once (home corner moved down): the right rule decides.
  EXPECT_EQ(ApplyEdgeRules(D::DownRight, At(8850, 12690)), D::DownLeft);
}

TEST(DriftRules, StepsTenTwipsPerAxis) {
  const struct {
    Direction direction;
    float top, left;
  } cases[] = {
      {D::Up, -10, 0},  {D::UpLeft, -10, -10},  {D::Left, 0, -10}, {D::DownLeft, 10, -10},
      {D::Down, 10, 0}, {D::DownRight, 10, 10}, {D::Right, 0, 10}, {D::UpRight, -10, 10},
  };
  for (const auto& c : cases) {
    const TwipsPoint step = StepFor(c.direction);
    EXPECT_EQ(step.top, c.top) << static_cast<int>(c.direction);
    EXPECT_EQ(step.left, c.left) << static_cast<int>(c.direction);
  }
}

}  // namespace
}  // namespace kelbo
