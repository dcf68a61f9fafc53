#include "tray/gtray.h"

#include <algorithm>

#include "resource_ids.h"
#include "tray/tray_decode.h"
#include "ui/handles.h"

namespace gTray {

NOTIFYICONDATAA TrayIconData{};

namespace {
// The tray shows a small icon; hand it one of the right size instead of the
// 128-pixel picture for the shell to shrink.
kelbo::UniqueIcon& TrayIcon() {
  static kelbo::UniqueIcon icon;
  return icon;
}
}  // namespace

void FillTrayIconData(HWND owner) {
  static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayRecordSize || sizeof(void*) != 4);
  TrayIcon().reset(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CUBE), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0)));
  TrayIconData = {};
  TrayIconData.cbSize = kTrayRecordSize;
  TrayIconData.hWnd = owner;
  TrayIconData.uID = kTrayIconId;
  TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  TrayIconData.uCallbackMessage = kTrayCallbackMessage;
  TrayIconData.hIcon = TrayIcon().get();
  const auto tip = kelbo::TrayTip("Kelbo Time");
  std::copy(tip.begin(), tip.end(), TrayIconData.szTip);
}

bool NotifyTray(DWORD operation) {
  return ::Shell_NotifyIconA(operation, &TrayIconData) != FALSE;
}

}  // namespace gTray
