// A call into the window system that failed, as an error for the caller.
#pragma once

namespace kelbo {

// Throws std::runtime_error naming `what` and the system's last error.
[[noreturn]] void ThrowSystemError(const char* what);

}  // namespace kelbo
