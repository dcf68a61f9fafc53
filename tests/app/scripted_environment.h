// The outside world as a test scripts it.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/environment.h"
#include "app/system_environment.h"

namespace kelbo::testing {

class ScriptedEnvironment : public Environment {
 public:
  // The local time; while `laterTimes` holds any, each read takes the next
  // of them instead, so a test sees how often and in which order the clock
  // was read.
  LocalTime time{12, 0, 0};
  std::deque<LocalTime> laterTimes;
  std::uint32_t lastInput = 100'000;
  std::uint32_t now = 100'000;
  // The work area; the real one when not set.
  std::optional<PixelRect> workArea;
  bool highContrast = false;
  // The window in front and the monitors; the real ones when not set.
  std::optional<HWND> foreground;
  std::function<std::optional<PixelRect>(HWND)> monitorOf;
  NotificationState notificationState = NotificationState::Other;
  // Windows of this process that count as another program's.
  std::vector<HWND> otherPrograms;
  std::vector<std::string> messages;
  // Answers to the prompt, in order; nothing is a Cancel.
  std::deque<std::optional<std::wstring>> answers;
  std::vector<std::pair<std::wstring, std::wstring>> prompts;
  // The real prompt dialog instead of `answers`, for a test that types into it.
  bool realPrompt = false;
  // Runs as the prompt opens: a test's way to fail inside a handler.
  std::function<void()> onPrompt;

  // Input that comes just after the tick count is read: a last-input tick
  // read after it is one ahead of it.
  bool inputJustAfterTickRead = false;

  void SetIdleMilliseconds(std::uint32_t idle) { now = lastInput + idle; }

  LocalTime Now() override {
    if (!laterTimes.empty()) {
      time = laterTimes.front();
      laterTimes.pop_front();
    }
    return time;
  }
  std::uint32_t LastInputTick() override { return lastInput; }
  std::uint32_t TickCount() override {
    if (inputJustAfterTickRead) lastInput = now + 1;
    return now;
  }
  PixelRect WorkArea() override { return workArea ? *workArea : SystemEnvironment().WorkArea(); }
  bool HighContrast() override { return highContrast; }
  HWND ForegroundWindow() override {
    return foreground ? *foreground : SystemEnvironment().ForegroundWindow();
  }
  DWORD ProcessOf(HWND window) override {
    for (HWND other : otherPrograms)
      if (other == window) return 0xBEEF;
    return SystemEnvironment().ProcessOf(window);
  }
  PixelRect MonitorOf(HWND window) override {
    if (monitorOf)
      if (const auto scripted = monitorOf(window)) return *scripted;
    return SystemEnvironment().MonitorOf(window);
  }
  NotificationState UserNotificationState() override { return notificationState; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::optional<std::wstring> Prompt(const std::wstring& prompt,
                                     const std::wstring& title) override {
    prompts.emplace_back(prompt, title);
    if (onPrompt) onPrompt();
    if (realPrompt) return SystemEnvironment().Prompt(prompt, title);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// The environment every app test runs against; reset before each test.
ScriptedEnvironment& Scripted();

}  // namespace kelbo::testing
