// One clock per session. A second start asks the running clock to show
// itself through a named event of the session, which reaches it even when
// its disc is closed (an options dialog can outlive the disc) or out of
// reach (under Wine, after the process that hosts the desktop ended). The
// running clock waits for that event in its message loop; while a modal
// loop runs instead (the prompt, a menu, a message box), the second start
// also posts a message to the disc, which every loop delivers. Either way
// the clock answers through a second event once the disc is shown.
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

  // For a second start: asks the running clock to show itself, by the event
  // (answered within milliseconds from its message loop), and then by a
  // message to `discClass`'s window; true when it answered.
  bool AskToShow(const wchar_t* discClass) const;
  // The message a second start posts to the disc.
  static UINT ShowRequestMessage();

  // For the running clock: signalled when a second start asks, and the
  // answer it waits for once the disc is shown.
  HANDLE ShowAsked() const { return asked_.get(); }
  void AnswerShown() const;

 private:
  UniqueKernelHandle running_;
  UniqueKernelHandle asked_;
  UniqueKernelHandle shown_;
  bool anotherRuns_ = false;
};

}  // namespace kelbo
