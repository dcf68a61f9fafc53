#include "app/window_effects.h"

#include "app/error_report.h"
#include "app/opacity_level.h"
#include "app/region_box.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/screen.h"

namespace kelbo {

void MakeWindowRound(const Form& window) {
  const Scale& scale = window.GetScale();
  const PixelRect box =
      EllipseBox(window.Width(), window.Height(), scale.TwipsPerPixelX(), scale.TwipsPerPixelY());
  UniqueRegion region(::CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
  if (::SetWindowRgn(window.hWnd(), region.get(), TRUE)) {
    region.release();  // the window owns its region now
  }
}

void SetWindowTransparency(HWND hwnd, std::int16_t level) {
  try {
    // The layered bit is set on every call; the other bits stay. The ANSI
    // forms, as the program has always called them: for a style they do
    // exactly what the wide ones do.
    const LONG style = ::GetWindowLongA(hwnd, GWL_EXSTYLE);
    ::SetWindowLongA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
    const BYTE alpha = AlphaFromLevel(level);
    // Alpha alone: no colour is keyed out, so the key argument plays no part.
    ::SetLayeredWindowAttributes(hwnd, RGB(255, 255, 0), alpha, LWA_ALPHA);
  } catch (const RunError& error) {
    ReportRunError(error);
  }
}

bool IsSeeThroughEntirely(HWND hwnd) {
  BYTE alpha = 255;
  DWORD flags = 0;
  if (!(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return false;
  if (!::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags)) return false;
  return (flags & LWA_ALPHA) && alpha == 0;
}

void SetWindowTopmost(HWND hwnd, bool topmost) {
  // No SWP_NOACTIVATE: joining the band brings the window forward as well.
  ::SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace kelbo
