#include "app/system_environment.h"

#include <windows.h>
#include <shellapi.h>

#include "app/app_title.h"
#include "resource_ids.h"
#include "ui/common_controls.h"
#include "ui/prompt_dialog.h"
#include "ui/system_library.h"

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

HWND SystemEnvironment::ForegroundWindow() {
  return ::GetForegroundWindow();
}

DWORD SystemEnvironment::ProcessOf(HWND window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  return process;
}

PixelRect SystemEnvironment::MonitorOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const RECT& m = info.rcMonitor;
  return {m.left, m.top, m.right, m.bottom};
}

// The shell's library is loaded on the first question and kept, as the
// tray keeps it.
NotificationState SystemEnvironment::UserNotificationState() {
  using Query = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);
  static const auto query =
      FindFunction<Query>(LoadSystemLibrary(L"shell32.dll"), "SHQueryUserNotificationState");
  QUERY_USER_NOTIFICATION_STATE state{};
  if (!query || FAILED(query(&state))) return NotificationState::Other;
  if (state == QUNS_RUNNING_D3D_FULL_SCREEN) return NotificationState::D3dFullScreen;
  if (state == QUNS_PRESENTATION_MODE) return NotificationState::PresentationMode;
  return NotificationState::Other;
}

bool SystemEnvironment::HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
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
