// The tray icon, its notifications and menu, and the picture buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

#include "app_helpers.h"
#include "scripted_environment.h"
#include "main_window/frm_main.h"

namespace kelbo::testing {
namespace {

void WhileTheMenuIsOpen(std::function<void()> action) {
  SoonInsideTheLoop(std::move(action));
}
HWND OpenMenuWindow() {
  HWND menu = ::FindWindowW(L"#32768", nullptr);
  return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}
// The tray's retries, driven without waiting for their timer: each fire is
// one retry, until the tray stops retrying.
void RunRetries(FrmMain& frm, int most = 10) {
  Timer& retries = frm.Tray().RetryTimer();
  for (int i = 0; i < most && retries.Enabled(); ++i) retries.Fire();
}

void PressInMenu(WPARAM key) {
  HWND menu = OpenMenuWindow();
  ::PostMessageW(menu, WM_KEYDOWN, key, 0);
  ::PostMessageW(menu, WM_KEYUP, key, 0);
}

class Tray : public ::testing::Test {
 protected:
  void SetUp() override {
    frm.Load();
    frm.Show();
  }
  void TearDown() override {
    NOTIFYICONDATAA record = frm.Tray().Record();
    if (testing::IconExists(record)) ::Shell_NotifyIconA(NIM_DELETE, &record);
  }
  bool IconExists() const { return testing::IconExists(frm.Tray().Record()); }
  void Notify(std::uint32_t mouseMessage) {
    ::SendMessageW(frm.hWnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId,
                   static_cast<LPARAM>(mouseMessage));
  }
  Owned<FrmMain> frm;
};

TEST_F(Tray, MinimizeAddsTheIconAndHides) {
  EXPECT_FALSE(IconExists());
  frm.imgMin_Click();
  EXPECT_TRUE(IconExists());
  EXPECT_FALSE(frm.Visible());
  EXPECT_TRUE(frm.Tray().InTray());
  EXPECT_TRUE(frm.tmr1.Enabled());  // the clock goes on while hidden
}

TEST_F(Tray, AnAddThatKeepsFailingKeepsTheDiscShownAndSaysSoOnce) {
  NOTIFYICONDATAA record = frm.Tray().Record();
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_ADD, &record));  // taken already: every add fails
  frm.imgMin_Click();
  frm.imgMin_Click();  // pressed again while it retries
  EXPECT_TRUE(frm.Visible());
  RunRetries(frm);
  EXPECT_TRUE(frm.Visible());
  EXPECT_FALSE(frm.Tray().InTray());
  ASSERT_EQ(Scripted().messages.size(), 1u);
  EXPECT_NE(Scripted().messages[0].find("notification area"), std::string::npos);
}

TEST_F(Tray, AnAddThatSucceedsOnARetryPutsTheDiscAway) {
  NOTIFYICONDATAA record = frm.Tray().Record();
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_ADD, &record));
  frm.imgMin_Click();
  RunRetries(frm, 1);
  EXPECT_TRUE(frm.Visible());
  ::Shell_NotifyIconA(NIM_DELETE, &record);  // the shell is ready now
  RunRetries(frm, 1);
  EXPECT_FALSE(frm.Visible());
  EXPECT_TRUE(frm.Tray().InTray());
  EXPECT_TRUE(IconExists());
  EXPECT_TRUE(Scripted().messages.empty());
}

TEST_F(Tray, OnlyALeftPressShowsTheDisc) {
  frm.imgMin_Click();
  for (std::uint32_t message : {0x200u, 0x202u, 0x203u, 0x205u, 0x206u, 0x207u, 0x208u, 0x209u}) {
    Notify(message);
    EXPECT_FALSE(frm.Visible()) << message;
    EXPECT_TRUE(IconExists()) << message;
  }
  Notify(WM_LBUTTONDOWN);
  EXPECT_TRUE(frm.Visible());
  EXPECT_FALSE(IconExists());
  EXPECT_FALSE(frm.Tray().InTray());
  EXPECT_FALSE(frm.Tray().BusyForTesting());
}

TEST_F(Tray, RightPressOpensTheMenuWhichIgnoresFurtherPresses) {
  frm.imgMin_Click();
  bool menuWasOpen = false;
  WhileTheMenuIsOpen([&] {
    menuWasOpen = OpenMenuWindow() != nullptr;
    EXPECT_TRUE(frm.Tray().BusyForTesting());
    Notify(WM_LBUTTONDOWN);  // dropped while the menu is open
    EXPECT_FALSE(frm.Visible());
    ::EndMenu();  // dismissed without a choice
  });
  Notify(WM_RBUTTONDOWN);
  EXPECT_TRUE(menuWasOpen);
  EXPECT_FALSE(frm.Tray().BusyForTesting());
  EXPECT_FALSE(frm.Visible());  // nothing changed
  EXPECT_TRUE(IconExists());
  ASSERT_EQ(::GetMenuItemCount(frm.Tray().MenuForTesting()), 3);
  const wchar_t* captions[] = {L"Show Kelbo Time", L"Configure", L"Exit"};
  for (UINT i = 0; i < 3; ++i) {
    wchar_t text[32];
    ::GetMenuStringW(frm.Tray().MenuForTesting(), i, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, captions[i]);
  }
}

