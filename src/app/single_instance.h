// One clock per session. A second start asks the running clock to show
// itself through two named events of the session rather than through its
// window, which may be closed (an options dialog can outlive the disc) or
// out of reach (under Wine, after the process that hosts the desktop ended).
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

  // For a second start: asks the running clock to show itself; true when
  // it answered within `timeoutMs`.
  bool AskToShow(DWORD timeoutMs) const;

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
