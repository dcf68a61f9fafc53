#include "idle/idle_time.h"

#include <cmath>

namespace kelbo {

namespace {
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr double kIdleThresholdSeconds = 60.0;
}  // namespace

double RoundedIdleSeconds(std::uint32_t idleMilliseconds) {
  return std::round(static_cast<double>(idleMilliseconds) / kMillisecondsPerSecond);
}

bool IsIdleTime(std::uint32_t lastInputTick, std::uint32_t nowTick) {
  return RoundedIdleSeconds(IdleMilliseconds(lastInputTick, nowTick)) > kIdleThresholdSeconds;
}

}  // namespace kelbo
