// The main window's layout: where every control stands, in twips from the
// client area's top-left corner, and how it looks.
#pragma once

#include <windows.h>

#include <array>

#include "clock/binary_digits.h"
#include "ui/child_controls.h"
#include "ui/control.h"

namespace kelbo::main_layout {

inline constexpr const wchar_t* kCaption = L"              Kelbo Time";
inline constexpr COLORREF kBackColour = 0x006666FF;  // R 255, G 102, B 102
inline constexpr TwipsSize kDesignedClient{.width = 2790, .height = 2310};
inline constexpr float kWindowSide = 2670;  // the start-up makes the window square
inline constexpr float kBottomGap = 500;    // above the screen's bottom edge

// Lamps: column k (1..6) stands at 360 * (k - 1); rows at these tops.
inline constexpr int kHourTop = 360;
inline constexpr int kMinuteTop = 720;
inline constexpr int kSecondTop = 1080;
constexpr TwipsRect LampBox(int rowTop, int column) {
  return {.left = static_cast<float>(360 * (column - 1)),
          .top = static_cast<float>(rowTop),
          .width = 375,
          .height = 255};
}

inline constexpr FontStyle kCaptionFont{.face = L"MS Sans Serif", .points = 8.25, .bold = true};

struct CaptionLayout {
  const char* name;
  TwipsRect box;
  const wchar_t* text;
};
inline constexpr std::array<CaptionLayout, 3> kCaptions{{
    {.name = "lblSec",
     .box = {.left = 2160, .top = 1125, .width = 375, .height = 255},
     .text = L"Sec"},
    {.name = "lblMin",
     .box = {.left = 2160, .top = 765, .width = 375, .height = 255},
     .text = L"Min"},
    {.name = "lblHR",
     .box = {.left = 2160, .top = 405, .width = 255, .height = 255},
     .text = L"Hr"},
}};

// The picture buttons: their text is their tip and their name for screen
// readers. The first starts the group the arrow keys move in.
inline ChildLayout PictureButtonLayout(const TwipsRect& box, const wchar_t* tip,
                                       bool first = false) {
  return {.box = box, .text = tip, .font = {}, .tabStop = true, .groupStart = first};
}
inline constexpr TwipsRect kImgMin{.left = 1080, .top = 1680, .width = 375, .height = 255};
inline constexpr TwipsRect kImgConfig{.left = 720, .top = 1680, .width = 315, .height = 240};
inline constexpr TwipsRect kImgExit{.left = 1560, .top = 1680, .width = 315, .height = 255};
// Below the visible disc: the opacity prompt's button and the cube picture.
inline constexpr TwipsRect kCmdTran{.left = 360, .top = 3360, .width = 1215, .height = 375};
inline constexpr TwipsRect kImg1{.left = 1920, .top = 3480, .width = 1920, .height = 1920};

}  // namespace kelbo::main_layout
