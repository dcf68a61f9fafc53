#include "clock/clock_face.h"

#include "clock/binary_digits.h"

namespace kelbo {

namespace {
constexpr const char* kRowNames[] = {"cirhr", "cirmin", "cirSec"};
}  // namespace

Lamp& ClockFace::MakeLamp(Row row, int position, TwipsRect box, COLORREF colour) {
  auto& slot = Lamps(row).at(static_cast<std::size_t>(position));
  slot = std::make_unique<Lamp>(kRowNames[static_cast<int>(row)] + std::to_string(position), box,
                                colour);
  return *slot;
}

const Lamp* ClockFace::LampAt(Row row, int position) const {
  const RowLamps& lamps = rows_[static_cast<std::size_t>(row)];
  if (position < 0 || position >= static_cast<int>(lamps.size())) return nullptr;
  return lamps[static_cast<std::size_t>(position)].get();
}

LocalTime ClockFace::ShowTime() {
  // Each row reads the clock for itself; a tick across a change of minute may
  // mix both sides, and the next tick is consistent again.
  RECT changed{};
  PaintRow(static_cast<std::int16_t>(Env().Now().hour), 2, Lamps(Row::Hour), changed);
  PaintRow(static_cast<std::int16_t>(Env().Now().minute), 1, Lamps(Row::Minute), changed);
  const LocalTime last = Env().Now();
  PaintRow(static_cast<std::int16_t>(last.second), 1, Lamps(Row::Second), changed);
  if (!::IsRectEmpty(&changed)) repaint_(changed);
  return last;
}

LocalTime ClockFace::Shown() const {
  const auto read = [this](Row row) {
    int value = 0;
    for (int position = 1; position <= 6; ++position) {
      const Lamp* lamp = LampAt(row, position);
      value = value * 2 + (lamp && lamp->FillColor() == colours_.lit ? 1 : 0);
    }
    return value;
  };
  return {read(Row::Hour), read(Row::Minute), read(Row::Second), 0};
}

void ClockFace::SetColours(const LampColours& colours) {
  RECT changed{};
  for (RowLamps& row : rows_)
    for (auto& lamp : row) {
      if (!lamp) continue;
      const bool lit = lamp->FillColor() == colours_.lit;
      (void)lamp->SetFillColor(lit ? colours.lit : colours.unlit);
      const RECT circle = lamp->CircleRect();
      ::UnionRect(&changed, &changed, &circle);
    }
  colours_ = colours;
  if (!::IsRectEmpty(&changed)) repaint_(changed);
}

void ClockFace::PaintRow(std::int16_t value, std::size_t firstPosition, const RowLamps& lamps,
                         RECT& changed) {
  IntToBin(value, BinaryBuffer);
  const std::size_t length = BinaryBuffer.size();
  for (std::size_t p = firstPosition; p <= length; ++p) {
    if (p >= lamps.size() || !lamps[p]) continue;
    // The circle, not the box: boxes overlap their neighbours (the seconds'
    // caption among them), which would be drawn again every second.
    if (lamps[p]->SetFillColor(LampColour(BinaryBuffer[p - 1], colours_))) {
      const RECT circle = lamps[p]->CircleRect();
      ::UnionRect(&changed, &changed, &circle);
    }
  }
  BinaryBuffer.clear();
}

}  // namespace kelbo
