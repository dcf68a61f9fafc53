// A modal text prompt from a dialog template of the caller's: a prompt text,
// an edit field, OK and Cancel.
#pragma once

#include <optional>
#include <string>

namespace kelbo {

struct PromptTemplate {
  int dialog;      // the template's resource id
  int promptText;  // the static control that shows the prompt
  int edit;        // the edit field
};

// The typed text on OK, exactly as typed; nothing on Cancel or Esc.
std::optional<std::wstring> ShowPromptDialog(const PromptTemplate& layout,
                                             const std::wstring& prompt, const std::wstring& title);

}  // namespace kelbo
