// The opacity prompt with the typed text scripted.
#include <gtest/gtest.h>

#include <cstring>

#include "app_helpers.h"
#include "resource_ids.h"
#include "scripted_environment.h"
#include "main_window/frm_main.h"
#include "app/settings.h"

namespace kelbo::testing {
namespace {

class TransparencyPrompt : public ::testing::Test {
 protected:
  void SetUp() override { frm.Load(); }
  void Enter(const std::optional<std::wstring>& text) {
    Scripted().answers.push_back(text);
    frm.cmdTran().Click();  // a real BM_CLICK on the button
  }
  Owned<FrmMain> frm;
};

TEST_F(TransparencyPrompt, AsksWithItsOwnTexts) {
  Enter(L"128");
  ASSERT_EQ(Scripted().prompts.size(), 1u);
  EXPECT_EQ(Scripted().prompts[0].first, L"Enter the Transparency Value (0-255)");
  EXPECT_EQ(Scripted().prompts[0].second, L"Set Transparency");
}

TEST_F(TransparencyPrompt, StoresClampsAndAppliesAtOnce) {
  const struct {
    const wchar_t* typed;
    int level;
  } cases[] = {{L"128", 128}, {L"300", 255}, {L"-5", 0},
               {L"12.5", 12}, {L"13.5", 14}, {L" 200 ", 200}};
  for (const auto& c : cases) {
    Enter(c.typed);
    EXPECT_EQ(settings::TransparencyLevel, c.level) << c.typed;
    EXPECT_EQ(Alpha(frm.hWnd()), c.level) << c.typed;
    EXPECT_TRUE(Layered(frm.hWnd()));
  }
  EXPECT_TRUE(Scripted().messages.empty());
}

TEST_F(TransparencyPrompt, BadEntriesAreReportedAndChangeNothing) {
  Enter(L"100");
  const struct {
    std::optional<std::wstring> typed;
    const char* message;
  } cases[] = {
      {L"", "Type mismatch Source : KelboTime"},  // OK on an empty field
      {L"abc", "Type mismatch Source : KelboTime"},
      {L"40000", "Overflow Source : KelboTime"},
  };
  for (const auto& c : cases) {
    Scripted().messages.clear();
    Enter(c.typed);
    ASSERT_EQ(Scripted().messages.size(), 1u) << c.message;
    EXPECT_EQ(Scripted().messages[0], c.message);
    EXPECT_EQ(settings::TransparencyLevel, 100);
    EXPECT_EQ(Alpha(frm.hWnd()), 100);
  }
}

TEST_F(TransparencyPrompt, CancelChangesNothingAndSaysNothing) {
  Enter(L"100");
  Enter(std::nullopt);
  EXPECT_TRUE(Scripted().messages.empty());
  EXPECT_EQ(settings::TransparencyLevel, 100);
  EXPECT_EQ(Alpha(frm.hWnd()), 100);
}

// Types `text` into the real prompt dialog once it is open, and presses OK.
std::wstring typed;
void CALLBACK TypeIntoPrompt(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = ::FindWindowW(nullptr, L"Set Transparency");
  if (!dialog) return;  // not open yet: the timer comes again
  ::KillTimer(nullptr, id);
  ::SetDlgItemTextW(dialog, IDC_PROMPT_EDIT, typed.c_str());
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(TransparencyPrompt, OnlyAsciiTextIsANumberInTheRealDialog) {
  Scripted().realPrompt = true;
  const struct {
    const wchar_t* text;
    int level;  // -1: a type mismatch
  } cases[] = {
      {L"128", 128},
      {L" 12.5 ", 12},
      {L"\u221E", -1},              // infinity, which an 8-bit read makes an 8
      {L"-\u221E", -1},             // and a 0
      {L"\uFF11\uFF12\uFF18", -1},  // full-width 128
      {L"\u2081\u2082\u2088", -1},  // subscript 128
      {L"128\u3000", -1},           // an ideographic space after it
      {L"\u22125", -1},             // a minus sign
      {L"\uFF0D5", -1},             // a full-width hyphen
      {L"\uFF0E5", -1},             // a full-width full stop
  };
  for (const auto& c : cases) {
    settings::TransparencyLevel = 77;
    Scripted().messages.clear();
    typed = c.text;
    ::SetTimer(nullptr, 0, 50, TypeIntoPrompt);
    frm.cmdTran().Click();
    if (c.level < 0) {
      ASSERT_EQ(Scripted().messages.size(), 1u) << static_cast<int>(c.text[0]);
      EXPECT_EQ(Scripted().messages[0], "Type mismatch Source : KelboTime");
      EXPECT_EQ(settings::TransparencyLevel, 77);
    } else {
      EXPECT_TRUE(Scripted().messages.empty());
      EXPECT_EQ(settings::TransparencyLevel, c.level);
    }
  }
}

// Pastes `typed` into the real prompt's field through the clipboard, as a
// user's Ctrl+V does, and presses OK.
void CALLBACK PasteIntoPrompt(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = ::FindWindowW(nullptr, L"Set Transparency");
  if (!dialog) return;
  ::KillTimer(nullptr, id);
  const std::size_t bytes = (typed.size() + 1) * sizeof(wchar_t);
  HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(text), typed.c_str(), bytes);
  ::GlobalUnlock(text);
  if (::OpenClipboard(dialog)) {
    ::EmptyClipboard();
    ::SetClipboardData(CF_UNICODETEXT, text);  // the clipboard owns it now
    ::CloseClipboard();
  }
  ::SendDlgItemMessageW(dialog, IDC_PROMPT_EDIT, WM_PASTE, 0, 0);
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(TransparencyPrompt, ALongPasteIsReadWhole) {
  Scripted().realPrompt = true;
  // Cut at the field's usual 30,000 characters, this would read as 0.
  typed = std::wstring(39'997, L'0') + L"128";
  ::SetTimer(nullptr, 0, 50, PasteIntoPrompt);
  frm.cmdTran().Click();
  EXPECT_TRUE(Scripted().messages.empty());
  EXPECT_EQ(settings::TransparencyLevel, 128);
  EXPECT_EQ(Alpha(frm.hWnd()), 128);
}

// Last in the tab order, after the picture buttons: Shift+Tab from the
// first of them reaches it.
TEST_F(TransparencyPrompt, TheButtonIsATabStopBelowTheDisc) {
  HWND button = frm.cmdTran().hWnd();
  EXPECT_TRUE(::GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(::IsWindowEnabled(button));
  EXPECT_EQ(::GetNextDlgTabItem(frm.hWnd(), frm.imgConfig().hWnd(), TRUE), button);
}

}  // namespace
}  // namespace kelbo::testing
