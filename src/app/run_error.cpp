#include "app/run_error.h"

namespace kelbo {

RunError OverflowError() {
  return RunError(6, "Overflow");
}
RunError TypeMismatchError() {
  return RunError(13, "Type mismatch");
}

std::string ErrorReportText(const RunError& error) {
  std::string text = error.what();
  text.append(" Source : ").append(error.source());
  return text;
}

std::uint8_t AlphaFromLevel(std::int16_t level) {
  if (level < 0 || level > 255) throw OverflowError();
  return static_cast<std::uint8_t>(level);
}

}  // namespace kelbo
