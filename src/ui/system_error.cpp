#include "ui/system_error.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace kelbo {

void ThrowSystemError(const char* what) {
  throw std::runtime_error(std::string(what) + " (system error " +
                           std::to_string(::GetLastError()) + ")");
}

}  // namespace kelbo
