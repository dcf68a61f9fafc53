#include "app/show_request_watch.h"

namespace kelbo {

ShowRequestWatch::ShowRequestWatch(HANDLE asked) : thread_(::GetCurrentThreadId()) {
  // Every signal of the auto-reset event is one request; each is handed on.
  if (!::RegisterWaitForSingleObject(&wait_, asked, &ShowRequestWatch::OnSignalled, &thread_,
                                     INFINITE, WT_EXECUTEINWAITTHREAD))
    wait_ = nullptr;
}

ShowRequestWatch::~ShowRequestWatch() {
  // Waits for a hand-on still running, which reads thread_.
  if (wait_) ::UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
}

void CALLBACK ShowRequestWatch::OnSignalled(void* thread, BOOLEAN) {
  ::PostThreadMessageW(*static_cast<DWORD*>(thread), kMessage, 0, 0);
}

}  // namespace kelbo
