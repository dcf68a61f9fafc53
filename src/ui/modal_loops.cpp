#include "ui/modal_loops.h"

#include <windows.h>

#include <cwchar>
#include <iterator>

namespace kelbo {

namespace {

// The system's class of dialog boxes, message boxes among them.
constexpr wchar_t kDialogClass[] = L"#32770";

BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
  wchar_t name[std::size(kDialogClass) + 1] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  // A disabled dialog has another open over it, which is closed first.
  if (std::wcscmp(name, kDialogClass) == 0 && ::IsWindowEnabled(window))
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return TRUE;
}

}  // namespace

void CancelModalLoops() {
  ::EndMenu();
  ::EnumThreadWindows(::GetCurrentThreadId(), CancelDialog, 0);
}

}  // namespace kelbo
