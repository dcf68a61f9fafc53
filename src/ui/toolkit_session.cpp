#include "ui/toolkit_session.h"

#include <windows.h>
#include <commctrl.h>

namespace kelbo {

ToolkitSession::ToolkitSession() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
  ::InitCommonControlsEx(&controls);
}

}  // namespace kelbo
