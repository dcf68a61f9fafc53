// Kelbo Time: a binary clock on a round, translucent, always-on-top disc.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "ui/system_environment.h"
#include "window/frm_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
  ::InitCommonControlsEx(&controls);

  kelbo::SystemEnvironment environment;
  kelbo::InstallEnvironment(environment);

  int exitCode = 0;
  {
    kelbo::FrmMain frmMain;
    frmMain.Load();
    frmMain.Show();
    // The program ends when no window of it is left open.
    kelbo::Form::SetQuitWhenLastFormCloses(true);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (kelbo::Form::PreTranslateMessage(message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    exitCode = static_cast<int>(message.wParam);
  }
  ::CoUninitialize();
  return exitCode;
}
