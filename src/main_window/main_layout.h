// The main window's layout: where every control stands, in twips from the
// client area's top-left corner, and how it looks.
#pragma once

#include <windows.h>

#include <array>

#include "clock/binary_digits.h"
#include "ui/control.h"

namespace kelbo::main_layout {

inline constexpr const wchar_t* kCaption = L"              Kelbo Time";
inline constexpr COLORREF kBackColour = 0x006666FF;  // R 255, G 102, B 102
inline constexpr TwipsSize kDesignedClient{2790, 2310};
inline constexpr float kWindowSide = 2670;  // the start-up makes the window square
inline constexpr float kBottomGap = 500;    // above the screen's bottom edge

// Lamps: column k (1..6) stands at 360 * (k - 1); rows at these tops.
inline constexpr int kHourTop = 360;
inline constexpr int kMinuteTop = 720;
inline constexpr int kSecondTop = 1080;
constexpr TwipsRect LampBox(int rowTop, int column) {
  return {360 * (column - 1), rowTop, 375, 255};
}

inline constexpr FontStyle kCaptionFont{L"MS Sans Serif", 8.25, true};

struct CaptionLayout {
  const char* name;
  TwipsRect box;
  const wchar_t* text;
};
inline constexpr std::array<CaptionLayout, 3> kCaptions{{
    {"lblSec", {2160, 1125, 375, 255}, L"Sec"},
    {"lblMin", {2160, 765, 375, 255}, L"Min"},
    {"lblHR", {2160, 405, 255, 255}, L"Hr"},
}};

inline constexpr TwipsRect kImgMin{1080, 1680, 375, 255};
inline constexpr TwipsRect kImgConfig{720, 1680, 315, 240};
inline constexpr TwipsRect kImgExit{1560, 1680, 315, 255};
// Below the visible disc: the opacity prompt's button and the cube picture.
inline constexpr TwipsRect kCmdTran{360, 3360, 1215, 375};
inline constexpr TwipsRect kImg1{1920, 3480, 1920, 1920};

}  // namespace kelbo::main_layout