TEST_F(Tray, MenuItemsShowConfigureAndExit) {
  frm.imgMin_Click();
  WhileTheMenuIsOpen([] {
    PressInMenu(VK_DOWN);
    PressInMenu(VK_DOWN);
    PressInMenu(VK_RETURN);  // "Configure"
  });
  Notify(WM_RBUTTONDOWN);
  ASSERT_NE(frm.frmConfig(), nullptr);
  EXPECT_FALSE(frm.Visible());  // the dialog opens while the disc stays away

  WhileTheMenuIsOpen([] {
    PressInMenu(VK_DOWN);
    PressInMenu(VK_RETURN);  // "Show Kelbo Time"
  });
  Notify(WM_RBUTTONDOWN);
  EXPECT_TRUE(frm.Visible());
  EXPECT_FALSE(IconExists());
}

TEST_F(Tray, ExitFromInsideTheMenuRemovesTheIconAndEnds) {
  frm.imgMin_Click();
  WhileTheMenuIsOpen([] {
    PressInMenu(VK_UP);
    PressInMenu(VK_RETURN);  // "Exit", the last item
  });
  Notify(WM_RBUTTONDOWN);
  EXPECT_FALSE(frm.IsLoaded());
  EXPECT_FALSE(IconExists());
  EXPECT_FALSE(frm.Tray().BusyForTesting());
}

// Owner-drawn buttons take a quick second click as a double click: the
// disc goes away again all the same.
TEST_F(Tray, AQuickSecondClickOnTheArrowPutsTheDiscAwayToo) {
  HWND arrow = frm.imgMin().hWnd();
  for (const UINT press : {UINT{WM_LBUTTONDOWN}, UINT{WM_LBUTTONDBLCLK}}) {
    ::SendMessageW(arrow, press, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(arrow, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(frm.Tray().InTray()) << press;
    frm.mnuShow_Click();
  }
}

TEST_F(Tray, ExitPictureEndsWithoutAnIcon) {
  frm.imgExit_Click();
  EXPECT_FALSE(frm.IsLoaded());
  EXPECT_FALSE(IconExists());
}

TEST_F(Tray, ANewTaskbarGetsTheIconAgainOnlyWhileInTheTray) {
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  ::SendMessageW(frm.hWnd(), taskbarCreated, 0, 0);
  EXPECT_FALSE(IconExists());

  frm.imgMin_Click();
  NOTIFYICONDATAA record = frm.Tray().Record();
  ::Shell_NotifyIconA(NIM_DELETE, &record);  // the shell restarted
  ::SendMessageW(frm.hWnd(), taskbarCreated, 0, 0);
  EXPECT_TRUE(IconExists());
}

// A second start of the program always ends with the disc on the screen,
// visible, whatever state it found.
TEST_F(Tray, ASecondStartsRequestAlwaysLeavesTheDiscShownAndVisible) {
  const struct {
    const char* state;
    std::function<void(FrmMain&)> before;
    int alpha;
  } cases[] = {
      {"shown already", [](FrmMain&) {}, 225},
      {"in the tray", [](FrmMain& clock) { clock.imgMin_Click(); }, 225},
      {"invisible at level 0",
       [](FrmMain& clock) {
         Scripted().answers.push_back(L"0");
         clock.cmdTran_Click();
       },
       225},
      {"at level 40, which stays",
       [](FrmMain& clock) {
         Scripted().answers.push_back(L"40");
         clock.cmdTran_Click();
       },
       40},
  };
  for (const auto& c : cases) {
    Owned<FrmMain> other;
    other.Load();
    other.Show();
    c.before(other);
    other.ShowOnRequest();
    EXPECT_TRUE(other.Visible()) << c.state;
    EXPECT_FALSE(other.Tray().InTray()) << c.state;
    EXPECT_FALSE(testing::IconExists(other.Tray().Record())) << c.state;
    EXPECT_EQ(Alpha(other.hWnd()), c.alpha) << c.state;
  }
}

TEST_F(Tray, ASecondStartWhileThePutAwayIsRetriedKeepsTheDiscShown) {
  NOTIFYICONDATAA record = frm.Tray().Record();
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_ADD, &record));  // the shell refuses for now
  frm.imgMin_Click();
  frm.ShowOnRequest();
  ::Shell_NotifyIconA(NIM_DELETE, &record);  // the shell would take it now
  RunRetries(frm);
  EXPECT_TRUE(frm.Visible());
  EXPECT_FALSE(frm.Tray().InTray());
  EXPECT_FALSE(IconExists());
}

TEST(TrayLifetime, AMainWindowGoneWhileInTheTrayTakesItsIconAlong) {
  NOTIFYICONDATAA record;
  {
    Owned<FrmMain> frm;
    frm.Load();
    frm.Show();
    frm.imgMin_Click();
    record = frm.Tray().Record();
    ASSERT_TRUE(IconExists(record));
  }
  EXPECT_FALSE(IconExists(record));
}

