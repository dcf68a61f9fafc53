// One clock per session. A second start asks the running clock to show
// itself with a message to the thread that runs the clock's message loop,
// whose number the running clock leaves in a named memory block of the
// session. A thread message reaches the clock even when its disc is closed
// (an options dialog can outlive the disc) or out of reach (under Wine,
// after the process that hosts the desktop ended), and the loop waits for it
// with the rest of its messages. Modal loops (the prompt, a menu, a message
// box) drop thread messages, so the second start then also posts the request
// to the disc, which every loop delivers. Either way the clock answers
// through an event once the disc is shown. A clock still starting (at
// sign-in, on a busy machine) is waited for: it says when its loop runs.
//
// An installer that must replace or remove the exe finds the running clock
// the same way and asks it to end, as the tray menu's "Exit" does: by the
// end request, to the thread and then to the disc.
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace kelbo {

class SingleInstance {
 public:
  SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Another start of the program came first and still runs.
  bool AnotherRuns() const { return anotherRuns_; }

  // For a second start: waits up to `readyMs` for the running clock's loop
  // to run, then asks the clock to show itself, by a message to its loop's
  // thread (answered within milliseconds), and then by a message to
  // `discClass`'s window; true when it answered. A clock that never gets
  // ready, or does not answer, counts as hung.
  static constexpr DWORD kReadyWaitMs = 30'000;
  bool AskToShow(const wchar_t* discClass, DWORD readyMs = kReadyWaitMs) const;
  // The message a second start sends, to the thread and to the disc.
  static UINT ShowRequestMessage();

  // For the running clock: from now on, requests go to the calling thread,
  // whose message loop takes them (IsThreadRequest) and answers each.
  void TakeRequestsOnThisThread() const;
  // For the running clock, as its loop starts: second starts may ask now.
  void SayReady() const;
  static bool IsThreadRequest(const MSG& message) {
    return message.hwnd == nullptr && message.message == ShowRequestMessage();
  }
  // The message an installer sends, to the thread and to the disc, for the
  // clock to end. Its name is the installer's too.
  static UINT EndRequestMessage();
  static bool IsThreadEndRequest(const MSG& message) {
    return message.hwnd == nullptr && message.message == EndRequestMessage();
  }
  void AnswerShown() const;

 private:
  UniqueKernelHandle running_;
  // The memory block that holds the running clock's loop thread and process.
  UniqueKernelHandle loopThread_;
  UniqueKernelHandle ready_;
  UniqueKernelHandle shown_;
  bool anotherRuns_ = false;
};

}  // namespace kelbo
