// The outside world as a test scripts it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/environment.h"

namespace kelbo::testing {

class ScriptedEnvironment : public Environment {
 public:
  LocalTime time{12, 0, 0};
  std::uint32_t lastInput = 100'000;
  std::uint32_t now = 100'000;
  std::vector<std::string> messages;
  std::deque<std::string> answers;
  std::vector<std::pair<std::string, std::string>> prompts;

  void SetIdleMilliseconds(std::uint32_t idle) { now = lastInput + idle; }

  LocalTime Now() override { return time; }
  std::uint32_t LastInputTick() override { return lastInput; }
  std::uint32_t TickCount() override { return now; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::string Prompt(const std::string& prompt, const std::string& title) override {
    prompts.emplace_back(prompt, title);
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// The environment every app test runs against; reset before each test.
ScriptedEnvironment& Scripted();

}  // namespace kelbo::testing
