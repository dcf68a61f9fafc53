#include "tray/tray_decode.h"

#include <algorithm>

namespace kelbo {

namespace {
constexpr std::uint32_t kLeftButtonDown = 0x201;   // WM_LBUTTONDOWN
constexpr std::uint32_t kRightButtonDown = 0x204;  // WM_RBUTTONDOWN
}  // namespace

TrayAction DecodeTrayNotification(std::uint32_t mouseMessage) {
  switch (mouseMessage) {
    case kLeftButtonDown:
      return TrayAction::ShowWindow;
    case kRightButtonDown:
      return TrayAction::OpenMenu;
    default:
      return TrayAction::None;
  }
}

std::array<char, 64> TrayTip(std::string_view text) {
  std::array<char, 64> tip;
  tip.fill(' ');
  const std::size_t n = std::min(text.size(), tip.size() - 1);
  std::copy_n(text.begin(), n, tip.begin());
  tip[n] = '\0';
  return tip;
}

}  // namespace kelbo
