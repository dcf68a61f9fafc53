// The settings every window shares, and the effects applied to the main
// window: layered opacity and the topmost band.
#pragma once

#include <windows.h>

#include <cstdint>

#include "window/run_error.h"

namespace gAPI {

// Opacity of the main window, 0 (invisible) to 255 (opaque).
extern std::int16_t TransparencyLevel;
// Whether the main window stays in the topmost band.
extern bool AlwaysOnTop;
// Whether the user has been away long enough for the idle drift.
extern bool IsIdle;

// Makes the window layered with a constant opacity. A level outside 0..255
// is reported in a message box; the window then keeps the opacity it had.
void SetWindowTransparency(HWND hwnd, std::int16_t level);

// Puts the window into the topmost band or takes it out; position and size
// stay.
void SetWindowTopmost(HWND hwnd, bool topmost);

// The one way a run-time error reaches the user: a message box with the
// description, " Source : " and the source.
void ReportRunError(const kelbo::RunError& error);

}  // namespace gAPI
