// An installer's request that the clock end: as the tray menu's "Exit",
// also when it comes inside a menu's or a dialog's loop.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "app/single_instance.h"
#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "resource_ids.h"
#include "scripted_environment.h"
#include "ui/prompt_dialog.h"

namespace kelbo::testing {
namespace {

// Takes the end request waiting for the thread's own loop, if there is one.
bool TakeThreadEndRequest() {
  MSG message;
  const UINT end = SingleInstance::EndRequestMessage();
  return ::PeekMessageW(&message, reinterpret_cast<HWND>(-1), end, end, PM_REMOVE) &&
         SingleInstance::IsThreadEndRequest(message);
}

class EndRequest : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    frm.Show();
    frm.OnEndRequest(SingleInstance::EndRequestMessage());
  }
  void TearDown() override {
    if (!frm.IsLoaded()) return;
    NOTIFYICONDATAA record = frm.Tray().Record();
    if (IconExists(record)) ::Shell_NotifyIconA(NIM_DELETE, &record);
  }
  void PostRequestToDisc() const {
    ::PostMessageW(frm.hWnd(), SingleInstance::EndRequestMessage(), 0, 0);
  }
  Owned<FrmMain> frm;
};

TEST_F(EndRequest, EndsTheClockShownOrInTheTrayAndLeavesNoIcon) {
  for (const bool inTray : {false, true}) {
    Owned<FrmMain> clock;
    clock.Load();
    clock.Show();
    if (inTray) clock.imgMin_Click();
    const NOTIFYICONDATAA record = clock.Tray().Record();
    clock.EndOnRequest();
    EXPECT_FALSE(clock.IsLoaded()) << inTray;
    EXPECT_FALSE(IconExists(record)) << inTray;
  }
}

TEST_F(EndRequest, AnOpenOptionsDialogStaysInFrontAndKeepsTheProgram) {
  frm.imgConfig_Click();
  ASSERT_NE(frm.frmConfig(), nullptr);
  HWND options = frm.frmConfig()->hWnd();
  for (int request = 1; request <= 2; ++request) {  // each request brings it forward
    ::SetForegroundWindow(frm.IsLoaded() ? frm.hWnd() : ::GetDesktopWindow());
    frm.EndOnRequest();
    EXPECT_FALSE(frm.IsLoaded()) << request;
    ASSERT_NE(frm.frmConfig(), nullptr) << request;
    EXPECT_TRUE(::IsWindowVisible(options)) << request;
    EXPECT_EQ(::GetForegroundWindow(), options) << request;
  }
}

TEST_F(EndRequest, AtRestTheDiscHandsTheRequestToTheThreadsLoop) {
  PostRequestToDisc();
  MSG message;
  const UINT end = SingleInstance::EndRequestMessage();
  ASSERT_TRUE(::PeekMessageW(&message, frm.hWnd(), end, end, PM_REMOVE));
  ::DispatchMessageW(&message);
  EXPECT_TRUE(frm.IsLoaded());
  EXPECT_TRUE(TakeThreadEndRequest());
}

// A loop the request did not end would hold the test: each is ended from
// outside after a while, and then counts as not cancelled.
constexpr DWORD kGiveUpMs = 3000;
UINT_PTR giveUp = 0;
void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (HWND dialog = ::FindWindowW(L"#32770", nullptr)) ::EndDialog(dialog, IDOK);
  ::EndMenu();
}

TEST_F(EndRequest, InsideAMenuOrADialogTheLoopIsCancelledAndTheDiscStays) {
  const PromptTemplate prompt{IDD_PROMPT, IDC_PROMPT_TEXT, IDC_PROMPT_EDIT};
  const struct {
    const char* loop;
    std::function<bool()> run;  // true when it ended with nothing chosen
  } cases[] = {
      {"the tray menu",
       [&] {
         frm.imgMin_Click();
         PopupMenu menu(TrayIcon::kMenuItems);
         return menu.Track(frm.hWnd()) == 0;
       }},
      {"the opacity prompt",
       [&] { return !ShowPromptDialog(prompt, L"Enter", L"Set Transparency").has_value(); }},
      {"a message box",
       [&] { return ::MessageBoxW(frm.hWnd(), L"Busy", L"Kelbo Time", MB_OK) != 0; }},
  };
  for (const auto& c : cases) {
    SoonInsideTheLoop([&] {
      giveUp = ::SetTimer(nullptr, 0, kGiveUpMs, GiveUp);
      PostRequestToDisc();
    });
    const DWORD started = ::GetTickCount();
    EXPECT_TRUE(c.run()) << c.loop;
    EXPECT_LT(::GetTickCount() - started, kGiveUpMs) << c.loop << ": not cancelled";
    ::KillTimer(nullptr, giveUp);
    EXPECT_TRUE(frm.IsLoaded()) << c.loop;  // never destroyed under the loop
    EXPECT_TRUE(TakeThreadEndRequest()) << c.loop;
    PumpMessages();
  }
}

}  // namespace
}  // namespace kelbo::testing
