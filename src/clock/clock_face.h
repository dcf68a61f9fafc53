// The binary clock face: three rows of lamps, hour (16 to 1), minute and
// second (32 to 1 each); a lit lamp is a binary 1.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/environment.h"
#include "clock/binary_digits.h"
#include "ui/control.h"

namespace kelbo {

class ClockFace {
 public:
  enum class Row { Hour, Minute, Second };

  // `repaint` is handed the pixels to draw again after a change of lamps.
  explicit ClockFace(std::function<void(const RECT&)> repaint) : repaint_(std::move(repaint)) {}

  // Makes the lamp of `row` for digit position 1..6 (weight 32 down to 1) in
  // `box`; the caller adds it to its form, in its own layout order. The hour
  // row has no lamp for position 1: an hour never reaches 32.
  Lamp& MakeLamp(Row row, int position, TwipsRect box, COLORREF colour);
  const Lamp* LampAt(Row row, int position) const;

  // Reads the local time, once for each row, and sets every lamp's colour;
  // the lamps that changed are repainted together, in one area around their
  // circles. Returns the last reading, the second's.
  LocalTime ShowTime();
  // The time the lamps show now, read back from their colours.
  LocalTime Shown() const;
  // Every lamp takes the new colours for the digit it shows, and is
  // repainted.
  void SetColours(const LampColours& colours);

 private:
  using RowLamps = std::array<std::unique_ptr<Lamp>, 7>;  // by digit position 1..6
  void PaintRow(std::int16_t value, std::size_t firstPosition, const RowLamps& lamps,
                RECT& changed);
  RowLamps& Lamps(Row row) { return rows_[static_cast<std::size_t>(row)]; }

  std::function<void(const RECT&)> repaint_;
  std::array<RowLamps, 3> rows_;
  LampColours colours_ = kLampColours;
  // The digits of the row being drawn; empty between rows.
  std::string BinaryBuffer;
};

}  // namespace kelbo
