// What the program takes from the outside world that a test must control:
// the local time, the input and tick counters, the message box and the text
// prompt. main() installs the real one; tests install a scripted one.
#pragma once

#include <cstdint>
#include <string>

namespace kelbo {

struct LocalTime {
  int hour, minute, second;
};

class Environment {
 public:
  virtual ~Environment() = default;
  virtual LocalTime Now() = 0;
  // Tick count of the last mouse or keyboard input; 0 when it cannot be read.
  virtual std::uint32_t LastInputTick() = 0;
  virtual std::uint32_t TickCount() = 0;
  // A message box with OK only, no icon, titled with the application's title.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal text prompt; the empty text when the user cancels.
  virtual std::string Prompt(const std::string& prompt, const std::string& title) = 0;
};

void InstallEnvironment(Environment& environment);
Environment& Env();

inline constexpr const char* kAppTitle = "Kelbo Time";

}  // namespace kelbo
