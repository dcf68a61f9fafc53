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

Direction ApplyEdgeRules(Direction direction, const DriftView& view) {
  const TwipsRect& w = view.window;
  if (w.top < kEdgeMargin) return Rewrite(direction, kTopRewrites);
  if (w.left < kEdgeMargin) return Rewrite(direction, kLeftRewrites);
  if (view.screen.width - (w.width + w.left) < kEdgeMargin)
    return Rewrite(direction, kRightRewrites);
  if (view.screen.height - (w.height + w.top) < kEdgeMargin)
    return Rewrite(direction, kBottomRewrites);
  return direction;
}

TwipsPoint StepFor(Direction direction) {
  constexpr float s = kDriftStep;
  switch (direction) {
    case D::Up:
      return {.left = 0, .top = -s};
    case D::UpLeft:
      return {.left = -s, .top = -s};
    case D::Left:
      return {.left = -s, .top = 0};
    case D::DownLeft:
      return {.left = -s, .top = s};
    case D::Down:
      return {.left = 0, .top = s};
    case D::DownRight:
      return {.left = s, .top = s};
    case D::Right:
      return {.left = s, .top = 0};
    case D::UpRight:
      return {.left = s, .top = -s};
  }
  return {};
}

}  // namespace kelbo
