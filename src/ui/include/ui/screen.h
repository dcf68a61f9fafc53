// The screen as every form shares it: its size in pixels, and the DPI a new
// form starts at (the system's: each form then takes its own window's, see
// Scale).
//
// Both are read once and kept: asking the system for them costs a device
// context each time under older systems. Forms call Refresh() when the
// display or its settings change.
#pragma once

#include <windows.h>

namespace kelbo::Screen {

int Dpi();
int WidthPixels();
int HeightPixels();

// Reads the DPI and the screen size again.
void Refresh();
// The DPI of the monitor a window is on, where Windows tells it (10, 1607
// and later); 0 where it does not.
int WindowDpi(HWND window);

// For tests, as if the system said so; 0 goes back to the system's answer.
// UseDpi: every monitor and the sign-in DPI are at `dpi`. UseSignInDpi:
// only the DPI new forms start at, the monitors keep theirs.
void UseDpi(int dpi);
void UseSignInDpi(int dpi);

}  // namespace kelbo::Screen
