// The one way a run-time error reaches the user: a message box with the
// description, " Source : " and the source, titled with the program's title.
#pragma once

#include "app/run_error.h"

namespace kelbo {

void ReportRunError(const RunError& error);

}  // namespace kelbo
