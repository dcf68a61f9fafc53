// The options dialog on real windows: what it shows, previews and stores.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app_helpers.h"
#include "scripted_environment.h"
#include "ui/screen.h"
#include "main_window/frm_main.h"
#include "app/settings.h"

namespace kelbo::testing {
namespace {

class ConfigDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    frm.Show();
  }
  FrmConfig& Open() {
    frm.imgConfig_Click();
    FrmConfig* dialog = frm.frmConfig();
    EXPECT_NE(dialog, nullptr);
    return *dialog;
  }
  // As the user drags the thumb: the slider moves and tells its form.
  static void Drag(FrmConfig& dialog, int position) {
    dialog.Sldr1().SetPosition(position);
    ::SendMessageW(dialog.hWnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                   reinterpret_cast<LPARAM>(dialog.Sldr1().hWnd()));
  }
  static void CloseByTitleBar(FrmConfig& dialog) {
    ::SendMessageW(dialog.hWnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  Owned<FrmMain> frm;
};

TEST_F(ConfigDialog, OpensWithTheCurrentSettings) {
  FrmConfig& dialog = Open();
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.Sldr1().Position(), 225);
  EXPECT_EQ(dialog.lblVal().Text(), L"225");
  EXPECT_EQ(dialog.chkAOT().Value(), BST_CHECKED);
  wchar_t caption[64];
  ::GetWindowTextW(dialog.hWnd(), caption, 64);
  EXPECT_STREQ(caption, L"Configure Options");
  EXPECT_NE(::GetClassLongPtrW(dialog.hWnd(), GCLP_HICONSM), 0) << "no icon in the title bar";
  EXPECT_EQ(::GetFocus(), dialog.cmdSave().hWnd());
  EXPECT_EQ(::GetWindow(dialog.hWnd(), GW_OWNER), nullptr);
}

TEST_F(ConfigDialog, SliderPreviewsWithoutStoringAndSaveStores) {
  FrmConfig& dialog = Open();
  Drag(dialog, 0);
  EXPECT_EQ(Alpha(frm.hWnd()), 0);  // invisible at once, still layered, in place
  EXPECT_TRUE(Layered(frm.hWnd()));
  EXPECT_FLOAT_EQ(frm.Top(), frm.Idle().Home().top);
  EXPECT_EQ(dialog.lblVal().Text(), L"0");
  EXPECT_EQ(settings::TransparencyLevel, 225);
  dialog.cmdSave().Click();
  EXPECT_EQ(settings::TransparencyLevel, 0);
  EXPECT_EQ(frm.frmConfig(), nullptr);
}

TEST_F(ConfigDialog, ASecondStartShowsADiscPreviewedAtZeroAndKeepsTheDialog) {
  FrmConfig& dialog = Open();
  Drag(dialog, 0);
  ASSERT_EQ(Alpha(frm.hWnd()), 0);
  frm.ShowOnRequest();
  EXPECT_EQ(Alpha(frm.hWnd()), 225);  // the stored level
  ASSERT_EQ(frm.frmConfig(), &dialog);
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.Sldr1().Position(), 0);
  EXPECT_EQ(settings::TransparencyLevel, 225);
}

TEST_F(ConfigDialog, ClosingWithoutSavingPutsTheStoredOpacityBack) {
  const std::pair<const char*, void (*)(FrmConfig&)> closings[] = {
      {"title bar", CloseByTitleBar}, {"Esc", [](FrmConfig& dialog) {
                                         ::SendMessageW(dialog.hWnd(), WM_COMMAND, IDCANCEL, 0);
                                         PumpMessages();
                                       }}};
  for (const auto& [how, close] : closings) {
    FrmConfig& dialog = Open();
    Drag(dialog, 100);
    ASSERT_EQ(Alpha(frm.hWnd()), 100) << how;
    close(dialog);
    EXPECT_EQ(frm.frmConfig(), nullptr) << how;
    EXPECT_EQ(Alpha(frm.hWnd()), 225) << how;
    EXPECT_EQ(settings::TransparencyLevel, 225) << how;
  }
  FrmConfig& again = Open();
  EXPECT_EQ(again.Sldr1().Position(), 225);
  EXPECT_EQ(again.lblVal().Text(), L"225");
}

