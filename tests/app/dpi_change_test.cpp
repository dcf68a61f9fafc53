// The disc at a new scale, as the system announces it: a real WM_DPICHANGED
// with its suggested rectangle, to the real window.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "../gdi_objects.h"
#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "main_window/main_layout.h"
#include "scripted_environment.h"
#include "ui/screen.h"

namespace kelbo::testing {
namespace {

// The run of non-background pixels across the middle of a lamp: its
// diameter as drawn.
int DrawnDiameter(const FrmMain& frm, const Lamp& lamp) {
  const Rendering rendering(frm);
  const RECT box = lamp.PixelRect();
  const int y = (box.top + box.bottom) / 2;
  int first = -1, last = -1;
  for (int x = box.left; x < box.right; ++x)
    if (rendering.Pixel({x, y}) != frm.BackColor()) {
      if (first < 0) first = x;
      last = x;
    }
  return first < 0 ? 0 : last - first + 1;
}

TEST(DpiChange, TheDiscIsMadeAgainAtEachScaleAndNothingLeaks) {
  Scripted().time = {12, 0, 59};  // the second's 32 lamp lit
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  ::UpdateWindow(frm.hWnd());  // the first paint, and its font
  frm.DecodePictures();
  const Lamp& lamp = *frm.Face().LampAt(ClockFace::Row::Second, 1);
  const PictureButton& picture = frm.imgMin();
  const struct {
    int dpi, side, diameter, fontHeight;
    SIZE picture;
    int trayIcon;  // the small-icon size at that scale
  } cases[] = {
      {120, 222, 21, 14, {31, 21}, 20},  // 2670 twips: 222.5, to even
      {144, 267, 26, 17, {38, 26}, 24},
      {192, 356, 34, 22, {50, 34}, 32},
      {96, 178, 17, 11, {25, 17}, 16},
  };
  // Twice round: after the first, everything made once for good (the first
  // picture decoder, the first paint's font) exists; the second must end
  // with as many GDI objects as the first.
  int objectsAfterFirstRound = 0;
  std::string typesAfterFirstRound;
  for (int round = 0; round < 2; ++round)
    for (const auto& c : cases) {
      RECT suggested;
      ::GetWindowRect(frm.hWnd(), &suggested);
      suggested.right = suggested.left + c.side + 1;  // the system's own rounding
      suggested.bottom = suggested.top + c.side + 1;
      ::SendMessageW(frm.hWnd(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
      RECT r;
      ::GetWindowRect(frm.hWnd(), &r);
      EXPECT_EQ(r.right - r.left, c.side) << c.dpi;
      EXPECT_EQ(r.bottom - r.top, c.side) << c.dpi;
      EXPECT_LE(r.right, 1024) << c.dpi;  // still on the screen

      UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
      ASSERT_EQ(::GetWindowRgn(frm.hWnd(), region.get()), COMPLEXREGION) << c.dpi;
      RECT box;
      ::GetRgnBox(region.get(), &box);
      EXPECT_EQ(box.left, 2) << c.dpi;
      EXPECT_GE(box.right, c.side - 3) << c.dpi;
      EXPECT_LE(box.right, c.side - 2) << c.dpi;

      EXPECT_NEAR(DrawnDiameter(frm, lamp), c.diameter, 1) << c.dpi;
      LOGFONTW font{};
      ::GetObjectW(frm.Font(main_layout::kCaptionFont), sizeof font, &font);
      EXPECT_EQ(-font.lfHeight, c.fontHeight) << c.dpi;
      EXPECT_EQ(picture.PictureSizeForTesting().cx, c.picture.cx) << c.dpi;
      EXPECT_EQ(picture.PictureSizeForTesting().cy, c.picture.cy) << c.dpi;
      // Put away first at 120 DPI: the picture is loaded then, at that
      // scale; later changes load it again while it is in the tray.
      if (!frm.Tray().InTray()) {
        ASSERT_TRUE(frm.Tray().Add()) << c.dpi;
      }
      ICONINFO icon{};
      ASSERT_TRUE(::GetIconInfo(frm.Tray().Record().hIcon, &icon)) << c.dpi;
      BITMAP colour{};
      ::GetObjectW(icon.hbmColor, sizeof colour, &colour);
      ::DeleteObject(icon.hbmColor);
      ::DeleteObject(icon.hbmMask);
      EXPECT_EQ(colour.bmWidth, c.trayIcon) << c.dpi;
      if (round == 0 && c.dpi == 96) {
        objectsAfterFirstRound = GdiObjectsOf(::GetCurrentProcess());
        typesAfterFirstRound = GdiObjectTypesOf(::GetCurrentProcess());
      }
    }
  frm.Tray().Remove();
  // Back at 96: every region, font and bitmap of the other scales is gone;
  // a leak of one of each per change would add a dozen.
  ASSERT_GT(objectsAfterFirstRound, 0);
  EXPECT_LE(GdiObjectsOf(::GetCurrentProcess()), objectsAfterFirstRound)
      << "by type, after the first round:" << typesAfterFirstRound
      << "; now:" << GdiObjectTypesOf(::GetCurrentProcess());
}

// What the disc draws and where it takes clicks, in pixels, as text that
// tells what differs.
std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}
std::string Measure(const FrmMain& frm, const Lamp& lamp, HWND picture) {
  RECT window, regionBox;
  ::GetWindowRect(frm.hWnd(), &window);
  UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  ::GetWindowRgn(frm.hWnd(), region.get());
  ::GetRgnBox(region.get(), &regionBox);
  return "window " + Text(window) + ", region " + Text(regionBox) + ", lamp circle " +
         Text(lamp.CircleRect()) + " drawn " + std::to_string(DrawnDiameter(frm, lamp)) +
         " across, picture " + Text(BoxInParent(picture));
}

// With two monitors at two scales, the options dialog dragged to the other
// one gets the new DPI; the disc, on its own monitor, keeps its own.
TEST(DpiChange, TheDialogsNewScaleLeavesTheDiscAtItsOwn) {
  Scripted().time = {12, 0, 59};
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  const Lamp& lamp = *frm.Face().LampAt(ClockFace::Row::Second, 1);
  HWND picture = frm.imgMin().hWnd();
  const std::string before = Measure(frm, lamp, picture);
  frm.imgConfig_Click();
  ASSERT_NE(frm.frmConfig(), nullptr);
  RECT suggested{100, 100, 100 + 400, 100 + 300};
  ::SendMessageW(frm.frmConfig()->hWnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
  ::InvalidateRect(frm.hWnd(), nullptr, FALSE);
  EXPECT_EQ(frm.GetScale().Dpi(), 96);
  EXPECT_EQ(Measure(frm, lamp, picture), before);
  // A click on the picture still puts the disc in the tray.
  RECT box;
  ::GetClientRect(picture, &box);
  const LPARAM middle = MAKELPARAM(box.right / 2, box.bottom / 2);
  ::SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  ::SendMessageW(picture, WM_LBUTTONUP, 0, middle);
  EXPECT_FALSE(frm.Visible());
  frm.Tray().Remove();
}

// The DPI Windows names at sign-in stays when the user changes the scale:
// the disc is made for the monitor's DPI, as its window reports it.
TEST(DpiChange, TheDiscIsMadeAtTheMonitorsScaleNotTheSignInOne) {
  struct Restore {
    ~Restore() { Screen::UseSignInDpi(0); }
  } restore;
  Screen::UseSignInDpi(120);  // the monitors stay at 96
  Owned<FrmMain> frm;
  frm.Load();
  EXPECT_EQ(frm.GetScale().Dpi(), 96);
  RECT r;
  ::GetWindowRect(frm.hWnd(), &r);
  EXPECT_EQ(r.right - r.left, 178);
  EXPECT_EQ(r.bottom - r.top, 178);
  UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(::GetWindowRgn(frm.hWnd(), region.get()), COMPLEXREGION);
  RECT box;
  ::GetRgnBox(region.get(), &box);
  EXPECT_LE(box.right, 178 - 2);
}

// On a monitor whose scale is not the one Windows had at sign-in, the tray
// gets the small icon of the disc's scale, not a blurred one of the other.
TEST(DpiChange, TheTrayIconIsMadeAtTheDiscsScale) {
  const DpiScope scale(144);
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  ASSERT_TRUE(frm.Tray().Add());
  ICONINFO icon{};
  ASSERT_TRUE(::GetIconInfo(frm.Tray().Record().hIcon, &icon));
  BITMAP colour{};
  ::GetObjectW(icon.hbmColor, sizeof colour, &colour);
  ::DeleteObject(icon.hbmColor);
  ::DeleteObject(icon.hbmMask);
  EXPECT_EQ(colour.bmWidth, 24);  // 16 at 96 DPI
  frm.Tray().Remove();
}

}  // namespace
}  // namespace kelbo::testing
