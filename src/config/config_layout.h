// The options dialog's layout: where every control stands, in twips from the
// client area's top-left corner, and how it looks.
#pragma once

#include <windows.h>

#include "ui/child_controls.h"
#include "ui/control.h"

namespace kelbo::config_layout {

inline constexpr const wchar_t* kClassName = L"KelboTimeConfig";
inline constexpr const wchar_t* kCaption = L"Configure Options";
inline constexpr TwipsSize kClient{3840, 2010};

inline constexpr FontStyle kTitleFont{L"MS Sans Serif", 9.75, true};
inline constexpr FontStyle kBoldFont{L"MS Sans Serif", 8.25, true};

inline constexpr TwipsRect kLbl1{360, 0, 2775, 255};
// "Tranparency" and "Alway" are spelt so in the program's own texts, which
// users know it by: not to be corrected.
inline constexpr const wchar_t* kLbl1Text = L"Tranparency Level";
inline constexpr TwipsRect kLblVal{3000, 240, 615, 255};

// In tab order: the button, the slider, the check box.
inline constexpr TwipsRect kCmdSave{1200, 1680, 1335, 255};
inline constexpr const wchar_t* kCmdSaveText = L"Save && Exit";
inline constexpr TwipsRect kSldr1{480, 240, 2535, 375};
inline constexpr Slider::Range kOpacityRange{0, 255, 1, 5, 16};
inline constexpr TwipsRect kChkAOT{840, 600, 1935, 375};
inline constexpr const wchar_t* kChkAOTText = L"   Alway On Top";

}  // namespace kelbo::config_layout
