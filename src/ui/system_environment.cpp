#include "ui/system_environment.h"

#include <windows.h>

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
  return {t.wHour, t.wMinute, t.wSecond};
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

void SystemEnvironment::ShowMessage(const std::string& text) {
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), kAppTitle, MB_OK);
}

std::string SystemEnvironment::Prompt(const std::string& prompt, const std::string& title) {
  return ShowPromptDialog(prompt, title);
}

}  // namespace kelbo
