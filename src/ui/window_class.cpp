#include "ui/window_class.h"

#include "ui/system_error.h"

namespace kelbo {

namespace {

// Shared icons belong to the system and are never destroyed by us.
HICON SharedIcon(HINSTANCE instance, int resource, int sizeMetric) {
  if (resource == 0) return nullptr;
  const int size = ::GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

void RegisterWindowClass(const wchar_t* className, int iconResource, WNDPROC procedure,
                         int windowExtra) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = windowExtra;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  wc.hIcon = SharedIcon(instance, iconResource, SM_CXICON);
  wc.hIconSm = SharedIcon(instance, iconResource, SM_CXSMICON);
  if (!::RegisterClassExW(&wc)) ThrowSystemError("Cannot register the window class");
}

}  // namespace kelbo
