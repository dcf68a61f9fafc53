// The program's name as the user sees it: the tray tip and the title of its
// message boxes.
#pragma once

namespace kelbo {

inline constexpr const char* kAppTitle = "Kelbo Time";

}  // namespace kelbo
