#include "app/single_instance.h"

namespace kelbo {

namespace {

// What the memory block holds: the running clock's loop thread, and its
// process, which alone gets the right to bring a window to the front.
struct RunningClock {
  DWORD thread = 0;
  DWORD process = 0;
};

// The running clock, from its memory block; zeros when there is none.
RunningClock ReadClock(HANDLE block) {
  if (!block) return {};
  const void* view = ::MapViewOfFile(block, FILE_MAP_READ, 0, 0, sizeof(RunningClock));
  if (!view) return {};
  const RunningClock clock = *static_cast<const RunningClock*>(view);
  ::UnmapViewOfFile(view);
  return clock;
}

void WriteClock(HANDLE block, RunningClock clock) {
  if (!block) return;
  if (void* view = ::MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, sizeof(RunningClock))) {
    *static_cast<RunningClock*>(view) = clock;
    ::UnmapViewOfFile(view);
  }
}

}  // namespace

SingleInstance::SingleInstance() {
  running_.reset(::CreateMutexW(nullptr, FALSE, L"Local\\KelboTime.Running"));
  anotherRuns_ = running_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
  loopThread_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         sizeof(RunningClock), L"Local\\KelboTime.LoopThread"));
  ready_.reset(::CreateEventW(nullptr, TRUE, FALSE, L"Local\\KelboTime.Ready"));
  // A second start that outlived an earlier clock may hold the event still
  // set: this clock is not ready yet.
  if (ready_ && !anotherRuns_) ::ResetEvent(ready_.get());
  shown_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"Local\\KelboTime.Shown"));
}

UINT SingleInstance::ShowRequestMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"KelboTime.ShowTheClock");
  return message;
}

UINT SingleInstance::EndRequestMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"KelboTime.EndTheClock");
  return message;
}

bool SingleInstance::AskToShow(const wchar_t* discClass, DWORD readyMs) const {
  // The thread's answer comes at once from a clock at rest; a clock in a
  // modal loop gets the message to its disc and answers from there.
  constexpr DWORD kByThreadMs = 500;
  constexpr DWORD kByDiscMs = 1500;
  if (!shown_ || !ready_) return false;
  if (::WaitForSingleObject(ready_.get(), readyMs) != WAIT_OBJECT_0) return false;
  ::ResetEvent(shown_.get());  // an answer to an earlier start that gave up
  const RunningClock clock = ReadClock(loopThread_.get());
  // The clock that answers may bring its window to the front; no one else.
  if (clock.process) ::AllowSetForegroundWindow(clock.process);
  const DWORD thread = clock.thread;
  if (thread && ::PostThreadMessageW(thread, ShowRequestMessage(), 0, 0) &&
      ::WaitForSingleObject(shown_.get(), kByThreadMs) == WAIT_OBJECT_0)
    return true;
  HWND disc = ::FindWindowW(discClass, nullptr);
  if (!disc) return false;
  ::PostMessageW(disc, ShowRequestMessage(), 0, 0);
  return ::WaitForSingleObject(shown_.get(), kByDiscMs) == WAIT_OBJECT_0;
}

void SingleInstance::TakeRequestsOnThisThread() const {
  // A thread takes thread messages once it has a message queue: made here,
  // so that a request posted while the clock still starts waits in it.
  MSG message;
  ::PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  WriteClock(loopThread_.get(),
             {.thread = ::GetCurrentThreadId(), .process = ::GetCurrentProcessId()});
}

void SingleInstance::SayReady() const {
  if (ready_) ::SetEvent(ready_.get());
}

void SingleInstance::AnswerShown() const {
  if (shown_) ::SetEvent(shown_.get());
}

}  // namespace kelbo
