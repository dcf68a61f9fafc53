// The opacity prompt behind the hidden "Set Tran" button.
#include "window/frm_main.h"

namespace kelbo {

void FrmMain::cmdTran_Click() {}

}  // namespace kelbo
