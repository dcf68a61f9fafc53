// When the user counts as idle: portable, so the native build tests it.
#pragma once

#include <cstdint>

namespace kelbo {

// Milliseconds since the last input. The tick counts wrap every 2^32 ms
// (about 49.7 days); the unsigned difference stays right across the wrap and
// past 2^31 ms.
constexpr std::uint32_t IdleMilliseconds(std::uint32_t lastInputTick, std::uint32_t nowTick) {
  return nowTick - lastInputTick;
}

// Idle time in whole seconds, halves rounded away from zero (60 500 ms is 61).
double RoundedIdleSeconds(std::uint32_t idleMilliseconds);

// More than 60 whole seconds without input.
bool IsIdleTime(std::uint32_t lastInputTick, std::uint32_t nowTick);

}  // namespace kelbo
