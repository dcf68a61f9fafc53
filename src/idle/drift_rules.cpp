#include "idle/drift_rules.h"

#include <array>
#include <utility>

namespace kelbo {

namespace {

using Rewrites = std::array<std::pair<int, int>, 3>;

// A direction heading into an edge turns to its mirror image; the component
// along the edge stays.
constexpr Rewrites kTopRewrites{{{1, 5}, {8, 6}, {2, 4}}};
constexpr Rewrites kLeftRewrites{{{2, 8}, {3, 7}, {4, 6}}};
constexpr Rewrites kRightRewrites{{{6, 4}, {7, 3}, {8, 2}}};
constexpr Rewrites kBottomRewrites{{{4, 2}, {5, 1}, {6, 8}}};

int Rewrite(int direction, const Rewrites& rewrites) {
  for (const auto& [from, to] : rewrites)
    if (direction == from) return to;
  return direction;
}

}  // namespace

int ApplyEdgeRules(int direction, const DriftView& v) {
  if (v.top < kEdgeMargin) return Rewrite(direction, kTopRewrites);
  if (v.left < kEdgeMargin) return Rewrite(direction, kLeftRewrites);
  if (v.screenWidth - (v.width + v.left) < kEdgeMargin) return Rewrite(direction, kRightRewrites);
  if (v.screenHeight - (v.height + v.top) < kEdgeMargin) return Rewrite(direction, kBottomRewrites);
  return direction;
}

DriftStep StepFor(int direction) {
  constexpr float s = kDriftStep;
  switch (direction) {
    case 1:
      return {-s, 0};
    case 2:
      return {-s, -s};
    case 3:
      return {0, -s};
    case 4:
      return {s, -s};
    case 5:
      return {s, 0};
    case 6:
      return {s, s};
    case 7:
      return {0, s};
    case 8:
      return {-s, s};
    default:
      return {0, 0};
  }
}

}  // namespace kelbo
