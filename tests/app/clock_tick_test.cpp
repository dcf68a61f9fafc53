// The clock tick on the real main window: lamp colours, pixels, repaints.
#include <gtest/gtest.h>

#include <string>

#include "app_helpers.h"
#include "clock/binary_digits.h"
#include "scripted_environment.h"
#include "window/frm_main.h"

namespace kelbo::testing {
namespace {

constexpr COLORREF L = kLitColour;
constexpr COLORREF U = kUnlitColour;

struct FaceCase {
  LocalTime time;
  COLORREF hour[5];    // cirhr2..cirhr6
  COLORREF minute[6];  // cirmin1..cirmin6
  COLORREF second[6];  // cirSec1..cirSec6
};

const FaceCase kFaces[] = {
    {{0, 0, 0}, {U, U, U, U, U}, {U, U, U, U, U, U}, {U, U, U, U, U, U}},
    {{23, 59, 59}, {L, U, L, L, L}, {L, L, L, U, L, L}, {L, L, L, U, L, L}},
    {{12, 34, 56}, {U, L, L, U, U}, {L, U, U, U, L, U}, {L, L, L, U, U, U}},
    {{1, 32, 1}, {U, U, U, U, L}, {L, U, U, U, U, U}, {U, U, U, U, U, L}},
};

class ClockTick : public ::testing::Test {
 protected:
  void SetUp() override { frm.Load(); }
  const Lamp& LampNamed(const std::string& name) {
    const Lamp* lamp = frm.FindLamp(name);
    EXPECT_NE(lamp, nullptr) << name;
    return *lamp;
  }
  void ExpectRow(const char* prefix, int first, const COLORREF* colours, int count,
                 const LocalTime& t) {
    for (int i = 0; i < count; ++i) {
      const std::string name = prefix + std::to_string(first + i);
      const Lamp& lamp = LampNamed(name);
      EXPECT_EQ(lamp.FillColor(), colours[i]) << name << " at " << t.hour << ":" << t.minute;
      // What is painted, not only what is stored: the circle's centre.
      EXPECT_EQ(RenderedPixel(frm, Centre(lamp.CircleRect())), colours[i]) << name;
    }
  }
  FrmMain frm;
};

TEST_F(ClockTick, ShowsTheTimeInBinary) {
  for (const FaceCase& face : kFaces) {
    Scripted().time = face.time;
    frm.tmr1_Timer();
    ExpectRow("cirhr", 2, face.hour, 5, face.time);
    ExpectRow("cirmin", 1, face.minute, 6, face.time);
    ExpectRow("cirSec", 1, face.second, 6, face.time);
  }
}

TEST_F(ClockTick, HasNoLampForTheHoursThirtyTwo) {
  EXPECT_EQ(frm.FindControl("cirhr1"), nullptr);
}

TEST_F(ClockTick, RepaintsOnlyTheLampsThatChanged) {
  frm.Show();  // hidden windows keep no update region
  Scripted().time = {10, 20, 30};
  frm.tmr1_Timer();
  ::UpdateWindow(frm.hWnd());  // validates everything

  frm.tmr1_Timer();  // same time: nothing to repaint
  RECT dirty;
  EXPECT_FALSE(::GetUpdateRect(frm.hWnd(), &dirty, FALSE));

  Scripted().time = {10, 20, 31};  // 30 -> 31 lights the last second lamp only
  frm.tmr1_Timer();
  ASSERT_TRUE(::GetUpdateRect(frm.hWnd(), &dirty, FALSE));
  const RECT lamp = LampNamed("cirSec6").PixelRect();
  EXPECT_TRUE(::EqualRect(&dirty, &lamp));
}

TEST_F(ClockTick, CaptionsNeverChange) {
  for (const FaceCase& face : kFaces) {
    Scripted().time = face.time;
    frm.tmr1_Timer();
  }
  const std::pair<const char*, const wchar_t*> captions[] = {
      {"lblHR", L"Hr"}, {"lblMin", L"Min"}, {"lblSec", L"Sec"}};
  for (const auto& [name, text] : captions) {
    const auto* label = dynamic_cast<const Label*>(frm.FindControl(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->Text(), text);
  }
}

TEST_F(ClockTick, KeepsTickingWhileHidden) {
  frm.SetVisible(false);
  Scripted().time = {0, 0, 0};
  Scripted().SetIdleMilliseconds(70'000);
  frm.tmr1_Timer();
  EXPECT_EQ(LampNamed("cirSec6").FillColor(), kUnlitColour);
  Scripted().time = {0, 0, 1};
  frm.tmr1_Timer();
  EXPECT_EQ(LampNamed("cirSec6").FillColor(), kLitColour);
}

}  // namespace
}  // namespace kelbo::testing
