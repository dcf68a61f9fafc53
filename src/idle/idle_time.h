// When the user counts as idle: portable, so the native build tests it.
#pragma once

#include <cstdint>

namespace kelbo {

// How far ahead of "now" a last input may be and still count as input just
// now: one that came between reading the tick count and reading the last
// input. Further ahead, it is an idle time of nearly 49.7 days.
inline constexpr std::uint32_t kLastInputAheadLimitMs = 60'000;

// Milliseconds since the last input. The tick counts wrap every 2^32 ms
// (about 49.7 days); the unsigned difference stays right across the wrap and
// past 2^31 ms. A last input up to a minute later than "now" is idle 0, not
// a difference that wraps to 49.7 days.
constexpr std::uint32_t IdleMilliseconds(std::uint32_t lastInputTick, std::uint32_t nowTick) {
  const std::uint32_t ahead = lastInputTick - nowTick;
  if (ahead <= kLastInputAheadLimitMs) return 0;
  return nowTick - lastInputTick;
}

// Idle time in whole seconds, halves rounded away from zero (60 500 ms is 61).
double RoundedIdleSeconds(std::uint32_t idleMilliseconds);

// More than 60 whole seconds without input.
bool IsIdleTime(std::uint32_t lastInputTick, std::uint32_t nowTick);

}  // namespace kelbo
