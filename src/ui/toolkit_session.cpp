#include "ui/toolkit_session.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

namespace kelbo {

ToolkitSession::ToolkitSession()
    : comStarted_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
  ::InitCommonControlsEx(&controls);
}

ToolkitSession::~ToolkitSession() {
  if (comStarted_) ::CoUninitialize();
}

}  // namespace kelbo
