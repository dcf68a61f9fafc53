// What a screen reader reads of the disc and the options, through the
// system's own entry point, as a client asks for it.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

// One reference to a client's object, released however the test ends.
struct Client {
  explicit Client(HWND window) {
    ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                 reinterpret_cast<void**>(&object));
  }
  ~Client() {
    if (object) object->Release();
  }
  std::wstring Name(long child = CHILDID_SELF) const {
    return Text(&IAccessible::get_accName, child);
  }
  std::wstring Value(long child = CHILDID_SELF) const {
    return Text(&IAccessible::get_accValue, child);
  }
  long Role(long child = CHILDID_SELF) const {
    VARIANT role{};
    object->get_accRole(Child(child), &role);
    return role.vt == VT_I4 ? role.lVal : -1;
  }
  static VARIANT Child(long id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
  }
  std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                    long child) const {
    BSTR text = nullptr;
    if ((object->*get)(Child(child), &text) != S_OK || !text) return L"(none)";
    std::wstring result(text);
    ::SysFreeString(text);
    return result;
  }
  IAccessible* object = nullptr;
};

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override {
    Scripted().time = {9, 41, 7};
    frm.Load();
    frm.Show();
  }
  Owned<FrmMain> frm;
};

TEST_F(Accessibility, TheDiscIsAClockNamedAfterTheProgramWhoseValueIsTheTimeShown) {
  const Client client(frm.hWnd());
  ASSERT_NE(client.object, nullptr);
  EXPECT_EQ(client.Role(), ROLE_SYSTEM_CLOCK);
  EXPECT_EQ(client.Name(), L"Kelbo Time");
  EXPECT_EQ(client.Value(), L"09:41:07");
  // Read when asked: the next second shown is the next value.
  Scripted().time = {23, 59, 58};
  frm.tmr1_Timer();
  EXPECT_EQ(client.Value(), L"23:59:58");
}

TEST_F(Accessibility, ThePictureButtonsAreNamedPushButtonsWhereTheyAre) {
  const Client client(frm.hWnd());
  ASSERT_NE(client.object, nullptr);
  long count = 0;
  ASSERT_EQ(client.object->get_accChildCount(&count), S_OK);
  ASSERT_EQ(count, 3);
  const struct {
    const char* control;
    const wchar_t* name;
  } buttons[] = {{"imgMin", L"Minimize To System Tray"},
                 {"imgConfig", L"Configure Options"},
                 {"imgExit", L"Exit Program"}};
  for (long child = 1; child <= 3; ++child) {
    const auto& button = buttons[child - 1];
    EXPECT_EQ(client.Name(child), button.name);
    EXPECT_EQ(client.Role(child), ROLE_SYSTEM_PUSHBUTTON);
    RECT box = frm.FindControl(button.control)->PixelRect();
    ::MapWindowPoints(frm.hWnd(), nullptr, reinterpret_cast<POINT*>(&box), 2);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(client.object->accLocation(&left, &top, &width, &height, Client::Child(child)), S_OK);
    EXPECT_EQ(left, box.left) << button.control;
    EXPECT_EQ(top, box.top) << button.control;
    EXPECT_EQ(width, box.right - box.left) << button.control;
    EXPECT_EQ(height, box.bottom - box.top) << button.control;
  }
}

TEST(AccessibilityActions, EachButtonsDefaultActionDoesWhatItsClickDoes) {
  const struct {
    long child;
    const char* what;
    bool (*done)(FrmMain&);
  } cases[] = {
      {1, "to the tray", [](FrmMain& f) { return !f.Visible() && f.Tray().InTray(); }},
      {2, "the options open", [](FrmMain& f) { return f.frmConfig() != nullptr; }},
      {3, "the program ends", [](FrmMain& f) { return !f.IsLoaded(); }},
  };
  for (const auto& c : cases) {
    Owned<FrmMain> frm;
    frm.Load();
    frm.Show();
    {
      const Client client(frm.hWnd());
      ASSERT_NE(client.object, nullptr);
      EXPECT_EQ(client.object->accDoDefaultAction(Client::Child(c.child)), S_OK) << c.what;
      PumpMessages();  // the press comes from the disc's own loop
    }
    EXPECT_TRUE(c.done(frm)) << c.what;
    if (frm.Tray().InTray()) frm.mnuShow_Click();
  }
}

TEST(AccessibilityLifetime, AClientHoldingTheObjectAfterTheDiscClosedGetsAnError) {
  IAccessible* held = nullptr;
  {
    Owned<FrmMain> frm;
    frm.Load();
    ASSERT_EQ(::AccessibleObjectFromWindow(frm.hWnd(), static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible, reinterpret_cast<void**>(&held)),
              S_OK);
  }
  BSTR name = nullptr;
  const HRESULT answer = held->get_accName(Client::Child(CHILDID_SELF), &name);
  EXPECT_TRUE(answer == RPC_E_DISCONNECTED || answer == E_FAIL) << std::hex << answer;
  EXPECT_EQ(name, nullptr);
  held->Release();
}

TEST_F(Accessibility, TheSliderIsNamedByItsPaintedLabelAndReadsTheLevel) {
  frm.imgConfig_Click();
  ASSERT_NE(frm.frmConfig(), nullptr);
  const Client slider(frm.frmConfig()->Sldr1().hWnd());
  ASSERT_NE(slider.object, nullptr);
  EXPECT_EQ(slider.Name(), L"Tranparency Level");
  EXPECT_EQ(slider.Value(), L"225");
}

}  // namespace
}  // namespace kelbo::testing
