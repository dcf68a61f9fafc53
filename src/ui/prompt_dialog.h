// A modal text prompt: a prompt text, an empty edit field, OK and Cancel.
#pragma once

#include <string>

namespace kelbo {

// The typed text on OK; the empty text on Cancel or Esc.
std::string ShowPromptDialog(const std::string& prompt, const std::string& title);

}  // namespace kelbo
