// The one way a run-time error reaches the user: a message box with the
// description, " Source : " and the source, titled with the program's title.
#pragma once

#include "app/run_error.h"

namespace kelbo {

void ReportRunError(const RunError& error);

// An error no handler expected, reported the same way ("what went wrong
// Source : KelboTime"); the program goes on. One report at a time: errors
// that come while one is on the screen (a timer's, say) are not stacked on it.
void ReportUnexpectedError(const std::exception& error) noexcept;

}  // namespace kelbo
