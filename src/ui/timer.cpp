#include "ui/timer.h"

namespace kelbo {

void Timer::SetEnabled(bool enabled) {
  // Switching on a running timer leaves its countdown alone.
  if (hwnd_ && enabled && !enabled_) ::SetTimer(hwnd_, id_, interval_, nullptr);
  if (hwnd_ && !enabled && enabled_) ::KillTimer(hwnd_, id_);
  enabled_ = enabled;
}

void Timer::SetInterval(UINT interval) {
  interval_ = interval;
  if (hwnd_ && enabled_) ::SetTimer(hwnd_, id_, interval_, nullptr);
}

void Timer::Attach(HWND hwnd, UINT_PTR id) {
  hwnd_ = hwnd;
  id_ = id;
  if (enabled_) ::SetTimer(hwnd_, id_, interval_, nullptr);
}

}  // namespace kelbo
