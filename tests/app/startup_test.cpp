// The main window after its start-up, checked on the real window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"
#include "ui/screen.h"

namespace kelbo::testing {
namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    settings::TransparencyLevel = 1;  // the start-up must give every setting its value
    settings::AlwaysOnTop = false;
    frm.Load();
  }
  RECT Rect() const {
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    return r;
  }
  Owned<FrmMain> frm;
};

// Moves and resizes of the disc's window, as the window system reports them.
int windowMoves = 0;
LRESULT CALLBACK CountMoves(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGED) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(sent->lParam);
    if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) ++windowMoves;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
void Unhook(HHOOK hook) {
  ::UnhookWindowsHookEx(hook);
}
using UniqueHook = UniqueHandle<HHOOK, Unhook>;

// The layout at the scales users run: 2670 twips square, cut to an ellipse
// inset 2 pixels, home in the bottom-right corner of the 1024 x 768 test
// screen, 500 twips up. The window is made there: the load moves nothing.
TEST(Layout, SquareCutToAnEllipseAndHomeAtEachScale) {
  const struct {
    int dpi, side;
    POINT home;
  } cases[] = {
      {96, 178, {846, 557}},   // 15 twips a pixel
      {120, 222, {802, 504}},  // 12: 222.5 rounds to even
      {144, 267, {757, 451}},  // 10
  };
  for (const auto& c : cases) {
    const DpiScope scale(c.dpi);
    Owned<FrmMain> frm;
    windowMoves = 0;
    {
      const UniqueHook counting(
          ::SetWindowsHookExW(WH_CALLWNDPROC, CountMoves, nullptr, ::GetCurrentThreadId()));
      frm.Load();
    }
    EXPECT_EQ(windowMoves, 0) << c.dpi;
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    EXPECT_EQ(r.right - r.left, c.side) << c.dpi;
    EXPECT_EQ(r.bottom - r.top, c.side) << c.dpi;
    EXPECT_EQ(r.left, c.home.x) << c.dpi;
    EXPECT_EQ(r.top, c.home.y) << c.dpi;

    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(::GetWindowRgn(frm.hWnd(), region.get()), COMPLEXREGION) << c.dpi;
    RECT box;
    ::GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.left, 2) << c.dpi;
    EXPECT_EQ(box.top, 2) << c.dpi;
    // Windows and Wine differ by a pixel on where an elliptic region's box ends.
    EXPECT_GE(box.right, c.side - 3) << c.dpi;
    EXPECT_LE(box.right, c.side - 2) << c.dpi;
    // An ellipse: the corners are cut, the middle of each side is kept.
    EXPECT_FALSE(::PtInRegion(region.get(), 4, 4)) << c.dpi;
    EXPECT_FALSE(::PtInRegion(region.get(), c.side - 5, c.side - 5)) << c.dpi;
    EXPECT_TRUE(::PtInRegion(region.get(), c.side / 2, 3)) << c.dpi;
    EXPECT_TRUE(::PtInRegion(region.get(), 3, c.side / 2)) << c.dpi;
  }
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
  EXPECT_EQ(settings::TransparencyLevel, 225);
  EXPECT_TRUE(settings::AlwaysOnTop);
}

// Home is where the window really is, read back in twips: 557 and 846
// whole pixels at 15 twips a pixel.
TEST_F(Startup, HomeIsTheCornerAsTheWindowSystemHoldsIt) {
  EXPECT_FLOAT_EQ(frm.Idle().Home().top, 8355);
  EXPECT_FLOAT_EQ(frm.Idle().Home().left, 12690);
}

TEST_F(Startup, AtRestWithTheClockRunningOnTheDiscsColour) {
  EXPECT_FALSE(frm.Idle().IsIdle());
  EXPECT_EQ(frm.Idle().MoveDirection(), Direction::UpLeft);
  EXPECT_TRUE(frm.tmr1.Enabled());
  EXPECT_FALSE(frm.Idle().DriftTimer().Enabled());
  EXPECT_EQ(RenderedPixel(frm, {89, 20}), 0x006666FFu);  // the disc's own colour
}

TEST_F(Startup, NotShownUntilTheCallerShowsItThenInFront) {
  EXPECT_FALSE(frm.Visible());
  frm.Show();
  EXPECT_TRUE(frm.Visible());
  EXPECT_EQ(::GetForegroundWindow(), frm.hWnd());
}

TEST_F(Startup, PreparesTheTrayIconWithoutAddingItThenAddsASmallOne) {
  EXPECT_FALSE(frm.Tray().InTray());
  NOTIFYICONDATAA probe = frm.Tray().Record();
  probe.uFlags = 0;
  EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &probe)) << "the icon is in the tray already";
  EXPECT_EQ(frm.Tray().Record().hIcon, nullptr) << "its picture is loaded before it is needed";

  ASSERT_TRUE(frm.Tray().Add());
  ICONINFO info{};
  const bool read = ::GetIconInfo(frm.Tray().Record().hIcon, &info);
  frm.Tray().Remove();
  ASSERT_TRUE(read) << ::GetLastError();
  BITMAP bitmap{};
  ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  EXPECT_EQ(bitmap.bmWidth, ::GetSystemMetrics(SM_CXSMICON));
  EXPECT_STREQ(frm.Tray().Record().szTip, "Kelbo Time");
}

