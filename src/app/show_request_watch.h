// Watches for a second start's request while the clock runs. A waiting
// thread of the system's pool sees the request's event and hands it on, as a
// thread message, to the thread that started the watch, whose message loop
// then needs no wait of its own: waiting for the event and the messages
// together would cost a call to the window system on every wake-up, a
// hundred a second while the disc drifts.
#pragma once

#include <windows.h>

namespace kelbo {

class ShowRequestWatch {
 public:
  // The thread message that stands for one request.
  static constexpr UINT kMessage = WM_APP + 1;

  explicit ShowRequestWatch(HANDLE asked);
  ~ShowRequestWatch();
  ShowRequestWatch(const ShowRequestWatch&) = delete;
  ShowRequestWatch& operator=(const ShowRequestWatch&) = delete;

  // Whether `message` is a request handed on by a watch.
  static bool IsRequest(const MSG& message) {
    return message.hwnd == nullptr && message.message == kMessage;
  }

 private:
  static void CALLBACK OnSignalled(void* thread, BOOLEAN timedOut);

  DWORD thread_;
  HANDLE wait_ = nullptr;
};

}  // namespace kelbo
