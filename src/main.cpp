// Kelbo Time: a binary clock on a round, translucent, always-on-top disc.
#include <windows.h>

#include <exception>

#include "app/environment.h"
#include "app/system_environment.h"
#include "main_window/frm_main.h"
#include "ui/toolkit_session.h"

namespace {

void ShowFatalError(const std::exception& error) {
  ::MessageBoxA(nullptr, error.what(), kelbo::kAppTitle, MB_OK | MB_ICONERROR);
}

int RunMessageLoop() {
  MSG message;
  BOOL got;
  while ((got = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (kelbo::Form::PreTranslateMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  kelbo::ToolkitSession toolkit;
  kelbo::SystemEnvironment environment;
  kelbo::InstallEnvironment(environment);
  // An error no handler expected: say what it was and end, rather than run
  // on in a state nobody planned for.
  kelbo::Form::SetErrorHandler([](const std::exception& error) {
    ShowFatalError(error);
    ::PostQuitMessage(1);
  });
  try {
    kelbo::FrmMain frmMain;
    frmMain.Load();
    frmMain.Show();
    // The program ends when no window of it is left open.
    kelbo::Form::SetQuitWhenLastFormCloses(true);
    return RunMessageLoop();
  } catch (const std::exception& error) {
    ShowFatalError(error);
    return 1;
  }
}
