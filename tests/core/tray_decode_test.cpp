#include "tray/tray_decode.h"

#include <gtest/gtest.h>

#include <string>

namespace kelbo {
namespace {

TEST(TrayNotification, OnlyLeftAndRightPressesAct) {
  const struct {
    std::uint32_t message;
    TrayAction action;
  } cases[] = {
      {0x200, TrayAction::None},   {0x201, TrayAction::ShowWindow}, {0x202, TrayAction::None},
      {0x203, TrayAction::None},   {0x204, TrayAction::OpenMenu},   {0x205, TrayAction::None},
      {0x206, TrayAction::None},   {0x207, TrayAction::None},       {0x208, TrayAction::None},
      {0x209, TrayAction::None},   {0x400, TrayAction::None},       {0, TrayAction::None},
      {0x10201, TrayAction::None},  // a version-4 style word in the high half is not a press
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeTrayNotification(c.message), c.action) << c.message;
}

TEST(TrayTip, TextThenOneNulThenSpaces) {
  const auto tip = TrayTip("Kelbo Time");
  EXPECT_EQ(std::string(tip.data(), 10), "Kelbo Time");
  EXPECT_EQ(tip[10], '\0');
  EXPECT_EQ(std::string(tip.data() + 11, 53), std::string(53, ' '));
}

TEST(TrayTip, LongTextIsCutToLeaveRoomForTheNul) {
  const auto tip = TrayTip(std::string(100, 'x'));
  EXPECT_EQ(std::string(tip.data(), 63), std::string(63, 'x'));
  EXPECT_EQ(tip[63], '\0');
}

}  // namespace
}  // namespace kelbo
