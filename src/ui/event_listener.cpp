#include "ui/event_listener.h"

#include <exception>

#include "ui/form.h"

namespace kelbo {

namespace {

constexpr UINT kSignalled = WM_APP;
constexpr const wchar_t* kClassName = L"KelboEventListener";

void RegisterListenerClass(WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, kClassName, &wc)) return;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  ::RegisterClassExW(&wc);
}

}  // namespace

EventListener::EventListener(HANDLE event, std::function<void()> onSignal)
    : onSignal_(std::move(onSignal)) {
  RegisterListenerClass(&EventListener::WindowProc);
  window_ = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  if (!window_) return;
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (!event || !::RegisterWaitForSingleObject(&wait_, event, &EventListener::Signalled, window_,
                                               INFINITE, WT_EXECUTEINWAITTHREAD))
    wait_ = nullptr;
}

EventListener::~EventListener() {
  // Waits for a callback under way, so that none posts to a window gone.
  if (wait_) ::UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
  if (window_) ::DestroyWindow(window_);
}

void CALLBACK EventListener::Signalled(void* window, BOOLEAN) {
  ::PostMessageW(static_cast<HWND>(window), kSignalled, 0, 0);
}

LRESULT CALLBACK EventListener::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSignalled) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  auto* listener = reinterpret_cast<EventListener*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Nothing may unwind through the system's code that called us.
  try {
    if (listener) listener->onSignal_();
  } catch (const std::exception& error) {
    Form::ReportError(error);
  } catch (...) {
    Form::ReportError(std::runtime_error("An error of unknown kind"));
  }
  return 0;
}

}  // namespace kelbo
