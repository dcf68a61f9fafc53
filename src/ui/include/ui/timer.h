// A window timer with an interval and an on/off switch; it runs while its
// form's window exists.
#pragma once

#include <windows.h>

#include <functional>

namespace kelbo {

class Timer {
 public:
  Timer(UINT interval, bool enabled, std::function<void()> onTick)
      : interval_(interval), enabled_(enabled), onTick_(std::move(onTick)) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  // Starts the countdown afresh with a new interval (while enabled).
  void SetInterval(UINT interval);
  // A tick now, as if the interval had passed, if enabled: a test's way to
  // drive a timer without waiting for it.
  void Fire() {
    if (enabled_) onTick_();
  }

 private:
  friend class Form;
  void Attach(HWND hwnd, UINT_PTR id);
  void Detach() { hwnd_ = nullptr; }
  void Tick() { onTick_(); }

  UINT interval_;
  bool enabled_;
  std::function<void()> onTick_;
  HWND hwnd_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace kelbo
