// The disc and the options from the keyboard alone: keys go through the
// program's loop as a user's do (the dialog manager first), to the window
// with the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/settings.h"
#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

void Press(WPARAM key) {
  for (const UINT message : {UINT{WM_KEYDOWN}, UINT{WM_KEYUP}}) {
    MSG m{::GetFocus(), message, key, 1, 0, {}};
    if (!Form::PreTranslateMessage(m)) {
      ::TranslateMessage(&m);
      ::DispatchMessageW(&m);
    }
  }
  PumpMessages();  // the characters the keys made
}

bool CueHidden(HWND button) {
  return ::SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS;
}

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    frm.Show();
    ::SetFocus(frm.hWnd());  // a click on the disc where no button is
  }
  Owned<FrmMain> frm;
};

TEST_F(Keyboard, TabAndTheArrowsGoRoundTheButtonsAndTheCueFollowsTheKeyboard) {
  HWND gear = frm.imgConfig().hWnd(), arrow = frm.imgMin().hWnd(), cross = frm.imgExit().hWnd();
  // Hidden until the keyboard is used, as Windows does by default; Wine's
  // default, like Windows' "underline access keys" setting, shows it always.
  BOOL alwaysShown = FALSE;
  ::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
  EXPECT_EQ(CueHidden(gear), !alwaysShown) << "before any key";
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), gear);
  EXPECT_FALSE(CueHidden(gear));
  const struct {
    WPARAM key;
    HWND then;
  } steps[] = {{VK_TAB, arrow},  {VK_TAB, cross},   {VK_TAB, frm.cmdTran().hWnd()},
               {VK_TAB, gear},   {VK_RIGHT, arrow}, {VK_DOWN, cross},
               {VK_RIGHT, gear}, {VK_LEFT, cross},  {VK_UP, arrow}};
  for (const auto& step : steps) {
    Press(step.key);
    EXPECT_EQ(::GetFocus(), step.then) << "after key " << step.key;
  }
}

// Enter and Space press the button with the focus: each does what its
// click does.
TEST(KeyboardPress, EnterAndSpacePressTheFocusedButton) {
  const struct {
    const char* what;
    const PictureButton& (FrmMain::*button)() const;
    WPARAM key;
    std::function<bool(FrmMain&)> done;
  } cases[] = {
      {"the gear", &FrmMain::imgConfig, VK_RETURN, [](FrmMain& f) { return f.frmConfig(); }},
      {"the arrow", &FrmMain::imgMin, VK_SPACE,
       [](FrmMain& f) { return !f.Visible() && f.Tray().InTray(); }},
      {"the cross", &FrmMain::imgExit, VK_RETURN, [](FrmMain& f) { return !f.IsLoaded(); }},
  };
  for (const auto& c : cases) {
    Owned<FrmMain> frm;
    frm.Load();
    frm.Show();
    ::SetFocus((frm.*c.button)().hWnd());
    Press(c.key);
    EXPECT_TRUE(c.done(frm)) << c.what;
    if (frm.Tray().InTray()) frm.mnuShow_Click();
    if (FrmConfig* options = frm.frmConfig()) options->Unload();
  }
}

TEST_F(Keyboard, ASecondStartPutsTheKeyboardOnTheFirstButtonAndAClickTakesItBack) {
  frm.imgMin_Click();
  frm.ShowOnRequest();
  EXPECT_TRUE(frm.Visible());
  EXPECT_EQ(::GetFocus(), frm.imgConfig().hWnd());
  ::SendMessageW(frm.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(89, 10));
  ::SendMessageW(frm.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(89, 10));
  EXPECT_EQ(::GetFocus(), frm.hWnd());
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), frm.imgConfig().hWnd());
}

TEST_F(Keyboard, TheOptionsGoButtonSliderBoxAndEnterSavesEscCancels) {
  frm.imgConfig_Click();
  FrmConfig* options = frm.frmConfig();
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(::GetFocus(), options->cmdSave().hWnd());
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), options->Sldr1().hWnd());
  Press(VK_LEFT);  // one step down, previewed on the disc at once
  EXPECT_EQ(options->Sldr1().Position(), 224);
  EXPECT_EQ(Alpha(frm.hWnd()), 224);
  EXPECT_EQ(options->lblVal().Text(), L"224");
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), options->chkAOT().hWnd());
  Press(VK_SPACE);
  EXPECT_EQ(options->chkAOT().Value(), BST_UNCHECKED);
  Press(VK_TAB);
  EXPECT_EQ(::GetFocus(), options->cmdSave().hWnd());

  Press(VK_ESCAPE);
  EXPECT_EQ(frm.frmConfig(), nullptr);
  EXPECT_EQ(settings::TransparencyLevel, 225);
  EXPECT_EQ(Alpha(frm.hWnd()), 225) << "the preview stayed after Esc";
  EXPECT_TRUE(settings::AlwaysOnTop);

  frm.imgConfig_Click();
  options = frm.frmConfig();
  ASSERT_NE(options, nullptr);
  Press(VK_TAB);
  Press(VK_LEFT);
  Press(VK_RETURN);  // Enter anywhere in the dialog is "Save & Exit"
  EXPECT_EQ(frm.frmConfig(), nullptr);
  EXPECT_EQ(settings::TransparencyLevel, 224);
}

}  // namespace
}  // namespace kelbo::testing
