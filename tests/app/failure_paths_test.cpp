// An options dialog that cannot be made: the disc, the tray and "Exit" go
// on working. The window system is made to refuse the slider's window, as
// it refuses a window when the desktop's heap or the process's handles run
// out.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

// While it lasts, no slider window can be made on this thread.
class SliderRefused {
 public:
  SliderRefused() : hook_(::SetWindowsHookExW(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId())) {}
  ~SliderRefused() { ::UnhookWindowsHookEx(hook_); }
  SliderRefused(const SliderRefused&) = delete;
  SliderRefused& operator=(const SliderRefused&) = delete;
  bool Active() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      wchar_t name[64]{};
      ::GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
      if (::lstrcmpiW(name, TRACKBAR_CLASSW) == 0) return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

void ChooseConfigureFromTheMenu(FrmMain& frm) {
  SoonInsideTheLoop([] {
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    for (const WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_DOWN}, WPARAM{VK_RETURN}}) {
      ::PostMessageW(menu, WM_KEYDOWN, key, 0);
      ::PostMessageW(menu, WM_KEYUP, key, 0);
    }
  });
  ::SendMessageW(frm.hWnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_RBUTTONDOWN);
}

TEST(FailurePaths, ATrayActionThatFailsLeavesTheIconAnswering) {
  int errors = 0;
  const ErrorHandlerScope counted([&](const std::exception&) { ++errors; });
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  frm.imgMin_Click();
  ASSERT_TRUE(frm.Tray().InTray());
  {
    const SliderRefused refused;
    ASSERT_TRUE(refused.Active());
    ChooseConfigureFromTheMenu(frm);
  }
  EXPECT_EQ(errors, 1);
  EXPECT_FALSE(frm.Tray().BusyForTesting());
  ::SendMessageW(frm.hWnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
  EXPECT_TRUE(frm.Visible()) << "a left press on the icon was dropped";
  EXPECT_FALSE(frm.Tray().InTray());
}

TEST(FailurePaths, AnOptionsDialogThatCannotBeMadeIsNotKept) {
  int errors = 0;
  const ErrorHandlerScope counted([&](const std::exception&) { ++errors; });
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  {
    const SliderRefused refused;
    frm.imgConfig().Click();
  }
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(frm.frmConfig(), nullptr);
  EXPECT_EQ(Form::OpenFormsForTesting(), 1) << "a half-made dialog is still open";

  // The next opening makes a whole one, with the stored level.
  frm.imgConfig().Click();
  ASSERT_NE(frm.frmConfig(), nullptr);
  EXPECT_EQ(frm.frmConfig()->Sldr1().Position(), 225);
  frm.frmConfig()->Unload();

  // And "Exit" leaves nothing open that would keep the program.
  frm.imgExit_Click();
  EXPECT_EQ(Form::OpenFormsForTesting(), 0);
}

}  // namespace
}  // namespace kelbo::testing
