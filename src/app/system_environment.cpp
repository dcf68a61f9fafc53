#include "app/system_environment.h"

#include <windows.h>

#include "app/app_title.h"
#include "resource_ids.h"
#include "ui/common_controls.h"
#include "ui/prompt_dialog.h"

namespace kelbo {

namespace {
Environment* installed = nullptr;
}  // namespace

void InstallEnvironment(Environment& environment) {
  installed = &environment;
}

Environment& Env() {
  static SystemEnvironment fallback;
  return installed ? *installed : fallback;
}

LocalTime SystemEnvironment::Now() {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  return {t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::uint32_t SystemEnvironment::LastInputTick() {
  LASTINPUTINFO info{};
  info.cbSize = sizeof info;
  info.dwTime = 0;
  // A failed query leaves 0: the whole time since system start counts as idle.
  ::GetLastInputInfo(&info);
  return info.dwTime;
}

std::uint32_t SystemEnvironment::TickCount() {
  return ::GetTickCount();
}

PixelRect SystemEnvironment::WorkArea() {
  RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);  // the screen if it fails
  return {area.left, area.top, area.right, area.bottom};
}

void SystemEnvironment::ShowMessage(const std::string& text) {
  const CommonControls look;
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), kAppTitle, MB_OK);
}

std::optional<std::wstring> SystemEnvironment::Prompt(const std::wstring& prompt,
                                                      const std::wstring& title) {
  return ShowPromptDialog({IDD_PROMPT, IDC_PROMPT_TEXT, IDC_PROMPT_EDIT}, prompt, title);
}

}  // namespace kelbo
