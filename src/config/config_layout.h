// The options dialog's layout: where every control stands, in twips from the
// client area's top-left corner, and how it looks.
#pragma once

#include <windows.h>

#include "ui/child_controls.h"
#include "ui/control.h"

namespace kelbo::config_layout {

inline constexpr const wchar_t* kClassName = L"KelboTimeConfig";
inline constexpr const wchar_t* kCaption = L"Configure Options";
inline constexpr TwipsSize kClient{.width = 3840, .height = 2010};

inline constexpr FontStyle kTitleFont{.face = L"MS Sans Serif", .points = 9.75, .bold = true};
inline constexpr FontStyle kBoldFont{.face = L"MS Sans Serif", .points = 8.25, .bold = true};

inline constexpr TwipsRect kLbl1{.left = 360, .top = 0, .width = 2775, .height = 255};
// "Tranparency" and "Alway" are spelt so in the program's own texts, which
// users know it by: not to be corrected.
inline constexpr const wchar_t* kLbl1Text = L"Tranparency Level";
inline constexpr TwipsRect kLblVal{.left = 3000, .top = 240, .width = 615, .height = 255};

// In tab order: the button, the slider, the check box.
inline constexpr TwipsRect kCmdSave{.left = 1200, .top = 1680, .width = 1335, .height = 255};
inline constexpr const wchar_t* kCmdSaveText = L"Save && Exit";
inline constexpr TwipsRect kSldr1{.left = 480, .top = 240, .width = 2535, .height = 375};
inline constexpr Slider::Range kOpacityRange{
    .minimum = 0, .maximum = 255, .smallStep = 1, .largeStep = 5, .tickFrequency = 16};
inline constexpr TwipsRect kChkAOT{.left = 840, .top = 600, .width = 1935, .height = 375};
inline constexpr const wchar_t* kChkAOTText = L"   Alway On Top";

}  // namespace kelbo::config_layout