// The tooltip window of this thread, if a form has made one.
BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM out) {
  wchar_t name[32];
  ::GetClassNameW(hwnd, name, 32);
  if (::lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) *reinterpret_cast<HWND*>(out) = hwnd;
  return TRUE;
}
HWND Tooltip() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The system shows the tips, watching each button's window itself.
TEST_F(Startup, TheTipsAreMadeWhenThePointerFirstComesOverAButton) {
  ASSERT_EQ(Tooltip(), nullptr);
  HWND gear = frm.imgConfig().hWnd();
  // What a button's window does as the pointer comes over it.
  ::SendMessageW(frm.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(frm.hWnd()), HTCLIENT);
  EXPECT_EQ(Tooltip(), nullptr);
  ::SendMessageW(frm.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(gear), HTCLIENT);
  ASSERT_NE(Tooltip(), nullptr);
  wchar_t text[64]{};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = frm.hWnd();
  tool.uId = reinterpret_cast<UINT_PTR>(gear);
  tool.lpszText = text;
  ASSERT_TRUE(::SendMessageW(Tooltip(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), UINT{TTF_IDISHWND | TTF_SUBCLASS});
  EXPECT_STREQ(text, L"Configure Options");
}

// Each picture button shows its picture over most of its box, not the disc's
// own colour: a picture that failed to decode would leave the box bare. The
// JPEGs come just after the disc is on the screen.
TEST_F(Startup, ThePictureButtonsShowTheirPictures) {
  frm.Show();
  frm.DecodePictures();
  constexpr COLORREF kUndrawn = RGB(0, 255, 0);  // in none of the pictures
  for (const PictureButton* button : {&frm.imgMin(), &frm.imgConfig(), &frm.imgExit()}) {
    const Rendering drawn(button->hWnd(), kUndrawn);
    RECT box;
    ::GetClientRect(button->hWnd(), &box);
    int covered = 0;
    for (int y = 0; y < box.bottom; ++y)
      for (int x = 0; x < box.right; ++x) {
        const COLORREF pixel = drawn.Pixel({x, y});
        covered += pixel != frm.BackColor() && pixel != kUndrawn;
      }
    EXPECT_GT(covered * 3, box.right * box.bottom) << button->Layout().text.size();
  }
}

// A widget, not a task: no taskbar button and no task-switcher entry.
TEST_F(Startup, AToolWindowWithoutATaskbarButton) {
  frm.Show();
  const LONG exStyle = ::GetWindowLongW(frm.hWnd(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_EQ(::GetWindow(frm.hWnd(), GW_OWNER), nullptr);
}

// The work area in pixels, and where the disc's top-left corner must stand
// in it: right edge on the work area's, bottom 500 twips (33 px) above it.
TEST(WorkArea, HomeIsClearOfTheTaskbarAtStartAndAfterAChange) {
  const struct {
    const char* taskbar;
    PixelRect work;
    POINT corner;
  } cases[] = {
      {"bottom", {0, 0, 1024, 720}, {846, 509}},
      {"right", {0, 0, 964, 768}, {786, 557}},
      {"top", {0, 40, 1024, 768}, {846, 557}},
      {"left", {60, 0, 1024, 768}, {846, 557}},
  };
  for (const auto& c : cases) {
    Scripted().workArea = c.work;
    Owned<FrmMain> started;
    started.Load();
    RECT r;
    ::GetWindowRect(started.hWnd(), &r);
    EXPECT_EQ(r.left, c.corner.x) << c.taskbar;
    EXPECT_EQ(r.top, c.corner.y) << c.taskbar;
  }
  // The taskbar moves while the clock runs: it goes to the new home.
  Scripted().workArea = PixelRect{0, 0, 1024, 768};
  Owned<FrmMain> frm;
  frm.Load();
  for (const auto& c : cases) {
    Scripted().workArea = c.work;
    ::SendMessageW(frm.hWnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    RECT r;
    ::GetWindowRect(frm.hWnd(), &r);
    EXPECT_EQ(r.left, c.corner.x) << c.taskbar;
    EXPECT_EQ(r.top, c.corner.y) << c.taskbar;
    EXPECT_FLOAT_EQ(frm.Idle().Home().top, frm.Top()) << c.taskbar;
  }
}

TEST_F(Startup, HiddenControlsLieBelowTheDisc) {
  const RECT r = Rect();
  RECT button;
  ::GetWindowRect(frm.cmdTran().hWnd(), &button);
  EXPECT_GE(button.top, r.bottom);
  const Control* cube = frm.FindControl("Img1");
  ASSERT_NE(cube, nullptr);
  EXPECT_GE(cube->PixelRect().top, r.bottom - r.top);
  EXPECT_EQ(cube->PixelRect().right - cube->PixelRect().left, 128);  // 1920 twips
}

TEST_F(Startup, FirstTickAlreadyRaisesIdleWhenTheUserIsAway) {
  Owned<FrmMain> away;
  Scripted().SetIdleMilliseconds(3'600'000);
  away.Load();
  EXPECT_TRUE(away.Idle().IsIdle());
  EXPECT_TRUE(away.Idle().DriftTimer().Enabled());
}

}  // namespace
}  // namespace kelbo::testing
