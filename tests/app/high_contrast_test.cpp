// A high-contrast theme: the disc in the theme's colours, opaque, whether
// the theme is on at start or comes and goes while the clock runs; the
// face's own colours and the stored opacity come back after it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/settings.h"
#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "main_window/main_layout.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

using Row = ClockFace::Row;

struct Drawn {
  COLORREF background, lit, unlit;
};

// At 00:00:01 the second's last lamp is lit and its first unlit.
Drawn Draw(const FrmMain& frm) {
  const Rendering face(frm);
  const auto centre = [&](int position) {
    return face.Pixel(Centre(frm.Face().LampAt(Row::Second, position)->CircleRect()));
  };
  return {face.Pixel({89, 20}), centre(6), centre(1)};
}

TEST(HighContrast, TheDiscTakesTheThemesColoursOpaqueAndGivesThemBack) {
  const COLORREF window = ::GetSysColor(COLOR_WINDOW), highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  const struct {
    const char* how;
    bool atStart;
    UINT message;
    WPARAM wParam;
  } cases[] = {
      {"on at start", true, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST},
      {"turned on", false, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST},
      {"the theme's colours changed", false, WM_SYSCOLORCHANGE, 0},
  };
  for (const auto& c : cases) {
    Scripted().time = {0, 0, 1};
    Scripted().highContrast = c.atStart;
    settings::TransparencyLevel = 225;
    Owned<FrmMain> frm;
    frm.Load();
    Scripted().highContrast = true;
    ::SendMessageW(frm.hWnd(), c.message, c.wParam, 0);
    const Drawn contrast = Draw(frm);
    EXPECT_EQ(contrast.background, window) << c.how;
    EXPECT_EQ(contrast.lit, highlight) << c.how;
    EXPECT_EQ(contrast.unlit, window) << c.how << ": an unlit lamp is left empty";
    EXPECT_EQ(Alpha(frm.hWnd()), 255) << c.how;
    EXPECT_EQ(settings::TransparencyLevel, 225) << c.how;
    EXPECT_EQ(frm.Face().Shown().second, 1) << c.how;

    Scripted().highContrast = false;
    ::SendMessageW(frm.hWnd(), c.message, c.wParam, 0);
    const Drawn own = Draw(frm);
    EXPECT_EQ(own.background, main_layout::kBackColour) << c.how;
    EXPECT_EQ(own.lit, kLitColour) << c.how;
    EXPECT_EQ(own.unlit, kUnlitColour) << c.how;
    EXPECT_EQ(Alpha(frm.hWnd()), 225) << c.how;
  }
}

// Without a theme, a change of the system's colours leaves the disc as it
// is, an opacity the options are previewing among it.
TEST(HighContrast, AColourChangeWithoutAThemeLeavesAPreview) {
  Owned<FrmMain> frm;
  frm.Load();
  frm.imgConfig_Click();
  FrmConfig& options = *frm.frmConfig();
  options.Sldr1().SetPosition(50);
  ::SendMessageW(options.hWnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 50),
                 reinterpret_cast<LPARAM>(options.Sldr1().hWnd()));
  ASSERT_EQ(Alpha(frm.hWnd()), 50);
  ::SendMessageW(frm.hWnd(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(Alpha(frm.hWnd()), 50);
  options.Unload();
}

}  // namespace
}  // namespace kelbo::testing
