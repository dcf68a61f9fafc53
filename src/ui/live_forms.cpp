#include "ui/live_forms.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "ui/form.h"

namespace kelbo {

namespace {

std::vector<Form*>& LiveForms() {
  static std::vector<Form*> forms;
  return forms;
}
bool quitWhenLastFormCloses = false;
std::function<void(const std::exception&)> errorHandler;

}  // namespace

void FormMade(Form* form) {
  LiveForms().push_back(form);
}

void FormGone(Form* form) {
  auto& forms = LiveForms();
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
  if (forms.empty() && quitWhenLastFormCloses) ::PostQuitMessage(0);
}

void Form::ReportError(const std::exception& error) noexcept {
  try {
    if (errorHandler) errorHandler(error);
  } catch (...) {
    // The report itself failed: there is nobody left to tell.
  }
}

int Form::OpenForms() {
  return static_cast<int>(LiveForms().size());
}
void Form::SetQuitWhenLastFormCloses(bool quit) {
  quitWhenLastFormCloses = quit;
}
void Form::SetErrorHandler(std::function<void(const std::exception&)> handler) {
  errorHandler = std::move(handler);
}

bool Form::PreTranslateMessage(MSG& message) {
  // Dialog navigation is all keys; the timers' and the pointer's messages
  // need not pay for the lookup.
  if (!message.hwnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
  for (Form* form : LiveForms())
    if (form->hwnd_ == root && form->dialogKeys_) return ::IsDialogMessageW(root, &message);
  return false;
}

}  // namespace kelbo
