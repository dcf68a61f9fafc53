// Kelbo Time: a binary clock on a round, translucent, always-on-top disc.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>

#include "app/environment.h"
#include "app/error_report.h"
#include "app/single_instance.h"
#include "app/system_environment.h"
#include "main_window/frm_main.h"
#include "ui/system_library.h"

#if defined(__GLIBCXX__)
// What GCC's runtime does with an exception that nothing caught: it would
// print the exception's type, demangled, to a console this program does not
// have, through a demangler that is a third of the exe. Every exception is
// caught below; should one still get away, the program ends here as it
// would after printing.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
#endif

namespace {

// The program's message loop. A second start's request comes as a thread
// message and goes to `onAsked`; an installer's request to end goes to
// `onEndAsked`.
int RunMessageLoop(const std::function<void()>& onAsked, const std::function<void()>& onEndAsked) {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (kelbo::SingleInstance::IsThreadRequest(message)) {
      onAsked();
      continue;
    }
    if (kelbo::SingleInstance::IsThreadEndRequest(message)) {
      onEndAsked();
      continue;
    }
    if (kelbo::Form::PreTranslateMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  kelbo::LoadDllsFromSystem32Only();
  // One clock per session, decided before any window exists: a second start
  // shows the running clock and ends. Only a clock that does not answer
  // (hung, or not there after all) gets a new one instead.
  const kelbo::SingleInstance instance;
  if (instance.AnotherRuns() && instance.AskToShow(kelbo::FrmMain::kClassName)) return 0;
  instance.TakeRequestsOnThisThread();

  kelbo::SystemEnvironment environment;
  kelbo::InstallEnvironment(environment);
  // An error no handler expected is reported, and the clock goes on: one
  // part that failed (an options dialog that could not be made, say) does
  // not take the disc with it. The program still ends when its last window
  // is gone.
  kelbo::Form::SetErrorHandler(kelbo::ReportUnexpectedError);
  try {
    std::unique_ptr<kelbo::Owned<kelbo::FrmMain>> frmMain;
    std::function<void()> showRequested;
    const auto makeDisc = [&] {
      auto disc = std::make_unique<kelbo::Owned<kelbo::FrmMain>>();
      disc->Load();
      disc->Show();
      disc->OnShowRequest(kelbo::SingleInstance::ShowRequestMessage(), showRequested);
      disc->OnEndRequest(kelbo::SingleInstance::EndRequestMessage());
      // Made before the old one goes, with the dialog that kept it alive.
      frmMain = std::move(disc);
    };
    showRequested = [&] {
      // The answer comes first: taking the icon out of the tray is a call to
      // the shell, which a busy shell can hold for seconds.
      instance.AnswerShown();
      try {
        if (frmMain->IsLoaded())
          frmMain->ShowOnRequest();
        else
          makeDisc();  // the disc was closed while the options kept the program alive
      } catch (const std::exception& error) {
        kelbo::ReportUnexpectedError(error);
      }
    };
    makeDisc();
    // The program ends when no window of it is left open.
    kelbo::Form::SetQuitWhenLastFormCloses(true);
    instance.SayReady();
    return RunMessageLoop(showRequested, [&] { frmMain->EndOnRequest(); });
  } catch (const std::exception& error) {
    kelbo::ReportUnexpectedError(error);  // the disc could not be made
    return 1;
  }
}
