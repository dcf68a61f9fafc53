#include "app/full_screen_rule.h"

namespace kelbo {

bool FullScreenInFront(const std::optional<FrontWindow>& front, const PixelRect& discMonitor,
                       NotificationState state) {
  if (state != NotificationState::Other) return true;
  if (!front || front->monitor != discMonitor) return false;
  const PixelRect& w = front->bounds;
  const PixelRect& m = front->monitor;
  return w.left <= m.left && w.top <= m.top && w.right >= m.right && w.bottom >= m.bottom;
}

}  // namespace kelbo
