// The main window after its start-up, checked on the real window.
#include <gtest/gtest.h>

#include <string>

#include "app_helpers.h"
#include "scripted_environment.h"
#include "tray/gtray.h"
#include "ui/screen.h"
#include "window/frm_main.h"
#include "window/gapi.h"

namespace kelbo::testing {
namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    gAPI::TransparencyLevel = 1;  // the start-up must give every setting its value
    gAPI::AlwaysOnTop = false;
    gAPI::IsIdle = true;
    frm.Load();
  }
  RECT Rect() const {
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    return r;
  }
  FrmMain frm;
};

TEST_F(Startup, SquareOfTwentySixSeventyTwipsCutToAnEllipse) {
  const int side = Screen::ToPixelsX(2670);
  const RECT r = Rect();
  EXPECT_EQ(r.right - r.left, side);
  EXPECT_EQ(r.bottom - r.top, Screen::ToPixelsY(2670));

  UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(::GetWindowRgn(frm.hWnd(), region.get()), COMPLEXREGION);
  RECT box;
  ::GetRgnBox(region.get(), &box);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 2);
  // Windows and Wine differ by a pixel on where an elliptic region's box ends.
  EXPECT_GE(box.right, side - 3);
  EXPECT_LE(box.right, side - 2);
  // An ellipse: the corners are cut, the middle of each side is kept.
  EXPECT_FALSE(::PtInRegion(region.get(), 4, 4));
  EXPECT_FALSE(::PtInRegion(region.get(), side - 5, side - 5));
  EXPECT_TRUE(::PtInRegion(region.get(), side / 2, 3));
  EXPECT_TRUE(::PtInRegion(region.get(), 3, side / 2));
}

TEST_F(Startup, LayeredAtTwoTwentyFiveWithAlphaOnlyAndTopmost) {
  const LONG exStyle = ::GetWindowLongW(frm.hWnd(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(frm.hWnd(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 225);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(Startup, BottomRightCornerFiveHundredTwipsAboveTheBottom) {
  const RECT r = Rect();
  EXPECT_EQ(r.right, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.top, Screen::ToPixelsY(Screen::Height() - 2670 - 500));
  // Home is where the window really is, read back in twips.
  EXPECT_FLOAT_EQ(frm.HomePosition[0], frm.Top());
  EXPECT_FLOAT_EQ(frm.HomePosition[1], frm.Left());
  EXPECT_FLOAT_EQ(frm.HomePosition[0], static_cast<float>(r.top * Screen::TwipsPerPixelY()));
}

TEST_F(Startup, SharedSettingsTakeTheirStartValues) {
  EXPECT_EQ(gAPI::TransparencyLevel, 225);
  EXPECT_TRUE(gAPI::AlwaysOnTop);
  EXPECT_FALSE(gAPI::IsIdle);
  EXPECT_EQ(frm.MoveDirection, 2);
  EXPECT_TRUE(frm.tmr1.Enabled());
  EXPECT_FALSE(frm.tmr2.Enabled());
  EXPECT_EQ(frm.BackColor(), 0x006666FFu);
  EXPECT_EQ(RenderedPixel(frm, {89, 20}), 0x006666FFu);  // the disc's own colour
}

TEST_F(Startup, NotShownUntilTheCallerShowsIt) {
  EXPECT_FALSE(frm.Visible());
  frm.Show();
  EXPECT_TRUE(frm.Visible());
}

TEST_F(Startup, FillsTheTrayRecordWithoutAddingTheIcon) {
  const NOTIFYICONDATAA& data = gTray::TrayIconData;
  EXPECT_EQ(data.cbSize, 88u);
  EXPECT_EQ(data.hWnd, frm.hWnd());
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(data.uCallbackMessage, gTray::kTrayCallbackMessage);
  ICONINFO info{};
  ASSERT_NE(data.hIcon, nullptr);
  ASSERT_TRUE(::GetIconInfo(data.hIcon, &info)) << ::GetLastError();
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  EXPECT_EQ(std::string(data.szTip, 64), std::string("Kelbo Time") + '\0' + std::string(53, ' '));
}

TEST_F(Startup, HiddenControlsLieBelowTheDisc) {
  const RECT r = Rect();
  RECT button;
  ::GetWindowRect(frm.cmdTran().hWnd(), &button);
  EXPECT_GE(button.top, r.bottom);
  const Control* cube = frm.FindControl("Img1");
  ASSERT_NE(cube, nullptr);
  EXPECT_GE(cube->PixelRect().top, r.bottom - r.top);
  EXPECT_EQ(cube->PixelRect().right - cube->PixelRect().left, Screen::ToPixelsX(1920));
}

TEST_F(Startup, FirstTickAlreadyRaisesIdleWhenTheUserIsAway) {
  FrmMain away;
  Scripted().SetIdleMilliseconds(3'600'000);
  away.Load();
  EXPECT_TRUE(gAPI::IsIdle);
  EXPECT_TRUE(away.tmr2.Enabled());
}

}  // namespace
}  // namespace kelbo::testing
