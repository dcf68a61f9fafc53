// Kelbo Time: a binary clock on a round, translucent, always-on-top disc.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/environment.h"
#include "app/error_report.h"
#include "app/single_instance.h"
#include "app/system_environment.h"
#include "main_window/frm_main.h"
#include "ui/event_listener.h"

namespace {

// How long a second start waits for the running clock to answer; it answers
// within milliseconds, or, while it is still starting, within a second.
constexpr DWORD kAnswerWithinMs = 2000;

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
  // One clock per session, decided before any window exists: a second start
  // shows the running clock and ends. Only a clock that does not answer
  // (hung, or not there after all) gets a new one instead.
  const kelbo::SingleInstance instance;
  if (instance.AnotherRuns() && instance.AskToShow(kAnswerWithinMs)) return 0;

  kelbo::SystemEnvironment environment;
  kelbo::InstallEnvironment(environment);
  // An error no handler expected is reported, and the clock goes on: one
  // part that failed (an options dialog that could not be made, say) does
  // not take the disc with it. The program still ends when its last window
  // is gone.
  kelbo::Form::SetErrorHandler(kelbo::ReportUnexpectedError);
  try {
    auto frmMain = std::make_unique<kelbo::Owned<kelbo::FrmMain>>();
    frmMain->Load();
    frmMain->Show();
    // The program ends when no window of it is left open.
    kelbo::Form::SetQuitWhenLastFormCloses(true);
    const kelbo::EventListener secondStarts(instance.ShowAsked(), [&] {
      if (frmMain->IsLoaded()) {
        frmMain->ShowOnRequest();
      } else {
        // The disc was closed while the options dialog kept the program
        // alive: a new disc, made before the old one's dialog goes with it.
        auto fresh = std::make_unique<kelbo::Owned<kelbo::FrmMain>>();
        fresh->Load();
        fresh->Show();
        frmMain = std::move(fresh);
      }
      instance.AnswerShown();
    });
    return RunMessageLoop();
  } catch (const std::exception& error) {
    kelbo::ReportUnexpectedError(error);  // the disc could not be made
    return 1;
  }
}
