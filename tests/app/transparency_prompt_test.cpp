// The opacity prompt with the typed text scripted.
#include <gtest/gtest.h>

#include "app_helpers.h"
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
  FrmMain frm;
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
      {L"", "Type mismatch Source : KelboTime"},
      {std::nullopt, "Type mismatch Source : KelboTime"},  // Cancel
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

TEST_F(TransparencyPrompt, TheButtonIsATabStopBelowTheDisc) {
  HWND button = frm.cmdTran().hWnd();
  EXPECT_TRUE(::GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(::IsWindowEnabled(button));
  EXPECT_EQ(::GetNextDlgTabItem(frm.hWnd(), nullptr, FALSE), button);
}

}  // namespace
}  // namespace kelbo::testing
