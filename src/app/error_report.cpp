#include "app/error_report.h"

#include "app/environment.h"

namespace kelbo {

void ReportRunError(const RunError& error) {
  Env().ShowMessage(ErrorReportText(error));
}

void ReportUnexpectedError(const std::exception& error) noexcept {
  constexpr int kInternalError = 51;
  static bool reporting = false;
  if (reporting) return;
  reporting = true;
  try {
    ReportRunError(RunError(kInternalError, error.what()));
  } catch (...) {
    // Not even a message box: nothing more can be done.
  }
  reporting = false;
}

}  // namespace kelbo
