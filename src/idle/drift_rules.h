// How the idle drift turns at the screen's edges and which way it steps.
// Portable: the idle timer applies these to the real window.
#pragma once

namespace kelbo {

// Direction codes run counter-clockwise from up: 1 up, 2 up-left, 3 left,
// 4 down-left, 5 down, 6 down-right, 7 right, 8 up-right.
inline constexpr int kStartDirection = 2;
inline constexpr float kEdgeMargin = 50.0f;  // twips
inline constexpr float kDriftStep = 10.0f;   // twips per axis per tick

// The window and screen as the tick reads them, all in twips.
struct DriftView {
  float top, left, width, height;
  float screenWidth, screenHeight;
};

// Bounces `direction` off an edge closer than the margin. Edges are tested
// top, left, right, bottom; the first one that is close decides, even when it
// leaves the direction as it is, and the rest are skipped for this tick.
int ApplyEdgeRules(int direction, const DriftView& view);

// Change of Top and Left (twips) for one tick in a direction; zero for an
// unknown code.
struct DriftStep {
  float top, left;
};
DriftStep StepFor(int direction);

}  // namespace kelbo
