// The system's common controls (tooltips, the slider), loaded the first time
// a form needs one of them rather than at start-up: a clock whose options
// nobody opens and whose buttons nobody hovers never pays for them.
#pragma once

namespace kelbo {

// Loads the common controls and registers their window classes, once; kept
// for the rest of the run, as windows of those classes may exist.
void EnsureCommonControls();

}  // namespace kelbo
