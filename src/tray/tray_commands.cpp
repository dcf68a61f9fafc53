// The picture buttons, the tray icon's notifications and its popup menu.
#include "tray/gtray.h"
#include "window/frm_main.h"

namespace kelbo {

void FrmMain::imgMin_Click() {}
void FrmMain::imgConfig_Click() {}
void FrmMain::imgExit_Click() { Unload(); }
void FrmMain::mnuShow_Click() {}
void FrmMain::mnuConfig_Click() {}
void FrmMain::mnuExit_Click() {}

}  // namespace kelbo
