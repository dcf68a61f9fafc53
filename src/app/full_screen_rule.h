// When a full-screen program is in front of the disc: a film, a game, a
// slide show. Portable: the facts come from the Windows side.
#pragma once

#include <optional>

#include "ui/geometry.h"

namespace kelbo {

// What the shell says of the user's state (SHQueryUserNotificationState),
// as far as it matters here.
enum class NotificationState { Other, D3dFullScreen, PresentationMode };

// The window in front, where it belongs to another program (not the
// shell's desktop or taskbar, nor this program's).
struct FrontWindow {
  PixelRect bounds;
  PixelRect monitor;  // the whole monitor it is on, taskbar included
};

// A full-screen program is in front of the disc: the shell says a
// Direct3D program runs full-screen or a presentation is on, or the window
// in front covers the whole of the disc's monitor. A maximized window does
// not: it leaves the taskbar.
bool FullScreenInFront(const std::optional<FrontWindow>& front, const PixelRect& discMonitor,
                       NotificationState state);

}  // namespace kelbo
