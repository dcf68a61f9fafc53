#include "opacity/opacity_prompt.h"

#include <string>

#include "app/environment.h"
#include "app/error_report.h"
#include "app/settings.h"
#include "app/window_effects.h"
#include "opacity/number_text.h"

namespace kelbo {

namespace {

// Only ASCII can be a number. Anything else becomes a character the
// conversion rejects, rather than the look-alike a code page would map it to.
std::string AsciiOrReject(const std::wstring& text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (wchar_t c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '\x7F');
  return narrow;
}

}  // namespace

void AskForOpacity(HWND window) {
  try {
    const std::optional<std::wstring> text =
        Env().Prompt(L"Enter the Transparency Value (0-255)", L"Set Transparency");
    if (!text) return;  // Cancel: the user asked for nothing
    // A bad entry throws before anything is stored.
    std::int16_t level = TextToInteger16(AsciiOrReject(*text));
    if (level < 0) level = 0;
    if (level > 255) level = 255;
    settings::TransparencyLevel = level;
    SetWindowTransparency(window, settings::TransparencyLevel);
  } catch (const RunError& error) {
    ReportRunError(error);
  }
}

}  // namespace kelbo
