#include "idle/drift_rules.h"

#include <array>
#include <utility>

namespace kelbo {

namespace {

using D = Direction;
using Rewrites = std::array<std::pair<Direction, Direction>, 3>;

// A direction heading into an edge turns to its mirror image; the component
// along the edge stays.
constexpr Rewrites kTopRewrites{
    {{D::Up, D::Down}, {D::UpRight, D::DownRight}, {D::UpLeft, D::DownLeft}}};
constexpr Rewrites kLeftRewrites{
    {{D::UpLeft, D::UpRight}, {D::Left, D::Right}, {D::DownLeft, D::DownRight}}};
constexpr Rewrites kRightRewrites{
    {{D::DownRight, D::DownLeft}, {D::Right, D::Left}, {D::UpRight, D::UpLeft}}};
constexpr Rewrites kBottomRewrites{
    {{D::DownLeft, D::UpLeft}, {D::Down, D::Up}, {D::DownRight, D::UpRight}}};

Direction Rewrite(Direction direction, const Rewrites& rewrites) {
  for (const auto& [from, to] : rewrites)
    if (direction == from) return to;
  return direction;
}

}  // namespace

Direction ApplyEdgeRules(Direction direction, const DriftView& v) {
  if (v.top < kEdgeMargin) return Rewrite(direction, kTopRewrites);
  if (v.left < kEdgeMargin) return Rewrite(direction, kLeftRewrites);
  if (v.screenWidth - (v.width + v.left) < kEdgeMargin) return Rewrite(direction, kRightRewrites);
  if (v.screenHeight - (v.height + v.top) < kEdgeMargin) return Rewrite(direction, kBottomRewrites);
  return direction;
}

DriftStep StepFor(Direction direction) {
  constexpr float s = kDriftStep;
  switch (direction) {
    case D::Up:
      return {-s, 0};
    case D::UpLeft:
      return {-s, -s};
    case D::Left:
      return {0, -s};
    case D::DownLeft:
      return {s, -s};
    case D::Down:
      return {s, 0};
    case D::DownRight:
      return {s, s};
    case D::Right:
      return {0, s};
    case D::UpRight:
      return {-s, s};
  }
  return {0, 0};
}

}  // namespace kelbo
