// Runs a handler on the thread that made the listener each time a kernel
// event is signalled, also while a modal loop (a message box, a menu, a
// dialog) runs there: a system wait thread posts to a message-only window
// of this thread, and every loop hands that window its messages. Costs
// nothing while the event stays quiet.
#pragma once

#include <windows.h>

#include <functional>

namespace kelbo {

class EventListener {
 public:
  EventListener(HANDLE event, std::function<void()> onSignal);
  ~EventListener();
  EventListener(const EventListener&) = delete;
  EventListener& operator=(const EventListener&) = delete;

  // False when the system would not wait for the event.
  bool Listening() const { return wait_ != nullptr; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void CALLBACK Signalled(void* window, BOOLEAN timedOut);

  std::function<void()> onSignal_;
  HWND window_ = nullptr;
  HANDLE wait_ = nullptr;
};

}  // namespace kelbo
