// The real environment: the system clock, input counters and dialogs.
#pragma once

#include "app/environment.h"

namespace kelbo {

class SystemEnvironment : public Environment {
 public:
  LocalTime Now() override;
  std::uint32_t LastInputTick() override;
  std::uint32_t TickCount() override;
  PixelRect WorkArea() override;
  HWND ForegroundWindow() override;
  DWORD ProcessOf(HWND window) override;
  PixelRect MonitorOf(HWND window) override;
  NotificationState UserNotificationState() override;
  bool HighContrast() override;
  void ShowMessage(const std::string& text) override;
  std::optional<std::wstring> Prompt(const std::wstring& prompt,
                                     const std::wstring& title) override;
};

}  // namespace kelbo
