#include "app/error_report.h"

#include "app/environment.h"

namespace kelbo {

void ReportRunError(const RunError& error) {
  Env().ShowMessage(ErrorReportText(error));
}

}  // namespace kelbo
