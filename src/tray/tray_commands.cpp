// The picture buttons, the tray icon's notifications and its popup menu.
#include "tray/gtray.h"
#include "window/frm_main.h"

namespace kelbo {

void FrmMain::imgMin_Click() {}
void FrmMain::imgConfig_Click() { ShowConfig(); }
void FrmMain::imgExit_Click() { Unload(); }
void FrmMain::mnuShow_Click() {}
void FrmMain::mnuConfig_Click() { ShowConfig(); }

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
void FrmMain::mnuExit_Click() {}

}  // namespace kelbo
