// The clock tick: once a second the three rows of lamps show the time in
// binary, then the idle check runs.
#include "clock/binary_digits.h"
#include "ui/environment.h"
#include "window/frm_main.h"

namespace kelbo {

void FrmMain::tmr1_Timer() {
  // Each row reads the clock for itself; a tick across a change of minute may
  // mix both sides, and the next tick is consistent again.
  PaintRow(static_cast<std::int16_t>(Env().Now().hour), 2, cirhr_);
  PaintRow(static_cast<std::int16_t>(Env().Now().minute), 1, cirmin_);
  PaintRow(static_cast<std::int16_t>(Env().Now().second), 1, cirSec_);
  CheckIdle();
}

void FrmMain::PaintRow(std::int16_t value, std::size_t firstPosition, const RowLamps& lamps) {
  IntToBin(value, BinaryBuffer);
  const std::size_t length = BinaryBuffer.size();
  for (std::size_t p = firstPosition; p <= length; ++p) {
    // The hour row has no lamp for position 1: an hour never reaches 32.
    if (p < lamps.size() && lamps[p]) lamps[p]->SetFillColor(LampColour(BinaryBuffer[p - 1]));
  }
  BinaryBuffer.clear();
}

}  // namespace kelbo
