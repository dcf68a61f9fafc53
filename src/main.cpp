// Kelbo Time: a binary clock on a round, translucent, always-on-top disc.
#include <windows.h>

#include <exception>

#include "app/environment.h"
#include "app/error_report.h"
#include "app/system_environment.h"
#include "main_window/frm_main.h"
#include "ui/handles.h"

namespace {

// Through the program's one error report, as "what went wrong Source :
// KelboTime".
void ReportFatalError(const std::exception& error) {
  constexpr int kInternalError = 51;
  kelbo::ReportRunError(kelbo::RunError(kInternalError, error.what()));
}

// Asks the clock that is running already to show itself. It may still be
// starting, so its window is looked for a little while.
void ShowRunningClock() {
  for (int attempt = 0; attempt < 30; ++attempt) {
    if (HWND clock = ::FindWindowW(kelbo::FrmMain::kClassName, nullptr)) {
      DWORD process = 0;
      ::GetWindowThreadProcessId(clock, &process);
      ::AllowSetForegroundWindow(process);  // so that it may come to the front
      ::PostMessageW(clock, kelbo::FrmMain::ShowRequestMessage(), 0, 0);
      return;
    }
    ::Sleep(100);
  }
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
  // One clock per user session, decided before any window exists: a second
  // start shows the first clock and ends.
  const kelbo::UniqueKernelHandle running(
      ::CreateMutexW(nullptr, FALSE, L"Local\\KelboTime.Running"));
  if (running && ::GetLastError() == ERROR_ALREADY_EXISTS) {
    ShowRunningClock();
    return 0;
  }
  kelbo::SystemEnvironment environment;
  kelbo::InstallEnvironment(environment);
  // An error no handler expected: say what it was and end, rather than run
  // on in a state nobody planned for.
  kelbo::Form::SetErrorHandler([](const std::exception& error) {
    ReportFatalError(error);
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
    ReportFatalError(error);
    return 1;
  }
}
