// When the clock's next tick is due: just after the next whole second of the
// local time, so that the face turns with the wall clock. Portable.
#pragma once

namespace kelbo {

// How late after the second the tick aims to land, in milliseconds: timers
// never fire early, and a tick a hair before the second would show the old
// one again.
inline constexpr int kTickSlack = 2;

// Milliseconds from a local time `millisecond` past its second (0..999) to
// the next tick. A tick that came late, however late, aims at the next
// second after now; the date and the hour play no part, so a clock set back
// or forward keeps its rhythm.
constexpr unsigned DelayToNextSecond(int millisecond) {
  if (millisecond < 0) millisecond = 0;
  if (millisecond > 999) millisecond = 999;
  return static_cast<unsigned>(1000 - millisecond + kTickSlack);
}

}  // namespace kelbo
