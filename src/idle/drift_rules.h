// How the idle drift turns at the screen's edges and which way it steps.
// Portable: the idle timer applies these to the real window.
#pragma once

#include "ui/geometry.h"

namespace kelbo {

// Counter-clockwise from up; the values are the drift's direction codes.
enum class Direction { Up = 1, UpLeft, Left, DownLeft, Down, DownRight, Right, UpRight };

inline constexpr Direction kStartDirection = Direction::UpLeft;
inline constexpr float kEdgeMargin = 50.0f;  // twips
inline constexpr float kDriftStep = 10.0f;   // twips per axis per tick

// The window and screen as the tick reads them, all in twips.
struct DriftView {
  TwipsRect window;
  TwipsSize screen;
};

// Bounces `direction` off an edge closer than the margin. Edges are tested
// top, left, right, bottom; the first one that is close decides, even when it
// leaves the direction as it is, and the rest are skipped for this tick.
Direction ApplyEdgeRules(Direction direction, const DriftView& view);

// Change of Left and Top (twips) for one tick in a direction.
TwipsPoint StepFor(Direction direction);

}  // namespace kelbo
