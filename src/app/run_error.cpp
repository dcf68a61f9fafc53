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

}  // namespace kelbo
