// The clock tick on the real main window: lamp colours, pixels, repaints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_helpers.h"
#include "clock/binary_digits.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"

namespace kelbo::testing {
namespace {

constexpr COLORREF L = kLitColour;
constexpr COLORREF U = kUnlitColour;
using Row = ClockFace::Row;

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
  // The lamp's colour as stored and as painted at its centre; they must agree.
  COLORREF Shown(Row row, int position) {
    const Lamp* lamp = frm.Face().LampAt(row, position);
    if (!lamp) {
      ADD_FAILURE() << "no lamp at position " << position;
      return CLR_INVALID;
    }
    EXPECT_EQ(RenderedPixel(frm, Centre(lamp->CircleRect())), lamp->FillColor()) << lamp->name();
    return lamp->FillColor();
  }
  void ExpectRow(Row row, int first, const COLORREF* colours, int count, const LocalTime& t) {
    for (int i = 0; i < count; ++i)
      EXPECT_EQ(Shown(row, first + i), colours[i])
          << "position " << first + i << " at " << t.hour << ":" << t.minute << ":" << t.second;
  }
  Owned<FrmMain> frm;
};

TEST_F(ClockTick, ShowsTheTimeInBinary) {
  for (const FaceCase& face : kFaces) {
    Scripted().time = face.time;
    frm.tmr1_Timer();
    ExpectRow(Row::Hour, 2, face.hour, 5, face.time);
    ExpectRow(Row::Minute, 1, face.minute, 6, face.time);
    ExpectRow(Row::Second, 1, face.second, 6, face.time);
  }
}

TEST_F(ClockTick, EachRowReadsTheClockItself) {
  // A tick that runs across 11:00:00: the hour is read before it, the minute
  // and the second after, each from its own reading.
  Scripted().laterTimes = {{10, 59, 59}, {11, 0, 0}, {11, 0, 1}};
  frm.tmr1_Timer();
  EXPECT_TRUE(Scripted().laterTimes.empty()) << "the clock was not read once per row";
  const COLORREF tenOclock[] = {U, L, U, L, U};  // 10 is 01010
  ExpectRow(Row::Hour, 2, tenOclock, 5, {10, 59, 59});
  const COLORREF zero[] = {U, U, U, U, U, U};
  ExpectRow(Row::Minute, 1, zero, 6, {11, 0, 0});
  EXPECT_EQ(Shown(Row::Second, 6), L);  // second 1
}

TEST_F(ClockTick, HasNoLampForTheHoursThirtyTwo) {
  EXPECT_EQ(frm.Face().LampAt(Row::Hour, 1), nullptr);
  EXPECT_EQ(frm.FindControl("cirhr1"), nullptr);
}

TEST_F(ClockTick, RepaintsTheLampsThatChangedAndNothingElse) {
  struct Lamped {
    Row row;
    int position;
  };
  const struct {
    const char* what;
    LocalTime from, to;
    std::vector<Lamped> changed;
  } cases[] = {
      {"30 -> 31 lights the last lamp only", {10, 20, 30}, {10, 20, 31}, {{Row::Second, 6}}},
      {"31 -> 32 turns the whole row",
       {10, 20, 31},
       {10, 20, 32},
       {{Row::Second, 1}, {Row::Second, 6}}},
      {"a new minute: two rows, one area",
       {10, 20, 59},
       {10, 21, 0},
       {{Row::Minute, 6}, {Row::Second, 1}, {Row::Second, 6}}},
  };
  frm.Show();  // hidden windows keep no update region
  const Control* caption = frm.FindControl("lblSec");
  ASSERT_NE(caption, nullptr);
  const RECT captionBox = caption->PixelRect();
  for (const auto& c : cases) {
    Scripted().time = c.from;
    frm.tmr1_Timer();
    ::UpdateWindow(frm.hWnd());  // validates everything
    frm.tmr1_Timer();            // same time: nothing to repaint
    RECT dirty;
    EXPECT_FALSE(::GetUpdateRect(frm.hWnd(), &dirty, FALSE)) << c.what;

    Scripted().time = c.to;
    frm.tmr1_Timer();
    ASSERT_TRUE(::GetUpdateRect(frm.hWnd(), &dirty, FALSE)) << c.what;
    RECT expected{};
    for (const Lamped& l : c.changed) {
      const RECT circle = frm.Face().LampAt(l.row, l.position)->CircleRect();
      ::UnionRect(&expected, &expected, &circle);
    }
    EXPECT_TRUE(::EqualRect(&dirty, &expected)) << c.what;
    // The lamps' boxes overlap the "Sec" caption's; the caption is not drawn.
    RECT overlap;
    EXPECT_FALSE(::IntersectRect(&overlap, &dirty, &captionBox)) << c.what;
  }
}

TEST_F(ClockTick, EachTickArmsTheNextForJustAfterTheNextSecond) {
  const struct {
    const char* when;
    LocalTime time;
    UINT interval;
  } cases[] = {
      {"on time", {12, 0, 3, 2}, 1000},
      {"1.7 s late: the face shows now, not the second after the last", {12, 0, 5, 702}, 300},
      {"woken early, a hair before the second", {12, 0, 5, 999}, 3},
  };
  for (const auto& c : cases) {
    Scripted().time = c.time;
    frm.tmr1_Timer();
    EXPECT_EQ(frm.tmr1.Interval(), c.interval) << c.when;
    const int second = c.time.second;
    for (int position = 1; position <= 6; ++position)
      EXPECT_EQ(Shown(Row::Second, position), (second >> (6 - position)) & 1 ? L : U) << c.when;
  }
}

TEST_F(ClockTick, AClockSetOrAWakeFromSleepShowsTheNewTimeAtOnce) {
  const struct {
    UINT message;
    WPARAM wParam;
    LocalTime time;
    unsigned nextTick;  // just after the next wall-clock second
  } cases[] = {
      {WM_TIMECHANGE, 0, {8, 0, 0, 250}, 752},                             // set back
      {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, {9, 30, 17, 600}, 402},  // woken up
  };
  for (const auto& c : cases) {
    Scripted().time = c.time;
    ::SendMessageW(frm.hWnd(), c.message, c.wParam, 0);
    EXPECT_EQ(frm.tmr1.Interval(), c.nextTick) << c.message;
    EXPECT_EQ(Shown(Row::Hour, 3), c.time.hour & 8 ? L : U) << c.message;
    EXPECT_EQ(Shown(Row::Second, 6), c.time.second & 1 ? L : U) << c.message;
  }
}

TEST_F(ClockTick, TheTimerKeepsTheFaceCurrentWhileHidden) {
  frm.SetVisible(false);
  Scripted().time = {0, 0, 0};
  frm.tmr1_Timer();
  ASSERT_EQ(Shown(Row::Second, 6), U);
  Scripted().time = {0, 0, 1};
  frm.tmr1.Fire();
  EXPECT_EQ(Shown(Row::Second, 6), L);
}

}  // namespace
}  // namespace kelbo::testing
