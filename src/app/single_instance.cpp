#include "app/single_instance.h"

namespace kelbo {

SingleInstance::SingleInstance() {
  running_.reset(::CreateMutexW(nullptr, FALSE, L"Local\\KelboTime.Running"));
  anotherRuns_ = running_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
  // Auto-reset: each request is answered once.
  asked_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"Local\\KelboTime.ShowAsked"));
  shown_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"Local\\KelboTime.Shown"));
}

UINT SingleInstance::ShowRequestMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"KelboTime.ShowTheClock");
  return message;
}

bool SingleInstance::AskToShow(const wchar_t* discClass) const {
  // The event's answer comes at once from a clock at rest; a clock still
  // starting, or in a modal loop, gets the message and answers from there.
  constexpr DWORD kByEventMs = 500;
  constexpr DWORD kByMessageMs = 1500;
  if (!asked_ || !shown_) return false;
  ::ResetEvent(shown_.get());  // an answer to an earlier start that gave up
  // Whoever answers may bring its window to the front.
  ::AllowSetForegroundWindow(ASFW_ANY);
  ::SetEvent(asked_.get());
  if (::WaitForSingleObject(shown_.get(), kByEventMs) == WAIT_OBJECT_0) return true;
  // Busy in a modal loop, which sees no event: its window sees messages.
  HWND disc = ::FindWindowW(discClass, nullptr);
  if (!disc) return false;
  ::PostMessageW(disc, ShowRequestMessage(), 0, 0);
  return ::WaitForSingleObject(shown_.get(), kByMessageMs) == WAIT_OBJECT_0;
}

void SingleInstance::AnswerShown() const {
  if (shown_) ::SetEvent(shown_.get());
}

}  // namespace kelbo
