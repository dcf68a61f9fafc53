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

// The buttons are the system's: a client asking the disc's object for its
// children, or the buttons' windows, reads each by its caption, where it is.
TEST_F(Accessibility, ThePictureButtonsAreTheSystemsButtonsNamedByTheirCaptions) {
  const Client disc(frm.hWnd());
  ASSERT_NE(disc.object, nullptr);
  long count = 0;
  ASSERT_EQ(disc.object->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 4);  // the three, and the opacity prompt's button below the disc
  const struct {
    const PictureButton& button;
    const wchar_t* name;
  } buttons[] = {{frm.imgConfig(), L"Configure Options"},
                 {frm.imgMin(), L"Minimize To System Tray"},
                 {frm.imgExit(), L"Exit Program"}};
  for (const auto& b : buttons) {
    wchar_t windowClass[16]{};
    ::GetClassNameW(b.button.hWnd(), windowClass, 16);
    EXPECT_EQ(::lstrcmpiW(windowClass, L"Button"), 0) << b.name;
    const Client client(b.button.hWnd());
    ASSERT_NE(client.object, nullptr) << b.name;
    EXPECT_EQ(client.Name(), b.name);
    RECT box;
    ::GetWindowRect(b.button.hWnd(), &box);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(client.object->accLocation(&left, &top, &width, &height, Client::Child(CHILDID_SELF)),
              S_OK);
    EXPECT_EQ(left, box.left) << b.name;
    EXPECT_EQ(top, box.top) << b.name;
    EXPECT_EQ(width, box.right - box.left) << b.name;
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

// Named the system's way, by its own text (the label before it reads the
// same), without a subclass of ours.
TEST_F(Accessibility, TheSliderIsNamedByTheSystem) {
  frm.imgConfig_Click();
  ASSERT_NE(frm.frmConfig(), nullptr);
  const Client slider(frm.frmConfig()->Sldr1().hWnd());
  ASSERT_NE(slider.object, nullptr);
  EXPECT_EQ(slider.Name(), L"Tranparency Level");
}

}  // namespace
}  // namespace kelbo::testing
