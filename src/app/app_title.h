// The program's name as the user sees it: the tray tip and the title of its
// message boxes.
#pragma once

namespace kelbo {

inline constexpr const char* kAppTitle = "Kelbo Time";
inline constexpr const wchar_t* kAppTitleW = L"Kelbo Time";

}  // namespace kelbo
