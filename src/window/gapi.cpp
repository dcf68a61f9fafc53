#include "window/gapi.h"

#include "ui/environment.h"

namespace gAPI {

std::int16_t TransparencyLevel = 225;
bool AlwaysOnTop = true;
bool IsIdle = false;

void ReportRunError(const kelbo::RunError& error) {
  kelbo::Env().ShowMessage(kelbo::ErrorReportText(error));
}

void SetWindowTransparency(HWND hwnd, std::int16_t level) {
  try {
    // The layered bit is set on every call; the other bits stay.
    const LONG style = ::GetWindowLongA(hwnd, GWL_EXSTYLE);
    ::SetWindowLongA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
    const BYTE alpha = kelbo::AlphaFromLevel(level);
    // Alpha alone: no colour is keyed out, so the key argument plays no part.
    ::SetLayeredWindowAttributes(hwnd, RGB(255, 255, 0), alpha, LWA_ALPHA);
  } catch (const kelbo::RunError& error) {
    ReportRunError(error);
  }
}

void SetWindowTopmost(HWND hwnd, bool topmost) {
  // No SWP_NOACTIVATE: joining the band brings the window forward as well.
  ::SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace gAPI
