#include "app/single_instance.h"

namespace kelbo {

SingleInstance::SingleInstance() {
  running_.reset(::CreateMutexW(nullptr, FALSE, L"Local\\KelboTime.Running"));
  anotherRuns_ = running_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
  // Auto-reset: each request is answered once.
  asked_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"Local\\KelboTime.ShowAsked"));
  shown_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"Local\\KelboTime.Shown"));
}

bool SingleInstance::AskToShow(DWORD timeoutMs) const {
  if (!asked_ || !shown_) return false;
  ::ResetEvent(shown_.get());  // an answer to an earlier start that gave up
  // Whoever answers may bring its window to the front.
  ::AllowSetForegroundWindow(ASFW_ANY);
  ::SetEvent(asked_.get());
  return ::WaitForSingleObject(shown_.get(), timeoutMs) == WAIT_OBJECT_0;
}

void SingleInstance::AnswerShown() const {
  if (shown_) ::SetEvent(shown_.get());
}

}  // namespace kelbo