// What the shell was handed: the operation, and which record it was.
struct ShellCall {
  DWORD operation;
  const NOTIFYICONDATAA* record;
};
std::vector<ShellCall> shellCalls;
BOOL WINAPI RecordingShell(DWORD operation, NOTIFYICONDATAA* record) {
  shellCalls.push_back({operation, record});
  return TRUE;
}

// The icons made while it lasts talk to `shell`; the real shell comes back
// however the test ends.
struct ShellStandIn {
  explicit ShellStandIn(TrayIcon::ShellNotify shell) {
    shellCalls.clear();
    TrayIcon::UseShellForTesting(shell);
  }
  ~ShellStandIn() { TrayIcon::UseShellForTesting(nullptr); }
};

std::ptrdiff_t AddsSoFar() {
  return std::count_if(shellCalls.begin(), shellCalls.end(),
                       [](const ShellCall& call) { return call.operation == NIM_ADD; });
}

// A new shell that knows nothing of the first one's icon and will not take
// it back, however often asked.
BOOL WINAPI ShellRefusingReAdds(DWORD operation, NOTIFYICONDATAA* record) {
  RecordingShell(operation, record);
  if (operation == NIM_ADD) return AddsSoFar() == 1;
  return operation == NIM_DELETE;
}

TEST(TrayRecord, ANewTaskbarThatRefusesTheIconGetsItsRetriesThenTheDiscIsShown) {
  const ShellStandIn shell(ShellRefusingReAdds);
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  frm.imgMin_Click();
  ASSERT_FALSE(frm.Visible());
  ::SendMessageW(frm.hWnd(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  RunRetries(frm);
  EXPECT_TRUE(frm.Visible());
  EXPECT_FALSE(frm.Tray().InTray());
  // The first add, an update the new shell refuses, the re-add and its five
  // retries, then one delete in case a busy shell took the icon while
  // saying no.
  ASSERT_EQ(shellCalls.size(), 9u);
  EXPECT_EQ(shellCalls.back().operation, static_cast<DWORD>(NIM_DELETE));
}

// A busy shell: it takes each icon, and says it did not.
BOOL WINAPI ShellSayingNoToAdds(DWORD operation, NOTIFYICONDATAA* record) {
  RecordingShell(operation, record);
  return operation != NIM_ADD;
}

TEST(TrayRecord, ASecondStartDuringThePutAwaysRetriesTakesAwayAnIconTheShellMayHold) {
  const ShellStandIn shell(ShellSayingNoToAdds);
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  frm.imgMin_Click();  // refused: the retries begin
  ASSERT_TRUE(frm.Tray().RetryTimer().Enabled());
  frm.ShowOnRequest();
  EXPECT_TRUE(frm.Visible());
  EXPECT_FALSE(frm.Tray().RetryTimer().Enabled());
  ASSERT_FALSE(shellCalls.empty());
  EXPECT_EQ(shellCalls.back().operation, static_cast<DWORD>(NIM_DELETE));
}

// A shell that still holds the icon, as after a change of display scale:
// it refuses to add it again.
BOOL WINAPI ShellHoldingTheIcon(DWORD operation, NOTIFYICONDATAA* record) {
  RecordingShell(operation, record);
  return operation != NIM_ADD || AddsSoFar() == 1;
}

TEST(TrayRecord, ATaskbarCreatedWhileTheShellHoldsTheIconOnlyUpdatesIt) {
  const ShellStandIn shell(ShellHoldingTheIcon);
  Owned<FrmMain> frm;
  frm.Load();
  frm.Show();
  frm.imgMin_Click();
  ::SendMessageW(frm.hWnd(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  RunRetries(frm);
  EXPECT_FALSE(frm.Visible()) << "taken out of the tray unasked";
  EXPECT_TRUE(frm.Tray().InTray());
  ASSERT_EQ(shellCalls.size(), 2u);
  EXPECT_EQ(shellCalls.back().operation, static_cast<DWORD>(NIM_MODIFY));
}

TEST(TrayRecord, EveryCallHandsTheShellTheOneRecord) {
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  const ShellStandIn shell(RecordingShell);
  const NOTIFYICONDATAA* record = nullptr;
  {
    Owned<FrmMain> frm;
    frm.Load();
    frm.Show();
    record = &frm.Tray().Record();
    // Away, a new taskbar, a left press on the icon, away again, and the
    // window gone with the icon in the tray.
    frm.imgMin_Click();
    ::SendMessageW(frm.hWnd(), taskbarCreated, 0, 0);
    ::SendMessageW(frm.hWnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
    frm.imgMin_Click();
  }
  // The shell says yes to all: the new taskbar still has the icon, updated.
  const DWORD operations[] = {NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_ADD, NIM_DELETE};
  ASSERT_EQ(shellCalls.size(), std::size(operations));
  for (std::size_t i = 0; i < shellCalls.size(); ++i) {
    EXPECT_EQ(shellCalls[i].operation, operations[i]) << i;
    EXPECT_EQ(shellCalls[i].record, record) << i;
  }
}

}  // namespace
}  // namespace kelbo::testing
