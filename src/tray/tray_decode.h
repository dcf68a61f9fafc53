// What a mouse event on the tray icon asks for, and the icon's tip text.
// Portable.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kelbo {

enum class TrayAction { None, ShowWindow, OpenMenu };

// The shell reports each mouse event on the icon with the number of the
// mouse message. Only a press of the left button (show the window) and of
// the right button (open the menu) act.
TrayAction DecodeTrayNotification(std::uint32_t mouseMessage);

// The 64-byte tip field of the first NOTIFYICONDATA version: the text, one
// NUL, then spaces to the end. A longer text is cut so that the NUL fits.
std::array<char, 64> TrayTip(std::string_view text);

}  // namespace kelbo
