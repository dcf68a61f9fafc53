// The screen as the forms see it: sizes in twips, twips per pixel from the
// DPI of the monitor the clock is on: the system's at start, then the one
// the last WM_DPICHANGED named (the program is per-monitor DPI aware).
//
// The DPI and the screen size are read once and kept: asking the system for
// them costs a device context each time, and the forms convert twips many
// times per paint. Forms call Refresh() when the display or its settings
// change.
#pragma once

namespace kelbo::Screen {

int Dpi();
double TwipsPerPixelX();
double TwipsPerPixelY();
float Width();   // twips
float Height();  // twips
int WidthPixels();
int HeightPixels();

int ToPixelsX(double twips);
int ToPixelsY(double twips);

// Reads the DPI and the screen size again.
void Refresh();
// The DPI a WM_DPICHANGED named (or a test), kept from now on: the system's
// own answer would be the system DPI, not the monitor's. 0 goes back to the
// system's.
void UseDpi(int dpi);

}  // namespace kelbo::Screen
