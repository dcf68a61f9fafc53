// The picture buttons, the tray icon's notifications and its popup menu.
#include "tray/gtray.h"
#include "tray/tray_decode.h"
#include "window/frm_main.h"

namespace kelbo {

namespace {

// Sent to every top-level window when the shell's notification area is
// (re)created, for example after the shell restarted.
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

enum MenuCommand : UINT { kMenuShow = 1, kMenuConfig = 2, kMenuExit = 3 };

}  // namespace

void FrmMain::BuildPopupMenu() {
  mnuPopup_.reset(::CreatePopupMenu());
  ::AppendMenuW(mnuPopup_.get(), MF_STRING, kMenuShow, L"Show Kelbo Time");
  ::AppendMenuW(mnuPopup_.get(), MF_STRING, kMenuConfig, L"Configure");
  ::AppendMenuW(mnuPopup_.get(), MF_STRING, kMenuExit, L"Exit");
}

void FrmMain::imgMin_Click() {
  // Hide only when the icon is really there: a hidden disc without an icon
  // could never be fetched back.
  if (!gTray::NotifyTray(NIM_ADD)) return;
  inTray_ = true;
  SetVisible(false);
}

void FrmMain::imgConfig_Click() {
  ShowConfig();
}

// The icon does not exist while the disc is shown, so the shell is not called.
void FrmMain::imgExit_Click() {
  Unload();
}

void FrmMain::mnuShow_Click() {
  SetVisible(true);
  RemoveTrayIcon();
}

void FrmMain::mnuConfig_Click() {
  ShowConfig();
}

void FrmMain::mnuExit_Click() {
  RemoveTrayIcon();  // first, so that no dead icon stays behind
  Unload();
}

void FrmMain::RemoveTrayIcon() {
  gTray::NotifyTray(NIM_DELETE);  // fails only when the icon is gone already
  inTray_ = false;
}

void FrmMain::OnTrayNotification(std::uint32_t mouseMessage) {
  if (TrayBusy) return;  // dropped, not queued: the menu is open
  TrayBusy = true;
  switch (DecodeTrayNotification(mouseMessage)) {
    case TrayAction::ShowWindow:
      Show();
      RemoveTrayIcon();
      break;
    case TrayAction::OpenMenu:
      ShowPopupMenu();  // "Exit" may have unloaded the window by now
      break;
    case TrayAction::None:
      break;
  }
  TrayBusy = false;  // a member of this object, which outlives its window
}

void FrmMain::ShowPopupMenu() {
  POINT at;
  ::GetCursorPos(&at);
  // Without the foreground, the menu would not close on a click elsewhere.
  ::SetForegroundWindow(hWnd());
  const UINT command =
      ::TrackPopupMenu(mnuPopup_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                       0, hWnd(), nullptr);
  ::PostMessageW(hWnd(), WM_NULL, 0, 0);
  switch (command) {
    case kMenuShow:
      mnuShow_Click();
      break;
    case kMenuConfig:
      mnuConfig_Click();
      break;
    case kMenuExit:
      mnuExit_Click();
      break;
    default:
      break;  // dismissed
  }
}

bool FrmMain::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  result = 0;
  if (message == gTray::kTrayCallbackMessage) {
    OnTrayNotification(static_cast<std::uint32_t>(lParam));
    return true;
  }
  if (message == TaskbarCreatedMessage()) {
    if (inTray_) gTray::NotifyTray(NIM_ADD);
    return true;
  }
  if (message == WM_DESTROY && inTray_) {
    RemoveTrayIcon();  // however the window goes, its icon goes with it
  }
  return false;
}

// Modeless and without an owner: the disc, its timers and the tray go on
// beside it. An open dialog is only brought forward, as the user left it.
void FrmMain::ShowConfig() {
  if (!frmConfig_ || !frmConfig_->IsLoaded()) {
    frmConfig_ = std::make_unique<FrmConfig>(*this);
    frmConfig_->Load();
  }
  frmConfig_->Show();
}

FrmConfig* FrmMain::frmConfig() const {
  return frmConfig_ && frmConfig_->IsLoaded() ? frmConfig_.get() : nullptr;
}

}  // namespace kelbo
