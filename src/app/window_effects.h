// What the program does to its main window beyond the toolkit: the elliptic
// cut, layered opacity and the topmost band. They keep no state: what they
// set stays with the window.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelbo {

class Form;

// Cuts the window to the ellipse inside its outline, inset 2 pixels.
void MakeWindowRound(const Form& window);

// Makes the window layered with a constant opacity. A level outside 0..255
// is reported in a message box; the window then keeps the opacity it had.
void SetWindowTransparency(HWND hwnd, std::int16_t level);

// Whether the window cannot be seen at all: layered at alpha 0.
bool IsSeeThroughEntirely(HWND hwnd);

// Puts the window into the topmost band or takes it out; position and size
// stay.
void SetWindowTopmost(HWND hwnd, bool topmost);

}  // namespace kelbo
