// The screen as the forms see it: sizes in twips, twips per pixel from the
// system DPI (the program declares itself system-DPI aware).
#pragma once

namespace kelbo::Screen {

int Dpi();
double TwipsPerPixelX();
double TwipsPerPixelY();
float Width();   // twips
float Height();  // twips

int ToPixelsX(double twips);
int ToPixelsY(double twips);

}  // namespace kelbo::Screen