TEST_F(ConfigDialog, TheBoxMovesTheDiscOutOfTheTopmostBandAndBack) {
  const struct {
    int check;
    bool topmost;
  } steps[] = {{BST_UNCHECKED, false}, {BST_CHECKED, true}, {BST_CHECKED, true}};
  for (const auto& step : steps) {
    FrmConfig& dialog = Open();
    dialog.chkAOT().SetValue(step.check);
    dialog.cmdSave().Click();
    EXPECT_EQ(settings::AlwaysOnTop, step.topmost);
    EXPECT_EQ(Topmost(frm.hWnd()), step.topmost);
  }
}

TEST_F(ConfigDialog, OpeningAgainResetsNothing) {
  FrmConfig& dialog = Open();
  Drag(dialog, 42);
  dialog.chkAOT().SetValue(BST_UNCHECKED);
  FrmConfig& same = Open();
  EXPECT_EQ(&same, &dialog);
  EXPECT_EQ(same.Sldr1().Position(), 42);
  EXPECT_EQ(same.chkAOT().Value(), BST_UNCHECKED);
}

TEST_F(ConfigDialog, EveryFreshOpeningIsCentred) {
  for (int round = 0; round < 2; ++round) {
    FrmConfig& dialog = Open();
    RECT r;
    ::GetWindowRect(dialog.hWnd(), &r);
    const int centreX = (r.left + r.right) / 2, centreY = (r.top + r.bottom) / 2;
    EXPECT_NEAR(centreX, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(centreY, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    RECT client;
    ::GetClientRect(dialog.hWnd(), &client);
    EXPECT_EQ(client.right, 256);  // 3840 x 2010 twips at 96 DPI
    EXPECT_EQ(client.bottom, 134);
    dialog.SetLeft(0);  // the user moves it away
    dialog.SetTop(0);
    CloseByTitleBar(dialog);
  }
}

TEST_F(ConfigDialog, WorksOnWithoutTouchingAMainWindowThatIsGone) {
  FrmConfig& dialog = Open();
  frm.imgExit_Click();
  ASSERT_FALSE(frm.IsLoaded());
  EXPECT_EQ(Form::OpenFormsForTesting(), 1);  // the dialog keeps the program running
  Drag(dialog, 30);
  EXPECT_EQ(dialog.lblVal().Text(), L"30");
  EXPECT_TRUE(Scripted().messages.empty());
  dialog.chkAOT().SetValue(BST_UNCHECKED);
  dialog.cmdSave().Click();
  EXPECT_EQ(settings::TransparencyLevel, 30);
  EXPECT_FALSE(settings::AlwaysOnTop);
  EXPECT_EQ(Form::OpenFormsForTesting(), 0);
}

// At a new scale the dialog lays its windowed controls out again from their
// twips, with fonts made for it, and takes the size the system suggests.
TEST_F(ConfigDialog, ANewScaleLaysTheControlsOutAgain) {
  FrmConfig& dialog = Open();
  RECT suggested{100, 100, 100 + 400, 100 + 300};
  ::SendMessageW(dialog.hWnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
  RECT window;
  ::GetWindowRect(dialog.hWnd(), &window);
  EXPECT_EQ(window.right - window.left, 400);
  RECT slider;
  ::GetWindowRect(dialog.Sldr1().hWnd(), &slider);
  EXPECT_EQ(slider.right - slider.left, 254);  // 2535 twips at 10 a pixel: 48 to 301.5
  EXPECT_EQ(slider.bottom - slider.top, 38);   // 375 twips: 24 to 61.5, to even
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(dialog.cmdSave().hWnd(), WM_GETFONT, 0, 0)),
               sizeof font, &font);
  EXPECT_EQ(-font.lfHeight, 17);  // 8.25 points at 144 DPI
}

}  // namespace
}  // namespace kelbo::testing
