// The real environment: the system clock, input counters and dialogs.
#pragma once

#include "ui/environment.h"

namespace kelbo {

class SystemEnvironment : public Environment {
 public:
  LocalTime Now() override;
  std::uint32_t LastInputTick() override;
  std::uint32_t TickCount() override;
  void ShowMessage(const std::string& text) override;
  std::string Prompt(const std::string& prompt, const std::string& title) override;
};

}  // namespace kelbo
