// The opacity prompt behind the hidden "Set Tran" button.
#include "ui/environment.h"
#include "window/frm_main.h"
#include "window/gapi.h"
#include "window/number_text.h"

namespace kelbo {

void FrmMain::cmdTran_Click() {
  try {
    const std::string text =
        Env().Prompt("Enter the Transparency Value (0-255)", "Set Transparency");
    // A cancelled or bad entry throws before anything is stored.
    gAPI::TransparencyLevel = TextToInteger16(text);
    if (gAPI::TransparencyLevel < 0) gAPI::TransparencyLevel = 0;
    if (gAPI::TransparencyLevel > 255) gAPI::TransparencyLevel = 255;
    gAPI::SetWindowTransparency(hWnd(), gAPI::TransparencyLevel);
  } catch (const RunError& error) {
    gAPI::ReportRunError(error);
  }
}

}  // namespace kelbo
