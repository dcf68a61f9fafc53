#include "app/single_instance.h"

namespace kelbo {

namespace {

// The number of the running clock's loop thread, in its memory block; 0
// when there is none.
DWORD ReadThread(HANDLE block) {
  if (!block) return 0;
  const void* view = ::MapViewOfFile(block, FILE_MAP_READ, 0, 0, sizeof(DWORD));
  if (!view) return 0;
  const DWORD thread = *static_cast<const DWORD*>(view);
  ::UnmapViewOfFile(view);
  return thread;
}

void WriteThread(HANDLE block, DWORD thread) {
  if (!block) return;
  if (void* view = ::MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, sizeof(DWORD))) {
    *static_cast<DWORD*>(view) = thread;
    ::UnmapViewOfFile(view);
  }
}

}  // namespace

SingleInstance::SingleInstance() {
  running_.reset(::CreateMutexW(nullptr, FALSE, L"Local\\KelboTime.Running"));
  anotherRuns_ = running_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
  loopThread_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         sizeof(DWORD), L"Local\\KelboTime.LoopThread"));
  shown_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"Local\\KelboTime.Shown"));
}

UINT SingleInstance::ShowRequestMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"KelboTime.ShowTheClock");
  return message;
}

bool SingleInstance::AskToShow(const wchar_t* discClass) const {
  // The thread's answer comes at once from a clock at rest; a clock in a
  // modal loop gets the message to its disc and answers from there.
  constexpr DWORD kByThreadMs = 500;
  constexpr DWORD kByDiscMs = 1500;
  if (!shown_) return false;
  ::ResetEvent(shown_.get());  // an answer to an earlier start that gave up
  // Whoever answers may bring its window to the front.
  ::AllowSetForegroundWindow(ASFW_ANY);
  const DWORD thread = ReadThread(loopThread_.get());
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
  WriteThread(loopThread_.get(), ::GetCurrentThreadId());
}

void SingleInstance::AnswerShown() const {
  if (shown_) ::SetEvent(shown_.get());
}

}  // namespace kelbo
