// The disc steps aside for a full-screen program in front of it, and comes
// back as it was; the window in front, its monitor, its process and the
// shell's notification state are scripted, the windows real.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

// A window of "another program", as large as asked.
UniqueWindow ProgramWindow(const RECT& r) {
  UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"a film", WS_POPUP | WS_VISIBLE, r.left,
                                        r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                        nullptr, nullptr));
  Scripted().otherPrograms.push_back(window.get());
  return window;
}

class FullScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    frm.Show();
    home = frm.Idle().Home();
  }
  void Tick() { frm.tmr1_Timer(); }
  void InFront(HWND window) { Scripted().foreground = window; }
  Owned<FrmMain> frm;
  TwipsPoint home{};
};

TEST(FullScreenCases, OnlyAFullScreenProgramOnTheDiscsMonitorHidesIt) {
  const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const RECT beside{screen.right, 0, screen.right * 2, screen.bottom};
  const struct {
    const char* what;
    std::function<HWND(FrmMain&, UniqueWindow&)> front;
    NotificationState state;
    bool hidden;
  } cases[] = {
      {"full screen on its monitor",
       [&](FrmMain&, UniqueWindow& w) { return (w = ProgramWindow(screen)).get(); },
       NotificationState::Other, true},
      {"maximized above a taskbar",
       [&](FrmMain&, UniqueWindow& w) {
         return (w = ProgramWindow({0, 0, screen.right, screen.bottom - 40})).get();
       },
       NotificationState::Other, false},
      {"full screen on another monitor",
       [&](FrmMain&, UniqueWindow& w) {
         Scripted().monitorOf = [&](HWND window) -> std::optional<PixelRect> {
           if (window != w.get()) return std::nullopt;
           return PixelRect{beside.left, beside.top, beside.right, beside.bottom};
         };
         return (w = ProgramWindow(beside)).get();
       },
       NotificationState::Other, false},
      {"the desktop", [](FrmMain&, UniqueWindow&) { return ::GetDesktopWindow(); },
       NotificationState::Other, false},
      {"a presentation", [](FrmMain&, UniqueWindow&) { return HWND{}; },
       NotificationState::PresentationMode, true},
      {"a Direct3D game", [](FrmMain&, UniqueWindow&) { return HWND{}; },
       NotificationState::D3dFullScreen, true},
      {"its own options, as large as the screen",
       [&](FrmMain& clock, UniqueWindow&) {
         clock.imgConfig_Click();
         HWND options = clock.frmConfig()->hWnd();
         ::SetWindowPos(options, nullptr, 0, 0, screen.right, screen.bottom, SWP_NOZORDER);
         return options;
       },
       NotificationState::Other, false},
  };
  for (const auto& c : cases) {
    Scripted() = ScriptedEnvironment();
    Owned<FrmMain> clock;
    clock.Load();
    clock.Show();
    UniqueWindow program;
    Scripted().foreground = c.front(clock, program);
    Scripted().notificationState = c.state;
    clock.tmr1_Timer();
    EXPECT_EQ(clock.Visible(), !c.hidden) << c.what;
    EXPECT_FALSE(clock.Tray().InTray()) << c.what << ": put in the tray";
    if (FrmConfig* options = clock.frmConfig()) options->Unload();
  }
}

TEST_F(FullScreen, NoDriftMeanwhileAndBackAsItWasWithoutTheKeyboard) {
  Scripted().SetIdleMilliseconds(61'000);
  Tick();
  frm.Idle().DriftTimer().Fire();
  ASSERT_NE(frm.Left(), home.left) << "no drift under way";
  UniqueWindow film = ProgramWindow({0, 0, 1024, 768});
  InFront(film.get());
  Tick();
  EXPECT_FALSE(frm.Visible());
  EXPECT_FALSE(frm.Idle().DriftTimer().Enabled()) << "a drift goes on behind the film";
  EXPECT_FLOAT_EQ(frm.Left(), home.left);
  EXPECT_FLOAT_EQ(frm.Top(), home.top);
  Tick();  // a minute and more without input, still
  EXPECT_FALSE(frm.Idle().DriftTimer().Enabled());

  ::SetActiveWindow(film.get());
  InFront(nullptr);  // the film is closed, or minimised
  Scripted().SetIdleMilliseconds(0);
  Tick();
  EXPECT_TRUE(frm.Visible());
  EXPECT_NE(::GetActiveWindow(), frm.hWnd()) << "it took the keyboard";
  EXPECT_FLOAT_EQ(frm.Left(), home.left);
  EXPECT_EQ(Alpha(frm.hWnd()), 225);
  EXPECT_TRUE(Topmost(frm.hWnd()));
}

TEST_F(FullScreen, WhatTheUserAsksForWinsUntilTheStateChanges) {
  UniqueWindow film = ProgramWindow({0, 0, 1024, 768});
  InFront(film.get());
  Tick();
  ASSERT_FALSE(frm.Visible());
  frm.ShowOnRequest();  // a second start
  Tick();
  EXPECT_TRUE(frm.Visible()) << "hidden again over the same film";
  InFront(nullptr);
  Tick();
  InFront(film.get());
  Tick();
  EXPECT_FALSE(frm.Visible()) << "the next full-screen program";
}

}  // namespace
}  // namespace kelbo::testing
