// Which buttons come in the common controls' current look and which in the
// classic one: the dialogs look current, while the main window's hidden
// button stays classic so that the clock starts without loading them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window/frm_main.h"
#include "resource_ids.h"
#include "ui/prompt_dialog.h"

namespace kelbo::testing {
namespace {

// Only buttons of the current look answer this.
bool CurrentLook(HWND button) {
  SIZE ideal{};
  return ::SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != FALSE;
}

bool promptOkLooksCurrent = false;

void CALLBACK InspectAndCancelPrompt(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = ::FindWindowW(nullptr, L"Look");
  if (!dialog) return;  // not open yet: the timer comes again
  ::KillTimer(nullptr, id);
  promptOkLooksCurrent = CurrentLook(::GetDlgItem(dialog, IDOK));
  ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST(ControlLook, DialogsAreCurrentAndTheHiddenButtonClassic) {
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  frm.imgConfig_Click();
  FrmConfig* dialog = frm.frmConfig();
  ASSERT_NE(dialog, nullptr);
  ::SetTimer(nullptr, 0, 20, InspectAndCancelPrompt);
  ShowPromptDialog({IDD_PROMPT, IDC_PROMPT_TEXT, IDC_PROMPT_EDIT}, L"Which look?", L"Look");

  const struct {
    const char* button;
    bool looksCurrent, wanted;
  } cases[] = {
      {"Set Tran", CurrentLook(frm.cmdTran().hWnd()), false},
      {"Save & Exit", CurrentLook(dialog->cmdSave().hWnd()), true},
      {"Alway On Top", CurrentLook(dialog->chkAOT().hWnd()), true},
      {"the prompt's OK", promptOkLooksCurrent, true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.looksCurrent, c.wanted) << c.button;
}

}  // namespace
}  // namespace kelbo::testing
